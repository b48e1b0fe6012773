#pragma once

#include <QString>

class QLabel;
class QWidget;

// The one way text from data files, saved files and the settings store reaches a widget that
// would otherwise guess whether it is markup. A guess takes a line that looks like HTML as rich
// text, and rich text loads its own pictures: a task name of <img src="/dev/zero"> would read
// until memory runs out. Labels get the plain-text format (app/Dialoge gives it to every message
// box and input dialog); tooltips and the like, which have none, get the text escaped. The
// source check quelltext_klartext holds the windows to this.

// Every label of the window not marked as rich text in its form becomes plain text. Called once
// a form is set up; labels made later in code go through labelKlartext.
void labelsKlartext(QWidget* fenster);
// One label made in code, before its first text.
void labelKlartext(QLabel* label);
// The text as a tooltip, status tip or "What's This?" shows it literally; empty stays empty, so
// no tooltip appears.
QString tippKlartext(const QString& text);
