#include "windows/product/XPlanspalte.h"

#include "app/Klartext.h"
#include "data/Objekte.h"
#include "print/Produkttexte.h"
#include "texte/Texte.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>

namespace {

QFont achtPunkte(QFont f, bool fett) {
    f.setPointSize(8);
    f.setBold(fett);
    return f;
}

// Calls f(text, end position) for each displayed line of the box, in order, until f says stop.
template <class F> void zeilenDurchgehen(const QPlainTextEdit* box, F&& f) {
    const QTextDocument* doc = box->document();
    if (doc->isEmpty()) return;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        // Lays the block out if the box has not drawn it yet.
        doc->documentLayout()->blockBoundingRect(b);
        const QString text = b.text();
        const QTextLayout* l = b.layout();
        if (!l || l->lineCount() == 0) {
            if (!f(text, b.position() + int(text.size()))) return;
            continue;
        }
        for (int i = 0; i < l->lineCount(); ++i) {
            const QTextLine line = l->lineAt(i);
            QString teil = text.mid(line.textStart(), line.textLength());
            // A wrapped line keeps the blank it was broken at; the note stores it without.
            if (i + 1 < l->lineCount()) {
                while (teil.endsWith(QLatin1Char(' ')))
                    teil.chop(1);
            }
            if (!f(teil, b.position() + line.textStart() + line.textLength())) return;
        }
    }
}

} // namespace

TPlanLabel::TPlanLabel(const QString& text, int top, int left, QWidget* parent) : QLabel(parent) {
    labelKlartext(this);
    setText(text);
    setFont(achtPunkte(font(), false));
    adjustSize();
    move(left, top);
}

QString TPlanLabel::gezeigt() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void TPlanLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), int(alignment()), palette(), isEnabled(), gezeigt(),
                          foregroundRole());
}

void TPlanLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    setToolTip(gezeigt() == text() ? QString() : tippKlartext(text()));
}

TPlanPanel::TPlanPanel(const QString& name, int slot, const THandschuh& h, QWidget* parent)
    : QFrame(parent) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGeometry(205 * slot + 10, 47, 200, 90);
    const auto label = [this](int top, int left, bool fett, const QString& text) {
        auto* l = new TPlanLabel(text, top, left, this);
        l->setFont(achtPunkte(l->font(), fett));
        // Values end at the panel's edge rather than running under the next column.
        l->resize(std::min(l->sizeHint().width(), width() - left - 3), l->sizeHint().height());
        return l;
    };
    c1 = label(6, 5, true, texte::text(10255));
    c2 = label(22, 5, true, texte::text(10256));
    c3 = label(38, 5, true, texte::text(10257));
    c4 = label(54, 5, true, texte::text(10258));
    c5 = label(70, 5, true, texte::text(10259));
    l1 = label(6, 58, false, QString::number(h.Nummer));
    l2 = label(22, 58, false, h.Name());
    l3 = label(38, 58, false, h.Material());
    l4 = label(54, 58, false, QString::number(h.Laenge));
    l5 = label(70, 58, false, groessentext(h.Groessen));
    const char* namen[] = {"c1", "c2", "c3", "c4", "c5", "l1", "l2", "l3", "l4", "l5"};
    TPlanLabel* felder[] = {c1, c2, c3, c4, c5, l1, l2, l3, l4, l5};
    for (int k = 0; k < 10; ++k)
        felder[k]->setObjectName(QLatin1String(namen[k]));
}

TPlanPanel::~TPlanPanel() {
    for (const QPointer<QWidget>& w : m_besitz)
        delete w.data();
}

QStringList notizZeilen(const QPlainTextEdit* box) {
    QStringList zeilen;
    zeilenDurchgehen(box, [&zeilen](const QString& text, int) {
        zeilen.append(text);
        return true;
    });
    return zeilen;
}

int notizEnde(const QPlainTextEdit* box, int anzahl) {
    int gezaehlt = 0, ende = -1, nachher = -1;
    zeilenDurchgehen(box, [&](const QString&, int pos) {
        if (gezaehlt == anzahl) {
            nachher = ende;
            return false;
        }
        ++gezaehlt;
        ende = pos;
        return true;
    });
    return nachher;
}
