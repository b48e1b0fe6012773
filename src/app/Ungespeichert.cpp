#include "app/Ungespeichert.h"

#include "app/Dialoge.h"
#include "texte/Texte.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

namespace ungespeichert {

QString titel(const QString& fenstertitel, const QString& datei) {
    return datei.isEmpty() ? fenstertitel
                           : fenstertitel + QStringLiteral(" — ") + QFileInfo(datei).fileName();
}

bool gleicheDatei(const QString& a, const QString& b) {
    const auto pfad = [](const QString& name) {
        const QFileInfo f(name);
        const QString echt = f.canonicalFilePath();
        return echt.isEmpty() ? f.absoluteFilePath() : echt;
    };
#if defined(Q_OS_WIN)
    constexpr Qt::CaseSensitivity gross = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity gross = Qt::CaseSensitive;
#endif
    return !a.isEmpty() && !b.isEmpty() && pfad(a).compare(pfad(b), gross) == 0;
}

QWidget* offenIn(const QString& datei) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (const auto* b = dynamic_cast<const TBearbeitung*>(w);
            b && gleicheDatei(b->datei(), datei))
            return w;
    }
    return nullptr;
}

void nachVorn(QWidget* fenster) {
    fenster->setWindowState(fenster->windowState() & ~Qt::WindowMinimized);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

bool anderswoOffen(QWidget* fenster, const QString& datei) {
    QWidget* w = offenIn(datei);
    if (!w || w == fenster) return false;
    nachVorn(w);
    return true;
}

QString dokumentname(const QString& datei, const QString& titel) {
    return datei.isEmpty() ? titel : QFileInfo(datei).fileName();
}

bool klaeren(QWidget* fenster, TBearbeitung& b) {
    if (!b.ungespeichert()) return true;
    const QString frage = QCoreApplication::translate("ungespeichert", "Save changes to \"%1\"?")
                              .arg(b.dokumentname());
    switch (dialoge::speichernFragen(fenster, texte::text(10118), frage)) {
    case dialoge::Entscheidung::Speichern:
        return b.speichern();
    case dialoge::Entscheidung::Verwerfen:
        return true;
    case dialoge::Entscheidung::Abbrechen:
        break;
    }
    return false;
}

bool alleKlaeren(const QList<QWidget*>& fenster) {
    QList<TBearbeitung*> geklaert;
    for (QWidget* w : fenster) {
        auto* b = dynamic_cast<TBearbeitung*>(w);
        if (!b || !b->ungespeichert()) continue;
        // The question stands in front of the window it is about, hidden, minimised or not.
        nachVorn(w);
        if (!klaeren(w, *b)) return false;
        geklaert.append(b);
    }
    for (TBearbeitung* b : geklaert)
        b->verwerfen();
    return true;
}

} // namespace ungespeichert
