#pragma once

#include <QString>

#include <functional>
#include <optional>

class PageCanvas;

// Renders a printout into a PDF file: A4 portrait unless the printout turns it, with a printable
// area of 200 x 287 mm as a printer's margins leave it. The file is replaced only when the whole
// document was written. Returns an error text, nothing on success.
std::optional<QString> pdfSchreiben(const QString& pfad,
                                    const std::function<void(PageCanvas&)>& ausgabe);
