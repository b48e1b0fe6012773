#include "data/Planfarbe.h"

#include <array>

quint8 farbcode(const THandschuh& h) {
    if (const TElectro* e = alsElectro(h)) return e->Elektrowerte[10];
    return alsStrick(h)->Strickwerte[5];
}

quint32 planfarbe(int code) {
    static constexpr std::array<quint32, 24> kFarben = {
        0xFFFF00, 0xDBE005, 0xDF5206, 0x000000, 0x0000FF, 0x804000, 0x007D00, 0x00FF00,
        0xF4F096, 0xFFBC31, 0xFFFFFF, 0xFFFFFF, 0xFCC1AB, 0xFF0000, 0xFFFFFF, 0x0000FF,
        0xEFE0D3, 0xFDD209, 0xAADCDC, 0x00BB64, 0x888888, 0xFFFF00, 0xFFFFFF, 0xFFFF00};
    return code >= 0 && code < int(kFarben.size()) ? kFarben[std::size_t(code)] : 0xBBBBBB;
}
