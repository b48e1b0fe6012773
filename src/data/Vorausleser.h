#pragma once

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class QIODevice;

// Reads a device block after block on a thread of its own, a few blocks ahead of the one being
// worked on, so copying the file out of the system's cache overlaps with that work. Each block
// is preceded by room for as many bytes again, where the caller may put what was left of the
// block before.
class Vorausleser {
public:
    Vorausleser(QIODevice& geraet, qint64 groesse, qsizetype block);
    ~Vorausleser(); // stops reading and waits for the thread
    Vorausleser(const Vorausleser&) = delete;
    Vorausleser& operator=(const Vorausleser&) = delete;

    struct Block {
        char* daten = nullptr; // the block's bytes; vorraum() bytes of room lie before them
        qsizetype laenge = 0;  // 0: the device has no more (or failed)
        int nummer = -1;
    };
    // The next block, waiting for it if need be; the caller gives each one back with freigeben().
    Block naechster();
    void freigeben(int nummer);
    qsizetype vorraum() const { return m_block; }

private:
    void lesen(QIODevice& geraet, qint64 groesse);

    const qsizetype m_block;
    std::vector<QByteArray> m_puffer;
    std::mutex m_sperre;
    std::condition_variable m_signal;
    std::deque<Block> m_voll;
    std::deque<int> m_frei;
    bool m_ende = false, m_halt = false;
    std::thread m_faden;
};
