#include "shell/MDIForm1.h"
#include "shell/frmAbout.h"
#include "shell/repertoire.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvalis"));
    QApplication::setOrganizationName(QStringLiteral("orvalis"));
    QApplication::setWindowIcon(iconeProgramme());
    MDIForm1 fenetre(repertoireProgramme(QApplication::applicationDirPath()));
    fenetre.show();
    return app.exec();
}
