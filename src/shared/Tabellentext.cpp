#include "shared/Tabellentext.h"

namespace tabellentext {

namespace {

QString feld(const QString& s) {
    const bool quoten = s.contains(u';') || s.contains(u'"') || s.contains(u'\n') ||
                        s.contains(u'\r') || s.startsWith(u' ') || s.endsWith(u' ');
    if (!quoten) return s;
    QString q = s;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace

QByteArray csv(const QList<QStringList>& zeilen) {
    QString text;
    for (const QStringList& zeile : zeilen) {
        for (qsizetype i = 0; i < zeile.size(); ++i) {
            if (i > 0) text += u';';
            text += feld(zeile[i]);
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace tabellentext
