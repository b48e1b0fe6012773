#include "data/Extended80.h"
#include "data/Produktliste.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

std::unique_ptr<THandschuh> glove(quint8 typ, qint32 nummer, const QString& name = {}) {
    auto h = neuerHandschuh(typ);
    h->Nummer = nummer;
    h->setzeText(Textfeld::Name, name.isEmpty() ? QStringLiteral("G%1").arg(nummer) : name);
    return h;
}

QByteArray datei(std::initializer_list<const THandschuh*> gloves) {
    return produktdatei(std::vector<const THandschuh*>(gloves));
}

// Offset of the first byte after a record's texts for a glove whose texts are all 4-byte names
// and otherwise empty: count(4) + Typ, Gruppe + 8 length fields + the name.
constexpr int kNummerOffset = 4 + 2 + 8 * 4 + 4;

} // namespace

class TstProduktliste : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void allesFelderUeberstehenDieRundreise() {
        TChemie c;
        c.Gruppe = 4;
        c.setzeText(Textfeld::Beschreibung, "Nitrile, 0.38 mm — “flock lined”");
        c.setzeText(Textfeld::Zusatztext, "extra");
        c.setzeText(Textfeld::Bilddatei, "v.jpg");
        c.setzeText(Textfeld::Name, "Velto");
        c.setzeText(Textfeld::Farbe, "green");
        c.setzeText(Textfeld::Material, "NBR");
        c.setzeText(Textfeld::Ausfuehrung, "rolled cuff");
        c.setzeText(Textfeld::Einheit, "pairs");
        c.Nummer = 1234;
        c.Laenge = 330;
        c.Dicke = 0.38;
        c.Packung = 144;
        c.Groessen = 31;
        c.Kategorie = 3;
        c.Umgebung = 7;
        c.Gefahr = 2;
        c.Griff = 4;
        c.Fingerfertigkeit = 1;
        c.Eigenschaften = 20;
        c.Materialklasse = 3;
        c.Laengenklasse = 1;
        c.Reserve = -7;
        for (int i = 0; i < 20; ++i)
            c.Strickwerte[i] = quint8(i + 1), c.Klassenwerte[i] = quint8(200 + i);
        TElectro e;
        e.Nummer = 77;
        e.Dicke = 1.5;
        for (int i = 0; i < 20; ++i)
            e.Elektrowerte[i] = quint8(i * 3);

