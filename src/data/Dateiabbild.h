#pragma once

#include <QByteArrayView>

#include <condition_variable>
#include <mutex>
#include <thread>

class QFile;

// A data file mapped into memory for one read from front to back. A thread of its own runs a
// little ahead of the reader, taking up the pages and bringing the bytes into the cache, so the
// reader finds them at hand; pages the reader has passed are given back, so a large file never
// takes its whole size in memory. Reading the system's cache in place this way costs less than
// copying the file out of it. The file must not be cut short while it is mapped.
class Dateiabbild {
public:
    // Maps all of `datei`, open for reading; bytes() is empty where the system cannot map it.
    // The thread keeps at most `vorsprung` bytes ahead of the reader.
    explicit Dateiabbild(QFile& datei, qint64 vorsprung = qint64(8) << 20);
    ~Dateiabbild(); // stops the thread and unmaps
    Dateiabbild(const Dateiabbild&) = delete;
    Dateiabbild& operator=(const Dateiabbild&) = delete;

    QByteArrayView bytes() const { return {m_anfang, m_groesse}; }
    bool ok() const { return m_anfang != nullptr; }

    // The reader has come to byte `stelle` and looks at nothing before it again. Cheap enough to
    // tell after every record: only every so often does it reach the thread and the system.
    void gelesenBis(qint64 stelle) {
        if (stelle >= m_naechsteMeldung) melden(stelle);
    }

private:
    void melden(qint64 stelle);
    // How often the reader tells its place: often enough that the thread never runs dry, and
    // the pages it has passed go back an eighth of the lead at a time.
    qint64 schritt() const { return m_vorsprung / 8; }
    void vorgreifen();

    QFile& m_datei;
    const char* m_anfang = nullptr;
    qint64 m_groesse = 0;
    const qint64 m_vorsprung;
    qint64 m_naechsteMeldung = 0;
    qint64 m_freigegeben = 0; // pages before this are given back
    std::mutex m_sperre;
    std::condition_variable m_signal;
    qint64 m_gelesen = 0; // the reader's last told place; under m_sperre
    bool m_halt = false;
    std::thread m_faden;
};
