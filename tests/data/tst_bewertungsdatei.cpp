// The organisational assessment file (.GBN): 200 lines, Windows-1252, CR LF, J/N flags.
#include "Testdateien.h"

#include "data/Bewertungsdatei.h"
#include "shared/KommaText.h"
#include "shared/Zeilendatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using testdateien::ablegen;
using testdateien::inhalt;

namespace {

// Every field different from every other, flags in all four combinations.
TBewertung gefuellt() {
    TBewertung b;
    b.d = {"Jürgen Müller", "Werkstraße 5", "12345 Köln", "0221 1"};
    b.m = {QStringList{"Maschinenbau AG", "Halle 3"}, QStringList{"a", "two words", "say \"hi\""},
           QStringList{}};
    for (int i = 0; i < 18; ++i)
        b.t[i] = QStringLiteral("t%1 text").arg(i + 1);
    for (int n = 0; n < kAufgaben; ++n) {
        TRisiko& r = b.aufgaben[n];
        r.task = QStringLiteral("Task %1").arg(n + 1);
        r.who = QStringLiteral("who %1").arg(n + 1);
        r.when = QStringLiteral("week %1").arg(n + 1);
        r.hazards = QStringLiteral("cuts,\"hot parts\"");
        r.measures = n % 3 == 0 ? QString() : QStringLiteral("gloves");
        r.sufficient = n % 2 == 0;
        r.consultation = n % 4 < 2;
    }
    return b;
}

} // namespace

class TstBewertungsdatei : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rundreise() {
        QTemporaryDir dir;
        const TBewertung b = gefuellt();
        QString pfad;
        QVERIFY(!bewertungsdatei::speichern(dir.filePath("Halle.3.txt"), b, &pfad));
        QCOMPARE(pfad, dir.filePath("Halle.GBN"));
        const QByteArray bytes = inhalt(pfad);
        QCOMPARE(bytes.count("\r\n"), 200);
        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QByteArray> z = bytes.split('\n');
        QCOMPARE(z[0], QByteArray("J\xfcrgen M\xfcller\r"));
        QCOMPARE(z[5], QByteArray("a,\"two words\",\"say \"\"hi\"\"\"\r"));
        QCOMPARE(z[6], QByteArray("\r"));
        QCOMPARE(z[30], QByteArray("J\r")); // task 1 sufficient
        QCOMPARE(z[31], QByteArray("J\r")); // task 1 consultation
        QCOMPARE(z[37], QByteArray("N\r")); // task 2 sufficient
        QCOMPARE(z[193], QByteArray("Task 25\r"));

