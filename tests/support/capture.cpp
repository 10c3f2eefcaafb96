// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the real windows, offscreen: builds the main window on a data directory,
// triggers the given menu entries (answering any message box with its default), then writes the
// main window's picture. An argument "onglet=N" shows tab N (from 0) of the window last opened;
// "action=Name" triggers a window's own menu entry (the dipole's "Voir_Tableau"), "bouton=Name"
// clicks a button of the windows shown (a calculation before the adaptation window), and
// "choix=Name:N" chooses entry N of a list (the dipole among the wire antennas), and
// "attendre=Name" lets the event loop run until the widget of that name is hidden (the model
// window's busy indicator, while the NEC-2 engine runs; 60 s at most).
// Under a real X server (QT_QPA_PLATFORM=xcb), the main window is as the program opens it there.
// Usage: orvalis_capture <data dir> <out.png> [entry | onglet=N ...]
#include "shell/MDIForm1.h"
#include "shell/StyleCadres.h"
#include "tests/support/utilisateur.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    // By default offscreen, on a 1366 x 768 screen: the main window sizes itself as on a small laptop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORVALIS_ECRANS "/portable.json");
    QApplication app(argc, argv);
    if (argc < 3) {
        qWarning("usage: orvalis_capture <data dir> <out.png> [menu entry | onglet=N ...]");
        return 2;
    }
    essai::reglagesFrancais();
    StyleCadres::installer();  // as main() does
    MDIForm1 principal(QString::fromLocal8Bit(argv[1]));
    principal.show();
    for (int i = 3; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        // "action=Name" and "bouton=Name": a window's menu entry, or a button, by its name.
        const QString nom = a.section(u'=', 1);
        QAction *entree = a.startsWith(QLatin1String("action=")) ? principal.findChild<QAction *>(nom) : nullptr;
        QAbstractButton *bouton = a.startsWith(QLatin1String("bouton=")) ? principal.findChild<QAbstractButton *>(nom) : nullptr;
        if (entree || bouton) {
            essai::repondre([&] { entree ? entree->trigger() : bouton->click(); });
            continue;
        }
        if (a.startsWith(QLatin1String("action=")) || a.startsWith(QLatin1String("bouton="))) {
            qWarning("no control %s", qPrintable(a));
            return 2;
        }
        if (a.startsWith(QLatin1String("choix="))) {
            auto *liste = principal.findChild<QComboBox *>(nom.section(u':', 0, 0));
            if (!liste) {
                qWarning("no list %s", qPrintable(a));
                return 2;
            }
            essai::repondre([&] { essai::choisir(liste, nom.section(u':', 1).toInt()); });
            continue;
        }
        if (a.startsWith(QLatin1String("attendre="))) {
            QDeadlineTimer limite(60000);
            const auto occupe = [&] {
                const QWidget *w = principal.findChild<QWidget *>(nom);
                return w && w->isVisible();
            };
            while (occupe() && !limite.hasExpired()) essai::repondre([] { QApplication::processEvents(QEventLoop::AllEvents, 50); });
            continue;
        }
        if (!a.startsWith(QLatin1String("onglet="))) {
            essai::menu(principal, a);
            continue;
        }
        const auto *zone = principal.findChild<QMdiArea *>();
        QMdiSubWindow *active = zone ? zone->activeSubWindow() : nullptr;
        auto *onglets = active ? active->findChild<QTabWidget *>(QStringLiteral("TabStrip1")) : nullptr;
        if (!onglets) {
            qWarning("no tabs in the window last opened");
            return 2;
        }
        essai::repondre([&] { onglets->setCurrentIndex(a.mid(7).toInt()); });
    }
    // Qt lays some views out on a timer (item views, lists sized to their contents): a little time
    // for those, so that a picture does not depend on how fast this run was.
    QDeadlineTimer fin(150);
    while (!fin.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    return principal.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
