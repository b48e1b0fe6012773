// "qvr print hazard-analysis": a saved questionnaire as PDF, and one line for a file it cannot
// read.
#include "data/Gefahrendatei.h"

#include "QvrLauf.h"
#include "Testdateien.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TstQvrGefahren : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static QvrLauf qvr(const QStringList& args) {
        return qvrLauf(QStringList{"print", "hazard-analysis"} + args);
    }

private Q_SLOTS:
    void druckt() {
        TGefahrenanalyse g;
        g.a1 = QStringLiteral("Löterei Süd");
        g.c = {true, false, false, true, false, false, true};
        g.e[27] = QStringLiteral("400");
        g.e[10] = QStringLiteral("Flussmittel");
        g.memo = {QStringLiteral("Handschuhe täglich wechseln")};
        const QString gan = std::get<QString>(gefahrendatei::speichern(m_dir.filePath("werk"), g));
        const QString pdf = m_dir.filePath("werk.pdf");
        const QvrLauf l = qvr({gan, "--pdf", pdf});
        QCOMPARE(l.status, 0);
        const std::optional<QString> text = pdfText(pdf, {"-layout"});
        if (!text) QSKIP("pdftotext is not installed");
        for (const char* t :
             {"Risk Assessment", "Löterei Süd", "chemical-biological hazards:", "Flussmittel",
              "400 Volt", "Handschuhe täglich wechseln", "Your distributor:", "Quorvane GmbH"})
            QVERIFY2(text->contains(QString::fromUtf8(t)), t);
        QVERIFY(!text->contains("Mechanical hazards:"));
    }

    void unlesbar_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QStringList>("weitere");
        QTest::newRow("missing") << "fehlt.GAN"
                                 << "File not found!" << QStringList{};
        QTest::newRow("a folder") << "ordner.GAN"
                                  << "Cannot read" << QStringList{};
        QTest::newRow("a picture") << "bild.GAN"
                                   << "line 2: not a text file" << QStringList{};
        QTest::newRow("a language without a module")
            << "fehlt.GAN"
            << "no language module Ardentix.FRA" << QStringList{"--language", "fra"};
    }
    void unlesbar() {
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        QFETCH(QStringList, weitere);
        QDir(m_dir.path()).mkpath("ordner.GAN");
        testdateien::ablegen(m_dir.filePath("bild.GAN"),
                             QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        const QvrLauf l =
            qvr(QStringList{m_dir.filePath(datei), "--pdf", m_dir.filePath("x.pdf")} + weitere);
        QCOMPARE(l.status, 2);
        // One line of its own; the platform may add notes of its own around it.
        const QString fehler = QString::fromUtf8(l.fehler);
        const QStringList zeilen = fehler.split(u'\n').filter(QStringLiteral("qvr:"));
        QCOMPARE(zeilen.size(), 1);
        QVERIFY2(zeilen[0].contains(meldung), qPrintable(fehler));
        QVERIFY(!QFile::exists(m_dir.filePath("x.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstQvrGefahren)
#include "tst_qvr_gefahren.moc"
