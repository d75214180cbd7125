// The influence view's engine operations: leverage, standardised residual
// and Cook's distance of each point in use, and the fit without one point.
#include "Calculos.h"
#include "comun.h"
#include "dato.h"

#include <cmath>

namespace rectaviva {

using interno::hayMuestra;
using interno::kNaN;
using interno::residuoDe;

namespace {

// The means and centred sums of the points in use other than point k (in
// use), from the five sums less its terms: constant work. An Sxx within the
// rounding of the sums comes from the precise pass over those points.
struct SinPunto {
    double mediaX, mediaY, Sxx, Sxy;
};

SinPunto sinPunto(const Globales& g, Integer k) {
    const double n = g.nActivos;
    const double m = n - 1;
    const double x = g.xObs(k);
    const double y = g.yObs(k);
    const double sx = D(g.sumaX) - x;
    const double sy = D(g.sumaY) - y;
    const double sxx = (D(g.sumaX2) - x * x) - sx * sx / m;
    if (interno::enRuido(sxx, D(g.sumaX2), n)) {
        const interno::Momentos p = interno::momentosPrecisos(g, k);
        return {p.mediaX, p.mediaY, p.Sxx, p.Sxy};
    }
    return {sx / m, sy / m, sxx, (D(g.sumaXY) - x * y) - sx * sy / m};
}

} // namespace

namespace {

// Whether the points in use other than k share one abscissa: the x of the
// points in use take at most two values, and k's only once.
bool otrosEnUnaVertical(const Globales& g, Integer k) {
    const double xk = valorX(g, k);
    double otra = 0;
    bool hayOtra = false;
    for (Integer j = 1; j <= g.nPuntos && j <= g.puntosReservados(); ++j) {
        if (j == k || g.activo(j) != 1) {
            continue;
        }
        const double x = valorX(g, j);
        if (!hayOtra) {
            otra = x, hayOtra = true;
        } else if (x != otra) {
            return false;
        }
    }
    return hayOtra && otra != xk;
}

// A data set's influence, from its double-precision fit.
void influenciaDatos(Globales& g) {
    const AjustePreciso& p = g.preciso;
    const double s = std::sqrt(p.varError);
    for (Integer k = 1; k <= g.puntosReservados(); ++k) {
        float h = kNaN, r = kNaN, cook = kNaN;
        if (k <= g.nPuntos && g.activo(k) == 1 && p.Sxx > 0) {
            const double d = valorX(g, k) - p.mediaX;
            const double hd = otrosEnUnaVertical(g, k) ? 1.0 : 1.0 / p.n + d * d / p.Sxx;
            h = S(hd);
            const double unoMenosH = 1.0 - hd;
            if (s > 0 && unoMenosH > 0) {
                const double rd = interno::residuoPreciso(g, k) / (s * std::sqrt(unoMenosH));
                r = S(rd);
                cook = S(rd * rd * hd / (2.0 * unoMenosH));
            }
        }
        g.apalancamiento(k) = h;
        g.residuoEstandarizado(k) = r;
        g.distanciaCook(k) = cook;
    }
}

} // namespace

void Calculos::influencia() {
    Globales& g = g_;
    if (g.influenciaActiva != 1 || !hayMuestra(g)) {
        return;
    }
    if (g.datosCargados == 1) {
        influenciaDatos(g);
        return;
    }
    const double n = g.nActivos;
    const double s = std::sqrt(D(g.varError));
    for (Integer k = 1; k <= g.puntosReservados(); ++k) {
        float h = kNaN, r = kNaN, cook = kNaN;
        if (k <= g.nPuntos && g.activo(k) == 1 && g.Sxx > 0.0f) {
            const double d = D(g.xObs(k)) - D(g.mediaX);
            // h is exactly 1 when the other points share one abscissa: the
            // line passes through this point whatever its ordinate.
            h = sinPunto(g, k).Sxx > 0 ? S(1.0 / n + d * d / D(g.Sxx)) : 1.0f;
            const double unoMenosH = 1.0 - D(h);
            if (s > 0 && unoMenosH > 0) {
                r = S(D(residuoDe(g, k)) / (s * std::sqrt(unoMenosH)));
                cook = S(D(r) * D(r) * D(h) / (2.0 * unoMenosH));
            }
        }
        g.apalancamiento(k) = h;
        g.residuoEstandarizado(k) = r;
        g.distanciaCook(k) = cook;
    }
}

void Calculos::ajusteSin(const Integer& k) {
    Globales& g = g_;
    if (!hayMuestra(g) || k < 1 || k > g.nPuntos || k > g.puntosReservados()) {
        return;
    }
    if (g.activo(k) != 1) {
        g.aSin = g.intercepto;
        g.bSin = g.pendiente;
        return;
    }
    if (g.datosCargados == 1) {
        const AjustePreciso p = interno::ajustePreciso(g, k);
        g.bSin = S(p.b);
        g.aSin = S(p.a);
        return;
    }
    const SinPunto resto = sinPunto(g, k);
    if (!(resto.Sxx > 0)) {
        g.aSin = g.bSin = kNaN;
        return;
    }
    g.bSin = S(resto.Sxy / resto.Sxx);
    g.aSin = S(resto.mediaY - D(g.bSin) * resto.mediaX);
}

} // namespace rectaviva
