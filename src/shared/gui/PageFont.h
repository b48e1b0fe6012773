#pragma once

#include <QFont>
#include <QString>

// A printout font in page units (0.1 mm). Glyphs are laid out once at a large reference size and
// scaled to the page, so a text is exactly as wide on every printer, in a PDF file and in a
// recording; what a printout measures to wrap or align is what the paper shows.
class PageFont {
public:
    // Page units per inch.
    static constexpr double unitsPerInch = 254.0;

    // Face ("Arial"; where it is not installed its metric twin Liberation Sans), cell height
    // (ascent plus descent) in page units, weight.
    PageFont(const QString& face = QStringLiteral("Arial"), int height = 30, bool bold = false);

    double width(const QString& s) const;
    double lineHeight() const;
    // From the top of the text box down to the baseline.
    double ascent() const;

    // The font at its reference size, and the factor from its pixels to page units.
    const QFont& reference() const { return m_font; }
    double scale() const { return m_scale; }

private:
    QFont m_font;
    double m_scale;
};
