// The chemical search: the chosen chemicals with a field to add more, the five further
// requirements, and the result grid as the window shows it, with its printout and the JSON of
// "qvr chem-search".
#include "Seiten.h"

#include "ChemieBefehl.h"
#include "QvrFehler.h"
#include "data/Ergebnistabelle.h"
#include "print/Chemiebericht.h"
#include "shared/Adressblock.h"
#include "shared/gui/PdfAusgabe.h"
#include "texte/Texte.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QStringList kOptionen{QStringLiteral("name"),      QStringLiteral("cas"),
                            QStringLiteral("length"),    QStringLiteral("temperature"),
                            QStringLiteral("touch"),     QStringLiteral("lining"),
                            QStringLiteral("mechanical")};
const QString kHinzu = QStringLiteral("add");

QString tr3(const char* text) {
    return QCoreApplication::translate("TForm3", text);
}

// The query read by qvr's own option reader, the chemicals looked up in the page's data set.
struct Suche {
    ChemieWahl wahl;
    QList<TStoff> auswahl;
    QString nichtGefunden; // qvr's message when a chosen chemical is not in the table
};

std::variant<Suche, Abgelehnt> suche(const Seitenkontext& k, bool mitHinzu) {
    const auto o = optionen(k.anfrage, mitHinzu ? kOptionen + QStringList{kHinzu} : kOptionen);
    if (const auto* f = std::get_if<Abgelehnt>(&o)) return *f;
    QStringList args = std::get<QStringList>(o);
    for (qsizetype i = args.indexOf(QLatin1String("--") + kHinzu); i >= 0;
         i = args.indexOf(QLatin1String("--") + kHinzu))
        args.remove(i, 2);
    Suche s;
    try {
        s.wahl = chemieWahl(args, false);
    } catch (const QvrFehler& f) {
        return Abgelehnt{Webseite::tr("The search cannot take these options: %1").arg(f.meldung)};
    }
    if (s.wahl.chemikalien.size() > kHoechstensChemikalien)
        return Abgelehnt{Webseite::tr("At most %1 chemicals can be searched at once.")
                             .arg(kHoechstensChemikalien)};
    try {
        s.auswahl =
            chemieAuswahl(k.d.stoffe, s.wahl.chemikalien, QFileInfo(k.d.verzeichnis).fileName());
    } catch (const QvrFehler& f) {
        s.nichtGefunden = f.meldung;
    }
    return s;
}

// The query's pairs except those named, for links that keep the rest of the search.
QUrlQuery ohne(const Anfrage& a, const std::function<bool(qsizetype, const QString&)>& weg) {
    QUrlQuery q;
    for (qsizetype i = 0; i < a.abfrage.size(); ++i) {
        const auto& [name, wert] = a.abfrage[i];
        if (name != QLatin1String("lang") && !weg(i, name)) q.addQueryItem(name, wert);
    }
    return q;
}

QString anforderungen(const TAnforderungen& a) {
    static const struct {
        const char* name;
        const char* label;
    } kListen[] = {{"length", QT_TRANSLATE_NOOP("TForm3", "Total length:")},
                   {"temperature", QT_TRANSLATE_NOOP("TForm3", "Temperature resistance:")},
                   {"touch", QT_TRANSLATE_NOOP("TForm3", "Touch Sensitivity:")},
                   {"lining", QT_TRANSLATE_NOOP("TForm3", "(Flock) lining:")},
                   {"mechanical", QT_TRANSLATE_NOOP("TForm3", "Mechanical Resistance:")}};
    const int gewaehlt[] = {a.laenge, a.temperatur, a.tastgefuehl, a.futter, a.mechanik};
    QString s = QStringLiteral("<fieldset><legend>%1</legend>\n")
                    .arg(html::e(tr3("Other glove requirements")));
    for (int l = 0; l < 5; ++l) {
        const QString name = QLatin1String(kListen[l].name);
        s += QStringLiteral("<div class=\"feld\"><label for=\"%1\">%2</label><select id=\"%1\" "
                            "name=\"%1\">")
                 .arg(name, html::e(tr3(kListen[l].label)));
        const QStringList punkte = anforderungsEintraege(l + 1);
        for (int i = 0; i < punkte.size(); ++i)
            s += QStringLiteral("<option value=\"%1\"%2>%3</option>")
                     .arg(QString::number(i),
                          i == gewaehlt[l] ? QStringLiteral(" selected") : QString(),
                          html::e(punkte[i]));
        s += QStringLiteral("</select></div>\n");
    }
    return s + QStringLiteral("</fieldset>\n");
}

