#pragma once

#include "data/Objekte.h"

#include <QJsonObject>

#include <memory>

// A glove as the tool's JSON: the catalogue's field names as keys.
QJsonObject handschuhNachJson(const THandschuh& h);
// Throws QvrFehler naming the glove (1-based nr) and field for invalid values.
std::unique_ptr<THandschuh> handschuhAusJson(const QJsonObject& o, qsizetype nr);

int katalogBefehl(const QStringList& args); // qvr catalogue dump|pack ...
