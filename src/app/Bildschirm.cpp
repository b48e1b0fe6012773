#include "app/Bildschirm.h"

#include <QGuiApplication>
#include <QScreen>

namespace bildschirm {
namespace {
QSize& vorgabe() {
    static QSize s;
    return s;
}
} // namespace

QSize groesse() {
    if (!vorgabe().isEmpty()) return vorgabe();
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->size();
    return {1024, 768};
}

void setzenFuerTests(QSize s) { vorgabe() = s; }

} // namespace bildschirm
