#include "Seiten.h"

#include "JsonDatei.h"
#include "data/Permeation.h"
#include "data/Planfarbe.h"
#include "print/Produktbild.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>

namespace {

// Files compiled into the server: the favicon, the style sheet and the script.
std::optional<Antwort> eingebaut(const QByteArray& pfad) {
    static const struct {
        const char* pfad;
        const char* datei;
        const char* typ;
    } kDateien[] = {
        {"/favicon.png", ":/web/favicon.png", "image/png"},
        {"/favicon.ico", ":/web/favicon.png", "image/png"},
        {"/stil.css", ":/web/stil.css", "text/css; charset=utf-8"},
        {"/vorschlag.js", ":/web/vorschlag.js", "text/javascript; charset=utf-8"},
    };
    for (const auto& d : kDateien) {
        if (pfad != d.pfad) continue;
        QFile f(QString::fromLatin1(d.datei));
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        Antwort a;
        a.typ = d.typ;
        a.inhalt = f.readAll();
        a.unveraenderlich = true;
        return a;
    }
    return std::nullopt;
}

// "/product/1001" under "/product/": the rest, decoded once; nothing when it holds an encoded
// slash or backslash, which would only ever be an attempt to reach another folder.
std::optional<QString> rest(const QByteArray& pfad, const char* vorne) {
    if (!pfad.startsWith(vorne)) return std::nullopt;
    const QByteArray r = pfad.mid(qstrlen(vorne));
    const QByteArray klein = r.toLower();
    if (r.isEmpty() || klein.contains("%2f") || klein.contains("%5c")) return std::nullopt;
    return QUrl::fromPercentEncoding(r);
}

// The tints of the plan's swatches and of the result grid, as style classes: a page may hold no
// style of its own under the server's Content-Security-Policy.
Antwort farbenCss() {
    QSet<quint32> farben;
    for (int code = 0; code <= 25; ++code)
        farben.insert(planfarbe(code));
    for (const Zellart art : {Zellart::Gut, Zellart::Mittel, Zellart::Schwach, Zellart::Ungeeignet,
                              Zellart::Ungeprueft})
        farben.insert(zelltoenung(art));
    QByteArray css;
    for (const quint32 f : farben) {
        const QColor c = QColor::fromRgb(f);
        css += '.' + farbklasse(c).toLatin1() + "{background-color:" + c.name().toLatin1() + "}\n";
    }
    Antwort a;
    a.typ = "text/css; charset=utf-8";
    a.inhalt = css;
    a.unveraenderlich = true;
    return a;
}

Antwort bildAntwort(const QImage& bild) {
    Antwort a;
    QBuffer puffer(&a.inhalt);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    a.typ = "image/png";
    a.unveraenderlich = true;
    return a;
}

} // namespace

Webseiten::Webseiten(Datensaetze saetze, const QDir& plaene)
    : m_saetze(std::move(saetze)), m_plaene(plaene) {}

Antwort Webseiten::beantworten(const Anfrage& a) const {
    QString lang;
    bool gewaehlt = false;
    for (const auto& [name, wert] : a.abfrage)
        if (name == QLatin1String("lang")) {
            lang = wert;
            gewaehlt = true;
        }
    const Datensatz& d = datensatzFuer(m_saetze, lang, a.sprachen);
    // A lang no set speaks is no choice: the links then follow the browser again.
    gewaehlt = gewaehlt && d.sprache.compare(lang, Qt::CaseInsensitive) == 0;
    const Sprachwahl sprache(d);
    const Seitenkontext k{m_saetze, d, gewaehlt, a};
    if (a.abfrageLaenge > kHoechstensAbfrage)
        return fehlerseite(k, 400,
                           Webseite::tr("The address is too long: at most %1 bytes of options.")
                               .arg(kHoechstensAbfrage));
    if (auto datei = eingebaut(a.pfad)) return *datei;
    if (a.pfad == "/farben.css") return farbenCss();
    return seiteFuer(k, a.pfad);
}

