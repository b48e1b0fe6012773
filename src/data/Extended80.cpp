#include "data/Extended80.h"

#include <cmath>

namespace extended80 {

Bytes encode(double v) {
    Bytes b{};
    if (!std::isfinite(v)) {
        // Exponent all ones: infinity, or a quiet NaN for "no value".
        const std::uint64_t mant = std::isnan(v) ? 0xC000000000000000u : 0x8000000000000000u;
        for (int i = 0; i < 8; ++i)
            b[i] = static_cast<unsigned char>(mant >> (8 * i));
        b[8] = 0xFF;
        b[9] = static_cast<unsigned char>(std::signbit(v) ? 0xFF : 0x7F);
        return b;
    }
    const bool negativ = std::signbit(v);
    v = std::fabs(v);
    std::uint64_t mant = 0;
    int exponent = 0;
    if (v != 0.0) {
        int e2 = 0;
        const double f = std::frexp(v, &e2); // v = f * 2^e2, 0.5 <= f < 1
        mant = static_cast<std::uint64_t>(std::ldexp(f, 64));
        exponent = e2 - 1 + 16383;
    }
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<unsigned char>(mant >> (8 * i));
    const int se = exponent | (negativ ? 0x8000 : 0);
    b[8] = static_cast<unsigned char>(se & 0xFF);
    b[9] = static_cast<unsigned char>(se >> 8);
    return b;
}

} // namespace extended80
