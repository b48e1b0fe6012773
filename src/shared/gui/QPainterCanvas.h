#pragma once

#include "shared/gui/PageCanvas.h"
#include "shared/gui/PageFont.h"

#include <QPainter>

#include <optional>

class QPaintDevice;
class QPagedPaintDevice;

// Draws a printout on a paint device: a printer (full-page mode off, so the device origin is the
// corner of the printable area), a PDF writer or an image. Painting starts with the first drawing
// so that a printout can still choose its orientation. On an image, which has one page only,
// everything after newPage() is left out.
class QPainterCanvas : public PageCanvas {
public:
    explicit QPainterCanvas(QPaintDevice& device);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    // Ends the job; false when the device could not be painted on or a page failed.
    bool finish();

    QSizeF printableSizeMm() const override;
    void setOrientation(QPageLayout::Orientation o) override;
    void setFont(const QString& face, int height, bool bold) override;
    void setFontAngle(int tenthsOfDegree) override;
    void text(int x, int y, const QString& s) override;
    double textWidth(const QString& s) const override;
    double textHeight() const override;
    void line(int x1, int y1, int x2, int y2, int penWidth) override;
    void frame(const QRect& r, int penWidth) override;
    void fill(const QRect& r, const QColor& c) override;
    void textBox(const QRect& r, int x, int y, const QString& s) override;
    void image(const QRect& r, const QImage& img) override;
    void newPage() override;

private:
    // The painter with the page mapping, or nothing when nothing may be drawn.
    QPainter* painter();
    void setPageMapping();
    void drawText(int x, int y, const QString& s);

    QPaintDevice& m_device;
    QPagedPaintDevice* m_paged;
    QPainter m_painter;
    PageFont m_font;
    int m_angle = 0;
    bool m_failed = false;
    bool m_finished = false;
    bool m_pastLastPage = false;
    std::optional<QPageLayout::Orientation> m_nextOrientation;
};
