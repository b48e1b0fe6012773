#include "data/Planlisten.h"

#include "data/Plandatei.h"
#include "shared/KommaText.h"

#include <QCoreApplication>

bool TPlanlisten::hinzufuegen(const THandschuh* glove, const QString& einsatzUeberschrift,
                              const QString& arbeitUeberschrift) {
    if (m_planliste.size() >= kPlanHoechstens) return false;
    m_planliste.append(glove);
    m_einsatzbereiche.append(kommatext::schreiben({einsatzUeberschrift}));
    m_arbeitsbereiche.append(kommatext::schreiben({arbeitUeberschrift}));
    Q_EMIT geaendert();
    return true;
}

QString TPlanlisten::voll() {
    return QCoreApplication::translate("plandatei",
                                       "The glove plan is full: it holds at most %1 gloves.")
        .arg(kPlanHoechstens);
}

void TPlanlisten::entfernen(qsizetype i) {
    if (i < 0 || i >= size()) return;
    m_planliste.removeAt(i);
    m_arbeitsbereiche.removeAt(i);
    m_einsatzbereiche.removeAt(i);
    Q_EMIT geaendert();
}

void TPlanlisten::ersetzen(QList<const THandschuh*> gloves, QStringList arbeitsbereiche,
                           QStringList einsatzbereiche) {
    m_planliste = std::move(gloves);
    m_arbeitsbereiche = std::move(arbeitsbereiche);
    m_einsatzbereiche = std::move(einsatzbereiche);
    m_arbeitsbereiche.resize(size());
    m_einsatzbereiche.resize(size());
    Q_EMIT geaendert();
}

void TPlanlisten::notizSetzen(qsizetype i, Notiz welche, const QString& kommatext) {
    if (i < 0 || i >= size()) return;
    (welche == Notiz::Arbeitsbereiche ? m_arbeitsbereiche : m_einsatzbereiche)[i] = kommatext;
}

bool TPlanlisten::enthaelt(qint32 nummer) const {
    for (const THandschuh* h : m_planliste)
        if (h->Nummer == nummer) return true;
    return false;
}
