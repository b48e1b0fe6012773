// The main window's information page ("CE-Info"): the eight page buttons of the menu, the tool
// bar over the viewer, and the links that open program functions.
#include "app/Verweis.h"
#include "windows/forms/XHotline.h"
#include "windows/main/Anfang.h"
#include "windows/main/HtmlViewer.h"
#include "windows/main/Verknuepfung.h"
#include "windows/product/XProduktinfo.h"

#include "ui_Anfang.h"

#include <QFile>

namespace {

// The menu's page buttons. The last three pages are optional: a language may leave them out.
struct Infoseite {
    const char* knopf;
    const char* datei; // UTF-8
    bool nurWennVorhanden;
};
constexpr Infoseite kInfoseiten[] = {
    {"SpeedButton5", "Einführung.htm", false},    {"SpeedButton4", "QVR-Info.htm", false},
    {"SpeedButton7", "AnleitungEinf.htm", false}, {"SpeedButton14", "Vertrieb.htm", false},
    {"SpeedButton15", "LederNitril.htm", false},  {"SpeedButton19", "QVRKonzept.htm", true},
    {"SpeedButton21", "HSKonzept.htm", true},     {"SpeedButton25", "ABC.htm", true},
};

} // namespace

void TForm1::infoseiteEinrichten() {
    m_html = new THtmlViewer(m_kontext.datenPfad(QStringLiteral("HTML")), ui->Seitenbereich);
    ui->SeitenbereichLayout->addWidget(m_html);
    for (const Infoseite& s : kInfoseiten) {
        auto* knopf = findChild<QPushButton*>(QLatin1String(s.knopf));
        connect(knopf, &QPushButton::clicked, this,
                [this, s] { infoseiteZeigen(QString::fromUtf8(s.datei), s.nurWennVorhanden); });
    }
    connect(ui->SpeedButton12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
    connect(ui->SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    connect(ui->SpeedButton23, &QPushButton::clicked, this, &TForm1::SpeedButton23Click);
    connect(m_html, &THtmlViewer::hotSpotClick, this, &TForm1::htmlLite1HotSpotClick);
    connect(m_html, &THtmlViewer::verlaufGeaendert, this, &TForm1::infoknoepfeSetzen);
    infoknoepfeSetzen();
}

void TForm1::infoseiteZeigen(const QString& datei, bool nurWennVorhanden) {
    seiteZeigen(QStringLiteral("CE-Info"));
    const QString pfad = m_kontext.datenPfad(QStringLiteral("HTML/") + datei);
    if (nurWennVorhanden && !QFile::exists(pfad)) return;
    m_html->laden(pfad);
}

void TForm1::infoknoepfeSetzen() {
    const TVerlauf& v = m_html->verlauf();
    ui->SpeedButton12->setEnabled(v.index() + 1 < v.eintraege().size());
    ui->SpeedButton11->setEnabled(v.index() > 0);
    ui->SpeedButton23->setEnabled(!m_html->dokument().isEmpty());
}

void TForm1::SpeedButton12Click() {
    m_html->zurueck();
}

void TForm1::SpeedButton11Click() {
    m_html->vor();
}

void TForm1::SpeedButton23Click() {
    verweis::dateiOeffnen(m_html->dokument());
}

void TForm1::htmlLite1HotSpotClick(const QString& target) {
    const Verknuepfung v = verknuepfung(target);
    switch (v.art) {
    case Verknuepfungsart::Hotline:
        SpeedButton6Click();
        break;
    case Verknuepfungsart::Suche:
        SpeedButton9Click();
        break;
    case Verknuepfungsart::Produktlinie:
        produktlinieZeigen(v.ziel);
        break;
    default: // the viewer follows the others itself
        break;
    }
}

void TForm1::produktlinieZeigen(const QString& name) {
    // A language whose catalogue lacks the line leaves the link without effect.
    const THandschuh* h = m_kontext.katalog.findeName(name);
    if (!h || !m_form2) return;
    m_form2->produktzeigen(int(m_kontext.katalog.indexVon(h)));
    produktfensterZeigen(this);
}
