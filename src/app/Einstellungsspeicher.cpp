#include "app/Einstellungsspeicher.h"

#include "texte/Meldung.h"

#include <QDir>

namespace {

// QSettings separates groups with "/", the registry with "\".
QString gruppe(const QString& schluessel) {
    QString g = schluessel;
    return g.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

TQSettingsSpeicher::TQSettingsSpeicher(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)) {}

std::unique_ptr<TQSettingsSpeicher> TQSettingsSpeicher::fuerBenutzer() {
#ifdef Q_OS_WIN
    auto s =
        std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
    auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         QStringLiteral("QVR"), QStringLiteral("Ardentix"));
#endif
    return std::make_unique<TQSettingsSpeicher>(std::move(s));
}

std::unique_ptr<TQSettingsSpeicher> TQSettingsSpeicher::inDatei(const QString& pfad) {
    return std::make_unique<TQSettingsSpeicher>(
        std::make_unique<QSettings>(pfad, QSettings::IniFormat));
}

bool TQSettingsSpeicher::vorhanden(const QString& schluessel) const {
    const QString g = gruppe(schluessel);
    const qsizetype schnitt = g.lastIndexOf(QLatin1Char('/'));
    m_settings->beginGroup(schnitt < 0 ? QString() : g.left(schnitt));
    const bool da = m_settings->childGroups().contains(g.mid(schnitt + 1));
    m_settings->endGroup();
    return da;
}

std::optional<QStringList> TQSettingsSpeicher::lesen(const QString& schluessel,
                                                     const QStringList& namen) const {
    // A damaged file still gives the lines that could be read; problem() says the rest.
    if (m_settings->status() == QSettings::AccessError) return std::nullopt;
    QStringList werte;
    m_settings->beginGroup(gruppe(schluessel));
    for (const QString& n : namen)
        werte.append(m_settings->value(n).toString());
    m_settings->endGroup();
    return werte;
}

void TQSettingsSpeicher::schreiben(const QString& schluessel, const QStringList& namen,
                                   const QStringList& werte) {
    m_settings->beginGroup(gruppe(schluessel));
    for (qsizetype i = 0; i < namen.size(); ++i)
        m_settings->setValue(namen[i], i < werte.size() ? werte[i] : QString());
    m_settings->endGroup();
    m_settings->sync();
}

void TQSettingsSpeicher::loeschen(const QString& schluessel) {
    m_settings->remove(gruppe(schluessel));
    m_settings->sync();
}

std::optional<QString> TQSettingsSpeicher::problem() const {
    const QString datei = QDir::toNativeSeparators(m_settings->fileName());
    switch (m_settings->status()) {
    case QSettings::AccessError:
        return Meldung{"einstellungen",
                       QT_TRANSLATE_NOOP("einstellungen",
                                         "The settings in %1 cannot be read or saved. Your "
                                         "entries are used now, but will be asked again at the "
                                         "next start."),
                       {datei}}
            .woerter();
    case QSettings::FormatError:
        return Meldung{"einstellungen",
                       QT_TRANSLATE_NOOP("einstellungen", "The settings file %1 is damaged; only "
                                                          "its readable lines are used."),
                       {datei}}
            .woerter();
    default:
        return std::nullopt;
    }
}
