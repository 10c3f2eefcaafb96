// SPDX-License-Identifier: GPL-3.0-or-later
// Time of every calculation of the program, without any window: each gives the texts a window
// shows, in the French regional settings.
#include "adaptation/recalcul.h"
#include "antennas/filaire.h"
#include "antennas/levy.h"
#include "antennas/quad.h"
#include "antennas/yagi.h"
#include "converter/conversions.h"
#include "dipole/calcul.h"
#include "measures/rayonnement.h"
#include "measures/vswr.h"
#include "shell/core/nombres.h"
#include "toolbox/adaptateurs.h"
#include "toolbox/cables.h"
#include "toolbox/lignes.h"
#include "toolbox/selfs.h"
#include "toolbox/trappe.h"

#include <QLocale>
#include <benchmark/benchmark.h>

namespace {


void filaire(benchmark::State &etat)
{
    const int type = int(etat.range(0));
    const antennes::EntreeFilaire e{type, 14.15f, antennes::facteurDuType(type), 0.66f,
                                    QStringLiteral("RG58 CV:0.66")};
    for (auto _ : etat) benchmark::DoNotOptimize(antennes::calculerFilaire(e));
}
BENCHMARK(filaire)->DenseRange(0, antennes::kTypesFilaires - 1);

void levy(benchmark::State &etat)
{
    const antennes::EntreeLevy e{14.2f, 42.4f, int(etat.range(0)), 1, false};
    for (auto _ : etat) benchmark::DoNotOptimize(antennes::calculerLevy(e));
}
BENCHMARK(levy)->DenseRange(0, antennes::kChoixLevy - 1);

void quad(benchmark::State &etat)
{
    const antennes::EntreeModele e{int(etat.range(0)), 14.15f, 5};
    for (auto _ : etat) benchmark::DoNotOptimize(antennes::calculerQuad(e));
}
BENCHMARK(quad)->DenseRange(0, antennes::kModelesQuad - 1);

void yagi(benchmark::State &etat)
{
    const antennes::EntreeModele e{int(etat.range(0)), 14.15f, 5};
    for (auto _ : etat) benchmark::DoNotOptimize(antennes::calculerYagi(e));
}
BENCHMARK(yagi)->DenseRange(0, antennes::kModelesYagi - 1);

void dipoleCharge(benchmark::State &etat)
{
    dipole::Entrees e;
    e.dipole = etat.range(0) == 0;
    e.metres = etat.range(1) != 0;
    for (auto _ : etat) benchmark::DoNotOptimize(dipole::calculer(e));
}
BENCHMARK(dipoleCharge)->ArgsProduct({{0, 1}, {0, 1}});

void fouet(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(boite::calculerFouet(27.5f, 1.5f));
}
BENCHMARK(fouet);

void selfInductance(benchmark::State &etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(boite::calculerInductance(3, 0.2f, 20, etat.range(0) != 0));
}
BENCHMARK(selfInductance)->Arg(0)->Arg(1);

void selfSpires(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(boite::calculerSpires(3, 0.2f, 4, 5));
}
BENCHMARK(selfSpires);

void trappe(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(boite::calculerTrappe(7.05f, 400));
}
BENCHMARK(trappe);

void impedanceLigne(benchmark::State &etat)
{
    const auto type = boite::TypeLigne(etat.range(0));
    for (auto _ : etat) benchmark::DoNotOptimize(boite::impedanceLigne(type, 1, 6, 2.3f, 0));
}
BENCHMARK(impedanceLigne)->DenseRange(1, 3);

void longueursCable(benchmark::State &etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(boite::calculerCable(14.12f, 0.66f, 1, QStringLiteral("RG58")));
}
BENCHMARK(longueursCable);

void balun(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(boite::calculerBalun(50, 300, 7));
}
BENCHMARK(balun);

void reseau(benchmark::State &etat)
{
    const auto type = boite::TypeReseau(etat.range(0));
    const float ra = type == boite::TypeReseau::LNetworks ? 5 : 50;
    const float rb = type == boite::TypeReseau::LNetworks ? 50 : 5;
    for (auto _ : etat) benchmark::DoNotOptimize(boite::calculerReseau(type, ra, rb, 3, 7));
}
BENCHMARK(reseau)->DenseRange(0, 2);

void vswr(benchmark::State &etat)
{
    const auto methode = mesures::Methode(etat.range(0));
    const mesures::EntreesVswr e;  // the program's default readings
    for (auto _ : etat) benchmark::DoNotOptimize(mesures::calculerVswr(methode, e));
}
BENCHMARK(vswr)->DenseRange(1, 3);

void rayonnement(benchmark::State &etat)
{
    mesures::EntreesRayonnement e;
    e.frequence = 14.2f;
    const mesures::ResultatVswr vswr = mesures::calculerVswr(mesures::Methode::VueDeLaSource, {});
    e.tosSource = vswr.gardees.tosSource.value_or(e.tosSource);
    for (auto _ : etat) benchmark::DoNotOptimize(mesures::calculerRayonnement(e, true));
}
BENCHMARK(rayonnement);

void recalcul(benchmark::State &etat)
{
    const int type = int(etat.range(0));
    for (auto _ : etat)
        benchmark::DoNotOptimize(adaptation::recalculer(type, 7.05f, 0.95f, 20.21f, 6.9f));
}
BENCHMARK(recalcul)->DenseRange(0, antennes::kTypesFilaires - 1);

void conversion(benchmark::State &etat)
{
    const int index = int(etat.range(0));
    for (auto _ : etat) benchmark::DoNotOptimize(conversions::resultat(index, 12.5));
}
BENCHMARK(conversion)->DenseRange(0, conversions::nombre() - 1);

void lireNombre(benchmark::State &etat)
{
    const QString t = QStringLiteral(" 14.150 Mhz");
    for (auto _ : etat) benchmark::DoNotOptimize(nombres::lireNombre(t));
}
BENCHMARK(lireNombre);

void montrer(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(nombres::montrer(21.20141f));
}
BENCHMARK(montrer);

void fixe(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(nombres::fixe(1234.5, 2));
}
BENCHMARK(fixe);

void enClair(benchmark::State &etat)
{
    for (auto _ : etat) benchmark::DoNotOptimize(nombres::enClair(0.66f));
}
BENCHMARK(enClair);

}  // namespace

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
