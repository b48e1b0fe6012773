#pragma once

#include "Antwort.h"
#include "Datensatz.h"
#include "Html.h"

#include <QColor>
#include <QDir>
#include <QJsonObject>
#include <QString>

#include <optional>

// The most chemicals one search takes, and the longest query: far beyond any real search, and
// a request cannot make the server work without bound.
inline constexpr int kHoechstensChemikalien = 50;
inline constexpr qsizetype kHoechstensAbfrage = 8 * 1024;

// Every page and file the server answers with: read-only and stateless, each answer made from
// the request and the data sets loaded at start, and the plans folder as it is at that moment.
class Webseiten {
public:
    Webseiten(Datensaetze saetze, const QDir& plaene);
    Antwort beantworten(const Anfrage& a) const;

private:
    Antwort seiteFuer(const Seitenkontext& k, const QByteArray& pfad) const;

    Datensaetze m_saetze;
    QDir m_plaene;
};

// Why a request's options are refused: the text of the 400 answer.
struct Abgelehnt {
    QString meldung;
};

// The plan file NAME.PLN directly in the plans folder, if there is one: a name with a separator,
// a leading dot or a control character, or a file that is a link leading out of the folder,
// names none.
std::optional<QString> plandatei(const QDir& plaene, const QString& name);
// The plans of the folder, by name, in name order.
QStringList planNamen(const QDir& plaene);

// The pages, each from the answer's context and its options (the query without lang).
Antwort startseite(const Seitenkontext& k, const QDir& plaene);
Antwort chemieseite(const Seitenkontext& k, bool pdf);
Antwort mechseite(const Seitenkontext& k, bool pdf);
Antwort handschuhseite(const Seitenkontext& k, const QString& code, bool pdf);
Antwort planseite(const Seitenkontext& k, const QDir& plaene, const QString& name, bool pdf);
Antwort chemieApi(const Seitenkontext& k);
Antwort mechApi(const Seitenkontext& k);
// The field to add a chemical by name or CAS number, with suggestions while typing.
QString chemikalienfeld(const Seitenkontext& k, const QString& wert);
Antwort stoffVorschlaege(const Seitenkontext& k); // names and CAS numbers for the add field
Antwort produktbild(const Seitenkontext& k, const QString& code);
Antwort piktogramm(const Seitenkontext& k, const QString& nummer);

// The options of a query other than lang, as "--name" and value pairs for qvr's option readers;
// a name not in `bekannt` is refused.
std::variant<QStringList, Abgelehnt> optionen(const Anfrage& a, const QStringList& bekannt);

// The glove's picture as an img element with its text, or nothing when it has none.
QString produktbildTag(const Seitenkontext& k, const THandschuh& h, const QString& alt);

// The style class of a swatch or tint colour ("f-ffff00"); /farben.css defines one for each
// colour of the plan swatches and the grid's tints.
QString farbklasse(const QColor& farbe);

// JSON as qvr writes it.
Antwort jsonAntwort(const QJsonObject& o, int status = 200);

// A printout as a PDF answer, or a 500 page when it could not be produced.
Antwort pdfAntwort(const Seitenkontext& k, const std::optional<QByteArray>& pdf,
                   const QString& dateiname);
