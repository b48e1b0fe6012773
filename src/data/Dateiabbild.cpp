#include "data/Dateiabbild.h"

#include <QFile>

#include <algorithm>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {
constexpr qint64 kCachezeile = 64;
constexpr qint64 kKleinsterVorsprung = 64 * 1024;
} // namespace

Dateiabbild::Dateiabbild(QFile& datei, qint64 vorsprung)
    : m_datei(datei), m_vorsprung(std::max(vorsprung, kKleinsterVorsprung)) {
    const qint64 groesse = datei.size();
    uchar* a = groesse > 0 ? datei.map(0, groesse) : nullptr;
    if (!a) return;
    m_anfang = reinterpret_cast<const char*>(a);
    m_groesse = groesse;
    m_naechsteMeldung = schritt();
    m_faden = std::thread([this] { vorgreifen(); });
}

Dateiabbild::~Dateiabbild() {
    if (m_faden.joinable()) {
        {
            const std::lock_guard sperre(m_sperre);
            m_halt = true;
        }
        m_signal.notify_one();
        m_faden.join();
    }
    if (m_anfang) m_datei.unmap(reinterpret_cast<uchar*>(const_cast<char*>(m_anfang)));
}

void Dateiabbild::melden(qint64 stelle) {
    stelle = std::clamp<qint64>(stelle, 0, m_groesse);
    {
        const std::lock_guard sperre(m_sperre);
        m_gelesen = std::max(m_gelesen, stelle);
    }
    m_signal.notify_one();
    m_naechsteMeldung = stelle + schritt();
#if defined(__linux__) && defined(MADV_DONTNEED)
    // The pages behind the reader leave this process; the file's bytes stay in the system's
    // cache, and a page looked at again would simply be read in again.
    static const qint64 seite = sysconf(_SC_PAGESIZE) > 0 ? sysconf(_SC_PAGESIZE) : 4096;
    const qint64 bis = stelle / seite * seite;
    if (bis > m_freigegeben && madvise(const_cast<char*>(m_anfang) + m_freigegeben,
                                       std::size_t(bis - m_freigegeben), MADV_DONTNEED) == 0)
        m_freigegeben = bis;
#endif
}

void Dateiabbild::vorgreifen() {
    const volatile char* bytes = m_anfang;
    char summe = 0;
    qint64 stelle = 0;
    while (stelle < m_groesse) {
        qint64 bis;
        {
            std::unique_lock sperre(m_sperre);
            m_signal.wait(sperre, [&] { return m_halt || stelle < m_gelesen + m_vorsprung; });
            if (m_halt) return;
            // Never behind the reader: what it has passed is not wanted any more.
            stelle = std::max(stelle, m_gelesen);
            bis = std::min(m_gelesen + m_vorsprung, m_groesse);
        }
        // One byte of each cache line is enough to take up the page and bring the line in.
        for (; stelle < bis; stelle += kCachezeile)
            summe = char(summe ^ bytes[stelle]);
    }
    (void)summe;
}
