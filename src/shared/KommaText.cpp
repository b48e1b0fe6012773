#include "shared/KommaText.h"

namespace kommatext {
namespace {

bool istLeerOderSteuer(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool brauchtAnfuehrung(const QString& zeile) {
    for (QChar c : zeile)
        if (istLeerOderSteuer(c) || c == u'"' || c == u',') return true;
    return false;
}

} // namespace

QString schreiben(const QStringList& zeilen) {
    if (zeilen.isEmpty()) return {};
    if (zeilen.size() == 1 && zeilen.front().isEmpty()) return QStringLiteral("\"\"");
    QString out;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (i > 0) out += u',';
        const QString& z = zeilen[i];
        if (brauchtAnfuehrung(z)) {
            out += u'"';
            out += QString(z).replace(u'"', QStringLiteral("\"\""));
            out += u'"';
        } else {
            out += z;
        }
    }
    return out;
}

QStringList lesen(const QString& text, bool* mehr) {
    QStringList zeilen;
    if (mehr) *mehr = false;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto ueberspringen = [&] {
        while (i < n && istLeerOderSteuer(text[i]))
            ++i;
    };
    ueberspringen();
    while (i < n) {
        if (zeilen.size() == kHoechstensZeilen) {
            if (mehr) *mehr = true;
            break;
        }
        QString item;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i; // closing quote
                    break;
                }
                item += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && !istLeerOderSteuer(text[i]) && text[i] != u',')
                ++i;
            item = text.mid(start, i - start);
        }
        zeilen.append(item);
        ueberspringen();
        if (i < n && text[i] == u',') {
            ++i;
            ueberspringen();
        }
    }
    return zeilen;
}

} // namespace kommatext
