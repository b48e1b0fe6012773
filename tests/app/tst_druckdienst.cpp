#include "Testdialoge.h"

#include "app/Dialoge.h"
#include "app/Druckdienst.h"
#include "app/Einstellungsspeicher.h"
#include "shared/gui/PageCanvas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int pdfSeiten(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray inhalt = f.readAll();
    if (!inhalt.startsWith("%PDF")) return -1;
    return static_cast<int>(
        QString::fromLatin1(inhalt).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// What the printout saw of the job while it ran.
struct Beobachtung {
    int aufrufe = 0;
    bool knopfAus = false;
    bool sanduhr = false;
    QSizeF mm;
};

std::function<void(PageCanvas&)> zweiSeiten(QPushButton& knopf, Beobachtung& b) {
    return [&knopf, &b](PageCanvas& c) {
        ++b.aufrufe;
        b.knopfAus = !knopf.isEnabled();
        b.sanduhr = QApplication::overrideCursor() &&
                    QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        b.mm = c.printableSizeMm();
        c.text(200, 100, QStringLiteral("one"));
        c.newPage();
        c.text(200, 100, QStringLiteral("two"));
    };
}

} // namespace

class TstDruckdienst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { testdialoge::zuruecksetzen(); }
    void ohneDruckerInsPdf_data();
    void ohneDruckerInsPdf();
    void abbrechenDrucktNichts_data();
    void abbrechenDrucktNichts();
    void fehlerWirdGemeldet();
    void pdfDruckerFragtJedesMal();
    void startordner_data();
    void startordner();
    void namensvorschlag_data();
    void namensvorschlag();
    void ordnerJeArt();
};

// A printer set to print into a PDF file asks for the file of every job: a later printout never
// replaces an earlier one unasked.
void TstDruckdienst::pdfDruckerFragtJedesMal() {
    QTemporaryDir dir;
    testdialoge::naechsteAntwort(std::optional<QString>(dir.filePath("eingerichtet.pdf")));
    druckdienst::einrichten(nullptr);
    QPushButton knopf;
    Beobachtung b;
    // The set-up file is offered for the next job, the printout's name after that.
    const QString angeboten[] = {dir.filePath("eingerichtet.pdf"), dir.filePath("Report.pdf")};
    for (const char* name : {"erster.pdf", "zweiter.pdf"}) {
        testdialoge::naechsteAntwort(std::optional<QString>(dir.filePath(name)));
        QVERIFY(
            druckdienst::drucken(nullptr, &knopf, QStringLiteral("Report"), zweiSeiten(knopf, b)));
        QCOMPARE(pdfSeiten(dir.filePath(name)), 2);
        QCOMPARE(testdialoge::letzterStart(), angeboten[name[0] == 'z']);
    }
    QVERIFY(!QFile::exists(dir.filePath("eingerichtet.pdf")));
}

// File dialogs start in the documents folder only where it exists: one that does not would be
// offered as the file's name.
void TstDruckdienst::startordner_data() {
    QTest::addColumn<bool>("dokumenteDa");
    QTest::newRow("documents exist") << true;
    QTest::newRow("no documents folder") << false;
}

void TstDruckdienst::startordner() {
    QFETCH(bool, dokumenteDa);
    QTemporaryDir heim;
    const QString dokumente = heim.filePath("Documents");
    if (dokumenteDa) QVERIFY(QDir().mkdir(dokumente));
    QCOMPARE(dialoge::startordner(dokumente, heim.path()), dokumenteDa ? dokumente : heim.path());
}

// What a save dialog offers: the document's own file, else its own text made fit for a file
// name, else its kind and the day.
void TstDruckdienst::namensvorschlag_data() {
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("vorschlag");
    const QString datei = QDir::temp().filePath("Kunde.v2.PLN");
    QTest::newRow("file, where it is, as it is named") << datei << "Firma" << datei;
    QTest::newRow("company") << "" << "  Firma  GmbH " << "Firma GmbH";
    QTest::newRow("path and ending characters") << "" << "A/B\\C: D*?\"<>|.E\tF" << "A B C D E F";
    QTest::newRow("nothing usable") << "" << " ./ " << "Glove plan 2026-12-08";
}

void TstDruckdienst::namensvorschlag() {
    QFETCH(QString, datei);
    QFETCH(QString, text);
    QFETCH(QString, vorschlag);
    QCOMPARE(dialoge::namensvorschlag(datei, text, "Glove plan", QDate(2026, 12, 8)), vorschlag);
}

