// PCG32 (XSH RR, O'Neill 2014), its uniforms and normals, and a logarithm
// that every library computes alike.
#include "azar_reto.h"

#include <cmath>

namespace rectaviva {

namespace {

constexpr std::uint64_t kMultiplicador = 6364136223846793005ULL;

// SplitMix64: spreads a small seed (a four-digit code) over all 64 bits.
std::uint64_t mezclar(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

AzarReto::AzarReto(std::uint64_t semilla) : incremento_((mezclar(semilla + 1) << 1) | 1U) {
    siguiente();
    estado_ += mezclar(semilla);
    siguiente();
}

std::uint32_t AzarReto::siguiente() {
    const std::uint64_t anterior = estado_;
    estado_ = anterior * kMultiplicador + incremento_;
    const auto mezcla = static_cast<std::uint32_t>(((anterior >> 18U) ^ anterior) >> 27U);
    const auto giro = static_cast<std::uint32_t>(anterior >> 59U);
    return (mezcla >> giro) | (mezcla << ((32U - giro) & 31U));
}

double AzarReto::uniforme() {
    const std::uint64_t alto = siguiente() >> 5U; // 27 bits
    const std::uint64_t bajo = siguiente() >> 6U; // 26 bits
    return static_cast<double>((alto << 26U) | bajo) * 0x1p-53;
}

int AzarReto::entero(int desde, int hasta) {
    const auto rango = static_cast<std::uint32_t>(hasta - desde) + 1U;
    // Draws beyond the last whole multiple of the range are drawn again, so
    // that no value comes up more often than another.
    const std::uint32_t limite = (0U - rango) % rango;
    std::uint32_t r = siguiente();
    while (r < limite) {
        r = siguiente();
    }
    return desde + static_cast<int>(r % rango);
}

double AzarReto::normal() {
    if (hayGuardada_) {
        hayGuardada_ = false;
        return guardada_;
    }
    double u = 0, v = 0, s = 0;
    do {
        u = 2.0 * uniforme() - 1.0;
        v = 2.0 * uniforme() - 1.0;
        s = u * u + v * v;
    } while (s >= 1.0 || s == 0.0);
    // sqrt is correctly rounded in IEEE arithmetic: the same everywhere.
    const double f = std::sqrt(-2.0 * logaritmoNatural(s) / s);
    guardada_ = v * f;
    hayGuardada_ = true;
    return u * f;
}

double logaritmoNatural(double v) {
    int e = 0;
    double m = std::frexp(v, &e); // exact: v = m · 2^e, m in [0.5, 1)
    if (m < 0.70710678118654752) {
        m *= 2.0;
        --e;
    }
    // ln m = 2 atanh t with |t| <= 0.1716; 14 terms leave under 1e-21.
    const double t = (m - 1.0) / (m + 1.0);
    const double t2 = t * t;
    double termino = t, suma = 0;
    for (int k = 1; k <= 27; k += 2) {
        suma += termino / k;
        termino *= t2;
    }
    return 2.0 * suma + e * 0.69314718055994531;
}

} // namespace rectaviva
