#pragma once

#include "app/Kontext.h"
#include "app/Ungespeichert.h"
#include "data/Gefahrendatei.h"
#include "print/Gefahrenbericht.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm8;
}

// Opens a fresh, empty hazard analysis beside the other windows; it goes when it is closed.
class TForm8;
TForm8* gefahrenanalyseOeffnen(TKontext& kontext, QWidget* parent);

// The hazard analysis questionnaire: header, company block and seven sections that open when
// their check box is ticked. Saved to and loaded from .GAN files, printed as a paged form.
class TForm8 : public QWidget, public TBearbeitung {
    Q_OBJECT
public:
    explicit TForm8(TKontext& kontext, QWidget* parent = nullptr);
    ~TForm8() override;

    // What the controls hold, and showing a questionnaire in them.
    TGefahrenanalyse analyse() const;
    void analyseSetzen(const TGefahrenanalyse& g);
    // The printout's data: the controls' texts as shown.
    GefahrenDruckDaten druckdaten() const;
    // "Load" of a file already chosen (in the dialog, on the command line, by a drop): the
    // same checks and messages.
    void laden(const QString& name);

    // Changed: the controls differ from what was last shown, loaded or saved.
    bool ungespeichert() const override;
    bool speichern() override;
    QString dokumentname() const override;
    QString datei() const override { return m_datei; }
    void verwerfen() override { m_verworfen = true; }

public Q_SLOTS:
    void c1Click();           // a section was opened or closed
    void SpeedButton1Click(); // "Load"
    void SpeedButton2Click(); // "Save"
    void SpeedButton3Click(); // "Print"
    void SpeedButtonXClick(); // the hotline picture button

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormShow();
    void fehler(const QString& text);
    QString feldname(const QString& control) const;
    void dateiMerken(const QString& pfad); // as saved or loaded: the title names it

    std::unique_ptr<Ui::TForm8> ui;
    TKontext& m_kontext;
    bool m_angepasst = false;
    bool m_verworfen = false;
    TGefahrenanalyse m_gespeichert; // as shown, loaded or saved last
    QString m_titel;                // the window's own title, without a file
    QString m_datei;                // the file last saved or loaded
};
