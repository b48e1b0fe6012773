// "qvr print hazard-analysis": a saved questionnaire as PDF, and one line for a file it cannot
// read.
#include "data/Gefahrendatei.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TstQvrGefahren : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    struct Lauf {
        int status;
        QString fehler;
    };
    static Lauf qvr(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(ARDENTIX_BUILD_DIR "/qvr"),
                QStringList{"print", "hazard-analysis"} + args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
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
        const Lauf l = qvr({gan, "--pdf", pdf});
        QCOMPARE(l.status, 0);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
        QProcess p;
        p.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (const char* t :
             {"Risk Assessment", "Löterei Süd", "chemical-biological hazards:", "Flussmittel",
              "400 Volt", "Handschuhe täglich wechseln", "Your distributor:", "Quorvane GmbH"})
            QVERIFY2(text.contains(QString::fromUtf8(t)), t);
        QVERIFY(!text.contains("Mechanical hazards:"));
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
        QFile bild(m_dir.filePath("bild.GAN"));
        QVERIFY(bild.open(QIODevice::WriteOnly));
        bild.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        bild.close();
        const Lauf l =
            qvr(QStringList{m_dir.filePath(datei), "--pdf", m_dir.filePath("x.pdf")} + weitere);
        QCOMPARE(l.status, 2);
        // One line of its own; the platform may add notes of its own around it.
        const QStringList zeilen = l.fehler.split(u'\n').filter(QStringLiteral("qvr:"));
        QCOMPARE(zeilen.size(), 1);
        QVERIFY2(zeilen[0].contains(meldung), qPrintable(l.fehler));
        QVERIFY(!QFile::exists(m_dir.filePath("x.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstQvrGefahren)
#include "tst_qvr_gefahren.moc"
