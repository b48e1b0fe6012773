// "qvr print assessment": a saved .GBN file as PDF, and a clear refusal of one it cannot read.
#include "data/Bewertungsdatei.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TstQvrBewertung : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    std::pair<int, QByteArray> qvr(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(ARDENTIX_BUILD_DIR "/qvr"),
                QStringList{"print", "assessment"} + args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardError()};
    }

private Q_SLOTS:
    void druckt() {
        TBewertung b;
        b.d[0] = QStringLiteral("Jürgen Müller");
        b.m[0] = {"Maschinenbau AG"};
        b.t[13] = QStringLiteral("Press shop");
        b.aufgaben[0].task = QStringLiteral("Change dies");
        b.aufgaben[0].hazards = QStringLiteral("crushing,\"sharp edges\"");
        b.aufgaben[0].sufficient = true;
        const QString gbn = m_dir.filePath("form.GBN");
        QVERIFY(!bewertungsdatei::speichern(gbn, b));
        const QString pdf = m_dir.filePath("form.pdf");
        const auto [status, fehler] = qvr({gbn, "--pdf", pdf});
        QCOMPARE(status, 0);
        QVERIFY(!fehler.contains("qvr:"));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
        QProcess p;
        p.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (const char* t :
             {"Organisational assessment", "Jürgen Müller", "Maschinenbau AG", "The work areas",
              "Press shop", "Change dies", "sharp edges", "Your distributor:", "Quorvane GmbH"})
            QVERIFY2(text.contains(QString::fromUtf8(t)), t);
        QCOMPARE(text.count(QChar(u'\f')), 2); // two pages
    }

    void fehler_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("missing") << QStringList{"none.GBN", "--pdf", "x.pdf"} << 2
                                 << "none.GBN: File not found!";
        QTest::newRow("a folder") << QStringList{".", "--pdf", "x.pdf"} << 2 << "File not found!";
        QTest::newRow("a PDF") << QStringList{"x.GBN", "--pdf", "x.pdf"} << 2
                               << "line 4: not a text file";
        QTest::newRow("no pdf") << QStringList{"form.GBN"} << 1 << "needs FILE.GBN";
    }
    void fehler() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        for (QString& a : args)
            if (a != "--pdf") a = m_dir.filePath(a);
        QFile pdf(m_dir.filePath("x.GBN"));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\nx\x9c\x03\x00");
        pdf.close();
        const auto [s, fehler] = qvr(args);
        QCOMPARE(s, status);
        const QString text = QString::fromUtf8(fehler);
        QVERIFY2(text.contains(meldung), fehler.constData());
        // One line of its own (Qt may add notes about the environment).
        if (status == 2) QCOMPARE(text.count("qvr:"), 1);
        QVERIFY(!QFile::exists(m_dir.filePath("x.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstQvrBewertung)
#include "tst_qvr_bewertung.moc"
