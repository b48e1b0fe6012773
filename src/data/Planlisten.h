#pragma once

#include "data/Objekte.h"

#include <QList>
#include <QObject>
#include <QStringList>

// The glove plan's three parallel lists: the gloves (references into the catalogue) and the two
// notes of each column as comma text. They always have the same length.
class TPlanlisten : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QList<const THandschuh*> Planliste;
    QStringList Arbeitsbereiche;
    QStringList Einsatzbereiche;

    // Appends the glove with one-line notes and tells the listeners (the plan window rearranges).
    // Duplicates are accepted. A plan of kPlanHoechstens columns takes no more: false, and the
    // caller shows voll().
    [[nodiscard]] bool hinzufuegen(const THandschuh* glove, const QString& einsatzUeberschrift,
                                   const QString& arbeitUeberschrift);
    static QString voll();
    // Whether a glove with this product code is in the plan.
    bool enthaelt(qint32 nummer) const;
    qsizetype size() const { return Planliste.size(); }

    // For the plan window's own edits (delete, load), which change the lists directly.
    void geaendertMelden() { Q_EMIT geaendert(); }

Q_SIGNALS:
    void geaendert();
};
