#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

// Reads little-endian fields with bounds checks from bytes in memory. After the first read that
// runs past the end, every read fails and fehlerOffset() tells where the short field began.
class ByteLeser {
public:
    explicit ByteLeser(QByteArrayView bytes)
        : m_anfang(bytes.data()), m_zeiger(m_anfang), m_ende(m_anfang + bytes.size()) {}

    qint64 position() const { return m_zeiger - m_anfang; }
    qint64 rest() const { return m_ende - m_zeiger; }
    bool ok() const { return m_ok; }
    qint64 fehlerOffset() const { return m_fehlerOffset; }

    // Inline: the readers call these for every field of large files.
    quint8 u8() {
        const char* p = bytes(1);
        return p ? static_cast<quint8>(*p) : 0;
    }
    quint32 u32() {
        const char* p = bytes(4);
        return p ? qFromLittleEndian<quint32>(p) : 0;
    }
    qint32 i32() { return static_cast<qint32>(u32()); }
    // Pointer to n raw bytes, or null (and failed) when fewer remain.
    const char* bytes(qint64 n) {
        if (m_ok && n >= 0 && n <= rest()) {
            const char* p = m_zeiger;
            m_zeiger += n;
            return p;
        }
        return fehlschlag();
    }

private:
    const char* fehlschlag();

    const char* m_anfang; // the bytes: [m_anfang, m_ende), read up to m_zeiger
    const char* m_zeiger;
    const char* m_ende;
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
