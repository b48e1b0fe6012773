#pragma once

#include "app/Kontext.h"
#include "data/Mechsuche.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TForm4;
}
class QButtonGroup;
class QCheckBox;
struct MechDruckDaten;

// The mechanical-protection search: hazard and environment (Seite1), the cut level for a cut
// hazard (Seite2), basic and special requirements (Seite3), the gloves found (Seite4). Created
// once at start; answers and results stay between openings.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm4() override;

    // Shows the window modally at Seite1, answers and results as they were left.
    int oeffnen();
    // The answers as the controls show them now.
    TMechAntworten antworten() const;
    // What "Print Results" prints: the answers of the last search and the list as shown.
    MechDruckDaten druckdaten() const;

Q_SIGNALS:
    void produktZeigen(int katalogIndex);

public Q_SLOTS:
    void SpeedButton5Click();  // "Next" on Seite1
    void SpeedButton10Click(); // "Back" on Seite3
    void SpeedButton3Click();  // "Search"
    void SpeedButton6Click();  // every "Cancel" and "Close Window"
    void SpeedButton12Click(); // "Product Information"
    void SpeedButton11Click(); // "Add to Glove Plan"
    void SpeedButton14Click(); // "Print Results"

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormCreate();
    void sb1MouseMove(const QObject* knopf);
    void seiteZeigen(QWidget* seite);
    QCheckBox* besonders(int i) const;
    int gewaehlterEintrag() const;
    std::function<bool(qint32)> imPlan() const;
    void planmarkenSetzen(); // "(already in glove plan)" as the plan is now

    TKontext& m_kontext;
    std::unique_ptr<Ui::TForm4> m_ui;
    QButtonGroup* m_r1 = nullptr;
    QButtonGroup* m_r2 = nullptr;
    TMechAntworten m_gesucht; // the answers of the last search
};
