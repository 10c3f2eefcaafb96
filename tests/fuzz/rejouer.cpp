// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzz target's corpus replayed without libFuzzer, by the test command: every file of the
// folders given goes through the target once, in name order, so that a fixed finding that comes
// back, or an invariant the seeds break, fails the suite (an invariant broken aborts the run).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int entrees = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir dossier(QString::fromLocal8Bit(argv[i]));
        for (const QString &nom : dossier.entryList(QDir::Files, QDir::Name)) {
            QFile f(dossier.filePath(nom));
            if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(f.fileName()));
            const QByteArray octets = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(octets.constData()), size_t(octets.size()));
            ++entrees;
        }
    }
    if (entrees == 0) qFatal("no input in the corpus folders given");
    qInfo("%d inputs replayed", entrees);
    return 0;
}
