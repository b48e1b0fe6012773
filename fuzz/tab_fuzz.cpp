#include "data/Stoffliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TStoffliste liste;
    liste.ausBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), "fuzz");
    for (int i = 0; i < liste.SpaltenAnzahl(); ++i)
        liste.SpaltenNummer(quint16(i));
    return 0;
}
