#include "shell/MDIForm1.h"

#include "shell/Messages.h"
#include "shell/Module1.h"
#include "dipole/Form8.h"
#include "measures/Form9.h"
#include "shell/frmAbout.h"

// Each working window is wired in as soon as its subsystem provides it; until then its menu entry
// does nothing.
#if __has_include("shell/Form10.h")
#include "shell/Form10.h"
#define ORVALIS_FORM10 1
#endif
#if __has_include("antennas/Form1.h")
#include "antennas/Form1.h"
#define ORVALIS_FORM1 1
#endif
#if __has_include("adaptation/Form3.h")
#include "adaptation/Form3.h"
#define ORVALIS_FORM3 1
#endif
#if __has_include("toolbox/Form6.h")
#include "toolbox/Form6.h"
#define ORVALIS_FORM6 1
#endif
#if __has_include("converter/Form5.h")
#include "converter/Form5.h"
#define ORVALIS_FORM5 1
#endif
#if __has_include("toolbox/Form7.h")
#include "toolbox/Form7.h"
#define ORVALIS_FORM7 1
#endif

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

MDIForm1::MDIForm1(const QString &dataDir, QWidget *parent)
    : QMainWindow(parent), store_(std::make_unique<Module1>()), repertoire_(dataDir)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Orvalis"));
    setWindowIcon(iconeProgramme());

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
        {"Parametres", QStringLiteral("Paramètres"), &MDIForm1::ouvrirParametres},
        {"Antenne", QStringLiteral("Les antennes"), &MDIForm1::ouvrirAntennes},
        {"Adaptations", QStringLiteral("Adaptation"), &MDIForm1::ouvrirAdaptation},
        {"VSWR", QStringLiteral("VSWR"), &MDIForm1::ouvrirMesures},
        {"Calculs", QStringLiteral("Calculs"), &MDIForm1::ouvrirCalculs},
        {"Convertir", QStringLiteral("Convertir"), &MDIForm1::ouvrirConvertisseur},
        {"Dipole_Raccourci", QStringLiteral("Dipole raccourci"), &MDIForm1::ouvrirDipoleRaccourci},
        {"Les_Cables", QStringLiteral("Les câbles "), &MDIForm1::ouvrirCables},
        {"Infos", QStringLiteral("Infos"), &MDIForm1::ouvrirInfos},
    };
    for (const Entree &e : entrees) {
        QAction *a = menuBar()->addAction(e.legende);
        a->setObjectName(QString::fromLatin1(e.nom));
        connect(a, &QAction::triggered, this, e.action);
    }

    const QList<ProblemeDemarrage> problemes = demarrer(*store_, repertoire_);
    for (const ProblemeDemarrage &p : problemes)
        messages::afficher(this,
                           QStringLiteral("Le fichier %1 n'a pas pu être lu : %2.%3"
                                          "Orvalis démarre sans les données de ce fichier.")
                               .arg(p.fichier, p.raison, store_->Saut_Ligne),
                           messages::kTitreProgramme, QMessageBox::Warning);

    resize(1100, 800);
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
    fenetre->show();
    if (!cadre) return;
    if (!cadre->isVisible()) {
        cadre->adjustSize();
        cadre->show();
    }
    cadre->raise();
    zone_->setActiveSubWindow(cadre);
}

void MDIForm1::cacher(QWidget *fenetre)
{
    const Compteur changement(changement_);
    if (auto *cadre = qobject_cast<QMdiSubWindow *>(fenetre->parentWidget())) cadre->hide();
    else fenetre->hide();
}

QPixmap MDIForm1::image(const QString &nom)
{
    QString fichier = nom;
    while (fichier.startsWith(u'\\') || fichier.startsWith(u'/')) fichier.remove(0, 1);
    auto it = images_.constFind(fichier);
    if (it != images_.constEnd()) return *it;
    const QString chemin = QDir(repertoire_).filePath(fichier);
    QPixmap p;
    if (QFileInfo(chemin).isFile()) p.load(chemin);
    images_.insert(fichier, p);
    return p;
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

void MDIForm1::ouvrirInfos() { fenetre<frmAbout>()->preparer(); }

void MDIForm1::ouvrirParametres()
{
#ifdef ORVALIS_FORM10
    fenetre<Form10>()->preparer();
#endif
}

void MDIForm1::ouvrirAntennes()
{
#ifdef ORVALIS_FORM1
    fenetre<Form1>()->preparer();
#endif
}

void MDIForm1::ouvrirAdaptation()
{
#ifdef ORVALIS_FORM3
    fenetre<Form3>()->preparer();
#endif
}

void MDIForm1::ouvrirMesures()
{
    fenetre<Form9>()->preparer();
}

void MDIForm1::ouvrirCalculs()
{
#ifdef ORVALIS_FORM6
    fenetre<Form6>()->preparer();
#endif
}

void MDIForm1::ouvrirConvertisseur()
{
#ifdef ORVALIS_FORM5
    fenetre<Form5>()->preparer();
#endif
}

void MDIForm1::ouvrirDipoleRaccourci()
{
    fenetre<Form8>()->preparer();
}

void MDIForm1::ouvrirCables()
{
#ifdef ORVALIS_FORM7
    fenetre<Form7>()->preparer();
#endif
}
