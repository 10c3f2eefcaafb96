"""The antenna designer and the adaptation window, as a user goes through them."""
import os
import shutil

import pytest

from conftest import LANGUES, decimales
import orvalis_e2e as e2e

TYPE = "Type d'antenne filaire"
DONNEES = os.path.join(os.path.dirname(__file__), "..", "donnees")
CABLES = ("Choisissez une ligne bifilaire", "Choisissez un cable coaxiale")


@pytest.mark.parametrize("langue", LANGUES)
def test_demarrage_quart_onde(demarrer, langue):
    """The first numbers a user meets: the 20 m quarter-wave whip, then a typed frequency."""
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Les antennes", "Les antennes")
    frequence = f.champ("Fréquence d'accord")
    f.attendre_texte(frequence, n("14,200 Mhz"))
    resultats = f.trouver(e2e.CHAMP, "Résultats")
    f.attendre_texte(resultats, lambda t: n("Longueur du fouet = 5,02 m") in t.splitlines())
    assert f.dessin() == "Dessin : antenne quart d'onde (Ground Plane)"
    o.saisir(frequence, "7.05")
    f.attendre_texte(frequence, n("7,050 Mhz"))
    assert e2e.texte(resultats) == ""  # until "Calculer"
    f.cliquer("Calculer")
    f.attendre_texte(resultats, lambda t: n("Longueur du fouet = 10,11 m") in t.splitlines())
    assert e2e.lignes(resultats)[:2] == ["Bande de fréquence =  42 m", n("fréquence d'accord = 7,050 Mhz")]
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)


@pytest.mark.parametrize("langue", LANGUES)
def test_tabulations_gardent_les_decimales(demarrer, langue):
    """A keyboard user types 7.05, leaves with Tab, comes back with Shift+Tab and leaves again:
    the field still says 7,050 Mhz and the calculation works with 7.05 MHz, not 7."""
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Les antennes", "Les antennes")
    frequence = f.champ("Fréquence d'accord")
    f.attendre_texte(frequence, n("14,200 Mhz"))
    o.saisir(frequence, "7.05")
    f.attendre_texte(frequence, n("7,050 Mhz"))
    focalise = lambda: frequence.getState().contains(e2e._atspi().STATE_FOCUSED)
    for aller, retour in (("shift+Tab", "Tab"), ("shift+Tab", "Tab")):
        o.touches(aller)
        e2e.attendre(focalise, message="back in the field")
        o.touches(retour)
        e2e.attendre(lambda: not focalise(), message="the field left")
        assert e2e.texte(frequence) == n("7,050 Mhz")
    f.cliquer("Calculer")
    resultats = f.trouver(e2e.CHAMP, "Résultats")
    f.attendre_texte(resultats, lambda t: n("Longueur du fouet = 10,11 m") in t.splitlines())
    assert e2e.texte(frequence) == n("7,050 Mhz")
    assert o.quitter() == 0


@pytest.mark.parametrize("langue", LANGUES)
def test_usage_type_dipole_puis_adaptation(demarrer, langue):
    """The road of the typical use: 20 m, a dipole, then its correction after measuring 13.9 MHz."""
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Les antennes", "Les antennes")
    assert e2e.nom(f.liste("Choisissez une bande ou indiquer une fréquence d'accord dans le cadre inférieur")) == "20 m"
    f.choisir(TYPE, "Antenne dipôle (Center-Fed)")
    resultats = f.trouver(e2e.CHAMP, "Résultats")
    f.attendre_texte(resultats, lambda t: n("Longueur du dipole = 2 x 5,02 m") in t.splitlines())
    lignes = e2e.lignes(resultats)
    assert lignes[:5] == ["Bande de fréquence = 20 m", n("fréquence d'accord = 14,200 Mhz"),
                          n("Longueur d'onde = 21,13 m "), "-" * 45, "Antenne dipôle (Center-Fed)"]
    assert f.dessin() == "Dessin : antenne dipôle (Center-Fed)"

    a = o.ouvrir("Adaptation", "Adaptation à un environnement difficile")
    assert e2e.texte(a.champ("Fréquence d'accord initiale")) == n("14,200 Mhz")
    assert e2e.texte(a.champ("Facteur de raccourcissement initial")) == " .95"
    assert e2e.texte(a.champ("Longueur d'antenne initiale")) == n("10,04 m")
    mesure = a.saisir("Fréquence de résonnance réelle de l'antenne (Mhz)", "13.9")
    a.attendre_texte(mesure, n("13,900 Mhz"))
    a.cliquer("Calculer")
    a.attendre_texte(a.champ("Facteur de raccourcissement  recalculé"), n("0,93"))
    assert e2e.texte(a.champ("Longueur recalculée")) == n("9,82 m")
    action = a.trouver("panel", "Longueur à supprimer")
    assert e2e.texte(e2e.descendants(action, lambda x: e2e.role(x) == e2e.CHAMP)[0]) == \
        n("10,6 cm aux deux extrémités de l'antenne")
    assert a.tous(e2e.ETIQUETTE, "Antenne de type doublet")
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)


