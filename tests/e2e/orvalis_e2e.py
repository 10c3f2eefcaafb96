"""Drives the installed Orvalis as a user does: a real X server (Xvfb), real mouse clicks and key
presses (xdotool, at the place the accessibility tree gives for a control), and the texts a screen
reader reads (AT-SPI, through a private D-Bus session with its own accessibility bus).

Controls are found by their role and the caption the user reads (their accessible name), never by
object name. Every wait polls until a condition holds or its time runs out; nothing sleeps for a
fixed time.
"""
import os
import shutil
import signal
import subprocess
import time

DELAI = 10.0        # seconds a control or a text may take to appear
PAS = 0.05          # polling step

# Roles of AT-SPI, by their names in the tree.
FENETRE = "frame"
BOITE = ("dialog", "alert")
BOUTON = "push button"
CHAMP = "text"
LISTE_DEROULANTE = "combo box"
LISTE = "list"
ELEMENT = "list item"
GRILLE = "table"
ONGLET = "page tab"
OPTION = "radio button"
CASE = "check box"
IMAGE = "image"
ETIQUETTE = "label"
MENU = "menu item"


class Echec(AssertionError):
    pass


def attendre(condition, delai=DELAI, message="condition"):
    """Calls `condition` until it returns something true, which it returns; fails after `delai`."""
    fin = time.monotonic() + delai
    dernier = None
    while True:
        try:
            r = condition()
        except Echec:
            raise
        except Exception as e:  # the tree changes under our feet: try again
            r, dernier = None, e
        if r:
            return r
        if time.monotonic() > fin:
            texte = message() if callable(message) else message
            raise Echec(f"not reached in {delai} s: {texte}" + (f" ({dernier!r})" if dernier else ""))
        time.sleep(PAS)


def _sortie_de(fd):
    lu = b""
    while not lu.endswith(b"\n"):
        morceau = os.read(fd, 64)
        if not morceau:
            break
        lu += morceau
    return lu.decode().strip()


