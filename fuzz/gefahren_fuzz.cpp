#include "data/Gefahrendatei.h"
#include "shared/Codepage1252.h"
#include "shared/Zeilendatei.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Whatever a .GAN file holds, saving what was read and reading it again gives the same.
    const TGefahrenanalyse g = gefahrendatei::ausZeilen(zeilendatei::zerlegen(bytes));
    if (g.memo.size() > 1 && g.memo.last().isEmpty()) return 0; // trailing empty line is lost
    QByteArray wieder;
    for (const QString& z : gefahrendatei::zeilen(g))
        wieder += cp1252::encode(z) + "\r\n";
    if (!(gefahrendatei::ausZeilen(zeilendatei::zerlegen(wieder)) == g)) std::abort();
    return 0;
}
