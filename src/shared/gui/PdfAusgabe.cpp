#include "shared/gui/PdfAusgabe.h"

#include "shared/gui/QPainterCanvas.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

std::optional<QString> pdfSchreiben(const QString& pfad,
                                    const std::function<void(PageCanvas&)>& ausgabe,
                                    const QPageSize& format, QPageLayout::Orientation lage) {
    const QString name = QDir::toNativeSeparators(pfad);
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write %1: %2").arg(name, datei.errorString());
    {
        QPdfWriter pdf(&datei);
        pdf.setPageLayout(
            QPageLayout(format, lage, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Ardentix"));
        QPainterCanvas canvas(pdf);
        ausgabe(canvas);
        if (!canvas.finish()) {
            datei.cancelWriting();
            return QStringLiteral("Cannot write %1: the PDF could not be produced").arg(name);
        }
    }
    if (!datei.commit())
        return QStringLiteral("Cannot write %1: %2").arg(name, datei.errorString());
    return std::nullopt;
}
