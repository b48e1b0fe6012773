#include "QvrLauf.h"
#include "Testdateien.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

QJsonArray zwanzig(int start) {
    QJsonArray a;
    for (int i = 0; i < 20; ++i)
        a.append(start + i);
    return a;
}

const QByteArray kKatalog =
    QJsonDocument(QJsonObject{{"gloves",
                               QJsonArray{
                                   QJsonObject{{"Typ", 2},
                                               {"Gruppe", 0},
                                               {"Name", "Volt\u009dex"},
                                               {"Nummer", 120},
                                               {"Dicke", 1.25},
                                               {"Elektrowerte", zwanzig(0)}},
                                   QJsonObject{{"Typ", 0},
                                               {"Gruppe", 4},
                                               {"Name", "Velto grün"},
                                               {"Nummer", 4100},
                                               {"Dicke", 0.38},
                                               {"Laenge", 330},
                                               {"Materialklasse", 3},
                                               {"Reserve", -1},
                                               {"Strickwerte", zwanzig(1)},
                                               {"Klassenwerte", zwanzig(2)}},
                               }}})
        .toJson();

const QByteArray kStoffe =
    QJsonDocument(QJsonObject{{"Spalten", "01204100"},
                              {"substances",
                               QJsonArray{
                                   QJsonObject{{"Name", "Ethanol"},
                                               {"CAS", "64-17-5"},
                                               {"Permeation", "36"},
                                               {"Zustand", 2},
                                               {"Kennzahl", 7},
                                               {"Quellung", QJsonArray{1, 1, 3, 1, 2}}},
                                   QJsonObject{{"Name", "Broken"},
                                               {"CAS", "1-1-1"},
                                               {"Permeation", "??"},
                                               {"Zustand", 1},
                                               {"Pruefsumme", 0}},
                               }}})
        .toJson();

} // namespace

class TstQvr : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString pfad(const QString& n) const { return m_dir.filePath(n); }