QString formular(const Seitenkontext& k, const Suche& s, const QString& hinzu) {
    QString gewaehlt, verborgen;
    const Anfrage& a = k.anfrage;
    qsizetype j = 0; // the chemical's place in the selection
    for (qsizetype i = 0; i < a.abfrage.size(); ++i) {
        const auto& [name, wert] = a.abfrage[i];
        if (name != QLatin1String("name") && name != QLatin1String("cas")) continue;
        verborgen += QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">\n")
                         .arg(name, html::e(wert));
        // As the window's list names it, where the table has it.
        const QString gezeigt = j < s.auswahl.size()
                                    ? auswahlEintrag(s.auswahl[j].hatZustand()
                                                         ? texte::text(10015 + s.auswahl[j].Zustand)
                                                         : QString(),
                                                     s.auswahl[j].Name)
                                    : wert;
        ++j;
        const QUrlQuery rest = ohne(a, [i](qsizetype n, const QString&) { return n == i; });
        gewaehlt +=
            QStringLiteral("<li><span>%1</span> <a href=\"%2\">%3<span class=\"unsichtbar\"> "
                           "%1</span></a></li>\n")
                .arg(html::e(gezeigt), k.verweis(QStringLiteral("/chemical"), rest),
                     html::e(Webseite::tr("Remove")));
    }
    QString f = QStringLiteral("<form class=\"suche\" method=\"get\" action=\"/chemical\">\n");
    f += k.sprachfeld();
    f += verborgen;
    f += QStringLiteral("<h2>%1</h2>\n").arg(html::e(tr3("Selected Chemical / Mixture:")));
    f += gewaehlt.isEmpty()
             ? QStringLiteral("<p>%1</p>\n").arg(html::e(Webseite::tr("No chemical chosen yet.")))
             : QStringLiteral("<ul class=\"gewaehlt\">\n%1</ul>\n").arg(gewaehlt);
    f += chemikalienfeld(k, hinzu);
    f += anforderungen(s.wahl.anforderungen);
    return f + QStringLiteral("<p><button type=\"submit\">%1</button></p>\n</form>\n")
                   .arg(html::e(tr3("Search")));
}

QString legende() {
    QString s = QStringLiteral("<ul class=\"legende\">\n");
    for (const Zellart art : {Zellart::Gut, Zellart::Mittel, Zellart::Schwach, Zellart::Ungeeignet,
                              Zellart::Ungeprueft})
        s += QStringLiteral("<li><span class=\"muster %1\"></span>%2</li>\n")
                 .arg(farbklasse(QColor::fromRgb(zelltoenung(art))), html::e(zellartText(art)));
    return s + QStringLiteral("</ul>\n");
}

