#pragma once

#include <QColor>
#include <QImage>
#include <QPageLayout>
#include <QRect>
#include <QSizeF>
#include <QString>

// Every printout draws through this interface in page units of 0.1 mm, origin at the top-left
// of the printable area, y downwards. The same printout goes to a printer, a PDF file, a preview
// or a recording that tests read back. Every page starts with this mapping, including the pages
// begun by newPage(). Pens and text are black, fills and text boxes use the colour given.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // Printable width and height in whole millimetres, as the printer reports them.
    virtual QSizeF printableSizeMm() const = 0;
    // Applies to the current page while nothing is drawn on it yet, otherwise to the pages begun
    // after it. Printouts that fix their orientation call it before drawing anything.
    virtual void setOrientation(QPageLayout::Orientation o) = 0;

    // Font face ("Arial"), height in page units, weight.
    virtual void setFont(const QString& face, int height, bool bold) = 0;
    virtual void setFontAngle(int tenthsOfDegree) = 0; // 0 horizontal, 900 reads upwards
    // Text with its top-left corner at (x, y); rotated text turns about that corner.
    virtual void text(int x, int y, const QString& s) = 0;
    // Extent of s in page units in the current font, measured as it prints.
    virtual double textWidth(const QString& s) const = 0;
    virtual double textHeight() const = 0;

    virtual void line(int x1, int y1, int x2, int y2, int penWidth) = 0;
    // Outline drawn inside r.
    virtual void frame(const QRect& r, int penWidth) = 0;
    virtual void fill(const QRect& r, const QColor& c) = 0;
    // Text clipped to r, r filled with white first (an opaque text box).
    virtual void textBox(const QRect& r, int x, int y, const QString& s) = 0;
    // The image stretched into r.
    virtual void image(const QRect& r, const QImage& img) = 0;

    virtual void newPage() = 0;
};
