#include "Testdateien.h"

#include "shared/Codepage1252.h"
#include "shared/Zeilendatei.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using testdateien::ablegen;
using testdateien::inhalt;

class TstZeilendatei : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateiname_data() {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("no extension") << "/home/u/plan"
                                      << "/home/u/plan.PLN";
        QTest::newRow("cut at the first dot") << "/home/u/plan.v2.txt"
                                              << "/home/u/plan.PLN";
        QTest::newRow("dotted folder kept") << "/home/u.name/plan"
                                            << "/home/u.name/plan.PLN";
        QTest::newRow("windows separators") << "C:\\a.b\\plan.x"
                                            << "C:\\a.b\\plan.PLN";
        QTest::newRow("leading dot") << "/tmp/.plan"
                                     << "/tmp/.PLN";
    }
    void dateiname() {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, ergebnis);
        QCOMPARE(zeilendatei::dateiname(gewaehlt, "PLN"), ergebnis);
    }

    void codepageJedesByteZurueck() {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(char(b));
        const QString text = cp1252::decode(alle);
        QCOMPARE(text.size(), 256);
        QCOMPARE(cp1252::firstUnencodable(text), qsizetype(-1));
        QCOMPARE(cp1252::encode(text), alle);
        QCOMPARE(text[0x80], QChar(0x20AC)); // euro sign
        QCOMPARE(text[0xE4], QChar(u'ä'));
    }

    void zerlegen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("CR LF") << QByteArray("J\r\nN\r\n") << QStringList{"J", "N"};
        QTest::newRow("LF only") << QByteArray("J\nN\n") << QStringList{"J", "N"};
        QTest::newRow("no last ending") << QByteArray("J\r\nN") << QStringList{"J", "N"};
        QTest::newRow("empty lines kept")
            << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("code page") << QByteArray("M\xfcller \x80\r\n") << QStringList{"Müller €"};
    }
    void zerlegen() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, zeilen);
        QCOMPARE(zeilendatei::zerlegen(bytes), zeilen);
    }

    void textPruefen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("zeile"); // -1: text
        QTest::newRow("text") << QByteArray("M\xfcller\tx\r\n\x0c\r\n\x80\xff") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("NUL") << QByteArray("a\r\nb\0", 5) << 2;
        QTest::newRow("escape") << QByteArray("\x1b[2J") << 1;
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << 2;
        QTest::newRow("PDF") << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\nx\x9c\x03\x00") << 4;
        const QByteArray voll(zeilendatei::kZeichenJeZeile, 'x');
        QTest::newRow("longest line, CR LF") << "a\r\n" + voll + "\r\nb" << -1;
        QTest::newRow("longest line, CR at the end") << voll + "\r" << -1;
        QTest::newRow("one character more") << "a\n" + voll + "x\nb" << 2;
        QTest::newRow("a lone CR is a character") << voll + "\rb" << 1;
    }
    void textPruefen() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, zeile);
        const auto k = zeilendatei::textPruefen(bytes);
        QCOMPARE(k ? int(k->zeile) : -1, zeile);
    }

    // Saved twice, the second time over the first; a name at the file system's limit too, and
    // through a symbolic link, which stays a link to the file saved, whatever the name's length.
    void schreibenUndLesen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("verknuepft");
        QTest::newRow("short") << "a.GAN" << false;
        QTest::newRow("248 bytes") << QString(244, u'n') + ".GAN" << false;
        QTest::newRow("255 bytes") << QString(249, u'n') + "ä.GAN" << false;
#ifdef Q_OS_UNIX
        QTest::newRow("short, a link") << "a.GAN" << true;
        QTest::newRow("255 bytes, a link") << QString(249, u'n') + "ä.GAN" << true;
#endif
    }
    void schreibenUndLesen() {
        QFETCH(QString, name);
        QFETCH(bool, verknuepft);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(name);
        QString datei = pfad;
        if (verknuepft) {
            QVERIFY(QDir(dir.path()).mkdir("ziel"));
            datei = dir.filePath("ziel/" + name);
            ablegen(datei, "old\r\n");
            QVERIFY(QFile::link(datei, pfad));
        }
        QVERIFY(!zeilendatei::schreiben(pfad, {"first"}));
        QVERIFY(QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner));
        const QStringList zeilen = {"Müller", "", "J", "a,\"b c\""};
        const auto f = zeilendatei::schreiben(pfad, zeilen);
        QVERIFY2(!f, qPrintable(f ? f->meldung : QString()));
        QCOMPARE(inhalt(datei), QByteArray("M\xfcller\r\n\r\nJ\r\na,\"b c\"\r\n"));
        QCOMPARE(zeilendatei::lesen(pfad).value(), zeilen);
        QCOMPARE(QFile::permissions(pfad) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
        QCOMPARE(QFileInfo(pfad).isSymLink(), verknuepft);
        if (verknuepft)
            QCOMPARE(QDir(dir.filePath("ziel")).entryList(QDir::Files), QStringList{name});
        QVERIFY(!zeilendatei::lesen(dir.filePath("missing.GAN")));
    }

    void unkodierbaresWirdVorherGemeldet() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath("a.GAN");
        ablegen(pfad, "old\r\n");
        const auto u = zeilendatei::pruefen({"fine", "Ω here"});
        QVERIFY(u);
        QCOMPARE(u->zeile, 1);
        QCOMPARE(u->spalte, 0);
        const auto f = zeilendatei::schreiben(pfad, {"fine", "Ω here"});
        QVERIFY(f);
        QVERIFY(f->meldung.contains("line 2"));
        QCOMPARE(inhalt(pfad), QByteArray("old\r\n"));
    }

    void fehlgeschlagenesSchreibenLaesstAlteDatei() {
#ifdef Q_OS_UNIX
        // A file-size limit makes the write fail part-way, even for root.
        QTemporaryDir dir;
        const QString pfad = dir.filePath("plan.PLN");
        ablegen(pfad, "old\r\n");
        const auto f = testdateien::mitDateigroesse(64, [&] {
            return zeilendatei::schreiben(pfad, QStringList(100, QStringLiteral("0123456789")));
        });
        QVERIFY(f);
        QVERIFY2(f->meldung.contains(QDir::toNativeSeparators(pfad)), qPrintable(f->meldung));
        QCOMPARE(inhalt(pfad), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.PLN"});
#else
        QSKIP("needs a file-size limit");
#endif
    }

    void ordnerFehltMeldetOrt() {
        const auto f = zeilendatei::schreiben("/nonexistent-dir/x.GAN", {"a"});
        QVERIFY(f);
        QVERIFY(f->meldung.contains("nonexistent-dir"));
    }
};

QTEST_GUILESS_MAIN(TstZeilendatei)
#include "tst_zeilendatei.moc"
