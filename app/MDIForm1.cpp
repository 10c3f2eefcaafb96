// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MDIForm1.h"

#include "adaptation/Form3.h"
#include "antennas/Form1.h"
#include "converter/Form5.h"
#include "dipole/Form11.h"
#include "dipole/Form8.h"
#include "measures/Form9.h"
#include "modele/FormModele.h"
#include "shell/Controles.h"
#include "shell/Form10.h"
#include "shell/Messages.h"
#include "shell/core/Module1.h"
#include "shell/core/constantes.h"
#include "shell/frmAbout.h"
#include "toolbox/Form6.h"
#include "toolbox/Form7.h"

#include <QApplication>
#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

MDIForm1::MDIForm1(const QString &dataDir, QWidget *parent)
    : QMainWindow(parent), store_(std::make_unique<Module1>()), repertoire_(dataDir), images_(dataDir)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Orvalis"));
    setWindowIcon(iconeProgramme());

    // Qt's own texts (message-box buttons, file dialogs) in French, as every text of the program,
    // whatever the system's language.
    auto *traduction = new QTranslator(this);
    if (traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);

    zone_ = new QMdiArea(this);
    zone_->setObjectName(QStringLiteral("ZoneFenetres"));
    zone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    zone_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(zone_);

    struct Entree {
        const char *nom;
        QString legende;
        void (MDIForm1::*action)();
    };
    const Entree entrees[] = {
        {"Quitter", QStringLiteral("Quitter"), &MDIForm1::quitter},
        {"Parametres", QStringLiteral("Paramètres"), &MDIForm1::ouvrir<Form10>},
        {"Antenne", QStringLiteral("Les antennes"), &MDIForm1::ouvrir<Form1>},
        {"Adaptations", QStringLiteral("Adaptation"), &MDIForm1::ouvrir<Form3>},
        {"VSWR", QStringLiteral("VSWR"), &MDIForm1::ouvrir<Form9>},
        {"Calculs", QStringLiteral("Calculs"), &MDIForm1::ouvrir<Form6>},
        {"Convertir", QStringLiteral("Convertir"), &MDIForm1::ouvrir<Form5>},
        {"Dipole_Raccourci", QStringLiteral("Dipole raccourci"), &MDIForm1::ouvrir<Form8>},
        {"Les_Cables", QStringLiteral("Les câbles "), &MDIForm1::ouvrir<Form7>},
        {"Infos", QStringLiteral("Infos"), &MDIForm1::ouvrir<frmAbout>},
    };
    for (const Entree &e : entrees) {
        QAction *a = controles::entreeMenu(menuBar(), e.nom, e.legende);
        connect(a, &QAction::triggered, this, e.action);
    }

    const QList<ProblemeDemarrage> problemes = demarrer(*store_, repertoire_);
    for (const ProblemeDemarrage &p : problemes)
        messages::afficher(this,
                           QStringLiteral("Le fichier %1 n'a pas pu être lu : %2.%3"
                                          "Orvalis démarre sans les données de ce fichier.")
                               .arg(p.fichier, p.raison, constantes::kSautLigne),
                           messages::kTitreProgramme, QMessageBox::Warning);

    // Room for the largest working window where the screen has it; maximized on a smaller screen.
    // (With room for the frame a window manager puts around it.)
    const QRect ecran = screen()->availableGeometry();
    if (ecran.width() >= kTailleVoulue.width() + 40 && ecran.height() >= kTailleVoulue.height() + 60) {
        resize(kTailleVoulue);
    } else {
        resize(kTailleVoulue.boundedTo(ecran.size()));
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

MDIForm1::~MDIForm1()
{
    // The working windows refer to the store: they go first.
    delete zone_;
    zone_ = nullptr;
}

void MDIForm1::bip()
{
    ++bips_;
    QApplication::beep();
}

void MDIForm1::activerMenu(bool actif)
{
    for (QAction *a : menuBar()->actions()) a->setEnabled(actif);
}

void MDIForm1::installer(QWidget *fenetre)
{
    auto *cadre = new QMdiSubWindow;
    cadre->setAttribute(Qt::WA_DeleteOnClose, false);
    cadre->setWidget(fenetre);
    cadre->setWindowIcon(windowIcon());
    zone_->addSubWindow(cadre);
    cadre->hide();
}

void MDIForm1::relier(QWidget *nouvelle)
{
    // The cable chooser hands its cable to the toolbox's cut-length calculator.
    if (auto *boite = qobject_cast<Form6 *>(nouvelle))
        connect(boite, &Form6::choixDeCable, this, [this] { fenetre<Form7>()->choisirPourLaBoite(); });
    else if (auto *cables = qobject_cast<Form7 *>(nouvelle))
        connect(cables, &Form7::cableExporte, this, [this] { fenetre<Form6>()->recevoirVelocite(); });
    // The shortened dipole drives the solutions window through its menu "Tableau".
    else if (auto *dipole = qobject_cast<Form8 *>(nouvelle)) {
        dipole->lierSolutions([this](bool creer) -> VueSolutions * {
            return creer ? fenetre<Form11>() : findChild<Form11 *>();
        });
        connect(dipole, &Form8::modeliser, this, [this](const modele::Fabrique &c) { fenetre<FormModele>()->modeliser(c); });
    }
    // The adaptation window's matching network hands its coil to the toolbox.
    else if (auto *adaptation = qobject_cast<Form3 *>(nouvelle))
        connect(adaptation, &Form3::bobiner, this, [this](double microhenrys) { fenetre<Form6>()->recevoirInductance(microhenrys); });
    // The designers hand their design to the model window.
    else if (auto *antennes = qobject_cast<Form1 *>(nouvelle))
        connect(antennes, &Form1::modeliser, this, [this](const modele::Fabrique &c) { fenetre<FormModele>()->modeliser(c); });
    // ... and hears when the solutions window goes, however it was closed.
    else if (auto *solutions = qobject_cast<Form11 *>(nouvelle); solutions && findChild<Form8 *>())
        connect(solutions, &Form11::masque, findChild<Form8 *>(), &Form8::tableauMasque);
}

namespace {
struct Compteur {
    int &n;
    explicit Compteur(int &c) : n(c) { ++n; }
    ~Compteur() { --n; }
};
}  // namespace

void MDIForm1::presenter(QWidget *fenetre)
{
    const Compteur changement(changement_);
    auto *cadre = qobject_cast<QMdiSubWindow *>(fenetre->parentWidget());
    const bool montre = cadre && cadre->isVisible();
    fenetre->show();
    if (!cadre) return;
    if (!montre) {
        // Each showing fits the window to its contents and places it in the visible area; the
        // area scrolls only to reach a window larger than itself.
        cadre->adjustSize();
        cadre->move(placeLibre(cadre));
        cadre->show();
    }
    cadre->raise();
    zone_->setActiveSubWindow(cadre);
}

QPoint MDIForm1::placeLibre(const QMdiSubWindow *cadre) const
{
    const QRect zone(QPoint(0, 0), zone_->viewport()->size());
    QList<QRect> occupes;
    for (const QMdiSubWindow *autre : zone_->subWindowList())
        if (autre != cadre && autre->isVisible()) occupes << autre->geometry();

    // The free place nearest the top-left corner: the corner itself, or beside or under a window
    // shown, wholly inside the area and over no other window.
    QList<QPoint> places{QPoint(0, 0)};
    for (const QRect &r : std::as_const(occupes)) places << QPoint(r.right() + 1, r.top()) << QPoint(r.left(), r.bottom() + 1);
    std::sort(places.begin(), places.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    for (const QPoint &p : std::as_const(places)) {
        const QRect r(p, cadre->size());
        if (zone.contains(r) && std::none_of(occupes.begin(), occupes.end(), [&](const QRect &o) { return o.intersects(r); }))
            return p;
    }

    // Otherwise cascaded from the corner past the corners of the windows shown, by a title bar and
    // a menu bar so that the window beneath keeps both in sight.
    const int pas = 2 * std::max(16, cadre->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, cadre));
    QPoint p(0, 0);
    while (std::any_of(occupes.begin(), occupes.end(), [&](const QRect &o) { return o.topLeft() == p; }))
        p += QPoint(pas, pas);
    // Never past an edge: pulled back inside, to the top-left corner when it is larger.
    p.setX(std::max(0, std::min(p.x(), zone.width() - cadre->width())));
    p.setY(std::max(0, std::min(p.y(), zone.height() - cadre->height())));
    return p;
}

void MDIForm1::cacher(QWidget *fenetre)
{
    const Compteur changement(changement_);
    if (auto *cadre = qobject_cast<QMdiSubWindow *>(fenetre->parentWidget())) cadre->hide();
    else fenetre->hide();
}

void MDIForm1::quitter()
{
    const auto r = messages::afficher(this, QStringLiteral("Voulez-vous vraiement quitter Orvalis!"),
                                      QStringLiteral("C'est fini!"), QMessageBox::NoIcon,
                                      QMessageBox::Ok | QMessageBox::Cancel);
    if (r != QMessageBox::Ok) return;
    close();
    QCoreApplication::quit();
}
