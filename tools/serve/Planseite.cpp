// A glove plan of the plans folder: its columns as the printout has them, each glove linked to
// its product page, and the plan printout as PDF. Read afresh for every request, so a plan
// saved again shows changed at once.
#include "Seiten.h"

#include "data/Plandatei.h"
#include "print/Plandruck.h"
#include "shared/Adressblock.h"
#include "shared/gui/PdfAusgabe.h"
#include "texte/Texte.h"

namespace {

QString notiz(const QString& klasse, const QStringList& zeilen) {
    QString s;
    for (const QString& z : zeilen)
        s += html::e(z) + QStringLiteral("<br>");
    if (s.isEmpty()) return {};
    s.chop(4);
    return QStringLiteral("<p class=\"%1\">%2</p>").arg(klasse, s);
}

QString spalte(const Seitenkontext& k, const PlanDruckSpalte& s, const THandschuh& h) {
    const auto wert = [](int text, const QString& w) {
        return QStringLiteral("<div><dt>%1</dt><dd>%2</dd></div>")
            .arg(html::e(texte::text(text).trimmed()), html::e(w));
    };
    return QStringLiteral(
               "<li class=\"spalte\"><p class=\"farbe\"><span class=\"muster %1\"></span>%2</p>\n"
               "<a class=\"handschuh\" href=\"%3\">%4<span>%5</span></a>\n"
               "<dl class=\"werte\">%6</dl>\n%7%8</li>\n")
        .arg(farbklasse(s.farbe), html::e(s.farbname),
             k.verweis(QStringLiteral("/product/") + s.nummer), produktbildTag(k, h, QString()),
             html::e(s.name),
             wert(10255, s.nummer) + wert(10257, s.material) + wert(10258, s.laenge) +
                 wert(10259, s.groessen),
             notiz(QStringLiteral("notiz"), s.arbeitsbereiche),
             notiz(QStringLiteral("notiz"), s.einsatzbereiche));
}

} // namespace

Antwort planseite(const Seitenkontext& k, const QDir& plaene, const QString& name, bool pdf) {
    if (const auto o = optionen(k.anfrage, {}); std::holds_alternative<Abgelehnt>(o))
        return fehlerseite(k, 400, std::get<Abgelehnt>(o).meldung);
    const auto datei = plandatei(plaene, name);
    if (!datei) return fehlerseite(k, 404, Webseite::tr("There is no glove plan of this name."));
    const PlandateiGelesen gelesen = plandateiLaden(*datei);
    if (const auto* f = std::get_if<PlandateiFehler>(&gelesen))
        return fehlerseite(k, 500, f->meldung(name + QStringLiteral(".PLN")));
    const Plandatei& plan = std::get<Plandatei>(gelesen);
    const PlanAufgeloest a = planAufloesen(plan, k.d.katalog);
    const PlanDruckDaten d =
        planDruckDaten(plan.adresse, a, fusszeileHeute(standardAdressblock().An));
    if (pdf)
        return pdfAntwort(k, pdfErzeugen([&d](PageCanvas& c) { plandruckDrucken(c, d); }),
                          name + QStringLiteral(".pdf"));

    QString inhalt;
    QStringList adresse;
    for (const QString& z : plan.adresse)
        if (!z.trimmed().isEmpty()) adresse << html::e(z);
    if (!adresse.isEmpty())
        inhalt += QStringLiteral("<p class=\"adresse\">%1</p>\n")
                      .arg(adresse.join(QStringLiteral("<br>")));
    if (!a.fehlend.isEmpty()) {
        QStringList codes;
        for (const qint32 c : a.fehlend)
            codes << QString::number(c);
        inhalt += QStringLiteral("<p class=\"meldung\">%1</p>\n")
                      .arg(html::e(QCoreApplication::translate(
                                       "TForm6", "These product codes are not in the catalogue; "
                                                 "their columns were left out: %1")
                                       .arg(codes.join(QStringLiteral(", ")))));
    }
    if (d.spalten.isEmpty())
        inhalt += QStringLiteral("<p>%1</p>\n").arg(html::e(Webseite::tr("This plan is empty.")));
    inhalt += QStringLiteral("<ul class=\"plan\">\n");
    for (qsizetype i = 0; i < d.spalten.size(); ++i)
        inhalt += spalte(k, d.spalten[i], *a.Planliste[i]);
    inhalt += QStringLiteral("</ul>\n<p class=\"aktionen\"><a class=\"knopf\" href=\"%1\">%2</a>"
                             "</p>\n")
                  .arg(k.verweis(QStringLiteral("/pdf/plan/") +
                                 QString::fromUtf8(QUrl::toPercentEncoding(name))),
                       html::e(Webseite::tr("Glove plan (PDF)")));
    return seite(k,
                 QCoreApplication::translate("TForm1", "Glove Plan") + QStringLiteral(": ") + name,
                 inhalt);
}
