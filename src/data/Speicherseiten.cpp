#include "data/Speicherseiten.h"

#include <new>

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

#ifdef __linux__
void* grosseSeitenHolen(std::size_t bytes) {
    // Mapped with a huge page to spare, the bytes before the first huge page and after the last
    // one given back.
    const std::size_t seite = std::size_t(kGrosseSeite);
    void* roh =
        mmap(nullptr, bytes + seite, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (roh == MAP_FAILED) throw std::bad_alloc();
    auto* anfang = static_cast<char*>(roh);
    const qsizetype vorne = bisGrosseSeite(anfang);
    if (vorne > 0) munmap(anfang, std::size_t(vorne));
    if (std::size_t(vorne) < seite) munmap(anfang + vorne + bytes, seite - std::size_t(vorne));
    grosseSeitenErbitten(anfang + vorne, qsizetype(bytes));
    return anfang + vorne;
}

void grosseSeitenFreigeben(void* p, std::size_t bytes) {
    munmap(p, bytes);
}
#endif
