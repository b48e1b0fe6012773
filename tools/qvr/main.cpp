// qvr: the data tool for the people who maintain the maker's data files.
#include "ChemieBefehl.h"
#include "DruckBefehl.h"
#include "KatalogJson.h"
#include "MechBefehl.h"
#include "QvrFehler.h"
#include "StoffJson.h"
#include "Verify.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

namespace {

const char* const kUsage =
    "usage: qvr COMMAND ...\n"
    "  qvr catalogue dump FILE          print produkte.qvr as JSON\n"
    "  qvr catalogue pack JSON OUT      write produkte.qvr from JSON\n"
    "  qvr substances dump FILE         print tab.qvr as JSON\n"
    "  qvr substances pack JSON OUT     write tab.qvr from JSON\n"
    "  qvr chem-search --data DIR [--cas CAS | --name NAME]... [--length I] [--temperature I]\n"
    "                  [--touch I] [--lining I] [--mechanical I]\n"
    "                                   rank the chemical gloves for the chosen chemicals\n"
    "  qvr mech-search --data DIR [--hazard N] [--environment N] [--cut N] [--length N]\n"
    "                  [--grip N] [--dexterity N] [--special LIST] [--plan FILE.PLN]\n"
    "                                   list the gloves for a mechanical hazard, N being the\n"
    "                                   item index of the search window's answer\n"
    "  qvr print chem-report OPTIONS --pdf OUT\n"
    "                                   the resistance table of chem-search OPTIONS as PDF\n"
    "  qvr print mech-report OPTIONS --pdf OUT\n"
    "                                   the mechanical search result of mech-search OPTIONS\n"
    "  qvr print product CODE --data DIR --pdf OUT\n"
    "                                   the product specification of one glove as PDF\n"
    "  qvr print hazard-analysis FILE.GAN --pdf OUT\n"
    "                                   a saved hazard analysis questionnaire as PDF\n"
    "  qvr print assessment FILE.GBN --pdf OUT\n"
    "                                   a saved organisational assessment as PDF\n"
    "  qvr print plan FILE.PLN --data DIR --pdf OUT\n"
    "                                   a saved glove plan as PDF\n"
    "  qvr verify DIR                   check a language data directory (EN): catalogue,\n"
    "                                   substance table, pictures, distributors, pages\n"
    "Exit status: 0 success, 1 wrong usage, 2 damaged or invalid input.\n";

using Befehl = std::function<int(const QStringList&)>;

const std::pair<const char*, Befehl> kBefehle[] = {
    {"catalogue", katalogBefehl}, {"substances", stoffBefehl}, {"chem-search", chemieSucheBefehl},
    {"print", druckBefehl},       {"verify", verifyBefehl},
    {"mech-search", mechSucheBefehl},
};

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Beyond a file-size limit a write then fails and is reported, instead of the signal ending
    // the tool without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Printouts need fonts and pictures but never a window or a display; the data commands
    // need neither.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 1 : 0;
    }
    const QString befehl = args.takeFirst();
    try {
        for (const auto& [name, ausfuehren] : kBefehle)
            if (befehl == QLatin1String(name)) return ausfuehren(args);
        falscheBenutzung(QStringLiteral("unknown command \"%1\"").arg(befehl));
    } catch (const QvrFehler& f) {
        std::fprintf(stderr, "qvr: %s\n", qPrintable(f.meldung));
        if (f.status == 1) std::fputs(kUsage, stderr);
        return f.status;
    }
}
