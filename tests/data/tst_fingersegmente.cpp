// Which segment pictures a finger's choice shows, and which description it prints.
#include "data/Fingersegmente.h"

#include <QtTest>

class TstFingersegmente : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void segmente_data() {
        QTest::addColumn<int>("finger");
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<QStringList>("sichtbar");
        QTest::addColumn<int>("text");
        QTest::newRow("thumb 0") << 0 << 0 << QStringList{} << 10096;
        QTest::newRow("thumb 1") << 0 << 1 << QStringList{"a0"} << 10097;
        QTest::newRow("thumb 2: complete") << 0 << 2 << QStringList{"a0", "a1"} << 10098;
        QTest::newRow("thumb 3: no such item") << 0 << 3 << QStringList{"a0", "a1"} << 0;
        QTest::newRow("index 0") << 1 << 0 << QStringList{} << 10095;
        QTest::newRow("middle 1") << 2 << 1 << QStringList{"c0"} << 10096;
        QTest::newRow("middle 2") << 2 << 2 << QStringList{"c0", "c1"} << 10097;
        QTest::newRow("middle 3") << 2 << 3 << QStringList{"c0", "c1", "c2"} << 10098;
        QTest::newRow("ring 3") << 3 << 3 << QStringList{"d0", "d1", "d2"} << 10098;
        QTest::newRow("little 2") << 4 << 2 << QStringList{"e0", "e1"} << 10097;
        QTest::newRow("little none chosen") << 4 << -1 << QStringList{} << 0;
    }
    void segmente() {
        QFETCH(int, finger);
        QFETCH(int, auswahl);
        QFETCH(QStringList, sichtbar);
        QFETCH(int, text);
        QCOMPARE(sichtbareSegmente(finger, auswahl), sichtbar);
        QCOMPARE(segmenttextNummer(finger, auswahl), text);
    }
};

QTEST_MAIN(TstFingersegmente)
#include "tst_fingersegmente.moc"
