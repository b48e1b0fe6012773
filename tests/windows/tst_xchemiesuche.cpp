#include "ChemieTestdaten.h"
#include "Fenstertest.h"
#include "Testdialoge.h"

#include "app/Dialoge.h"
#include "print/Chemiebericht.h"
#include "shared/KommaText.h"
#include "windows/search/Ergebnisraster.h"
#include "windows/search/XChemiesuche.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList eintraege(const QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t.append(l->item(i)->text());
    return t;
}

QStringList eintraege(const QListView* l) {
    QStringList t;
    for (int i = 0; i < l->model()->rowCount(); ++i)
        t.append(l->model()->index(i, 0).data().toString());
    return t;
}

} // namespace

class TstXChemiesuche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startUndBoxen();
    void tabelleFehlt();
    void tabelleBeschaedigt();
    void casSuche_data();
    void casSuche();
    void waehlenUndSuchen();
    void tippenUndEnter_data();
    void tippenUndEnter();
    void zeilenwahl();
    void bandKehrtZurueck();
    void planUndProdukt();
    void memoNimmtKeinenFokus();
    void druckdatenDerLetztenSuche();
    void exportAlsTabelle();
    void kopfzeilen_data();
    void kopfzeilen();
    void kopfhoehe_data();
    void kopfhoehe();
    void festeTeile_data();
    void festeTeile();
    void rollstand_data();
    void rollstand();
    void fokusUndEnter();

private:
    template <class T> T* c(const char* name) { return kind<T>(m_form.get(), QLatin1String(name)); }
    void erstellen(bool mitTabelle = true);
    void suchen(const QStringList& liste);

    QTemporaryDir m_dir;
    std::unique_ptr<TKontext> m_k;
    std::unique_ptr<TForm3> m_form;
};

void TstXChemiesuche::erstellen(bool mitTabelle) {
    m_form.reset();
    m_k = std::make_unique<TKontext>();
    m_k->programmVerzeichnis = m_dir.path();
    m_k->datenVerzeichnis = QStringLiteral("EN");
    QDir(m_dir.path()).mkpath("EN");
    QFile::remove(m_dir.filePath("EN/tab.qvr"));
    chemietestdaten::schreiben(m_dir.filePath("EN"), mitTabelle);
    QVERIFY(!m_k->katalog.Laden(m_dir.filePath("EN/produkte.qvr")));
    m_form = std::make_unique<TForm3>(*m_k);
}

void TstXChemiesuche::init() {
    testdialoge::zuruecksetzen();
    erstellen();
}

void TstXChemiesuche::cleanup() {
    m_form.reset();
    m_k.reset();
}

void TstXChemiesuche::suchen(const QStringList& liste) {
    auto* l = c<QListWidget>("ListBox1");
    l->clear();
    l->addItems(liste);
    testdialoge::gezeigt();
    c<QPushButton>("SpeedButton1")->click();
}

void TstXChemiesuche::startUndBoxen() {
    QVERIFY(m_form->tabelleGeladen());
    QVERIFY(testdialoge::gezeigt().isEmpty());
    QCOMPARE(eintraege(c<QListView>("FluessigBox")), (QStringList{"Acetone", "Toluene"}));
    QCOMPARE(eintraege(c<QListView>("FestBox")), QStringList{"Sodium hydroxide"});
    QCOMPARE(eintraege(c<QListView>("GasBox")), QStringList{"Chlorine"});
    QCOMPARE(c<QTabWidget>("PageControl1")->currentWidget()->objectName(),
             QStringLiteral("TabSheet4"));
    QCOMPARE(c<QStackedWidget>("Notebook1")->currentWidget()->objectName(),
             QStringLiteral("Krit1"));
    const QList<int> vorgaben{4, 15, 3, 3, 0};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(c<QComboBox>(qPrintable(QStringLiteral("c%1").arg(i + 1)))->currentIndex(),
                 vorgaben[i]);
    QCOMPARE(c<QComboBox>("c2")->itemText(3), QStringLiteral(">=120"));
}

void TstXChemiesuche::tabelleFehlt() {
    testdialoge::gezeigt();
    erstellen(false);
    QVERIFY(!m_form->tabelleGeladen());
    QCOMPARE(testdialoge::gezeigt(), QStringList{"Error!: The file tab.qvr is missing."});
    QCOMPARE(c<QListView>("FluessigBox")->model()->rowCount(), 0);
}

