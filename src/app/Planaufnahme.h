#pragma once

#include <QString>

class QWidget;
class TPlanlisten;
struct THandschuh;

// Adds a glove to the glove plan with the headings of its two notes, as every window that offers
// it does: the user is told beside bei (the button used) that it was added, or in a message that
// the plan is full. False when the plan is full.
bool inDenPlan(QWidget* bei, TPlanlisten& plan, const THandschuh& glove,
               const QString& einsatzUeberschrift, const QString& arbeitsUeberschrift);

// The searches' add: a glove (null: no row chosen) goes into the plan once. No row chosen, or a
// glove already in the plan, is said beside bei in the same short way; false then.
bool ausSucheInDenPlan(QWidget* bei, TPlanlisten& plan, const THandschuh* glove,
                       const QString& einsatzUeberschrift, const QString& arbeitsUeberschrift);
