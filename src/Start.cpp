#include "Start.h"

#include "windows/main/TSplashScreen.h"

#include <QApplication>
#include <QThread>

std::unique_ptr<TForm1> programmStarten(TStartVorgaben vorgaben) {
    auto splash = std::make_unique<TFormSplashScreen>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    QApplication::setApplicationName(QStringLiteral("Ardentix"));

    auto form1 = std::make_unique<TForm1>(vorgaben.programmVerzeichnis,
                                          std::move(vorgaben.einstellungen), splash.get());
    if (!form1->bereit()) return nullptr;
    form1->fensterErzeugen();

    // The start-up is single-threaded: the splash simply stays a moment longer.
    QThread::msleep(static_cast<unsigned long>(vorgaben.pauseMs));
    splash.reset();
    form1->show();
    return form1;
}
