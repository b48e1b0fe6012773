#include "app/Fensterstil.h"

#include <QFile>

const QString& fensterstil() {
    static const QString stil = [] {
        QFile f(QStringLiteral(":/stil/fenster.qss"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }();
    return stil;
}
