#include "shared/Sichtbar.h"

QString sichtbar(const QString& s) {
    QString aus;
    aus.reserve(s.size());
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            aus += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            aus += c;
    }
    return aus;
}

QString zitat(const QString& zeile) {
    constexpr qsizetype kHoechstens = 200;
    if (zeile.size() <= kHoechstens) return sichtbar(zeile);
    return sichtbar(zeile.left(kHoechstens)) + QStringLiteral("...");
}
