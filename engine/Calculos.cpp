// The regression engine. Every expression is evaluated in double precision
// in the order written and rounded to float when it is stored; a later
// formula reads the stored, rounded field. The sums are float accumulators.
//
// A centred sum of squares or the error sum that the float sums cannot tell
// from zero is computed precisely from the points instead (enRuido), an
// error sum exactly 0 when the points lie exactly on one line, and a
// precise 0 marks a degenerate sample: when all points in use share one
// abscissa the slope and everything that depends on it are undefined (NaN);
// when they share one ordinate the correlation, R² and the slope's test are
// undefined; a perfect fit on an oblique line is a valid result with zero
// error variance and an infinite slope statistic. A data set takes the
// double-precision path of ajuste_datos.cpp instead.
#include "Calculos.h"

#include "Tablas.h"
#include "comun.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace rectaviva {

namespace {

using interno::enRuido;
using interno::hayMuestra;
using interno::kNaN;
using interno::Momentos;
using interno::momentosPrecisos;
constexpr float kInfinito = std::numeric_limits<float>::infinity();

} // namespace

void Calculos::sumas() {
    Globales& g = g_;
    g.sumaX = 0.0f;
    g.sumaY = 0.0f;
    g.sumaX2 = 0.0f;
    g.sumaY2 = 0.0f;
    g.sumaXY = 0.0f;
    const Integer ultimo = std::min(g.nPuntos, g.puntosReservados());
    for (g.indice = 1; g.indice <= ultimo; ++g.indice) {
        if (g.activo(g.indice) != 1) {
            continue;
        }
        const double x = g.xObs(g.indice);
        const double y = g.yObs(g.indice);
        g.sumaX = S(D(g.sumaX) + x);
        g.sumaY = S(D(g.sumaY) + y);
        g.sumaX2 = S(D(g.sumaX2) + x * x);
        g.sumaY2 = S(D(g.sumaY2) + y * y);
        g.sumaXY = S(D(g.sumaXY) + y * x);
    }
}

void Calculos::resumas(const Integer& ksel, const Single& Xold, const Single& Yold) {
    Globales& g = g_;
    // Only a point of the sample that is in use contributes to the sums.
    if (ksel < 1 || ksel > g.nPuntos || ksel > g.puntosReservados() || g.activo(ksel) != 1) {
        return;
    }
    const double x = g.xObs(ksel);
    const double y = g.yObs(ksel);
    const double xv = Xold;
    const double yv = Yold;
    g.sumaX = S((D(g.sumaX) - xv) + x);
    g.sumaY = S((D(g.sumaY) - yv) + y);
    g.sumaX2 = S(x * x + (D(g.sumaX2) - xv * xv));
    g.sumaY2 = S(y * y + (D(g.sumaY2) - yv * yv));
    g.sumaXY = S(y * x + (D(g.sumaXY) - xv * yv));
}

