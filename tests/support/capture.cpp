// Screenshots of the real windows, offscreen: builds the main window on a data directory,
// triggers the given menu entries (answering any message box with its default), then writes the
// main window's picture. Usage: orvalis_capture <data dir> <out.png> [entry...]
#include "shell/MDIForm1.h"
#include "tests/support/utilisateur.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        qWarning("usage: orvalis_capture <data dir> <out.png> [menu entry...]");
        return 2;
    }
    essai::reglagesFrancais();
    MDIForm1 principal(QString::fromLocal8Bit(argv[1]));
    principal.resize(1280, 960);
    principal.show();
    for (int i = 3; i < argc; ++i) essai::menu(principal, QString::fromLocal8Bit(argv[i]));
    QApplication::processEvents();
    return principal.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
