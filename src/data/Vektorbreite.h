#pragma once

// How wide the vector steps of the readers' busiest loops are. Every width gives the same
// results; a wider one takes fewer instructions. Schmal is what every processor of the build
// has (SSE2 on x86-64, plain code elsewhere).
enum class Vektorbreite { Schmal, Avx2, Avx512 };

// The widest this processor offers, asked once.
Vektorbreite vektorbreite();
