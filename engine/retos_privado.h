// What the rounds of every challenge share: the plot's edges, whole plot
// units, and the draws that keep a point inside the plot.
#pragma once

#include "azar_reto.h"
#include "redondeo.h"
#include "retos.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace rectaviva::plano {

// The points stay inside -30..90 on both axes: within the plot, clear of
// its edges and handles.
inline constexpr double kBorde0 = -30, kBorde1 = 90;

inline bool dentro(double v) {
    return v >= kBorde0 && v <= kBorde1;
}

// Whole plot units, halves to even like every sample of the program.
inline PuntoReto punto(double x, double y) {
    return {static_cast<float>(redondearPar(std::clamp(x, kBorde0, kBorde1))),
            static_cast<float>(redondearPar(std::clamp(y, kBorde0, kBorde1)))};
}

// A point from `dibujar` (which draws one from the generator), drawn again
// while it falls outside the plot; after 100 tries it is kept at the edge.
template <class F> PuntoReto dentroDelPlano(F dibujar) {
    for (int intento = 0; intento < 100; ++intento) {
        const auto [x, y] = dibujar();
        if (dentro(x) && dentro(y)) {
            return punto(x, y);
        }
    }
    const auto [x, y] = dibujar();
    return punto(x, y);
}

// A whole number in desde..hasta, as a coordinate.
inline double entre(AzarReto& a, int desde, int hasta) {
    return a.entero(desde, hasta);
}

inline double signo(AzarReto& a) {
    return a.uniforme() < 0.5 ? -1.0 : 1.0;
}

// The streams of a residual round's code: 0 draws the pattern (as
// rondaDeCodigo seeds every challenge), 1 + the pattern draws its points.

inline std::uint64_t semillaDeResiduos(int codigo, int flujo) {
    return ((static_cast<std::uint64_t>(Reto::Residuos) << 32U) |
            static_cast<std::uint32_t>(codigo)) ^
           (static_cast<std::uint64_t>(flujo) << 40U);
}

} // namespace rectaviva::plano
