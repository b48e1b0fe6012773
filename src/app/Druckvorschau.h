#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;

// The print preview: every page of a printout as the printer will get it, with zoom, an overview
// of all pages and the page setup. Print closes it accepted; the job itself is the caller's, so
// it goes where every job of the program goes.
class Druckvorschau : public QDialog {
    Q_OBJECT
public:
    Druckvorschau(QPrinter& drucker, const QString& titel,
                  const std::function<void(QPrinter&)>& zeichnen, QWidget* parent);

    // Whether the user changed the page setup here; the printer keeps that. A printout that
    // turns the page turns the printer while it is drawn, which is the preview's own doing.
    bool eingerichtet() const { return m_eingerichtet; }

private:
    void seiteZeigen();
    void seiteEinrichten();

    QPrinter& m_drucker;
    QPrintPreviewWidget* m_vorschau;
    QLabel* m_seite;
    bool m_eingerichtet = false;
};
