#include "Werkzeug.h"

#include "QvrFehler.h"
#include "data/Datendateien.h"
#include "data/Produktliste.h"
#include "shared/Sichtbar.h"
#include "shared/Zeilendatei.h"
#include "texte/Sprachmodul.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// One entry per command, in the order of the full usage; "qvr CMD --help" shows the entries
// of CMD only, so each command's usage is written once.
struct Benutzung {
    const char* befehl;
    const char* text;
    bool formate = false; // a search: its output formats follow
};

const char* const kFormate =
    "                                   --format text|csv|json: tab-separated lines (the\n"
    "                                   default), CSV for spreadsheets or JSON\n";

// The synopsis of an entry stays on one line and its options go with the description, so the
// manual page made from this text lists each command as one item.
const Benutzung kBenutzung[] = {
    {"catalogue dump", "  qvr catalogue dump FILE          print produkte.qvr as JSON\n"},
    {"catalogue pack", "  qvr catalogue pack JSON OUT [TEXTS]\n"
                       "                                   write produkte.qvr from JSON; TEXTS "
                       "adds a language's\n"
                       "                                   texts to values kept for every "
                       "language\n"},
    {"substances dump", "  qvr substances dump FILE         print tab.qvr as JSON\n"},
    {"substances pack", "  qvr substances pack JSON OUT [TEXTS]\n"
                        "                                   write tab.qvr from JSON, TEXTS as "
                        "for the catalogue\n"},
    {"chem-search",
     "  qvr chem-search --data DIR [OPTION]...\n"
     "                                   rank the chemical gloves for the chosen chemicals,\n"
     "                                   gloves unsuitable for one of them last; --cas CAS or\n"
     "                                   --name NAME (any case), repeated, choose them in\n"
     "                                   order; --length I, --temperature I, --touch I,\n"
     "                                   --lining I, --mechanical I set the requirements;\n",
     true},
    {"mech-search",
     "  qvr mech-search --data DIR [OPTION]...\n"
     "                                   list the gloves for a mechanical hazard; --hazard N,\n"
     "                                   --environment N, --cut N, --length N, --grip N,\n"
     "                                   --dexterity N answer with the item index of the\n"
     "                                   search window's answer, --special LIST with those of\n"
     "                                   the special requirements (\"0,2\"); --plan FILE.PLN\n"
     "                                   marks the gloves of that plan;\n",
     true},
    {"print chem-report", "  qvr print chem-report OPTIONS --pdf OUT\n"
                          "                                   the resistance table of "
                          "chem-search OPTIONS as PDF\n"},
    {"print mech-report", "  qvr print mech-report OPTIONS --pdf OUT\n"
                          "                                   the mechanical search result of "
                          "mech-search OPTIONS\n"},
    {"print product", "  qvr print product CODE --data DIR --pdf OUT\n"
                      "                                   the product specification of one "
                      "glove as PDF\n"},
    {"print hazard-analysis", "  qvr print hazard-analysis FILE.GAN [--language ABBR] --pdf OUT\n"
                              "                                   a saved hazard analysis "
                              "questionnaire as PDF\n"},
    {"print assessment", "  qvr print assessment FILE.GBN [--language ABBR] --pdf OUT\n"
                         "                                   a saved organisational assessment "
                         "as PDF\n"},
    {"print plan",
     "  qvr print plan FILE.PLN --data DIR [--link URL] --pdf OUT\n"
     "                                   a saved glove plan as PDF; --link: each "
     "glove's\n"
     "                                   QR code leads to URL/product/CODE and the "
     "footer\n"
     "                                   names URL/plan/NAME (\"qvr serve\" at URL)\n"},
    {"print", "  qvr print ... --distributor CODE --data DIR\n"
              "                                   any printout with the footer of distributor "
              "CODE of\n"
              "                                   the address file in DIR instead of the "
              "maker's;\n"
              "                                   printouts are in the language of the data set "
              "DIR\n"
              "                                   (the module Ardentix.ABBR beside qvr whose data\n"
              "                                   directory it is), or of --language ABBR (DEU:\n"
              "                                   German); English otherwise\n"},
    {"serve",
     "  qvr serve --data DIR [--data DIR]... --plans DIR [--port N] [--listen ADDRESS]\n"
     "                                   serve the searches, the catalogue and the glove\n"
     "                                   plans of folder --plans (only its .PLN files) to\n"
     "                                   browsers, read-only; one --data set per language,\n"
     "                                   chosen by the browser's Accept-Language or the\n"
     "                                   page's language switch; on 127.0.0.1 port 8080\n"
     "                                   unless --listen and --port say otherwise (--port\n"
     "                                   0: any free port); prints its address when ready\n"},
    {"verify", "  qvr verify DIR [--like REF]      check a language data directory (EN): "
               "catalogue,\n"
               "                                   substance table, pictures, distributors, "
               "pages;\n"
               "                                   --like: same codes and values as the set "
               "REF of\n"
               "                                   another language, every text in both\n"},
};

} // namespace

