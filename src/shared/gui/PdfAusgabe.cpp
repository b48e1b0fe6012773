#include "shared/gui/PdfAusgabe.h"

#include "shared/Zeilendatei.h"
#include "shared/gui/QPainterCanvas.h"
#include "texte/Meldung.h"

#include <QCoreApplication>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>

#include <cstdio>

std::optional<QByteArray> pdfErzeugen(const std::function<void(PageCanvas&)>& ausgabe,
                                      const QPageSize& format, QPageLayout::Orientation lage) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageLayout(QPageLayout(format, lage, kPdfRaenderMm, QPageLayout::Millimeter));
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Ardentix"));
        QPainterCanvas canvas(pdf);
        ausgabe(canvas);
        if (!canvas.finish()) return std::nullopt;
    }
    return puffer.data();
}

std::optional<QString> pdfSchreiben(const QString& pfad,
                                    const std::function<void(PageCanvas&)>& ausgabe,
                                    const QPageSize& format, QPageLayout::Orientation lage) {
    // Rendered in memory first, then saved like every other file, so a full disk is reported
    // and an earlier file of that name survives.
    const std::optional<QByteArray> pdf = pdfErzeugen(ausgabe, format, lage);
    if (!pdf)
        return Meldung{
            "zeilendatei",
            QT_TRANSLATE_NOOP("zeilendatei", "Cannot write %1: the PDF could not be produced"),
            {QDir::toNativeSeparators(pfad)}}
            .woerter();
    if (pfad == QLatin1String("-")) {
        QFile aus;
        if (!aus.open(stdout, QIODevice::WriteOnly) || aus.write(*pdf) != pdf->size() ||
            !aus.flush())
            return Meldung{
                "zeilendatei",
                QT_TRANSLATE_NOOP("zeilendatei", "Cannot write the PDF to standard output: %1"),
                {aus.errorString()}}
                .woerter();
        return std::nullopt;
    }
    if (const auto f = zeilendatei::atomarSpeichern(pfad, *pdf)) return f->meldung;
    return std::nullopt;
}
