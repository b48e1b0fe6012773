#include "app/texte/Texte.h"

#include <QHash>

namespace texte {
namespace {

const QHash<int, QString>& englisch() {
    static const QHash<int, QString> t = {
        {10015, QStringLiteral("Error!")},
        {10180, QStringLiteral("EN")},
    };
    return t;
}

} // namespace

QString text(int nummer) { return englisch().value(nummer); }

} // namespace texte
