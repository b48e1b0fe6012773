#pragma once

#include <QAccessible>
#include <QStackedWidget>
#include <QStringList>
#include <QWidget>

// What a screen reader announces: controls a user acts on, and pictures, each need a name.
namespace zugaenglichkeit {

inline bool bedienbar(QAccessible::Role rolle) {
    switch (rolle) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Graphic:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

inline void sammeln(QAccessibleInterface* i, const QString& pfad, QStringList& fehlt) {
    if (!i || !i->isValid() || i->state().invisible) return;
    const QString name = i->object() && !i->object()->objectName().isEmpty()
                             ? i->object()->objectName()
                             : QStringLiteral("#%1").arg(int(i->role()), 0, 16);
    const QString hier = pfad.isEmpty() ? name : pfad + QLatin1Char('/') + name;
    if (bedienbar(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty()) fehlt << hier;
    // A list's or table's items carry their own texts; the container's name is what counts.
    if (i->role() == QAccessible::List || i->role() == QAccessible::Table) return;
    for (int k = 0; k < i->childCount(); ++k)
        sammeln(i->child(k), hier, fehlt);
}

// The visible controls and pictures of a shown window that have no accessible name, on every
// page of its notebooks in turn; each notebook is left on the page it showed.
inline QStringList unbenannt(QWidget* fenster) {
    QStringList fehlt;
    sammeln(QAccessible::queryAccessibleInterface(fenster), {}, fehlt);
    for (QStackedWidget* stapel : fenster->findChildren<QStackedWidget*>()) {
        const int vorher = stapel->currentIndex();
        for (int k = 0; k < stapel->count(); ++k) {
            stapel->setCurrentIndex(k);
            sammeln(QAccessible::queryAccessibleInterface(fenster), {}, fehlt);
        }
        stapel->setCurrentIndex(vorher);
    }
    fehlt.removeDuplicates();
    return fehlt;
}

} // namespace zugaenglichkeit
