#include "data/Vorausleser.h"

#include <QIODevice>

namespace {
// One block being filled, one being worked on, and six more ahead: the reading thread may lose
// its core for a while to another one (the index thread of a large table), and the work then
// goes on with what was read ahead instead of waiting; with three it waited a tenth of the time.
constexpr int kPuffer = 8;
} // namespace

Vorausleser::Vorausleser(QIODevice& geraet, qint64 groesse, qsizetype block)
    : m_block(block) {
    for (int i = 0; i < kPuffer; ++i) {
        m_puffer.emplace_back(2 * block, Qt::Uninitialized);
        m_frei.push_back(i);
    }
    m_faden = std::thread([this, &geraet, groesse] { lesen(geraet, groesse); });
}

Vorausleser::~Vorausleser() {
    {
        const std::lock_guard sperre(m_sperre);
        m_halt = true;
    }
    m_signal.notify_all();
    m_faden.join();
}

void Vorausleser::lesen(QIODevice& geraet, qint64 groesse) {
    qint64 gelesen = 0;
    bool weiter = true;
    while (weiter) {
        int nummer;
        {
            std::unique_lock sperre(m_sperre);
            m_signal.wait(sperre, [this] { return m_halt || !m_frei.empty(); });
            if (m_halt) break;
            nummer = m_frei.front();
            m_frei.pop_front();
        }
        char* daten = m_puffer[std::size_t(nummer)].data() + m_block; // each unshared: no copy
        const qint64 soll = std::min<qint64>(m_block, groesse - gelesen);
        qint64 da = 0;
        while (da < soll) {
            const qint64 r = geraet.read(daten + da, soll - da);
            if (r <= 0) break;
            da += r;
        }
        gelesen += da;
        weiter = da == m_block && gelesen < groesse;
        {
            const std::lock_guard sperre(m_sperre);
            if (da > 0) m_voll.push_back({daten, qsizetype(da), nummer});
            else m_frei.push_back(nummer);
            m_ende = !weiter;
        }
        m_signal.notify_all();
    }
}

Vorausleser::Block Vorausleser::naechster() {
    std::unique_lock sperre(m_sperre);
    m_signal.wait(sperre, [this] { return !m_voll.empty() || m_ende; });
    if (m_voll.empty()) return {};
    const Block b = m_voll.front();
    m_voll.pop_front();
    return b;
}

void Vorausleser::freigeben(int nummer) {
    if (nummer < 0) return;
    {
        const std::lock_guard sperre(m_sperre);
        m_frei.push_back(nummer);
    }
    m_signal.notify_all();
}
