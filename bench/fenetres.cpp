// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the windows, run offscreen as a user drives them: opening each window from its menu
// entry the first time and again, and the handlers that rewrite a window's texts. Each time
// includes the events that follow (layout and painting), and message boxes are counted: a
// benchmark that raises one is not measuring what it says.
#include "shell/FenetreTravail.h"
#include "shell/MDIForm1.h"
#include "shell/StyleCadres.h"
#include "shell/core/Module1.h"
#include "tests/support/utilisateur.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

int boitesVues = 0;

// The data and pictures of every run: one program directory for the whole process.
const essai::Donnees &donnees()
{
    static const essai::Donnees d;
    return d;
}

QAction *entree(MDIForm1 &p, const char *nom)
{
    for (QAction *a : p.menuBar()->actions())
        if (a->objectName() == QLatin1String(nom)) return a;
    qFatal("menu entry %s not found", nom);
}

FenetreTravail *fenetre(MDIForm1 &p, const char *nom)
{
    auto *f = p.findChild<FenetreTravail *>(QLatin1String(nom));
    if (!f) qFatal("window %s not found", nom);
    return f;
}

// Hides a window as "Retour au menu" does and gives the menu back.
void fermer(MDIForm1 &p, const char *nom)
{
    fenetre(p, nom)->cacher();
    p.activerMenu(true);
    QCoreApplication::processEvents();
}

// The time of `action` and of the events it leaves, as the iteration's time.
// Counters "action" and "suite" split it: the handler itself, then the layout and painting.
void chronometrer(benchmark::State &etat, const std::function<void()> &action)
{
    const auto debut = std::chrono::steady_clock::now();
    action();
    const auto milieu = std::chrono::steady_clock::now();
    QCoreApplication::processEvents();
    const auto fin = std::chrono::steady_clock::now();
    etat.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
    const auto ajouter = [&](const char *nom, auto duree) {
        auto &c = etat.counters[nom];
        c.flags = benchmark::Counter::kAvgIterations;
        c.value += std::chrono::duration<double, std::micro>(duree).count();
    };
    ajouter("action_us", milieu - debut);
    ajouter("suite_us", fin - milieu);
}

void compterBoites(benchmark::State &etat, int avant)
{
    etat.counters["boites"] = boitesVues - avant;
}

struct Fenetre {
    const char *menu;
    const char *nom;
};
const Fenetre kFenetres[] = {
    {"Parametres", "Form10"}, {"Antenne", "Form1"},        {"Adaptations", "Form3"},
    {"VSWR", "Form9"},        {"Calculs", "Form6"},        {"Convertir", "Form5"},
    {"Dipole_Raccourci", "Form8"}, {"Les_Cables", "Form7"}, {"Infos", "frmAbout"},
};

// The adaptation window opens only after a wire calculation.
void calculFilaire(MDIForm1 &p)
{
    entree(p, "Antenne")->trigger();
    essai::choisir(essai::controle<QComboBox>(fenetre(p, "Form1"), "Combo2"), 1);
    fermer(p, "Form1");
}

void ouvrirPremiereFois(benchmark::State &etat)
{
    const Fenetre &f = kFenetres[etat.range(0)];
    etat.SetLabel(f.nom);
    const int avant = boitesVues;
    for (auto _ : etat) {
        const auto p = essai::demarrer(donnees());
        if (QLatin1String(f.nom) == QLatin1String("Form3")) calculFilaire(*p);
        chronometrer(etat, [&] { entree(*p, f.menu)->trigger(); });
    }
    compterBoites(etat, avant);
}
BENCHMARK(ouvrirPremiereFois)->DenseRange(0, std::size(kFenetres) - 1)->UseManualTime()
    ->Iterations(15)->Unit(benchmark::kMillisecond);

