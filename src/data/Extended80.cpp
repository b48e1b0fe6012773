#include "data/Extended80.h"

#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstdint>

namespace extended80 {

namespace {

// m * 2^k. Scaling by a power of two made from its bits is exact and far cheaper than ldexp,
// which only stays for powers a double cannot hold.
double skaliert(std::uint64_t m, int k) {
    const double d = static_cast<double>(m);
    if (k < -1022 || k > 1023) return std::ldexp(d, k);
    return d * std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

} // namespace

std::optional<double> decode(const Bytes& b) {
    const auto mant = qFromLittleEndian<std::uint64_t>(b.data());
    const int se = qFromLittleEndian<quint16>(b.data() + 8);
    const bool negativ = se & 0x8000;
    const int exponent = se & 0x7FFF;
    if (exponent == 0x7FFF) return std::nullopt; // infinity or NaN
    // Zero or a denormal: far below anything a double holds except zero itself.
    if (exponent == 0) return negativ ? -0.0 : 0.0;
    if (!(mant >> 63)) return std::nullopt; // no integer bit: not in normal form
    const double wert = skaliert(mant, exponent - 16383 - 63);
    if (!std::isfinite(wert)) return std::nullopt;
    return negativ ? -wert : wert;
}

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
