#pragma once

#include "windows/main/Verlauf.h"

#include <QTextBrowser>

// The viewer of the information pages: HTML pages with tables, formatting, pictures and anchors,
// read from local files by their full names only (nothing is fetched from the network, the
// current directory is never used), with a history of at most ten documents. Only plain files
// inside the pages' folder are read, whatever a page names. A clicked link is
// first reported with its target text as the page writes it, then followed if it names an
// anchor, a page or a picture of the page's directory, or handed to the browser or mail program
// if it is a web or mail address.
class THtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    // ordner: the language's HTML folder.
    THtmlViewer(const QString& ordner, QWidget* parent);

    // Shows the page or picture at the full file name datei, scrolled to anker if given. A missing
    // file is reported ("Can't locate file: " and its name) and the shown document stays.
    bool laden(const QString& datei, const QString& anker = {});

    // The full file name of the shown document; empty before the first.
    QString dokument() const { return m_verlauf.aktuell(); }
    const TVerlauf& verlauf() const { return m_verlauf; }
    void zurueck();
    void vor();

Q_SIGNALS:
    // A link was clicked; ziel is its target as written in the page.
    void hotSpotClick(const QString& ziel);
    void verlaufGeaendert();

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void verknuepfungFolgen(const QUrl& url);
    void gehe(int schritt);
    void zeigen(const QString& datei, const QString& anker);
    void positionSetzen(int position);
    QString seitendatei(const QUrl& name) const;

    QString m_ordner;
    TVerlauf m_verlauf;
    QString m_ziel; // the target of the link being activated, as written
};
