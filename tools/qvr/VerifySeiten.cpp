// The information pages: the eight pages exist, their local links, anchors and pictures
// resolve, their links to program functions are ones the program knows, and their marking
// examples agree with the gloves they name.
#include "Verify.h"

#include "data/Produktliste.h"
#include "shared/Codepage1252.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>

#include <map>
#include <set>

namespace pruefung {
namespace {

const char16_t* const kSeiten[] = {u"Einführung.htm", u"QVR-Info.htm",    u"AnleitungEinf.htm",
                                   u"Vertrieb.htm",   u"LederNitril.htm", u"QVRKonzept.htm",
                                   u"HSKonzept.htm",  u"ABC.htm"};

// Links the main window handles itself; the product ones open the glove of that name.
const std::map<QString, QString> kFunktionen = {
    {QStringLiteral("but-hotline"), {}},
    {QStringLiteral("but-suche"), {}},
    {QStringLiteral("but-velto"), QStringLiteral("Velto")},
    {QStringLiteral("but-marnix"), QStringLiteral("Marnix")},
    {QStringLiteral("but-plexon"), QStringLiteral("Plexon")},
};

// A page larger than this is no information page; it is reported rather than read.
constexpr qint64 kMaxSeite = 8 * 1024 * 1024;

QString entitaetenAufloesen(const QString& s) {
    static const QHash<QString, QChar> namen = {
        {QStringLiteral("amp"), u'&'},       {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},        {QStringLiteral("quot"), u'"'},
        {QStringLiteral("apos"), u'\''},     {QStringLiteral("auml"), u'ä'},
        {QStringLiteral("ouml"), u'ö'},      {QStringLiteral("uuml"), u'ü'},
        {QStringLiteral("Auml"), u'Ä'},      {QStringLiteral("Ouml"), u'Ö'},
        {QStringLiteral("Uuml"), u'Ü'},      {QStringLiteral("szlig"), u'ß'},
        {QStringLiteral("eacute"), u'é'},    {QStringLiteral("egrave"), u'è'},
        {QStringLiteral("nbsp"), u'\u00a0'}, {QStringLiteral("middot"), u'\u00b7'},
    };
    static const QRegularExpression entitaet(
        QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|[a-zA-Z]+);"));
    QString aus;
    qsizetype pos = 0;
    for (auto it = entitaet.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        aus += s.mid(pos, m.capturedStart() - pos);
        const QString e = m.captured(1);
        bool ok = false;
        const uint code = e.startsWith(QLatin1String("#x")) ? e.mid(2).toUInt(&ok, 16)
                          : e.startsWith(QLatin1Char('#'))  ? e.mid(1).toUInt(&ok, 10)
                                                            : 0;
        if (ok && code > 0 && code < 0x110000)
            aus += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        else if (namen.contains(e))
            aus += namen.value(e);
        else
            aus += m.captured(0);
        pos = m.capturedEnd();
    }
    return aus + s.mid(pos);
}

// The values of the named attributes (href, src, name, id) in a page, entities resolved.
QStringList attribute(const QString& seite, const QString& namen) {
    const QRegularExpression muster(
        QStringLiteral("\\b(?:%1)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>\"']+))").arg(namen),
        QRegularExpression::CaseInsensitiveOption);
    QStringList werte;
    for (auto it = muster.globalMatch(seite); it.hasNext();) {
        const auto m = it.next();
        const QString roh = m.captured(1) + m.captured(2) + m.captured(3);
        werte << entitaetenAufloesen(roh);
    }
    return werte;
}

// The text of each element of class "marking", tags removed and entities resolved.
QStringList kennzeichnungen(const QString& seite) {
    static const QRegularExpression element(
        QStringLiteral("<(\\w+)[^>]*\\bclass\\s*=\\s*[\"']?marking\\b[^>]*>(.*?)</\\1\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList texte;
    for (auto it = element.globalMatch(seite); it.hasNext();)
        texte << entitaetenAufloesen(QString(it.next().captured(2)).remove(tag)).simplified();
    return texte;
}

class Seitenpruefung {
public:
    Seitenpruefung(const QDir& html, const TProduktliste* katalog, const TStoffliste* tabelle,
                   QStringList& probleme)
        : m_html(html), m_katalog(katalog), m_tabelle(tabelle), m_probleme(probleme) {}

    void pruefen(const QString& name) {
        const auto text = lesen(name);
        if (!text) return;
        const QString wo = QStringLiteral("HTML/") + name;
        for (const QString& ziel : attribute(*text, QStringLiteral("href")))
            link(wo, name, ziel);
        for (const QString& bild : attribute(*text, QStringLiteral("src")))
            if (!QFileInfo::exists(m_html.filePath(QUrl::fromPercentEncoding(bild.toUtf8()))))
                m_probleme << wo + QStringLiteral(": picture \"%1\" is missing").arg(bild);
        if (m_katalog)
            for (const QString& k : kennzeichnungen(*text))
                kennzeichnung(wo, k, *m_katalog, m_tabelle, m_probleme);
    }

private:
    std::optional<QString> lesen(const QString& name) {
        QFile datei(m_html.filePath(name));
        if (!datei.open(QIODevice::ReadOnly)) {
            m_probleme << QStringLiteral("HTML/%1: missing or unreadable").arg(name);
            return std::nullopt;
        }
        if (datei.size() > kMaxSeite) {
            m_probleme << QStringLiteral("HTML/%1: %2 bytes is too large for a page")
                              .arg(name)
                              .arg(datei.size());
            return std::nullopt;
        }
        return cp1252::decode(datei.readAll());
    }

    const std::set<QString>& anker(const QString& name) {
        auto it = m_anker.find(name);
        if (it == m_anker.end()) {
            std::set<QString> a;
            QFile datei(m_html.filePath(name));
            if (datei.open(QIODevice::ReadOnly) && datei.size() <= kMaxSeite)
                for (const QString& n :
                     attribute(cp1252::decode(datei.readAll()), QStringLiteral("name|id")))
                    a.insert(n);
            it = m_anker.emplace(name, std::move(a)).first;
        }
        return it->second;
    }

    void link(const QString& wo, const QString& seite, const QString& ziel) {
        static const QRegularExpression schema(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]+:"));
        if (ziel.startsWith(QLatin1String("but-"))) {
            const auto f = kFunktionen.find(ziel);
            if (f == kFunktionen.end())
                m_probleme
                    << wo + QStringLiteral(": \"%1\" is no function of the program").arg(ziel);
            else if (!f->second.isEmpty() && m_katalog && !hatGlove(f->second))
                m_probleme << wo +
                                  QStringLiteral(": \"%1\" needs a glove named %2 in the catalogue")
                                      .arg(ziel, f->second);
            return;
        }
        if (schema.match(ziel).hasMatch()) return; // web and mail addresses go to the system
        const qsizetype raute = ziel.indexOf(QLatin1Char('#'));
        const QString datei =
            QUrl::fromPercentEncoding(ziel.left(raute < 0 ? ziel.size() : raute).toUtf8());
        const QString marke = raute < 0 ? QString() : ziel.mid(raute + 1);
        const QString zielseite = datei.isEmpty() ? seite : datei;
        if (!QFileInfo::exists(m_html.filePath(zielseite))) {
            m_probleme << wo + QStringLiteral(": link target \"%1\" is missing").arg(ziel);
            return;
        }
        const bool istSeite = zielseite.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
                              zielseite.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
        if (!marke.isEmpty() && istSeite && anker(zielseite).count(marke) == 0)
            m_probleme
                << wo + QStringLiteral(": anchor \"%1\" not found in %2").arg(marke, zielseite);
    }

    bool hatGlove(const QString& name) const {
        for (qsizetype i = 0; i < m_katalog->size(); ++i)
            if (m_katalog->at(i).Name() == name) return true;
        return false;
    }

    QDir m_html;
    const TProduktliste* m_katalog;
    const TStoffliste* m_tabelle;
    QStringList& m_probleme;
    std::map<QString, std::set<QString>> m_anker;
};

} // namespace

QStringList seitenNamen() {
    QStringList namen;
    for (const char16_t* name : kSeiten)
        namen << QString::fromUtf16(name);
    return namen;
}

QStringList seitenVerweise(const QDir& dir, const QString& name) {
    QFile datei(QDir(dir.filePath(QStringLiteral("HTML"))).filePath(name));
    if (!datei.open(QIODevice::ReadOnly) || datei.size() > kMaxSeite) return {};
    QStringList verweise = attribute(cp1252::decode(datei.readAll()), QStringLiteral("href|src"));
    verweise.removeDuplicates();
    return verweise;
}

void seiten(const QDir& dir, const TProduktliste* katalog, const TStoffliste* tabelle,
            QStringList& probleme) {
    const QDir html(dir.filePath(QStringLiteral("HTML")));
    Seitenpruefung pruefung(html, katalog, tabelle, probleme);
    for (const QString& name : seitenNamen())
        pruefung.pruefen(name);
}

} // namespace pruefung