// The damage is said; the substances before it stay usable.
void TstXChemiesuche::tabelleBeschaedigt() {
    m_form.reset();
    QFile t(m_dir.filePath("EN/tab.qvr"));
    QVERIFY(t.open(QIODevice::ReadWrite));
    QVERIFY(t.resize(t.size() - 60)); // drops Mystery and cuts into Sodium hydroxide
    t.close();
    testdialoge::gezeigt();
    m_form = std::make_unique<TForm3>(*m_k);
    QVERIFY(m_form->tabelleGeladen());
    const QStringList g = testdialoge::gezeigt();
    QCOMPARE(g.size(), 1);
    QVERIFY2(g[0].startsWith("Error!: ") && g[0].contains("runs past the end"), qPrintable(g[0]));
    QCOMPARE(eintraege(c<QListView>("FluessigBox")), (QStringList{"Acetone", "Toluene"}));
    QCOMPARE(c<QListView>("FestBox")->model()->rowCount(), 0);
    suchen({"liquid - Acetone"});
    QCOMPARE(m_form->ergebnis().Ergebnisliste.size(), 3u);
}

// The chosen list gets the offered substance, the last one where several share the number.
void TstXChemiesuche::casSuche_data() {
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("edit2");
    QTest::addColumn<QString>("label15");
    QTest::addColumn<QStringList>("liste");
    QTest::newRow("hyphens") << "108-88-3"
                             << "liquid - Toluene"
                             << "Search Result:" << QStringList{"liquid - Toluene"};
    QTest::newRow("dots") << "67.64.1"
                          << "liquid - Acetone"
                          << "Search Result:" << QStringList{"liquid - Acetone"};
    QTest::newRow("gas") << "7782.50-5"
                         << "gaseous - Chlorine"
                         << "Search Result:" << QStringList{"gaseous - Chlorine"};
    QTest::newRow("shared number") << "7647-01-0"
                                   << "liquid - Hydrochloric acid 37 %"
                                   << "Search Result: several substances have this number; "
                                      "choose one:"
                                   << QStringList{"liquid - Hydrochloric acid 10 %"};
    QTest::newRow("leading blank") << " 67-64-1"
                                   << ""
                                   << "Search Results: no match found!" << QStringList{};
    QTest::newRow("trailing blank") << "67-64-1 "
                                    << ""
                                    << "Search Results: no match found!" << QStringList{};
    QTest::newRow("state 0 is no match") << "50-00-0"
                                         << ""
                                         << "Search Results: no match found!" << QStringList{};
    QTest::newRow("empty keeps the last find") << ""
                                               << "stays"
                                               << "Search Result:" << QStringList{"stays"};
}

void TstXChemiesuche::casSuche() {
    QFETCH(QString, eingabe);
    QFETCH(QString, edit2);
    QFETCH(QString, label15);
    QFETCH(QStringList, liste);
    for (const char* name : {"Hydrochloric acid 37 %", "Hydrochloric acid 10 %"}) {
        TStoff salzsaeure;
        salzsaeure.Name = name;
        salzsaeure.CAS = "7647-01-0";
        salzsaeure.Zustand = 2;
        m_k->stoffe.anhaengen(salzsaeure);
    }
    c<QLineEdit>("Edit2")->setText("stays");
    c<QLineEdit>("Edit1")->setText(eingabe);
    c<QPushButton>("Button1")->click();
    QCOMPARE(c<QLineEdit>("Edit2")->text(), edit2);
    QCOMPARE(c<QLabel>("Label15")->text(), label15);
    auto* treffer = c<QListWidget>("CasTreffer");
    QCOMPARE(treffer->isVisibleTo(m_form.get()), liste.size() == 1 && treffer->count() > 1);
    treffer->setCurrentRow(treffer->count() - 1);
    c<QPushButton>("Button2")->click();
    QCOMPARE(eintraege(c<QListWidget>("ListBox1")), liste);
}

