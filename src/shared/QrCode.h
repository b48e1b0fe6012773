#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// A QR code symbol: its modules row by row, without the quiet zone that must surround it.
struct QrSymbol {
    int seite = 0; // modules per side
    std::vector<bool> dunkel;
    bool at(int x, int y) const {
        return dunkel[static_cast<size_t>(y) * static_cast<size_t>(seite) + static_cast<size_t>(x)];
    }
};

// The modules of the quiet zone on each side, as scanners expect them.
inline constexpr int kQrRuhezone = 4;

// The smallest symbol holding text as bytes, at error correction level M (a creased or
// smudged printed page still scans); nothing when no symbol holds that much.
std::optional<QrSymbol> qrKodieren(const QByteArray& text);
