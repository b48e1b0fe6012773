#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The values of the catalogue and the substance table are kept once for every language; each
// language brings the texts of the records in a file of its own, an object from a record's key
// (product code, substance number) to its text fields:
//   {"gloves": {"1001": {"Name": "Voltis 00", "Beschreibung": "...", ...}, ...}}
// The texts are put into the records before they are packed. Fails (status 2) when a record has
// no texts, texts name no record, or a field is given both as a value and as a text, so neither
// side can silently lose or shadow the other.
QJsonArray mitSprachtexten(const QJsonArray& datensaetze, const char* schluessel,
                           const QJsonObject& texte, const QString& textdatei);
// The texts object of a texts file: its only key is liste ("gloves", "substances").
QJsonObject sprachtexteLesen(const QString& pfad, const char* liste);
