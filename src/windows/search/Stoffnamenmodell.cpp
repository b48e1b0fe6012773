#include "windows/search/Stoffnamenmodell.h"

#include "data/Chemiesuche.h"

TStoffnamenModell::TStoffnamenModell(const TStoffliste& stoffe, quint8 zustand, QObject* parent)
    : QAbstractListModel(parent), m_stoffe(stoffe), m_zustand(zustand) {}

const QList<qint32>& TStoffnamenModell::reihe() const {
    if (!m_reihe) m_reihe = stoffreihe(m_stoffe, m_zustand);
    return *m_reihe;
}

int TStoffnamenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(reihe().size());
}

QVariant TStoffnamenModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= reihe().size()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return name(index.row()).toString();
    return {};
}

QStringView TStoffnamenModell::name(int zeile) const {
    return m_stoffe.name(reihe()[zeile]);
}

int TStoffnamenModell::zeileMitAnfang(QStringView text) const {
    for (int i = 0; i < reihe().size(); ++i)
        if (name(i).startsWith(text, Qt::CaseInsensitive)) return i;
    for (int i = 0; i < reihe().size(); ++i)
        if (wortBeginntMit(name(i), text)) return i;
    return -1;
}
