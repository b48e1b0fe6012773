#pragma once

#include "data/Objekte.h"

#include <QList>
#include <QObject>
#include <QStringList>

// The glove plan's three parallel lists: the gloves (references into the catalogue) and the two
// notes of each column as comma text. They change only through the operations below, so they
// always have the same length.
class TPlanlisten : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const QList<const THandschuh*>& Planliste() const { return m_planliste; }
    const QStringList& Arbeitsbereiche() const { return m_arbeitsbereiche; }
    const QStringList& Einsatzbereiche() const { return m_einsatzbereiche; }
    qsizetype size() const { return m_planliste.size(); }

    // Appends the glove with one-line notes. Duplicates are accepted. A plan of
    // kPlanHoechstens columns takes no more: false, and the caller shows voll().
    [[nodiscard]] bool hinzufuegen(const THandschuh* glove, const QString& einsatzUeberschrift,
                                   const QString& arbeitUeberschrift);
    static QString voll();
    // Removes column i with its notes; an index outside the plan changes nothing.
    void entfernen(qsizetype i);
    // The whole plan at once (a loaded file); a note list shorter than the gloves is filled
    // with empty notes, a longer one cut.
    void ersetzen(QList<const THandschuh*> gloves, QStringList arbeitsbereiche,
                  QStringList einsatzbereiche);

    enum class Notiz { Arbeitsbereiche, Einsatzbereiche };
    // A note edited in its box. Tells no one: the columns stay where they are.
    void notizSetzen(qsizetype i, Notiz welche, const QString& kommatext);

    // Whether a glove with this product code is in the plan.
    bool enthaelt(qint32 nummer) const;

Q_SIGNALS:
    // After every add, remove and replace (the plan window rearranges, result lists update).
    void geaendert();

private:
    QList<const THandschuh*> m_planliste;
    QStringList m_arbeitsbereiche;
    QStringList m_einsatzbereiche;
};
