#include "app/Befehlszeile.h"

#include <cstring>

namespace befehlszeile {

namespace {

const char* const kHilfe =
    "Usage: ardentix [OPTION]... [FILE]...\n"
    "The protective glove advisor of Quorvane GmbH: finds the chemical and mechanical\n"
    "protective gloves for a workplace, shows the catalogue with every performance value,\n"
    "and keeps glove plans, risk assessments and hazard assessments with their printouts.\n"
    "\n"
    "Each FILE opens in its window: a glove plan (.PLN) in the glove plan, a risk\n"
    "assessment (.GAN) or a hazard assessment (.GBN) in a window of its own; a file\n"
    "already open comes to the front. While the program runs, a later start of the\n"
    "same user hands its files to it and ends.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n";

const char* const kVersion = "ardentix (Ardentix) " ARDENTIX_VERSION "\n";

} // namespace

const char* auskunft(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) return kHilfe;
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) return kVersion;
    }
    return nullptr;
}

} // namespace befehlszeile
