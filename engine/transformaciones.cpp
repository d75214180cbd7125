// The transformations of "Transformar", the fit of the transformed numbers
// and its reading in the data's own units.
#include "transformaciones.h"

#include "distribuciones.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace rectaviva {

namespace {

constexpr double kNaN = AjusteTransformado::nan;

double finito(double v) {
    return std::isfinite(v) ? v : kNaN;
}

// The natural logarithm of a logarithm's base, 0 for any other transformation.
double lnBase(Transformacion t) {
    return t == Transformacion::Log10 ? std::numbers::ln10 : t == Transformacion::Ln ? 1.0 : 0.0;
}

bool esLog(Transformacion t) {
    return lnBase(t) != 0.0;
}

// c^u for the base of t, exact for c = 10 where pow is.
double potencia(Transformacion t, double u) {
    return t == Transformacion::Ln ? std::exp(u) : std::pow(10.0, u);
}

// The mean of a sum of values, corrected by the mean of the deviations
// from it, which the rounding of a sum of large values leaves away from 0.
template <class F> double media(std::size_t n, F&& valor) {
    double m = 0;
    for (std::size_t i = 0; i < n; ++i) {
        m += valor(i);
    }
    m /= static_cast<double>(n);
    double c = 0;
    for (std::size_t i = 0; i < n; ++i) {
        c += valor(i) - m;
    }
    return m + c / static_cast<double>(n);
}

} // namespace

double transformar(Transformacion t, double v) {
    if (!std::isfinite(v)) {
        return kNaN;
    }
    switch (t) {
    case Transformacion::Ninguna:
        return v;
    case Transformacion::Log10:
        return v > 0 ? std::log10(v) : kNaN;
    case Transformacion::Ln:
        return v > 0 ? std::log(v) : kNaN;
    case Transformacion::Raiz:
        return v >= 0 ? std::sqrt(v) : kNaN;
    case Transformacion::Inversa:
        return v != 0 ? finito(1.0 / v) : kNaN;
    case Transformacion::Cuadrado:
        return finito(v * v);
    }
    return kNaN;
}

double destransformar(Transformacion t, double u) {
    if (!std::isfinite(u)) {
        return kNaN;
    }
    switch (t) {
    case Transformacion::Ninguna:
        return u;
    case Transformacion::Log10:
    case Transformacion::Ln:
        return finito(potencia(t, u));
    case Transformacion::Raiz:
        return u >= 0 ? finito(u * u) : kNaN;
    case Transformacion::Inversa:
        return u != 0 ? finito(1.0 / u) : kNaN;
    case Transformacion::Cuadrado:
        return u >= 0 ? std::sqrt(u) : kNaN;
    }
    return kNaN;
}

bool definida(Transformacion t, double v) {
    return !std::isnan(transformar(t, v));
}

int valoresQueLaImpiden(Transformacion t, std::span<const double> v) {
    return static_cast<int>(
        std::count_if(v.begin(), v.end(), [t](double x) { return !definida(t, x); }));
}

bool monotona(Transformacion t, std::span<const double> v) {
    if (t != Transformacion::Cuadrado && t != Transformacion::Inversa) {
        return true;
    }
    const bool negativos = std::any_of(v.begin(), v.end(), [](double x) { return x < 0; });
    const bool positivos = std::any_of(v.begin(), v.end(), [](double x) { return x > 0; });
    return !(negativos && positivos);
}

Plantilla expresion(Transformacion t) {
    switch (t) {
    case Transformacion::Log10:
        return MENSAJE("transformar", "log₁₀(%1)");
    case Transformacion::Ln:
        return MENSAJE("transformar", "ln(%1)");
    case Transformacion::Raiz:
        return MENSAJE("transformar", "√%1");
    case Transformacion::Inversa:
        return MENSAJE("transformar", "1/%1");
    case Transformacion::Cuadrado:
        return MENSAJE("transformar", "%1²");
    case Transformacion::Ninguna:
        break;
    }
    // The variable alone needs no translation (and none is kept for it).
    return Plantilla{"transformar", "%1"};
}