        TProduktliste liste;
        QVERIFY(!liste.ausBytes(datei({&c, &e}), "p.qvr"));
        QCOMPARE(liste.size(), 2);
        QCOMPARE(liste.at(0).Nummer, 77); // sorted
        const auto* e2 = alsElectro(liste.at(0));
        QVERIFY(e2);
        QCOMPARE(e2->Elektrowerte, e.Elektrowerte);
        QCOMPARE(e2->Dicke, 1.5);
        const auto* c2 = alsChemie(liste.at(1));
        QVERIFY(c2);
        QCOMPARE(c2->Beschreibung(), c.Beschreibung());
        QCOMPARE(c2->Einheit(), c.Einheit());
        QCOMPARE(c2->Dicke, 0.38);
        QCOMPARE(c2->Reserve, -7);
        QCOMPARE(c2->Laengenklasse, 1);
        QCOMPARE(c2->Strickwerte, c.Strickwerte);
        QCOMPARE(c2->Klassenwerte, c.Klassenwerte);
        QCOMPARE(c2->Preisklasse(), 207);
        // Writing what was read gives the same bytes back.
        QCOMPARE(produktdatei({&liste.at(1), &liste.at(0)}), datei({&c, &e}));
    }

    void electroIst20BytesKuerzer() {
        auto e = glove(TypElectro, 5), c = glove(TypChemie, 6);
        const QByteArray b = datei({e.get(), c.get()});
        const int textLaenge = 8 * 4 + 2; // "G5"
        const int fest = 2 + 4 + 4 + 10 + 4 + 9 + 4;
        QCOMPARE(b.size(), 4 + (fest + textLaenge + 20) + (fest + textLaenge + 40));
        TProduktliste liste;
        QVERIFY(!liste.ausBytes(b, "p"));
        QCOMPARE(liste.at(1).Name(), QString("G6"));
    }

    void kaeltestufen_data() {
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("stufe"); // -2: no level
        QTest::newRow("0 is level 1, as catalogues always stored it") << 0 << 1;
        QTest::newRow("4 is level 5") << 4 << 5;
        QTest::newRow("5 means nothing") << 5 << -2;
        QTest::newRow("253 means nothing") << 253 << -2;
        QTest::newRow("254 is level 0") << 254 << 0;
        QTest::newRow("255 is not tested") << 255 << int(KaelteX);
    }
    void kaeltestufen() {
        QFETCH(int, wert);
        QFETCH(int, stufe);
        QCOMPARE(kaeltestufe(quint8(wert)).value_or(-2), stufe);
    }

    void sortierung_data() {
        QTest::addColumn<QList<int>>("datei");
        QTest::addColumn<QList<int>>("liste");
        QTest::newRow("descending") << QList<int>{30, 20, 10} << QList<int>{10, 20, 30};
        QTest::newRow("negative first") << QList<int>{5, -3, 0} << QList<int>{-3, 0, 5};
        QTest::newRow("down, then up") << QList<int>{30, 10, 20} << QList<int>{10, 20, 30};
        QTest::newRow("empty") << QList<int>{} << QList<int>{};
    }
    void sortierung() {
        QFETCH(QList<int>, datei);
        QFETCH(QList<int>, liste);
        std::vector<std::unique_ptr<THandschuh>> g;
        std::vector<const THandschuh*> z;
        for (int n : datei)
            g.push_back(glove(TypSchnitt, n)), z.push_back(g.back().get());
        TProduktliste p;
        QVERIFY(!p.ausBytes(produktdatei(z), "p"));
        QList<int> ist;
        for (qsizetype i = 0; i < p.size(); ++i)
            ist.append(p.at(i).Nummer);
        QCOMPARE(ist, liste);
    }

    void gleicheNummerBehaeltDateiReihenfolge() {
        auto a = glove(TypIso, 9, "first"), b = glove(TypFeuer, 9, "second"), c = glove(TypIso, 1);
        TProduktliste p;
        QVERIFY(!p.ausBytes(datei({a.get(), b.get(), c.get()}), "p"));
        QCOMPARE(p.at(1).Name(), QString("first"));
        QCOMPARE(p.at(2).Name(), QString("second"));
        QCOMPARE(p.finde(9)->Name(), QString("first"));
        QCOMPARE(p.finde(4), nullptr);
        QCOMPARE(p.indexVon(p.findeName("second")), 2);
        QCOMPARE(p.findeName("Second"), nullptr);
        TProduktliste q; // appended out of order: found in that order all the same
        q.anhaengen(glove(TypIso, 9, "x"));
        q.anhaengen(glove(TypIso, 1));
        q.anhaengen(glove(TypIso, 9, "y"));
        QCOMPARE(q.finde(9)->Name(), QString("x"));
        QCOMPARE(q.finde(1)->Nummer, 1);
    }

    void fehlendeDateiIstKeinFehler() {
        TProduktliste p;
        QVERIFY(!p.Laden("/nonexistent/produkte.qvr"));
        QVERIFY(p.isEmpty());
    }

    void beschaedigteDateien_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QString>("grund");
        auto a = glove(TypChemie, 1, "abcd"), b = glove(TypChemie, 2, "efgh");
        const QByteArray gut = datei({a.get(), b.get()});
        const int einLaenge = (gut.size() - 4) / 2;

        QTest::newRow("shorter than the count") << gut.left(3) << qint64(0) << "count";
        QByteArray mehr = gut;
        mehr[0] = 3;
        QTest::newRow("count beyond the records") << mehr << qint64(gut.size()) << "promises 3";
        QTest::newRow("cut inside a record")
            << gut.left(gut.size() - 5) << qint64(4 + 2 * einLaenge - 20) << "past the end";
        QByteArray langerText = gut;
        langerText[4 + 2 + 3 * 4 + 3] = char(0x7F); // Name length 0x7F000004
        QTest::newRow("text length beyond the end")
            << langerText << qint64(4 + 2 + 4 * 4) << "past the end";
        QByteArray langerLetzter = gut; // Einheit, the last text, 0xFFFFFFFF long
        langerLetzter.replace(4 + 2 + 7 * 4 + 4, 4, QByteArray(4, char(0xFF)));
        QTest::newRow("last text length beyond the end")
            << langerLetzter << qint64(4 + 2 + 8 * 4 + 4) << "past the end";
        QByteArray typ = gut;
        typ[4 + einLaenge] = 5;
        QTest::newRow("unknown type") << typ << qint64(4 + einLaenge) << "unknown type 5";
    }

    // A thickness that is no number spoils only that value: the glove is read, the thickness is
    // empty (NaN), the gloves after it follow.
    void dickeOhneZahl_data() {
        QTest::addColumn<QByteArray>("dicke"); // the 80-bit value, least significant byte first
        QTest::newRow("unnormal") << QByteArray::fromHex("00000000000000400100");
        QTest::newRow("infinity") << QByteArray::fromHex("0000000000000080ff7f");
        QTest::newRow("minus infinity") << QByteArray::fromHex("0000000000000080ffff");
        QTest::newRow("NaN") << QByteArray::fromHex("00000000000000c0ff7f");
        QTest::newRow("beyond double") << QByteArray::fromHex("0000000000000080fe7f");
    }
    void dickeOhneZahl() {
        QFETCH(QByteArray, dicke);
        auto a = glove(TypChemie, 1, "abcd"), b = glove(TypChemie, 2, "efgh");
        b->Dicke = 0.5;
        QByteArray bytes = datei({a.get(), b.get()});
        bytes.replace(kNummerOffset + 8, 10, dicke);
        TProduktliste p;
        QVERIFY(!p.ausBytes(bytes, "produkte.qvr"));
        QCOMPARE(p.size(), 2);
        QVERIFY(std::isnan(p.at(0).Dicke));
        QCOMPARE(p.at(1).Dicke, 0.5);
    }
    void beschaedigteDateien() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, offset);
        QFETCH(QString, grund);
        TProduktliste p;
        const auto f = p.ausBytes(bytes, "produkte.qvr");
        QVERIFY(f);
        QVERIFY(p.isEmpty()); // a damaged catalogue loads nothing
        QCOMPARE(f->offset, offset);
        QVERIFY2(f->meldung().contains(grund), qPrintable(f->meldung()));
        QVERIFY(f->meldung().contains("produkte.qvr"));
    }

    void ladefehlerMeldung_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("unlesbar");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("damaged") << "/d/produkte.qvr" << false
                                 << "/d/produkte.qvr is damaged: why (at byte 8).";
        QTest::newRow("percent sign in the path")
            << "/d/%1 %2/produkte.qvr" << false
            << "/d/%1 %2/produkte.qvr is damaged: why (at byte 8).";
        QTest::newRow("control character in the path")
            << "/d/\x1b[2J/tab.qvr" << false << "/d/\\x1b[2J/tab.qvr is damaged: why (at byte 8).";
        QTest::newRow("unreadable") << "/d/tab.qvr" << true << "/d/tab.qvr cannot be read: why.";
    }
    void ladefehlerMeldung() {
        QFETCH(QString, datei);
        QFETCH(bool, unlesbar);
        QFETCH(QString, meldung);
        QCOMPARE(QDir::fromNativeSeparators(
                     Ladefehler{datei, 8, ladegrund("why"), unlesbar}.meldung()),
                 meldung);
    }

    // A file that is there but cannot be opened is unreadable, not damaged; a pipe in its place
    // is refused before it is opened, which would wait for a writer.
    void unlesbareDatei_data() {
        QTest::addColumn<bool>("rohr");
        QTest::newRow("a folder") << false;
#ifdef Q_OS_UNIX
        QTest::newRow("a pipe") << true;
#endif
    }
    void unlesbareDatei() {
        QFETCH(bool, rohr);
        QTemporaryDir d;
        const QString pfad = d.filePath(QStringLiteral("produkte.qvr"));
#ifdef Q_OS_UNIX
        if (rohr) QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
#endif
        if (!rohr) QVERIFY(QDir().mkdir(pfad));
        TProduktliste p;
        const auto f = p.Laden(pfad);
        QVERIFY(f);
        QVERIFY2(f->unlesbar && f->meldung().contains("cannot be read"), qPrintable(f->meldung()));
    }

    void riesigeAnzahlReserviertNichts() {
        // A count of four billion over a file of 4 bytes must fail at once, not allocate.
        TProduktliste p;
        const auto f = p.ausBytes(QByteArray("\xff\xff\xff\xff", 4), "p");
        QVERIFY(f);
        QVERIFY(f->meldung().contains("4294967295"));
    }

    void extended80_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one") << 1.0 << QByteArray::fromHex("0000000000000080ff3f");
        QTest::newRow("zero") << 0.0 << QByteArray::fromHex("00000000000000000000");
        QTest::newRow("minus two") << -2.0 << QByteArray::fromHex("000000000000008000c0");
        QTest::newRow("0.38") << 0.38 << QByteArray();
        QTest::newRow("tiny") << 1e-300 << QByteArray();
        QTest::newRow("huge") << 1e300 << QByteArray();
    }
    void extended80() {
        QFETCH(double, wert);
        QFETCH(QByteArray, bytes);
        const auto enc = extended80::encode(wert);
        if (!bytes.isEmpty())
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(enc.data()), 10), bytes);
        QCOMPARE(extended80::decode(enc).value(), wert);
    }

    // A value written with all 64 bits of its mantissa reads as the nearest double.
    void extended80Gerundet() {
        const QByteArray lang = QByteArray::fromHex("5c8fc2f5285c8fc2fd3f"); // 0.38 in 80 bits
        extended80::Bytes b{};
        std::memcpy(b.data(), lang.constData(), 10);
        QCOMPARE(extended80::decode(b).value(), 0.38);
    }

    void extended80Ungueltig() {
        extended80::Bytes unendlich{};
        unendlich[7] = 0x80;
        unendlich[8] = 0xff;
        unendlich[9] = 0x7f;
        QVERIFY(!extended80::decode(unendlich));
        extended80::Bytes zuGross = extended80::encode(1.0);
        zuGross[9] = 0x7f; // exponent 0x7fff - ... beyond double's range
        zuGross[8] = 0xfe;
        QVERIFY(!extended80::decode(zuGross));
    }
};

QTEST_GUILESS_MAIN(TstProduktliste)
#include "tst_produktliste.moc"
