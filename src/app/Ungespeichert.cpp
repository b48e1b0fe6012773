#include "app/Ungespeichert.h"

#include "app/Dialoge.h"
#include "texte/Texte.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>

namespace ungespeichert {

QString dokumentname(const QString& datei, const QString& titel) {
    return datei.isEmpty() ? titel : QFileInfo(datei).fileName();
}

bool klaeren(QWidget* fenster, TBearbeitung& b) {
    if (!b.ungespeichert()) return true;
    const QString frage = QCoreApplication::translate("ungespeichert", "Save changes to \"%1\"?")
                              .arg(b.dokumentname());
    switch (dialoge::speichernFragen(fenster, texte::text(10118), frage)) {
    case dialoge::Entscheidung::Speichern:
        return b.speichern();
    case dialoge::Entscheidung::Verwerfen:
        return true;
    case dialoge::Entscheidung::Abbrechen:
        break;
    }
    return false;
}

bool alleKlaeren(const QList<QWidget*>& fenster) {
    QList<TBearbeitung*> geklaert;
    for (QWidget* w : fenster) {
        auto* b = dynamic_cast<TBearbeitung*>(w);
        if (!b || !b->ungespeichert()) continue;
        // The question stands in front of the window it is about, hidden, minimised or not.
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        w->activateWindow();
        if (!klaeren(w, *b)) return false;
        geklaert.append(b);
    }
    for (TBearbeitung* b : geklaert)
        b->verwerfen();
    return true;
}

} // namespace ungespeichert
