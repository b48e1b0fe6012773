#pragma once

#include <QString>

// The files of a language data directory ("EN"), named here and nowhere else.
namespace datendatei {

inline QString katalog() {
    return QStringLiteral("produkte.qvr");
}
inline QString stofftabelle() {
    return QStringLiteral("tab.qvr");
}
inline QString adressen() {
    return QStringLiteral("Adressen.QVR");
}
inline QString bilder() {
    return QStringLiteral("Pics");
}

} // namespace datendatei
