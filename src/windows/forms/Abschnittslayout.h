#pragma once

#include <array>

// Where the seven sections of the hazard analysis stand: a closed section shows only its check
// box, an open one its whole design height, all scaled by screen width / 1024.
struct Abschnittslage {
    std::array<int, 7> oben{}; // top of p1..p7
    std::array<int, 7> hoehe{};
    int ende = 0; // top of p8, the end of the scrolling area
};

// unterKopf: bottom of the company block x1 (its top plus its height); tags: the sections'
// design heights when open.
Abschnittslage abschnittsLayout(int bildschirmBreite, int unterKopf, const std::array<int, 7>& tags,
                                const std::array<bool, 7>& offen);
