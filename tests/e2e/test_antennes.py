import pytest

from conftest import LANGUES, decimales
import orvalis_e2e as e2e


@pytest.mark.parametrize("langue", LANGUES)
def test_demarrage_quart_onde(demarrer, langue):
    n = decimales(langue)
    o = demarrer(langue)
    f = o.ouvrir("Les antennes", "Les antennes")
    frequence = f.champ("Fréquence d'accord")
    f.attendre_texte(frequence, n("14,200 Mhz"))
    resultats = f.trouver(e2e.CHAMP, "Résultats")
    f.attendre_texte(resultats, lambda t: n("Longueur du fouet = 5,02 m") in t)
    o.saisir(frequence, "7.05")
    f.attendre_texte(frequence, n("7,050 Mhz"))
    f.cliquer("Calculer")
    f.attendre_texte(resultats, lambda t: n("Longueur du fouet = 10,11 m") in t)
    assert o.quitter() == 0
