#pragma once

#include "shared/Einstellungen.h"

#include <QSettings>

#include <memory>

// The settings store on QSettings in the native format: on Windows the registry below
// HKEY_CURRENT_USER, elsewhere an INI file in the user's configuration directory; key paths
// are the same on both ("SOFTWARE\QVR\Palvex").
class TQSettingsSpeicher : public TEinstellungen {
public:
    explicit TQSettingsSpeicher(std::unique_ptr<QSettings> settings);

    // The current user's own store.
    static std::unique_ptr<TQSettingsSpeicher> fuerBenutzer();
    // An INI file at pfad (tests use a temporary one).
    static std::unique_ptr<TQSettingsSpeicher> inDatei(const QString& pfad);

    bool vorhanden(const QString& schluessel) const override;
    std::optional<QStringList> lesen(const QString& schluessel,
                                     const QStringList& namen) const override;
    void schreiben(const QString& schluessel, const QStringList& namen,
                   const QStringList& werte) override;
    void loeschen(const QString& schluessel) override;
    std::optional<QString> problem() const override;

private:
    std::unique_ptr<QSettings> m_settings;
};
