#include "windows/forms/Abschnittslayout.h"

#include <cmath>

namespace {

// Halves go to the even neighbour, so 12.5 gives 12 on a 1280-pixel screen.
int runden(double x) {
    return int(std::nearbyint(x));
}

} // namespace

Abschnittslage abschnittsLayout(int bildschirmBreite, int unterKopf, const std::array<int, 7>& tags,
                                const std::array<bool, 7>& offen) {
    // The factor is single precision, as the layouts were fitted with.
    const float a = float(bildschirmBreite) / 1024.0f;
    const int zu = runden(32.0 * a);
    const int abstand = runden(10.0 * a);
    Abschnittslage l;
    int y = unterKopf + abstand;
    for (std::size_t i = 0; i < 7; ++i) {
        l.oben[i] = y;
        l.hoehe[i] = offen[i] ? runden(double(a) * tags[i]) : zu;
        y += l.hoehe[i] + abstand;
    }
    l.ende = y;
    return l;
}