void ouvrirDeNouveau(benchmark::State &etat)
{
    const Fenetre &f = kFenetres[etat.range(0)];
    etat.SetLabel(f.nom);
    const auto p = essai::demarrer(donnees());
    if (QLatin1String(f.nom) == QLatin1String("Form3")) calculFilaire(*p);
    entree(*p, f.menu)->trigger();
    const int avant = boitesVues;
    for (auto _ : etat) {
        fermer(*p, f.nom);
        chronometrer(etat, [&] { entree(*p, f.menu)->trigger(); });
    }
    compterBoites(etat, avant);
}
BENCHMARK(ouvrirDeNouveau)->DenseRange(0, std::size(kFenetres) - 1)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A handler of window `nom`, opened from `menu`, after `preparation`; `action` gets the window
// and the iteration number.
void gestionnaire(benchmark::State &etat, const char *menu, const char *nom,
                  const std::function<void(MDIForm1 &, QWidget *)> &preparation,
                  const std::function<void(QWidget *, int)> &action)
{
    const auto p = essai::demarrer(donnees());
    if (QLatin1String(nom) == QLatin1String("Form3")) calculFilaire(*p);
    entree(*p, menu)->trigger();
    QWidget *w = fenetre(*p, nom);
    if (preparation) preparation(*p, w);
    QCoreApplication::processEvents();
    const int avant = boitesVues;
    int i = 0;
    for (auto _ : etat) chronometrer(etat, [&] { action(w, i++); });
    compterBoites(etat, avant);
}

template <class T>
T *c(QWidget *w, const char *nom)
{
    T *t = essai::controle<T>(w, QLatin1String(nom));
    if (!t) qFatal("control %s not found", nom);
    return t;
}

void cliquer(QWidget *w, const char *bouton) { c<QAbstractButton>(w, bouton)->click(); }

