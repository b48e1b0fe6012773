#include "ChemieTestdaten.h"
#include "QvrLauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Reads CSV as a spreadsheet program does: fields split at the delimiter outside quotes, doubled
// quotes inside a quoted field read as one, a row ends at a line break outside quotes.
QList<QStringList> tabelleLesen(const QString& text, QChar trenner) {
    QList<QStringList> zeilen;
    QStringList zeile;
    QString feld;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                feld += text[++i];
            else if (c == u'"')
                inQuotes = false;
            else
                feld += c;
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == trenner) {
            zeile << std::exchange(feld, {});
        } else if (c == u'\n') {
            if (feld.endsWith(u'\r')) feld.chop(1);
            zeilen << (zeile << std::exchange(feld, {}));
            zeile.clear();
        } else {
            feld += c;
        }
    }
    return zeilen;
}

} // namespace

class TstQvrChemie : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void suche_data();
    void suche();
    void beschaedigteTabelle();
    void csvFuerTabellen();
    void bericht();

private:
    QTemporaryDir m_dir;
};

void TstQvrChemie::initTestCase() {
    QVERIFY(m_dir.isValid());
    chemietestdaten::schreiben(m_dir.path());
}

void TstQvrChemie::suche_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("ausgabe");
    QTest::addColumn<QString>("fehler");
    const QString missing = "qvr: Missing or wrong database files! (column 1040)\n";
    // Toluene 2,4,6 and Acetone 6,3,4 for Alpha, Beta, Gamma; Beta is class 2 (not resistant),
    // so unsuitable for both and below the others.
    QTest::newRow("one chemical by CAS with dots")
        << QStringList{"--cas", "108.88.3"} << 0
        << "1030\tGamma\t6\t3\t3\t\n1010\tAlpha\t2\t1\t2\t\n1020\tBeta\t4\t2\t1\tToluene\n"
        << missing;
    QTest::newRow("order as given, a name in any case")
        << QStringList{"--name", "aCETONE", "--cas", "108-88-3"} << 0
        << "1030\tGamma\t46\t33\t3\t\n1010\tAlpha\t62\t11\t2\t\n"
           "1020\tBeta\t34\t22\t1\tAcetone, Toluene\n"
        << missing;
    QTest::newRow("no chemical: by price")
        << QStringList{} << 0 << "1020\tBeta\t\t\t1\t\n1010\tAlpha\t\t\t2\t\n1030\tGamma\t\t\t3\t\n"
        << missing;
    QTest::newRow("length >=350 drops Gamma")
        << QStringList{"--name", "Acetone", "--length", "1"} << 0
        << "1010\tAlpha\t6\t1\t2\t\n1020\tBeta\t3\t2\t1\tAcetone\n"
        << missing;
    QTest::newRow("not found ranks nothing")
        << QStringList{"--cas", " 108-88-3", "--name", "Mystery", "--name", "Chlorine"} << 2 << ""
        << "qvr: CAS number \" 108-88-3\", chemical \"Mystery\" not found in " +
               QDir::toNativeSeparators(m_dir.path()) + "\n";
    QTest::newRow("index out of range") << QStringList{"--touch", "4"} << 1 << ""
                                        << "";
    QTest::newRow("unknown option") << QStringList{"--pdf", "x.pdf"} << 1 << ""
                                    << "";
}

void TstQvrChemie::suche() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, ausgabe);
    QFETCH(QString, fehler);
    const QvrLauf l = qvrLauf(QStringList{"chem-search", "--data", m_dir.path()} + args);
    QCOMPARE(l.status, status);
    QCOMPARE(QString::fromUtf8(l.aus), ausgabe);
    if (status != 1) QCOMPARE(QString::fromUtf8(l.fehler), fehler);
}

