#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QString;
class QWidget;

// The short notes that say something was done ("Saved as …"): a label inside the window the
// user works in, for a few seconds, beside the control just used, over no other control, and
// never in the way of a click.
namespace notiz {

// Where a note of this size goes in a window of that size: beside bei (below, above, right or
// left of it) where it covers none of belegt and stays inside; else at the free place nearest
// to bei; else below bei, as far inside as it fits.
QPoint ort(QSize notiz, QRect bei, QSize fenster, const QList<QRect>& belegt);

// Shows text beside bei in bei's window, and hides it again after a few seconds.
void zeigen(QWidget* bei, const QString& text);

} // namespace notiz
