// The product page of TForm2: filling it for one glove, and what its printout lists.
#include "windows/product/XProduktinfo.h"

#include "ui_XProduktinfo.h"

#include "app/Bildschirm.h"
#include "app/Kontext.h"
#include "print/Produktbild.h"
#include "print/Produktseite.h"
#include "print/Produktspezifikation.h"
#include "print/Produkttexte.h"
#include "print/Zeilenumbruch.h"

#include <QDir>
#include <QFontMetricsF>
#include <QScrollBar>

namespace {

// The smallest point size the material and design fit goes down to, still readable.
constexpr int kKleinsteSchrift = 8;

QString wertePrefix(const QString& notebook5) {
    if (notebook5 == QLatin1String("Chemie")) return QStringLiteral("k");
    if (notebook5 == QLatin1String("Iso")) return QStringLiteral("l");
    if (notebook5 == QLatin1String("Feuer")) return QStringLiteral("f");
    return {};
}

} // namespace

void TForm2::produktzeigen(int index) {
    // Callers pass a catalogue index; one outside the catalogue leaves the window as it is.
    if (index < 0 || index >= m_kontext.katalog.size()) return;
    const THandschuh& h = m_kontext.katalog.at(index);
    m_seite = produktseite(h);
    const Produktseite& s = m_seite;
    ui->Notebook1->setCurrentWidget(ui->Produkt);
    bildLaden(h.Bilddatei());
    ui->Titel->setText(s.name);
    ui->Image1->setAccessibleName(s.name);
    for (int k = 1; k <= 8; ++k)
        feld(QStringLiteral("w"), k)->setText(s.w[k - 1]);
    schriftEinpassen(ui->w4);
    schriftEinpassen(ui->w5);
    beschreibungSetzen(h.Beschreibung());
    ui->Kategorie->setText(s.kategorie);

    seiteWaehlen(ui->Notebook4, s.notebook4);
    seiteWaehlen(ui->Notebook5, s.notebook5);
    if (s.notebook4 == QLatin1String("Electro")) {
        for (int k = 1; k <= 10; ++k)
            feld(QStringLiteral("m"), k)->setText(s.m[k - 1]);
    } else {
        for (int k = 1; k <= 5; ++k)
            feld(QStringLiteral("p"), k)->setText(s.p[k - 1]);
        const QString prefix = wertePrefix(s.notebook5);
        for (int k = 1; k <= s.klasse.size(); ++k)
            feld(prefix, k)->setText(s.klasse[k - 1]);
    }
    piktogrammLaden(s.piktogramm);
}

// The picture is decoded at the size it is shown; without one the panel's caption shows.
void TForm2::bildLaden(const QString& bilddatei) {
    const QString bilder =
        bilderVerzeichnis(QDir(m_kontext.programmVerzeichnis).filePath(m_kontext.datenVerzeichnis));
    const QSize feld = ui->Bildfeld->size();
    const QImage bild = produktbildLesen(bilder, bilddatei, feld);
    if (bild.isNull()) {
        ui->Image1->hide();
        return;
    }
    ui->Image1->setPixmap(QPixmap::fromImage(bild));
    ui->Image1->setGeometry(bildEinpassen(bild.size(), feld));
    ui->Image1->show();
}

// A missing pictogram leaves the box empty; the page is complete all the same.
void TForm2::piktogrammLaden(int nummer) {
    const QString bilder =
        bilderVerzeichnis(QDir(m_kontext.programmVerzeichnis).filePath(m_kontext.datenVerzeichnis));
    const QImage piktogramm = piktogrammLesen(bilder, nummer);
    if (piktogramm.isNull())
        ui->Image2->clear();
    else
        ui->Image2->setPixmap(QPixmap::fromImage(piktogramm));
    ui->Image2->setAccessibleName(normtext(nummer));
}

// Long material and design texts get smaller until they fit beside their label and in its
// height, but not below a readable size.
void TForm2::schriftEinpassen(QLabel* wert) {
    QFont f = wert->font();
    f.setPointSize(bildschirm::breite() <= 800 ? 10 : 12);
    const int rand = ui->Panel5->width();
    for (;;) {
        wert->setFont(f);
        wert->resize(int(QFontMetricsF(f).horizontalAdvance(wert->text())) + 2, wert->height());
        const bool passt = wert->x() + wert->width() <= rand &&
                           QFontMetrics(f).height() <= wert->height();
        if (passt || f.pointSize() - 2 < kKleinsteSchrift) break;
        f.setPointSize(f.pointSize() - 2);
    }
}

// The box shows the lines the printout prints: wrapped here by the shared word wrap with the
// box's own font into the width its text has.
void TForm2::beschreibungSetzen(const QString& beschreibung) {
    QPlainTextEdit* box = ui->RichEdit1;
    const QFontMetricsF fm(box->font());
    const double breite = box->width() - 2 * box->frameWidth() -
                          box->verticalScrollBar()->sizeHint().width() -
                          2 * box->document()->documentMargin() - 4;
    m_zeilen = zeilenUmbrechen(beschreibung, breite,
                               [&fm](const QString& z) { return fm.horizontalAdvance(z); });
    box->setPlainText(m_zeilen.join(QLatin1Char('\n')));
}

// The rows are the page's, labelled as the layout labels them; the picture panel and the
// description's lines are the window's own.
ProduktDruckDaten TForm2::druckdaten() const {
    ProduktDruckDaten d;
    zeilenAusSeite(d, m_seite);
    d.bildfeld = ui->Bildfeld->grab().toImage();
    d.beschreibung = m_zeilen;
    d.fuss = fusszeileHeute(m_kontext.adressen.An);
    return d;
}
