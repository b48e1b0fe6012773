#include "Werkzeug.h"

#include "QvrFehler.h"

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
    "  qvr print hazard-analysis FILE.GAN [--language ABBR] --pdf OUT\n"
    "                                   a saved hazard analysis questionnaire as PDF\n"
    "  qvr print assessment FILE.GBN [--language ABBR] --pdf OUT\n"
    "                                   a saved organisational assessment as PDF\n"
    "  qvr print plan FILE.PLN --data DIR --pdf OUT\n"
    "                                   a saved glove plan as PDF\n"
    "  qvr verify DIR                   check a language data directory (EN): catalogue,\n"
    "                                   substance table, pictures, distributors, pages\n"
    "Printouts are in the language of the data set DIR (the module Ardentix.ABBR beside qvr\n"
    "whose data directory it is), or of --language ABBR (DEU: German); English otherwise.\n"
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
