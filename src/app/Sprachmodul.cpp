#include "app/Sprachmodul.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTranslator>

namespace sprachmodul {
namespace {

// Where Windows does not follow "language code + first letter of the country", or where the
// language's home country does not carry the ISO 639-2 code.
const QHash<QString, QString>& ausnahmen() {
    static const QHash<QString, QString> t = {
        {QStringLiteral("en_US"), QStringLiteral("ENU")},
        {QStringLiteral("de_CH"), QStringLiteral("DES")},
        {QStringLiteral("de_LI"), QStringLiteral("DEC")},
        {QStringLiteral("fr_CH"), QStringLiteral("FRS")},
        {QStringLiteral("it_CH"), QStringLiteral("ITS")},
        {QStringLiteral("es_ES"), QStringLiteral("ESN")},
        {QStringLiteral("es_AR"), QStringLiteral("ESS")},
        {QStringLiteral("pt_BR"), QStringLiteral("PTB")},
        {QStringLiteral("pt_PT"), QStringLiteral("PTG")},
        {QStringLiteral("sv_SE"), QStringLiteral("SVE")},
        {QStringLiteral("nb_NO"), QStringLiteral("NOR")},
        {QStringLiteral("nn_NO"), QStringLiteral("NON")},
        {QStringLiteral("pl_PL"), QStringLiteral("PLK")},
        {QStringLiteral("cs_CZ"), QStringLiteral("CSY")},
        {QStringLiteral("sk_SK"), QStringLiteral("SKY")},
        {QStringLiteral("tr_TR"), QStringLiteral("TRK")},
        {QStringLiteral("zh_CN"), QStringLiteral("CHS")},
        {QStringLiteral("zh_TW"), QStringLiteral("CHT")},
        {QStringLiteral("ro_RO"), QStringLiteral("ROM")},
        {QStringLiteral("bg_BG"), QStringLiteral("BGR")},
        {QStringLiteral("et_EE"), QStringLiteral("ETI")},
        {QStringLiteral("lv_LV"), QStringLiteral("LVI")},
        {QStringLiteral("lt_LT"), QStringLiteral("LTH")},
        {QStringLiteral("en_ZA"), QStringLiteral("ENS")},
        {QStringLiteral("en_IE"), QStringLiteral("ENI")},
        {QStringLiteral("ar_SA"), QStringLiteral("ARA")},
    };
    return t;
}

} // namespace

QString abkuerzung(const QLocale& locale) {
    // Without a language (the "C" locale of a bare system) the program's own English applies.
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return QStringLiteral("ENU");
    const QString sprache = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
    const QString land = QLocale::territoryToCode(locale.territory());
    const QString name = sprache + QLatin1Char('_') + land;
    if (const auto it = ausnahmen().constFind(name); it != ausnahmen().cend()) return *it;
    // In the language's home country Windows uses the three-letter language code.
    const QString lang3 = QLocale::languageToCode(locale.language(), QLocale::ISO639Part2T);
    if (land.isEmpty() || QLocale(locale.language()).territory() == locale.territory())
        return (sprache.size() == 2 && lang3.size() == 3 ? lang3 : sprache + sprache.right(1))
            .toUpper();
    return (sprache + land.left(1)).toUpper();
}

QString datei(const QString& programmDatei, const QLocale& locale) {
    const QFileInfo programm(programmDatei);
    const QString basis =
        programm.absoluteDir().filePath(programm.completeBaseName()) + QLatin1Char('.');
    const QString abk = abkuerzung(locale);
    for (const QString& endung : {abk, abk.left(2)}) {
        if (QFileInfo(basis + endung).isFile()) return basis + endung;
    }
    return {};
}

bool waehlen(QCoreApplication& app, const QString& programmDatei, const QLocale& locale) {
    const QString pfad = datei(programmDatei, locale);
    if (pfad.isEmpty()) return false;
    auto* modul = new QTranslator(&app);
    // An empty suffix, so exactly this file is read and not a ".qm" beside it.
    if (!modul->load(pfad, QString(), QString(), QLatin1String(""))) {
        delete modul;
        return false;
    }
    return QCoreApplication::installTranslator(modul);
}

} // namespace sprachmodul
