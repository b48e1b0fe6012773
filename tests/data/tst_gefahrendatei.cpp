// The hazard analysis file: 41 lines, Windows-1252, CR LF, J/N flags, the memo as comma text.
#include "Testdateien.h"

#include "data/Gefahrendatei.h"
#include "shared/KommaText.h"
#include "shared/Zeilendatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using testdateien::ablegen;
using testdateien::inhalt;

namespace {

// Every field different, so a field written to the wrong line shows.
TGefahrenanalyse voll() {
    TGefahrenanalyse g;
    g.a1 = QStringLiteral("Löterei Süd");
    g.a2 = QStringLiteral("07.12.2026");
    g.c = {true, false, true, true, false, true, true};
    for (int n = 1; n <= 36; ++n)
        g.e[n - 1] = QStringLiteral("Feld %1 – 5 €").arg(n);
    g.d = {true, false, false, true, true, false, true, false, false, true};
    g.memo = {QStringLiteral("a"), QStringLiteral("two words"), QStringLiteral("say\"it")};
    return g;
}

} // namespace

class TstGefahrendatei : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void rundreise() {
        const TGefahrenanalyse g = voll();
        const auto r = gefahrendatei::speichern(m_dir.filePath("werk"), g);
        QVERIFY(std::holds_alternative<QString>(r));
        const QString pfad = std::get<QString>(r);
        QCOMPARE(pfad, m_dir.filePath("werk.GAN"));
        const QByteArray b = inhalt(pfad);
        const QList<QByteArray> z = b.split('\n');
        QCOMPARE(z.size(), 42); // 41 lines, each ended by CR LF
        QVERIFY(z.last().isEmpty());
        for (int i = 0; i < 41; ++i)
            QVERIFY2(z[i].endsWith('\r'), z[i].constData());
        QCOMPARE(z[0], QByteArray("L\xf6terei S\xfc"
                                  "d\r"));
        QCOMPARE(z[2], QByteArray("JNJJNJJ\r"));
        QCOMPARE(z[3], QByteArray("Feld 1 \x96 5 \x80\r"));
        QCOMPARE(z[38], QByteArray("Feld 36 \x96 5 \x80\r"));
        QCOMPARE(z[39], QByteArray("JNNJJNJNNJ\r"));
        QCOMPARE(z[40], QByteArray("a,\"two words\",\"say\"\"it\"\r"));

