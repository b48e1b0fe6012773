#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

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
// File dialogs; nothing when cancelled. filter as Qt's ("Glove plans (*.PLN)").
std::optional<QString> oeffnen(QWidget* parent, const QString& caption, const QString& filter);
std::optional<QString> speichern(QWidget* parent, const QString& caption, const QString& filter);
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
    virtual std::optional<QString> oeffnen(QWidget* parent, const QString& caption,
                                           const QString& filter) = 0;
    virtual std::optional<QString> speichern(QWidget* parent, const QString& caption,
                                             const QString& filter) = 0;
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

} // namespace dialoge
