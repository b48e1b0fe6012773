#include "Werkzeug.h"

#include "QvrFehler.h"
#include "data/Datendateien.h"
#include "data/Produktliste.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

const char* const kQvrBenutzung =
    "usage: qvr COMMAND ...\n"
    "  qvr catalogue dump FILE          print produkte.qvr as JSON\n"
    "  qvr catalogue pack JSON OUT [TEXTS]\n"
    "                                   write produkte.qvr from JSON; TEXTS adds a language's\n"
    "                                   texts to values kept for every language\n"
    "  qvr substances dump FILE         print tab.qvr as JSON\n"
    "  qvr substances pack JSON OUT [TEXTS]\n"
    "                                   write tab.qvr from JSON, TEXTS as for the catalogue\n"
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
    "  qvr print ... --distributor CODE --data DIR\n"
    "                                   any printout with the footer of distributor CODE of\n"
    "                                   the address file in DIR instead of the maker's\n"
    "  qvr verify DIR [--like REF]      check a language data directory (EN): catalogue,\n"
    "                                   substance table, pictures, distributors, pages;\n"
    "                                   --like: same codes and values as the set REF of\n"
    "                                   another language, every text in both\n"
    "Exit status: 0 success, 1 wrong usage, 2 damaged or invalid input.\n";

void werkzeugStarten() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

int befehlAusfuehren(const std::function<int()>& befehl) {
    try {
        return befehl();
    } catch (const QvrFehler& f) {
        std::fprintf(stderr, "qvr: %s\n", qPrintable(f.meldung));
        if (f.status == 1) std::fputs(kQvrBenutzung, stderr);
        return f.status;
    }
}

void katalogLaden(TProduktliste& katalog, const QString& verzeichnis) {
    const QString datei = QDir(verzeichnis).filePath(datendatei::katalog());
    if (!QFileInfo::exists(datei))
        ungueltig(QDir::toNativeSeparators(datei) + QStringLiteral(": the catalogue is missing"));
    if (const auto f = katalog.Laden(datei)) ungueltig(f->meldung());
}