void installer()
{
    auto choixCombo = [](const char *menu, const char *nom, const char *combo, int n) {
        return [=](benchmark::State &e) {
            gestionnaire(e, menu, nom, nullptr,
                         [=](QWidget *w, int i) { essai::choisir(c<QComboBox>(w, combo), i % n); });
        };
    };
    auto bouton = [](const char *menu, const char *nom, const char *b,
                     std::function<void(MDIForm1 &, QWidget *)> prep = nullptr) {
        return [=](benchmark::State &e) {
            gestionnaire(e, menu, nom, prep, [=](QWidget *w, int) { cliquer(w, b); });
        };
    };
    auto onglet = [](const char *menu, const char *nom, int n) {
        return [=](benchmark::State &e) {
            gestionnaire(e, menu, nom, nullptr, [=](QWidget *w, int i) {
                c<QTabWidget>(w, "TabStrip1")->setCurrentIndex(i % n);
            });
        };
    };
    auto menuDeNouveau = [](const char *menu, const char *nom) {
        return [=](benchmark::State &e) {
            gestionnaire(e, menu, nom, nullptr, [=](QWidget *w, int) {
                auto *f = static_cast<FenetreTravail *>(w);
                entree(static_cast<MDIForm1 &>(f->hote()), menu)->trigger();
            });
        };
    };
    const auto ms = [](benchmark::internal::Benchmark *b) {
        b->UseManualTime()->Unit(benchmark::kMicrosecond);
    };

    // Painting a whole window that did not change: the floor under any handler that rewrites it.
    for (const Fenetre &f : kFenetres)
        ms(benchmark::RegisterBenchmark((std::string(f.nom) + "/peinture seule").c_str(), [f](benchmark::State &e) {
            gestionnaire(e, f.menu, f.nom, nullptr, [](QWidget *w, int) { w->update(); });
        }));
    // The antenna designers.
    ms(benchmark::RegisterBenchmark("Form1/Combo2 type filaire", choixCombo("Antenne", "Form1", "Combo2", 8)));
    ms(benchmark::RegisterBenchmark("Form1/Combo1 bande", [](benchmark::State &e) {
        gestionnaire(e, "Antenne", "Form1", nullptr,
                     [](QWidget *w, int i) { essai::choisir(c<QComboBox>(w, "Combo1"), 1 + i % 13); });
    }));
    ms(benchmark::RegisterBenchmark("Form1/TabStrip1 onglet", onglet("Antenne", "Form1", 4)));
    ms(benchmark::RegisterBenchmark("Form1/Calculer_Yagi", bouton("Antenne", "Form1", "Calculer_Yagi")));
    ms(benchmark::RegisterBenchmark("Form1/Combo3 modele Yagi", choixCombo("Antenne", "Form1", "Combo3", 4)));
    ms(benchmark::RegisterBenchmark("Form1/Combo4 modele Quad", choixCombo("Antenne", "Form1", "Combo4", 8)));
    ms(benchmark::RegisterBenchmark("Form1/Calculer_Levy", bouton("Antenne", "Form1", "Calculer_Levy")));
    // Adaptation.
    ms(benchmark::RegisterBenchmark("Form3/Calculer_adaptation",
                                    bouton("Adaptations", "Form3", "Calculer_adaptation",
                                           [](MDIForm1 &, QWidget *w) {
                                               essai::saisir(c<QLineEdit>(w, "Text4"), QStringLiteral("14.1"));
                                           })));
    // Measurements.
    ms(benchmark::RegisterBenchmark("Form9/Calculer_VSWR",
                                    bouton("VSWR", "Form9", "Calculer_VSWR",
                                           [](MDIForm1 &, QWidget *w) { cliquer(w, "Option1"); })));
    ms(benchmark::RegisterBenchmark("Form9/Calculer_Resistance_Antenne",
                                    bouton("VSWR", "Form9", "Calculer_Resistance_Antenne",
                                           [](MDIForm1 &, QWidget *w) {
                                               cliquer(w, "Option1");
                                               cliquer(w, "Calculer_VSWR");
                                               c<QTabWidget>(w, "TabStrip1")->setCurrentIndex(1);
                                               essai::choisir(c<QComboBox>(w, "Combo1"), 3);  // 40 m: the element is short enough
                                           })));
    ms(benchmark::RegisterBenchmark("Form9/TabStrip1 onglet", [](benchmark::State &e) {
        // With a measuring frequency, so that the second tab calculates without a message box.
        gestionnaire(
            e, "VSWR", "Form9",
            [](MDIForm1 &, QWidget *w) {
                c<QTabWidget>(w, "TabStrip1")->setCurrentIndex(1);
                essai::choisir(c<QComboBox>(w, "Combo1"), 3);
            },
            [](QWidget *w, int i) { c<QTabWidget>(w, "TabStrip1")->setCurrentIndex(i % 2); });
    }));
    // The toolbox.
    ms(benchmark::RegisterBenchmark("Form6/menu Calculs", menuDeNouveau("Calculs", "Form6")));
    ms(benchmark::RegisterBenchmark("Form6/TabStrip1 onglet", onglet("Calculs", "Form6", 7)));
    for (const char *b : {"Calculer_L", "Calculer_Self", "Calculer_Trappe", "Calculer_Impedance",
                          "Calculer_Cable", "Calculer_Balun", "Calculer_Filtre"})
        ms(benchmark::RegisterBenchmark((std::string("Form6/") + b).c_str(), bouton("Calculs", "Form6", b)));
    ms(benchmark::RegisterBenchmark("Form6/Combo2 reseau", choixCombo("Calculs", "Form6", "Combo2", 3)));
    // Converter, band table, cables.
    ms(benchmark::RegisterBenchmark("Form5/Command1", bouton("Convertir", "Form5", "Command1")));
    ms(benchmark::RegisterBenchmark("Form10/menu Parametres", menuDeNouveau("Parametres", "Form10")));
    ms(benchmark::RegisterBenchmark("Form7/menu Les_Cables", menuDeNouveau("Les_Cables", "Form7")));
    // The loaded dipole and its grid.
    ms(benchmark::RegisterBenchmark("Form8/Command1", bouton("Dipole_Raccourci", "Form8", "Command1")));
    ms(benchmark::RegisterBenchmark("Form8/Combo3 bande", choixCombo("Dipole_Raccourci", "Form8", "Combo3", 8)));
}

}  // namespace

int main(int argc, char **argv)
{
    // The offscreen platform's notices would drown the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &texte) {
        if (type != QtDebugMsg && type != QtInfoMsg && !texte.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(texte));
    });
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    essai::reglagesFrancais();
    // Any message box is counted and closed, so that no run waits for an answer.
    QTimer boites;
    QObject::connect(&boites, &QTimer::timeout, [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *b = qobject_cast<QMessageBox *>(w); b && b->isVisible()) {
                ++boitesVues;
                QAbstractButton *bouton = b->escapeButton();
                if (!bouton && !b->buttons().isEmpty()) bouton = b->buttons().first();
                if (bouton) bouton->click();
                else b->reject();
            }
    });
    boites.start(20);
    StyleCadres::installer();  // as main() does
    installer();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
