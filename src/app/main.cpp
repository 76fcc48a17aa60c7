#include <QApplication>

#include "frmmain.h"
#include "startup.h"

// The program reads no command line: Qt's own options are the only ones it takes.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication();
    frmMain window;
    QObject::connect(&window, &frmMain::Unloaded, &app, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