QString qvrBenutzung(const QString& befehl) {
    QString eintraege;
    for (const auto& [name, text, formate] : kBenutzung) {
        const QString n = QLatin1String(name);
        if (befehl.isEmpty() || n == befehl || n.startsWith(befehl + u' '))
            eintraege += QLatin1String(text) + (formate ? QLatin1String(kFormate) : QString());
    }
    if (eintraege.isEmpty()) return {};
    // "Usage: qvr ..." on the first line is what makes the manual page's synopsis.
    QString s = (befehl.isEmpty() ? QStringLiteral("Usage: qvr COMMAND [OPTIONS]...\n")
                                  : QStringLiteral("Usage:\n")) +
                eintraege;
    if (befehl.isEmpty())
        s += QLatin1String("  qvr --help | --version           this help, the tool's version\n");
    return s +
           QLatin1String("Exit status: 0 success, 1 wrong usage, 2 damaged or invalid input.\n");
}

bool hilfeVerlangt(const QStringList& args) {
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

QString qvrVersion() {
    return QStringLiteral("qvr (Ardentix) " ARDENTIX_VERSION "\n");
}

void werkzeugStarten() {
    zeilendatei::schreibgrenzeMelden();
}

void qvrMeldung(const QString& meldung) {
    std::fprintf(stderr, "qvr: %s\n", sichtbar(meldung).toUtf8().constData());
}

namespace {

bool& beschaedigteEingabe() {
    static bool gemeldet = false;
    return gemeldet;
}

} // namespace

void beschaedigt(const QString& meldung) {
    qvrMeldung(meldung);
    beschaedigteEingabe() = true;
}

int befehlAusfuehren(const std::function<int()>& befehl) {
    try {
        const int status = befehl();
        return status == 0 && beschaedigteEingabe() ? 2 : status;
    } catch (const QvrFehler& f) {
        qvrMeldung(f.meldung);
        if (f.status == 1) std::fputs(qPrintable(qvrBenutzung()), stderr);
        return f.status;
    }
}

void katalogLaden(TProduktliste& katalog, const QString& verzeichnis) {
    const QString datei = QDir(verzeichnis).filePath(datendatei::katalog());
    if (!QFileInfo::exists(datei))
        ungueltig(QDir::toNativeSeparators(datei) + QStringLiteral(": the catalogue is missing"));
    if (const auto f = katalog.Laden(datei)) ungueltig(f->meldung());
}

void datenspracheLaden(const QString& verzeichnis) {
    const QString programm = QCoreApplication::applicationDirPath() + QStringLiteral("/Ardentix");
    if (const QString modul = sprachmodul::dateiFuerDaten(programm, verzeichnis); !modul.isEmpty())
        sprachmodul::laden(*QCoreApplication::instance(), modul);
}
