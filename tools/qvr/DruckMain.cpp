// qvr-print: the printouts of "qvr print", which runs this program with the arguments after
// "print".
#include "DruckBefehl.h"
#include "Werkzeug.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    werkzeugStarten();
    // Printouts need fonts and pictures but never a window or a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    return befehlAusfuehren([&] { return druckBefehl(args); });
}
