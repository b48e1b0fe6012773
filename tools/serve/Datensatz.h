#pragma once

#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

// One --data directory: a language's catalogue, substance table and pictures, with the language
// module whose data directory it is (none for the program's own English set).
struct Datensatz {
    QString verzeichnis;
    QString sprache; // "en", "de": the page's lang and what Accept-Language names
    QLocale locale;
    TProduktliste katalog;
    TStoffliste stoffe;
    std::unique_ptr<QTranslator> modul, qt; // the module, and Qt's own texts in its language
};

using Datensaetze = std::vector<std::unique_ptr<Datensatz>>;

// Loads every directory, in the order given; a missing or damaged catalogue or substance table
// ends the start with qvr's message (status 2), two sets of one language with wrong usage.
Datensaetze datensaetzeLaden(const QStringList& verzeichnisse, const QString& programmDatei);

// The set a request is answered from: the one `lang` names, else the first language of
// Accept-Language that a set speaks, else the first set.
const Datensatz& datensatzFuer(const Datensaetze& saetze, const QString& lang,
                               const QByteArray& acceptLanguage);

// For the time of one answer, texts, numbers and dates speak the set's language.
class Sprachwahl {
public:
    explicit Sprachwahl(const Datensatz& d);
    ~Sprachwahl();
    Sprachwahl(const Sprachwahl&) = delete;
    Sprachwahl& operator=(const Sprachwahl&) = delete;

private:
    const Datensatz& m_d;
};
