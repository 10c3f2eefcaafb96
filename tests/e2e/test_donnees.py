"""Journeys that write the data files of the user's directory and find them again at the next
start: the retained solutions and the band table."""
import os

import orvalis_e2e as e2e


def cellule(grille, r, c):
    return e2e.nom(grille.queryTable().getAccessibleAt(r, c))


def lignes_fichier(chemin):
    """The lines of a data file: Windows-1252 text, each line ended by CR LF."""
    with open(chemin, "rb") as f:
        brut = f.read()
    assert brut.endswith(b"\r\n") and b"\n" not in brut.replace(b"\r\n", b""), "not CR LF lines"
    return brut.decode("cp1252").split("\r\n")[:-1]


def test_dipole_raccourci_ajoute_sauve_retrouve(demarrer):
    o = demarrer()
    f = o.ouvrir("Dipole raccourci", "Dipole raccourci")
    f.cliquer("Calculer la self")
    dimensions = [e2e.texte(f.champ(c)) for c in ("Dimension de A", "Dimention de B", "Dimension de C", "Inductance")]
    assert dimensions == ["30,00", "3,50", "11,50", "15,2"]
    o.sous_menu(f, "Tableau", "Voir le tableau")
    t = o.fenetre("Tableau des solutions retenues")
    grille = t.trouver(e2e.GRILLE, "Solutions retenues")
    o.sous_menu(f, "Tableau", "Ajouter au tableau")
    e2e.attendre(lambda: cellule(grille, 0, 1) == "D", message="the solution added")
    assert [cellule(grille, 0, c) for c in range(1, 9)] == ["D", "F", "40m", "7.050", *dimensions]
    o.sous_menu(f, "Tableau", "Sauvegarder le tableau")
    question = o.boite("Sauvegarder")
    assert sorted(e2e.nom(b) for b in question.tous(e2e.BOUTON)) == ["Non", "Oui"]
    o.repondre(question, "Oui")
    o.sous_menu(f, "Tableau", "Voir le tableau")
    e2e.attendre(lambda: not o.principale.tous(e2e.FENETRE, "Tableau des solutions retenues"),
                 message="the solutions window hidden")
    f.cliquer("Retour au menu")  # the menu comes back
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o, sauf=("Tableau.dat",))
    lignes = lignes_fichier(os.path.join(o.donnees, "Tableau.dat"))
    assert lignes[0] == "1 D F 40 7.050 30,00 3,50 11,50 15,2"
    assert lignes[1:] == lignes_fichier(demarrer.defauts("Tableau.dat"))[1:]

    o = demarrer()
    f = o.ouvrir("Dipole raccourci", "Dipole raccourci")
    o.sous_menu(f, "Tableau", "Voir le tableau")
    grille = o.fenetre("Tableau des solutions retenues").trouver(e2e.GRILLE, "Solutions retenues")
    assert [cellule(grille, 0, c) for c in range(0, 9)] == ["1", "D", "F", "40", "7.050", *dimensions]
    o.sous_menu(f, "Tableau", "Voir le tableau")  # hidden again: it covers "Retour au menu"
    e2e.attendre(lambda: not o.principale.tous(e2e.FENETRE, "Tableau des solutions retenues"),
                 message="the solutions window hidden")
    f.cliquer("Retour au menu")
    assert o.quitter() == 0


def test_parametres_frequence_preferee(demarrer):
    o = demarrer()
    f = o.ouvrir("Paramètres", "Paramètres")
    grille = f.trouver(e2e.GRILLE, "Table des bandes")
    assert [cellule(grille, 4, c) for c in range(6)] == ["5", "20", "14.000 mhz", "14.350 mhz", "14.175 mhz", "14.200 mhz"]
    f.cliquer("Modifier les fréquences des bandes", e2e.CASE)
    valeur = f.champ("Saisir une valeur, puis cliquer sur la case à modifier")
    e2e.attendre(lambda: valeur.getState().contains(e2e._atspi().STATE_FOCUSED), message="the value field")
    o.taper("14.1")
    o.cliquer(grille.queryTable().getAccessibleAt(4, 5))
    e2e.attendre(lambda: cellule(grille, 4, 5) == "14.100 Mhz", message=lambda: cellule(grille, 4, 5))
    f.cliquer("Valider et sauvegarder")
    o.repondre(o.boite("Sauvegarder"), "Oui")
    assert o.quitter() == 0
    demarrer.fichiers_intacts(o, sauf=("Bande_bdfcp.dat",))
    bandes = lignes_fichier(os.path.join(o.donnees, "Bande_bdfcp.dat"))
    defauts = lignes_fichier(demarrer.defauts("Bande_bdfcp.dat"))
    assert bandes[4] == "5 20 14.000 14.350 14.175 14.100"
    assert bandes[:4] + bandes[5:] == defauts[:4] + defauts[5:]

    # The next start takes the new preferred frequency for 20 m: a whip of 75 / 14.1 x 0.95.
    o = demarrer()
    a = o.ouvrir("Les antennes", "Les antennes")
    a.attendre_texte(a.champ("Fréquence d'accord"), "14,100 Mhz")
    a.attendre_texte(a.trouver(e2e.CHAMP, "Résultats"), lambda t: "Longueur du fouet = 5,05 m" in t.splitlines())
    assert o.quitter() == 0
