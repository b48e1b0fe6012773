// The main window opens the files the user saves when they come from outside the program: named
// on its command line (also of a later start, which hands them over) or dropped onto it.
#include "app/Dialoge.h"
#include "app/Ungespeichert.h"
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

#include <algorithm>

namespace {

// More new windows than this at once are asked about first.
constexpr qsizetype kFensterOhneFrage = 20;

// A list of names as a box can show it: the first few, and how many more.
QString erste(const QStringList& namen) {
    constexpr qsizetype kGezeigt = 10;
    QString text = namen.mid(0, kGezeigt).join(u'\n');
    if (namen.size() > kGezeigt)
        text += u'\n' + TForm1::tr("… and %1 more").arg(namen.size() - kGezeigt);
    return text;
}

QStringList lokaleDateien(const QMimeData* daten) {
    QStringList dateien;
    for (const QUrl& url : daten->urls())
        if (url.isLocalFile() && dateiart(url.toLocalFile())) dateien << url.toLocalFile();
    return dateien;
}

} // namespace

void TForm1::dateienOeffnen(const QStringList& argumente) {
    QStringList unbekannt, dateien;
    for (const QString& a : argumente) {
        if (a.startsWith(u'-') || !dateiart(a)) {
            if (!unbekannt.contains(a)) unbekannt << a;
        } else if (std::none_of(dateien.cbegin(), dateien.cend(), [&a](const QString& d) {
                       return ungespeichert::gleicheDatei(a, d);
                   })) {
            dateien << a; // each file once, however often it is named
        }
    }
    // A file already open comes forward in its window; the others open in new ones, and many
    // new windows at once only when the user wants them.
    const auto neuesFenster = [](const QString& d) {
        return *dateiart(d) != Dateiart::Handschutzplan && !ungespeichert::offenIn(d);
    };
    const auto neu = std::count_if(dateien.cbegin(), dateien.cend(), neuesFenster);
    if (neu > kFensterOhneFrage &&
        !dialoge::frage(this, texte::text(10118),
                        tr("Open %1 documents, each in a window of its own?").arg(neu)))
        dateien.removeIf(neuesFenster);
    for (const QString& a : dateien) {
        if (QWidget* w = ungespeichert::offenIn(a)) {
            ungespeichert::nachVorn(w);
            continue;
        }
        // Each window loads it as its own "Load" does, with the same checks and messages.
        switch (*dateiart(a)) {
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
                         tr("Ardentix opens glove plans (.PLN), hazard assessments (.GBN) and "
                            "risk assessments (.GAN). Not opened:\n%1")
                             .arg(erste(unbekannt)));
    if (argumente.isEmpty()) ungespeichert::nachVorn(this); // a later start without files
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