QString raster(const Seitenkontext& k, const TErgebnistabelle& t) {
    QString s = QStringLiteral("<div class=\"raster\" role=\"region\" aria-labelledby=\"ergebnis\" "
                               "tabindex=\"0\"><table>\n<thead><tr><th scope=\"col\">%1</th>")
                    .arg(html::e(QCoreApplication::translate("TErgebnistabelle", "Glove")));
    for (int j = 0; j < t.spalten(); ++j)
        s += QStringLiteral("<th scope=\"col\">%1<span class=\"chemikalie\">%2</span></th>")
                 .arg(html::e(t.zustand(j)), html::e(t.chemikalie(j)));
    s += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (int i = 0; i < t.zeilen(); ++i) {
        const TChemieschutz& r = t.handschuh(i);
        const QString bewertung = t.bewertung(i);
        s += QStringLiteral("<tr><th scope=\"row\"><a href=\"%1\">%2</a> (%3)%4</th>")
                 .arg(k.verweis(QStringLiteral("/product/%1").arg(r.Nummer)), html::e(r.Name),
                      QString::number(r.Nummer),
                      bewertung.isEmpty() ? QString()
                                          : QStringLiteral("<span class=\"ungeeignet\">%1</span>")
                                                .arg(html::e(bewertung)));
        for (int j = 0; j < t.spalten(); ++j) {
            const TErgebniszelle z = t.zelle(i, j);
            s += QStringLiteral("<td class=\"%1\">%2<br>%3<br>%4<span class=\"unsichtbar\"> (%5)"
                                "</span></td>")
                     .arg(farbklasse(QColor::fromRgb(zelltoenung(z.art))), html::e(z.permeation),
                          html::e(z.quellung), html::e(z.penetration), html::e(zellartText(z.art)));
        }
        s += QStringLiteral("</tr>\n");
    }
    return s + QStringLiteral("</tbody></table></div>\n");
}

// A chemical typed into the add field: a name as the boxes list it, else a CAS number.
std::optional<TStoff> gesucht(const TStoffliste& stoffe, const QString& text) {
    for (const bool perCas : {false, true}) {
        try {
            return chemieAuswahl(stoffe, {{perCas, text}}, QString()).constFirst();
        } catch (const QvrFehler&) {
            // not by this way; try the other
        }
    }
    return std::nullopt;
}

// The listed substances whose name holds the text or whose CAS number starts with it, at most
// `hoechstens`, in table order; none for less than two characters.
QList<qsizetype> stoffTreffer(const TStoffliste& st, const QString& text, int hoechstens) {
    QList<qsizetype> treffer;
    for (qsizetype i = 0; i < st.size() && treffer.size() < hoechstens && text.size() >= 2; ++i)
        if (TStoff::listbar(st.zustand(i)) &&
            (st.name(i).contains(text, Qt::CaseInsensitive) || st.cas(i).startsWith(text)))
            treffer.append(i);
    return treffer;
}

} // namespace

