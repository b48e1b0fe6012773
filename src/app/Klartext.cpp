#include "app/Klartext.h"

#include <QLabel>
#include <QTextDocument>

void labelsKlartext(QWidget* fenster) {
    for (QLabel* l : fenster->findChildren<QLabel*>())
        if (l->textFormat() == Qt::AutoText) l->setTextFormat(Qt::PlainText);
}

void labelKlartext(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
}

QString tippKlartext(const QString& text) {
    // A paragraph tag makes Qt take the tip as rich text, which then shows the escaped
    // characters as written; line breaks stay line breaks.
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}
