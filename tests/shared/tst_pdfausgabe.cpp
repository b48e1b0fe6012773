#include "Testdateien.h"

#include "shared/gui/PageCanvas.h"
#include "shared/gui/PdfAusgabe.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using testdateien::inhalt;

namespace {

// Pages of a PDF as its page tree lists them.
int seiten(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray inhalt = f.readAll();
    if (!inhalt.startsWith("%PDF")) return -1;
    return static_cast<int>(
        QString::fromLatin1(inhalt).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

} // namespace

class TstPdfAusgabe : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seitenUndFormat();
    void querformat();
    void fehlerLaesstAltesStehen();
};

void TstPdfAusgabe::seitenUndFormat() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("out.pdf"));
    QSizeF mm;
    const auto fehler = pdfSchreiben(pfad, [&](PageCanvas& c) {
        mm = c.printableSizeMm();
        c.setFont(QStringLiteral("Arial"), 60, true);
        c.text(200, 100, QStringLiteral("Ardentix"));
        c.newPage();
        c.line(200, 100, 1800, 100, 2);
        c.newPage();
    });
    QVERIFY2(!fehler, qPrintable(fehler.value_or(QString())));
    QCOMPARE(mm, QSizeF(200, 287));
    QCOMPARE(seiten(pfad), 3);
}

void TstPdfAusgabe::querformat() {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("quer.pdf"));
    QSizeF mm;
    QVERIFY(!pdfSchreiben(pfad, [&](PageCanvas& c) {
        c.setOrientation(QPageLayout::Landscape);
        mm = c.printableSizeMm();
        c.text(200, 100, QStringLiteral("wide"));
    }));
    QCOMPARE(mm, QSizeF(287, 200));
    QCOMPARE(seiten(pfad), 1);
}

void TstPdfAusgabe::fehlerLaesstAltesStehen() {
    QTemporaryDir dir;
    const QString falsch = dir.filePath(QStringLiteral("missing/out.pdf"));
    const auto fehler = pdfSchreiben(falsch, [](PageCanvas&) {});
    QVERIFY(fehler);
    QVERIFY2(fehler->contains(QStringLiteral("out.pdf")), qPrintable(*fehler));
    QVERIFY(!QFile::exists(falsch));

    // A failing printout throws out of the job; the earlier file stays as it was.
    const QString pfad = dir.filePath(QStringLiteral("old.pdf"));
    QVERIFY(!pdfSchreiben(pfad, [](PageCanvas& c) { c.text(0, 0, QStringLiteral("old")); }));
    const QByteArray vorher = inhalt(pfad);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, pdfSchreiben(pfad, [](PageCanvas& c) {
                                 c.text(0, 0, QStringLiteral("new"));
                                 throw std::runtime_error("out of paper");
                             }));
    QCOMPARE(inhalt(pfad), vorher);
}

QTEST_MAIN(TstPdfAusgabe)
#include "tst_pdfausgabe.moc"