Antwort chemieseite(const Seitenkontext& k, bool pdf) {
    const auto gelesen = suche(k, !pdf);
    if (const auto* f = std::get_if<Abgelehnt>(&gelesen)) return fehlerseite(k, 400, f->meldung);
    const Suche& s = std::get<Suche>(gelesen);
    QString hinzu;
    for (const auto& [name, wert] : k.anfrage.abfrage)
        if (name == kHinzu) hinzu = wert.trimmed();
    QString meldungen;
    if (!hinzu.isEmpty()) {
        if (const auto stoff = gesucht(k.d.stoffe, hinzu)) {
            // Added under its name, so the address says what it searches.
            QUrlQuery q = ohne(k.anfrage, [](qsizetype, const QString& n) { return n == kHinzu; });
            q.addQueryItem(QStringLiteral("name"), stoff->Name);
            if (k.sprachGewaehlt) q.addQueryItem(QStringLiteral("lang"), k.d.sprache);
            Antwort a;
            a.status = 303;
            a.ort = "/chemical?" + q.toString(QUrl::FullyEncoded).toUtf8();
            return a;
        }
        meldungen += QStringLiteral("<p class=\"meldung\" role=\"alert\">%1</p>\n")
                         .arg(html::e(Webseite::tr("No chemical \"%1\" in the table.").arg(hinzu)));
        // Without script there are no suggestions while typing: offer them now.
        QString liste;
        for (const qsizetype i : stoffTreffer(k.d.stoffe, hinzu, 10)) {
            QUrlQuery q = ohne(k.anfrage, [](qsizetype, const QString& n) { return n == kHinzu; });
            q.addQueryItem(QStringLiteral("name"), k.d.stoffe.name(i).toString());
            liste += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                         .arg(k.verweis(QStringLiteral("/chemical"), q),
                              html::e(k.d.stoffe.name(i).toString()));
        }
        if (!liste.isEmpty())
            meldungen += QStringLiteral("<ul class=\"treffer\">\n%1</ul>\n").arg(liste);
    }
    if (!s.nichtGefunden.isEmpty())
        meldungen += QStringLiteral("<p class=\"meldung\" role=\"alert\">%1</p>\n")
                         .arg(html::e(s.nichtGefunden));
    const TChemiesuchErgebnis ergebnis =
        chemiesuche(k.d.katalog, k.d.stoffe, s.auswahl, s.wahl.anforderungen);
    if (pdf) {
        if (!s.nichtGefunden.isEmpty()) return fehlerseite(k, 400, s.nichtGefunden);
        if (s.auswahl.isEmpty())
            return fehlerseite(k, 400, Webseite::tr("Choose at least one chemical to print."));
        ChemieDruckDaten d{s.auswahl, ergebnis.Ergebnisliste,
                           anforderungsTexte(s.wahl.anforderungen),
                           fusszeileHeute(standardAdressblock().An)};
        return pdfAntwort(k, pdfErzeugen([&d](PageCanvas& c) { chemieberichtDrucken(c, d); }),
                          QStringLiteral("chemical.pdf"));
    }
    // An added chemical that is found leaves by the redirect above: what is still here stays in
    // the field to be corrected.
    QString inhalt = meldungen + formular(k, s, hinzu);
    if (!s.auswahl.isEmpty()) {
        const TErgebnistabelle t(ergebnis.Ergebnisliste, s.auswahl);
        inhalt += QStringLiteral("<section><h2 id=\"ergebnis\">%1</h2>\n")
                      .arg(html::e(tr3("Search Results:")));
        if (t.zeilen() == 0)
            inhalt += QStringLiteral("<p>%1</p>\n")
                          .arg(html::e(Webseite::tr("No glove meets these requirements.")));
        else
            inhalt += legende() + raster(k, t);
        inhalt +=
            QStringLiteral("<p class=\"aktionen\"><a class=\"knopf\" href=\"%1\">%2</a></p>\n"
                           "</section>\n")
                .arg(k.verweis(QStringLiteral("/pdf/chemical"),
                               ohne(k.anfrage, [](qsizetype, const QString&) { return false; })),
                     html::e(Webseite::tr("Resistance table (PDF)")));
    }
    return seite(k, tr3("Search for the right chemical protection"), inhalt);
}

Antwort chemieApi(const Seitenkontext& k) {
    const auto gelesen = suche(k, false);
    if (const auto* f = std::get_if<Abgelehnt>(&gelesen))
        return jsonAntwort({{"error", f->meldung}}, 400);
    const Suche& s = std::get<Suche>(gelesen);
    if (!s.nichtGefunden.isEmpty()) return jsonAntwort({{"error", s.nichtGefunden}}, 400);
    const TChemiesuchErgebnis e =
        chemiesuche(k.d.katalog, k.d.stoffe, s.auswahl, s.wahl.anforderungen);
    return jsonAntwort(chemieJson(s.auswahl, TErgebnistabelle(e.Ergebnisliste, s.auswahl)));
}

Antwort stoffVorschlaege(const Seitenkontext& k) {
    if (const auto o = optionen(k.anfrage, {QStringLiteral("q")});
        std::holds_alternative<Abgelehnt>(o))
        return fehlerseite(k, 400, std::get<Abgelehnt>(o).meldung);
    QString text;
    for (const auto& [name, wert] : k.anfrage.abfrage)
        if (name == QLatin1String("q")) text = wert.trimmed();
    QJsonArray vorschlaege;
    const TStoffliste& st = k.d.stoffe;
    for (qsizetype i = 0; i < st.size() && vorschlaege.size() < 20 && text.size() >= 2; ++i)
        if (TStoff::listbar(st.zustand(i)) &&
            (st.name(i).contains(text, Qt::CaseInsensitive) || st.cas(i).startsWith(text)))
            vorschlaege.append(
                QJsonObject{{"name", st.name(i).toString()}, {"cas", st.cas(i).toString()}});
    Antwort a;
    a.typ = "application/json";
    a.inhalt = QJsonDocument(vorschlaege).toJson(QJsonDocument::Compact);
    return a;
}
