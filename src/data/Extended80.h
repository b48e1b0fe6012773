#pragma once

#include <array>
#include <optional>

// The 80-bit extended float of the catalogue's thickness field, decoded by hand so that it reads
// the same where long double is not 80 bits wide.
namespace extended80 {

using Bytes = std::array<unsigned char, 10>;

// Nothing for encodings that are not a finite number in normal form: an integer bit that is clear
// with a non-zero exponent, infinities and NaNs. Values beyond double's range are not finite.
std::optional<double> decode(const Bytes& b);

// Exact for every finite double; infinities and NaN as the 80-bit ones.
Bytes encode(double v);

} // namespace extended80
