#include "data/Planlisten.h"

#include "data/Plandatei.h"
#include "shared/KommaText.h"

bool TPlanlisten::hinzufuegen(const THandschuh* glove, const QString& einsatzUeberschrift,
                              const QString& arbeitUeberschrift) {
    if (Planliste.size() >= kPlanHoechstens) return false;
    Planliste.append(glove);
    Einsatzbereiche.append(kommatext::schreiben({einsatzUeberschrift}));
    Arbeitsbereiche.append(kommatext::schreiben({arbeitUeberschrift}));
    Q_EMIT geaendert();
    return true;
}

QString TPlanlisten::voll() {
    return QStringLiteral("The glove plan is full: it holds at most %1 gloves.")
        .arg(kPlanHoechstens);
}

bool TPlanlisten::enthaelt(qint32 nummer) const {
    for (const THandschuh* h : Planliste)
        if (h->Nummer == nummer) return true;
    return false;
}
