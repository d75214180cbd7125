// What the engine's files share and its interface does not show: whether a
// sample can be fitted, a point's residual, and what the engine does where
// the float sums cannot resolve a value (the check that a value lies within
// their rounding, the precise pass over the points in use that replaces it,
// and the exact test of collinearity).
#pragma once

#include "Globales.h"
#include "redondeo.h"

#include <algorithm>
#include <limits>

namespace rectaviva::interno {

inline constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Enough points in use for a fit, and no more than the arrays hold.
inline bool hayMuestra(const Globales& g) {
    return g.nActivos >= minActivos && g.nActivos <= g.puntosReservados();
}

// The residual of point k from the current fit, evaluated in double and
// rounded to float; NaN when the sample has no fit.
inline float residuoDe(const Globales& g, Integer k) {
    return S(D(g.yObs(k)) - (D(g.intercepto) + D(g.pendiente) * D(g.xObs(k))));
}

// Whether a value formed by subtracting float running sums lies within their
// rounding. Each of the n additions into a float sum may round by half a
// unit in the last place of its running total, so a sum of n terms can be
// off by n/2 units of FLT_EPSILON times the size of its terms; centring and
// the products after it add as much again. `escala` is that size, in the
// units of the value: Σx² for Sxx, Σy² for Syy, and Σy² + b²·Σx² for
// SCErr = Syy − b²·Sxx. On samples drawn as the program draws them, near and
// far from a line, the largest error seen was 0.6·n of these units; the
// bound 2·n leaves room for the drift of the incremental sums during a drag.
// A value at or below the bound, negative values included, says nothing
// reliable about the sample, not even its sign.
bool enRuido(double valor, double escala, double n);

// Calls f(k) for each point k in use other than point `excluido` (0: none
// left out), in order.
template <class F> void paraCadaEnUso(const Globales& g, Integer excluido, F&& f) {
    const Integer ultimo = std::min(g.nPuntos, g.puntosReservados());
    for (Integer k = 1; k <= ultimo; ++k) {
        if (g.activo(k) == 1 && k != excluido) {
            f(k);
        }
    }
}

// Sxx, Syy and Sxy about the given means of the points in use other than
// point `excluido`, summed in double from the values as read.
struct SumasCentradas {
    double Sxx = 0, Syy = 0, Sxy = 0;
};
SumasCentradas sumasCentradas(const Globales& g, Integer excluido, double mediaX, double mediaY);

// The centred sums of the points in use other than point `excluido` (0: all
// of them), computed precisely: two passes in double, the means first, then
// the sum of squared residuals from the double-precision fit (0 when all x
// are equal, where no fit exists). Run only when a value from the float sums
// lies within its rounding, so the usual drag step stays constant-time.
struct Momentos {
    double mediaX = 0, mediaY = 0, Sxx = 0, Syy = 0, Sxy = 0, SCErr = 0;
};
Momentos momentosPrecisos(const Globales& g, Integer excluido);

// Whether the points in use lie exactly on one straight line (all of them on
// one point included). Decided exactly, not within a tolerance: the product
// of two float coordinates is exact in double, so the cross product of the
// vectors from one point to two others is a sum of six exact doubles, and
// its sign is that of their exact sum, found by error-free additions.
bool colineales(const Globales& g);

// The fit of a data set's points in use other than point `excluido` (0: all
// of them), in double from the values as read (ajuste_datos.cpp).
AjustePreciso ajustePreciso(const Globales& g, Integer excluido);
// The residual of point k from the data set's fit in `preciso`.
double residuoPreciso(const Globales& g, Integer k);

} // namespace rectaviva::interno
