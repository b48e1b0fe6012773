#pragma once

#include <QString>
#include <QStringList>

// A message as a lower layer reports it: what failed, as an English text marked for the language
// module with QT_TRANSLATE_NOOP(kontext, text), and its arguments (file, line, field, character,
// byte offset). The words are the module's, made when the message is shown, so a reader or
// writer needs no language of its own.
struct Meldung {
    const char* kontext = nullptr;
    const char* text = nullptr;
    QStringList argumente;

    // The text in the language in use, %1 ... %9 replaced by the arguments in one pass, so an
    // argument holding "%1" stays as it is.
    QString woerter() const;
};
