#include "app/Dialoge.h"

#include "app/Druckvorschau.h"
#include "app/Klartext.h"
#include "app/Notiz.h"
#include "shared/Einstellungen.h"

#include <QAbstractPrintDialog>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace dialoge {
namespace {

QString dokumentordner() {
    return startordner(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                       QDir::homePath());
}

// Beside the user's details, not below them: a key below would mark the details as set up.
const QString kSchluesselOrdner = QStringLiteral("SOFTWARE\\QVR\\Folders");

struct Art {
    const char* name;   // the value's name in the store
    const char* endung; // what the save dialog's offered name ends in
};
Art art(Dateiart a) {
    switch (a) {
    case Dateiart::Plan:
        return {"PLN", "PLN"};
    case Dateiart::Gefahrenanalyse:
        return {"GAN", "GAN"};
    case Dateiart::Bewertung:
        return {"GBN", "GBN"};
    case Dateiart::Pdf:
        return {"PDF", "pdf"};
    case Dateiart::Tabelle:
        return {"CSV", "csv"};
    }
    return {"", ""};
}

TEinstellungen*& ordnerspeicher() {
    static TEinstellungen* s = nullptr;
    return s;
}

QHash<QString, QString>& ordnerDesLaufs() {
    static QHash<QString, QString> h;
    return h;
}

QString letzterOrdner(Dateiart a) {
    const QString name = QLatin1String(art(a).name);
    QString ordner = ordnerDesLaufs().value(name);
    if (ordner.isEmpty() && ordnerspeicher())
        if (const auto werte = ordnerspeicher()->lesen(kSchluesselOrdner, {name}))
            ordner = werte->value(0);
    // A folder since removed, or a value that is no folder, is not offered.
    return !ordner.isEmpty() && QFileInfo(ordner).isDir() ? ordner : dokumentordner();
}

void ordnerMerken(Dateiart a, const std::optional<QString>& gewaehlt) {
    if (!gewaehlt || gewaehlt->isEmpty()) return;
    const QString name = QLatin1String(art(a).name);
    const QString ordner = QFileInfo(*gewaehlt).absolutePath();
    ordnerDesLaufs().insert(name, ordner);
    if (ordnerspeicher()) ordnerspeicher()->schreiben(kSchluesselOrdner, {name}, {ordner});
}

// Messages quote file names and lines from files: the box shows them as plain text.
QMessageBox::StandardButton kasten(QWidget* parent, QMessageBox::Icon art, const QString& caption,
                                   const QString& text, QMessageBox::StandardButtons knoepfe) {
    QMessageBox box(art, caption, text, knoepfe, parent);
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(box.exec());
}

// The user answers, through Qt's dialogs.
class QtDialoge : public Beantworter {
public:
    void meldung(QWidget* parent, const QString& caption, const QString& text) override {
        kasten(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
    }
    void hinweis(QWidget* parent, const QString& caption, const QString& text) override {
        kasten(parent, QMessageBox::Information, caption, text, QMessageBox::Ok);
    }
    void notiz(QWidget* bei, const QString& text) override { notiz::zeigen(bei, text); }
    bool frage(QWidget* parent, const QString& caption, const QString& text) override {
        return kasten(parent, QMessageBox::Question, caption, text,
                      QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    Entscheidung speichernFragen(QWidget* parent, const QString& caption,
                                 const QString& text) override {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
        // The language module's words, not Qt's own translations; each with its key.
        box.addButton(QCoreApplication::translate("dialoge", "&Save"), QMessageBox::AcceptRole);
        QAbstractButton* verwerfen = box.addButton(
            QCoreApplication::translate("dialoge", "&Discard"), QMessageBox::DestructiveRole);
        QPushButton* abbrechen = box.addButton(QCoreApplication::translate("dialoge", "&Cancel"),
                                               QMessageBox::RejectRole);
        box.setDefaultButton(abbrechen);
        box.setEscapeButton(abbrechen);
        box.exec();
        if (box.clickedButton() == abbrechen || !box.clickedButton())
            return Entscheidung::Abbrechen;
        return box.clickedButton() == verwerfen ? Entscheidung::Verwerfen : Entscheidung::Speichern;
    }
    std::optional<QString> eingabe(QWidget* parent, const QString& caption, const QString& label,
                                   const QString& vorgabe) override {
        QInputDialog dlg(parent);
        dlg.setWindowTitle(caption);
        dlg.setLabelText(label);
        dlg.setTextValue(vorgabe);
        labelsKlartext(&dlg);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        return dlg.textValue();
    }
    std::optional<QString> oeffnen(QWidget* parent, const QString& caption, const QString& filter,
                                   const QString& start) override {
        const QString s = QFileDialog::getOpenFileName(parent, caption, start, filter);
        if (s.isEmpty()) return std::nullopt;
        return s;
    }
    std::optional<QString> speichern(QWidget* parent, const QString& caption, const QString& filter,
                                     const QString& start) override {
        const QString s = QFileDialog::getSaveFileName(parent, caption, start, filter);
        if (s.isEmpty()) return std::nullopt;
        return s;
    }
    void druckerEinrichten(QWidget* parent, QPrinter& drucker) override {
        QPrintDialog dlg(&drucker, parent);
        dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
        dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        // The dialog only chooses; the printouts' own Print buttons start jobs.
        if (auto* knoepfe = dlg.findChild<QDialogButtonBox*>())
            if (auto* ok = knoepfe->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
        dlg.exec();
    }
    bool vorschau(QWidget* parent, QPrinter& drucker, const QString& titel,
                  const std::function<void(QPrinter&)>& zeichnen) override {
        const QPageLayout vorher = drucker.pageLayout();
        Druckvorschau dlg(drucker, titel, zeichnen, parent);
        const bool drucken = dlg.exec() == QDialog::Accepted;
        // The job starts from the printer as it was, so a printout without an orientation of
        // its own prints as it did before it was looked at.
        if (!dlg.eingerichtet()) drucker.setPageLayout(vorher);
        return drucken;
    }
};

std::unique_ptr<Beantworter>& beantworter() {
    static std::unique_ptr<Beantworter> b = std::make_unique<QtDialoge>();
    return b;
}

// While a box is up, the windows that stay on top of all others (the splash) step down: window
// managers keep them above every box, even one they own, and the program would look hung
// behind them. Every such window, not only the box's own: a window still hidden at start-up
// (the chemical search reading its table) reports under the splash too.
class Zurueckgestellt {
public:
    Zurueckgestellt() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
                m_fenster.append(w);
                setzen(w, false);
            }
    }
    ~Zurueckgestellt() {
        for (const QPointer<QWidget>& w : m_fenster)
            if (w) setzen(w, true);
    }
    Zurueckgestellt(const Zurueckgestellt&) = delete;
    Zurueckgestellt& operator=(const Zurueckgestellt&) = delete;

private:
    static void setzen(QWidget* w, bool oben) {
        w->setWindowFlag(Qt::WindowStaysOnTopHint, oben);
        w->show(); // changed flags hide a window
    }
    QList<QPointer<QWidget>> m_fenster;
};

} // namespace

QString startordner(const QString& dokumente, const QString& heim) {
    // A documents folder that does not exist would be offered as the file name.
    return !dokumente.isEmpty() && QDir(dokumente).exists() ? dokumente : heim;
}

QString dateivorschlag(const QString& text) {
    QString s = text;
    for (QChar& c : s)
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|.").contains(c))
            c = u' ';
    return s.simplified();
}

QString namensvorschlag(const QString& datei, const QString& text, const QString& art,
                        const QDate& heute) {
    if (!datei.isEmpty()) return QFileInfo(datei).absoluteFilePath();
    const QString name = dateivorschlag(text);
    return name.isEmpty() ? art + u' ' + heute.toString(Qt::ISODate) : name;
}

void ordnerspeicherSetzen(TEinstellungen* speicher) {
    ordnerspeicher() = speicher;
    ordnerDesLaufs().clear();
}

void beantworterSetzen(std::unique_ptr<Beantworter> b) {
    beantworter() = b ? std::move(b) : qtDialoge();
}

std::unique_ptr<Beantworter> qtDialoge() {
    return std::make_unique<QtDialoge>();
}

void meldung(QWidget* parent, const QString& caption, const QString& text) {
    const Zurueckgestellt z;
    beantworter()->meldung(parent, caption, text);
}

void hinweis(QWidget* parent, const QString& caption, const QString& text) {
    const Zurueckgestellt z;
    beantworter()->hinweis(parent, caption, text);
}

void notiz(QWidget* bei, const QString& text) {
    beantworter()->notiz(bei, text);
}

void gespeichert(QWidget* bei, const QString& pfad) {
    notiz(
        bei,
        QCoreApplication::translate("dialoge", "Saved as %1").arg(QDir::toNativeSeparators(pfad)));
}

bool frage(QWidget* parent, const QString& caption, const QString& text) {
    const Zurueckgestellt z;
    return beantworter()->frage(parent, caption, text);
}

Entscheidung speichernFragen(QWidget* parent, const QString& caption, const QString& text) {
    const Zurueckgestellt z;
    return beantworter()->speichernFragen(parent, caption, text);
}

std::optional<QString> eingabe(QWidget* parent, const QString& caption, const QString& label,
                               const QString& vorgabe) {
    const Zurueckgestellt z;
    return beantworter()->eingabe(parent, caption, label, vorgabe);
}

std::optional<QString> oeffnen(QWidget* parent, const QString& caption, const QString& filter,
                               Dateiart a) {
    const Zurueckgestellt z;
    const auto gewaehlt = beantworter()->oeffnen(parent, caption, filter, letzterOrdner(a));
    ordnerMerken(a, gewaehlt);
    return gewaehlt;
}

std::optional<QString> speichern(QWidget* parent, const QString& caption, const QString& filter,
                                 Dateiart a, const QString& vorschlag) {
    const Zurueckgestellt z;
    QString start = letzterOrdner(a);
    if (QDir::isAbsolutePath(vorschlag))
        start = vorschlag;
    else if (const QString name = dateivorschlag(vorschlag); !name.isEmpty())
        start = QDir(start).filePath(name + u'.' + QLatin1String(art(a).endung));
    const auto gewaehlt = beantworter()->speichern(parent, caption, filter, start);
    ordnerMerken(a, gewaehlt);
    return gewaehlt;
}

void druckerEinrichten(QWidget* parent, QPrinter& drucker) {
    beantworter()->druckerEinrichten(parent, drucker);
}

bool vorschau(QWidget* parent, QPrinter& drucker, const QString& titel,
              const std::function<void(QPrinter&)>& zeichnen) {
    const Zurueckgestellt z;
    return beantworter()->vorschau(parent, drucker, titel, zeichnen);
}

} // namespace dialoge
