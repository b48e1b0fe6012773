#include "shared/Tabellentext.h"

#include <QRegularExpression>

namespace tabellentext {

namespace {

// A plain negative number such as -3 or -2,5: a spreadsheet reads it as the number it is.
bool negativeZahl(const QString& s) {
    static const QRegularExpression zahl(QStringLiteral("^-[0-9]+([.,][0-9]+)?$"));
    return zahl.match(s).hasMatch();
}

// A field a spreadsheet would take for a formula: one beginning with =, +, -, @, or with a tab or
// CR, which it skips before it looks. A name in the data would otherwise run where it is opened.
bool formelartig(const QString& s) {
    if (s.isEmpty() || negativeZahl(s)) return false;
    const QChar c = s.front();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

QString feld(const QString& s) {
    // The quote before it makes the spreadsheet show the field as the text it is.
    const bool formel = formelartig(s);
    const bool quoten = formel || s.contains(u';') || s.contains(u'"') || s.contains(u'\n') ||
                        s.contains(u'\r') || s.startsWith(u' ') || s.endsWith(u' ');
    if (!quoten) return s;
    QString q = formel ? u'\'' + s : s;
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
