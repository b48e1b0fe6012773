#include "data/Ladefehler.h"

#include "shared/Sichtbar.h"

#include <QDir>

QString Ladefehler::meldung() const {
    // One arg() for all parts: a "%1" in a path must stay as it is.
    const QString pfad = sichtbar(QDir::toNativeSeparators(datei));
    if (unlesbar)
        return ladegrund(QT_TRANSLATE_NOOP("ladefehler", "%1 cannot be read: %2."),
                         {pfad, grund.woerter()})
            .woerter();
    return ladegrund(QT_TRANSLATE_NOOP("ladefehler", "%1 is damaged: %2 (at byte %3)."),
                     {pfad, grund.woerter(), QString::number(offset)})
        .woerter();
}
