#pragma once

#include "Antwort.h"
#include "Datensatz.h"

#include <QCoreApplication>
#include <QString>
#include <QUrlQuery>

// The server's own texts; a language module translates them as it does the windows'.
struct Webseite {
    Q_DECLARE_TR_FUNCTIONS(Webseite)
};

namespace html {

// Text from a file, the data set or the request, made safe for element content and attribute
// values alike.
QString e(const QString& s);

} // namespace html

// What every page of one answer shares: the data set that speaks its language, whether the
// language was chosen by the request's `lang` (then every link keeps it), and the request,
// whose address the language switch repeats in the other languages.
struct Seitenkontext {
    const Datensaetze& saetze;
    const Datensatz& d;
    bool sprachGewaehlt;
    const Anfrage& anfrage;

    // A link to a page of this server, in this page's language; escaped for an attribute.
    QString verweis(const QString& pfad, QUrlQuery abfrage = {}) const;
    // The hidden field that keeps a chosen language in a form's request; empty otherwise.
    QString sprachfeld() const;
};

// The whole HTML document around a page's main content: title and lang, the language switch,
// the menu, the maker's address.
Antwort seite(const Seitenkontext& k, const QString& titel, const QString& inhalt,
              int status = 200);

// A short page that says what was wrong with the request.
Antwort fehlerseite(const Seitenkontext& k, int status, const QString& meldung);
