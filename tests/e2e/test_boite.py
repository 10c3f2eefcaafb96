"""Each tab of the toolbox with a value typed, and the cable chooser handing a cable over."""
import pytest

from conftest import LANGUES, decimales
import orvalis_e2e as e2e


@pytest.mark.parametrize("langue", LANGUES)
def test_chaque_onglet_de_la_boite(demarrer, langue):
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Calculs", "La boite à Calculs")

    # Loading coil of a 0.9 m whip at 50 MHz: 1.26 x cot(54°) µH.
    assert f.dessin() == "Dessin : antenne raccourcie et sa self"
    f.saisir("Fréquence Mhz", "50")
    f.saisir("Hauteur souhaitée de votre fouet d'antenne", "0.9")
    f.cliquer("Calculer L(µh)")
    f.attendre_texte(f.champ("Valeur de la self à réaliser en µHenry"), n("0,92 µH"))

    # A close-wound coil of 10 turns of 0.14 cm wire: 1.4 cm plus one wire, ratio 1.
    f.onglet("Calcul d'une self")
    assert f.dessin() == "Dessin : self à une couche"
    f.cliquer("Spires jointes", e2e.OPTION)
    f.cliquer("Calculer la self")
    f.attendre_texte(f.champ("Longueur de la self (cm)"), n("1,54 cm"))
    assert e2e.texte(f.champ("Rapport d'espacement")) == "1"

    # A trap at 21 MHz with 800 ohms: L = X / w, C = 1 / (w X).
    f.onglet("Calcul d'une trappe")
    assert f.dessin() == "Dessin : trappe"
    f.saisir("Impédance  de L ou C", "800")
    f.cliquer("Calculer la trappe")
    f.attendre_texte(f.champ("Valeur de L"), n("6,06 µH"))
    assert e2e.texte(f.champ("Valeur de C")) == n("9,47 pF")

    # Twin line of 1 mm wires 8 mm apart in air (1.00068): 276 log10(2D/d) / sqrt(1.00068).
    f.onglet("Impédance des lignes")
    assert f.dessin() == "Dessin : impédance des lignes"
    f.saisir("espacement des fils", "8")
    f.cliquer("Calculer l'impédance")
    f.attendre_texte(f.champ("Impédance du câble"), n("332,22 Ohms"))

    # Three half-waves of a 0.66 cable at 14.12 MHz: 3 x 150 / 14.12 x 0.66.
    f.onglet("Longueur des lignes")
    assert f.dessin() == "Dessin : longueur des lignes"
    # The tab change puts the focus in the frequency field, whose "14,120 Mhz" would read back as
    # 14 under a comma locale once the focus leaves it: the frequency is typed first.
    f.saisir("Fréquence d'utilisation", "14.12")
    f.saisir("Pour une longueur optimale,choisir un nombre de demi-onde", "3")
    f.cliquer("Calculer")
    f.attendre_texte(f.champ("Longueur de coupe du câble"), lambda t: n("21,03 m") in t)

    # A balun from 50 to 200 ohms with 5 primary turns: 5 x 2.
    f.onglet("Transformateur d'impédance")
    assert f.dessin() == "Dessin : transformateur d'impédance"
    f.saisir("Impédance de sortie", "200")
    f.saisir("Nbre de spires au primaire", "5")
    f.cliquer("Calculer")
    f.attendre_texte(f.champ("Spires au secondaire"), " 10")

    # An L network from 50 to 300 ohms at 7 MHz: Q = sqrt(300 / 50 - 1).
    f.onglet("Adaptateur d'impédances")
    f.choisir("Type d'adaptateur", "Adaptateur en L (Networks)")
    assert f.dessin() == "Dessin : adaptateur en L série-parallèle"
    f.attendre_texte(f.champ("Q"), n("2,24"))
    resultat = f.trouver(e2e.CHAMP, "Adaptation d'impédance")
    f.attendre_texte(resultat, lambda t: "C1 = 169 pf" in t and n("L1 = 2,54 µH") in t)
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)


def test_choix_du_cable_exporte(demarrer):
    o = demarrer()
    f = o.ouvrir("Calculs", "La boite à Calculs")
    f.onglet("Longueur des lignes")
    f.cliquer("Choisir un câble")
    c = o.fenetre("Lignes  bifilaires et coaxiales")
    grille = c.trouver(e2e.GRILLE, "Liste des câbles")
    ligne = next(r for r in range(grille.queryTable().nRows)
                 if e2e.nom(grille.queryTable().getAccessibleAt(r, 0)) == "Twin-lead_300")
    assert e2e.nom(grille.queryTable().getAccessibleAt(ligne, 4)) == "0.82"
    o.cliquer(grille.queryTable().getAccessibleAt(ligne, 0))
    c.attendre_texte(c.trouver(e2e.CHAMP), "Câble type:  Twin-lead_300, Coef.Vélocité =  .82")
    c.cliquer("exporter et fermer")
    f.attendre_texte(f.champ("Coéficient de vélocité"), "0,82")
    f.attendre_texte(f.champ("Longueur de coupe du câble"), lambda t: "Twin-lead_300" in t)
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)
