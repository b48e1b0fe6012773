#pragma once

#include <QtGlobal>

#include <cstddef>
#include <memory>
#include <vector>

// Asks the system to back a large buffer with huge pages where it offers them (Linux): the tens
// of megabytes of a large table then cost some dozens of page faults instead of thousands. Only
// whole huge pages inside the buffer are affected; elsewhere this does nothing.
void grosseSeitenErbitten(void* anfang, qsizetype bytes);

// The room to add to a buffer of `bytes` so that what it holds can start at a huge page: then all
// of it comes in huge pages, where the megabytes before the first one would otherwise take a page
// fault every four kilobytes. None for a buffer too small for that to matter, or where there are
// no huge pages.
inline constexpr qsizetype kGrosseSeite = qsizetype(2) << 20;
qsizetype grosseSeitenVorlauf(qsizetype bytes);
// How far from `anfang` the next huge page begins.
qsizetype bisGrosseSeite(const void* anfang);

// Whether the system has huge pages to give arrays of their own.
#ifdef __linux__
inline constexpr bool kGrosseSeitenDa = true;
#else
inline constexpr bool kGrosseSeitenDa = false;
#endif
// Memory of `bytes`, a whole number of huge pages, starting at one and backed by them where the
// system offers them; mapped on its own, so that freeing it gives it back to the system at once.
// Throws std::bad_alloc when the system has no memory to give. Only where kGrosseSeitenDa.
void* grosseSeitenHolen(std::size_t bytes);
void grosseSeitenFreigeben(void* p, std::size_t bytes);

// Memory for the large arrays of a table (its records, its text starts, its indexes): an array
// of a megabyte or more is given whole huge pages, so filling it costs a page fault every two
// megabytes instead of every four kilobytes, and the scattered slots of an index are found
// without missing the processor's cache of pages. At most one part-used huge page is left over,
// little beside what the array holds. Smaller arrays come from the heap.
template <class T> struct Seitenzuteiler {
    using value_type = T;
    Seitenzuteiler() = default;
    template <class U> Seitenzuteiler(const Seitenzuteiler<U>& /*unused*/) {}

    T* allocate(std::size_t n) {
        if constexpr (kGrosseSeitenDa)
            if (gross(n)) return static_cast<T*>(grosseSeitenHolen(gerundet(n)));
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) {
        if constexpr (kGrosseSeitenDa)
            if (gross(n)) return grosseSeitenFreigeben(p, gerundet(n));
        std::allocator<T>().deallocate(p, n);
    }
    template <class U> bool operator==(const Seitenzuteiler<U>& /*unused*/) const { return true; }

private:
    static bool gross(std::size_t n) { return n * sizeof(T) >= (std::size_t(1) << 20); }
    static std::size_t gerundet(std::size_t n) {
        constexpr auto seite = std::size_t(kGrosseSeite);
        return (n * sizeof(T) + seite - 1) / seite * seite;
    }
};
template <class T> using Seitenvektor = std::vector<T, Seitenzuteiler<T>>;
