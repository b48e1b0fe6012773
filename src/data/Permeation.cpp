#include "data/Permeation.h"

namespace {

struct Code {
    char16_t zeichen;
    int wert;  // ranking points
    int stufe; // level shown in the grid, -1 for "?"
    const char* symbol;
};

constexpr int kUngeprueft = -1000;

// Either case of a letter reads the same.
const Code kCodes[] = {
    {u'0', 0, 0, "-"},  {u'1', 1, 1, "-"},
    {u'2', 2, 2, "-"},  {u'3', 3, 3, "0"},
    {u'4', 4, 4, "0"},  {u'5', 5, 5, "+"},
    {u'6', 6, 6, "+"},  {u'7', 7, -1, "?"},
    {u'8', 8, -1, "?"}, {u'9', 9, -1, "?"},
    {u'O', 0, 0, "?"},  {u'A', 0, -1, "-"},
    {u'B', 0, -1, "-"}, {u'Z', kUngeprueft, -1, "Z"},
};

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
