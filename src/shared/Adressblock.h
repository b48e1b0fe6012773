#pragma once

#include "shared/Einstellungen.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

// Distributor address block An1..An10 (index 0..9): code, company, street, further line,
// country, postcode and town, phone, fax, e-mail, web address.
struct TAdressblock {
    std::array<QString, 10> An;
};
// The user's own details re1..re4: name/company, street, postcode/town, phone.
struct TBenutzerdaten {
    std::array<QString, 4> re;
};

inline const QString kSchluesselAdressblock = QStringLiteral("SOFTWARE\\QVR\\Palvex");
inline const QString kSchluesselBenutzer = QStringLiteral("SOFTWARE\\QVRUser");

// Until a distributor is chosen the maker itself is the distributor, code "000".
TAdressblock standardAdressblock();

// Looks code up in the distributor list (Adressen.QVR): the first line whose first three
// characters equal the whole code, else the file's last line. A last line of exactly "end"
// means "not listed" and leaves block unchanged (false); otherwise that line is split into
// the block (true). An empty file splits its empty last line; a file that cannot be opened,
// or is no plain file, leaves the block unchanged.
bool codeNachschlagen(const QString& adressdatei, const QString& code, TAdressblock& block);

// Splits one distributor line into the ten entries: each entry ends at a tab; the text after
// the ninth tab is the tenth entry even without a closing tab; what is missing stays empty.
TAdressblock zeileZerlegen(const QString& zeile);

// At start: the stored block if its key exists; otherwise the first-run question (nothing =
// Cancel, which stores nothing) and the block found for the answer, or the defaults, stored.
using CodeFrage = std::function<std::optional<QString>()>;
TAdressblock adressblockEinrichten(TEinstellungen& speicher, const QString& adressdatei,
                                   const CodeFrage& codeErfragen);

// After a code change: replaces the stored block, but only where one was stored before.
// True when it was stored.
bool adressblockErsetzen(TEinstellungen& speicher, const TAdressblock& block);

// The user's change of distributor code: the block as codeNachschlagen finds it, stored with
// adressblockErsetzen (when a store is given). False, and nothing changed, when the distributor
// list does not exist.
bool haendlerWechseln(TEinstellungen* speicher, const QString& adressdatei, const QString& code,
                      TAdressblock& block);

// The stored user details if their key exists; otherwise the first-run dialog fills them
// (a dialog closed without confirming leaves them as they are) and they are stored either way.
using BenutzerDialog = std::function<void(TBenutzerdaten&)>;
// Stores the user details under their key, as the first run and a later correction do.
void benutzerdatenSpeichern(TEinstellungen& speicher, const TBenutzerdaten& daten);
void benutzerdatenPruefen(TEinstellungen& speicher, TBenutzerdaten& daten,
                          const BenutzerDialog& dialog);
