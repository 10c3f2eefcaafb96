"""Fixtures of the end-to-end suite: one installation and one private D-Bus session for the run;
for each test a fresh X server and a fresh home directory, in which the test starts the installed
program as often as it needs (`demarrer`)."""
import filecmp
import os
import re

import pytest

import orvalis_e2e as e2e

RACINE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
LANGUES = ["fr_FR.UTF-8", "de_DE.UTF-8", "en_US.UTF-8"]
FICHIERS = ["Bande_bdfcp.dat", "Câbles.dat", "Tableau.dat"]


@pytest.fixture(scope="session")
def travail(tmp_path_factory):
    return tmp_path_factory.mktemp("orvalis-e2e")


@pytest.fixture(scope="session")
def prefixe(travail):
    construction = os.environ.get("ORVALIS_BUILD", os.path.join(RACINE, "build"))
    return e2e.installer(os.path.abspath(construction), str(travail / "installation"))


@pytest.fixture(scope="session")
def bus(travail):
    b = e2e.Bus(str(travail / "bus"))
    # This process reads the tree through the private buses only, whatever desktop it runs on.
    for variable in ("DISPLAY", "WAYLAND_DISPLAY"):
        os.environ.pop(variable, None)
    os.environ.update(b.environnement(lecteur=True))
    yield b
    b.arreter()


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    rapport = (yield).get_result()
    if rapport.when == "call":
        item.echec = rapport.failed


@pytest.fixture
def ecran(bus):
    e = e2e.Ecran()
    yield e
    e.arreter()


class Lanceur:
    """Starts the installed program under a locale, always with the same home directory of the
    test, and ends whatever is left running at the end of the test."""

    def __init__(self, prefixe, ecran, bus, dossier):
        self.prefixe, self.ecran, self.bus = prefixe, ecran, bus
        self.home = str(dossier / "home")
        self.journal = str(dossier / "orvalis.log")
        os.makedirs(self.home, exist_ok=True)
        self.lances = []

    def __call__(self, langue="fr_FR.UTF-8"):
        o = e2e.Orvalis(self.prefixe, self.home, langue, self.ecran, self.bus, self.journal)
        self.lances.append(o)
        return o

    def defauts(self, fichier):
        return os.path.join(self.prefixe, "share", "orvalis", fichier)

    def fichiers_intacts(self, programme, sauf=()):
        """The data files of the user's directory are the installed ones, but those in `sauf`."""
        for f in FICHIERS:
            if f in sauf:
                continue
            chemin = os.path.join(programme.donnees, f)
            assert os.path.isfile(chemin), f"{f} missing from the user's data directory"
            assert filecmp.cmp(chemin, self.defauts(f), shallow=False), f"{f} changed"

    def fermer(self):
        for o in self.lances:
            o.arreter()


@pytest.fixture
def demarrer(prefixe, ecran, bus, tmp_path, request):
    l = Lanceur(prefixe, ecran, bus, tmp_path)
    yield l
    if getattr(request.node, "echec", False):
        image = str(tmp_path / "ecran.png")
        ecran.capture(image)
        print(f"screen at the failure: {image}")
    l.fermer()


def decimales(langue):
    """Writes the numbers of a French text as the locale does: a decimal comma, or a point under
    US English (a comma between two digits is a decimal separator)."""
    if langue.startswith("en_"):
        return lambda s: re.sub(r"(?<=\d),(?=\d)", ".", s)
    return lambda s: s
