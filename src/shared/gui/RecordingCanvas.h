#pragma once

#include "shared/gui/PageCanvas.h"
#include "shared/gui/PageFont.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <optional>

// Keeps every drawing operation of a printout, page by page, with all its attributes, so tests
// read back what would be printed. Text is measured with the same font metrics as on paper, so
// wrapping decisions come out the same.
class RecordingCanvas : public PageCanvas {
public:
    enum class Kind { Text, TextBox, Line, Frame, Fill, Image };

    struct Op {
        Kind kind = Kind::Text;
        int page = 0;       // 0-based
        int x = 0, y = 0;   // text origin, line start
        int x2 = 0, y2 = 0; // line end
        QRect rect;         // frame, fill, text box, image
        QString text;
        QString face; // font at the time of the operation
        int height = 0;
        bool bold = false;
        int angle = 0;
        int penWidth = 0;
        QColor color;    // fill
        QSize imageSize; // size of the image stretched into rect
    };

    // Printable size in whole millimetres, portrait or landscape as given.
    explicit RecordingCanvas(QSizeF printableMm);

    const QList<QList<Op>>& pages() const { return m_pages; }
    QList<QPageLayout::Orientation> orientations() const { return m_orientations; }
    // First text or text box reading exactly s on `page` (any page when -1); null when none.
    const Op* findText(const QString& s, int page = -1) const;
    // All text and text-box strings of a page, in drawing order.
    QStringList texts(int page) const;
    // Operations of one kind on a page, in drawing order.
    QList<Op> ops(Kind kind, int page) const;

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
    Op neu(Kind k) const;
    void add(const Op& op);

    QSizeF m_size;
    QList<QList<Op>> m_pages{QList<Op>{}};
    QList<QPageLayout::Orientation> m_orientations;
    QString m_face = QStringLiteral("Arial");
    int m_height = 30;
    bool m_bold = false;
    int m_angle = 0;
    PageFont m_font;
    std::optional<QPageLayout::Orientation> m_nextOrientation;
};
