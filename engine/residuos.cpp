// The residual view's engine operation: every point's residual from the fit.
#include "Calculos.h"
#include "comun.h"

namespace rectaviva {

using interno::hayMuestra;
using interno::kNaN;
using interno::residuoDe;

void Calculos::residuos() {
    Globales& g = g_;
    // The influence view reads the residuals too (its tooltip shows them).
    if ((g.residuosActivos != 1 && g.influenciaActiva != 1) || !hayMuestra(g)) {
        return;
    }
    double suma = 0;
    double cuadrados = 0;
    for (Integer k = 1; k <= maxPuntos; ++k) {
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
