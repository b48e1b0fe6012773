#include "Html.h"

#include "texte/Texte.h"

#include <QUrl>

namespace html {

QString e(const QString& s) {
    QString r;
    r.reserve(s.size() + s.size() / 8);
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '&':
            r += QLatin1String("&amp;");
            break;
        case '<':
            r += QLatin1String("&lt;");
            break;
        case '>':
            r += QLatin1String("&gt;");
            break;
        case '"':
            r += QLatin1String("&quot;");
            break;
        case '\'':
            r += QLatin1String("&#39;");
            break;
        default:
            // Control characters from a damaged file would only garble the page.
            r += c.unicode() < 0x20 && c != u'\n' && c != u'\t' ? QChar(0xfffd) : c;
        }
    }
    return r;
}

} // namespace html

namespace {

QString sprachname(const Datensatz& d) {
    if (d.sprache == QLatin1String("en")) return QStringLiteral("English");
    QString n = QLocale(d.locale.language()).nativeLanguageName();
    if (!n.isEmpty()) n[0] = n[0].toUpper();
    return n;
}

// The same address in another language: the request's path and query with lang replaced.
QString inSprache(const Anfrage& a, const QString& sprache) {
    QUrlQuery q;
    for (const auto& [name, wert] : a.abfrage)
        if (name != QLatin1String("lang")) q.addQueryItem(name, wert);
    q.addQueryItem(QStringLiteral("lang"), sprache);
    return QString::fromUtf8(a.pfad) + u'?' + q.toString(QUrl::FullyEncoded);
}

} // namespace

QString Seitenkontext::verweis(const QString& pfad, QUrlQuery abfrage) const {
    if (sprachGewaehlt) abfrage.addQueryItem(QStringLiteral("lang"), d.sprache);
    const QString q = abfrage.toString(QUrl::FullyEncoded);
    return html::e(q.isEmpty() ? pfad : pfad + u'?' + q);
}

QString Seitenkontext::sprachfeld() const {
    return sprachGewaehlt ? QStringLiteral("<input type=\"hidden\" name=\"lang\" value=\"%1\">\n")
                                .arg(d.sprache)
                          : QString();
}

Antwort seite(const Seitenkontext& k, const QString& titel, const QString& inhalt, int status) {
    QString sprachen;
    for (const auto& s : k.saetze) {
        const QString name = html::e(sprachname(*s));
        sprachen += s.get() == &k.d
                        ? QStringLiteral("<li><span aria-current=\"true\">%1</span></li>").arg(name)
                        : QStringLiteral("<li><a href=\"%1\" hreflang=\"%2\" lang=\"%2\">%3</a>"
                                         "</li>")
                              .arg(html::e(inSprache(k.anfrage, s->sprache)), s->sprache, name);
    }
    const QString menue =
        QStringLiteral("<li><a href=\"%1\">%2</a></li><li><a href=\"%3\">%4</a></li>"
                       "<li><a href=\"%5\">%6</a></li><li><a href=\"%7\">%8</a></li>")
            .arg(k.verweis(QStringLiteral("/chemical")),
                 html::e(QCoreApplication::translate("TForm1", "Search for Chemical Protection")),
                 k.verweis(QStringLiteral("/mechanical")),
                 html::e(QCoreApplication::translate("TForm1", "Search for Mechanical Protection")),
                 k.verweis(QStringLiteral("/")) + QStringLiteral("#katalog"),
                 html::e(Webseite::tr("Catalogue")),
                 k.verweis(QStringLiteral("/")) + QStringLiteral("#plaene"),
                 html::e(Webseite::tr("Glove plans")));
    const QString hersteller =
        html::e(QStringList{texte::text(10027), texte::text(10028), texte::text(10029)}.join(
            QStringLiteral(" · ")));
    // Joined rather than filled in with arg(), so a "%1" in a page's text stays as it is.
    const QString doc =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"") + k.d.sprache +
        QStringLiteral("\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>") +
        html::e(titel) +
        QStringLiteral(" – Ardentix</title>\n"
                       "<link rel=\"icon\" type=\"image/png\" href=\"/favicon.png\">\n"
                       "<link rel=\"stylesheet\" href=\"/stil.css\">\n"
                       "<link rel=\"stylesheet\" href=\"/farben.css\">\n"
                       "<script src=\"/vorschlag.js\" defer></script>\n</head>\n<body>\n"
                       "<a class=\"sprung\" href=\"#inhalt\">") +
        html::e(Webseite::tr("Skip to content")) +
        QStringLiteral("</a>\n<header class=\"kopf\"><a class=\"marke\" href=\"") +
        k.verweis(QStringLiteral("/")) + QStringLiteral("\">Ardentix</a>\n<nav aria-label=\"") +
        html::e(Webseite::tr("Language")) + QStringLiteral("\"><ul class=\"sprachen\">") +
        sprachen + QStringLiteral("</ul></nav></header>\n<nav class=\"menue\" aria-label=\"") +
        html::e(Webseite::tr("Main menu")) + QStringLiteral("\"><ul>") + menue +
        QStringLiteral("</ul></nav>\n<main id=\"inhalt\">\n<h1>") + html::e(titel) +
        QStringLiteral("</h1>\n") + inhalt + QStringLiteral("</main>\n<footer class=\"fuss\"><p>") +
        hersteller + QStringLiteral("</p></footer>\n</body>\n</html>\n");
    Antwort a;
    a.status = status;
    a.inhalt = doc.toUtf8();
    return a;
}

Antwort fehlerseite(const Seitenkontext& k, int status, const QString& meldung) {
    const QString titel = status == 404   ? Webseite::tr("Not found")
                          : status == 400 ? Webseite::tr("Bad request")
                                          : texte::text(10015);
    return seite(k, titel,
                 QStringLiteral("<p class=\"meldung\" role=\"alert\">%1</p>\n"
                                "<p><a href=\"%2\">%3</a></p>\n")
                     .arg(html::e(meldung), k.verweis(QStringLiteral("/")),
                          html::e(Webseite::tr("To the start page"))),
                 status);
}
