// qvr verify on small language data directories, each with one fault planted.
#include "QvrLauf.h"
#include "data/Produktliste.h"
#include "data/Stoffliste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

namespace {

// A small but complete language data directory, kept as data until it is written.
struct Datensatz {
    std::vector<std::unique_ptr<THandschuh>> gloves;
    QString spalten = QStringLiteral("4301");
    std::vector<TStoff> stoffe;
    QByteArray adressen = "000\tQuorvane GmbH\tAm Lederhof 14\t\tD\t57392 Halvern\t+49 1\t+49 2\t"
                          "info@quorvane.de\twww.quorvane.de\t\r\nend\r\n";
    std::map<QString, QByteArray> seiten;
    QStringList bilder = {"Pics/4301.jpg", "Pics/p0.bmp", "Pics/p1.bmp", "HTML/ce.gif"};

    Datensatz() {
        auto chemie = std::make_unique<TChemie>();
        chemie->Gruppe = 4;
        chemie->Nummer = 4301;
        chemie->setzeText(Textfeld::Name, QStringLiteral("Velto"));
        chemie->setzeText(Textfeld::Bilddatei, QStringLiteral("4301.jpg"));
        chemie->setzeText(Textfeld::Beschreibung, QStringLiteral("Marking EN 388 3101X."));
        chemie->setzeText(Textfeld::Zusatztext, QStringLiteral("EN 388 3101X"));
        chemie->Kategorie = 3;
        chemie->Materialklasse = 3;
        chemie->Strickwerte = {6, 4, 2, 1, 2, 6, 0};
        chemie->Klassenwerte = {1, 4, 0, 1, 0, 1, 0, 3};
        gloves.push_back(std::move(chemie));
        auto electro = std::make_unique<TElectro>();
        electro->Nummer = 1001;
        electro->setzeText(Textfeld::Name, QStringLiteral("Voltis 0"));
        electro->Kategorie = 3;
        electro->Elektrowerte[11] = 1;
        gloves.push_back(std::move(electro));
        TStoff ethanol;
        ethanol.Name = QStringLiteral("Ethanol");
        ethanol.CAS = QStringLiteral("64-17-5");
        ethanol.Zustand = 2;
        ethanol.Permeation = QStringLiteral("4");
        ethanol.Quellung = {3, 1, 1, 1, 1};
        stoffe.push_back(ethanol);
        TStoff methanol; // test chemical A of EN ISO 374-1, for the marking example
        methanol.Name = QStringLiteral("Methanol");
        methanol.CAS = QStringLiteral("67-56-1");
        methanol.Zustand = 2;
        methanol.Permeation = QStringLiteral("2");
        methanol.Quellung = {2, 3, 3, 1, 1};
        stoffe.push_back(methanol);
        for (const char* name :
             {"Einführung.htm", "QVR-Info.htm", "AnleitungEinf.htm", "Vertrieb.htm",
              "LederNitril.htm", "QVRKonzept.htm", "HSKonzept.htm"})
            seiten[QString::fromUtf8(name)] =
                "<a href=\"ABC.htm#V\">V</a> <a href='Einf&uuml;hrung.htm'>CE</a> <a "
                "href=\"but-velto\">"
                "Velto</a> <a href=\"http://www.quorvane.de\">web</a> <img src=\"ce.gif\">";
        seiten[QStringLiteral("ABC.htm")] =
            "<a name=\"V\"></a><a href=\"#V\">top</a> <a href=but-hotline>?</a>"
            "<p class=\"marking\">QVR <b>Velto</b> 4301 &middot; CE 0000 &middot; EN ISO 374-1 "
            "Type C &middot; EN 388 3101X</p>";
    }

