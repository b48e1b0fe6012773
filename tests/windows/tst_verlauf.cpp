// The information page's history: newest first, at most ten, back and forward, positions.
#include "windows/main/Verlauf.h"

#include <QTest>

class TstVerlauf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Steps: a name shows that document, "<" is back, ">" forward. Step i leaves the shown
    // document at position 10 * i. ergebnis is what the last step showed ("A@20"), "-" when it
    // showed nothing.
    void verlauf_data() {
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QString>("eintraege");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("ergebnis");
        const auto zeile = [](const char* name, const char* schritte, const char* eintraege,
                              int index, const char* ergebnis) {
            QTest::newRow(name) << QString::fromLatin1(schritte) << QString::fromLatin1(eintraege)
                                << index << QString::fromLatin1(ergebnis);
        };
        zeile("empty: back does nothing", "<", "", 0, "-");
        zeile("back restores the position left at", "A B C < <", "CBA", 2, "A@20");
        zeile("back at the oldest does nothing", "A B < <", "BA", 1, "-");
        zeile("forward at the newest does nothing", "A B >", "BA", 0, "-");
        zeile("forward returns to its position", "A B < >", "BA", 0, "B@30");
        zeile("new document after back drops the newer", "A B C < < D", "DA", 0, "");
        zeile("the shown document again: no entry", "A B B", "BA", 0, "");
        zeile("at most ten, the oldest goes", "0 1 2 3 4 5 6 7 8 9 X", "X987654321", 0, "");
    }
    void verlauf() {
        QFETCH(QString, schritte);
        QFETCH(QString, eintraege);
        QFETCH(int, index);
        QFETCH(QString, ergebnis);
        TVerlauf v;
        QString zuletzt;
        int position = 0;
        for (const QString& s : schritte.split(QLatin1Char(' '))) {
            position += 10;
            if (s == QLatin1String("<") || s == QLatin1String(">")) {
                const auto e = v.gehe(s == QLatin1String("<") ? 1 : -1, position);
                zuletzt = e ? e->datei + QLatin1Char('@') + QString::number(e->position)
                            : QStringLiteral("-");
            } else {
                v.neu(s, position);
                zuletzt.clear();
            }
        }
        QString namen;
        for (const TVerlaufseintrag& e : v.eintraege())
            namen += e.datei;
        QCOMPARE(namen, eintraege);
        QCOMPARE(v.index(), index);
        QCOMPARE(zuletzt, ergebnis);
        QCOMPARE(v.aktuell(), eintraege.isEmpty() ? QString() : QString(eintraege[index]));
    }
};

QTEST_GUILESS_MAIN(TstVerlauf)
#include "tst_verlauf.moc"
