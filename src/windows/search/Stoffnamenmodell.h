#pragma once

#include "data/Stoffliste.h"

#include <QAbstractListModel>
#include <QList>

// The names one substance box lists, read in place from the table: one row per substance, in
// the order given (the box's alphabetical order), no copy of the names.
class TStoffnamenModell : public QAbstractListModel {
    Q_OBJECT
public:
    TStoffnamenModell(const TStoffliste& stoffe, QList<qint32> reihe, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QStringView name(int zeile) const;
    // The first row whose name starts with text, regardless of case; -1 for none.
    int zeileMitAnfang(QStringView text) const;
    // The first row with exactly this name; -1 for none.
    int zeileMitNamen(QStringView name) const;

private:
    const TStoffliste& m_stoffe;
    const QList<qint32> m_reihe;
};
