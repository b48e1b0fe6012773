#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

// Links shown in windows (web and e-mail addresses from the texts and the distributor list)
// are handed to the user's browser or mail program. Only web (http, https) and e-mail
// addresses go out: any other text from a data file is never given to the system to "open".
namespace verweis {

// The address to open for a shown value: http/https addresses as they are, "www." names as
// http, e-mail addresses (with or without "mailto:") as mailto; nothing for anything else.
std::optional<QUrl> sichereAdresse(const QString& wert);

// Opens the value if it is such an address; false when it was not handed on.
bool oeffnen(const QString& wert);

// Hands an existing local file to the program the user opens its kind with (an information
// page to the browser); false when there is no such file.
bool dateiOeffnen(const QString& pfad);

// Hands an address to the system; the program's own goes to the desktop's browser or mail
// program, tests set one that opens nothing.
class Oeffner {
public:
    virtual ~Oeffner() = default;
    virtual void oeffnen(const QUrl& url) = 0;
};
// Null goes back to the desktop's.
void oeffnerSetzen(std::unique_ptr<Oeffner> o);

// --- for tests: the addresses handed on since the last call ---
QList<QUrl> geoeffnet();

} // namespace verweis
