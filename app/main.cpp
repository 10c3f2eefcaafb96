// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MDIForm1.h"
#include "shell/StyleCadres.h"
#include "shell/frmAbout.h"
#include "shell/core/repertoire.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvalis"));
    QApplication::setOrganizationName(QStringLiteral("orvalis"));
    QApplication::setWindowIcon(iconeProgramme());
    // Fusion's group boxes and tab pages drawn from copies: the same pixels, faster repaints.
    StyleCadres::installer();
    MDIForm1 fenetre(repertoireProgramme(QApplication::applicationDirPath()));
    fenetre.show();
    // The start-up benchmark measures the program up to a shown, idle main window.
    if (qEnvironmentVariableIsSet("ORVALIS_QUITTER_AU_REPOS"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
