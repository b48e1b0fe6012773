#include "data/Ladefehler.h"

#include <QDir>

QString Ladefehler::meldung() const {
    return QStringLiteral("%1 is damaged: %2 (at byte %3).")
        .arg(QDir::toNativeSeparators(datei), grund)
        .arg(offset);
}
