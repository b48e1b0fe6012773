#include "windows/search/Stoffnamenmodell.h"

TStoffnamenModell::TStoffnamenModell(const TStoffliste& stoffe, QList<qint32> reihe,
                                     QObject* parent)
    : QAbstractListModel(parent), m_stoffe(stoffe), m_reihe(std::move(reihe)) {}

int TStoffnamenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_reihe.size());
}

QVariant TStoffnamenModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_reihe.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return name(index.row()).toString();
    return {};
}

QStringView TStoffnamenModell::name(int zeile) const {
    return m_stoffe.name(m_reihe[zeile]);
}

int TStoffnamenModell::zeileMitAnfang(QStringView text) const {
    for (int i = 0; i < m_reihe.size(); ++i)
        if (name(i).startsWith(text, Qt::CaseInsensitive)) return i;
    return -1;
}

int TStoffnamenModell::zeileMitNamen(QStringView gesucht) const {
    for (int i = 0; i < m_reihe.size(); ++i)
        if (name(i) == gesucht) return i;
    return -1;
}
