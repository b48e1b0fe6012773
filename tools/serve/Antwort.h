#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// One request as the pages see it: the path still percent-encoded, so an encoded slash cannot
// pass for a separator, and the query as name/value pairs in the order given.
struct Anfrage {
    QByteArray pfad;
    QList<std::pair<QString, QString>> abfrage;
    qsizetype abfrageLaenge = 0; // bytes of the encoded query
    QByteArray sprachen;         // Accept-Language
};

// What the server sends back; the security headers are added to every answer alike.
struct Antwort {
    int status = 200;
    QByteArray typ = "text/html; charset=utf-8";
    QByteArray inhalt;
    QByteArray ort;               // Location of a redirect
    QByteArray dateiname;         // a PDF's name for saving
    bool unveraenderlich = false; // the same for the whole run: pictures, style, script
};
