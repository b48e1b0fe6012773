#pragma once

#include <QString>

// What a link of an information page does, decided from its target text as written in the page.
// Program functions are named by exact, case-sensitive names; pages and pictures of the page's
// own directory are shown in the viewer; web and mail addresses go to the user's browser or mail
// program. Every other target (file: and javascript: addresses, program paths, anything unknown)
// is refused.
enum class Verknuepfungsart {
    Hotline,      // "but-hotline"
    Suche,        // "but-suche": the mechanical search
    Produktlinie, // "but-velto", "but-marnix", "but-plexon"; ziel is the product name
    Anker,        // "#anchor" in the shown page
    Seite,        // "page.htm" or "page.htm#anchor"
    Bild,         // a picture shown as the document
    Extern,       // http, https or mailto address
    Verweigert,
};

struct Verknuepfung {
    Verknuepfungsart art = Verknuepfungsart::Verweigert;
    QString ziel;  // product name, file name relative to the page, or the address
    QString anker; // for Anker and Seite
};

Verknuepfung verknuepfung(const QString& ziel);
