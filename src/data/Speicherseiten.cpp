#include "data/Speicherseiten.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

void grosseSeitenErbitten(void* anfang, qsizetype bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr auto kSeite = quintptr(kGrosseSeite);
    const auto a = (reinterpret_cast<quintptr>(anfang) + kSeite - 1) & ~(kSeite - 1);
    const auto e = (reinterpret_cast<quintptr>(anfang) + quintptr(bytes)) & ~(kSeite - 1);
    // Only advice: where the system declines, the buffer simply keeps its small pages.
    if (e > a) madvise(reinterpret_cast<void*>(a), e - a, MADV_HUGEPAGE);
#else
    Q_UNUSED(anfang);
    Q_UNUSED(bytes);
#endif
}

qsizetype grosseSeitenVorlauf(qsizetype bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    return bytes >= 4 * kGrosseSeite ? kGrosseSeite : 0;
#else
    Q_UNUSED(bytes);
    return 0;
#endif
}

qsizetype bisGrosseSeite(const void* anfang) {
    const auto a = reinterpret_cast<quintptr>(anfang);
    return qsizetype(((a + quintptr(kGrosseSeite) - 1) & ~quintptr(kGrosseSeite - 1)) - a);
}
