#pragma once

#include <QByteArray>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <optional>

class PageCanvas;

// The margins of the PDF files, in millimetres: those a printer leaves.
inline const QMarginsF kPdfRaenderMm(5, 5, 5, 5);

// Renders a printout into the bytes of a PDF document, A4 portrait by default, with the
// margins above; nothing when the document could not be produced.
std::optional<QByteArray> pdfErzeugen(const std::function<void(PageCanvas&)>& ausgabe,
                                      const QPageSize& format = QPageSize(QPageSize::A4),
                                      QPageLayout::Orientation lage = QPageLayout::Portrait);

// Renders a printout into a PDF file, by default A4 portrait (the printout may turn it), with
// 5 mm margins as a printer leaves them: a printable area of 200 x 287 mm on A4. The file is
// replaced only when the whole document was written; a path that names no regular file (a device,
// a pipe, a folder) is refused, and "-" writes to standard output. Returns an error text,
// nothing on success.
std::optional<QString> pdfSchreiben(const QString& pfad,
                                    const std::function<void(PageCanvas&)>& ausgabe,
                                    const QPageSize& format = QPageSize(QPageSize::A4),
                                    QPageLayout::Orientation lage = QPageLayout::Portrait);
