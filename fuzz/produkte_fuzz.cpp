#include "data/Produktliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TProduktliste liste;
    liste.ausBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), "fuzz");
    return 0;
}
