#include "shared/gui/RecordingCanvas.h"

RecordingCanvas::RecordingCanvas(QSizeF printableMm)
    : m_size(printableMm), m_font(m_face, m_height, m_bold) {
    m_orientations.append(m_size.width() > m_size.height() ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
}

const RecordingCanvas::Op* RecordingCanvas::findText(const QString& s, int page) const {
    for (const auto& seite : m_pages)
        for (const auto& op : seite)
            if ((op.kind == Kind::Text || op.kind == Kind::TextBox) && op.text == s &&
                (page < 0 || op.page == page))
                return &op;
    return nullptr;
}

QStringList RecordingCanvas::texts(int page) const {
    QStringList l;
    for (const auto& op : m_pages.value(page))
        if (op.kind == Kind::Text || op.kind == Kind::TextBox) l.append(op.text);
    return l;
}

QList<RecordingCanvas::Op> RecordingCanvas::ops(Kind kind, int page) const {
    QList<Op> l;
    for (const auto& op : m_pages.value(page))
        if (op.kind == kind) l.append(op);
    return l;
}

QSizeF RecordingCanvas::printableSizeMm() const {
    return m_size;
}

void RecordingCanvas::setOrientation(QPageLayout::Orientation o) {
    if (!m_pages.last().isEmpty()) {
        m_nextOrientation = o;
        return;
    }
    if (o != m_orientations.last()) m_size.transpose();
    m_orientations.last() = o;
}

void RecordingCanvas::setFont(const QString& face, int height, bool bold) {
    m_face = face;
    m_height = height;
    m_bold = bold;
    m_font = PageFont(face, height, bold);
}

void RecordingCanvas::setFontAngle(int tenthsOfDegree) {
    m_angle = tenthsOfDegree;
}

RecordingCanvas::Op RecordingCanvas::neu(Kind k) const {
    Op op;
    op.kind = k;
    op.page = static_cast<int>(m_pages.size()) - 1;
    op.face = m_face;
    op.height = m_height;
    op.bold = m_bold;
    op.angle = m_angle;
    return op;
}

void RecordingCanvas::add(const Op& op) {
    m_pages.last().append(op);
}

void RecordingCanvas::text(int x, int y, const QString& s) {
    Op op = neu(Kind::Text);
    op.x = x;
    op.y = y;
    op.text = s;
    add(op);
}

double RecordingCanvas::textWidth(const QString& s) const {
    return m_font.width(s);
}

double RecordingCanvas::textHeight() const {
    return m_font.lineHeight();
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2, int penWidth) {
    Op op = neu(Kind::Line);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.penWidth = penWidth;
    add(op);
}

void RecordingCanvas::frame(const QRect& r, int penWidth) {
    Op op = neu(Kind::Frame);
    op.rect = r;
    op.penWidth = penWidth;
    add(op);
}

void RecordingCanvas::fill(const QRect& r, const QColor& c) {
    Op op = neu(Kind::Fill);
    op.rect = r;
    op.color = c;
    add(op);
}

void RecordingCanvas::textBox(const QRect& r, int x, int y, const QString& s) {
    Op op = neu(Kind::TextBox);
    op.rect = r;
    op.x = x;
    op.y = y;
    op.text = s;
    add(op);
}

void RecordingCanvas::image(const QRect& r, const QImage& img) {
    Op op = neu(Kind::Image);
    op.rect = r;
    op.imageSize = img.size();
    add(op);
}

void RecordingCanvas::newPage() {
    m_pages.append(QList<Op>{});
    auto o = m_orientations.last();
    if (m_nextOrientation) {
        if (*m_nextOrientation != o) m_size.transpose();
        o = *m_nextOrientation;
        m_nextOrientation.reset();
    }
    m_orientations.append(o);
}
