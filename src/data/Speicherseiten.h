#pragma once

#include <QtGlobal>

#include <cstddef>
#include <memory>
#include <new>

// Asks the system to back a large buffer with huge pages where it offers them (Linux): the tens
// of megabytes of a large table then cost some dozens of page faults instead of thousands. Only
// whole huge pages inside the buffer are affected; elsewhere this does nothing.
void grosseSeitenErbitten(void* anfang, qsizetype bytes);

// Where the first whole huge page of a buffer begins, as an offset from its start: a large
// buffer filled from there has all its memory in huge pages, where the few megabytes before
// the first one would otherwise take a page fault every four kilobytes. 0 for a buffer too
// small for that to matter, or where there are no huge pages.
inline constexpr qsizetype kGrosseSeite = qsizetype(2) << 20;
qsizetype grosseSeiteAb(const void* anfang, qsizetype bytes);

// An allocator for large arrays that are filled soon after they are made: from a megabyte on they
// are placed on huge pages, rounded up to whole ones, so filling them takes a page fault every
// two megabytes instead of every four kilobytes (Linux; elsewhere the usual allocator's way).
template <class T> struct GrosseSeitenAllokator {
    using value_type = T;
    GrosseSeitenAllokator() = default;
    template <class U> GrosseSeitenAllokator(const GrosseSeitenAllokator<U>&) {}

    T* allocate(std::size_t n) {
        if (!gross(n)) return std::allocator<T>().allocate(n);
        const std::size_t bytes = gerundet(n);
        void* p = ::operator new(bytes, std::align_val_t(kGrosseSeite));
        grosseSeitenErbitten(p, qsizetype(bytes));
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) {
        if (!gross(n)) return std::allocator<T>().deallocate(p, n);
        ::operator delete(p, gerundet(n), std::align_val_t(kGrosseSeite));
    }
    friend bool operator==(const GrosseSeitenAllokator&, const GrosseSeitenAllokator&) {
        return true;
    }

private:
    static bool gross(std::size_t n) {
#ifdef __linux__
        return n * sizeof(T) >= (std::size_t(1) << 20);
#else
        Q_UNUSED(n);
        return false;
#endif
    }
    static std::size_t gerundet(std::size_t n) {
        return (n * sizeof(T) + std::size_t(kGrosseSeite) - 1) & ~std::size_t(kGrosseSeite - 1);
    }
};
