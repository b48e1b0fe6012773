#include "texte/Meldung.h"

#include <QCoreApplication>

QString Meldung::woerter() const {
    if (!text) return {};
    const QString vorlage = QCoreApplication::translate(kontext, text);
    QString s;
    for (qsizetype i = 0; i < vorlage.size(); ++i) {
        const qsizetype n = i + 1 < vorlage.size() ? vorlage[i + 1].digitValue() : -1;
        if (vorlage[i] == u'%' && n >= 1 && n <= argumente.size()) {
            s += argumente[n - 1];
            ++i;
        } else {
            s += vorlage[i];
        }
    }
    return s;
}
