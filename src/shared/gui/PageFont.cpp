#include "shared/gui/PageFont.h"

#include <QFontMetricsF>

namespace {

// Big enough that glyph advances carry no rounding worth a hair on paper.
constexpr int referenzPixel = 1000;

void metrischerZwilling() {
    // Liberation Sans carries the metrics of the Windows face the printouts are laid out for.
    static const bool eingetragen = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)eingetragen;
}

} // namespace

PageFont::PageFont(const QString& face, int height, bool bold) {
    metrischerZwilling();
    m_font = QFont(face);
    m_font.setPixelSize(referenzPixel);
    m_font.setBold(bold);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    // The height is the character cell, ascent plus descent, as the printer's font height was
    // meant: a text of height 30 fills a 30-unit line pitch, and its glyphs are a little
    // smaller than an em of 30.
    m_scale = double(height) / QFontMetricsF(m_font).height();
}

double PageFont::width(const QString& s) const {
    return QFontMetricsF(m_font).horizontalAdvance(s) * m_scale;
}

double PageFont::lineHeight() const {
    return QFontMetricsF(m_font).height() * m_scale;
}

double PageFont::ascent() const {
    return QFontMetricsF(m_font).ascent() * m_scale;
}
