#pragma once

class QPlainTextEdit;
class QWidget;

// What a user types or pastes stays what the saved files can hold. Every one-line field of the
// window takes a pasted multi-line text as one line (breaks, tabs and other control characters
// become spaces); every multi-line note turns tabs and control characters into spaces, and Tab
// and Shift+Tab move the focus out of it instead of typing a tab. Fields that already check
// their input (spin boxes, fields with a validator of their own) are left alone.
void eingabenEinrichten(QWidget* fenster);
// The same for one note made after the window was set up (the glove plan's columns).
void notizEinrichten(QPlainTextEdit* note);
