#pragma once

#include <QWidget>

// The start picture: no frame, centred on the screen, 443 x 385 filled by one JPEG picture.
class TFormSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TFormSplashScreen(QWidget* parent = nullptr);

    // Whether the picture could be read (a missing one leaves the area blank).
    bool hatBild() const { return !m_bild.isNull(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_bild;
};
