#include "app/Klartext.h"

#include <QLabel>

void labelsKlartext(QWidget* fenster) {
    for (QLabel* l : fenster->findChildren<QLabel*>())
        if (l->textFormat() == Qt::AutoText) l->setTextFormat(Qt::PlainText);
}