class Bus:
    """A private D-Bus session with the accessibility bus, for the whole test run. Everything it
    starts (the session daemon, the accessibility bus launcher and registry) is in one process
    group, ended together."""

    def __init__(self, dossier):
        self.dossier = dossier
        self.runtime = os.path.join(dossier, "runtime")
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": dossier,
               "XDG_RUNTIME_DIR": self.runtime}
        lecture, ecriture = os.pipe()
        self.proc = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={ecriture}"],
            env=env, pass_fds=(ecriture,), start_new_session=True,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(ecriture)
        self.adresse = _sortie_de(lecture)
        os.close(lecture)
        if not self.adresse:
            raise Echec("dbus-daemon did not start")
        # The accessibility bus, started now and asked for its address.
        r = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                            "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                           env=dict(env, DBUS_SESSION_BUS_ADDRESS=self.adresse),
                           capture_output=True, text=True, timeout=30)
        self.adresse_a11y = r.stdout.strip()
        if r.returncode != 0 or not self.adresse_a11y:
            self.arreter()
            raise Echec(f"no accessibility bus: {r.stderr.strip()}")

    def environnement(self, lecteur=False):
        """The variables that lead to these buses. The program finds the accessibility bus through
        the session bus (Qt 6.4 does not register on a bus named by AT_SPI_BUS_ADDRESS); the reader,
        this process, is given its address, so it never looks at a display's or a desktop's."""
        env = {"DBUS_SESSION_BUS_ADDRESS": self.adresse, "XDG_RUNTIME_DIR": self.runtime}
        if lecteur:
            env["AT_SPI_BUS_ADDRESS"] = self.adresse_a11y
        return env

    def arreter(self):
        try:
            os.killpg(self.proc.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        self.proc.wait(timeout=10)


LARGEUR, HAUTEUR = 1600, 1200


class Ecran:
    """An Xvfb server on the first free display from :90."""

    def __init__(self, premier=90, dernier=99):
        for n in range(premier, dernier + 1):
            if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                continue
            lecture, ecriture = os.pipe()
            proc = subprocess.Popen(
                ["Xvfb", f":{n}", "-displayfd", str(ecriture), "-screen", "0", f"{LARGEUR}x{HAUTEUR}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(ecriture,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(ecriture)
            lu = _sortie_de(lecture)
            os.close(lecture)
            if lu == str(n):
                self.proc, self.affichage = proc, f":{n}"
                return
            proc.kill()
            proc.wait()
        raise Echec(f"no free display from :{premier} to :{dernier}")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env={"DISPLAY": self.affichage, "PATH": os.environ["PATH"]},
                       check=True, capture_output=True, timeout=20)

    def capture(self, chemin):
        """Saves what the screen shows (ImageMagick's import), for a failed test."""
        subprocess.run(["import", "-display", self.affichage, "-window", "root", chemin],
                       capture_output=True, timeout=30)

    def arreter(self):
        self.proc.terminate()
        try:
            self.proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


# --- the accessibility tree ---------------------------------------------------------------------

def _atspi():
    import pyatspi  # imported only once the environment names the private buses
    return pyatspi


def role(acc):
    return acc.getRoleName()


def nom(acc):
    return acc.name or ""


def description(acc):
    return acc.description or ""


def visible(acc):
    """Shown by the program. A working window that does not fit in the main window's area is
    neither "visible" nor "showing" in the tree, while its contents are: a window is taken as
    shown when its contents are."""
    if role(acc) == FENETRE and acc.childCount:
        acc = acc[0]
    return acc.getState().contains(_atspi().STATE_VISIBLE)


def enfants(acc):
    return [c for c in (acc[i] for i in range(acc.childCount)) if c is not None]


def descendants(racine, garder, tous=False):
    """The descendants of `racine` for which `garder` is true, in reading order of the tree;
    hidden parts are left out unless `tous`."""
    trouves, pile = [], list(reversed(enfants(racine)))
    while pile:
        acc = pile.pop()
        if not tous and not visible(acc):
            continue
        if garder(acc):
            trouves.append(acc)
        pile.extend(reversed(enfants(acc)))
    return trouves


def _correspond(acc, roles, nom_voulu):
    if roles is not None and role(acc) not in ((roles,) if isinstance(roles, str) else roles):
        return False
    if nom_voulu is None:
        return True
    if callable(nom_voulu):
        return nom_voulu(nom(acc))
    return nom(acc) == nom_voulu


def texte(acc):
    """The text a screen reader reads in a field, a result box or a label."""
    try:
        t = acc.queryText()
    except NotImplementedError:
        return nom(acc)
    return t.getText(0, -1)


def lignes(acc):
    """The lines of a field's text."""
    return texte(acc).splitlines()


def rectangle(acc):
    e = acc.queryComponent().getExtents(_atspi().DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


class Zone:
    """A part of the program on screen (a window, a message box): finds its controls."""

    def __init__(self, programme, acc):
        self.programme, self.acc = programme, acc

    @property
    def titre(self):
        return nom(self.acc)

    def tous(self, roles=None, nom=None):
        return descendants(self.acc, lambda a: _correspond(a, roles, nom))

    def trouver(self, roles, nom=None, rang=0, delai=DELAI):
        """The visible control of that role and name (the `rang`-th in reading order)."""
        def cherche():
            l = self.tous(roles, nom)
            return l[rang] if len(l) > rang else None
        return attendre(cherche, delai, lambda: f"{roles} « {nom} » in « {self.titre} »")

    def champ(self, legende, rang=0):
        return self.trouver(CHAMP, legende, rang)

    def bouton(self, legende, rang=0):
        return self.trouver(BOUTON, legende, rang)

    def cliquer(self, legende, roles=BOUTON, rang=0):
        self.programme.cliquer(self.trouver(roles, legende, rang))

    def attendre_texte(self, acc, attendu, delai=DELAI):
        """Waits until the text of `acc` equals `attendu` (or satisfies it, when callable)."""
        ok = attendu if callable(attendu) else (lambda t: t == attendu)

        def lu():
            t = texte(acc)
            return (t,) if ok(t) else None
        return attendre(lu, delai, lambda: f"expected text {attendu!r}, read {texte(acc)!r}")[0]

    def saisir(self, legende, valeur, rang=0):
        """Clicks the entry field captioned `legende`, types `valeur` and leaves the field with
        the Tab key, as the user does."""
        champ = self.champ(legende, rang)
        self.programme.saisir(champ, valeur)
        return champ

    def dessin(self):
        """The accessible name of the picture shown: "Dessin : " and what it shows."""
        return nom(self.trouver(IMAGE, lambda n: n.startswith("Dessin : ")))

    def liste(self, legende):
        """The visible drop-down list described by `legende` (its caption)."""
        return attendre(lambda: next(iter(descendants(
            self.acc, lambda a: role(a) == LISTE_DEROULANTE and description(a) == legende)), None),
            message=f"drop-down list « {legende} » in « {self.titre} »")

    def choisir(self, legende, entree):
        """Opens the drop-down list described by `legende` and picks its entry `entree`."""
        self.programme.choisir(self.liste(legende), entree)

    def onglet(self, legende):
        """Clicks the tab `legende`; the tab strip then bears its name."""
        onglet = self.trouver(ONGLET, legende)
        self.programme.cliquer(onglet)
        attendre(lambda: nom(onglet.parent) == legende, message=f"tab « {legende} » chosen")


class Orvalis:
    """One run of the installed program."""

    def __init__(self, prefixe, home, langue, ecran, bus, journal):
        self.ecran, self.home, self.langue = ecran, home, langue
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
               "DISPLAY": ecran.affichage, "LANG": langue, "LC_ALL": langue,
               "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
               **bus.environnement()}
        self.journal = open(journal, "ab")
        self.proc = subprocess.Popen([os.path.join(prefixe, "bin", "orvalis")], env=env,
                                     stdout=self.journal, stderr=subprocess.STDOUT)
        pyatspi = _atspi()

        def application():
            if self.proc.poll() is not None:
                raise Echec(f"orvalis stopped while starting (status {self.proc.returncode})")
            bureau = pyatspi.Registry.getDesktop(0)
            for a in enfants(bureau):
                if a.get_process_id() == self.proc.pid:
                    return a
            return None
        self.app = attendre(application, 20, "orvalis in the accessibility tree")
        self.principale = Zone(self, attendre(
            lambda: next((w for w in enfants(self.app) if role(w) == FENETRE and nom(w) == "Orvalis"
                          and visible(w)), None), message="the main window"))
        # The user makes the main window fill the screen, so the larger working windows fit in it
        # (there is no window manager to do it).
        ecran.xdotool("search", "--sync", "--onlyvisible", "--pid", str(self.proc.pid), "--name", "^Orvalis$",
                      "windowsize", "--sync", str(LARGEUR), str(HAUTEUR))
        attendre(lambda: rectangle(self.principale.acc)[2:] == (LARGEUR, HAUTEUR),
                 message="the main window filling the screen")

    @property
    def donnees(self):
        """The per-user data directory the installed program works in."""
        return os.path.join(self.home, ".local", "share", "orvalis", "orvalis")

    # Real input.
    def cliquer(self, acc):
        x, y, l, h = attendre(lambda: visible(acc) and rectangle(acc), message=f"{role(acc)} « {nom(acc)} » shown")
        x, y = x + l // 2, y + h // 2
        if not (0 <= x < LARGEUR and 0 <= y < HAUTEUR):
            raise Echec(f"{role(acc)} « {nom(acc)} » is off the screen, at {x}, {y}")
        self.ecran.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def touches(self, *touches):
        self.ecran.xdotool("key", "--delay", "20", *touches)

    def taper(self, texte_tape):
        self.ecran.xdotool("type", "--delay", "15", "--", texte_tape)

    def saisir(self, champ, valeur):
        self.cliquer(champ)
        # A click empties a field that held a text; the focus is in it once it has the caret.
        attendre(lambda: champ.getState().contains(_atspi().STATE_FOCUSED), message=f"field « {nom(champ)} » focused")
        self.touches("ctrl+a", "BackSpace")  # what a click leaves (an empty field keeps its text)
        self.taper(valeur)
        attendre(lambda: texte(champ) == valeur, message=lambda: f"« {valeur} » typed, read {texte(champ)!r}")
        self.touches("Tab")
        attendre(lambda: not champ.getState().contains(_atspi().STATE_FOCUSED), message="the field left")

    def choisir(self, liste, entree):
        """Opens the drop-down `liste` with a click and picks `entree` in the list it shows."""
        self.cliquer(liste)

        def ouverte():
            for l in descendants(liste, lambda a: role(a) == LISTE):
                return l
            return None
        deroulee = attendre(ouverte, message=f"the list of « {nom(liste)} » open")
        noms = [nom(e) for e in enfants(deroulee)]
        if entree not in noms:
            raise Echec(f"« {entree} » not in the list: {noms}")
        element = enfants(deroulee)[noms.index(entree)]
        if visible(element) and rectangle(element)[3] > 0:
            self.cliquer(element)
        else:  # out of sight in a long list: by the keyboard, from the top
            self.touches("Home", *(["Down"] * noms.index(entree)), "Return")
        attendre(lambda: nom(liste) == entree, message=lambda: f"« {entree} » chosen, read « {nom(liste)} »")

    # The windows.
    def menu(self, legende):
        barre = self.principale.trouver("menu bar")
        self.cliquer(Zone(self, barre).trouver(MENU, legende))

    def sous_menu(self, zone, menu, entree):
        """Opens the menu `menu` of a window's own menu bar and clicks its entry `entree`."""
        self.cliquer(zone.trouver(MENU, menu))
        self.cliquer(Zone(self, self.app).trouver(MENU, entree))

    def fenetre(self, titre, delai=DELAI):
        """A working window shown in the main window, by its caption."""
        return Zone(self, self.principale.trouver(FENETRE, titre, delai=delai))

    def ouvrir(self, entree_menu, titre):
        self.menu(entree_menu)
        return self.fenetre(titre)

    def boite(self, titre, delai=DELAI):
        """A message box (or any top-level dialog) of the program, by its title."""
        return Zone(self, attendre(
            lambda: next((w for w in enfants(self.app) if role(w) in BOITE and nom(w) == titre and visible(w)), None),
            delai, f"message box « {titre} »"))

    def message(self, boite):
        """The text of a message box: its labels, joined by line feeds."""
        return "\n".join(t for t in (texte(l) for l in boite.tous(ETIQUETTE)) if t)

    def repondre(self, boite, bouton, ferme=True):
        """Clicks the button `bouton` of a message box; waits until the box is gone, unless the
        answer ends the program (`ferme` false)."""
        titre = boite.titre
        self.cliquer(boite.bouton(bouton))
        if ferme:
            attendre(lambda: not any(w for w in enfants(self.app) if role(w) in BOITE and nom(w) == titre
                                     and visible(w)), message=f"box « {titre} » closed")

    def quitter(self, delai=DELAI):
        """Quits through the menu and the prompt's OK; returns the exit status."""
        self.menu("Quitter")
        self.repondre(self.boite("C'est fini!"), "OK", ferme=False)
        return self.attendre_fin(delai)

    def attendre_fin(self, delai=DELAI):
        try:
            return self.proc.wait(timeout=delai)
        except subprocess.TimeoutExpired:
            raise Echec("orvalis did not stop") from None

    def arreter(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.journal.close()


def installer(construction, prefixe):
    """Installs the program built in `construction` under `prefixe`, as a package would."""
    if not os.path.isfile(os.path.join(construction, "bin", "orvalis")):
        raise Echec(f"no program built in {construction}/bin")
    shutil.rmtree(prefixe, ignore_errors=True)
    r = subprocess.run(["cmake", "--install", construction, "--prefix", prefixe],
                       capture_output=True, text=True, timeout=120)
    if r.returncode != 0:
        raise Echec(f"cmake --install failed: {r.stderr}")
    return prefixe
