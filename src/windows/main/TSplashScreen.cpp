#include "windows/main/TSplashScreen.h"

#include "app/Bildschirm.h"

#include <QImageReader>
#include <QPainter>

TFormSplashScreen::TFormSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TFormSplashScreen"));
    setFixedSize(443, 385);
    QImageReader leser(QStringLiteral(":/images/splash.jpg"), "jpeg");
    m_bild = leser.read();
    const QSize bild = bildschirm::groesse();
    move((bild.width() - width()) / 2, (bild.height() - height()) / 2);
}

void TFormSplashScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!m_bild.isNull()) p.drawImage(rect(), m_bild);
}
