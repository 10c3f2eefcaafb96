"""The NEC-2 model of a design, as a user reaches it from the antenna designer."""
import re

import pytest

from conftest import decimales
import orvalis_e2e as e2e

TYPE = "Type d'antenne filaire"


@pytest.mark.parametrize("langue", ["fr_FR.UTF-8", "en_US.UTF-8"])
def test_dipole_modelise(demarrer, langue):
    """The 20 m dipole, modelled in free space: an independent deck of the same geometry (two arms
    of 5.0176 m, 2 mm copper) resonates at 14.486 MHz; then trimmed to the model."""
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Les antennes", "Les antennes")
    f.choisir(TYPE, "Antenne dipôle (Center-Fed)")
    f.cliquer("Modéliser (NEC-2)…")
    m = o.fenetre("Modèle NEC-2")
    resume = m.trouver(e2e.CHAMP, "Résumé du modèle")
    ligne = re.compile(r"Résonance du modèle : (\d+)[,.](\d+) Mhz")
    m.attendre_texte(resume, lambda t: ligne.search(t) is not None, delai=60)
    entier, fraction = ligne.search(e2e.texte(resume)).groups()
    assert abs(float(f"{entier}.{fraction}") - 14.486) <= 0.03, e2e.texte(resume)
    lignes = e2e.lignes(resume)
    assert lignes[1].startswith(n("Impédance à 14,200 Mhz : ")), lignes
    assert lignes[2].startswith(n("ROS à 14,200 Mhz : ")) and lignes[2].endswith(" (75 Ohms)"), lignes
    assert e2e.nom(m.liste("Sol")) == "Espace libre"

    m.cliquer("Ajuster au modèle")
    m.attendre_texte(resume, lambda t: "Longueur corrigée : 2 x " in t, delai=60)
    entier, fraction = ligne.search(e2e.texte(resume)).groups()
    assert abs(float(f"{entier}.{fraction}") / 14.2 - 1) <= 0.0011, e2e.texte(resume)
    # The designer's own results stay as they were.
    assert n("Longueur du dipole = 2 x 5,02 m") in e2e.lignes(f.trouver(e2e.CHAMP, "Résultats"))
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o)
