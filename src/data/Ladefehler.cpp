#include "data/Ladefehler.h"

#include "shared/Sichtbar.h"

#include <QDir>

QString Ladefehler::meldung() const {
    // One arg() for all parts: a "%1" in a path must stay as it is.
    const QString pfad = sichtbar(QDir::toNativeSeparators(datei));
    if (unlesbar) return QStringLiteral("%1 cannot be read: %2.").arg(pfad, grund);
    return QStringLiteral("%1 is damaged: %2 (at byte %3).")
        .arg(pfad, grund, QString::number(offset));
}
