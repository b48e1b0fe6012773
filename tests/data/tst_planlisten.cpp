#include "data/Plandatei.h"
#include "data/Planlisten.h"
#include "data/Produktliste.h"
#include "shared/KommaText.h"

#include <QSignalSpy>
#include <QTest>

class TstPlanlisten : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hinzufuegenUndEnthalten() {
        auto g = neuerHandschuh(TypChemie);
        g->Nummer = 4711;
        TPlanlisten plan;
        QSignalSpy spy(&plan, &TPlanlisten::geaendert);
        QVERIFY(!plan.enthaelt(4711));
        QVERIFY(plan.hinzufuegen(g.get(), "Areas of use:", "Work areas:"));
        QVERIFY(plan.hinzufuegen(g.get(), "Areas of practice:", "Work areas:"));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(plan.size(), 2);
        QCOMPARE(plan.Einsatzbereiche().size(), 2);
        QCOMPARE(plan.Arbeitsbereiche().size(), 2);
        QCOMPARE(plan.Planliste()[0], plan.Planliste()[1]); // the same catalogue entry twice
        // Each note is one single line, not one line per word.
        QCOMPARE(kommatext::lesen(plan.Einsatzbereiche()[0]), QStringList{"Areas of use:"});
        QCOMPARE(kommatext::lesen(plan.Arbeitsbereiche()[1]), QStringList{"Work areas:"});
        plan.notizSetzen(0, TPlanlisten::Notiz::Einsatzbereiche, kommatext::schreiben({"changed"}));
        QCOMPARE(kommatext::lesen(plan.Einsatzbereiche()[1]), QStringList{"Areas of practice:"});
        QVERIFY(plan.enthaelt(4711));
        QVERIFY(!plan.enthaelt(4712));

        // Removing and replacing keep the three lists of one length and tell the listeners.
        plan.entfernen(0);
        plan.entfernen(5);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(plan.Arbeitsbereiche(), QStringList{"\"Work areas:\""});
        QCOMPARE(plan.Einsatzbereiche(), QStringList{"\"Areas of practice:\""});
        plan.ersetzen({g.get(), g.get()}, {"a"}, {"e1", "e2", "e3"});
        QCOMPARE(spy.count(), 4);
        QCOMPARE(plan.size(), 2);
        QCOMPARE(plan.Arbeitsbereiche(), (QStringList{"a", ""}));
        QCOMPARE(plan.Einsatzbereiche(), (QStringList{"e1", "e2"}));

        // A full plan takes no more, and nobody is told of a change.
        while (plan.size() < kPlanHoechstens)
            QVERIFY(plan.hinzufuegen(g.get(), {}, {}));
        spy.clear();
        QVERIFY(!plan.hinzufuegen(g.get(), {}, {}));
        QCOMPARE(plan.size(), kPlanHoechstens);
        QCOMPARE(plan.Arbeitsbereiche().size(), kPlanHoechstens);
        QCOMPARE(spy.count(), 0);
    }
};

int tstPlanlisten(int argc, char** argv) {
    TstPlanlisten t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_planlisten.moc"