        QString fehler;
        const auto gelesen = bewertungsdatei::laden(pfad, fehler);
        QVERIFY2(gelesen, qPrintable(fehler));
        QVERIFY(*gelesen == b);
        QCOMPARE(gelesen->m[1], (QStringList{"a", "two words", "say \"hi\""}));
    }

    // Only a line reading exactly "J" sets a flag; a short file leaves the rest empty.
    void lesen_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<bool>("flagge");
        QTest::addColumn<QString>("task25");
        const auto mit = [](const QString& flagge, int anzahl = 200) {
            QStringList z(anzahl, QStringLiteral("x"));
            z[30] = flagge;
            if (anzahl > 193) z[193] = QStringLiteral("last task");
            return z;
        };
        QTest::newRow("J") << mit("J") << true << "last task";
        QTest::newRow("j") << mit("j") << false << "last task";
        QTest::newRow("Ja") << mit("Ja") << false << "last task";
        QTest::newRow("J and blank") << mit("J ") << false << "last task";
        QTest::newRow("N") << mit("N") << false << "last task";
        QTest::newRow("31 lines") << mit("J", 31) << true << "";
        QTest::newRow("empty file") << QStringList{} << false << "";
    }
    void lesen() {
        QFETCH(QStringList, zeilen);
        QFETCH(bool, flagge);
        QFETCH(QString, task25);
        const TBewertung b = bewertungsdatei::ausZeilen(zeilen);
        QCOMPARE(b.aufgaben[0].sufficient, flagge);
        QCOMPARE(b.aufgaben[24].task, task25);
        QVERIFY(!b.aufgaben[24].consultation);
    }

    void fehltOderKeineDatei() {
        QTemporaryDir dir;
        QString fehler;
        QVERIFY(!bewertungsdatei::laden(dir.filePath("missing.GBN"), fehler));
        QCOMPARE(fehler, QStringLiteral("File not found!"));
        QVERIFY(!bewertungsdatei::laden(dir.path(), fehler));
        QCOMPARE(fehler, QStringLiteral("File not found!"));
        // Beyond what a form holds: refused, saying where, without reading it into memory.
        QFile gross(dir.filePath("video.GBN"));
        QVERIFY(gross.open(QIODevice::WriteOnly) &&
                gross.resize(bewertungsdatei::kHoechstensBytes + 1));
        gross.close();
        QVERIFY(!bewertungsdatei::laden(gross.fileName(), fehler));
        QVERIFY(fehler.contains("larger than"));
        const QString memo = dir.filePath("memo.GBN");
        ablegen(memo, QByteArray("\r\n").repeated(28) +
                          QByteArray(",", 1).repeated(kommatext::kHoechstensZeilen + 1));
        QVERIFY(!bewertungsdatei::laden(memo, fehler));
        QVERIFY2(fehler.contains("line 29:"), qPrintable(fehler));
    }

    // A refused or failed save says why and where, and the previous file stays as it was.
    void speichernScheitert_data() {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("aufgabe");
        QTest::newRow("page field") << 0 << "t5" << 0;
        QTest::newRow("memo") << 1 << "m3" << 0;
        QTest::newRow("task memo") << 2 << "r1" << 7;
        QTest::newRow("disk full") << 3 << "" << 0;
        QTest::newRow("line break in a field") << 4 << "t1" << 0;
        QTest::newRow("line break in a task") << 5 << "e3" << 25;
        QTest::newRow("task memo of one line more than a memo holds") << 6 << "r2" << 3;
        QTest::newRow("field one over the longest line") << 7 << "t2" << 0;
    }
    void speichernScheitert() {
        QFETCH(int, fall);
        QFETCH(QString, control);
        QFETCH(int, aufgabe);
        QTemporaryDir dir;
        const QString pfad = dir.filePath("alt.GBN");
        ablegen(pfad, "old\r\n");
        TBewertung b = gefuellt();
        if (fall == 0) b.t[4] = QStringLiteral("Ω");
        if (fall == 1) b.m[2] = QStringList{"ok", "€ fine", "→ not"};
        if (fall == 2) b.aufgaben[6].hazards = QStringLiteral("\"☢ rays\"");
        if (fall == 4) b.t[0] = QStringLiteral("Hall 1\r\nHall 2");
        if (fall == 5) b.aufgaben[24].when = QStringLiteral("May\n");
        if (fall == 6) b.aufgaben[2].measures = QString(kommatext::kHoechstensZeilen, u',') + u'x';
        if (fall == 7) b.t[1] = QString(zeilendatei::kZeichenJeZeile + 1, u'x');
        std::optional<bewertungsdatei::Speicherfehler> f;
        if (fall != 3) {
            f = bewertungsdatei::speichern(pfad, b);
        } else {
#ifdef Q_OS_UNIX
            // A file-size limit makes the write fail part-way, even for root.
            f = testdateien::mitDateigroesse(256,
                                             [&] { return bewertungsdatei::speichern(pfad, b); });
#else
            QSKIP("needs a file-size limit");
#endif
        }
        QVERIFY(f);
        QVERIFY(!f->meldung.isEmpty());
        QCOMPARE(f->feld.has_value(), !control.isEmpty());
        if (f->feld) {
            QCOMPARE(f->feld->control, control);
            QCOMPARE(f->feld->aufgabe, aufgabe);
        }
        QCOMPARE(inhalt(pfad), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"alt.GBN"});
    }
};

QTEST_GUILESS_MAIN(TstBewertungsdatei)
#include "tst_bewertungsdatei.moc"
