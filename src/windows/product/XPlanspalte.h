#pragma once

#include <QFrame>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QStringList>

class QPlainTextEdit;
struct THandschuh;

// A caption or value in a glove plan column: 8 points, not its parent's font. A text wider than
// the label ends in "…" and the whole of it shows as the tooltip; text() stays whole.
class TPlanLabel : public QLabel {
    Q_OBJECT
public:
    TPlanLabel(const QString& text, int top, int left, QWidget* parent);
    // The text as the label shows it in its width.
    QString gezeigt() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
};

// The data panel pp<i> of a glove plan column: five captions c1..c5 and five values l1..l5.
// It owns the column's other controls (swatch, notes, Info button), which sit on the scroll
// area beside it: destroying the panel destroys them too.
class TPlanPanel : public QFrame {
    Q_OBJECT
public:
    // slot: the column position; the panel stands at 205·slot + 10.
    TPlanPanel(const QString& name, int slot, const THandschuh& h, QWidget* parent);
    ~TPlanPanel() override;

    // Makes w one of the controls this panel owns.
    void besitzen(QWidget* w) { m_besitz.append(w); }

    TPlanLabel *c1, *c2, *c3, *c4, *c5;
    TPlanLabel *l1, *l2, *l3, *l4, *l5;

private:
    QList<QPointer<QWidget>> m_besitz;
};

// The lines of a note box as it displays them: a paragraph wrapped by the box gives one line
// per displayed line. An empty box has no lines.
QStringList notizZeilen(const QPlainTextEdit* box);

// The document position where displayed line `anzahl` ends (its last character, not the break),
// or -1 when the box has no more lines than that.
int notizEnde(const QPlainTextEdit* box, int anzahl);
