// The mechanical search: the window's questions as one form, its answer list, its printout and
// the JSON of "qvr mech-search".
#include "Seiten.h"

#include "MechBefehl.h"
#include "QvrFehler.h"
#include "print/Mechbericht.h"
#include "shared/Adressblock.h"
#include "shared/gui/PdfAusgabe.h"

#include <QSet>

namespace {

const QStringList kOptionen{QStringLiteral("hazard"), QStringLiteral("environment"),
                            QStringLiteral("cut"),    QStringLiteral("length"),
                            QStringLiteral("grip"),   QStringLiteral("dexterity"),
                            QStringLiteral("special")};

QString tr4(const char* text) {
    return QCoreApplication::translate("TForm4", text);
}

// The answers of the query, read by qvr's own option reader. Every "special" counts: a form's
// check boxes send one each, the tool takes a list.
std::variant<TMechAntworten, Abgelehnt> antworten(const Anfrage& a) {
    const auto o = optionen(a, kOptionen);
    if (const auto* f = std::get_if<Abgelehnt>(&o)) return *f;
    const QStringList& args = std::get<QStringList>(o);
    TMechAntworten w;
    QStringList besondere;
    try {
        for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
            if (args[i] == QLatin1String("--special"))
                besondere << args[i + 1];
            else
                mechOption(w, args[i], args[i + 1]);
        }
        if (!besondere.isEmpty()) mechOption(w, QStringLiteral("--special"), besondere.join(u','));
    } catch (const QvrFehler& f) {
        return Abgelehnt{Webseite::tr("The search cannot take these options: %1").arg(f.meldung)};
    }
    return w;
}

QString auswahlgruppe(const QString& name, const QString& frage, const QStringList& punkte,
                      int gewaehlt) {
    QString s = QStringLiteral("<fieldset><legend>%1</legend>\n").arg(html::e(frage));
    for (int i = 0; i < punkte.size(); ++i)
        s += QStringLiteral("<label class=\"wahl\"><input type=\"radio\" name=\"%1\" value=\"%2\""
                            "%3> %4</label>\n")
                 .arg(name, QString::number(i),
                      i == gewaehlt ? QStringLiteral(" checked") : QString(), html::e(punkte[i]));
    return s + QStringLiteral("</fieldset>\n");
}

QString liste(const QString& name, const QString& label, const QStringList& punkte, int gewaehlt) {
    QString s = QStringLiteral("<div class=\"feld\"><label for=\"%1\">%2</label>"
                               "<select id=\"%1\" name=\"%1\">")
                    .arg(name, html::e(label));
    for (int i = 0; i < punkte.size(); ++i)
        s += QStringLiteral("<option value=\"%1\"%2>%3</option>")
                 .arg(QString::number(i), i == gewaehlt ? QStringLiteral(" selected") : QString(),
                      html::e(punkte[i]));
    return s + QStringLiteral("</select></div>\n");
}

