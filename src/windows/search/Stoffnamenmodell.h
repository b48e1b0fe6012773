#pragma once

#include "data/Stoffliste.h"

#include <QAbstractListModel>
#include <QList>

#include <optional>

// The names one substance box lists, read in place from the table: one row per substance of
// one state, in the alphabetical order of the language in use, no copy of the names. Sorting a
// large table takes a while, so the order is made when the box is first asked, not when the window
// is made at start.
class TStoffnamenModell : public QAbstractListModel {
    Q_OBJECT
public:
    TStoffnamenModell(const TStoffliste& stoffe, quint8 zustand, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QStringView name(int zeile) const;
    // The first row whose name starts with text, regardless of case, else the first where a
    // word of the name does ("Hexane" finds "n-Hexane"); -1 for none.
    int zeileMitAnfang(QStringView text) const;

private:
    const QList<qint32>& reihe() const;

    const TStoffliste& m_stoffe;
    const quint8 m_zustand;
    mutable std::optional<QList<qint32>> m_reihe;
};
