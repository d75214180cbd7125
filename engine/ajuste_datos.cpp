// The fit of a data set, in double precision from the values as read: the
// means and centred sums in two passes, the error sum from the residuals
// themselves, and every later statistic from those doubles, each rounded to
// float only when it is stored. A data set lies in its own units (years,
// census counts), where float running sums lose every digit to the offset;
// the design's grid keeps the float engine of Calculos.cpp.
#include "Calculos.h"
#include "Tablas.h"
#include "comun.h"
#include "dato.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace rectaviva {

namespace {

using interno::kNaN;
constexpr double kNaNDoble = std::numeric_limits<double>::quiet_NaN();

// The rounding a double computation over n values can carry, relative to
// their size: each pass adds up to n roundings of DBL_EPSILON/2, and four
// passes lie between the values and a residual.
double holgura(double n) {
    return 4.0 * n * DBL_EPSILON;
}

} // namespace

namespace interno {

AjustePreciso ajustePreciso(const Globales& g, Integer excluido) {
    AjustePreciso p;
    bool xIguales = true, yIguales = true;
    double x0 = 0, y0 = 0;
    paraCadaEnUso(g, excluido, [&](Integer k) {
        const double x = valorX(g, k), y = valorY(g, k);
        if (p.n == 0) {
            x0 = x, y0 = y;
        }
        xIguales = xIguales && x == x0;
        yIguales = yIguales && y == y0;
        p.mediaX += x;
        p.mediaY += y;
        ++p.n;
    });
    if (p.n == 0) {
        p.a = p.b = kNaNDoble;
        return p;
    }
    p.mediaX /= p.n;
    p.mediaY /= p.n;
    // One more pass corrects each mean by the mean of its deviations, which
    // the rounding of a sum of large values leaves away from 0.
    double cx = 0, cy = 0;
    paraCadaEnUso(g, excluido, [&](Integer k) {
        cx += valorX(g, k) - p.mediaX;
        cy += valorY(g, k) - p.mediaY;
    });
    // Equal values have their own value as mean and centred sums of exactly 0.
    p.mediaX = xIguales ? x0 : p.mediaX + cx / p.n;
    p.mediaY = yIguales ? y0 : p.mediaY + cy / p.n;
    const SumasCentradas s = sumasCentradas(g, excluido, p.mediaX, p.mediaY);
    p.Sxx = s.Sxx;
    p.Syy = s.Syy;
    p.Sxy = s.Sxy;
    if (!(p.Sxx > 0)) {
        // No slope: every x is the same.
        p.a = p.b = p.SCReg = p.SCErr = p.varError = p.eeA = p.eeB = kNaNDoble;
        return p;
    }
    p.b = p.Sxy / p.Sxx;
    p.a = p.mediaY - p.b * p.mediaX;
    // An intercept within the rounding of the terms it is the difference of
    // is 0 (a line through the origin written in decimals), not that rounding.
    if (std::fabs(p.a) <= holgura(p.n) * (std::fabs(p.mediaY) + std::fabs(p.b * p.mediaX))) {
        p.a = 0;
    }
    p.SCReg = p.Sxy * p.Sxy / p.Sxx;
    // The residuals in their centred form, which never forms the intercept
    // (far larger than the data when x sits far from 0). A sum within their
    // rounding is a line through every point: the data's own digits carry no
    // error left to estimate.
    double ruido = 0;
    paraCadaEnUso(g, excluido, [&](Integer k) {
        const double x = valorX(g, k), y = valorY(g, k);
        const double e = (y - p.mediaY) - p.b * (x - p.mediaX);
        const double escala = std::fabs(y) + std::fabs(p.mediaY) +
                              std::fabs(p.b) * (std::fabs(x) + std::fabs(p.mediaX));
        p.SCErr += e * e;
        ruido += escala * escala;
    });
    if (p.SCErr <= holgura(p.n) * holgura(p.n) * ruido) {
        p.SCErr = 0;
    }
    if (p.n > 2) {
        p.varError = p.SCErr / (p.n - 2);
        p.eeA = std::sqrt(p.varError * (1.0 / p.n + p.mediaX * p.mediaX / p.Sxx));
        p.eeB = std::sqrt(p.varError / p.Sxx);
    } else {
        p.varError = p.eeA = p.eeB = kNaNDoble;
    }
    return p;
}

double residuoPreciso(const Globales& g, Integer k) {
    const AjustePreciso& p = g.preciso;
    const double x = valorX(g, k), y = valorY(g, k);
    const double e = (y - p.mediaY) - p.b * (x - p.mediaX);
    // A point on the line within the rounding of its terms lies on it.
    const double escala =
        std::fabs(y) + std::fabs(p.mediaY) + std::fabs(p.b) * (std::fabs(x) + std::fabs(p.mediaX));
    return std::fabs(e) <= holgura(p.n) * escala ? 0.0 : e;
}

} // namespace interno

