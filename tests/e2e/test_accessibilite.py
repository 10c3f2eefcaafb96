"""Every field, result box, list, grid and picture of every window has a name or a description a
screen reader can say."""
import orvalis_e2e as e2e

# Roles a user must be told the meaning of (line and multi-line fields, lists, grids, pictures).
A_NOMMER = (e2e.CHAMP, e2e.LISTE_DEROULANTE, e2e.LISTE, e2e.GRILLE, e2e.IMAGE)

# Each menu entry and the caption of the window it shows, in an order that lets each open:
# the adaptation window needs a wire antenna computed just before.
FENETRES = [
    ("Paramètres", "Paramètres"),
    ("VSWR", "Les mesures à l'antenne"),
    ("Calculs", "La boite à Calculs"),
    ("Convertir", "Convertisseur d'unités"),
    ("Les câbles ", "Lignes  bifilaires et coaxiales"),
    ("Infos", "À propos de Orvalis"),
    ("Les antennes", "Les antennes"),
    ("Adaptation", "Adaptation à un environnement difficile"),
    ("Dipole raccourci", "Dipole raccourci"),
]


def sans_nom(fenetre):
    """The controls of the window as shown that have neither a name nor a description (the text
    field of a list that takes typing too)."""
    def manque(acc):
        if e2e.role(acc) not in A_NOMMER or e2e.description(acc).strip():
            return False
        # A drop-down list's name is the entry it shows: it needs a description.
        return e2e.role(acc) == e2e.LISTE_DEROULANTE or not e2e.nom(acc).strip()
    return [f"{fenetre.titre} / {e2e.role(a)} {a.getIndexInParent()} of {e2e.role(a.parent)} « {e2e.nom(a.parent)} »"
            for a in e2e.descendants(fenetre.acc, manque)]


# Tabs whose choice shows a message first: at 20 m the default element of 5.02 m is longer than
# 0.95 of a quarter wave (5.018 m), which the radiation page says.
BOITES = {"Calculer la résistance de rayonnement": "Orvalis"}


def recenser(o, fenetre):
    """Unnamed controls of the window, tab after tab."""
    manques = sans_nom(fenetre)
    for onglet in [e2e.nom(t) for t in fenetre.tous(e2e.ONGLET)]:
        fenetre.onglet(onglet)
        if onglet in BOITES:
            o.repondre(o.boite(BOITES[onglet]), "OK")
        manques += sans_nom(fenetre)
    return manques


def test_recensement(demarrer):
    o = demarrer()
    manques = []
    for entree, titre in FENETRES:
        f = o.ouvrir(entree, titre)
        if entree == "Les antennes":
            manques += recenser(o, f)
            f.onglet("Antennes filaire")  # a wire antenna for the adaptation window
            # The model window, once the engine has answered.
            f.cliquer("Modéliser (NEC-2)…")
            m = o.fenetre("Modèle NEC-2")
            m.attendre_texte(m.trouver(e2e.CHAMP, "Résumé du modèle"), lambda t: "Résonance du modèle" in t, delai=60)
            manques += recenser(o, m)
            m.cliquer("Retour au menu")
            continue
        manques += recenser(o, f)
    # The solutions table, through the shortened dipole's own menu.
    f = o.fenetre("Dipole raccourci")
    o.sous_menu(f, "Tableau", "Voir le tableau")
    manques += recenser(o, o.fenetre("Tableau des solutions retenues"))
    assert not manques, "without a name or a description:\n" + "\n".join(sorted(set(manques)))
