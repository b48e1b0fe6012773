// The main window opens the files the user saves when they come from outside the program: named
// on its command line (also of a later start, which hands them over) or dropped onto it.
#include "app/Dialoge.h"
#include "data/Dateiart.h"
#include "texte/Texte.h"
#include "windows/forms/XGefahren.h"
#include "windows/forms/XRGFormular.h"
#include "windows/main/Anfang.h"
#include "windows/product/XHandschutzplan.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

QStringList lokaleDateien(const QMimeData* daten) {
    QStringList dateien;
    for (const QUrl& url : daten->urls())
        if (url.isLocalFile() && dateiart(url.toLocalFile())) dateien << url.toLocalFile();
    return dateien;
}

} // namespace

void TForm1::dateienOeffnen(const QStringList& argumente) {
    QStringList unbekannt;
    for (const QString& a : argumente) {
        const auto art = dateiart(a);
        if (!art || a.startsWith(u'-')) {
            unbekannt << a;
            continue;
        }
        // Each window loads it as its own "Load" does, with the same checks and messages.
        switch (*art) {
        case Dateiart::Handschutzplan:
            if (m_form6) m_form6->dateiOeffnen(a);
            break;
        case Dateiart::Gefahrenanalyse:
            gefahrenanalyseOeffnen(m_kontext, this)->laden(a);
            break;
        case Dateiart::Bewertung:
            bewertungOeffnen(m_kontext, this)->laden(a);
            break;
        }
    }
    if (!unbekannt.isEmpty())
        dialoge::meldung(this, texte::text(10015),
                         tr("Ardentix opens glove plans (.PLN), hazard analyses (.GAN) and risk "
                            "assessments (.GBN). Not opened:\n%1")
                             .arg(unbekannt.join(u'\n')));
    if (argumente.isEmpty()) {
        // A later start without files brings the running program forward.
        if (isMinimized()) showNormal();
        raise();
        activateWindow();
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
    if (!lokaleDateien(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
    const QStringList dateien = lokaleDateien(e->mimeData());
    if (dateien.isEmpty()) return;
    e->acceptProposedAction();
    dateienOeffnen(dateien);
}
