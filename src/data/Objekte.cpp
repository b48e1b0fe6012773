#include "data/Objekte.h"

#include "shared/Codepage1252.h"

#include <QtEndian>

namespace {

// Eight empty texts: the block of a glove that was never given one.
constexpr char kLeererBlock[kTextfelder * 4] = {};

} // namespace

const char* THandschuh::block() const {
    return m_fremd ? m_fremd : m_eigen.isEmpty() ? kLeererBlock : m_eigen.constData();
}

QByteArrayView THandschuh::textblock() const {
    // The block was checked whole when it was read or built, so its lengths can be trusted.
    const char* p = block();
    qsizetype ende = 0;
    for (int k = 0; k < kTextfelder; ++k)
        ende += 4 + qFromLittleEndian<quint32>(p + ende);
    return QByteArrayView(p, ende);
}

QByteArrayView THandschuh::rohtext(Textfeld f) const {
    const char* p = block();
    for (int k = 0; k < static_cast<int>(f); ++k)
        p += 4 + qFromLittleEndian<quint32>(p);
    return QByteArrayView(p + 4, qFromLittleEndian<quint32>(p));
}

QString THandschuh::text(Textfeld f) const {
    const QByteArrayView b = rohtext(f);
    return cp1252::decode(b.data(), b.size());
}

void THandschuh::setzeText(Textfeld f, const QString& text) {
    // Rebuilt whole into a block of its own, so no old text lingers in it.
    QByteArray neu;
    for (int k = 0; k < kTextfelder; ++k) {
        const QByteArray b = k == static_cast<int>(f)
                                 ? cp1252::encode(text)
                                 : rohtext(static_cast<Textfeld>(k)).toByteArray();
        char laenge[4];
        qToLittleEndian<quint32>(static_cast<quint32>(b.size()), laenge);
        neu.append(laenge, 4).append(b);
    }
    m_eigen = neu;
    m_fremd = nullptr;
}

std::optional<int> kaeltestufe(quint8 wert) {
    if (wert == KaelteNichtGeprueft) return KaelteX;
    if (wert == KaelteStufeNull) return 0;
    if (wert <= 4) return wert + 1;
    return std::nullopt;
}
