#include "data/Vektorbreite.h"

namespace {
Vektorbreite erfragen() {
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("bmi2"))
        return Vektorbreite::Avx512;
    if (__builtin_cpu_supports("avx2")) return Vektorbreite::Avx2;
#endif
    return Vektorbreite::Schmal;
}
} // namespace

Vektorbreite vektorbreite() {
    static const Vektorbreite breite = erfragen();
    return breite;
}