        gefahrendatei::Fehler f;
        const auto gelesen = gefahrendatei::laden(pfad, &f);
        QVERIFY(gelesen);
        QVERIFY(*gelesen == g);
    }

    void leerSchreibtAlleZeilen() {
        const QStringList z = gefahrendatei::zeilen(TGefahrenanalyse{});
        QCOMPARE(z.size(), 41);
        QCOMPARE(z[2], "NNNNNNN");
        QCOMPARE(z[39], "NNNNNNNNNN");
        QCOMPARE(z[40], "");
    }

    void dateiname_data() {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("no extension") << "werk"
                                      << "werk.GAN";
        QTest::newRow("other extension replaced") << "werk.txt"
                                                  << "werk.GAN";
        QTest::newRow("several dots: up to the first") << "werk.2026.alt.gan"
                                                       << "werk.GAN";
        QTest::newRow("dotted folder kept") << "alt.d/werk"
                                            << "alt.d/werk.GAN";
    }
    void dateiname() {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, gespeichert);
        QDir(m_dir.path()).mkpath("alt.d");
        const auto r = gefahrendatei::speichern(m_dir.filePath(gewaehlt), voll());
        QCOMPARE(std::get<QString>(r), m_dir.filePath(gespeichert));
        QVERIFY(QFile::exists(m_dir.filePath(gespeichert)));
    }

    // Reading tolerates what other installations or damage leave: short files, short flag
    // lines, other letters, LF-only endings.
    void lesen_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("c");  // sections as J/N after reading
        QTest::addColumn<QString>("d");  // answers as J/N after reading
        QTest::addColumn<QString>("e1"); // line 4
        QTest::addColumn<QString>("e36");
        QTest::addColumn<QStringList>("memo");
        const QByteArray mitte =
            QByteArray("e1\r\n") + QByteArray("x\r\n").repeated(34) + "e36\r\n";
        QTest::newRow("short line 3") << "A\r\nB\r\nJJ\r\n" + mitte + "J\r\nm\r\n"
                                      << "JJNNNNN"
                                      << "JNNNNNNNNN"
                                      << "e1"
                                      << "e36" << QStringList{"m"};
        QTest::newRow("only J counts") << "A\r\nB\r\njJaJ Jx\r\n" + mitte + "Ja\r\n\r\n"
                                       << "NJNJNJN"
                                       << "JNNNNNNNNN"
                                       << "e1"
                                       << "e36" << QStringList{};
        QTest::newRow("LF only") << "A\nB\nNNNNNNJ\n" + QByteArray(mitte).replace("\r", "") +
                                        "NJ\na,b"
                                 << "NNNNNNJ"
                                 << "NJNNNNNNNN"
                                 << "e1"
                                 << "e36" << QStringList{"a", "b"};
        QTest::newRow("three lines: the rest empty")
            << QByteArray("A\r\nB\r\nJJJJJJJ\r\n") << "JJJJJJJ"
            << "NNNNNNNNNN"
            << ""
            << "" << QStringList{};
        QTest::newRow("empty file") << QByteArray() << "NNNNNNN"
                                    << "NNNNNNNNNN"
                                    << ""
                                    << "" << QStringList{};
    }
    void lesen() {
        QFETCH(QByteArray, datei);
        QFETCH(QString, c);
        QFETCH(QString, d);
        QFETCH(QString, e1);
        QFETCH(QString, e36);
        QFETCH(QStringList, memo);
        const QString pfad = m_dir.filePath("gelesen.GAN");
        ablegen(pfad, datei);
        gefahrendatei::Fehler f;
        const auto g = gefahrendatei::laden(pfad, &f);
        QVERIFY(g);
        const QStringList z = gefahrendatei::zeilen(*g);
        QCOMPARE(z[2], c);
        QCOMPARE(z[39], d);
        QCOMPARE(g->e[0], e1);
        QCOMPARE(g->e[35], e36);
        QCOMPARE(g->memo, memo);
    }

    // Refused, saying where and why: a folder, a file beyond the limits of the format.
    void unlesbar_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("grund");
        const QByteArray vorn = QByteArray("x\r\n").repeated(40);
        QTest::newRow("a folder") << "ordner.GAN" << QByteArray() << "not a plain file";
        QTest::newRow("one byte over the limit")
            << "riesig.GAN" << QByteArray(gefahrendatei::kHoechstensBytes + 1, 'x')
            << "larger than";
        QTest::newRow("memo of one line more than a memo holds")
            << "memo.GAN"
            << vorn + QByteArray("a,").repeated(kommatext::kHoechstensZeilen) + "b\r\n"
            << "line 41:";
        QTest::newRow("a line one over the longest")
            << "zeile.GAN"
            << "x\r\n" + QByteArray(zeilendatei::kZeichenJeZeile + 1, 'x') << "line 2:";
    }
    void unlesbar() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, grund);
        const QString pfad = m_dir.filePath(name);
        if (bytes.isEmpty())
            QDir(m_dir.path()).mkpath(name);
        else
            ablegen(pfad, bytes);
        gefahrendatei::Fehler f;
        QVERIFY(!gefahrendatei::laden(pfad, &f));
        QVERIFY2(f.meldung.contains(QDir::toNativeSeparators(pfad)), qPrintable(f.meldung));
        QVERIFY2(f.meldung.contains(grund), qPrintable(f.meldung));
    }

    // A character outside the code page, or a line break that would shift every later line, is
    // refused before anything is written, naming the field; the previous file stays.
    void unkodierbaresNenntFeld() {
        const QString pfad = m_dir.filePath("alt.GAN");
        ablegen(pfad, "old\r\n");
        TGefahrenanalyse g = voll();
        g.e[11] = QStringLiteral("Ωmega");
        auto r = gefahrendatei::speichern(pfad, g);
        QCOMPARE(std::get<gefahrendatei::Fehler>(r).feld, "e12");
        QCOMPARE(std::get<gefahrendatei::Fehler>(r).zeichen, QChar(0x3a9));
        g = voll();
        g.memo.append(QStringLiteral("→"));
        r = gefahrendatei::speichern(pfad, g);
        QCOMPARE(std::get<gefahrendatei::Fehler>(r).feld, "Memo1");
        g = voll();
        g.a2 = QStringLiteral("1 May\r\n2026");
        r = gefahrendatei::speichern(pfad, g);
        QCOMPARE(std::get<gefahrendatei::Fehler>(r).feld, "a2");
        // What the reader would refuse is not written: a memo or a line beyond the limits.
        g = voll();
        g.memo = QStringList(kommatext::kHoechstensZeilen + 1, QStringLiteral("x"));
        r = gefahrendatei::speichern(pfad, g);
        QCOMPARE(std::get<gefahrendatei::Fehler>(r).feld, "Memo1");
        QVERIFY(std::get<gefahrendatei::Fehler>(r).text("Comments:").startsWith("\"Comments:\""));
        g = voll();
        g.e[35] = QString(zeilendatei::kZeichenJeZeile + 1, u'x');
        r = gefahrendatei::speichern(pfad, g);
        QCOMPARE(std::get<gefahrendatei::Fehler>(r).feld, "e36");
        QVERIFY(gefahrendatei::unkodierbar(u'\r', "Preparation date:")
                    .startsWith("\"Preparation date:\""));
        QCOMPARE(inhalt(pfad), QByteArray("old\r\n"));
    }

    void fehlgeschlagenesSpeichernLaesstAlteDatei() {
#ifdef Q_OS_UNIX
        // A file-size limit makes the write fail part-way, even for root.
        const QString pfad = m_dir.filePath("voll.GAN");
        ablegen(pfad, "old\r\n");
        const auto r = testdateien::mitDateigroesse(
            64, [&] { return gefahrendatei::speichern(pfad, voll()); });
        const auto* f = std::get_if<gefahrendatei::Fehler>(&r);
        QVERIFY(f);
        QVERIFY2(f->meldung.contains(QDir::toNativeSeparators(pfad)), qPrintable(f->meldung));
        QCOMPARE(inhalt(pfad), QByteArray("old\r\n"));
#else
        QSKIP("needs a file-size limit");
#endif
    }
};

QTEST_GUILESS_MAIN(TstGefahrendatei)
#include "tst_gefahrendatei.moc"
