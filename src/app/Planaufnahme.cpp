#include "app/Planaufnahme.h"

#include "app/Dialoge.h"
#include "data/Planlisten.h"
#include "texte/Texte.h"

#include <QCoreApplication>
#include <QWidget>

bool inDenPlan(QWidget* bei, TPlanlisten& plan, const THandschuh& glove,
               const QString& einsatzUeberschrift, const QString& arbeitsUeberschrift) {
    if (!plan.hinzufuegen(&glove, einsatzUeberschrift, arbeitsUeberschrift)) {
        dialoge::meldung(bei ? bei->window() : nullptr, texte::text(10015), TPlanlisten::voll());
        return false;
    }
    dialoge::notiz(bei,
                   QCoreApplication::translate("Planaufnahme", "%1 (%2) added to the glove plan.")
                       .arg(glove.Name())
                       .arg(glove.Nummer));
    return true;
}

bool ausSucheInDenPlan(QWidget* bei, TPlanlisten& plan, const THandschuh* glove,
                       const QString& einsatzUeberschrift, const QString& arbeitsUeberschrift) {
    if (!glove) {
        dialoge::notiz(
            bei, QCoreApplication::translate("Planaufnahme", "Choose a glove in the list first."));
        return false;
    }
    if (plan.enthaelt(glove->Nummer)) {
        dialoge::notiz(bei, QCoreApplication::translate("Planaufnahme",
                                                        "%1 (%2) is already in the glove plan.")
                                .arg(glove->Name())
                                .arg(glove->Nummer));
        return false;
    }
    return inDenPlan(bei, plan, *glove, einsatzUeberschrift, arbeitsUeberschrift);
}
