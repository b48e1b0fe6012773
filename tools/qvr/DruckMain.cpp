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
    // A reader that stops early (qvr print ... --pdf - | head) leaves the printout unfinished:
    // the job ends quietly with the status a shell gives a program the signal ends, so a pipeline
    // under "set -o pipefail" sees the loss, and qvr passes the status on.
    std::signal(SIGPIPE, [](int) { std::_Exit(128 + SIGPIPE); });
#endif
    // Printouts need fonts and pictures but never a window or a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    return befehlAusfuehren([&] { return druckBefehl(args); });
}