// Three chemicals as a spreadsheet opens the file: the levels in a column per chemical, and a
// name holding the delimiter and quotes comes back whole; one holding a terminal's escape
// sequence stays data in the file and is written visibly as text.
void TstQvrChemie::csvFuerTabellen() {
    QTemporaryDir d;
    chemietestdaten::schreiben(d.path());
    std::vector<std::unique_ptr<THandschuh>> gloves;
    gloves.push_back(chemietestdaten::handschuh(1010, "Al\x1b[2Jpha", 2));
    gloves.push_back(chemietestdaten::handschuh(1020, "Beta; \"Pro\"", 1, 400, 2));
    std::vector<const THandschuh*> gz{gloves[0].get(), gloves[1].get()};
    QFile k(d.filePath("produkte.qvr"));
    QVERIFY(k.open(QIODevice::WriteOnly) && k.write(produktdatei(gz)) > 0);
    k.close();

    const QStringList chemikalien{"--name", "Toluene", "--name", "Acetone", "--name", "Chlorine"};
    const QvrLauf l =
        qvrLauf(QStringList{"chem-search", "--data", d.path(), "--format", "csv"} + chemikalien);
    QCOMPARE(l.status, 0);
    QVERIFY(l.aus.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> t = tabelleLesen(QString::fromUtf8(l.aus.mid(3)), u';');
    QCOMPARE(t.size(), 3);
    // The table the search window exports.
    QCOMPARE(t[0], (QStringList{"Product code", "Glove", "Assessment",
                                "Toluene (liquid): permeation", "Toluene (liquid): swelling",
                                "Acetone (liquid): permeation", "Acetone (liquid): swelling",
                                "Chlorine (gaseous): permeation", "Chlorine (gaseous): swelling"}));
    QCOMPARE(t[1], (QStringList{"1010", "Al\x1b[2Jpha", "", "Perm.: L 2", "Swell.:resistant",
                                "Perm.: L 6", "Swell.:resistant", "Perm.: ?", "Swell.: ?"}));
    QCOMPARE(t[2][2], "Not suitable for Toluene, Acetone, Chlorine");
    const QvrLauf text = qvrLauf(QStringList{"chem-search", "--data", d.path()} + chemikalien);
    QCOMPARE(QString::fromUtf8(text.aus), "1010\tAl\\x1b[2Jpha\t26?\t111\t2\t\n"
                                          "1020\tBeta; \"Pro\"\t435\t222\t1\t"
                                          "Toluene, Acetone, Chlorine\n");
    const QJsonArray json =
        QJsonDocument::fromJson(
            qvrLauf(QStringList{"chem-search", "--data", d.path(), "--format", "json"} +
                    chemikalien)
                .aus)["gloves"]
            .toArray();
    QCOMPARE(json[0]["Ungeeignet"].toArray(), QJsonArray());
    QCOMPARE(json[1]["Ungeeignet"].toArray(), (QJsonArray{"Toluene", "Acetone", "Chlorine"}));
    // A German data set answers in German, as the window does.
    QVERIFY(QDir(d.path()).mkdir("DE"));
    chemietestdaten::schreiben(d.filePath("DE"));
    const QvrLauf de = qvrLauf(QStringList{"chem-search", "--data", d.filePath("DE"), "--format",
                                           "csv", "--name", "Toluene"});
    QCOMPARE(de.status, 0);
    const QList<QStringList> td = tabelleLesen(QString::fromUtf8(de.aus.mid(3)), u';');
    QVERIFY(td[0][0] != "Product code");
    QVERIFY2(td[1][4].startsWith("Quell."), qPrintable(td[1][4]));
    QCOMPARE(td[3][2], "Nicht geeignet für Toluene");
}

// The records before the damage stay usable; the damage is said, and the status is that of
// damaged input, for the search and for its printout; a chemical lost in it ranks nothing.
void TstQvrChemie::beschaedigteTabelle() {
    QTemporaryDir d;
    chemietestdaten::schreiben(d.path());
    QFile t(d.filePath("tab.qvr"));
    QVERIFY(t.open(QIODevice::ReadWrite));
    t.resize(t.size() - 60); // drops Mystery and cuts into Sodium hydroxide
    t.close();
    const QvrLauf l = qvrLauf(
        {"chem-search", "--data", d.path(), "--name", "Acetone", "--name", "Sodium hydroxide"});
    QCOMPARE(l.status, 2);
    const QString err = QString::fromUtf8(l.fehler);
    QVERIFY2(err.contains("runs past the end"), qPrintable(err));
    QVERIFY(err.contains("chemical \"Sodium hydroxide\" not found"));
    QVERIFY(l.aus.isEmpty());
    const QvrLauf druck =
        qvrLauf({"print", "chem-report", "--data", d.path(), "--name", "Acetone", "--pdf", "-"});
    QCOMPARE(druck.status, 2);
    QVERIFY2(druck.fehler.contains("runs past the end"), druck.fehler.constData());
}

void TstQvrChemie::bericht() {
    const QString pdf = m_dir.filePath("bericht.pdf");
    QCOMPARE(
        qvrLauf({"print", "chem-report", "--data", m_dir.path(), "--cas", "67.64.1", "--pdf", pdf})
            .status,
        0);
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    // --pdf OUT is required
    QCOMPARE(qvrLauf({"print", "chem-report", "--data", m_dir.path()}).status, 1);
}

QTEST_GUILESS_MAIN(TstQvrChemie)
#include "tst_qvr_chemie.moc"