void TstXChemiesuche::waehlenUndSuchen() {
    auto* tabs = c<QTabWidget>("PageControl1");
    auto* liste = c<QListWidget>("ListBox1");
    c<QPushButton>("Button3")->click(); // CAS tab: nothing
    QCOMPARE(liste->count(), 0);
    tabs->setCurrentIndex(1);
    c<QPushButton>("Button3")->click(); // nothing highlighted yet
    QCOMPARE(liste->count(), 0);
    QTest::keyClicks(c<QLineEdit>("FluessigBoxEingabe"), "tOl");
    QCOMPARE(c<QListView>("FluessigBox")->currentIndex().data().toString(),
             QStringLiteral("Toluene"));
    c<QPushButton>("Button3")->click();                        // highlighted by typing
    QTest::keyClicks(c<QLineEdit>("FluessigBoxEingabe"), "x"); // "tOlx" matches nothing
    c<QPushButton>("Button3")->click();
    tabs->setCurrentIndex(2);
    auto* gas = c<QListView>("GasBox");
    gas->setCurrentIndex(gas->model()->index(0, 0));
    c<QPushButton>("Button3")->click();
    c<QPushButton>("Button3")->click(); // the same chemical twice is allowed
    QCOMPARE(eintraege(liste),
             (QStringList{"liquid - Toluene", "gaseous - Chlorine", "gaseous - Chlorine"}));

    liste->setCurrentRow(1);
    c<QPushButton>("Button5")->click();
    QCOMPARE(liste->currentRow(), 0);
    c<QPushButton>("Button5")->click();
    QVERIFY(liste->currentItem() == nullptr || !liste->currentItem()->isSelected());
    QCOMPARE(eintraege(liste), QStringList{"gaseous - Chlorine"});

    testdialoge::gezeigt();
    c<QPushButton>("SpeedButton5")->click();
    QCOMPARE(c<QStackedWidget>("Notebook1")->currentWidget()->objectName(),
             QStringLiteral("Krit2"));
    c<QPushButton>("SpeedButton1")->click();
    QCOMPARE(c<QStackedWidget>("Notebook1")->currentWidget()->objectName(),
             QStringLiteral("Ergebnis"));
    QCOMPARE(testdialoge::gezeigt(), QStringList{"Error!: Missing or wrong database files!"});
    // Chlorine: ? for Alpha, 5 for Beta and Gamma; Beta is not resistant, so unsuitable below
    // the untested Alpha.
    const auto& e = m_form->ergebnis().Ergebnisliste;
    QCOMPARE(e.size(), 3u);
    QCOMPARE(e[0].Nummer, 1030);
    QCOMPARE(e[2].Nummer, 1020);
    QCOMPARE(m_k->Auswahlliste.size(), 1);

    // The grid has the whole picture's size: W + 95·S + 2 by 50·R + G + 47.
    auto* raster = c<TErgebnisraster>("Image1");
    QCOMPARE(raster->width(), raster->W() + 95 + 2);
    QCOMPARE(raster->height(), 3 * 50 + raster->G() + 47);
    QVERIFY(raster->G() > 0);
    suchen({});
    QCOMPARE(raster->width(), raster->W() + 2);
    QCOMPARE(raster->G(), 0);

    // Back keeps the list; Cancel clears it.
    c<QPushButton>("SpeedButton10")->click();
    c<QPushButton>("SpeedButton2")->click();
    liste->addItem("liquid - Acetone");
    c<QPushButton>("SpeedButton6")->click();
    QCOMPARE(liste->count(), 0);
}

// Enter and "->" take the highlighted name, whether typing or a click highlighted it.
void TstXChemiesuche::tippenUndEnter_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<bool>("gewaehlt"); // the user then clicks the highlighted name
    QTest::addColumn<QStringList>("liste");
    QTest::newRow("prefix") << "Ace" << false << QStringList{"liquid - Acetone"};
    QTest::newRow("prefix, then picked") << "Ace" << true << QStringList{"liquid - Acetone"};
    QTest::newRow("exact name") << "Toluene" << false << QStringList{"liquid - Toluene"};
    QTest::newRow("other case") << "toluene" << false << QStringList{"liquid - Toluene"};
    QTest::newRow("no match") << "Water" << false << QStringList{};
}

void TstXChemiesuche::tippenUndEnter() {
    QFETCH(QString, getippt);
    QFETCH(bool, gewaehlt);
    QFETCH(QStringList, liste);
    c<QTabWidget>("PageControl1")->setCurrentIndex(1);
    auto* box = c<QListView>("FluessigBox");
    auto* eingabe = c<QLineEdit>("FluessigBoxEingabe");
    QTest::keyClicks(eingabe, getippt);
    if (gewaehlt) {
        QVERIFY(box->currentIndex().isValid());
        const QRect r = box->visualRect(box->currentIndex());
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, r.center());
    }
    QTest::keyClick(eingabe, Qt::Key_Return);
    QCOMPARE(eintraege(c<QListWidget>("ListBox1")), liste);
}