    void schreiben(const QDir& dir) const {
        dir.mkpath(QStringLiteral("Pics"));
        dir.mkpath(QStringLiteral("HTML"));
        std::vector<const THandschuh*> g;
        for (const auto& h : gloves)
            g.push_back(h.get());
        datei(dir.filePath("produkte.qvr"), produktdatei(g));
        std::vector<TStoff> mitSumme = stoffe;
        std::vector<const TStoff*> s;
        for (TStoff& st : mitSumme) {
            st.Pruefsumme = pruefsumme(st);
            s.push_back(&st);
        }
        datei(dir.filePath("tab.qvr"), stoffdatei(spalten, s));
        datei(dir.filePath("Adressen.QVR"), adressen);
        for (const auto& [name, inhalt] : seiten)
            datei(dir.filePath("HTML/" + name), inhalt);
        for (const QString& b : bilder)
            datei(dir.filePath(b), "x");
    }

    static void datei(const QString& pfad, const QByteArray& inhalt) {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }

    TStrick& velto() { return static_cast<TStrick&>(*gloves[0]); }
};

using Aenderung = std::function<void(Datensatz&)>;

struct Lauf {
    int status;
    QString aus;
};

Lauf verify(const QStringList& args) {
    const QvrLauf l = qvrLauf(QStringList{"verify"} + args);
    return {l.status, QString::fromUtf8(l.aus + l.fehler)};
}

} // namespace

Q_DECLARE_METATYPE(Aenderung)

