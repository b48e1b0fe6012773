#include "data/Bewertungsdatei.h"
#include "shared/Codepage1252.h"
#include "shared/Zeilendatei.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (zeilendatei::textPruefen(bytes)) return 0;
    // Whatever a .GBN file holds, saving what was read and reading it again gives the same.
    const TBewertung b = bewertungsdatei::ausZeilen(zeilendatei::zerlegen(bytes));
    for (const QStringList& memo : b.m)
        if (memo.size() > 1 && memo.last().isEmpty()) return 0; // trailing empty line is lost
    QByteArray wieder;
    for (const QString& z : bewertungsdatei::zeilen(b))
        wieder += cp1252::encode(z) + "\r\n";
    if (!(bewertungsdatei::ausZeilen(zeilendatei::zerlegen(wieder)) == b)) std::abort();
    return 0;
}
