#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The per-user settings store: keys (paths below the user's branch, "SOFTWARE\QVRUser") holding
// named text values. Whether a key exists is itself information: it marks a record as set up.
class TEinstellungen {
public:
    virtual ~TEinstellungen() = default;

    virtual bool vorhanden(const QString& schluessel) const = 0;
    // The named values of an existing key, a missing value as an empty text; nothing when the
    // key cannot be read.
    virtual std::optional<QStringList> lesen(const QString& schluessel,
                                             const QStringList& namen) const = 0;
    // Creates the key if needed and writes the values (namen and werte pair up).
    virtual void schreiben(const QString& schluessel, const QStringList& namen,
                           const QStringList& werte) = 0;
    // Removes the key with all its values.
    virtual void loeschen(const QString& schluessel) = 0;
    // What went wrong with the store so far (it cannot be written, or it is damaged and only
    // partly read), in words for the user; nothing while all is well.
    virtual std::optional<QString> problem() const { return std::nullopt; }
};