Plantilla expresionDeNombre(Transformacion t) {
    switch (t) {
    case Transformacion::Raiz:
        return MENSAJE("transformar", "√(%1)");
    case Transformacion::Inversa:
        return MENSAJE("transformar", "1/(%1)");
    case Transformacion::Cuadrado:
        return MENSAJE("transformar", "(%1)²");
    case Transformacion::Log10:
    case Transformacion::Ln:
    case Transformacion::Ninguna:
        break;
    }
    return expresion(t);
}

AjusteTransformado ajustarTransformado(std::span<const double> x, std::span<const double> y,
                                       Transformacion tx, Transformacion ty) {
    AjusteTransformado f;
    const std::size_t n = std::min(x.size(), y.size());
    f.n = static_cast<double>(n);
    std::vector<double> u(n), v(n);
    for (std::size_t i = 0; i < n; ++i) {
        u[i] = transformar(tx, x[i]);
        v[i] = transformar(ty, y[i]);
        f.sinDefinir += std::isnan(u[i]) || std::isnan(v[i]) ? 1 : 0;
    }
    if (n < 3 || f.sinDefinir > 0) {
        return f;
    }
    const double mu = media(n, [&](std::size_t i) { return u[i]; });
    const double mv = media(n, [&](std::size_t i) { return v[i]; });
    double Suu = 0, Svv = 0, Suv = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double du = u[i] - mu, dv = v[i] - mv;
        Suu += du * du;
        Svv += dv * dv;
        Suv += du * dv;
    }
    // Equal u (x all equal, or 1e-200 and 2e-200 squared to 0) leave no slope.
    if (!(Suu > 0) || std::all_of(u.begin(), u.end(), [&](double w) { return w == u[0]; })) {
        return f;
    }
    f.mediaU = mu, f.mediaV = mv;
    f.Suu = Suu, f.Svv = Svv, f.Suv = Suv;
    f.b = Suv / Suu;
    f.a = mv - f.b * mu;
    // The residuals in their centred form, which never forms the intercept.
    f.SCErr = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double e = (v[i] - mv) - f.b * (u[i] - mu);
        f.SCErr += e * e;
    }
    const double varError = f.SCErr / (f.n - 2);
    f.s = std::sqrt(varError);
    f.eeA = std::sqrt(varError * (1.0 / f.n + mu * mu / Suu));
    f.eeB = std::sqrt(varError / Suu);
    f.R2 = Svv > 0 ? Suv * Suv / (Suu * Svv) : kNaN;
    f.valido = true;
    return f;
}

ModeloOriginal modeloOriginal(const AjusteTransformado& ajuste, Transformacion tx,
                              Transformacion ty) {
    ModeloOriginal m;
    m.tx = tx, m.ty = ty;
    if (!ajuste.valido) {
        return m;
    }
    m.valido = true;
    m.a = m.A = ajuste.a;
    m.b = m.B = ajuste.b;
    m.mediaU = ajuste.mediaU, m.mediaV = ajuste.mediaV;
    const bool xSin = tx == Transformacion::Ninguna, ySin = ty == Transformacion::Ninguna;
    if (xSin && ySin) {
        m.forma = FormaModelo::Recta;
    } else if (ySin && esLog(tx)) {
        m.forma = FormaModelo::Logaritmica;
    } else if (esLog(ty) && (xSin || esLog(tx))) {
        m.A = finito(potencia(ty, ajuste.a));
        if (xSin) {
            // B = cᵇ; its change in percent from expm1, which keeps the digits
            // of a small growth.
            m.forma = FormaModelo::Exponencial;
            m.B = finito(potencia(ty, ajuste.b));
            m.porcentaje = finito(100.0 * std::expm1(ajuste.b * lnBase(ty)));
        } else {
            m.forma = FormaModelo::Potencia;
            m.B = tx == ty ? ajuste.b : ajuste.b * lnBase(ty) / lnBase(tx);
        }
    } else {
        m.forma = FormaModelo::General;
    }
    return m;
}

