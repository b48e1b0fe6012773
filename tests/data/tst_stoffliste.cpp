#include "data/Stoffliste.h"

#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

TStoff stoff(const QString& name, const QString& cas, const QString& perm, quint8 zustand = 2) {
    TStoff s;
    s.Name = name;
    s.CAS = cas;
    s.Permeation = perm;
    s.Zustand = zustand;
    s.Kennzahl = 1000 + int(name.size());
    s.Quellung = {1, 2, 3, 4, 5};
    s.Pruefsumme = pruefsumme(s);
    return s;
}

QByteArray datei(const QString& spalten, std::initializer_list<const TStoff*> stoffe) {
    return stoffdatei(spalten, std::vector<const TStoff*>(stoffe));
}

// The bytes as a file of that name in dir; its path.
QString ablegen(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
    return f.fileName();
}

QStringList namen(const TStoffliste& l) {
    QStringList n;
    for (qsizetype i = 0; i < l.size(); ++i)
        n << l.at(i).Name;
    return n;
}

} // namespace

class TstStoffliste : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rundreiseUndVerschluesselung() {
        const TStoff a = stoff("Ethanol", "64-17-5", "35", 2);
        // With a Windows-1252 sign in both parts.
        const TStoff b = stoff("Säure € aus dem Labor, 98 ‰ rein", "7664-93-9", "?6", 0);
        const QByteArray bytes = datei(" 120 042", {&a, &b});
        // The name is stored XOR the key, never in plain text.
        QVERIFY(!bytes.contains("Ethanol"));
        QCOMPARE(char(bytes[4 + 8 + 4 + 4]), char('E' ^ kStoffSchluessel));
        TStoffliste l;
        QVERIFY(!l.ausBytes(bytes, "tab.qvr"));
        QCOMPARE(l.Spalten, QString(" 120 042"));
        QCOMPARE(namen(l), (QStringList{"Ethanol", b.Name}));
        QCOMPARE(l.at(1).Zustand, 0); // loaded, for the CAS search
        QCOMPARE(l.at(1).Kennzahl, b.Kennzahl);
        QCOMPARE(l.at(1).Quellung, b.Quellung);
        QCOMPARE(l.at(1).quellungFuer(3), 3);
        QCOMPARE(l.at(1).quellungFuer(0), 0);
        QCOMPARE(l.verworfen(), 0);
    }

    // Names of lengths 1 to 33, each ending in a Windows-1252 sign.
    void textlaengen() {
        std::vector<TStoff> stoffe;
        std::vector<const TStoff*> zeiger;
        QStringList erwartet;
        for (int n = 1; n <= 33; ++n) {
            stoffe.push_back(stoff(QString(n - 1, u'x') + u'€', QString(n % 17, u'7'), "12"));
            erwartet << stoffe.back().Name;
        }
        for (const TStoff& s : stoffe)
            zeiger.push_back(&s);
        TStoffliste l;
        QVERIFY(!l.ausBytes(stoffdatei("0001", zeiger), "t"));
        QCOMPARE(l.verworfen(), 0); // the sums hold too
        QCOMPARE(namen(l), erwartet);
        QCOMPARE(l.cas(16), stoffe[16].CAS);
    }

    void falschePruefsummeWirdStillVerworfen() {
        const TStoff a = stoff("A", "1-1-1", "1"), c = stoff("C", "3-3-3", "3");
        TStoff b = stoff("B", "2-2-2", "2");
        b.Pruefsumme += 1;
        TStoffliste l;
        QVERIFY(!l.ausBytes(datei("0001", {&a, &b, &c}), "t"));
        QCOMPARE(namen(l), (QStringList{"A", "C"}));
        QCOMPARE(l.verworfen(), 1);
    }

    // A dropped record leaves nothing behind: the next one reads whole, and lookups skip it.
    void nachVerworfenemBleibtAllesBeiSeinemStoff() {
        const TStoff a = stoff("A", "1-1-1", "1234"), c = stoff("Cölestin €", "3-3-3", "?650");
        TStoff b = stoff("Bromine with a long name", "2-2-2", "56");
        b.Pruefsumme += 1;
        TStoffliste l;
        QVERIFY(!l.ausBytes(datei("00010002", {&a, &b, &c, &a}), "t"));
        QCOMPARE(l.size(), 3);
        QCOMPARE(l.at(1), c);
        QCOMPARE(l.at(2), a);
        QCOMPARE(l.name(1), c.Name);
        QCOMPARE(l.indexName(c.Name), 1);
        QCOMPARE(l.indexName(QStringLiteral("A")), 0);
        QCOMPARE(l.indexCas(QStringLiteral("3.3.3")), 1);
        QCOMPARE(l.indexName(b.Name), -1);
        QCOMPARE(l.indexCas(b.CAS), -1);
    }

    void leererDatensatzPruefsummeIstKennzahl() {
        TStoff s;
        s.Quellung = {};
        s.Kennzahl = 123456;
        QCOMPARE(pruefsumme(s), 123456);
        s.Kennzahl = -5; // wraps like the 32-bit sum in the file
        QCOMPARE(pruefsumme(s), -5);
    }

    void spalten_data() {
        QTest::addColumn<QString>("spalten");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QList<int>>("nummern");
        QTest::newRow("blanks and zeros") << "1234 9870042" << 3 << QList<int>{1234, 987, 42};
        QTest::newRow("negative") << "  -7" << 1 << QList<int>{-7};
        QTest::newRow("empty header") << "" << 0 << QList<int>{};
    }
    void spalten() {
        QFETCH(QString, spalten);
        QFETCH(int, anzahl);
        QFETCH(QList<int>, nummern);
        TStoffliste l;
        QVERIFY(!l.ausBytes(datei(spalten, {}), "t"));
        QCOMPARE(l.SpaltenAnzahl(), anzahl);
        for (int i = 0; i < nummern.size(); ++i)
            QCOMPARE(l.SpaltenNummer(quint16(i)), nummern[i]);
    }

    void suche() {
        const TStoff a = stoff("Ethanol", "64-17-5", "3"), b = stoff("Ethanol", "99-99-9", "1");
        TStoffliste l;
        QVERIFY(!l.ausBytes(datei("0001", {&a, &b}), "t"));
        QCOMPARE(l.indexName(u"Ethanol"), 0); // first in table order
        QCOMPARE(l.indexName(u"ethanol"), -1);
        QCOMPARE(l.indexCas("64.17.5"), 0);
        QCOMPARE(l.indexCas("99-99-9"), 1);
        QCOMPARE(l.indexCas(" 64-17-5"), -1);
    }

    // The search offers every substance of a CAS number that a state box lists, in table order.
    void casSuche_data() {
        QTest::addColumn<int>("zustand");
        QTest::addColumn<QStringList>("gefunden");
        QTest::newRow("liquid") << 2 << QStringList{"Ethanol", "Ethanol twin"};
        QTest::newRow("no state") << 0 << QStringList{"Ethanol twin"};
        QTest::newRow("state 4") << 4 << QStringList{"Ethanol twin"};
    }
    void casSuche() {
        QFETCH(int, zustand);
        QFETCH(QStringList, gefunden);
        const TStoff a = stoff("Ethanol", "64-17-5", "3", quint8(zustand));
        const TStoff b = stoff("Ethanol twin", "64-17-5", "3", 2);
        const TStoff c = stoff("Other", "64-17-6", "3", 2);
        TStoffliste l;
        QVERIFY(!l.ausBytes(datei("0001", {&a, &c, &b}), "t"));
        QStringList namen;
        for (const TStoff& s : l.casSuche("64.17.5"))
            namen << s.Name;
        QCOMPARE(namen, gefunden);
    }

    void beschaedigteDateien_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QStringList>("geladen");
        QTest::addColumn<QString>("grund");
        const TStoff a = stoff("A", "1", "1"), b = stoff("B", "2", "2");
        const QByteArray gut = datei("0001", {&a, &b});
        const qint64 zweiter = 4 + 4 + 4 + (3 * 4 + 3 + 1 + 4 + 5 + 4);
        QTest::newRow("header past the end")
            << gut.left(6) << qint64(4) << QStringList{} << "header";
        QTest::newRow("no count") << gut.left(9) << qint64(8) << QStringList{} << "count";
        QTest::newRow("cut in the second record")
            << gut.left(gut.size() - 2) << qint64(gut.size() - 4) << QStringList{"A"}
            << "substance 2";
        QByteArray mehr = gut;
        mehr[8] = 9;
        QTest::newRow("count beyond the records")
            << mehr << qint64(gut.size()) << QStringList{"A", "B"} << "promises 9";
        QByteArray lang = gut;
        lang[zweiter + 3] = char(0x40);
        QTest::newRow("text length beyond the end")
            << lang << qint64(zweiter + 4) << QStringList{"A"} << "substance 2";
        QTest::newRow("header not a number")
            << datei("0001x002", {&a}) << qint64(8) << QStringList{} << "\"x002\"";
        // A header the search cannot use loads nothing, so the search stays off.
        QTest::newRow("header length not a multiple of 4")
            << datei("1234 987 0420", {&a}) << qint64(4) << QStringList{} << "13 characters";
        QTest::newRow("control characters quoted escaped")
            << datei("\x1b[2J", {&a}) << qint64(4) << QStringList{} << "\"\\x1b[2J\"";
    }
    // Read whole, and from a file as the program does: the same damage.
    void beschaedigteDateien() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, offset);
        QFETCH(QStringList, geladen);
        QFETCH(QString, grund);
        QTemporaryDir dir;
        const QString pfad = ablegen(dir, "tab.qvr", bytes);
        QVERIFY(!pfad.isEmpty());
        for (const bool ganz : {true, false}) {
            TStoffliste l;
            const auto f = ganz ? l.ausBytes(bytes, "tab.qvr") : l.Laden(pfad);
            QVERIFY(f);
            QCOMPARE(f->offset, offset);
            QCOMPARE(namen(l), geladen); // records before the damage stay usable
            QVERIFY2(f->meldung().contains(grund), qPrintable(f->meldung()));
            if (grund.contains("header") || grund.startsWith('"'))
                QCOMPARE(l.SpaltenAnzahl(), 0); // a header the search cannot use is not kept
        }
    }

    // The reasons are the language module's: a German user reads them in German.
    void beschaedigtAufDeutsch() {
        QTranslator deutsch;
        QVERIFY(deutsch.load(QStringLiteral(ARDENTIX_SPRACHMODULE "/ardentix_DEU.qm")));
        QCoreApplication::installTranslator(&deutsch);
        const TStoff a = stoff("A", "1", "1"), b = stoff("B", "2", "2");
        const QByteArray gut = datei("0001", {&a, &b});
        TStoffliste l;
        const auto f = l.ausBytes(gut.left(gut.size() - 2), "tab.qvr");
        QVERIFY(f);
        const QString meldung = f->meldung();
        QCoreApplication::removeTranslator(&deutsch);
        QCOMPARE(meldung, QStringLiteral("tab.qvr ist beschädigt: Stoff 2 (ab Byte %1) reicht "
                                         "über das Ende der Datei hinaus (bei Byte %2).")
                              .arg(4 + 4 + 4 + (3 * 4 + 3 + 1 + 4 + 5 + 4))
                              .arg(gut.size() - 4));
    }

    // Rows of the usual codes are packed, any other row is kept as it is; both read back whole,
    // with the sum of their bytes.
    void codespeicher_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<bool>("gepackt");
        const QByteArray alle = "0123456?OABZ";
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("one code") << QByteArray("6") << true;
        QTest::newRow("every code, 36 long") << alle + alle + alle << true;
        QTest::newRow("odd length 33") << (alle + alle + alle).left(33) << true;
        QTest::newRow("other letter in the first 16") << "0123456?OABxZ" + alle + alle << false;
        QTest::newRow("lower case in the tail") << alle + alle + "0o" << false;
        QTest::newRow("7 and blank") << alle + alle + alle + "7 " << false;
        QTest::newRow("Windows-1252 and NUL") << QByteArray("\x80\0A", 3) + alle + alle << false;
        QTest::newRow("400 codes") << alle.repeated(33) + "?OAB" << true;
        QByteArray spaet = alle.repeated(4);
        spaet[40] = 'x';
        QTest::newRow("other letter after 32") << spaet << false;
        QByteArray hinten = alle.repeated(12);
        hinten[100] = 'x';
        QTest::newRow("other letter in the second half of 128") << hinten << false;
        QTest::newRow("odd length 255") << alle.repeated(22).left(255) << true;
        QByteArray rest = alle.repeated(11).left(131);
        rest[129] = 'x';
        QTest::newRow("other letter in the short rest after 128") << rest << false;
        // Neighbours of the codes, each alone among codes where 64 are taken at once, in either
        // half of the step.
        const QByteArray nachbarn = "/:>7@CNPQY[_\x8F\xB0\xCF";
        for (qsizetype k = 0; k < nachbarn.size(); ++k) {
            const char c = nachbarn[k];
            QByteArray nah = alle.repeated(11);
            nah[5 + k % 2 * 32] = c;
            QTest::newRow(qPrintable(QStringLiteral("neighbour 0x%1").arg(quint8(c), 0, 16)))
                << nah << false;
        }
    }
    void codespeicher() {
        QFETCH(QByteArray, zeile);
        QFETCH(bool, gepackt);
        constexpr quint8 kSchluessel = 0x5C;
        QByteArray verschluesselt = zeile;
        quint32 summe = 0;
        for (char& c : verschluesselt) {
            summe += quint8(c);
            c = char(c ^ kSchluessel);
        }
        Codespeicher speicher;
        speicher.anhaengen("12", 2, 0);
        speicher.anhaengen("xyz", 3, 0);
        speicher.entfernenLetzte(); // as for a record with a wrong checksum
        QCOMPARE(speicher.anhaengen(verschluesselt.constData(), quint32(zeile.size()), kSchluessel),
                 summe);
        speicher.anhaengen("3?", 2, 0);
        speicher.abschliessen();
        QCOMPARE(speicher.size(), 3);
        QCOMPARE(speicher.zeile(0), QByteArray("12"));
        QCOMPARE(speicher.zeile(1), zeile);
        QCOMPARE(speicher.gepackt(1), gepackt);
        QCOMPARE(speicher.zeile(2), QByteArray("3?"));
    }

    // The one rule for a usable column header: the reader and the tool's pack both follow it.
    // Which states the search lists and finds by CAS number.
    void hatZustand_data() {
        QTest::addColumn<int>("zustand");
        QTest::addColumn<bool>("ja");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("solid") << 1 << true;
        QTest::newRow("liquid") << 2 << true;
        QTest::newRow("gaseous") << 3 << true;
        QTest::newRow("4") << 4 << false;
        QTest::newRow("255") << 255 << false;
    }
    void hatZustand() {
        QFETCH(int, zustand);
        QFETCH(bool, ja);
        TStoff s;
        s.Zustand = quint8(zustand);
        QCOMPARE(s.hatZustand(), ja);
    }

    void spaltenFehler_data() {
        QTest::addColumn<QString>("spalten");
        QTest::addColumn<int>("stelle"); // -1: usable
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("codes with blanks, zeros, minus") << "1234 987  -70042" << -1;
        QTest::newRow("letter inside a group") << "12a4" << 0;
        QTest::newRow("second group") << "0001x002" << 4;
        QTest::newRow("blank after the digits") << "12 4" << 0;
        QTest::newRow("only blanks") << "    " << 0;
        QTest::newRow("length 3") << "123" << 0;
        QTest::newRow("length 13") << "1234 987 0420" << 0;
    }
    void spaltenFehler() {
        QFETCH(QString, spalten);
        QFETCH(int, stelle);
        const auto f = ::spaltenFehler(spalten);
        QCOMPARE(f ? int(f->stelle) : -1, stelle);
    }

    // A table read from a file in several pieces: every name and CAS number leads to its first
    // substance, a dropped record to none.
    void grosseTabelleAusDatei() {
        std::vector<TStoff> stoffe;
        for (int i = 0; i < 45000; ++i)
            stoffe.push_back(stoff(QStringLiteral("S%1").arg(i % 5000), QString::number(i), "12"));
        stoffe[3210].Pruefsumme += 1;
        std::vector<const TStoff*> zeiger;
        for (const TStoff& s : stoffe)
            zeiger.push_back(&s);
        QTemporaryDir dir;
        const QString pfad = ablegen(dir, "tab.qvr", stoffdatei("0001", zeiger));
        TStoffliste l;
        QVERIFY(!l.Laden(pfad));
        QCOMPARE(l.size(), 44999);
        QHash<QString, qsizetype> erster;
        for (qsizetype i = l.size() - 1; i >= 0; --i)
            erster[l.name(i).toString()] = i;
        for (qsizetype i = 0; i < l.size(); ++i) {
            QCOMPARE(l.indexName(l.name(i)), erster[l.name(i).toString()]);
            QCOMPARE(l.indexCas(l.cas(i).toString()), i);
        }
        QCOMPARE(l.indexCas("3210"), -1);
        QCOMPARE(l.indexName(u"S3210"), 8209); // its twin 5000 on, one place up for the dropped
    }

    void riesigeAnzahlReserviertNichts() {
        QByteArray b("\0\0\0\0\xff\xff\xff\x7f", 8);
        TStoffliste l;
        QVERIFY(l.ausBytes(b, "t"));
        QCOMPARE(l.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TstStoffliste)
#include "tst_stoffliste.moc"
