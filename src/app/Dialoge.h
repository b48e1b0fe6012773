#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;
class TEinstellungen;

// Every modal question, message and file dialog of the program goes through here, so tests can
// answer them through their own Beantworter instead of blocking on a real dialog.
namespace dialoge {

// Message box with caption and an OK button.
void meldung(QWidget* parent, const QString& caption, const QString& text);
// The same for news that is no failure (shown with the information sign).
void hinweis(QWidget* parent, const QString& caption, const QString& text);
// A short note that something was done (added, saved, written), shown for a few seconds beside
// bei, the control the user just used; it asks for nothing and blocks nothing.
void notiz(QWidget* bei, const QString& text);
// The note that a file was written, naming where.
void gespeichert(QWidget* bei, const QString& pfad);
// Yes/No question; true for Yes.
bool frage(QWidget* parent, const QString& caption, const QString& text);
// Save / Discard / Cancel, asked before unsaved changes would go.
enum class Entscheidung { Speichern, Verwerfen, Abbrechen };
Entscheidung speichernFragen(QWidget* parent, const QString& caption, const QString& text);
// One-line input; nothing when cancelled.
std::optional<QString> eingabe(QWidget* parent, const QString& caption, const QString& label,
                               const QString& vorgabe = {});
// The kinds of file the dialogs choose. Each kind's dialog opens in the folder that kind was
// last chosen in.
enum class Dateiart { Plan, Gefahrenanalyse, Bewertung, Pdf, Tabelle };
// Where those folders are kept between runs: the user's settings store, set at start and reset
// (null) before the store goes; without one they are kept for the run.
void ordnerspeicherSetzen(TEinstellungen* speicher);
// File dialogs; nothing when cancelled. filter as Qt's ("Glove plans (*.PLN)"). The save dialog
// offers vorschlag as the file's name, made fit for one, with the kind's ending; a whole path
// (the printer's PDF file) is offered as it is.
std::optional<QString> oeffnen(QWidget* parent, const QString& caption, const QString& filter,
                               Dateiart art);
std::optional<QString> speichern(QWidget* parent, const QString& caption, const QString& filter,
                                 Dateiart art, const QString& vorschlag = {});
// The printer-setup dialog for the program's printer; a queued file name sets PDF output into
// that file, a queued nothing cancels.
void druckerEinrichten(QWidget* parent, QPrinter& drucker);
// The print preview of a printout on the program's printer, titled with the job's name; zeichnen
// draws every page on the printer it is given. True when the user chose to print.
bool vorschau(QWidget* parent, QPrinter& drucker, const QString& titel,
              const std::function<void(QPrinter&)>& zeichnen);

// Who answers what no queued answer covers: the user through Qt's dialogs, unless another
// answerer is set (tests set one that fails at once instead of waiting for a user).
class Beantworter {
public:
    virtual ~Beantworter() = default;
    virtual void meldung(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void hinweis(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void notiz(QWidget* bei, const QString& text) = 0;
    virtual bool frage(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual Entscheidung speichernFragen(QWidget* parent, const QString& caption,
                                         const QString& text) = 0;
    virtual std::optional<QString> eingabe(QWidget* parent, const QString& caption,
                                           const QString& label, const QString& vorgabe) = 0;
    // start: the folder to open in, or for a save the offered file in it.
    virtual std::optional<QString> oeffnen(QWidget* parent, const QString& caption,
                                           const QString& filter, const QString& start) = 0;
    virtual std::optional<QString> speichern(QWidget* parent, const QString& caption,
                                             const QString& filter, const QString& start) = 0;
    virtual void druckerEinrichten(QWidget* parent, QPrinter& drucker) = 0;
    virtual bool vorschau(QWidget* parent, QPrinter& drucker, const QString& titel,
                          const std::function<void(QPrinter&)>& zeichnen) = 0;
};
// Null goes back to Qt's dialogs.
void beantworterSetzen(std::unique_ptr<Beantworter> b);
// The answerer that asks the user through Qt's own dialogs.
std::unique_ptr<Beantworter> qtDialoge();

// The folder a file dialog starts in: the user's documents folder where it exists, else home.
QString startordner(const QString& dokumente, const QString& heim);
// A text (a company's name, a printout's title) as a file name: the characters file systems
// refuse or read as a path or an ending (/ \ : * ? " < > | . and control characters) become
// spaces, runs of spaces one; empty where nothing is left.
QString dateivorschlag(const QString& text);
// What a save dialog offers for a document: its own file (datei, as last saved or loaded), where
// it is and named as it is, so Save goes back to the file the user works on; else its own text
// (a company's name) as dateivorschlag makes it, else what it is (art) and the day's date,
// "Glove plan 2026-12-08".
QString namensvorschlag(const QString& datei, const QString& text, const QString& art,
                        const QDate& heute);

} // namespace dialoge