Antwort Webseiten::seiteFuer(const Seitenkontext& k, const QByteArray& pfad) const {
    if (pfad == "/") return startseite(k, m_plaene);
    if (pfad == "/chemical") return chemieseite(k, false);
    if (pfad == "/pdf/chemical") return chemieseite(k, true);
    if (pfad == "/mechanical") return mechseite(k, false);
    if (pfad == "/pdf/mechanical") return mechseite(k, true);
    if (pfad == "/api/chem-search") return chemieApi(k);
    if (pfad == "/api/mech-search") return mechApi(k);
    if (pfad == "/api/substances") return stoffVorschlaege(k);
    if (const auto code = rest(pfad, "/product/")) return handschuhseite(k, *code, false);
    if (const auto code = rest(pfad, "/pdf/product/")) return handschuhseite(k, *code, true);
    if (const auto name = rest(pfad, "/plan/")) return planseite(k, m_plaene, *name, false);
    if (const auto name = rest(pfad, "/pdf/plan/")) return planseite(k, m_plaene, *name, true);
    if (const auto code = rest(pfad, "/picture/")) return produktbild(k, *code);
    if (const auto n = rest(pfad, "/pictogram/")) return piktogramm(k, *n);
    return fehlerseite(k, 404, Webseite::tr("There is no page at this address."));
}

std::variant<QStringList, Abgelehnt> optionen(const Anfrage& a, const QStringList& bekannt) {
    QStringList args;
    for (const auto& [name, wert] : a.abfrage) {
        if (name == QLatin1String("lang")) continue;
        if (!bekannt.contains(name))
            return Abgelehnt{Webseite::tr("Unknown option \"%1\"; this page knows: %2")
                                 .arg(name, bekannt.join(QStringLiteral(", ")))};
        args << QStringLiteral("--") + name << wert;
    }
    return args;
}

std::optional<QString> plandatei(const QDir& plaene, const QString& name) {
    if (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\') ||
        name.contains(u':'))
        return std::nullopt;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return std::nullopt;
    const QFileInfo datei(plaene.filePath(name + QStringLiteral(".PLN")));
    if (!datei.isFile()) return std::nullopt;
    // A link may stay inside the folder; one leading out names no plan of it.
    const QFileInfo ziel(datei.canonicalFilePath());
    if (ziel.canonicalPath() != QFileInfo(plaene.absolutePath()).canonicalFilePath())
        return std::nullopt;
    return datei.filePath();
}

QStringList planNamen(const QDir& plaene) {
    QStringList namen;
    const QStringList dateien =
        plaene.entryList({QStringLiteral("*.PLN")}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const QString& datei : dateien) {
        const QString name = datei.chopped(4);
        if (plandatei(plaene, name)) namen << name;
    }
    return namen;
}

Antwort jsonAntwort(const QJsonObject& o, int status) {
    Antwort a;
    a.status = status;
    a.typ = "application/json";
    a.inhalt = jsondatei::text(o);
    return a;
}

Antwort pdfAntwort(const Seitenkontext& k, const std::optional<QByteArray>& pdf,
                   const QString& dateiname) {
    if (!pdf) return fehlerseite(k, 500, Webseite::tr("The printout could not be produced."));
    Antwort a;
    a.typ = "application/pdf";
    a.inhalt = *pdf;
    a.dateiname = dateiname.toUtf8();
    return a;
}

QString produktbildTag(const Seitenkontext& k, const THandschuh& h, const QString& alt) {
    const QString datei = h.Bilddatei();
    if (datei.isEmpty() ||
        !QFileInfo(QDir(bilderVerzeichnis(k.d.verzeichnis)).filePath(datei)).isFile())
        return {};
    return QStringLiteral("<img class=\"produkt\" src=\"/picture/%1\" alt=\"%2\">")
        .arg(QString::number(h.Nummer), html::e(alt));
}

QString farbklasse(const QColor& farbe) {
    return QStringLiteral("f-") + farbe.name().mid(1);
}

Antwort produktbild(const Seitenkontext& k, const QString& code) {
    bool zahl = false;
    const THandschuh* h = k.d.katalog.finde(code.toInt(&zahl));
    const QImage bild = zahl && h ? produktbildLesen(bilderVerzeichnis(k.d.verzeichnis),
                                                     h->Bilddatei(), QSize(480, 480))
                                  : QImage();
    if (bild.isNull()) return fehlerseite(k, 404, Webseite::tr("There is no such picture."));
    return bildAntwort(bild);
}

Antwort piktogramm(const Seitenkontext& k, const QString& nummer) {
    bool zahl = false;
    const int n = nummer.toInt(&zahl);
    const QImage bild = zahl && n >= 0 && n < 100
                            ? piktogrammLesen(bilderVerzeichnis(k.d.verzeichnis), n)
                            : QImage();
    if (bild.isNull()) return fehlerseite(k, 404, Webseite::tr("There is no such picture."));
    return bildAntwort(bild);
}
