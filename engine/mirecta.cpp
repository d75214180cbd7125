// The engine's part of "Mi recta": the sum of squares of the student's line.
#include "Calculos.h"
#include "comun.h"
#include "dato.h"

namespace rectaviva {

void Calculos::sumaCuadradosRecta(const Single& a, const Single& b) {
    Globales& g = g_;
    if (!interno::hayMuestra(g)) {
        return;
    }
    const double A = a;
    const double B = b;
    if (g.datosCargados == 1) {
        // A data set's sums would cancel every digit: one pass over its points.
        double sc = 0;
        for (Integer k = 1; k <= g.nPuntos && k <= g.puntosReservados(); ++k) {
            if (g.activo(k) == 1) {
                const double e = valorY(g, k) - (A + B * valorX(g, k));
                sc += e * e;
            }
        }
        g.scMiRecta = S(sc);
        return;
    }
    const double n = g.nActivos;
    // Σ(y − a − b·x)² expanded over the five sums.
    const double sc = D(g.sumaY2) - 2.0 * A * D(g.sumaY) - 2.0 * B * D(g.sumaXY) + n * A * A +
                      2.0 * A * B * D(g.sumaX) + B * B * D(g.sumaX2);
    // The expansion subtracts sums far larger than a small result, so for a
    // line through or next to every point it can come out a rounding below
    // 0; a sum of squares is never negative, so that rounding reads as 0.
    g.scMiRecta = sc < 0 ? 0.0f : S(sc);
}

} // namespace rectaviva
