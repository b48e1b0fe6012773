// qvr-print: the printouts of "qvr print", which runs this program with the arguments after
// "print".
#include "DruckBefehl.h"
#include "Werkzeug.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdlib>

int main(int argc, char** argv) {
    werkzeugStarten();
#ifdef SIGPIPE
    // A reader that stops early (qvr print ... --pdf - | head) has all it wants: the job ends
    // quietly, not as a crash qvr would report.
    std::signal(SIGPIPE, [](int) { std::_Exit(0); });
#endif
    // Printouts need fonts and pictures but never a window or a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    return befehlAusfuehren([&] { return druckBefehl(args); });
}
