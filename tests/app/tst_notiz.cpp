#include "app/Notiz.h"

#include <QTest>

// A note goes beside the control used where it covers nothing, else at the free place nearest
// to it, and only where nothing is free over a control.
class TstNotiz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ort_data() {
        QTest::addColumn<QRect>("bei");
        QTest::addColumn<QList<QRect>>("belegt");
        QTest::addColumn<QPoint>("erwartet");
        const QRect knopf(100, 100, 80, 25); // the note is 120 × 30, the window 400 × 300
        QTest::newRow("below, left-aligned") << knopf << QList<QRect>{knopf} << QPoint(100, 128);
        QTest::newRow("a control below: below, right-aligned")
            << knopf << QList<QRect>{knopf, {190, 130, 40, 20}} << QPoint(60, 128);
        QTest::newRow("a row of controls below: above")
            << knopf << QList<QRect>{knopf, {0, 130, 400, 20}} << QPoint(100, 67);
        QTest::newRow("at the window's bottom edge: above")
            << QRect(100, 270, 80, 25) << QList<QRect>{} << QPoint(100, 237);
        QTest::newRow("rows above and below: right")
            << knopf << QList<QRect>{knopf, {0, 130, 400, 20}, {0, 70, 400, 25}} << QPoint(183, 97);
        QTest::newRow("boxed in: the nearest free place")
            << knopf << QList<QRect>{{0, 40, 400, 130}} << QPoint(80, 176);
        QTest::newRow("nothing free: below, inside the window")
            << QRect(300, 100, 80, 25) << QList<QRect>{{0, 0, 400, 300}} << QPoint(280, 128);
    }
    void ort() {
        QFETCH(QRect, bei);
        QFETCH(QList<QRect>, belegt);
        QFETCH(QPoint, erwartet);
        QCOMPARE(notiz::ort({120, 30}, bei, {400, 300}, belegt), erwartet);
    }
};

QTEST_GUILESS_MAIN(TstNotiz)
#include "tst_notiz.moc"
