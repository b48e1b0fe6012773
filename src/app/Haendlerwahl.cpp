#include "app/Haendlerwahl.h"

#include "app/Dialoge.h"
#include "app/Kontext.h"
#include "data/Datendateien.h"
#include "texte/Texte.h"

void haendlerWaehlen(QWidget* parent, TKontext& kontext) {
    const std::optional<QString> code =
        dialoge::eingabe(parent, QString(), texte::text(10239), kontext.adressen.An[0]);
    if (!code || code->isEmpty()) return;
    if (!haendlerWechseln(kontext.einstellungen.get(), kontext.datenPfad(datendatei::adressen()),
                          *code, kontext.adressen))
        dialoge::meldung(parent, texte::text(10015), texte::text(10240));
}
