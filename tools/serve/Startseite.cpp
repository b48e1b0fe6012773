// The start page: both searches, the catalogue and the plans of the plans folder.
#include "Seiten.h"

#include "texte/Texte.h"

namespace {

QString abschnitt(const QString& id, const QString& titel, const QString& inhalt) {
    return QStringLiteral("<section aria-labelledby=\"%1\"><h2 id=\"%1\">%2</h2>\n%3</section>\n")
        .arg(id, html::e(titel), inhalt);
}

} // namespace

QString chemikalienfeld(const Seitenkontext& k, const QString& wert) {
    return QStringLiteral("<div class=\"feld\"><label for=\"add\">%1</label>"
                          "<input id=\"add\" name=\"add\" type=\"text\" value=\"%2\" "
                          "autocomplete=\"off\" list=\"vorschlaege\" data-vorschlag=\"%3\">"
                          "<datalist id=\"vorschlaege\"></datalist></div>\n")
        .arg(html::e(Webseite::tr("Chemical or CAS number")), html::e(wert),
             k.verweis(QStringLiteral("/api/substances")));
}

Antwort startseite(const Seitenkontext& k, const QDir& plaene) {
    if (const auto o = optionen(k.anfrage, {}); std::holds_alternative<Abgelehnt>(o))
        return fehlerseite(k, 400, std::get<Abgelehnt>(o).meldung);
    const QString chemie =
        QStringLiteral("<form class=\"suche\" method=\"get\" action=\"/chemical\">%1\n%2"
                       "<p><button type=\"submit\">%3</button></p></form>\n")
            .arg(k.sprachfeld(), chemikalienfeld(k, QString()),
                 html::e(QCoreApplication::translate("TForm3", "Search")));
    const QString mech =
        QStringLiteral("<p>%1</p>\n<p><a class=\"knopf\" href=\"%2\">%3</a></p>\n")
            .arg(
                html::e(QCoreApplication::translate(
                    "TForm4",
                    "Search for the right QVR-Protective Glove against mechanical hazards")),
                k.verweis(QStringLiteral("/mechanical")),
                html::e(QCoreApplication::translate("TForm1", "Search for Mechanical Protection")));

    QString katalog = QStringLiteral("<ul class=\"katalog\">\n");
    for (qsizetype i = 0; i < k.d.katalog.size(); ++i) {
        const THandschuh& h = k.d.katalog.at(i);
        katalog += QStringLiteral("<li><a href=\"%1\">%2 <span class=\"code\">%3</span></a></li>\n")
                       .arg(k.verweis(QStringLiteral("/product/%1").arg(h.Nummer)),
                            html::e(h.Name()), QString::number(h.Nummer));
    }
    katalog += QStringLiteral("</ul>\n");

    QString plaeneListe;
    for (const QString& name : planNamen(plaene))
        plaeneListe += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                           .arg(k.verweis(QStringLiteral("/plan/") +
                                          QString::fromUtf8(QUrl::toPercentEncoding(name))),
                                html::e(name));
    plaeneListe = plaeneListe.isEmpty()
                      ? QStringLiteral("<p>%1</p>\n")
                            .arg(html::e(Webseite::tr("The plans folder holds no glove plan.")))
                      : QStringLiteral("<ul class=\"plaene\">\n%1</ul>\n").arg(plaeneListe);

    const QString inhalt =
        abschnitt(QStringLiteral("chemie"),
                  QCoreApplication::translate("TForm1", "Search for Chemical Protection"), chemie) +
        abschnitt(QStringLiteral("mechanik"),
                  QCoreApplication::translate("TForm1", "Search for Mechanical Protection"), mech) +
        abschnitt(QStringLiteral("katalog"),
                  QCoreApplication::translate("TForm2", "Complete List of Gloves"), katalog) +
        abschnitt(QStringLiteral("plaene"), Webseite::tr("Glove plans"), plaeneListe);
    return seite(k, QCoreApplication::translate("TForm1", "Find the Right Glove"), inhalt);
}
