#pragma once

#include "app/Kontext.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm1;
}
class TForm2;
class TForm3;
class TForm6;
class TForm4;
class TForm9;
class THtmlViewer;
class TForm12;

// The main window: the program's menu. It owns the run-wide context, does the start-up data
// work while it is created and creates the long-lived windows. Closing it ends the program.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // FormCreate: makes the program directory current, loads the catalogue and sets up the
    // distributor block (asking for the code on a first run). A missing or damaged catalogue
    // is reported, and bereit() is then false: the program must end. The boxes of this start
    // appear over startbild (the splash, which stays on top), or parentless without one.
    TForm1(const QString& programmVerzeichnis, std::unique_ptr<TEinstellungen> einstellungen,
           QWidget* startbild = nullptr);
    ~TForm1() override;

    bool bereit() const { return m_bereit; }
    TKontext& kontext() { return m_kontext; }

    // The windows that live for the whole run, created hidden in start order.
    void fensterErzeugen();

    // "Vorgabe" (the menu) or "CE-Info" (the information page).
    void seiteZeigen(const QString& name);
    QString seite() const;

    // The maker's logo as the window holds it (the printed page footer draws it).
    QImage logo() const;

    // Opens the saved files among the program's arguments (absolute paths), each in its window:
    // a glove plan in the glove plan, a hazard analysis or risk assessment in a new window of
    // its own. Anything else is reported once. Without arguments the window comes forward.
    void dateienOeffnen(const QStringList& argumente);

public Q_SLOTS:
    void SpeedButton1Click();    // "&Exit"
    void SpeedButton2Click();    // "Search for Chemical Protection"
    void SpeedButton6Click();    // "QVR-Hotline" and the hotline picture buttons
    void SpeedButton3Click();    // "Product Information"
    void SpeedButton18Click();   // "Risk Assessment": a new hazard analysis questionnaire
    void SpeedButton10Click();   // "Glove Plan"
    void SpeedButton9Click();    // "Search for Mechanical Protection", and the pages' "but-suche"
    void SpeedButton20Click();   // "Printer Settings"
    void AngabenAdresseClick();  // "Your details…": name and address
    void AngabenHaendlerClick(); // "Your details…": distributor code
    void AngabenIntranetClick(); // "Your details…": the glove server's address
    void SpeedButton13Click();   // "Hazard Analysis"
    void Button1Click();         // "Main Menu" on the information page

    // The information page ("CE-Info").
    void SpeedButton12Click(); // back
    void SpeedButton11Click(); // forward
    void SpeedButton23Click(); // "Open page in Html Browser"
    void htmlLite1HotSpotClick(const QString& target);
    // Shows a page of the language's HTML directory; a missing page is reported, unless
    // nurWennVorhanden, when the page shown stays without a word.
    void infoseiteZeigen(const QString& datei, bool nurWennVorhanden);
    void SpeedButton22Click(); // "Individual Production"
    void SpeedButton24Click(); // "Sample Request"

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // "Product Information" of a search (the sender): the product window opens beside it.
    void produktAusSuche(int katalogIndex);
    void produktfensterZeigen(QWidget* besitzer);
    void einpassen();
    void bilderSetzen();
    void knoepfeVerbinden();
    void FormShow();
    void FormResize();
    void infoseiteEinrichten();
    void infoknoepfeSetzen();
    void produktlinieZeigen(const QString& name);

    std::unique_ptr<Ui::TForm1> ui;
    TKontext m_kontext;
    bool m_bereit = false;
    bool m_angepasst = false;
    bool m_rahmenEingepasst = false;
    bool m_einstellungenGemeldet = false;
    bool m_pruefungAngefordert = false;
    TForm2* m_form2 = nullptr;
    TForm3* m_form3 = nullptr;
    TForm6* m_form6 = nullptr;
    TForm4* m_form4 = nullptr;
    TForm9* m_form9 = nullptr;
    THtmlViewer* m_html = nullptr;
    TForm12* m_form12 = nullptr;
};

// Which of the three hotline picture buttons fits the menu at this screen width:
// "SpeedButton16" unscaled, "SpeedButton17" at 640/1024, "SpeedButton8" at 800/1024.
QString hotlineKnopf(int bildschirmBreite);