// Each kind of file opens where it was last chosen, also in the next run; the save dialog offers
// the name with the kind's ending there.
void TstDruckdienst::ordnerJeArt() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("plaene") && QDir(dir.path()).mkpath("pdf"));
    const QString ini = dir.filePath("speicher.ini");
    auto speicher = TQSettingsSpeicher::inDatei(ini);
    dialoge::ordnerspeicherSetzen(speicher.get());
    testdialoge::naechsteAntwort(std::optional<QString>(dir.filePath("plaene/a.PLN")));
    dialoge::oeffnen(nullptr, {}, {}, dialoge::Dateiart::Plan);
    testdialoge::naechsteAntwort(std::optional<QString>(dir.filePath("pdf/b.pdf")));
    dialoge::speichern(nullptr, {}, {}, dialoge::Dateiart::Pdf);
    testdialoge::naechsteAntwort(std::optional<QString>()); // cancelled: nothing remembered
    dialoge::speichern(nullptr, {}, {}, dialoge::Dateiart::Plan);

    speicher = TQSettingsSpeicher::inDatei(ini); // the next run
    dialoge::ordnerspeicherSetzen(speicher.get());
    testdialoge::naechsteAntwort(std::optional<QString>());
    dialoge::speichern(nullptr, {}, {}, dialoge::Dateiart::Plan, "Firma. GmbH");
    QCOMPARE(testdialoge::letzterStart(), dir.filePath("plaene/Firma GmbH.PLN"));
    testdialoge::naechsteAntwort(std::optional<QString>());
    dialoge::oeffnen(nullptr, {}, {}, dialoge::Dateiart::Pdf);
    QCOMPARE(testdialoge::letzterStart(), dir.filePath("pdf"));
    testdialoge::naechsteAntwort(std::optional<QString>());
    dialoge::oeffnen(nullptr, {}, {}, dialoge::Dateiart::Bewertung);
    QVERIFY(!testdialoge::letzterStart().startsWith(dir.path()));
    // A folder since removed is not offered.
    QVERIFY(QDir(dir.filePath("pdf")).removeRecursively());
    testdialoge::naechsteAntwort(std::optional<QString>());
    dialoge::oeffnen(nullptr, {}, {}, dialoge::Dateiart::Pdf);
    QVERIFY(!testdialoge::letzterStart().startsWith(dir.path()));
    dialoge::ordnerspeicherSetzen(nullptr);
}

void TstDruckdienst::initTestCase() {
    // On a machine with printers these jobs would go to paper.
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
}

void TstDruckdienst::ohneDruckerInsPdf_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("datei");
    QTest::newRow("with suffix") << QStringLiteral("bericht.pdf") << QStringLiteral("bericht.pdf");
    QTest::newRow("suffix added") << QStringLiteral("bericht") << QStringLiteral("bericht.pdf");
}

void TstDruckdienst::ohneDruckerInsPdf() {
    QFETCH(QString, name);
    QFETCH(QString, datei);
    QTemporaryDir dir;
    QPushButton knopf;
    Beobachtung b;
    testdialoge::naechsteAntwort(std::optional<QString>(dir.filePath(name)));
    QVERIFY(druckdienst::drucken(nullptr, &knopf, QStringLiteral("Report"), zweiSeiten(knopf, b)));

    QCOMPARE(b.aufrufe, 1);
    QVERIFY(b.knopfAus);
    QVERIFY(b.sanduhr);
    QCOMPARE(b.mm, QSizeF(200, 287));
    QCOMPARE(pdfSeiten(dir.filePath(datei)), 2);
    QCOMPARE(testdialoge::notizen(),
             QStringList{"Saved as " + QDir::toNativeSeparators(dir.filePath(datei))});
    QVERIFY(knopf.isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(testdialoge::gezeigt().isEmpty());
}

// Closing the preview ends the job before any file is asked for; so does cancelling the file.
void TstDruckdienst::abbrechenDrucktNichts_data() {
    QTest::addColumn<bool>("vorschauGeschlossen");
    QTest::newRow("preview closed") << true;
    QTest::newRow("file dialog cancelled") << false;
}

void TstDruckdienst::abbrechenDrucktNichts() {
    QFETCH(bool, vorschauGeschlossen);
    QPushButton knopf;
    Beobachtung b;
    if (vorschauGeschlossen)
        testdialoge::naechsteVorschau(false);
    else
        testdialoge::naechsteAntwort(std::optional<QString>());
    QVERIFY(!druckdienst::drucken(nullptr, &knopf, QStringLiteral("Report"), zweiSeiten(knopf, b)));
    QCOMPARE(b.aufrufe, 0);
    QVERIFY(knopf.isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(testdialoge::gezeigt().isEmpty());
}

void TstDruckdienst::fehlerWirdGemeldet() {
    // A failed job says so and gives the user the button and cursor back.
    QTemporaryDir dir;
    QPushButton knopf;
    Beobachtung b;
    testdialoge::naechsteAntwort(
        std::optional<QString>(dir.filePath(QStringLiteral("no/such/x.pdf"))));
    QVERIFY(!druckdienst::drucken(nullptr, &knopf, QStringLiteral("Report"), zweiSeiten(knopf, b)));
    const QStringList gezeigt = testdialoge::gezeigt();
    QCOMPARE(gezeigt.size(), 1);
    QVERIFY2(gezeigt.first().contains(QStringLiteral("x.pdf")), qPrintable(gezeigt.first()));
    QVERIFY(knopf.isEnabled());
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TstDruckdienst)
#include "tst_druckdienst.moc"
