#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>

// Every printout draws through this interface in page units of 0.1 mm, origin at the top-left
// of the printable area, y downwards. The same printout goes to a printer, a PDF file, a preview
// or a recording that tests read back.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // Printable width and height in whole millimetres, as the printer reports them.
    virtual QSizeF printableSizeMm() const = 0;

    // Font face ("Arial"), height in page units, weight.
    virtual void setFont(const QString& face, int height, bool bold) = 0;
    virtual void setFontAngle(int tenthsOfDegree) = 0; // 0 horizontal, 900 reads upwards
    // Text with its top-left corner at (x, y).
    virtual void text(int x, int y, const QString& s) = 0;
    virtual double textWidth(const QString& s) const = 0;
    virtual double textHeight() const = 0;

    virtual void line(int x1, int y1, int x2, int y2, int penWidth) = 0;
    virtual void frame(const QRect& r, int penWidth) = 0;
    virtual void fill(const QRect& r, const QColor& c) = 0;
    // Text clipped to r, r filled with the background first (an opaque text box).
    virtual void textBox(const QRect& r, int x, int y, const QString& s) = 0;
    // The image stretched into r.
    virtual void image(const QRect& r, const QImage& img) = 0;

    virtual void newPage() = 0;
};