private Q_SLOTS:
    void katalogRundreise() {
        testdateien::ablegen(pfad("k.json"), kKatalog);
        QCOMPARE(qvrLauf({"catalogue", "pack", pfad("k.json"), pfad("p1.qvr")}).status, 0);
        const QvrLauf dump = qvrLauf({"catalogue", "dump", pfad("p1.qvr")});
        QCOMPARE(dump.status, 0);
        const QJsonArray gloves = QJsonDocument::fromJson(dump.aus).object()["gloves"].toArray();
        QCOMPARE(gloves.size(), 2);
        QCOMPARE(gloves[1].toObject()["Name"].toString(), QString("Velto grün"));
        QCOMPARE(gloves[1].toObject()["Dicke"].toDouble(), 0.38);
        QCOMPARE(gloves[1].toObject().keys().size(), 26);
        QVERIFY(!gloves[0].toObject().contains("Strickwerte"));
        // A control character of a damaged name is written as an escape, never as itself.
        QCOMPARE(gloves[0].toObject()["Name"].toString(), QString("Volt\u009dex"));
        QVERIFY(dump.aus.contains("Volt\\u009dex"));
        testdateien::ablegen(pfad("k2.json"), dump.aus);
        QCOMPARE(qvrLauf({"catalogue", "pack", pfad("k2.json"), pfad("p2.qvr")}).status, 0);
        QCOMPARE(testdateien::inhalt(pfad("p2.qvr")), testdateien::inhalt(pfad("p1.qvr")));
        // The values kept for every language and one language's texts pack to the same file.
        QJsonArray werte;
        QJsonObject texte;
        for (const QJsonValue& v : QJsonDocument::fromJson(kKatalog).object()["gloves"].toArray()) {
            QJsonObject g = v.toObject();
            texte[QString::number(g["Nummer"].toInt())] = QJsonObject{{"Name", g.take("Name")}};
            werte.append(g);
        }
        testdateien::ablegen(pfad("w.json"),
                             QJsonDocument(QJsonObject{{"gloves", werte}}).toJson());
        testdateien::ablegen(pfad("t.json"),
                             QJsonDocument(QJsonObject{{"gloves", texte}}).toJson());
        QCOMPARE(
            qvrLauf({"catalogue", "pack", pfad("w.json"), pfad("p3.qvr"), pfad("t.json")}).status,
            0);
        QCOMPARE(testdateien::inhalt(pfad("p3.qvr")), testdateien::inhalt(pfad("p1.qvr")));
    }

    void stoffRundreise() {
        testdateien::ablegen(pfad("s.json"), kStoffe);
        QCOMPARE(qvrLauf({"substances", "pack", pfad("s.json"), pfad("t1.qvr")}).status, 0);
        const QvrLauf dump = qvrLauf({"substances", "dump", pfad("t1.qvr")});
        QCOMPARE(dump.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(dump.aus).object();
        QCOMPARE(o["dropped"].toInt(), 1);
        QCOMPARE(o["substances"].toArray().size(), 1);
        testdateien::ablegen(pfad("s2.json"), dump.aus);
        QCOMPARE(qvrLauf({"substances", "pack", pfad("s2.json"), pfad("t2.qvr")}).status, 0);
        const QvrLauf zweiter = qvrLauf({"substances", "dump", pfad("t2.qvr")});
        QCOMPARE(QJsonDocument::fromJson(zweiter.aus).object()["substances"], o["substances"]);
        testdateien::ablegen(pfad("s3.json"), zweiter.aus);
        QCOMPARE(qvrLauf({"substances", "pack", pfad("s3.json"), pfad("t3.qvr")}).status, 0);
        QCOMPARE(testdateien::inhalt(pfad("t3.qvr")), testdateien::inhalt(pfad("t2.qvr")));
    }

    // Every command answers --help with its own usage on standard output, whatever else is given.
    void hilfe_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("enthalten");
        QTest::addColumn<QString>("nicht");
        QTest::newRow("search, after other options")
            << QStringList{"mech-search", "--cut", "2", "--help"} << "qvr mech-search --data DIR"
            << "chem-search";
        QTest::newRow("search alone")
            << QStringList{"chem-search", "-h"} << "qvr chem-search --data DIR"
            << "mech-search";
        QTest::newRow("both data commands")
            << QStringList{"catalogue", "--help"} << "qvr catalogue pack"
            << "substances";
        QTest::newRow("all printouts")
            << QStringList{"print", "--help"} << "qvr print hazard-analysis"
            << "verify";
        QTest::newRow("one printout")
            << QStringList{"print", "plan", "--help"} << "qvr print plan FILE.PLN"
            << "print product";
        QTest::newRow("whole usage, as the manual page's synopsis begins")
            << QStringList{"--help"} << "Usage: qvr COMMAND [OPTIONS]...\n  qvr catalogue dump"
            << "usage:";
        QTest::newRow("version") << QStringList{"--version"} << "qvr (Ardentix) "
                                 << "Usage";
    }
    void hilfe() {
        QFETCH(QStringList, args);
        QFETCH(QString, enthalten);
        QFETCH(QString, nicht);
        const QvrLauf l = qvrLauf(args);
        QCOMPARE(l.status, 0);
        const QString aus = QString::fromUtf8(l.aus);
        QVERIFY2(aus.contains(enthalten) && !aus.contains(nicht), qPrintable(aus));
        QVERIFY(l.fehler.isEmpty());
    }

    void fehler_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("eingabe");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QByteArray>("texte"); // the language's texts, argument "@t"
        QTest::newRow("no command")
            << QStringList{} << QByteArray() << 1 << "Usage" << QByteArray();
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << QByteArray() << 1 << "Usage" << QByteArray();
        QTest::newRow("missing argument")
            << QStringList{"catalogue", "dump"} << QByteArray() << 1 << "Usage" << QByteArray();
        QTest::newRow("short catalogue")
            << QStringList{"catalogue", "dump", "@"} << QByteArray("\x02\0\0", 3) << 2
            << "at byte 0" << QByteArray();
        QTest::newRow("short table") << QStringList{"substances", "dump", "@"}
                                     << QByteArray("\x04\0\0\0"
                                                   "0001"
                                                   "\x01\0\0\0",
                                                   12)
                                     << 2 << "promises 1" << QByteArray();
        QTest::newRow("not JSON") << QStringList{"catalogue", "pack", "@", "out"} << QByteArray("{")
                                  << 2 << "invalid JSON" << QByteArray();
        QTest::newRow("unencodable text")
            << QStringList{"catalogue", "pack", "@", "out"}
            << QByteArray(R"({"gloves":[{"Typ":0,"Nummer":1},{"Typ":3,"Name":"x\u03a9"}]})") << 2
            << "glove 2, field Name" << QByteArray();
        QTest::newRow("unknown type")
            << QStringList{"catalogue", "pack", "@", "out"}
            << QByteArray(R"({"gloves":[{"Typ":7}]})") << 2 << "field Typ" << QByteArray();
        QTest::newRow("misspelt field") << QStringList{"substances", "pack", "@", "out"}
                                        << QByteArray(R"({"substances":[{"Nmae":"x"}]})") << 2
                                        << "unknown field \"Nmae\"" << QByteArray();
        QTest::newRow("byte out of range")
            << QStringList{"substances", "pack", "@", "out"}
            << QByteArray(R"({"substances":[{"Quellung":[1,2,3,4,256]}]})") << 2 << "Quellung"
            << QByteArray();
        // pack writes no header the program could not read
        QTest::newRow("header group not a code")
            << QStringList{"substances", "pack", "@", "out"}
            << QByteArray(R"({"Spalten":"000112a4","substances":[]})") << 2 << "\"12a4\""
            << QByteArray();
        QTest::newRow("header length") << QStringList{"substances", "pack", "@", "out"}
                                       << QByteArray(R"({"Spalten":"00012","substances":[]})") << 2
                                       << "not a multiple of 4" << QByteArray();
        QTest::newRow("header with control characters, shown escaped")
            << QStringList{"substances", "dump", "@"} << QByteArray("\x04\0\0\0\x1b[2J\0\0\0\0", 12)
            << 2 << "\"\\x1b[2J\"" << QByteArray();
        QTest::newRow("glove without texts")
            << QStringList{"catalogue", "pack", "@", "out", "@t"}
            << QByteArray(R"({"gloves":[{"Typ":0,"Nummer":1}]})") << 2
            << "no texts for record 1 (Nummer 1)" << QByteArray(R"({"gloves":{}})");
        QTest::newRow("texts without glove")
            << QStringList{"catalogue", "pack", "@", "out", "@t"} << QByteArray(R"({"gloves":[]})")
            << 2 << "texts for Nummer 7, which has no values"
            << QByteArray(R"({"gloves":{"7":{"Name":"x"}}})");
        QTest::newRow("name both value and text")
            << QStringList{"substances", "pack", "@", "out", "@t"}
            << QByteArray(R"({"Spalten":"","substances":[{"Kennzahl":3,"Name":"a"}]})") << 2
            << "Name is given for record 1 (Kennzahl 3) as a value and as a text"
            << QByteArray(R"({"substances":{"3":{"Name":"b"}}})");
    }

    void fehler() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, eingabe);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QFETCH(QByteArray, texte);
        testdateien::ablegen(pfad("in"), eingabe);
        testdateien::ablegen(pfad("texte"), texte);
        for (QString& a : args) {
            if (a == "@") a = pfad("in");
            if (a == "@t") a = pfad("texte");
            if (a == "out") a = pfad("out");
        }
        const QvrLauf l = qvrLauf(args);
        QCOMPARE(l.status, status);
        QVERIFY2(QString::fromUtf8(l.fehler).contains(meldung), l.fehler.constData());
        QVERIFY(!l.fehler.contains('\x1b')); // a message never passes on a terminal's commands
        QVERIFY(!QFile::exists(pfad("out")));
    }
};

QTEST_GUILESS_MAIN(TstQvr)
#include "tst_qvr.moc"
