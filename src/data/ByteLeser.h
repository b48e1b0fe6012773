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
    // The bytes after the read position: what a caller may look at ahead of bytes() without
    // moving on.
    QByteArrayView zurHand() const { return {m_zeiger, m_ende - m_zeiger}; }
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
        if (m_ok && n >= 0 && n <= m_ende - m_zeiger) {
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

// Reads fields known to be present, with the same calls as ByteLeser: a record, or its fixed
// part, taken from the reader in one piece, so one template reads it either way.
struct Zeigerleser {
    const char* p;
    const char* ende; // of the bytes known to be present
    QByteArrayView zurHand() const { return {p, ende - p}; }
    quint8 u8() { return static_cast<quint8>(*p++); }
    quint32 u32() {
        const quint32 v = qFromLittleEndian<quint32>(p);
        p += 4;
        return v;
    }
    qint32 i32() { return static_cast<qint32>(u32()); }
    const char* bytes(qint64 n) {
        const char* q = p;
        p += n;
        return q;
    }
};

// The length of `felder` fields at p, each after its 32-bit length, or 0 when they run past the
// `da` bytes there. Walked on a pointer rather than through a reader, whose position would go
// through memory each time. A length too long shows at the next field's check or at the end:
// lengths of 32 bits cannot overflow their 64-bit sum.
inline qint64 feldkette(const char* p, qint64 da, int felder) {
    qint64 n = 0;
    for (int k = 0; k < felder; ++k) {
        if (da - n < 4) return 0;
        const quint32 laenge = qFromLittleEndian<quint32>(p + n);
        n += 4;
        if (laenge == 0) {
            // An empty text (most gloves have no extra text) is kept a branch, which the
            // processor predicts, so the next field's place need not wait for this length to be
            // read; the compiler would otherwise fold both ways into one addition of the length.
#if defined(__GNUC__)
            asm("" : "+r"(n));
#endif
            continue;
        }
        n += laenge;
    }
    return n <= da ? n : 0;
}

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
