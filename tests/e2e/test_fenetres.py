"""The measurements window, the converter, the About box and the quit prompt."""
import os

import pytest

from conftest import LANGUES, decimales
import orvalis_e2e as e2e


@pytest.mark.parametrize("langue", LANGUES)
def test_vswr_chaque_option(demarrer, langue):
    """The defaults: 50 ohms, 100 W forward and 4 W reflected at the source, 50 W and 8 W at the
    antenna, 3 dB of cable loss; rho, VSWR and return loss worked out by hand."""
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("VSWR", "Les mesures à l'antenne")
    rapport = f.trouver(e2e.CHAMP, "VSWR")
    assert e2e.texte(rapport) == ""  # no option chosen yet

    f.cliquer("mesure vue de la source", e2e.OPTION)
    f.attendre_texte(rapport, lambda t: t.startswith("Calcul du ROS-TOS-K-RL"))
    assert e2e.lignes(rapport) == ["Calcul du ROS-TOS-K-RL", n("ROS = 1,5 : 1"), n("TOS = 4,0 %"), n("K = 0,200"),
                               n("Return Loss = 13,98 dB"), "", "Impédance de l'antenne",
                               n("     si Ra + Jx = 75,00 Ohms"), n("     si Ra - Jx = 33,33 Ohms")]

    f.cliquer("mesure vue à l'antenne", e2e.OPTION)
    f.attendre_texte(rapport, lambda t: n("Pertes estimées à l'antenne 3,01 dB") in t.splitlines())
    assert e2e.lignes(rapport) == ["Estimation des valeurs à l'antenne", n("Rapport de puissance = 2,0"),
                               n("ROS estimé à l'antenne = 2,3 : 1"), n("TOS estimé à l'antenne = 16,0 %"),
                               n("K = 0,400"), n("Pertes estimées à l'antenne 3,01 dB"),
                               n("Return Loss à l'antenne = 7,96 dB"), "", "Impédance de l'antenne",
                               n("     si Ra + Jx = 116,67 Ohms"), n("     si Ra - Jx = 21,43 Ohms")]

    f.cliquer("Je ne peut pas  faire de mesure à l'antenne, mais je connais l'affaiblissement du câble ",
              e2e.OPTION)
    f.attendre_texte(rapport, lambda t: n("Puissance directe à l'antenne = 50,1 Watt") in t.splitlines())
    assert e2e.lignes(rapport)[:8] == ["Estimation des valeurs à l'antenne", n("Rapport de puissance = 2,0"),
                                   n("Puissance directe à l'antenne = 50,1 Watt"),
                                   n("Puissance réflécie à l'antenne = 8,0 Watt"),
                                   n("ROS estimé à l'antenne = 2,3 : 1"), n("TOS estimé à l'antenne = 15,9 %"),
                                   n("K = 0,399"), n("Return Loss à l'antenne = 7,98 dB")]

    # A loss of 7 dB: the reflected power at the antenna would pass the forward power.
    f.saisir("Affaiblissement du câble", "7")
    f.cliquer("Calculer")
    f.attendre_texte(rapport, lambda t: t.startswith("Estimation") and t.splitlines()[-1].startswith("* Au vue"))
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)


@pytest.mark.parametrize("langue", LANGUES)
def test_convertisseur(demarrer, langue):
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Convertir", "Convertisseur d'unités")
    resultat = f.champ("Résultat")
    f.attendre_texte(resultat, n("0,3048 M"))
    assert e2e.texte(f.champ("Nombre à convertir")) == "1"
    nombre = f.saisir("Nombre à convertir", "2.5")
    assert e2e.texte(nombre) == "2.5"  # kept as typed
    f.cliquer("Convertir")
    f.attendre_texte(resultat, n("0,7620 M"))   # 2.5 x 12 / 39.37
    for entree, attendu in [("Mètres en Feet", "8,20208 Ft"), ("Mètres en Inche", "98,42500 In"),
                            ("MiliMètres en Inches", "0,09843 In"), ("Inches en Mètres", "0,0635 M")]:
        f.cliquer(entree, e2e.ELEMENT)
        f.attendre_texte(resultat, n(attendu))
    f.saisir("Nombre à convertir", "-1")  # refused: the texts come back
    f.attendre_texte(nombre, "2.5")
    assert e2e.texte(resultat) == n("0,0635 M")
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)


def test_a_propos_et_invite_de_sortie(demarrer):
    o = demarrer()
    f = o.ouvrir("Infos", "À propos de Orvalis")
    textes = [e2e.texte(l) for l in f.tous(e2e.ETIQUETTE)]
    assert any(t.startswith("Version ") and t.endswith(" du 01 fevrier 2018") for t in textes), textes
    assert any("Vérifier la cohérence des résultats présentés." in t for t in textes), textes
    assert e2e.nom(f.trouver(e2e.IMAGE)) == "Dessin : icône d'Orvalis"
    f.cliquer("OK")
    e2e.attendre(lambda: not o.principale.tous(e2e.FENETRE, "À propos de Orvalis"), message="About box hidden")

    o.menu("Quitter")
    invite = o.boite("C'est fini!")
    assert o.message(invite) == "Voulez-vous vraiement quitter Orvalis!"
    # Qt's own button texts are French too.
    assert sorted(e2e.nom(b) for b in invite.tous(e2e.BOUTON)) == ["Annuler", "OK"]
    o.repondre(invite, "Annuler")
    assert o.proc.poll() is None
    o.ouvrir("Infos", "À propos de Orvalis")  # still answering
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)
    assert sorted(os.listdir(o.donnees)) == sorted(os.listdir(os.path.join(demarrer.prefixe, "share", "orvalis")))
