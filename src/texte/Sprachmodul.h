#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// Language modules: a Qt Linguist .qm file beside the executable, named after it with the
// three-letter abbreviated language name of the user's locale as extension ("Ardentix.DEU"),
// or else the first two letters of it ("Ardentix.DE"). It replaces the numbered texts (context
// "Texte", source text the number) and the window captions. Without one the English set stays.
namespace sprachmodul {

// The abbreviated language name as Windows forms it: the language code and one letter for the
// country ("DEU" German/Germany, "DEA" German/Austria, "ENU" English/US, "ENG" English/UK).
QString abkuerzung(const QLocale& locale);

// The module file for the executable and locale, or an empty text when there is none.
QString datei(const QString& programmDatei, const QLocale& locale);

// The module file for the executable and an abbreviation ("DEU", or "DE" for any German one).
QString datei(const QString& programmDatei, const QString& abkuerzung);

// The module beside the executable whose data directory (text 10180) is the last part of
// `datenVerzeichnis`, so a tool given a data set reads it in its language; empty for the
// program's own English data and for a directory no module names.
QString dateiFuerDaten(const QString& programmDatei, const QString& datenVerzeichnis);

// Installs the module at `pfad`, and Qt's own translations of the module's language for the
// file, print and message dialogs where Qt has them; false when the module cannot be read.
bool laden(QCoreApplication& app, const QString& pfad);

// The locale numbers and dates follow: that of the language the texts are in, kept in the
// user's own country where the user speaks that language (Austrian dates under the German
// module), else the language's own. So a page never mixes its words with another language's
// numbers, whatever the system's locale.
QLocale gebietsschema(const QLocale& system, QLocale::Language sprache);

// Chooses and installs the module once, before the first window; false when there is none
// (or it cannot be read), which leaves the English set in use without a message. Either way
// it makes the locale of the texts' language the default one (gebietsschema).
bool waehlen(QCoreApplication& app, const QString& programmDatei, const QLocale& locale);

} // namespace sprachmodul
