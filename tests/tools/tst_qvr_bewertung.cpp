// "qvr print assessment": a saved .GBN file as PDF, and a clear refusal of one it cannot read.
#include "data/Bewertungsdatei.h"

#include "QvrLauf.h"
#include "Testdateien.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstQvrBewertung : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static QvrLauf qvr(const QStringList& args) {
        return qvrLauf(QStringList{"print", "assessment"} + args);
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
        const QvrLauf l = qvr({gbn, "--pdf", pdf});
        QCOMPARE(l.status, 0);
        QVERIFY(!l.fehler.contains("qvr:"));
        const std::optional<QString> text = pdfText(pdf, {"-layout"});
        if (!text) QSKIP("pdftotext is not installed");
        for (const char* t :
             {"Organisational assessment", "Jürgen Müller", "Maschinenbau AG", "The work areas",
              "Press shop", "Change dies", "sharp edges", "Your distributor:", "Quorvane GmbH"})
            QVERIFY2(text->contains(QString::fromUtf8(t)), t);
        QCOMPARE(text->count(QChar(u'\f')), 2); // two pages
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
        testdateien::ablegen(m_dir.filePath("x.GBN"),
                             "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\nx\x9c\x03\x00");
        const QvrLauf l = qvr(args);
        QCOMPARE(l.status, status);
        const QString text = QString::fromUtf8(l.fehler);
        QVERIFY2(text.contains(meldung), l.fehler.constData());
        // One line of its own (Qt may add notes about the environment).
        if (status == 2) QCOMPARE(text.count("qvr:"), 1);
        QVERIFY(!QFile::exists(m_dir.filePath("x.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstQvrBewertung)
#include "tst_qvr_bewertung.moc"
