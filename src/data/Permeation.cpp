#include "data/Permeation.h"

#include <QCoreApplication>

namespace {

struct Code {
    char16_t zeichen;
    int wert;  // ranking points
    int stufe; // level shown in the grid, -1 for "?"
    const char* symbol;
    Zellart art; // the grid cell's meaning, before the swelling is looked at
};

constexpr int kUngeprueft = -1000;

// Either case of a letter reads the same. '?' (not tested) is no row: it counts as every
// character outside the table does.
// Breakthrough below ten minutes ('A', 'B') or a destroyed sample ('Z') is unsuitable, although
// the grid shows no level for it.
constexpr Zellart G = Zellart::Gut, M = Zellart::Mittel, S = Zellart::Schwach,
                  U = Zellart::Ungeeignet, N = Zellart::Ungeprueft;
const Code kCodes[] = {
    {u'0', 0, 0, "-", U},  {u'1', 1, 1, "-", S},
    {u'2', 2, 2, "-", M},  {u'3', 3, 3, "0", M},
    {u'4', 4, 4, "0", G},  {u'5', 5, 5, "+", G},
    {u'6', 6, 6, "+", G},  {u'7', 7, -1, "?", N},
    {u'8', 8, -1, "?", N}, {u'9', 9, -1, "?", N},
    {u'O', 0, 0, "?", U},  {u'A', 0, -1, "-", U},
    {u'B', 0, -1, "-", U}, {u'Z', kUngeprueft, -1, "Z", U},
};

// Green, yellow, orange, red, grey: in the order of Zellart.
constexpr quint32 kToenungen[] = {0xc6efce, 0xffeb9c, 0xffcc99, 0xffc7ce, 0xe4e4e4};

const Code* finde(QChar c) {
    // The codes are ASCII, and no other character has an ASCII capital among them.
    char16_t z = c.unicode();
    if (z >= u'a' && z <= u'z') z -= u'a' - u'A';
    for (const Code& k : kCodes)
        if (k.zeichen == z) return &k;
    return nullptr;
}

} // namespace

int permeationsWert(QChar c) {
    const Code* k = finde(c);
    return k ? k->wert : kUngeprueft;
}

int permeationsStufe(QChar c) {
    const Code* k = finde(c);
    return k ? k->stufe : -1;
}

QString resistenzsymbol(QChar c) {
    const Code* k = finde(c);
    return QString::fromLatin1(k ? k->symbol : "?");
}

bool permeationscode(QChar c) {
    return c == u'?' || finde(c) != nullptr;
}

bool quellungscode(quint8 q) {
    return q <= 5;
}

bool permeationBekannt(QChar c) {
    return permeationsStufe(c) >= 0;
}

Zellart zellart(QChar permeation, QChar quellung) {
    const Code* k = finde(permeation);
    if (!k) return Zellart::Ungeprueft;
    if (k->stufe < 0) return k->art;
    // Not resistant, destroyed or sample destroyed: the glove fails whatever its level; limited
    // swelling resistance keeps even the best level from counting as good.
    if (quellung == u'2' || quellung == u'4' || quellung == u'5') return Zellart::Ungeeignet;
    if (quellung == u'3' && k->art == Zellart::Gut) return Zellart::Mittel;
    return k->art;
}

quint32 zelltoenung(Zellart art) {
    return kToenungen[static_cast<int>(art)];
}

QString zellartText(Zellart art) {
    static const char* const texte[] = {
        QT_TRANSLATE_NOOP("TForm3", "Level 4–6"),
        QT_TRANSLATE_NOOP("TForm3", "Level 2–3 or limited swelling resistance"),
        QT_TRANSLATE_NOOP("TForm3", "Level 1"),
        QT_TRANSLATE_NOOP("TForm3", "Level 0, not resistant or destroyed: unsuitable"),
        QT_TRANSLATE_NOOP("TForm3", "Not tested")};
    return QCoreApplication::translate("TForm3", texte[static_cast<int>(art)]);
}

QList<int> roteSpalten(const QString& permeation, const QString& quellung) {
    QList<int> rot;
    for (int j = 0; j < permeation.size(); ++j)
        if (zellart(permeation[j], j < quellung.size() ? quellung[j] : QChar(u'0')) ==
            Zellart::Ungeeignet)
            rot.append(j);
    return rot;
}
