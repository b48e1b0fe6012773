// qvr: the data tool for the people who maintain the maker's data files.
#include "ChemieBefehl.h"
#include "KatalogJson.h"
#include "MechBefehl.h"
#include "QvrFehler.h"
#include "StoffJson.h"
#include "Verify.h"
#include "Werkzeug.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

// "qvr print ..." and "qvr serve ...": the printouts and the server need Qt Gui, fonts and
// pictures, so they are programs of their own beside this one; the data commands then start
// without loading any of that.
int begleitprogramm(const char* name, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.setInputChannelMode(QProcess::ForwardedInputChannel);
#ifdef Q_OS_WIN
    const QString datei = QStringLiteral("/%1.exe").arg(QLatin1String(name));
#else
    const QString datei = QStringLiteral("/%1").arg(QLatin1String(name));
#endif
    p.start(QCoreApplication::applicationDirPath() + datei, args);
    if (!p.waitForStarted(-1))
        ungueltig(QStringLiteral("cannot start %1 beside qvr: %2")
                      .arg(QLatin1String(name), p.errorString()));
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit)
        ungueltig(
            QStringLiteral("%1 ended abnormally: %2").arg(QLatin1String(name), p.errorString()));
    return p.exitCode();
}

int druckProgramm(const QStringList& args) {
    return begleitprogramm("qvr-print", args);
}

int serveProgramm(const QStringList& args) {
    return begleitprogramm("qvr-serve", args);
}

using Befehl = std::function<int(const QStringList&)>;

const std::pair<const char*, Befehl> kBefehle[] = {
    {"catalogue", katalogBefehl}, {"substances", stoffBefehl}, {"chem-search", chemieSucheBefehl},
    {"print", druckProgramm},     {"verify", verifyBefehl},    {"mech-search", mechSucheBefehl},
    {"serve", serveProgramm},
};

} // namespace

int main(int argc, char** argv) {
    werkzeugStarten();
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(qPrintable(qvrBenutzung()), args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 1 : 0;
    }
    if (args[0] == QLatin1String("--version")) {
        std::fputs(qPrintable(qvrVersion()), stdout);
        return 0;
    }
    const QString befehl = args.takeFirst();
    return befehlAusfuehren([&]() -> int {
        for (const auto& [name, ausfuehren] : kBefehle) {
            if (befehl != QLatin1String(name)) continue;
            if (hilfeVerlangt(args)) {
                // "print plan --help" is about that printout; an unknown one is reported below.
                const bool druck = befehl == QLatin1String("print") && !args.isEmpty() &&
                                   !hilfeVerlangt({args[0]});
                const QString hilfe = qvrBenutzung(druck ? befehl + u' ' + args[0] : befehl);
                if (!hilfe.isEmpty()) {
                    std::fputs(qPrintable(hilfe), stdout);
                    return 0;
                }
            }
            return ausfuehren(args);
        }
        falscheBenutzung(QStringLiteral("unknown command \"%1\"").arg(befehl));
    });
}