void TstXChemiesuche::zeilenwahl() {
    suchen({"liquid - Toluene", "liquid - Acetone"});
    auto* r = c<TErgebnisraster>("Image1");
    const int g = r->G();
    QCOMPARE(r->Tag(), -1);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(300, g + 50 + 50 + 10));
    QCOMPARE(r->Tag(), 1);
    QTest::mouseClick(r, Qt::RightButton, {}, QPoint(10, g + 50 + 100));
    QCOMPARE(r->Tag(), 2);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(10, g + 49));
    QCOMPARE(r->Tag(), -1);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(10, g + 50));
    QCOMPARE(r->Tag(), 0);
    QTest::keyClick(r, Qt::Key_Down);
    QTest::keyClick(r, Qt::Key_Down);
    QTest::keyClick(r, Qt::Key_Down); // stays on the last row
    QCOMPARE(r->Tag(), 2);
    QTest::keyClick(r, Qt::Key_Up);
    QCOMPARE(r->Tag(), 1);
    QTest::keyClick(r, Qt::Key_Home);
    QCOMPARE(r->Tag(), 0);
    QTest::keyClick(r, Qt::Key_End);
    QCOMPARE(r->Tag(), 2);
    suchen({"liquid - Toluene"}); // a new search deselects
    QCOMPARE(r->Tag(), -1);
}

void TstXChemiesuche::bandKehrtZurueck() {
    suchen({"liquid - Toluene", "gaseous - Chlorine"});
    auto* r = c<TErgebnisraster>("Image1");
    const QImage vorher = r->grab().toImage();
    r->waehlen(1);
    const QImage gewaehlt = r->grab().toImage();
    const QRect band(0, r->G() + 50 + 46, r->width(), 49);
    bool innenAnders = false;
    for (int y = 0; y < vorher.height(); ++y)
        for (int x = 0; x < vorher.width(); ++x) {
            const bool anders = vorher.pixel(x, y) != gewaehlt.pixel(x, y);
            if (!band.contains(x, y))
                QVERIFY2(!anders, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            innenAnders |= anders;
        }
    QVERIFY(innenAnders);
    r->waehlen(0);
    r->waehlen(-1);
    QCOMPARE(r->grab().toImage(), vorher);
}

void TstXChemiesuche::planUndProdukt() {
    suchen({"liquid - Toluene"}); // Gamma 1030, Alpha 1010, Beta 1020 (not resistant)
    testdialoge::gezeigt();
    QSignalSpy produkt(m_form.get(), &TForm3::produktZeigen);
    c<QPushButton>("SpeedButton4")->click();
    c<QPushButton>("SpeedButton7")->click();
    QCOMPARE(m_k->plan.size(), 0); // no row selected
    QCOMPARE(produkt.size(), 0);
    auto* r = c<TErgebnisraster>("Image1");
    r->waehlen(1);
    c<QPushButton>("SpeedButton7")->click();
    QCOMPARE(produkt.size(), 1);
    QCOMPARE(m_k->katalog.at(produkt[0][0].toInt()).Nummer, 1010);
    c<QPushButton>("SpeedButton4")->click();
    c<QPushButton>("SpeedButton4")->click();
    QCOMPARE(m_k->plan.size(), 1);
    QCOMPARE(m_k->plan.Planliste()[0]->Nummer, 1010);
    QCOMPARE(m_k->plan.Einsatzbereiche()[0], kommatext::schreiben({"Areas of practice:"}));
    QCOMPARE(m_k->plan.Arbeitsbereiche()[0], kommatext::schreiben({"Work areas:"}));
    // A glove planned elsewhere is not added again.
    QVERIFY(m_k->plan.hinzufuegen(m_k->katalog.finde(1030), "Areas of use:", "Work areas:"));
    r->waehlen(0);
    c<QPushButton>("SpeedButton4")->click();
    QCOMPARE(m_k->plan.size(), 2);
    QVERIFY(testdialoge::gezeigt().isEmpty());
}

void TstXChemiesuche::memoNimmtKeinenFokus() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    auto* memo = c<QPlainTextEdit>("Memo1");
    c<QStackedWidget>("Notebook1")->setCurrentWidget(c<QWidget>("Ergebnis"));
    memo->setFocus();
    QVERIFY(!memo->hasFocus());
    QVERIFY(memo->isReadOnly());
    QVERIFY(
        memo->toPlainText().startsWith("The list shows all suitable chemical protective gloves."));
    QVERIFY(memo->toPlainText().endsWith("  L6 : 480 min"));
}

