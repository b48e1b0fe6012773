#include "Datensatz.h"

#include "QvrFehler.h"
#include "Werkzeug.h"
#include "data/Datendateien.h"
#include "texte/Sprachmodul.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>

#include <algorithm>

namespace {

const QLocale kEnglisch(QLocale::English, QLocale::UnitedKingdom);

std::unique_ptr<Datensatz> laden(const QString& verzeichnis, const QString& programmDatei) {
    auto d = std::make_unique<Datensatz>();
    d->verzeichnis = QDir(verzeichnis).absolutePath();
    katalogLaden(d->katalog, verzeichnis);
    const QString tab = QDir(verzeichnis).filePath(datendatei::stofftabelle());
    if (!QFile::exists(tab)) ungueltig(tab + QStringLiteral(": the substance table is missing"));
    if (const auto f = d->stoffe.Laden(tab)) ungueltig(f->meldung());
    d->locale = kEnglisch;
    const QString modul = sprachmodul::dateiFuerDaten(programmDatei, verzeichnis);
    if (!modul.isEmpty()) {
        d->modul = std::make_unique<QTranslator>();
        if (!d->modul->load(modul, QString(), QString(), QLatin1String("")))
            ungueltig(QDir::toNativeSeparators(modul) + QStringLiteral(": cannot be read"));
        d->locale = QLocale(d->modul->language());
        d->qt = std::make_unique<QTranslator>();
        if (!d->qt->load(d->locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            d->qt.reset();
    }
    d->sprache = QLocale::languageToCode(d->locale.language(), QLocale::ISO639Part1);
    return d;
}

} // namespace

Datensaetze datensaetzeLaden(const QStringList& verzeichnisse, const QString& programmDatei) {
    Datensaetze saetze;
    for (const QString& v : verzeichnisse) {
        auto d = laden(v, programmDatei);
        for (const auto& andere : saetze)
            if (andere->sprache == d->sprache)
                falscheBenutzung(QStringLiteral("%1 and %2 are both data sets of language \"%3\"")
                                     .arg(QDir::toNativeSeparators(andere->verzeichnis),
                                          QDir::toNativeSeparators(d->verzeichnis), d->sprache));
        saetze.push_back(std::move(d));
    }
    return saetze;
}

const Datensatz& datensatzFuer(const Datensaetze& saetze, const QString& lang,
                               const QByteArray& acceptLanguage) {
    const auto spricht = [&saetze](const QString& sprache) -> const Datensatz* {
        for (const auto& d : saetze)
            if (d->sprache.compare(sprache, Qt::CaseInsensitive) == 0) return d.get();
        return nullptr;
    };
    if (const Datensatz* d = spricht(lang)) return *d;
    // "de-CH, de;q=0.9, en;q=0.8": the highest weight first, equal weights in the order given.
    struct Wunsch {
        QString sprache;
        double gewicht;
    };
    std::vector<Wunsch> wuensche;
    for (const QByteArray& teil : acceptLanguage.split(',')) {
        const QList<QByteArray> stuecke = teil.split(';');
        double gewicht = 1.0;
        for (qsizetype i = 1; i < stuecke.size(); ++i) {
            const QByteArray p = stuecke[i].trimmed();
            if (!p.startsWith("q=")) continue;
            bool ok = false;
            gewicht = p.mid(2).toDouble(&ok);
            if (!ok) gewicht = 0;
        }
        const QString sprache = QString::fromLatin1(stuecke[0].trimmed()).section(u'-', 0, 0);
        if (gewicht > 0 && !sprache.isEmpty()) wuensche.push_back({sprache, gewicht});
    }
    std::stable_sort(wuensche.begin(), wuensche.end(),
                     [](const Wunsch& a, const Wunsch& b) { return a.gewicht > b.gewicht; });
    for (const Wunsch& w : wuensche)
        if (const Datensatz* d = spricht(w.sprache)) return *d;
    return *saetze.front();
}

Sprachwahl::Sprachwahl(const Datensatz& d) : m_d(d) {
    if (d.modul) QCoreApplication::installTranslator(d.modul.get());
    if (d.qt) QCoreApplication::installTranslator(d.qt.get());
    QLocale::setDefault(d.locale);
}

Sprachwahl::~Sprachwahl() {
    if (m_d.qt) QCoreApplication::removeTranslator(m_d.qt.get());
    if (m_d.modul) QCoreApplication::removeTranslator(m_d.modul.get());
    QLocale::setDefault(kEnglisch);
}
