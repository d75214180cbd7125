// The lineup of residual plots ("Rueda de residuos"): nineteen from samples
// drawn where the line holds, and the student's own.
#include "retos_residuos.h"

#include "diagnosticos_privado.h"
#include "retos_privado.h"

#include <cmath>
#include <span>

namespace rectaviva {

using minimos::Ajuste;

namespace {

// A plot's residuals from its own line; from the mean without one.
std::vector<PuntoResiduo> residuosDe(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<PuntoResiduo> r;
    const std::vector<double> u = minimos::columnasCuadraticas(x)[0];
    const Ajuste f = minimos::ajustar(y, std::span(&u, 1));
    double media = 0;
    for (const double v : y) {
        media += v / static_cast<double>(y.size());
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        r.push_back({x[i], f.valido ? f.residuos[i] : y[i] - media});
    }
    return r;
}

} // namespace

Rueda ruedaDeResiduos(const std::vector<PuntoReto>& muestra, std::uint64_t semilla) {
    Rueda r;
    AzarReto a(semilla);
    r.propio = a.entero(0, graficosDeRueda - 1);
    std::vector<double> x, y;
    bool enteros = true;
    for (const PuntoReto p : muestra) {
        if (std::isfinite(p.x) && std::isfinite(p.y)) {
            x.push_back(p.x);
            y.push_back(p.y);
            enteros = enteros && p.y == std::nearbyint(p.y);
        }
    }
    // The sample's line and s; a flat line through the mean, and no spread,
    // where these are not defined.
    const std::vector<double> u = minimos::columnasCuadraticas(x)[0];
    const Ajuste f = minimos::ajustar(y, std::span(&u, 1));
    double a0 = 0, b = 0, s = 0;
    if (f.valido) {
        a0 = f.coef[0];
        b = f.coef[1];
        s = f.gl >= 1 ? std::sqrt(f.sce / f.gl) : 0;
    } else if (!y.empty()) {
        for (const double v : y) {
            a0 += v / static_cast<double>(y.size());
        }
    }
    for (int k = 0; k < graficosDeRueda; ++k) {
        if (k == r.propio) {
            r.graficos.push_back(residuosDe(x, y));
            continue;
        }
        std::vector<double> nueva;
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double v = a0 + b * (f.valido ? u[i] : 0) + s * a.normal();
            nueva.push_back(enteros ? redondearPar(v) : v);
        }
        r.graficos.push_back(residuosDe(x, nueva));
    }
    return r;
}

} // namespace rectaviva
