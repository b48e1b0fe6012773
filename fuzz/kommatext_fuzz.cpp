#include "shared/KommaText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // Whatever was read, writing it and reading again gives the same lines.
    const QStringList zeilen = kommatext::lesen(text);
    const QStringList wieder = kommatext::lesen(kommatext::schreiben(zeilen));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty() && zeilen.size() > 1)
        return 0; // trailing empty line is lost
    if (wieder != zeilen) std::abort();
    return 0;
}
