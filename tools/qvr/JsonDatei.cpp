#include "JsonDatei.h"

#include "QvrFehler.h"
#include "shared/Codepage1252.h"
#include "shared/Zeilendatei.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <cstdio>

namespace jsondatei {

QByteArray lesenRoh(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) ungueltig(pfad + QStringLiteral(": ") + f.errorString());
    return f.readAll();
}

QJsonObject lesen(const QString& pfad) {
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(lesenRoh(pfad), &e);
    if (e.error != QJsonParseError::NoError)
        ungueltig(QStringLiteral("%1: invalid JSON at byte %2: %3")
                      .arg(pfad)
                      .arg(e.offset)
                      .arg(e.errorString()));
    if (!d.isObject()) ungueltig(pfad + QStringLiteral(": the top level is not a JSON object"));
    return d.object();
}

void schreibenAtomar(const QString& pfad, const QByteArray& bytes) {
    if (const auto f = zeilendatei::atomarSpeichern(pfad, bytes)) ungueltig(f->meldung);
}

QByteArray text(const QJsonObject& o) {
    // JSON escapes C0 controls itself but passes DEL and C1 through, and a terminal acts on
    // C1 too (U+009D starts an operating system command); as \u escapes they read the same.
    const QByteArray json = QJsonDocument(o).toJson(QJsonDocument::Indented);
    QByteArray b;
    b.reserve(json.size());
    for (const char z : json) {
        const auto u = static_cast<unsigned char>(z);
        if (u == 0x7f) {
            b += "\\u007f";
        } else if (u >= 0x80 && u < 0xa0 && b.endsWith('\xc2')) {
            b.chop(1); // U+0080..U+009F are C2 80..C2 9F in UTF-8
            b += "\\u00" + QByteArray::number(u, 16);
        } else {
            b += z;
        }
    }
    return b;
}

void ausgeben(const QJsonObject& o) {
    const QByteArray b = text(o);
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
}

void Feld::fehler(const char* name, const QString& was) const {
    ungueltig(QStringLiteral("%1, field %2: %3").arg(m_wo, QLatin1String(name), was));
}

QString Feld::text(const char* name) const {
    const QJsonValue v = m_o.value(QLatin1String(name));
    if (v.isUndefined()) return {};
    if (!v.isString()) fehler(name, QStringLiteral("must be a string"));
    const QString s = v.toString();
    const qsizetype i = cp1252::firstUnencodable(s);
    if (i >= 0)
        fehler(name, QStringLiteral("the character \"%1\" at position %2 cannot be stored in "
                                    "Windows-1252")
                         .arg(s[i])
                         .arg(i + 1));
    return s;
}

qint64 Feld::ganz(const char* name, qint64 min, qint64 max) const {
    const QJsonValue v = m_o.value(QLatin1String(name));
    if (v.isUndefined()) return 0;
    const double d = v.toDouble(NAN);
    if (!v.isDouble() || d != std::floor(d) || d < double(min) || d > double(max))
        fehler(name, QStringLiteral("must be a whole number from %1 to %2").arg(min).arg(max));
    return static_cast<qint64>(d);
}

double Feld::zahl(const char* name) const {
    const QJsonValue v = m_o.value(QLatin1String(name));
    if (v.isUndefined()) return 0;
    if (!v.isDouble()) fehler(name, QStringLiteral("must be a number"));
    return v.toDouble();
}

std::vector<quint8> Feld::bytes(const char* name, qsizetype laenge) const {
    std::vector<quint8> out(static_cast<size_t>(laenge), 0);
    const QJsonValue v = m_o.value(QLatin1String(name));
    if (v.isUndefined()) return out;
    const QString soll =
        QStringLiteral("must be an array of %1 whole numbers from 0 to 255").arg(laenge);
    if (!v.isArray() || v.toArray().size() != laenge) fehler(name, soll);
    const QJsonArray a = v.toArray();
    for (qsizetype i = 0; i < laenge; ++i) {
        const double d = a[i].toDouble(-1);
        if (!a[i].isDouble() || d != std::floor(d) || d < 0 || d > 255) fehler(name, soll);
        out[static_cast<size_t>(i)] = static_cast<quint8>(d);
    }
    return out;
}

void Feld::nurBekannte(const std::vector<const char*>& namen) const {
    for (auto it = m_o.begin(); it != m_o.end(); ++it) {
        bool bekannt = false;
        for (const char* n : namen)
            bekannt = bekannt || it.key() == QLatin1String(n);
        if (!bekannt) ungueltig(QStringLiteral("%1: unknown field \"%2\"").arg(m_wo, it.key()));
    }
}

} // namespace jsondatei