QString formular(const Seitenkontext& k, const TMechAntworten& w) {
    static const char* const besondere[] = {
        QT_TRANSLATE_NOOP("TForm4", "Suitable for food handling and processing"),
        QT_TRANSLATE_NOOP("TForm4", "Naturally breathing"),
        QT_TRANSLATE_NOOP("TForm4", "Latex free"), QT_TRANSLATE_NOOP("TForm4", "Fit"),
        QT_TRANSLATE_NOOP("TForm4", "Suitable for use with grease and oils")};
    QString s = QStringLiteral("<form class=\"suche\" method=\"get\" action=\"/mechanical\">\n");
    s += k.sprachfeld();
    s += auswahlgruppe(QStringLiteral("hazard"), tr4("What is the primary hazard ?"),
                       mechAuswahl(TMechListe::Gefahr), w.gefahr);
    s += auswahlgruppe(QStringLiteral("environment"), tr4("What kind of work environment ?"),
                       mechAuswahl(TMechListe::Umgebung), w.umgebung);
    s += auswahlgruppe(
        QStringLiteral("cut"), Webseite::tr("Cut protection, for a special cut hazard"),
        {tr4("Low cut protection"), tr4("Medium cut protection"), tr4("High cut protection")},
        w.schnitt);
    s += QStringLiteral("<fieldset><legend>%1</legend>\n").arg(html::e(tr4("Basic requirements:")));
    s += liste(QStringLiteral("length"), tr4("Length:"), mechAuswahl(TMechListe::Laenge), w.laenge);
    s += liste(QStringLiteral("grip"), tr4("Grip:"), mechAuswahl(TMechListe::Griff), w.griff);
    s += liste(QStringLiteral("dexterity"), tr4("Dexterity:"),
               mechAuswahl(TMechListe::Fingerfertigkeit), w.fingerfertigkeit);
    s += QStringLiteral("</fieldset>\n<fieldset><legend>%1</legend>\n")
             .arg(html::e(tr4("Special requirements:")));
    for (int i = 0; i < kBesondere; ++i)
        s += QStringLiteral("<label class=\"wahl\"><input type=\"checkbox\" name=\"special\" "
                            "value=\"%1\"%2> %3</label>\n")
                 .arg(QString::number(i),
                      w.besonders[std::size_t(i)] ? QStringLiteral(" checked") : QString(),
                      html::e(tr4(besondere[i])));
    return s + QStringLiteral("</fieldset>\n<p><button type=\"submit\">%1</button></p>\n</form>\n")
                   .arg(html::e(tr4("Search")));
}

} // namespace

Antwort mechseite(const Seitenkontext& k, bool pdf) {
    const auto gelesen = antworten(k.anfrage);
    if (const auto* f = std::get_if<Abgelehnt>(&gelesen)) return fehlerseite(k, 400, f->meldung);
    const TMechAntworten& w = std::get<TMechAntworten>(gelesen);
    const QList<const THandschuh*> ergebnis = mechsuche(k.d.katalog, w);
    const QStringList eintraege = mechEintraege(ergebnis, [](qint32) { return false; });
    if (pdf) {
        const MechDruckDaten d =
            mechDruckDaten(w, eintraege, fusszeileHeute(standardAdressblock().An));
        return pdfAntwort(k, pdfErzeugen([&d](PageCanvas& c) { mechberichtDrucken(c, d); }),
                          QStringLiteral("mechanical.pdf"));
    }
    QString inhalt = formular(k, w);
    // Before the first search the page asks only; an answered form shows what it found.
    const bool gesucht =
        std::any_of(k.anfrage.abfrage.cbegin(), k.anfrage.abfrage.cend(),
                    [](const auto& p) { return p.first != QLatin1String("lang"); });
    if (gesucht) {
        QUrlQuery q;
        for (const auto& [name, wert] : k.anfrage.abfrage)
            if (name != QLatin1String("lang")) q.addQueryItem(name, wert);
        inhalt +=
            QStringLiteral("<section aria-labelledby=\"ergebnis\"><h2 id=\"ergebnis\">%1</h2>\n")
                .arg(html::e(tr4("Search Results:")));
        if (eintraege.isEmpty())
            inhalt += QStringLiteral("<p>%1</p>\n")
                          .arg(html::e(Webseite::tr("No glove meets these requirements.")));
        inhalt += QStringLiteral("<ul class=\"treffer\">\n");
        for (qsizetype i = 0; i < ergebnis.size(); ++i)
            inhalt += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                          .arg(k.verweis(QStringLiteral("/product/%1").arg(ergebnis[i]->Nummer)),
                               html::e(eintraege[i]));
        inhalt += QStringLiteral("</ul>\n<p class=\"aktionen\"><a class=\"knopf\" href=\"%1\">%2"
                                 "</a></p>\n</section>\n")
                      .arg(k.verweis(QStringLiteral("/pdf/mechanical"), q),
                           html::e(Webseite::tr("Search results (PDF)")));
    }
    return seite(k, tr4("Search for Mechanical Protection"), inhalt);
}

Antwort mechApi(const Seitenkontext& k) {
    const auto gelesen = antworten(k.anfrage);
    if (const auto* f = std::get_if<Abgelehnt>(&gelesen))
        return jsonAntwort({{"error", f->meldung}}, 400);
    return jsonAntwort(mechJson(mechsuche(k.d.katalog, std::get<TMechAntworten>(gelesen)), {}));
}