// The report prints what the last search found with, even after the lists were changed.
void TstXChemiesuche::druckdatenDerLetztenSuche() {
    c<QComboBox>("c4")->setCurrentIndex(2);
    suchen({"liquid - Acetone", "solid - Sodium hydroxide"});
    c<QComboBox>("c4")->setCurrentIndex(0);
    c<QComboBox>("c1")->setCurrentIndex(0);
    c<QListWidget>("ListBox1")->clear();
    const ChemieDruckDaten d = m_form->druckdaten();
    QCOMPARE(d.anforderungen[3], QStringLiteral("Jersey"));
    QCOMPARE(d.anforderungen[0], QStringLiteral("Unimportant"));
    QCOMPARE(d.auswahl.size(), 2);
    QCOMPARE(d.auswahl[1].Name, QStringLiteral("Sodium hydroxide"));
    QVERIFY(d.ergebnis.empty()); // no glove of the fixture has a jersey lining
    QVERIFY(!d.fuss.logo.isNull());
}

// "Export…" writes the grid as shown, best glove first, for a spreadsheet: BOM, semicolons, one
// row per glove; a cancelled dialog writes nothing.
void TstXChemiesuche::exportAlsTabelle() {
    suchen({"liquid - Toluene", "gaseous - Chlorine"});
    testdialoge::gezeigt();
    const QString pfad = m_dir.filePath("Ergebnis.csv");
    testdialoge::naechsteAntwort(std::optional<QString>());
    c<QPushButton>("ButtonExport")->click();
    QVERIFY(!QFile::exists(pfad));
    testdialoge::naechsteAntwort(m_dir.filePath("Ergebnis"));
    c<QPushButton>("ButtonExport")->click();
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList zeilen = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(zeilen.takeLast(), QString());
    QCOMPARE(zeilen.size(), 4);
    QCOMPARE(zeilen[0], QStringLiteral("Product code;Glove;Assessment;Toluene (liquid): permeation;"
                                       "Toluene (liquid): swelling;Chlorine (gaseous): permeation;"
                                       "Chlorine (gaseous): swelling"));
    QCOMPARE(zeilen[2],
             QStringLiteral("1010;Alpha;;Perm.: L 2;Swell.:resistant;Perm.: ?;Swell.: ?"));
    QCOMPARE(zeilen[3], QStringLiteral("1020;Beta;Not suitable for Toluene, Chlorine;Perm.: L 4;"
                                       "Swell.:not resist.;Perm.: L 5;Swell.:not resist."));
    QCOMPARE(testdialoge::notizen(), QStringList{"Saved as " + QDir::toNativeSeparators(pfad)});
    QVERIFY(testdialoge::gezeigt().isEmpty());
}

void TstXChemiesuche::kopfzeilen_data() {
    QTest::addColumn<int>("laenge");
    QTest::addColumn<QList<int>>("zeilen");
    QTest::newRow("short") << 7 << QList<int>{7};
    QTest::newRow("exactly 50") << 50 << QList<int>{50};
    QTest::newRow("120") << 120 << QList<int>{50, 50, 20};
    QTest::newRow("200") << 200 << QList<int>{50, 50, 50, 50};
    QTest::newRow("230 drops 30") << 230 << QList<int>{50, 50, 50, 50};
}

void TstXChemiesuche::kopfzeilen() {
    QFETCH(int, laenge);
    QFETCH(QList<int>, zeilen);
    QString name;
    for (int i = 0; i < laenge; ++i)
        name.append(QChar(u'a' + i % 26));
    const QStringList z = ::kopfzeilen(name);
    QList<int> l;
    for (const QString& s : z)
        l.append(s.size());
    QCOMPARE(l, zeilen);
    QCOMPARE(z.join(QString()), name.left(200));
}

// The header is as high as the chosen names need: their rotated text begins a few pixels
// below the grid's top, however short the names are.
void TstXChemiesuche::kopfhoehe_data() {
    QTest::addColumn<QStringList>("liste");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("short") << QStringList{"liquid - Acetone"};
    QTest::newRow("state word longer than the name") << QStringList{"gaseous - Chlorine"};
    QTest::newRow("short and longer")
        << QStringList{"liquid - Acetone", "solid - Sodium hydroxide"};
}