# Each wire type at 14.2 MHz with its default factor (and first cable): a line of its results,
# the whole wavelengths and fractions computed by hand.
TYPES = [
    ("Antenne quart d'onde (Ground Plane)", "Longueur du fouet = 5,02 m", " .95"),
    ("Antenne dipôle (Center-Fed)", "Longueur du dipole = 2 x 5,02 m", " .95"),
    ("Antenne multibandes Conrad Windom", "Longueur de la branche longue = 6,69 m.", " .95"),
    ("Antenne multibandes G5RV full-size", "Ligne T-Lead 300 Ohms, CV:0.88 FV = 9,30 m", " .95"),
    ("Antenne multibandes W3HH ou T2FD", "Longueur du fil B = 3,52 m", " 1"),
    ("Antenne filaire demie onde", "Longueur du fil d'antenne = 10,04 m.", " .95"),
    ("Antenne Loop onde entière", "Longueur du fil d'antenne = 22,18 m", " 1.05"),
    ("Antenne Double Bazooka", "Longueur des extrémités : 2 x 1,71 m", " .95"),
]


@pytest.mark.parametrize("langue", LANGUES)
def test_chaque_type_filaire(demarrer, langue):
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Les antennes", "Les antennes")
    resultats = f.trouver(e2e.CHAMP, "Résultats")
    for type_, ligne, facteur in TYPES:
        f.choisir(TYPE, type_)
        f.attendre_texte(resultats, lambda t: any(l.startswith(n(ligne)) for l in t.splitlines()))
        assert e2e.texte(f.champ("Facteur de raccourcissement")) == facteur
        assert f.dessin() == "Dessin : " + type_[0].lower() + type_[1:], type_
        cables = [c for c in f.tous(e2e.LISTE_DEROULANTE) if e2e.description(c) in CABLES]
        if "G5RV" in type_:
            assert [e2e.description(c) for c in cables] == ["Choisissez une ligne bifilaire"]
        elif "Bazooka" in type_:
            assert [e2e.description(c) for c in cables] == ["Choisissez un cable coaxiale"]
            assert n("Longueur des lignes coaxiales utilisées : 6,62 m.") in e2e.lignes(resultats)
            # The wire section is a fixed text, written with a comma under every locale.
            assert n("Longueur des extrémités : 2 x 1,71 m") + " de fil d'une section de 2,5 mm²." in e2e.lignes(resultats)
        else:
            assert not cables
    assert o.quitter() == 0


