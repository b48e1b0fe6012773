#include "data/Materialgruppen.h"

const std::array<Materialgruppe, 9>& materialgruppen() {
    static const std::array<Materialgruppe, 9> g = {{
        {{4101, 6101, 7101}, 4101},             // natural latex I
        {{4111, 4112}, 4111},                   // natural latex II
        {{4201, 4202, 4203, 4204, 6201}, 4201}, // chloroprene
        {{4301, 4302, 4303, 4304, 4305, 4306, 4307, 4308, 6301, 7301, 7302}, 4301}, // nitrile I
        {{4311, 4312}, 4311},                                                       // nitrile II
        {{4321}, 4321},                                                             // nitrile III
        {{4501}, 4501},                                                             // Viton
        {{4401}, 4401},                                                             // butyl I
        {{4402}, 4402},                                                             // butyl II
    }};
    return g;
}
