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
    // The file last saved or loaded, as an absolute path; empty for none.
    virtual QString datei() const = 0;
    // Exit goes on without these changes: the window closes without asking again.
    virtual void verwerfen() = 0;
};

namespace ungespeichert {

// What the question names: the file's name (datei, as last saved or loaded, with its folder),
// else the window's title.
QString dokumentname(const QString& datei, const QString& titel);

// The title of a document's window: its own title, and the file's name once it has one
// ("Hazard Assessment — Hall 2.GBN").
QString titel(const QString& fenstertitel, const QString& datei);

// Whether two names are one file (links resolved, and on Windows whatever the case).
bool gleicheDatei(const QString& a, const QString& b);
// The program's window that has this file open (as last saved or loaded), else null.
QWidget* offenIn(const QString& datei);
// Shows a window in front of the others, also when it was hidden or minimised.
void nachVorn(QWidget* fenster);
// A file chosen to load into fenster that another window has open: that window comes to the
// front instead, so one file is never edited in two windows at once. True when it did.
bool anderswoOffen(QWidget* fenster, const QString& datei);

// Asks "Save changes to …?" (Save / Discard / Cancel) over fenster when it holds unsaved
// changes. True when it may close: nothing to ask, saved, or discarded (verwerfen() is left to
// the caller); false for Cancel or a save that did not happen.
bool klaeren(QWidget* fenster, TBearbeitung& b);

// Exit: asks each editing window among these in turn, bringing it to the front first. False as
// soon as one is cancelled, and then no window has discarded anything; true when all may close,
// and then every one has been told to discard what was not saved.
bool alleKlaeren(const QList<QWidget*>& fenster);

} // namespace ungespeichert