class TstVerify : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fehler_data() {
        QTest::addColumn<Aenderung>("aenderung");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("clean") << Aenderung([](Datensatz&) {}) << "no problems found";
        QTest::newRow("missing picture")
            << Aenderung([](Datensatz& d) { d.bilder.removeAll("Pics/4301.jpg"); })
            << "glove 4301 Velto: picture Pics/4301.jpg is missing";
        QTest::newRow("missing pictogram")
            << Aenderung([](Datensatz& d) { d.bilder.removeAll("Pics/p1.bmp"); })
            << "glove 1001 Voltis 0: pictogram Pics/p1.bmp is missing";
        QTest::newRow("pictogram off the list")
            << Aenderung([](Datensatz& d) { d.velto().Strickwerte[6] = 7; })
            << "pictogram 7 is not 0..6";
        QTest::newRow("heat without EN 407 levels")
            << Aenderung([](Datensatz& d) { d.gloves[0]->Gefahr = 8; })
            << "glove 4301 Velto: offered for heat over 50 °C without EN 407 levels";
        QTest::newRow("material class 0")
            << Aenderung([](Datensatz& d) { d.gloves[0]->Materialklasse = 0; })
            << "Materialklasse 0 is not 1..5";
        QTest::newRow("touch sensitivity off scale")
            << Aenderung([](Datensatz& d) { d.velto().Klassenwerte[4] = 3; })
            << "Klassenwerte[4] (touch sensitivity) is 3, the scale ends at 2";
        QTest::newRow("cut level off scale")
            << Aenderung([](Datensatz& d) { d.velto().Strickwerte[2] = 7; })
            << "Strickwerte[2] (cut)";
        QTest::newRow("water penetration level 2") << Aenderung([](Datensatz& d) {
            auto frosto = std::make_unique<TIso>();
            frosto->Nummer = 3301;
            frosto->Kategorie = 2;
            frosto->Klassenwerte = {1, 1, 1};
            d.gloves.push_back(std::move(frosto));
        }) << "Klassenwerte[2] (water penetration) is 1, which is no EN 511 level 0..1 or X";
        QTest::newRow("electrical glove outside group 0")
            << Aenderung([](Datensatz& d) { d.gloves[1]->Gruppe = 5; })
            << "group 0 and the electrical class";
        QTest::newRow("column without glove") << Aenderung([](Datensatz& d) {
            d.spalten = "43014302";
            d.stoffe[0].Permeation = "44";
        }) << "column 2 (\"4302\"): no glove of the catalogue has this code";
        QTest::newRow("column of a glove that is not chemical") << Aenderung([](Datensatz& d) {
            d.spalten = "43011001";
            d.stoffe[0].Permeation = "44";
        }) << "Voltis 0 is not a chemical glove";
        QTest::newRow("chemical glove without column") << Aenderung([](Datensatz& d) {
            d.spalten = "";
            d.stoffe[0].Permeation = "";
        }) << "chemical glove 4301 Velto has no column";
        QTest::newRow("header not in fours")
            << Aenderung([](Datensatz& d) { d.spalten = "430"; }) << "not a multiple of 4";
        QTest::newRow("permeation too short")
            << Aenderung([](Datensatz& d) { d.stoffe[0].Permeation = ""; })
            << "0 permeation codes for 1 columns";
        QTest::newRow("permeation letter")
            << Aenderung([](Datensatz& d) { d.stoffe[0].Permeation = "X"; })
            << "permeation code 'X' is none of";
        QTest::newRow("swelling code")
            << Aenderung([](Datensatz& d) { d.stoffe[0].Quellung[4] = 6; })
            << "swelling code 6 for material class 5";
        QTest::newRow("CAS check digit")
            << Aenderung([](Datensatz& d) { d.stoffe[0].CAS = "64-17-6"; })
            << "\"64-17-6\" is not a valid CAS";
        QTest::newRow("name twice")
            << Aenderung([](Datensatz& d) { d.stoffe.push_back(d.stoffe[0]); })
            << "the name is used twice";
        QTest::newRow("substance in no selection box")
            << Aenderung([](Datensatz& d) { d.stoffe[0].Zustand = 0; })
            << "\"Ethanol\": state 0 puts it in no selection box";
        QTest::newRow("marking: letter the glove does not reach")
            << Aenderung([](Datensatz& d) { d.seiten["ABC.htm"].replace("Type C", "Type C J"); })
            << "letter J (n-heptane): glove 4301 has no result";
        QTest::newRow("marking in German: letter the glove does not reach")
            << Aenderung([](Datensatz& d) { d.seiten["ABC.htm"].replace("Type C", "Typ C J"); })
            << "letter J (n-heptane): glove 4301 has no result";
        QTest::newRow("marking: type the results do not give")
            << Aenderung([](Datensatz& d) { d.stoffe[1].Permeation = "0"; })
            << "type C, but glove 4301 reaches level 1 on no test chemical";
        QTest::newRow("marking: EN 388 levels")
            << Aenderung([](Datensatz& d) { d.velto().Strickwerte[1] = 5; })
            << "EN 388 3101, the levels of glove 4301 give 4101";
        QTest::newRow("marking: cut letter the description does not state")
            << Aenderung([](Datensatz& d) { d.seiten["ABC.htm"].replace("3101X", "3101E"); })
            << "EN 388 3101E, the description of glove 4301 states 3101X";
        QTest::newRow("description and marking text disagree") << Aenderung([](Datensatz& d) {
            d.gloves[0]->setzeText(Textfeld::Zusatztext, QStringLiteral("EN 388 3101A"));
        }) << "the description states EN 388 3101X, the marking text 3101A";
        QTest::newRow("chemical glove of category II")
            << Aenderung([](Datensatz& d) { d.gloves[0]->Kategorie = 2; })
            << "Velto has permeation results but category 2";
        QTest::newRow("marking: notified body of a category II glove")
            << Aenderung([](Datensatz& d) { d.gloves[0]->Kategorie = 2; })
            << "glove 4301 has category 2";
        QTest::newRow("marking: name and code of two gloves") << Aenderung([](Datensatz& d) {
            d.seiten["ABC.htm"].replace("<b>Velto</b>", "Velto Food");
        }) << "glove 4301 is Velto, not Velto Food";
        QTest::newRow("distributor line of nine fields") << Aenderung([](Datensatz& d) {
            d.adressen.prepend("123\ta\tb\tc\td\te\tf\tg\th\r\n");
        }) << "Adressen.QVR line 1: 9 fields";
        QTest::newRow("no closing end") << Aenderung([](Datensatz& d) { d.adressen.chop(5); })
                                        << "the closing line \"end\" is missing";
        QTest::newRow("no maker's line")
            << Aenderung([](Datensatz& d) { d.adressen = "end\r\n"; }) << "code 000 is missing";
        QTest::newRow("page missing") << Aenderung([](Datensatz& d) { d.seiten.erase("ABC.htm"); })
                                      << "HTML/ABC.htm: missing";
        QTest::newRow("anchor missing")
            << Aenderung([](Datensatz& d) { d.seiten["ABC.htm"] = "<a href=\"#X\">x</a>"; })
            << "anchor \"V\" not found in ABC.htm";
        QTest::newRow("picture of a page missing")
            << Aenderung([](Datensatz& d) { d.bilder.removeAll("HTML/ce.gif"); })
            << "picture \"ce.gif\" is missing";
        QTest::newRow("unknown function link")
            << Aenderung([](Datensatz& d) { d.seiten["ABC.htm"] += "<a href=\"but-druck\">p</a>"; })
            << "\"but-druck\" is no function of the program";
        QTest::newRow("product link without its glove") << Aenderung([](Datensatz& d) {
            d.gloves[0]->setzeText(Textfeld::Name, "Velto Light");
        }) << "\"but-velto\" needs a glove named Velto";
    }
    void fehler() {
        QFETCH(Aenderung, aenderung);
        QFETCH(QString, meldung);
        QTemporaryDir tmp;
        Datensatz d;
        aenderung(d);
        d.schreiben(QDir(tmp.path()));
        const Lauf l = verify({tmp.path()});
        QVERIFY2(l.aus.contains(meldung), qPrintable(l.aus));
        QCOMPARE(l.status, QTest::currentDataTag() == QLatin1String("clean") ? 0 : 2);
    }

    // A set against an unchanged one of another language: only texts may differ.
    void vergleich_data() {
        QTest::addColumn<Aenderung>("aenderung");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("texts translated") << Aenderung([](Datensatz& d) {
            d.gloves[0]->setzeText(Textfeld::Beschreibung,
                                   QStringLiteral("Kennzeichnung EN 388 3101X."));
            d.stoffe[1].Name = QStringLiteral("Methylalkohol");
        }) << "no problems found";
        QTest::newRow("glove value") << Aenderung([](Datensatz& d) { d.gloves[0]->Laenge = 310; })
                                     << "glove 4301: Laenge is 310, in";
        QTest::newRow("text in one set only") << Aenderung([](Datensatz& d) {
            d.gloves[1]->setzeText(Textfeld::Farbe, QStringLiteral("rot"));
        }) << "glove 1001: Farbe is a text in this set only";
        QTest::newRow("permeation") << Aenderung([](Datensatz& d) { d.stoffe[0].Permeation = "3"; })
                                    << "substance 0: Permeation is 3, in";
        QTest::newRow("CAS number")
            << Aenderung([](Datensatz& d) { d.stoffe[1].CAS = "64-17-5"; }) << "CAS is 64-17-5";
        QTest::newRow("page link") << Aenderung([](Datensatz& d) {
            d.seiten["QVR-Info.htm"].replace("but-velto", "ABC.htm");
        }) << "HTML/QVR-Info.htm: no link to \"but-velto\"";
    }
    void vergleich() {
        QFETCH(Aenderung, aenderung);
        QFETCH(QString, meldung);
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        dir.mkpath("EN");
        dir.mkpath("XX");
        Datensatz().schreiben(QDir(dir.filePath("EN")));
        Datensatz d;
        aenderung(d);
        d.schreiben(QDir(dir.filePath("XX")));
        const Lauf l = verify({dir.filePath("XX"), "--like", dir.filePath("EN")});
        QVERIFY2(l.aus.contains(meldung), qPrintable(l.aus));
        QCOMPARE(l.status, QTest::currentDataTag() == QLatin1String("texts translated") ? 0 : 2);
    }

    void benutzung() {
        QCOMPARE(verify({}).status, 1);
        QCOMPARE(verify({"/no/such/dir"}).status, 2);
        QCOMPARE(verify({".", "--like"}).status, 1);
    }
};

QTEST_MAIN(TstVerify)
#include "tst_verify.moc"
