#include "app/Eingaben.h"

#include "shared/Zeilendatei.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

namespace {

// Rewrites what arrives instead of refusing it, so a paste is never lost, only made one line.
class Einzeilig : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& pos) const override {
        const QString sauber = zeilendatei::einzeilig(text);
        if (sauber.size() != text.size()) {
            // A CR LF became one space: the cursor stays after what was pasted.
            pos = int(zeilendatei::einzeilig(text.left(pos)).size());
        }
        text = sauber;
        return Acceptable;
    }
};

// Blocks never hold line breaks, so every control character found inside one is a stray one.
void steuerzeichenErsetzen(QPlainTextEdit* note) {
    static const QRegularExpression kSteuer(QStringLiteral("[\\x{0}-\\x{1f}\\x{7f}-\\x{9f}]"));
    QTextDocument* doc = note->document();
    QTextCursor treffer = doc->find(kSteuer);
    if (treffer.isNull()) return;
    QTextCursor bearbeitung(doc);
    // One undo step with the paste that brought them.
    bearbeitung.joinPreviousEditBlock();
    for (; !treffer.isNull(); treffer = doc->find(kSteuer, treffer))
        treffer.insertText(QStringLiteral(" "));
    bearbeitung.endEditBlock();
}

} // namespace

void eingabenEinrichten(QWidget* fenster) {
    for (QLineEdit* feld : fenster->findChildren<QLineEdit*>()) {
        if (feld->validator() || qobject_cast<QAbstractSpinBox*>(feld->parentWidget())) continue;
        feld->setValidator(new Einzeilig(feld));
    }
    for (QPlainTextEdit* note : fenster->findChildren<QPlainTextEdit*>())
        if (!note->isReadOnly()) notizEinrichten(note);
}

void notizEinrichten(QPlainTextEdit* note) {
    note->setTabChangesFocus(true);
    QObject::connect(note, &QPlainTextEdit::textChanged, note,
                     [note] { steuerzeichenErsetzen(note); });
}
