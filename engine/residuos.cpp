// The residual view's engine operation: every point's residual from the fit.
#include "Calculos.h"
#include "comun.h"
#include "dato.h"

#include <cfloat>
#include <cmath>

namespace rectaviva {

using interno::hayMuestra;
using interno::kNaN;
using interno::residuoDe;

namespace {

// A data set's residuals from its double-precision fit. Their sum is 0 for
// any least-squares line; what the doubles leave of it is rounding, within
// the size of the terms that cancel, and shows as 0.
void residuosDatos(Globales& g) {
    double suma = 0, escala = 0;
    for (Integer k = 1; k <= g.puntosReservados(); ++k) {
        if (k > g.nPuntos) {
            g.residuo(k) = kNaN;
            continue;
        }
        const double e = interno::residuoPreciso(g, k);
        g.residuo(k) = S(e);
        if (g.activo(k) == 1) {
            suma += e;
            escala +=
                std::fabs(valorY(g, k)) + std::fabs(g.preciso.mediaY) +
                std::fabs(g.preciso.b) * (std::fabs(valorX(g, k)) + std::fabs(g.preciso.mediaX));
        }
    }
    const double holgura = 4.0 * g.preciso.n * DBL_EPSILON;
    g.sumaResiduos = std::fabs(suma) <= holgura * escala ? 0.0f : S(suma);
    g.sumaCuadradosResiduos = S(g.preciso.SCErr);
}

} // namespace

void Calculos::residuos() {
    Globales& g = g_;
    // The influence view reads the residuals too (its tooltip shows them), and
    // a residual round plots them.
    if ((g.residuosActivos != 1 && g.influenciaActiva != 1 && g.retoResiduosActivo != 1) ||
        !hayMuestra(g)) {
        return;
    }
    if (g.datosCargados == 1) {
        residuosDatos(g);
        return;
    }
    double suma = 0;
    double cuadrados = 0;
    for (Integer k = 1; k <= g.puntosReservados(); ++k) {
        g.residuo(k) = k <= g.nPuntos ? residuoDe(g, k) : kNaN;
        if (k <= g.nPuntos && g.activo(k) == 1) {
            suma += D(g.residuo(k));
            cuadrados += D(g.residuo(k)) * D(g.residuo(k));
        }
    }
    g.sumaResiduos = S(suma);
    g.sumaCuadradosResiduos = S(cuadrados);
}

} // namespace rectaviva
