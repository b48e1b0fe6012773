#include "shared/gui/QPainterCanvas.h"

#include <QPagedPaintDevice>

QPainterCanvas::QPainterCanvas(QPaintDevice& device)
    : m_device(device), m_paged(dynamic_cast<QPagedPaintDevice*>(&device)) {}

QPainterCanvas::~QPainterCanvas() {
    finish();
}

bool QPainterCanvas::finish() {
    if (!m_finished) {
        // A job that never drew still has its one empty page: started before the canvas counts
        // as finished, which would refuse to start it.
        if (!m_painter.isActive() && !m_failed) painter();
        m_finished = true;
        if (m_painter.isActive() && !m_painter.end()) m_failed = true;
    }
    return !m_failed;
}

QPainter* QPainterCanvas::painter() {
    if (m_failed || m_finished || m_pastLastPage) return nullptr;
    if (!m_painter.isActive()) {
        if (!m_painter.begin(&m_device)) {
            m_failed = true;
            return nullptr;
        }
        setPageMapping();
    }
    return &m_painter;
}

void QPainterCanvas::setPageMapping() {
    // One unit is 0.1 mm; the device origin is already the corner of the printable area.
    m_painter.resetTransform();
    m_painter.scale(m_device.logicalDpiX() / PageFont::unitsPerInch,
                    m_device.logicalDpiY() / PageFont::unitsPerInch);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBrush(Qt::white);
}

QSizeF QPainterCanvas::printableSizeMm() const {
    return QSizeF(m_device.widthMM(), m_device.heightMM());
}

void QPainterCanvas::setOrientation(QPageLayout::Orientation o) {
    if (!m_paged) return;
    // A paged device takes a new layout for the page that follows.
    if (m_painter.isActive())
        m_nextOrientation = o;
    else
        m_paged->setPageOrientation(o);
}

void QPainterCanvas::setFont(const QString& face, int height, bool bold) {
    m_font = PageFont(face, height, bold);
}

void QPainterCanvas::setFontAngle(int tenthsOfDegree) {
    m_angle = tenthsOfDegree;
}

void QPainterCanvas::drawText(int x, int y, const QString& s) {
    // The reference-size layout scaled onto the page: the printed width is the measured one.
    m_painter.save();
    m_painter.translate(x, y);
    m_painter.rotate(-m_angle / 10.0);
    m_painter.scale(m_font.scale(), m_font.scale());
    m_painter.setFont(m_font.reference());
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(0, m_font.ascent() / m_font.scale()), s);
    m_painter.restore();
}

void QPainterCanvas::text(int x, int y, const QString& s) {
    if (!painter()) return;
    drawText(x, y, s);
}

double QPainterCanvas::textWidth(const QString& s) const {
    return m_font.width(s);
}

double QPainterCanvas::textHeight() const {
    return m_font.lineHeight();
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2, int penWidth) {
    auto* p = painter();
    if (!p) return;
    p->setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QPainterCanvas::frame(const QRect& r, int penWidth) {
    auto* p = painter();
    if (!p) return;
    const double h = penWidth / 2.0;
    p->setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRectF(r).adjusted(h, h, -h, -h));
    p->setBrush(Qt::white);
}

void QPainterCanvas::fill(const QRect& r, const QColor& c) {
    if (auto* p = painter()) p->fillRect(QRectF(r), c);
}

void QPainterCanvas::textBox(const QRect& r, int x, int y, const QString& s) {
    auto* p = painter();
    if (!p) return;
    p->fillRect(QRectF(r), Qt::white);
    p->save();
    p->setClipRect(QRectF(r));
    drawText(x, y, s);
    p->restore();
}

void QPainterCanvas::image(const QRect& r, const QImage& img) {
    if (auto* p = painter()) p->drawImage(QRectF(r), img);
}

void QPainterCanvas::newPage() {
    if (!painter()) return;
    if (!m_paged) {
        m_pastLastPage = true;
        return;
    }
    if (m_nextOrientation) {
        m_paged->setPageOrientation(*m_nextOrientation);
        m_nextOrientation.reset();
    }
    if (!m_paged->newPage()) m_failed = true;
    setPageMapping();
}
