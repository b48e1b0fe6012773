#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QStackedWidget>
#include <QTimer>
#include <QWidget>

#include <functional>

// Helpers of the window tests: controls by object name, and modal windows that a test works in.

// The control `name` below w; the test ends at once when there is none.
template <class T = QWidget> T* kind(const QObject* w, const QString& name) {
    T* k = w->findChild<T*>(name);
    if (!k) qFatal("no control %s", qPrintable(name));
    return k;
}

// The name of the page a notebook shows ("Vorgabe", "Strick", "Electro", "Iso", ...): its
// property "seite" where two pages share a name, else its object name.
inline QString seitenname(const QStackedWidget* notebook) {
    const QWidget* seite = notebook->currentWidget();
    if (!seite) return {};
    const QVariant name = seite->property("seite");
    return name.isValid() ? name.toString() : seite->objectName();
}

// Clicks the button `name` below w.
inline void klick(const QObject* w, const QString& name) {
    kind<QAbstractButton>(w, name)->click();
}

// Runs `ausloesen`, which is to open a modal window of type T, and `bedienen` on that window
// while it is up; the window is closed after if `bedienen` left it open. False when `ausloesen`
// returned without one, or none came up within five seconds: then whatever did come up modal is
// closed, so the test fails instead of waiting. With T = QWidget it also tells whether anything
// modal came at all.
template <class T>
[[nodiscard]] bool imModalenFenster(const std::function<void()>& ausloesen,
                                    const std::function<void(T&)>& bedienen) {
    bool gesehen = false;
    QElapsedTimer uhr;
    uhr.start();
    QTimer wache;
    wache.setInterval(10);
    QObject::connect(&wache, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* f = qobject_cast<T*>(modal)) {
            wache.stop();
            gesehen = true;
            bedienen(*f);
            if (f->isVisible()) f->close();
        } else if (uhr.elapsed() > 5000) {
            wache.stop();
            if (modal) modal->close();
        }
    });
    wache.start();
    ausloesen();
    return gesehen;
}