void Calculos::calculaDatos() {
    Globales& g = g_;
    const AjustePreciso p = interno::ajustePreciso(g, 0);
    g.preciso = p;
    const double nMenos1 = p.n - 1;
    g.mediaX = S(p.mediaX);
    g.mediaY = S(p.mediaY);
    g.Sxx = S(p.Sxx);
    g.Syy = S(p.Syy);
    g.Sxy = S(p.Sxy);
    g.varX = S(p.Sxx / nMenos1);
    g.varY = S(p.Syy / nMenos1);
    g.desvX = S(std::sqrt(p.Sxx / nMenos1));
    g.desvY = S(std::sqrt(p.Syy / nMenos1));
    const bool yConstante = p.Syy == 0;
    g.correlacion = (p.Sxx == 0 || yConstante) ? kNaN : S(p.Sxy / std::sqrt(p.Sxx * p.Syy));
    g.pendiente = S(p.b);
    g.intercepto = S(p.a);
    g.SCReg = S(p.SCReg);
    g.SCErr = S(p.SCErr);
    g.varError = S(p.varError);
    g.eeIntercepto = S(p.eeA);
    g.eePendiente = S(p.eeB);
    Pruebas();
    g.R2 = (p.Sxx == 0 || yConstante) ? kNaN : S(p.SCReg * 100.0 / p.Syy);
    Intervalos(g.nivelConf);
}

void Calculos::intervalosDatos(const Single& conf) {
    Globales& g = g_;
    const AjustePreciso& p = g.preciso;
    const Integer gl = g.nActivos - 2;
    g_.oTablas->cuantila(g.cuantilT, conf, gl, g.valoresT, g.probT);
    const double wA = p.eeA * D(g.cuantilT);
    const double wB = p.eeB * D(g.cuantilT);
    g.liIntercepto = S(p.a - wA);
    g.lsIntercepto = S(p.a + wA);
    g.liPendiente = S(p.b - wB);
    g.lsPendiente = S(p.b + wB);
}

void Calculos::anovaDatos() {
    Globales& g = g_;
    const AjustePreciso& p = g.preciso;
    double f = kNaNDoble;
    if (std::isnan(p.SCReg) || std::isnan(p.varError) || p.Syy == 0) {
        // The F test is the slope's test: undefined wherever that one is.
    } else if (p.varError > 0) {
        f = p.SCReg / p.varError;
    } else if (p.SCReg > 0) {
        f = std::numeric_limits<double>::infinity();
    }
    g.valorF = S(f);
    const float t = S(std::sqrt(f));
    g_.oTablas->pValorT(t, g.pAnova, g.glErr, g.valoresT, g.probT);
}

double Calculos::factorDatos() {
    Globales& g = g_;
    const Integer gl = g.nActivos - 2;
    g_.oTablas->cuantila(g.cuantilT, g.nivelPred, gl, g.valoresT, g.probT);
    return D(g.cuantilT) * std::sqrt(g.preciso.varError);
}

Calculos::AnchosDatos Calculos::anchosDatos(double x, double cs) const {
    const AjustePreciso& p = g_.preciso;
    if (!(p.Sxx > 0)) {
        return {kNaNDoble, kNaNDoble, kNaNDoble};
    }
    const double d = x - p.mediaX;
    const double palanca = d * d / p.Sxx;
    // The centred form of the line, like the residuals.
    return {p.mediaY + p.b * d, cs * std::sqrt(palanca + (1.0 / p.n + 1.0)),
            cs * std::sqrt(palanca + 1.0 / p.n)};
}

void Calculos::bandasDatos() {
    Globales& g = g_;
    const double cs = factorDatos();
    for (int k = 0; k <= 20; ++k) {
        const AnchosDatos w = anchosDatos(D(g.xBanda(k)), cs);
        g.banda(0, k) = S(w.y - w.wI);
        g.banda(1, k) = S(w.y + w.wI);
        g.banda(2, k) = S(w.y - w.wM);
        g.banda(3, k) = S(w.y + w.wM);
    }
}

void Calculos::prediccionDatos() {
    Globales& g = g_;
    const AnchosDatos w = anchosDatos(D(g.xPred), factorDatos());
    g.yPred = S(w.y);
    g.banda(0, 21) = S(w.y - w.wI);
    g.banda(1, 21) = S(w.y + w.wI);
    g.banda(2, 21) = S(w.y - w.wM);
    g.banda(3, 21) = S(w.y + w.wM);
}

} // namespace rectaviva
