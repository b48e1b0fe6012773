#include "data/ByteLeser.h"
#include "data/Stoffliste.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TStoffliste liste;
    const auto fehler = liste.ausBytes(bytes, "fuzz");
    for (int i = 0; i < liste.SpaltenAnzahl(); ++i)
        liste.SpaltenNummer(quint16(i));
    // Every kept substance reads back whole and is found by its name, first match first.
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (liste.at(i).Name.size() != liste.name(i).size() || liste.indexName(liste.name(i)) > i)
            __builtin_trap();
    // Read a few bytes at a time from a device, the file gives the same list and the same damage.
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    ByteLeser blockweise(puffer, bytes.size(), 1 + qsizetype(size % 7));
    TStoffliste zweite;
    const auto fehler2 = zweite.lesen(blockweise, "fuzz");
    if (bool(fehler) != bool(fehler2) || (fehler && fehler->offset != fehler2->offset) ||
        zweite.size() != liste.size() || zweite.verworfen() != liste.verworfen())
        __builtin_trap();
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (!(zweite.at(i) == liste.at(i))) __builtin_trap();
    return 0;
}
