#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <vector>

// Reading and writing the tool's files; every failure ends the command with status 2.
namespace jsondatei {

QByteArray lesenRoh(const QString& pfad);
QJsonObject lesen(const QString& pfad);
void schreibenAtomar(const QString& pfad, const QByteArray& bytes);
// UTF-8, indented, with DEL and C1 controls as \u escapes.
QByteArray text(const QJsonObject& o);
void ausgeben(const QJsonObject& o); // text(o) to standard output

// Field access for one record; "wo" names the record in messages ("glove 3").
class Feld {
public:
    Feld(const QJsonObject& o, QString wo) : m_o(o), m_wo(std::move(wo)) {}
    QString text(const char* name) const; // Windows-1252 only
    qint64 ganz(const char* name, qint64 min, qint64 max) const;
    double zahl(const char* name) const;
    // An array of laenge bytes (0..255); zeros when the field is absent.
    std::vector<quint8> bytes(const char* name, qsizetype laenge) const;
    bool hat(const char* name) const { return m_o.contains(QLatin1String(name)); }
    // Refuses keys not in the given set, so a misspelt field does not pass silently.
    void nurBekannte(const std::vector<const char*>& namen) const;
    [[noreturn]] void fehler(const char* name, const QString& was) const;

private:
    const QJsonObject& m_o;
    QString m_wo;
};

} // namespace jsondatei