@pytest.mark.parametrize("langue", LANGUES)
def test_yagi_quad_levy(demarrer, langue):
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Les antennes", "Les antennes")
    resultats = f.trouver(e2e.CHAMP, "Résultats")
    bandes = "Choisissez une bande ou indiquer une fréquence d'accord dans le cadre inférieur"

    f.onglet("Antenne Yagi")
    f.choisir(bandes, "2 m")
    f.attendre_texte(resultats, lambda t: n("fréquence d'accord = 144,300 Mhz") in t.splitlines())
    f.choisir("Modèle d'antenne Yagi", "Antenne YAGI 3 éléments (Varnasse, Q5ZT)")
    texte = f.attendre_texte(resultats, lambda t: n("1,026 m") in t)
    for valeur in ("1,09 m", "0,416 m", "0,991 m", "0,520 m", "0,956 m"):
        assert n(valeur) in texte, valeur
    assert f.dessin() == "Dessin : antenne Yagi"

    f.choisir(bandes, "20 m")
    f.onglet("Quad et Delta-Loop")
    f.choisir("Modèle d'antenne Quad ou Delta-Loop", "Antenne Quad 1 radiateur et 1 directeur")
    # The director by the handbook's quad rule: 297.2 / 14.2 = 20.930 m.
    texte = f.attendre_texte(resultats, lambda t: n("20,930 m") in t)
    assert n("4,225 m") in texte and n("4,68 m") in texte
    assert e2e.texte(f.champ("Fréquence d'accord")) == n("14,200 Mhz")
    assert f.dessin() == "Dessin : antenne Quad"
    f.choisir("Modèle d'antenne Quad ou Delta-Loop", "Antenne Delta-Loop 1 radiateur seulement")
    f.attendre_texte(resultats, lambda t: n("1,06 m") in t)
    assert f.dessin() == "Dessin : antenne Delta-Loop"

    # The band again, so the focus is outside the tabs when the tab changes.
    f.choisir(bandes, "20 m")
    f.onglet("Antenne Levy")
    texte = f.attendre_texte(resultats, lambda t: n("133,71 ft") in t)
    for valeur in ("20,06 ft", "48,48 ft", "76,89 ft", "105,30 ft", "34,27 ft", "147,92 ft"):
        assert n(valeur) in texte, valeur
    assert f.dessin() == "Dessin : antenne Lévy"
    f.cliquer("Calcul en Mètres", e2e.OPTION)
    texte = f.attendre_texte(resultats, lambda t: n("6,12 m") in t)
    for valeur in ("14,78 m", "40,75 m", "10,45 m", "45,08 m"):
        assert n(valeur) in texte, valeur
    assert o.quitter() == 0


def test_mesure_ramenee_a_l_antenne(demarrer, tmp_path):
    """A 40 m dipole measured at the shack end of 20 m of RG213/U (a sweep made from a NEC-2 model
    of a dipole resonant at 7.050 MHz): the file's own zero crossing is the line's and the
    antenna's together; with the cable removed, 7,050 Mhz is entered as the measured resonance."""
    mesure = tmp_path / "dipole.s1p"
    shutil.copy(os.path.join(DONNEES, "dipole_7050_rg213_20m.s1p"), mesure)
    o = demarrer()
    f = o.ouvrir("Les antennes", "Les antennes")
    f.choisir("Choisissez une bande ou indiquer une fréquence d'accord dans le cadre inférieur", "40 m")
    f.choisir(TYPE, "Antenne dipôle (Center-Fed)")
    a = o.ouvrir("Adaptation", "Adaptation à un environnement difficile")
    a.cliquer("Lire une mesure (Touchstone)…")
    dialogue = o.boite("Lire une mesure (Touchstone)")
    assert dialogue.tous(e2e.BOUTON, "Annuler")  # Qt's own dialog, in French
    o.taper(str(mesure))
    o.touches("Return")
    resonance = a.champ("Fréquence de résonnance réelle de l'antenne (Mhz)")
    a.attendre_texte(resonance, lambda t: t.endswith(" Mhz") and t != "7,050 Mhz")
    a.choisir("Câble mesuré", "RG213/U")
    longueur = a.champ("Longueur (m)")
    o.saisir(longueur, "20")
    a.attendre_texte(resonance, "7,050 Mhz")
    resume = a.trouver(e2e.ETIQUETTE, "Résonance mesurée")
    assert "au point d'alimentation (câble RG213/U, 20,00 m retirés)" in e2e.description(resume)
    assert o.quitter() == 0
