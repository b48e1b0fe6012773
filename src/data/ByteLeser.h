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

    quint8 u8();
    quint32 u32();
    qint32 i32() { return static_cast<qint32>(u32()); }
    // Pointer to n raw bytes, or null (and failed) when fewer remain.
    const char* bytes(qint64 n);

private:
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
