#include "app/Intranetwahl.h"

#include "app/Dialoge.h"
#include "app/Kontext.h"
#include "data/Intranet.h"
#include "texte/Texte.h"

#include <QCoreApplication>

namespace {

QString tr(const char* s) {
    return QCoreApplication::translate("Intranetwahl", s);
}

} // namespace

void intranetWaehlen(QWidget* parent, TKontext& kontext) {
    if (!kontext.einstellungen) return;
    TEinstellungen& speicher = *kontext.einstellungen;
    QString text = intranetLesen(speicher);
    for (;;) {
        const std::optional<QString> eingabe = dialoge::eingabe(
            parent, tr("Intranet address"),
            tr("Address of the glove server (qvr serve) on your intranet, for example "
               "http://gloves.plant:8080. Printed glove plans then carry a QR code for each "
               "glove. Leave it empty for none:"),
            text);
        if (!eingabe) return;
        if (const std::optional<QString> adresse = intranetAdresse(*eingabe)) {
            intranetSpeichern(speicher, *adresse);
            if (const auto p = speicher.problem()) dialoge::meldung(parent, texte::text(10015), *p);
            return;
        }
        dialoge::meldung(parent, texte::text(10015),
                         tr("\"%1\" is no address of a web server: give it as http://NAME or "
                            "https://NAME, with a port or a path if needed, without user name, "
                            "\"?\" or \"#\", in at most %2 characters.")
                             .arg(*eingabe)
                             .arg(kIntranetLaenge));
        text = *eingabe;
    }
}