void Calculos::Calcula() {
    Globales& g = g_;
    if (!hayMuestra(g)) {
        return;
    }
    if (g.datosCargados == 1) {
        calculaDatos();
        return;
    }
    const double n = g.nActivos;
    const int nMenos1 = g.nActivos - 1;
    const int nMenos2 = g.nActivos - 2;

    // A value that lies within the rounding of the float sums is computed
    // precisely instead, once for all of them; every later formula reads it.
    std::optional<Momentos> preciso;
    const auto exacto = [&]() -> const Momentos& {
        if (!preciso) {
            preciso = momentosPrecisos(g, 0);
        }
        return *preciso;
    };
    const double sxx = D(g.sumaX2) - (D(g.sumaX) * D(g.sumaX)) / n;
    const double syy = D(g.sumaY2) - (D(g.sumaY) * D(g.sumaY)) / n;
    const bool sxxEnRuido = enRuido(sxx, D(g.sumaX2), n);
    const bool syyEnRuido = enRuido(syy, D(g.sumaY2), n);
    g.Sxx = S(sxxEnRuido ? exacto().Sxx : sxx);
    g.Syy = S(syyEnRuido ? exacto().Syy : syy);
    // The slope and the correlation divide Sxy by Sxx and Syy: a precise
    // divisor takes a precise Sxy with it, not the rounding of the sums.
    g.Sxy =
        S((sxxEnRuido || syyEnRuido) ? exacto().Sxy : D(g.sumaXY) - (D(g.sumaY) * D(g.sumaX)) / n);
    g.mediaX = S(D(g.sumaX) / n);
    g.mediaY = S(D(g.sumaY) / n);
    g.varX = S(D(g.Sxx) / nMenos1);
    g.varY = S(D(g.Syy) / nMenos1);
    g.desvX = S(std::sqrt(D(g.varX)));
    g.desvY = S(std::sqrt(D(g.varY)));

    const bool xConstante = g.Sxx == 0.0f;
    const bool yConstante = g.Syy == 0.0f;

    g.correlacion =
        (xConstante || yConstante) ? kNaN : S(D(g.Sxy) / std::sqrt(D(g.Syy) * D(g.Sxx)));

    if (xConstante) {
        // No slope exists for points on one vertical line: the fit, its
        // errors, tests and R² are all undefined.
        g.pendiente = g.intercepto = kNaN;
        g.SCReg = g.SCErr = g.varError = kNaN;
        g.eeIntercepto = g.eePendiente = kNaN;
        Pruebas();
        g.R2 = kNaN;
        Intervalos(g.nivelConf);
        return;
    }

    g.pendiente = S(D(g.Sxy) / D(g.Sxx));
    g.intercepto = S(D(g.mediaY) - D(g.pendiente) * D(g.mediaX));
    g.SCReg = S((D(g.Sxy) * D(g.Sxy)) / D(g.Sxx));
    const double sce = D(g.Syy) - D(g.SCReg);
    const double escalaSCErr = D(g.sumaY2) + D(g.pendiente) * D(g.pendiente) * D(g.sumaX2);
    // Within that rounding, points exactly on one line have no error at all
    // (the precise residuals would be rounding alone), and the others have
    // the precise sum of their squared residuals.
    if (enRuido(sce, escalaSCErr, n)) {
        g.SCErr = interno::colineales(g) ? 0.0f : S(exacto().SCErr);
    } else {
        g.SCErr = S(sce);
    }
    g.varError = S(D(g.SCErr) / nMenos2);
    g.eeIntercepto = S(((D(g.mediaX) * D(g.mediaX)) / D(g.Sxx) + 1.0 / n) * D(g.varError));
    g.eeIntercepto = S(std::sqrt(D(g.eeIntercepto)));
    g.eePendiente = S(D(g.varError) / D(g.Sxx));
    g.eePendiente = S(std::sqrt(D(g.eePendiente)));

    Pruebas();

    g.R2 = yConstante ? kNaN : S((D(g.SCReg) * 100.0) / D(g.Syy));

    Intervalos(g.nivelConf);
}

void Calculos::Pruebas() {
    Globales& g = g_;
    if (!hayMuestra(g)) {
        return;
    }
    // The estimates and standard errors the tests divide: the stored floats
    // on the design's grid, the double fit on a data set.
    const bool datos = g.datosCargados == 1;
    const AjustePreciso& p = g.preciso;
    const double a = datos ? p.a : D(g.intercepto);
    const double eeA = datos ? p.eeA : D(g.eeIntercepto);
    const double b = datos ? p.b : D(g.pendiente);
    const double eeB = datos ? p.eeB : D(g.eePendiente);
    const bool yConstante = datos ? p.Syy == 0 : g.Syy == 0.0f;
    const Integer gl = g.nActivos - 2;
    if (eeA > 0) {
        g.tIntercepto = S(a / eeA);
    } else if (eeA == 0 && a != 0) {
        // A perfect fit knows the intercept without error: its t is the
        // guard, with the intercept's sign. An intercept of exactly 0 known
        // without error gives 0 over 0: no test.
        g.tIntercepto = std::copysign(guarda, S(a));
    } else {
        g.tIntercepto = kNaN;
    }
    g_.oTablas->pValorT(g.tIntercepto, g.pIntercepto, gl, g.valoresT, g.probT);

    if (std::isnan(b) || yConstante) {
        // No slope (all x equal), or a horizontal cloud whose test is 0 over 0.
        g.tPendiente = kNaN;
    } else if (eeB > 0) {
        g.tPendiente = S(b / eeB);
    } else if (b != 0) {
        // A perfect fit on an oblique line: the slope is known without error.
        g.tPendiente = std::copysign(kInfinito, S(b));
    } else {
        g.tPendiente = kNaN;
    }
    g_.oTablas->pValorT(g.tPendiente, g.pPendiente, gl, g.valoresT, g.probT);
}

