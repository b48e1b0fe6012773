#include "texte/Sprachmodul.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QRegularExpression>
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

// The numbered text that names a language's data directory (a name, not a text to translate
// here, so lupdate does not list it twice).
constexpr char kDatenverzeichnisText[] = "10180";

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
    return datei(programmDatei, abkuerzung(locale));
}

QString datei(const QString& programmDatei, const QString& abkuerzung) {
    const QFileInfo programm(programmDatei);
    const QString basis =
        programm.absoluteDir().filePath(programm.completeBaseName()) + QLatin1Char('.');
    const QString abk = abkuerzung.toUpper();
    for (const QString& endung : {abk, abk.left(2)}) {
        if (QFileInfo(basis + endung).isFile()) return basis + endung;
    }
    return {};
}

QString dateiFuerDaten(const QString& programmDatei, const QString& datenVerzeichnis) {
    const QString daten = QFileInfo(QDir(datenVerzeichnis).absolutePath()).fileName();
    const QFileInfo programm(programmDatei);
    const QDir ordner = programm.absoluteDir();
    // Only "<program>.<two or three capitals>" is a module; the program's own files are not.
    static const QRegularExpression endung(QStringLiteral("^[A-Z]{2,3}$"));
    const QStringList namen = ordner.entryList({programm.completeBaseName() + QStringLiteral(".*")},
                                               QDir::Files, QDir::Name);
    for (const QString& name : namen) {
        if (!endung.match(QFileInfo(name).suffix()).hasMatch()) continue;
        QTranslator modul;
        if (!modul.load(ordner.filePath(name), QString(), QString(), QLatin1String(""))) continue;
        // Data directories are compared as Windows compares file names.
        if (modul.translate("Texte", kDatenverzeichnisText).compare(daten, Qt::CaseInsensitive) ==
            0)
            return ordner.filePath(name);
    }
    return {};
}

bool laden(QCoreApplication& app, const QString& pfad) {
    auto* modul = new QTranslator(&app);
    // An empty suffix, so exactly this file is read and not a ".qm" beside it.
    if (!modul->load(pfad, QString(), QString(), QLatin1String("")) ||
        !QCoreApplication::installTranslator(modul)) {
        delete modul;
        return false;
    }
    // Qt's own dialogs follow the module, not the locale, so a window never mixes languages;
    // where Qt has no translation of that language they stay English.
    if (modul->language().isEmpty()) return true;
    // Pictures that carry words (the resources marked with a language) and dates follow the
    // module too.
    QLocale::setDefault(QLocale(modul->language()));
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(modul->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

QLocale gebietsschema(const QLocale& system, QLocale::Language sprache) {
    return system.language() == sprache ? system : QLocale(sprache);
}

bool waehlen(QCoreApplication& app, const QString& programmDatei, const QLocale& locale) {
    const QString pfad = datei(programmDatei, locale);
    const bool geladen = !pfad.isEmpty() && laden(app, pfad);
    // laden() made the module's language the default; without a module the texts are English.
    QLocale::setDefault(gebietsschema(locale, geladen ? QLocale().language() : QLocale::English));
    return geladen;
}

} // namespace sprachmodul
