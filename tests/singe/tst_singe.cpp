// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random user actions over every window: menu entries, clicks and garbage typed into
// fields, combo choices, tab changes, buttons, grid clicks, message boxes and file dialogs answered
// at random.
// Afterwards: no "nan" or "inf" shown anywhere, every window still answers, and the data files
// are exactly as they were (only the explicit save commands may write them, and they are left out).
// ORVALIS_SINGE_GRAINE and ORVALIS_SINGE_ACTIONS change the seed and the number of actions.
#include "shell/FenetreTravail.h"
#include "shell/MDIForm1.h"
#include "tests/support/utilisateur.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QtTest>

using namespace essai;

namespace {

const QStringList kTextes = {
    "", "abc", "0", "-5", "1e39", "1e400", "99999999999999999999999999999999999999999", "3,5",
    "14.2 Mhz", "0.0001", "&HFF", " ", "1e-30", "NaN", "inf", "-0", "7.05", "144", "0.5", "1.1",
    "0.69", "50", "1000000", "2000", "0.2", "-1e38", "1 234,5", "12 m", ".", "E5", "1D3", "\t"};

// Controls and actions a random user may touch: never the save commands (which are allowed to
// write the files) nor the quit prompt (which would end the run).
const QStringList kInterdits = {"Valider_Sauvegarder", "Sauvegarder_Tableau", "Quitter",
                                "Imprimer_Tableau", "Exporter_Tableau"};

const QRegularExpression kNonNombre(QStringLiteral("\\b(nan|inf|infinity)\\b|1\\.#"),
                                    QRegularExpression::CaseInsensitiveOption |
                                        QRegularExpression::UseUnicodePropertiesOption);

QByteArray empreinte(const QString &repertoire)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    QDir dir(repertoire);
    for (const QString &f : dir.entryList({"*.dat"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(f));
        file.open(QIODevice::ReadOnly);
        h.addData(f.toUtf8());
        h.addData(file.readAll());
    }
    return h.result();
}

// The texts the program shows (not those the user typed and a field keeps as typed).
QStringList textesVisibles(QWidget *racine, const QHash<QLineEdit *, QString> &tapes)
{
    QStringList out;
    for (QWidget *w : racine->findChildren<QWidget *>()) {
        if (!w->isVisible()) continue;
        if (auto *e = qobject_cast<QLineEdit *>(w); e && tapes.value(e) == e->text()) continue;
        const QString nom = w->objectName() + ": ";
        if (auto *e = qobject_cast<QLineEdit *>(w)) out << nom + e->text();
        else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) out << nom + p->toPlainText();
        else if (auto *l = qobject_cast<QLabel *>(w)) out << nom + l->text();
        else if (auto *t = qobject_cast<QTableWidget *>(w)) {
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (t->item(r, c)) out << nom + t->item(r, c)->text();
        }
    }
    return out;
}

}  // namespace

