#pragma once

#include <QtEndian>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

// The 80-bit extended float of the catalogue's thickness field, decoded by hand so that it reads
// the same where long double is not 80 bits wide.
namespace extended80 {

using Bytes = std::array<unsigned char, 10>;

// Nothing for encodings that are not a finite number in normal form: an integer bit that is clear
// with a non-zero exponent, infinities and NaNs. Values beyond double's range are not finite.
// Inline: the catalogue reader decodes one for every glove.
inline std::optional<double> decode(const Bytes& b) {
    const auto mant = qFromLittleEndian<std::uint64_t>(b.data());
    const int se = qFromLittleEndian<quint16>(b.data() + 8);
    const bool negativ = se & 0x8000;
    const int exponent = se & 0x7FFF;
    if (exponent == 0x7FFF) return std::nullopt; // infinity or NaN
    // Zero or a denormal: far below anything a double holds except zero itself.
    if (exponent == 0) return negativ ? -0.0 : 0.0;
    if (!(mant >> 63)) return std::nullopt; // no integer bit: not in normal form
    // mant * 2^k. Scaling by a power of two made from its bits is exact and far cheaper than
    // ldexp, which only stays for powers a double cannot hold.
    const int k = exponent - 16383 - 63;
    const double d = static_cast<double>(mant);
    const double wert =
        k < -1022 || k > 1023
            ? std::ldexp(d, k)
            : d * std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
    if (!std::isfinite(wert)) return std::nullopt;
    return negativ ? -wert : wert;
}

// Exact for every finite double; infinities and NaN as the 80-bit ones.
Bytes encode(double v);

} // namespace extended80
