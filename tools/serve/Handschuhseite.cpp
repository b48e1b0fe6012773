// The product page: every value the product window shows, its pictures, and the product
// specification as PDF.
#include "Seiten.h"

#include "print/Produktbild.h"
#include "print/Produktseite.h"
#include "print/Produktspezifikation.h"
#include "print/Produkttexte.h"
#include "shared/Adressblock.h"
#include "shared/gui/PdfAusgabe.h"
#include "texte/Texte.h"

#include <QFileInfo>

namespace {

QString zeilen(const QString& ueberschrift, const QList<ProduktDruckZeile>& z) {
    if (z.isEmpty()) return {};
    QString s =
        QStringLiteral("<section><h2>%1</h2>\n<dl class=\"werte\">\n").arg(html::e(ueberschrift));
    for (const ProduktDruckZeile& r : z)
        s += QStringLiteral("<div><dt>%1</dt><dd>%2</dd></div>\n")
                 .arg(html::e(r.label.trimmed()), html::e(r.wert));
    return s + QStringLiteral("</dl></section>\n");
}

// The heading of the product window's class page, where it has one.
QString klassentitel(const QString& notebook5) {
    if (notebook5 == QLatin1String("Chemie"))
        return QCoreApplication::translate("TForm2", "Physical Data");
    if (notebook5 == QLatin1String("Iso"))
        return QCoreApplication::translate("TForm2", "Cold Protection Properties");
    if (notebook5 == QLatin1String("Feuer"))
        return QCoreApplication::translate("TForm2", "Heat Protection Properties");
    return QCoreApplication::translate("TForm2", "Electric Protection Properties");
}

QString absaetze(const QString& text) {
    QString s;
    for (const QString& absatz : text.split(u'\n', Qt::SkipEmptyParts))
        s += QStringLiteral("<p>%1</p>\n").arg(html::e(absatz.trimmed()));
    return s;
}

} // namespace

Antwort handschuhseite(const Seitenkontext& k, const QString& code, bool pdf) {
    if (const auto o = optionen(k.anfrage, {}); std::holds_alternative<Abgelehnt>(o))
        return fehlerseite(k, 400, std::get<Abgelehnt>(o).meldung);
    bool zahl = false;
    const qint32 nummer = code.toInt(&zahl);
    const THandschuh* h = zahl ? k.d.katalog.finde(nummer) : nullptr;
    if (!h)
        return fehlerseite(
            k, 404, Webseite::tr("There is no glove with product code %1.").arg(code.left(40)));
    if (pdf)
        return pdfAntwort(k, pdfErzeugen([&](PageCanvas& c) {
                              produktspezifikationAusKatalog(
                                  c, *h, k.d.verzeichnis, fusszeileHeute(standardAdressblock().An));
                          }),
                          QStringLiteral("%1.pdf").arg(h->Nummer));

    ProduktDruckDaten d;
    zeilenAusSeite(d, produktseite(*h));
    const QString bilder = bilderVerzeichnis(k.d.verzeichnis);
    const QString nr = QString::number(h->Nummer);
    QString bild = produktbildTag(k, *h, Webseite::tr("Picture of %1").arg(h->Name()));
    if (bild.isEmpty())
        bild = QStringLiteral("<p class=\"keinbild\">%1</p>")
                   .arg(html::e(QCoreApplication::translate("TForm2", "No picture available")));
    QString zeichen;
    if (QFileInfo(QDir(bilder).filePath(QStringLiteral("p%1.bmp").arg(d.piktogramm))).isFile())
        zeichen = QStringLiteral("<img class=\"piktogramm\" src=\"/pictogram/%1\" alt=\"%2\">")
                      .arg(QString::number(d.piktogramm),
                           html::e(Webseite::tr("Pictogram %1").arg(normtext(d.piktogramm))));
    const bool elektro = d.notebook4 == QLatin1String("Electro");
    const QString inhalt =
        QStringLiteral("<div class=\"produktkopf\">%1<div>%2<p class=\"kategorie\">%3 %4</p>"
                       "</div></div>\n")
            .arg(bild, zeichen, html::e(d.kategorie), html::e(normtext(d.piktogramm))) +
        zeilen(QCoreApplication::translate("TForm2", "Product Information"), d.daten) +
        QStringLiteral("<section><h2>%1</h2>\n%2</section>\n")
            .arg(html::e(QCoreApplication::translate("TForm2", "Description")),
                 absaetze(h->Beschreibung())) +
        zeilen(texte::text(10191), elektro ? d.physik.mid(0, 7) : d.physik) +
        (elektro ? zeilen(texte::text(10192), d.physik.mid(7)) : QString()) +
        zeilen(klassentitel(d.notebook5), d.klasse) +
        QStringLiteral("<p class=\"aktionen\"><a class=\"knopf\" href=\"%1\">%2</a></p>\n")
            .arg(k.verweis(QStringLiteral("/pdf/product/") + nr),
                 html::e(Webseite::tr("Product specification (PDF)")));
    return seite(k, h->Name(), inhalt);
}