class TstSinge : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reglagesFrancais(); }

    void millesActions()
    {
        Donnees d;
        const QByteArray avant = empreinte(d.chemin());
        auto principal = demarrer(d);
        const quint32 graine = qEnvironmentVariableIsSet("ORVALIS_SINGE_GRAINE")
                                   ? quint32(qEnvironmentVariableIntValue("ORVALIS_SINGE_GRAINE"))
                                   : 20261208u;
        const int actions = qEnvironmentVariableIsSet("ORVALIS_SINGE_ACTIONS")
                                ? qEnvironmentVariableIntValue("ORVALIS_SINGE_ACTIONS")
                                : 4000;
        QRandomGenerator hasard(graine);

        // Message boxes are answered at random by a timer, whatever action raised them; a file
        // dialog is cancelled or given one of the test sweeps.
        int boites = 0, dialogues = 0;
        QTimer repondeur;
        const QDir mesures(QStringLiteral(ORVALIS_DONNEES_ESSAI));
        const QTemporaryDir exports;
        const QStringList fichiers = mesures.entryList({"*.s1p", "*.s2p"}, QDir::Files);
        connect(&repondeur, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *b = qobject_cast<QMessageBox *>(w); b && b->isVisible()) {
                    const auto boutons = b->buttons();
                    ++boites;
                    if (boutons.isEmpty()) b->reject();
                    else boutons.at(hasard.bounded(boutons.size()))->click();
                } else if (auto *d = qobject_cast<QFileDialog *>(w);
                           d && d->isVisible() && QApplication::activeModalWidget() == d) {
                    ++dialogues;
                    const int k = int(hasard.bounded(fichiers.size() + 1));
                    if (k == fichiers.size()) {
                        d->reject();
                        continue;
                    }
                    // A file to write goes to a folder of the test's own, under a new name (the
                    // test sweeps are read, never written over).
                    if (d->acceptMode() == QFileDialog::AcceptSave)
                        d->selectFile(exports.filePath(QStringLiteral("export-%1.%2").arg(dialogues).arg(d->defaultSuffix())));
                    else
                        d->selectFile(mesures.filePath(fichiers.at(k)));
                    static_cast<QDialog *>(d)->accept();
                    if (d->isVisible()) d->reject();
                }
            }
        });
        repondeur.start(2);

        QList<QAction *> entrees;
        for (QAction *a : principal->menuBar()->actions())
            if (!kInterdits.contains(a->objectName())) entrees << a;

        QHash<QLineEdit *, QString> tapes;  // the last text typed into each field
        QStringList journal;  // the last actions, shown when an invariant breaks
        auto noter = [&](const QString &quoi) {
            journal << quoi;
            if (journal.size() > 30) journal.removeFirst();
        };

        for (int i = 0; i < actions; ++i) {
            // A menu entry now and then, or when nothing is open.
            QList<QWidget *> controles;
            for (QWidget *w : principal->findChildren<QWidget *>()) {
                if (!w->isVisible() || !w->isEnabled() || kInterdits.contains(w->objectName())) continue;
                if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
                    qobject_cast<QAbstractButton *>(w) || qobject_cast<QTabWidget *>(w) ||
                    qobject_cast<QTableWidget *>(w))
                    if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) controles << w;
            }
            if (controles.isEmpty() || hasard.bounded(12) == 0) {
                QAction *a = entrees.at(hasard.bounded(entrees.size()));
                if (a->isEnabled()) {
                    noter("menu " + a->objectName());
                    a->trigger();
                }
                continue;
            }
            QWidget *w = controles.at(hasard.bounded(controles.size()));
            QWidget *fenetre = w;
            while (fenetre && !qobject_cast<FenetreTravail *>(fenetre)) fenetre = fenetre->parentWidget();
            const QString nom = (fenetre ? fenetre->objectName() : QString()) + "/" + w->objectName();
            if (auto *e = qobject_cast<QLineEdit *>(w)) {
                const QString t = hasard.bounded(4) == 0
                                      ? QString::number(hasard.generateDouble() * std::pow(10.0, hasard.bounded(-6, 10)), 'g', 6)
                                      : kTextes.at(hasard.bounded(kTextes.size()));
                noter(nom + " <- \"" + t + "\"");
                if (hasard.bounded(5) == 0) {
                    quitter(e);  // leave without typing
                } else {
                    saisir(e, t);
                    tapes[e] = t;
                }
            } else if (auto *c = qobject_cast<QComboBox *>(w)) {
                if (c->count() == 0) continue;
                const int k = hasard.bounded(c->count());
                noter(nom + " choose " + QString::number(k));
                choisir(c, k);
            } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
                const int k = hasard.bounded(t->count());
                noter(nom + " tab " + QString::number(k));
                t->setCurrentIndex(k);
            } else if (auto *g = qobject_cast<QTableWidget *>(w)) {
                const int r = g->rowCount() ? hasard.bounded(g->rowCount()) : 0;
                const int col = g->columnCount() ? hasard.bounded(g->columnCount()) : 0;
                noter(nom + QStringLiteral(" cell %1,%2").arg(r).arg(col));
                if (hasard.bounded(6) == 0) emit g->horizontalHeader()->sectionClicked(col);
                else emit g->cellClicked(r, col);
            } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
                noter(nom + " click");
                b->click();
            }
            QCoreApplication::processEvents();

            if (i % 50 == 0 || i == actions - 1)
                for (const QString &t : textesVisibles(principal.get(), tapes))
                    QVERIFY2(!kNonNombre.match(t).hasMatch(),
                             qPrintable("shown: \"" + t + "\" after:\n" + journal.join("\n")));
        }
        repondeur.stop();
        qInfo("%d actions, %d message boxes and %d file dialogs answered, seed %u", actions, boites, dialogues, graine);

        // Every window still answers: each menu entry opens its window again (or says why it
        // cannot), and every working window the run opened is shown when asked, its fields
        // readable.
        principal->activerMenu(true);
        for (QAction *a : entrees) {
            const QList<Boite> boites = repondre([&] { a->trigger(); });
            principal->activerMenu(true);  // the shortened dipole locks the menu
            QVERIFY(principal->isVisible());
            Q_UNUSED(boites);
        }
        for (FenetreTravail *f : principal->findChildren<FenetreTravail *>()) {
            repondre([&] { f->presenter(); });
            QVERIFY2(f->isVisible(), qPrintable(f->objectName()));
            for (QLineEdit *e : f->findChildren<QLineEdit *>())
                QVERIFY2(!kNonNombre.match(e->text()).hasMatch(), qPrintable(f->objectName() + u'.' + e->objectName()));
        }
        principal.reset();
        QCOMPARE(empreinte(d.chemin()), avant);
    }
};

QTEST_MAIN(TstSinge)
#include "tst_singe.moc"
