#include "data/Speicherseiten.h"

#include <mutex>
#include <new>
#include <utility>
#include <vector>

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
namespace {

// Mappings freed lately, kept for the next array of the same size: a table loaded again (in
// another language) then finds its arrays' pages in place instead of having the system clear
// fresh ones. Their contents are given up, so the system may take the pages back whenever it
// is short of memory; the oldest beyond a few are unmapped.
class Vorrat {
public:
    void* nehmen(std::size_t bytes) {
        const std::lock_guard<std::mutex> g(m_sperre);
        for (auto it = m_frei.begin(); it != m_frei.end(); ++it)
            if (it->second == bytes) {
                void* p = it->first;
                m_frei.erase(it);
                return p;
            }
        return nullptr;
    }
    void ablegen(void* p, std::size_t bytes) {
#ifdef MADV_FREE
        madvise(p, bytes, MADV_FREE);
#endif
        const std::lock_guard<std::mutex> g(m_sperre);
        if (m_frei.size() == kHoechstens) {
            munmap(m_frei.front().first, m_frei.front().second);
            m_frei.erase(m_frei.begin());
        }
        m_frei.emplace_back(p, bytes);
    }

private:
    static constexpr std::size_t kHoechstens = 8;
    std::mutex m_sperre;
    std::vector<std::pair<void*, std::size_t>> m_frei;
};

// Never destroyed: a table kept in a static may be freed after every other static is gone.
Vorrat& vorrat() {
    static Vorrat* v = new Vorrat;
    return *v;
}

} // namespace

void* grosseSeitenHolen(std::size_t bytes) {
    if (void* p = vorrat().nehmen(bytes)) return p;
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
    vorrat().ablegen(p, bytes);
}
#endif
