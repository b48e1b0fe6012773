#pragma once

#include <QImage>

// The fixed illustration beside the chemical search's other requirements: a chemical gauntlet
// with a length arrow, a thermometer, a highlighted fingertip, the lining at the cuff and a
// shield. No words, so every language can show it.
QImage anforderungsBild(); // 420 x 300
