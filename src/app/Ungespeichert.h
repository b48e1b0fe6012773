#pragma once

#include <QList>
#include <QString>

class QWidget;

// A window that edits what the user saves to a file (the glove plan, the hazard analysis, the
// organisational assessment). Closing it, or Exit, asks before its unsaved changes would go.
class TBearbeitung {
public:
    virtual ~TBearbeitung() = default;
    // Changes since the window was shown, saved or loaded; showing and prefilling are none.
    virtual bool ungespeichert() const = 0;
    // Runs the window's own save with its file dialog; false when nothing was saved.
    virtual bool speichern() = 0;
    // What the question names: the file last saved or loaded, else the window's title.
    virtual QString dokumentname() const = 0;
    // Exit goes on without these changes: the window closes without asking again.
    virtual void verwerfen() = 0;
};

namespace ungespeichert {

// What the question names: the file's name (datei, as last saved or loaded, with its folder),
// else the window's title.
QString dokumentname(const QString& datei, const QString& titel);

// Asks "Save changes to …?" (Save / Discard / Cancel) over fenster when it holds unsaved
// changes. True when it may close: nothing to ask, saved, or discarded (verwerfen() is left to
// the caller); false for Cancel or a save that did not happen.
bool klaeren(QWidget* fenster, TBearbeitung& b);

// Exit: asks each editing window among these in turn, bringing it to the front first. False as
// soon as one is cancelled, and then no window has discarded anything; true when all may close,
// and then every one has been told to discard what was not saved.
bool alleKlaeren(const QList<QWidget*>& fenster);

} // namespace ungespeichert
