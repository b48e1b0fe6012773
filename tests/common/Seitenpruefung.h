#pragma once

#include "print/Seitenrahmen.h"
#include "shared/gui/PageFont.h"
#include "shared/gui/RecordingCanvas.h"

#include <QHash>
#include <QRectF>
#include <QStringList>

#include <algorithm>

// The rule every printed page keeps, whatever the language or the texts: no text leaves the
// paper, no two texts (or a text and a picture) lie on each other, no text box cuts its text, no
// picture runs past a frame it is drawn in, and below the footer's rule there is the footer and
// nothing else, on every page. It reads only the recording, so it holds for any language
// module's texts.
namespace seitenpruefung {

namespace detail {

using Op = RecordingCanvas::Op;
using Kind = RecordingCanvas::Kind;

// What a text covers on paper: its measured width by its cell height, turned with its angle.
inline QRectF textRechteck(const Op& op) {
    // A font is laid out once per face, height and weight; a long printout has thousands of texts.
    static QHash<QString, PageFont> schriften;
    const QString schluessel = QStringLiteral("%1/%2/%3").arg(op.face).arg(op.height).arg(op.bold);
    auto it = schriften.find(schluessel);
    if (it == schriften.end())
        it = schriften.insert(schluessel, PageFont(op.face, op.height, op.bold));
    const double w = it->width(op.text);
    if (op.angle == 900) return QRectF(op.x, op.y - w, op.height, w);
    return QRectF(op.x, op.y, w, op.height);
}

inline bool sichtbar(const Op& op) {
    if (op.kind == Kind::Image) return true;
    if (op.kind != Kind::Text && op.kind != Kind::TextBox) return false;
    return !op.text.trimmed().isEmpty();
}

// Where an operation lies: a text box covers its box, text and pictures what they draw.
inline QRectF flaeche(const Op& op) {
    return op.kind == Kind::Text ? textRechteck(op) : QRectF(op.rect);
}

inline QString name(const Op& op) {
    const QRectF r = flaeche(op);
    const QString was = op.kind == Kind::Image
                            ? QStringLiteral("picture")
                            : QLatin1Char('"') + op.text.left(40) + QLatin1Char('"');
    return QStringLiteral("%1 at (%2, %3)-(%4, %5)")
        .arg(was)
        .arg(r.left())
        .arg(r.top())
        .arg(r.right())
        .arg(r.bottom());
}

inline bool gleich(const Op& a, const Op& b) {
    return a.kind == b.kind && a.x == b.x && a.y == b.y && a.text == b.text &&
           a.height == b.height && a.bold == b.bold && a.rect == b.rect;
}

// Half a unit of rounding either way is no fault.
constexpr double kToleranz = 0.5;

inline bool ueberlappen(const QRectF& a, const QRectF& b) {
    const QRectF s = a.intersected(b);
    return s.width() > kToleranz && s.height() > kToleranz;
}

} // namespace detail

// Every fault of every page, one line each; empty when the printout is sound. fuss is the footer
// the printout was given: each page must carry exactly it below the rule.
inline QStringList fehler(const RecordingCanvas& c, const FusszeilenDaten& fuss) {
    using namespace detail;
    QStringList f;
    const QSizeF mm = c.printableSizeMm();
    for (qsizetype p = 0; p < c.pages().size(); ++p) {
        const bool quer = c.orientations().value(p) == QPageLayout::Landscape;
        const QSizeF seite =
            quer ? QSizeF(std::max(mm.width(), mm.height()), std::min(mm.width(), mm.height()))
                 : QSizeF(std::min(mm.width(), mm.height()), std::max(mm.width(), mm.height()));
        const int W = int(seite.width()) * 10;
        const int H = int(seite.height()) * 10;
        const QRectF papier(0, 0, W, H);
        const double regel = H - 165;
        const QString kopf = QStringLiteral("page %1: ").arg(p + 1);

        // The footer as this page size draws it, to tell its operations from the printout's.
        RecordingCanvas nurFuss(seite);
        printPageFooter(nurFuss, fuss);
        const QList<Op> fussOps = nurFuss.pages().constFirst();

        QList<std::pair<Op, QRectF>> sichtbare; // with where each lies, measured once
        QList<Op> fehlend = fussOps;
        QList<QRectF> rahmen;
        for (const Op& op : c.pages()[p])
            if (op.kind == Kind::Frame) rahmen.append(QRectF(op.rect));
        for (const Op& op : c.pages()[p]) {
            const auto it = std::find_if(fehlend.begin(), fehlend.end(),
                                         [&op](const Op& g) { return gleich(g, op); });
            const bool imFuss = it != fehlend.end();
            if (imFuss) fehlend.erase(it);
            if (!sichtbar(op)) continue;
            const QRectF r = flaeche(op);
            sichtbare.append({op, r});
            if (!papier.adjusted(-kToleranz, -kToleranz, kToleranz, kToleranz).contains(r))
                f << kopf + name(op) + QStringLiteral(" leaves the paper");
            if (!imFuss && r.bottom() > regel + kToleranz)
                f << kopf + name(op) + QStringLiteral(" enters the footer");
            if (op.kind == Kind::TextBox &&
                !QRectF(op.rect)
                     .adjusted(-kToleranz, -kToleranz, kToleranz, kToleranz)
                     .contains(textRechteck(op)))
                f << kopf + name(op) + QStringLiteral(" is cut by its box");
            // A picture drawn into a frame stays inside it.
            if (op.kind == Kind::Image)
                for (const QRectF& fr : rahmen)
                    if (ueberlappen(r, fr) &&
                        !fr.adjusted(-kToleranz, -kToleranz, kToleranz, kToleranz).contains(r))
                        f << kopf + name(op) + QStringLiteral(" leaves its frame");
        }
        for (const Op& op : fehlend)
            if (sichtbar(op))
                f << kopf + QStringLiteral("the footer's ") + name(op) + " is missing";

        for (qsizetype i = 0; i < sichtbare.size(); ++i)
            for (qsizetype j = i + 1; j < sichtbare.size(); ++j) {
                const auto& [a, ra] = sichtbare[i];
                const auto& [b, rb] = sichtbare[j];
                if (a.kind == Kind::Image && b.kind == Kind::Image) continue;
                if (ueberlappen(ra, rb))
                    f << kopf + name(a) + QStringLiteral(" overlaps ") + name(b);
            }
    }
    return f;
}

} // namespace seitenpruefung
