#include "shared/QrCode.h"

#include <qrencode.h>

#include <memory>

std::optional<QrSymbol> qrKodieren(const QByteArray& text) {
    // The largest symbol (version 40) holds 2331 bytes at level M.
    if (text.isEmpty() || text.size() > 2331) return std::nullopt;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(static_cast<int>(text.size()),
                          reinterpret_cast<const unsigned char*>(text.constData()), 0,
                          QR_ECLEVEL_M),
        &QRcode_free);
    if (!code) return std::nullopt;
    QrSymbol s;
    s.seite = code->width;
    const size_t n = static_cast<size_t>(code->width) * static_cast<size_t>(code->width);
    s.dunkel.resize(n);
    // Bit 0 of each byte is the module's colour; the others say what the module is part of.
    for (size_t i = 0; i < n; ++i)
        s.dunkel[i] = (code->data[i] & 1) != 0;
    return s;
}
