#include "data/Plandatei.h"
#include "shared/Codepage1252.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Whatever is accepted is saved and read again to the same plan.
    const PlandateiGelesen g = plandateiLesen(bytes);
    const auto* plan = std::get_if<Plandatei>(&g);
    if (!plan) return 0;
    QByteArray wieder;
    for (const QString& z : plandateiZeilen(*plan))
        wieder += cp1252::encode(z) + "\r\n";
    const PlandateiGelesen g2 = plandateiLesen(wieder);
    const auto* plan2 = std::get_if<Plandatei>(&g2);
    if (!plan2 || plan2->nummern != plan->nummern || plan2->adresse != plan->adresse ||
        plan2->arbeitsbereiche != plan->arbeitsbereiche ||
        plan2->einsatzbereiche != plan->einsatzbereiche)
        std::abort();
    return 0;
}
