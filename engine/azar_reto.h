// The random draws of a challenge. A round is drawn from its four-digit code
// and must come out the same on every computer, whatever its compiler or
// library: the generator (PCG32), the uniform and normal variates and the
// logarithm they need are written out here in plain IEEE arithmetic, since
// the standard library's distributions and its log differ between
// implementations.
#pragma once

#include <cstdint>

namespace rectaviva {

class AzarReto {
public:
    explicit AzarReto(std::uint64_t semilla);

    // The next 32 random bits.
    std::uint32_t siguiente();
    // A double in [0, 1) with 53 random bits.
    double uniforme();
    // An integer in desde..hasta, every one equally likely (desde <= hasta).
    int entero(int desde, int hasta);
    // A standard normal variate (Marsaglia's polar method).
    double normal();

private:
    std::uint64_t estado_ = 0;
    std::uint64_t incremento_ = 0;
    double guardada_ = 0; ///< the polar method's second variate
    bool hayGuardada_ = false;
};

// The natural logarithm of v > 0 (finite), from its binary exponent and a
// fixed atanh series: the same bits everywhere.
double logaritmoNatural(double v);

} // namespace rectaviva
