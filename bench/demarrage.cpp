// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-process start-up: wall time from exec to a shown, idle main window that then quits, and
// peak resident memory, for the program and for a bare Qt main window; median of the runs.
// Usage: bench_demarrage [runs]   (uses the current QT_QPA_PLATFORM, offscreen when unset)
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <vector>

namespace {

struct Mesure {
    double ms;
    long kio;
};

Mesure lancer(const char *exe)
{
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);
        execl(exe, exe, static_cast<char *>(nullptr));
        _exit(127);
    }
    int statut = 0;
    rusage usage{};
    wait4(pid, &statut, 0, &usage);
    const auto fin = std::chrono::steady_clock::now();
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
        std::fprintf(stderr, "%s ended abnormally\n", exe);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(fin - debut).count(), usage.ru_maxrss};
}

template <class T>
T mediane(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    setenv("ORVALIS_QUITTER_AU_REPOS", "1", 1);
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    lancer(ORVALIS_EXE);  // warm the file cache for both
    lancer(NU_EXE);
    std::vector<double> tOrv, tNu;
    std::vector<long> mOrv, mNu;
    for (int i = 0; i < runs; ++i) {  // alternate, so that both see the same machine load
        const Mesure a = lancer(ORVALIS_EXE);
        const Mesure b = lancer(NU_EXE);
        tOrv.push_back(a.ms);
        mOrv.push_back(a.kio);
        tNu.push_back(b.ms);
        mNu.push_back(b.kio);
    }
    const double to = mediane(tOrv), tn = mediane(tNu);
    const long mo = mediane(mOrv), mn = mediane(mNu);
    std::printf("start-up, median of %d runs (%s)\n", runs, getenv("QT_QPA_PLATFORM"));
    std::printf("  orvalis        %8.1f ms  %8ld KiB peak\n", to, mo);
    std::printf("  bare Qt window %8.1f ms  %8ld KiB peak\n", tn, mn);
    std::printf("  ratio          %8.2f x   %8.2f x\n", to / tn, double(mo) / double(mn));
    return 0;
}