double curva(const ModeloOriginal& m, double x) {
    if (!m.valido) {
        return kNaN;
    }
    // The centred form of the line, like the residuals: u far from 0 (years
    // squared) puts the intercept far from the values.
    return destransformar(m.ty, m.mediaV + m.b * (transformar(m.tx, x) - m.mediaU));
}

double curva(const AjusteTransformado& ajuste, Transformacion tx, Transformacion ty, double x) {
    return curva(modeloOriginal(ajuste, tx, ty), x);
}

PrediccionOriginal predecirOriginal(const AjusteTransformado& ajuste, Transformacion tx,
                                    Transformacion ty, double xPred, double nivel,
                                    double cuantilT) {
    PrediccionOriginal p;
    p.xPred = xPred, p.nivel = nivel, p.cuantilT = cuantilT;
    p.mediana = ty != Transformacion::Ninguna;
    const double u = transformar(tx, xPred);
    if (!ajuste.valido || std::isnan(u)) {
        return p;
    }
    // The centred form of the line, like the residuals.
    const double d = u - ajuste.mediaU;
    const double v = ajuste.mediaV + ajuste.b * d;
    const double palanca = 1.0 / ajuste.n + d * d / ajuste.Suu;
    const double wM = cuantilT * ajuste.s * std::sqrt(palanca);
    const double wI = cuantilT * ajuste.s * std::sqrt(palanca + 1.0);
    p.y = destransformar(ty, v);
    const auto extremos = [&](double w) -> std::pair<double, double> {
        double lo = v - w, hi = v + w;
        if (std::isnan(w)) {
            return {kNaN, kNaN};
        }
        if (ty == Transformacion::Raiz) {
            // Every y has √y ≥ 0: an interval reaching below 0 starts at
            // y = 0, and one wholly below holds no y.
            if (hi < 0) {
                return {kNaN, kNaN};
            }
            lo = std::max(lo, 0.0);
        }
        if (ty == Transformacion::Inversa) {
            // 1/y decreases in y on each side of 0; an interval holding 0
            // takes in every large y of both signs.
            if (lo <= 0 && hi >= 0) {
                return {kNaN, kNaN};
            }
            std::swap(lo, hi);
        }
        return {destransformar(ty, lo), destransformar(ty, hi)};
    };
    std::tie(p.liMedia, p.lsMedia) = extremos(wM);
    std::tie(p.liIndividual, p.lsIndividual) = extremos(wI);
    return p;
}

PrediccionOriginal predecirOriginal(const AjusteTransformado& ajuste, Transformacion tx,
                                    Transformacion ty, double xPred, double nivel) {
    double t = kNaN;
    if (ajuste.n > 2 && nivel > 0 && nivel < 100) {
        namespace bm = boost::math;
        t = bm::quantile(distribuciones::T(ajuste.n - 2), 0.5 + nivel / 200.0);
    }
    return predecirOriginal(ajuste, tx, ty, xPred, nivel, t);
}

double r2EnEscalaOriginal(std::span<const double> x, std::span<const double> y, Transformacion tx,
                          Transformacion ty, const AjusteTransformado& ajuste) {
    const std::size_t n = std::min(x.size(), y.size());
    const ModeloOriginal m = modeloOriginal(ajuste, tx, ty);
    if (!m.valido || n < 2) {
        return kNaN;
    }
    const double my = media(n, [&](std::size_t i) { return y[i]; });
    double total = 0, error = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double e = y[i] - curva(m, x[i]);
        if (std::isnan(e)) {
            return kNaN;
        }
        total += (y[i] - my) * (y[i] - my);
        error += e * e;
    }
    return total > 0 ? 1.0 - error / total : kNaN;
}

} // namespace rectaviva
