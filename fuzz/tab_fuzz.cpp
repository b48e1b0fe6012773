#include "data/Stoffliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TStoffliste liste;
    liste.ausBytes(bytes, "fuzz");
    for (int i = 0; i < liste.SpaltenAnzahl(); ++i)
        liste.SpaltenNummer(quint16(i));
    // Every kept substance reads back whole and is found by its name, first match first.
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (liste.at(i).Name.size() != liste.name(i).size() || liste.indexName(liste.name(i)) > i)
            __builtin_trap();
    return 0;
}
