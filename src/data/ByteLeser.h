#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Reads little-endian fields from a file's bytes with bounds checks. After the first read that
// runs past the end, every read fails and fehlerOffset() tells where the short field began.
class ByteLeser {
public:
    explicit ByteLeser(const QByteArray& bytes) : m_daten(bytes) {}

    qint64 position() const { return m_pos; }
    qint64 rest() const { return m_daten.size() - m_pos; }
    bool ok() const { return m_ok; }
    qint64 fehlerOffset() const { return m_fehlerOffset; }

    // Inline: the readers call these for every field of large files.
    quint8 u8() {
        const char* p = bytes(1);
        return p ? static_cast<quint8>(*p) : 0;
    }
    quint32 u32() {
        const char* p = bytes(4);
        if (!p) return 0;
        const auto* u = reinterpret_cast<const unsigned char*>(p);
        return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
    }
    qint32 i32() { return static_cast<qint32>(u32()); }
    // Pointer to n raw bytes, or null (and failed) when fewer remain.
    const char* bytes(qint64 n) {
        if (!m_ok || n < 0 || n > rest()) return fehlschlag();
        const char* p = m_daten.constData() + m_pos;
        m_pos += n;
        return p;
    }

private:
    const char* fehlschlag();

    const QByteArray& m_daten;
    qint64 m_pos = 0;
    bool m_ok = true;
    qint64 m_fehlerOffset = -1;
};

// Little-endian writer for the same formats.
class ByteSchreiber {
public:
    void u8(quint8 v) { m_daten.append(static_cast<char>(v)); }
    void u32(quint32 v);
    void i32(qint32 v) { u32(static_cast<quint32>(v)); }
    void bytes(const QByteArray& b) { m_daten.append(b); }
    QByteArray& daten() { return m_daten; }

private:
    QByteArray m_daten;
};
