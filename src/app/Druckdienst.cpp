#include "app/Druckdienst.h"

#include "app/Dialoge.h"
#include "shared/gui/PdfAusgabe.h"
#include "shared/gui/QPainterCanvas.h"
#include "texte/Texte.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace druckdienst {
namespace {

// Lives as a child of the application, so the printer goes before the print system does.
class Drucker : public QObject {
public:
    using QObject::QObject;
    QPrinter printer{QPrinter::HighResolution};
};

QPrinter& drucker() {
    static QPointer<Drucker> d;
    if (!d) {
        d = new Drucker(qApp);
        // Page units start at the corner of the printable area, not of the sheet.
        d->printer.setFullPage(false);
    }
    return d->printer;
}

// Hourglass and a disabled Print button for the length of a job.
class Beschaeftigt {
public:
    explicit Beschaeftigt(QAbstractButton* knopf) : m_knopf(knopf) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (m_knopf) m_knopf->setEnabled(false);
    }
    ~Beschaeftigt() {
        if (m_knopf) m_knopf->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    Beschaeftigt(const Beschaeftigt&) = delete;
    Beschaeftigt& operator=(const Beschaeftigt&) = delete;

private:
    QPointer<QAbstractButton> m_knopf;
};

void fehler(QWidget* parent, const QString& text) {
    dialoge::meldung(parent, texte::text(10015), text);
}

// Whether the PDF file chosen in the setup dialog is still to be offered.
bool& einrichtungOffen() {
    static bool offen = false;
    return offen;
}

// The PDF file of this job, named by the user now: also where the setup dialog chose PDF output
// into a file, since reusing that name would replace the previous printout unasked. That file is
// offered for the next job after the setup, the printout's name for the others. Empty when the
// user cancels.
QString pdfDatei(QWidget* parent, const QPrinter& p, const QString& jobName) {
    const QString eingerichtet =
        p.outputFormat() == QPrinter::PdfFormat ? p.outputFileName() : QString();
    const bool angeboten = std::exchange(einrichtungOffen(), false) && !eingerichtet.isEmpty();
    const auto name = dialoge::speichern(
        parent, QCoreApplication::translate("Druckdienst", "Save printout as PDF"),
        QCoreApplication::translate("Druckdienst", "PDF files (*.pdf)"), dialoge::Dateiart::Pdf,
        angeboten ? eingerichtet : jobName);
    if (!name || name->isEmpty()) return {};
    return QFileInfo(*name).suffix().isEmpty() ? *name + QStringLiteral(".pdf") : *name;
}

} // namespace

void einrichten(QWidget* parent) {
    dialoge::druckerEinrichten(parent, drucker());
    einrichtungOffen() = true;
}

bool drucken(QWidget* parent, QAbstractButton* druckKnopf, const QString& jobName,
             const std::function<void(PageCanvas&)>& ausgabe) {
    QPrinter& p = drucker();
    const bool aufDrucker = p.outputFormat() == QPrinter::NativeFormat &&
                            !QPrinterInfo::availablePrinterNames().isEmpty();
    // The preview shows the pages as the PDF file will hold them.
    if (!aufDrucker) p.setPageMargins(kPdfRaenderMm, QPageLayout::Millimeter);
    const bool gewollt = dialoge::vorschau(parent, p, jobName, [&ausgabe](QPrinter& vorschau) {
        QPainterCanvas canvas(vorschau);
        ausgabe(canvas);
    });
    if (!gewollt) return false;

    if (aufDrucker) {
        Beschaeftigt b(druckKnopf);
        p.setDocName(jobName);
        QPainterCanvas canvas(p);
        ausgabe(canvas);
        if (canvas.finish()) return true;
        fehler(parent, QCoreApplication::translate("Druckdienst", "Printing \"%1\" on %2 failed.")
                           .arg(jobName, p.printerName()));
        return false;
    }

    const QString pfad = pdfDatei(parent, p, jobName);
    if (pfad.isEmpty()) return false;
    Beschaeftigt b(druckKnopf);
    const auto f =
        pdfSchreiben(pfad, ausgabe, p.pageLayout().pageSize(), p.pageLayout().orientation());
    if (!f) {
        dialoge::gespeichert(druckKnopf ? static_cast<QWidget*>(druckKnopf) : parent, pfad);
        return true;
    }
    fehler(parent, *f);
    return false;
}

} // namespace druckdienst
