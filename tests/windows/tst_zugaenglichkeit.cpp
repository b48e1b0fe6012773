#include "Testprogramm.h"
#include "Zugaenglichkeit.h"

#include "app/Dialoge.h"
#include "windows/main/Anfang.h"

#include <QTest>

// Every window the program makes, as it is shown: each control and picture has a name a screen
// reader can speak.
class TstZugaenglichkeit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { dialoge::zuruecksetzen(); }

    void fensterBeimStart() {
        Testprogramm p;
        p.katalog(3);
        p.adressen();
        TForm1 form1(p.pfad(), p.eingerichteterSpeicher());
        form1.fensterErzeugen();
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QStringList fehlt = zugaenglichkeit::unbenannt(&form1);
        for (QWidget* w : form1.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow()) continue;
            w->show();
            fehlt += zugaenglichkeit::unbenannt(w);
            w->hide();
        }
        fehlt.removeDuplicates();
        for (const QString& f : fehlt)
            qWarning("no accessible name: %s", qPrintable(f));
        QCOMPARE(fehlt.size(), 0);
    }
};

QTEST_MAIN(TstZugaenglichkeit)
#include "tst_zugaenglichkeit.moc"