void Calculos::Intervalos(const Single& conf) {
    Globales& g = g_;
    if (!hayMuestra(g)) {
        return;
    }
    if (g.datosCargados == 1) {
        intervalosDatos(conf);
        return;
    }
    const Integer gl = g.nActivos - 2;
    g_.oTablas->cuantila(g.cuantilT, conf, gl, g.valoresT, g.probT);
    const float wA = S(D(g.eeIntercepto) * D(g.cuantilT));
    const float wB = S(D(g.eePendiente) * D(g.cuantilT));
    g.liIntercepto = S(D(g.intercepto) - D(wA));
    g.lsIntercepto = S(D(g.intercepto) + D(wA));
    g.liPendiente = S(D(g.pendiente) - D(wB));
    g.lsPendiente = S(D(g.pendiente) + D(wB));
}

void Calculos::Anova() {
    Globales& g = g_;
    if (!hayMuestra(g)) {
        return;
    }
    g.CMErr = g.varError;
    g.SCTot = g.Syy;
    g.glReg = 1;
    g.glErr = g.nActivos - 2;
    g.glTot = g.nActivos - 1;
    g.CMReg = g.SCReg;
    if (g.datosCargados == 1) {
        anovaDatos();
        return;
    }

    if (std::isnan(g.SCReg) || std::isnan(g.varError) || g.Syy == 0.0f) {
        // The F test is the slope's test: undefined wherever that one is.
        g.valorF = kNaN;
    } else if (g.varError > 0.0f) {
        g.valorF = S(D(g.SCReg) / D(g.varError));
    } else if (g.SCReg > 0.0f) {
        // A perfect fit: all the variation is explained.
        g.valorF = kInfinito;
    } else {
        g.valorF = kNaN;
    }
    const float t = S(std::sqrt(D(g.valorF)));
    g_.oTablas->pValorT(t, g.pAnova, g.glErr, g.valoresT, g.probT);
}

void Calculos::PuntosPrediccion() {
    Globales& g = g_;
    const double paso = static_cast<double>(g.xMax - g.xMin) / 20.0;
    g.xBanda(0) = g.xMin;
    for (int k = 1; k <= 20; ++k) {
        g.xBanda(k) = S(D(g.xBanda(k - 1)) + paso);
    }
}

namespace {

// Half-widths of the interval for one new observation (wI) and for the mean
// response (wM) at distance d from the mean of x. Undefined when the sample
// has no slope (all x equal) or no error variance.
struct Anchos {
    float wI;
    float wM;
};

Anchos anchos(const Globales& g, float cs, double d) {
    if (!(g.Sxx > 0.0f) || std::isnan(cs)) {
        return {kNaN, kNaN};
    }
    const double unoSobreN = 1.0 / static_cast<double>(g.nActivos);
    const double palanca = d * d / D(g.Sxx);
    return {S(D(cs) * std::sqrt(palanca + (unoSobreN + 1.0))),
            S(D(cs) * std::sqrt(palanca + unoSobreN))};
}

} // namespace

float Calculos::factorPrediccion() {
    Globales& g = g_;
    const Integer gl = g.nActivos - 2;
    g_.oTablas->cuantila(g.cuantilT, g.nivelPred, gl, g.valoresT, g.probT);
    return S(D(g.cuantilT) * std::sqrt(D(g.varError)));
}

void Calculos::bandas() {
    Globales& g = g_;
    if (g.bandasActivas != 1 || !hayMuestra(g)) {
        return;
    }
    if (g.datosCargados == 1) {
        bandasDatos();
        return;
    }
    const float cs = factorPrediccion();
    for (int k = 0; k <= 20; ++k) {
        const double x = g.xBanda(k);
        const double yGorro = D(g.pendiente) * x + D(g.intercepto);
        const Anchos w = anchos(g, cs, x - D(g.mediaX));
        g.banda(0, k) = S(yGorro - D(w.wI));
        g.banda(1, k) = S(yGorro + D(w.wI));
        g.banda(2, k) = S(yGorro - D(w.wM));
        g.banda(3, k) = S(yGorro + D(w.wM));
    }
}

void Calculos::prediccion() {
    Globales& g = g_;
    if (g.prediccionActiva != 1 || !hayMuestra(g)) {
        return;
    }
    if (g.datosCargados == 1) {
        prediccionDatos();
        return;
    }
    const float cs = factorPrediccion();
    const float d = S(D(g.xPred) - D(g.mediaX));
    const Anchos w = anchos(g, cs, d);
    g.yPred = S(D(g.pendiente) * D(g.xPred) + D(g.intercepto));
    g.banda(0, 21) = S(D(g.yPred) - D(w.wI));
    g.banda(1, 21) = S(D(g.yPred) + D(w.wI));
    g.banda(2, 21) = S(D(g.yPred) - D(w.wM));
    g.banda(3, 21) = S(D(g.yPred) + D(w.wM));
}

} // namespace rectaviva
