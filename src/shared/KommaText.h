#pragma once

#include <QString>
#include <QStringList>

// Comma text: the one-line encoding of a list of lines used by notes, memos and saved files.
namespace kommatext {

QString schreiben(const QStringList& zeilen);
QStringList lesen(const QString& text);

} // namespace kommatext
