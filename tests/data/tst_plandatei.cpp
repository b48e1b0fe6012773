// The glove plan file: what a good file gives, where a damaged one is named at fault, the
// columns of codes the catalogue no longer has, and the swatch colours.
#include "data/Dateiart.h"
#include "data/Plandatei.h"
#include "data/Planfarbe.h"
#include "data/Produktliste.h"
#include "shared/KommaText.h"
#include "shared/Zeilendatei.h"

#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TstPlandatei : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What the program opens from its command line or a drop, by the name's ending alone.
    void dateiart_data() {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<int>("art"); // -1: none of the three
        QTest::newRow("plan") << "/home/me/Halle 2.PLN" << int(Dateiart::Handschutzplan);
        QTest::newRow("lower case") << "halle.pln" << int(Dateiart::Handschutzplan);
        QTest::newRow("mixed case") << "x.Gan" << int(Dateiart::Gefahrenanalyse);
        QTest::newRow("assessment") << "C:\\Daten\\a.GBN" << int(Dateiart::Bewertung);
        QTest::newRow("ending only of a folder") << "plans.PLN/notes.txt" << -1;
        QTest::newRow("no ending") << "PLN" << -1;
        QTest::newRow("other") << "report.pdf" << -1;
    }
    void dateiart() {
        QFETCH(QString, pfad);
        QFETCH(int, art);
        const auto a = ::dateiart(pfad);
        QCOMPARE(a ? int(*a) : -1, art);
    }

    void gueltig_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<qint32>>("nummern");
        QTest::addColumn<QString>("strasse");
        QTest::addColumn<QStringList>("einsatz");
        QTest::newRow("empty plan") << QByteArray("0\r\nMe\r\nStreet 1\r\nTown\r\n")
                                    << QList<qint32>{} << "Street 1" << QStringList{};
        QTest::newRow("two columns, LF only, blank lines after the notes ignored")
            << QByteArray("2\n 120\n5200\nMe\nStreet 1\nTown\na\n\"Areas of use:\"\nb\nc\n \n\n")
            << QList<qint32>{120, 5200} << "Street 1" << QStringList{"\"Areas of use:\"", "c"};
        QTest::newRow("Windows-1252 address")
            << QByteArray("1\r\n7\r\nM\xfcller\r\nStra\xdf\x65 1\r\nTown\r\n\r\n\r\n")
            << QList<qint32>{7} << QStringLiteral("Straße 1") << QStringList{""};
    }
    void gueltig() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<qint32>, nummern);
        QFETCH(QString, strasse);
        QFETCH(QStringList, einsatz);
        const PlandateiGelesen g = plandateiLesen(bytes);
        const auto* plan = std::get_if<Plandatei>(&g);
        if (!plan) QFAIL(qPrintable(std::get<PlandateiFehler>(g).meldung("x")));
        QCOMPARE(plan->nummern, nummern);
        QCOMPARE(plan->adresse[1], strasse);
        QCOMPARE(plan->einsatzbereiche, einsatz);
        QCOMPARE(plan->arbeitsbereiche.size(), nummern.size());
    }

    void beschaedigt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("zeile");
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("count not a number") << QByteArray("two\r\n1\r\n2\r\n") << 1;
        QTest::newRow("negative count") << QByteArray("-1\r\na\r\nb\r\nc\r\n") << 1;
        QTest::newRow("count beyond the lines") << QByteArray("5\r\n1\r\n2\r\nMe\r\n") << 5;
        QTest::newRow("huge count") << QByteArray("2147483647\r\n1\r\n") << 1;
        QTest::newRow("count over the limit")
            << QByteArray("1001\r\n") + QByteArray("7\r\n").repeated(1001 + 3 + 2002) << 1;
        QTest::newRow("count lower than the columns")
            << QByteArray("1\r\n7\r\n8\r\nMe\r\nS\r\nT\r\na\r\nb\r\nc\r\nd\r\n") << 8;
        QTest::newRow("8 MB bad line") << QByteArray(8 << 20, 'x') << 1;
        QTest::newRow("notes missing") << QByteArray("1\r\n7\r\nMe\r\nS\r\nT\r\na\r\n") << 7;
        QTest::newRow("code not a number")
            << QByteArray("2\r\n7\r\n7x\r\nM\r\nS\r\nT\r\n\r\n\r\n\r\n\r\n") << 3;
        QTest::newRow("not text") << QByteArray("1\r\n7\r\nM\0e\r\nS\r\nT\r\n\r\n\r\n", 21) << 3;
        QTest::newRow("address line one over the longest")
            << "0\r\nMe\r\n" + QByteArray(zeilendatei::kZeichenJeZeile + 1, 'x') + "\r\nT\r\n"
            << 3;
        QTest::newRow("note of one line more than a note holds")
            << "1\r\n7\r\nMe\r\nS\r\nT\r\na\r\n" +
                   QByteArray(",", 1).repeated(kommatext::kHoechstensZeilen + 1) + "\r\n"
            << 7;
    }
    void beschaedigt() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, zeile);
        const PlandateiGelesen g = plandateiLesen(bytes);
        const auto* f = std::get_if<PlandateiFehler>(&g);
        QVERIFY(f);
        QCOMPARE(f->zeile, zeile);
        const QString meldung = f->meldung("plan.PLN");
        QVERIFY(meldung.startsWith(QStringLiteral("plan.PLN, line %1: ").arg(zeile)));
        // A quoted line is cut, so the message stays readable.
        QVERIFY2(meldung.size() < 300, qPrintable(meldung.left(300)));
    }

    void rundreiseDurchDatei() {
        // A note with a quoted line comes back line for line from the saved file.
        const QStringList notiz = {"Work", "say \"hi\", twice", ""};
        Plandatei plan;
        plan.nummern = {120, 120};
        plan.adresse = {"Me", "Street 1", "Town"};
        plan.arbeitsbereiche = {kommatext::schreiben(notiz), QString()};
        plan.einsatzbereiche = {kommatext::schreiben({"Areas of use:"}), "x"};
        const QStringList zeilen = plandateiZeilen(plan);
        QCOMPARE(zeilen.size(), 4 + 3 * 2);
        QTemporaryDir dir;
        const QString pfad = dir.filePath("p.PLN");
        QVERIFY(!zeilendatei::schreiben(pfad, zeilen));
        const PlandateiGelesen g = plandateiLaden(pfad);
        const auto& zurueck = std::get<Plandatei>(g);
        QCOMPARE(zurueck.nummern, plan.nummern);
        QCOMPARE(zurueck.adresse, plan.adresse);
        QCOMPARE(kommatext::lesen(zurueck.arbeitsbereiche[0]), notiz.mid(0, 2));
        QCOMPARE(zurueck.einsatzbereiche, plan.einsatzbereiche);
        const PlandateiGelesen fehlt = plandateiLaden(dir.filePath("none.PLN"));
        const auto* f = std::get_if<PlandateiFehler>(&fehlt);
        QVERIFY(f && f->zeile == 0);
#ifdef Q_OS_UNIX
        // A pipe is refused before it is opened, which would wait for a writer.
        const QString rohr = dir.filePath("pipe.PLN");
        QCOMPARE(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
        const PlandateiGelesen ausRohr = plandateiLaden(rohr);
        const auto* r = std::get_if<PlandateiFehler>(&ausRohr);
        QVERIFY(r && r->grund.contains("not a plain file"));
#endif
    }

    // A value that would break the file's lines, or that the code page cannot hold, is refused
    // before anything is written, naming the address line or the column and note.
    void speichernVerweigert_data() {
        QTest::addColumn<int>("zeile"); // 0..2 address, 3.. the notes in file order
        QTest::addColumn<QString>("wert");
        QTest::addColumn<int>("ort");
        QTest::addColumn<int>("index");
        using Ort = PlanSpeicherfehler::Ort;
        QTest::newRow("address line 2, LF") << 1 << "Road\n2" << int(Ort::Adresse) << 1;
        QTest::newRow("column 0 work areas, CR") << 3 << "a\rb" << int(Ort::Arbeitsbereiche) << 0;
        QTest::newRow("column 1 areas of use, NUL")
            << 6 << QString(u'\0') << int(Ort::Einsatzbereiche) << 1;
        QTest::newRow("column 1 work areas, code page")
            << 5 << "Ω" << int(Ort::Arbeitsbereiche) << 1;
        QTest::newRow("address line 3, one over the longest")
            << 2 << QString(zeilendatei::kZeichenJeZeile + 1, u'x') << int(Ort::Adresse) << 2;
        QTest::newRow("column 0 areas of use, one line more than a note holds")
            << 4 << QString(kommatext::kHoechstensZeilen, u',') + u'x' << int(Ort::Einsatzbereiche)
            << 0;
    }
    void speichernVerweigert() {
        QFETCH(int, zeile);
        QFETCH(QString, wert);
        QFETCH(int, ort);
        QFETCH(int, index);
        Plandatei plan;
        plan.nummern = {1000, 1001};
        plan.arbeitsbereiche = {"a0", "a1"};
        plan.einsatzbereiche = {"e0", "e1"};
        if (zeile < 3)
            plan.adresse[zeile] = wert;
        else if ((zeile - 3) % 2 == 0)
            plan.arbeitsbereiche[(zeile - 3) / 2] = wert;
        else
            plan.einsatzbereiche[(zeile - 3) / 2] = wert;
        QTemporaryDir dir;
        const QString pfad = dir.filePath("p.PLN");
        const auto f = plandateiSpeichern(pfad, plan);
        QVERIFY(f);
        QCOMPARE(int(f->ort), ort);
        QCOMPARE(f->index, index);
        QVERIFY(!f->grund.isEmpty());
        QVERIFY(!QFile::exists(pfad));
    }

    void fehlendeCodesBleibenDraussen() {
        TProduktliste katalog;
        for (const qint32 n : {120, 5200}) {
            auto h = neuerHandschuh(TypSchnitt);
            h->Nummer = n;
            katalog.anhaengen(std::move(h));
        }
        Plandatei plan;
        plan.nummern = {120, 999, 5200, 998};
        plan.arbeitsbereiche = {"a0", "a1", "a2", "a3"};
        plan.einsatzbereiche = {"e0", "e1", "e2", "e3"};
        const PlanAufgeloest a = planAufloesen(plan, katalog);
        QCOMPARE(a.Planliste, (QList<const THandschuh*>{&katalog.at(0), &katalog.at(1)}));
        QCOMPARE(a.Arbeitsbereiche, (QStringList{"a0", "a2"}));
        QCOMPARE(a.Einsatzbereiche, (QStringList{"e0", "e2"}));
        QCOMPARE(a.fehlend, (QList<qint32>{999, 998}));
    }

    void planfarbe_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<quint32>("rgb");
        QTest::newRow("0 yellow") << 0 << 0xFFFF00u;
        QTest::newRow("3 black") << 3 << 0x000000u;
        QTest::newRow("12") << 12 << 0xFCC1ABu;
        QTest::newRow("13 red") << 13 << 0xFF0000u;
        QTest::newRow("19") << 19 << 0x00BB64u;
        QTest::newRow("23, the last") << 23 << 0xFFFF00u;
        QTest::newRow("24 grey") << 24 << 0xBBBBBBu;
        QTest::newRow("255 grey") << 255 << 0xBBBBBBu;
    }
    void planfarbe() {
        QFETCH(int, code);
        QFETCH(quint32, rgb);
        QCOMPARE(::planfarbe(code), rgb);
    }
};

QTEST_GUILESS_MAIN(TstPlandatei)
#include "tst_plandatei.moc"