void TstXChemiesuche::kopfhoehe() {
    QFETCH(QStringList, liste);
    suchen(liste);
    auto* r = c<TErgebnisraster>("Image1");
    if (liste.isEmpty()) {
        QCOMPARE(r->G(), 0);
        return;
    }
    const QImage bild = r->grab().toImage();
    int oben = -1;
    for (int y = 0; y < r->G() + 45 && oben < 0; ++y)
        for (int x = r->W() + 1; x < bild.width(); ++x)
            if ((x - r->W()) % TErgebnisraster::Spaltenabstand != 0 &&
                bild.pixel(x, y) != qRgb(255, 255, 255)) {
                oben = y;
                break;
            }
    QVERIFY2(oben >= 2 && oben <= 10, qPrintable(QString::number(oben)));
}

// A grid with a name column 230 wide and a header 120 high, in views of several sizes.
void TstXChemiesuche::festeTeile_data() {
    QTest::addColumn<QSize>("sicht");
    QTest::addColumn<QSize>("fest");
    QTest::newRow("room for both") << QSize(800, 400) << QSize(230, 120);
    QTest::newRow("one column and two rows beside them") << QSize(325, 220) << QSize(230, 120);
    QTest::newRow("no two rows under the header") << QSize(800, 219) << QSize(230, 0);
    QTest::newRow("no whole column beside the names") << QSize(324, 400) << QSize(0, 120);
}

void TstXChemiesuche::festeTeile() {
    QFETCH(QSize, sicht);
    QFETCH(QSize, fest);
    QCOMPARE(::festeTeile(sicht, 230, 120), fest);
}

// Rows 50 high brought into a view 300 high below a header that stays 120 high, or scrolls.
void TstXChemiesuche::rollstand_data() {
    QTest::addColumn<int>("oben");
    QTest::addColumn<int>("kopf");
    QTest::addColumn<int>("stand");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("already shown") << 200 << 120 << 0 << 0;
    QTest::newRow("under the header") << 200 << 120 << 100 << 80;
    QTest::newRow("below the view") << 400 << 120 << 0 << 150;
    QTest::newRow("first row") << 120 << 120 << 500 << 0;
    QTest::newRow("header scrolls away") << 400 << 0 << 0 << 150;
}

void TstXChemiesuche::rollstand() {
    QFETCH(int, oben);
    QFETCH(int, kopf);
    QFETCH(int, stand);
    QFETCH(int, erwartet);
    QCOMPARE(rollstandFuer(oben, oben + 50, kopf, stand, 300), erwartet);
}

// Typing goes to the find field of the tab chosen; Enter adds the name it highlights, in the
// find field and in the list alike.
void TstXChemiesuche::fokusUndEnter() {
    QWidget* anfangs = nullptr;
    QTimer::singleShot(0, m_form.get(), [&] {
        anfangs = m_form->focusWidget();
        m_form->reject();
    });
    m_form->oeffnen();
    QCOMPARE(anfangs, c<QLineEdit>("Edit1"));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    c<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QCOMPARE(QApplication::focusWidget(), c<QLineEdit>("FluessigBoxEingabe"));
    QTest::keyClicks(QApplication::focusWidget(), "acetone");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto* box = c<QListView>("FluessigBox");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(eintraege(c<QListWidget>("ListBox1")),
             (QStringList{"liquid - Acetone", "liquid - Toluene"}));
    // Delete removes the highlighted chemical; Enter on the requirements page searches.
    auto* liste = c<QListWidget>("ListBox1");
    liste->setFocus();
    liste->setCurrentRow(0);
    QTest::keyClick(liste, Qt::Key_Delete);
    QCOMPARE(eintraege(liste), QStringList{"liquid - Toluene"});
    c<QPushButton>("SpeedButton5")->click();
    c<QComboBox>("c1")->setFocus();
    QTest::keyClick(c<QComboBox>("c1"), Qt::Key_Return);
    QCOMPARE(c<QStackedWidget>("Notebook1")->currentWidget()->objectName(),
             QStringLiteral("Ergebnis"));
}

QTEST_MAIN(TstXChemiesuche)
#include "tst_xchemiesuche.moc"
