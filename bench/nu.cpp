// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt main window with a menu bar of ten entries, shown, then idle.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    for (int i = 0; i < 10; ++i) w.menuBar()->addAction(QStringLiteral("Entrée %1").arg(i));
    w.resize(1100, 800);
    w.show();
    if (qEnvironmentVariableIsSet("ORVALIS_QUITTER_AU_REPOS"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
