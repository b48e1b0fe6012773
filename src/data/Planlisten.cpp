#include "data/Planlisten.h"

#include "shared/KommaText.h"

void TPlanlisten::hinzufuegen(const THandschuh* glove, const QString& einsatzUeberschrift,
                              const QString& arbeitUeberschrift) {
    Planliste.append(glove);
    Einsatzbereiche.append(kommatext::schreiben({einsatzUeberschrift}));
    Arbeitsbereiche.append(kommatext::schreiben({arbeitUeberschrift}));
    Q_EMIT geaendert();
}

bool TPlanlisten::enthaelt(qint32 nummer) const {
    for (const THandschuh* h : Planliste)
        if (h->Nummer == nummer) return true;
    return false;
}
