#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Word wrap over any width measure, so the window's description box and the printed page break
// a text into the same lines: paragraphs at line breaks, then words at blanks; a word longer
// than the width is broken between characters. An empty text gives no lines.
QStringList zeilenUmbrechen(const QString& text, double maxBreite,
                            const std::function<double(const QString&)>& breite);
