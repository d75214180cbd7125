// The generators of the residual rounds, one for each pattern. They set a
// pattern's strength in units of the standard error of the diagnostic that
// finds it, so that a round of 10 points shows its pattern as clearly as one
// of 50, and pare down what the other diagnostics would call by chance: a
// round shows its own pattern and no other.
#include "retos_residuos.h"

#include "diagnosticos_privado.h"
#include "generadores_residuos.h"
#include "retos_privado.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace rectaviva {

namespace {

using namespace plano;
using minimos::Ajuste;

using generadores::Muestra;

// A normal error redrawn beyond ±2.5: a constant spread whose chance
// extremes do not pass for outliers.
double errorAcotado(AzarReto& a) {
    double z = a.normal();
    while (std::fabs(z) > 2.5) {
        z = a.normal();
    }
    return z;
}

// n whole x over desde..hasta, each jittered within its own of n equal cells.
std::vector<double> rejilla(AzarReto& a, int n, double desde, double hasta) {
    std::vector<double> x;
    for (int i = 0; i < n; ++i) {
        const double celda = (i + 0.5 + 0.8 * (a.uniforme() - 0.5)) / n;
        x.push_back(redondearPar(desde + (hasta - desde) * celda));
    }
    return x;
}

// The same with the ends denser (g ↦ 1.5 g − 0.5 g³ on −1..1), so that no
// point's leverage reaches 4/n: the design of an outlier's round.
std::vector<double> rejillaSinPalanca(AzarReto& a, int n, double desde, double hasta) {
    std::vector<double> x;
    for (int i = 0; i < n; ++i) {
        const double g = 2 * (i + 0.5 + 0.6 * (a.uniforme() - 0.5)) / n - 1;
        const double f = 1.5 * g - 0.5 * g * g * g;
        x.push_back(redondearPar(desde + (hasta - desde) * (f + 1) / 2));
    }
    return x;
}

// A line of random slope and sign (|b| from 0.15 to pendiente) through the
// x, with errors of spread sigma.
Muestra recta(AzarReto& a, std::vector<double> x, double pendiente, double sigma) {
    const double b = signo(a) * (0.15 + (pendiente - 0.15) * a.uniforme());
    Muestra m{std::move(x), {}};
    for (const double xi : m.x) {
        m.y.push_back(b * xi + sigma * errorAcotado(a));
    }
    return m;
}

// A random range of whole x, ancho wide, inside the plot.
std::pair<double, double> tramo(AzarReto& a, int ancho) {
    const double desde =
        entre(a, static_cast<int>(kBorde0) + 2, static_cast<int>(kBorde1) - 2 - ancho);
    return {desde, desde + ancho};
}

// The model's columns besides the intercept: the quadratic's, then the
// groups' indicator when asked and there is one.
std::vector<std::vector<double>> modelo(const std::vector<double>& x, bool grupos) {
    auto [u, u2] = minimos::columnasCuadraticas(x);
    std::vector<std::vector<double>> c{std::move(u), std::move(u2)};
    if (grupos) {
        c.push_back(minimos::columnaDeGrupos(x));
    }
    return c;
}

// Adding a multiple of a column to y leaves the fit's residuals alone and
// moves only that column's coefficient: its t becomes `objetivo`, though the
// coefficient not less than `minimo` in size (a pattern to be seen).
void fijarT(Muestra& m, const std::vector<std::vector<double>>& c, int j, double objetivo,
            double minimo = 0) {
    const Ajuste f = minimos::ajustar(m.y, c);
    if (!f.valido || !(f.se[j] > 0)) {
        return;
    }
    double coef = objetivo * f.se[j];
    if (std::fabs(coef) < minimo) {
        coef = std::copysign(minimo, objetivo);
    }
    for (std::size_t i = 0; i < m.y.size(); ++i) {
        m.y[i] += (coef - f.coef[j]) * c[j - 1][i];
    }
}

// The t of column j brought down to at most `limite` in size.
void moderar(Muestra& m, const std::vector<std::vector<double>>& c, int j, double limite) {
    const double t = minimos::ajustar(m.y, c).t(j);
    if (std::fabs(t) > limite) {
        fijarT(m, c, j, std::copysign(limite, t));
    }
}

// The line of the others through their x: its value at x, the others' s and
// the variance factor of a prediction at x.
struct Prediccion {
    double y = 0, s = 0, h = 0, sce = 0;
};

Prediccion predecir(const Muestra& m, double x) {
    const auto c = modelo(m.x, false);
    const Ajuste f = minimos::ajustar(m.y, std::span(c.data(), 1));
    double mx = 0, sxx = 0;
    for (const double v : m.x) {
        mx += v / static_cast<double>(m.x.size());
    }
    for (const double v : c[0]) {
        sxx += v * v;
    }
    const double u = x - mx;
    return {f.coef[0] + f.coef[1] * u, std::sqrt(f.sce / f.gl),
            1 / static_cast<double>(m.x.size()) + u * u / sxx, f.sce};
}

constexpr double kAjeno = 2; ///< the largest t of a pattern not the round's

// A point brought to 3 of the others' s from their line when it lies
// further: a chance outlier. Three passes at most.
void moderarAtipicos(Muestra& m) {
    const auto n = m.x.size();
    for (int paso = 0; paso < 3 && n >= 5; ++paso) {
        double peor = 3;
        std::size_t cual = n;
        double nuevo = 0;
        for (std::size_t i = 0; i < n; ++i) {
            Muestra otros = m;
            otros.x.erase(otros.x.begin() + static_cast<std::ptrdiff_t>(i));
            otros.y.erase(otros.y.begin() + static_cast<std::ptrdiff_t>(i));
            const Prediccion p = predecir(otros, m.x[i]);
            const double escala = p.s * std::sqrt(1 + p.h), t = (m.y[i] - p.y) / escala;
            if (std::fabs(t) > peor) {
                peor = std::fabs(t);
                cual = i;
                nuevo = p.y + std::copysign(3 * escala, t);
            }
        }
        if (cual == n) {
            return;
        }
        m.y[cual] = nuevo;
    }
}

// The groups first: the quadratic's column, in the groups' model too, then
// moves the curvature without moving the groups.
void sinPatronesAjenos(Muestra& m, Patron propio) {
    if (propio != Patron::Grupos && m.x.size() >= 6) {
        const auto c = modelo(m.x, true);
        if (c.size() == 3) {
            moderar(m, c, 3, kAjeno);
        }
    }
    if (propio != Patron::Curvatura) {
        moderar(m, modelo(m.x, false), 2, kAjeno);
    }
    if (propio != Patron::Atipico && propio != Patron::Palanca) {
        moderarAtipicos(m);
    }
}

Muestra ninguno(AzarReto& a, int n) {
    const auto [desde, hasta] = tramo(a, a.entero(60, 100));
    Muestra m = recta(a, rejilla(a, n, desde, hasta), 0.6, 2 + 1.5 * a.uniforme());
    sinPatronesAjenos(m, Patron::Ninguno);
    return m;
}

// A parabola whose t is 6 to 9, its ends at least 20 units off its middle.
Muestra curvatura(AzarReto& a, int n) {
    const int ancho = a.entero(60, 100);
    const auto [desde, hasta] = tramo(a, ancho);
    Muestra m = recta(a, rejilla(a, n, desde, hasta), 0.4, 2 + 1.5 * a.uniforme());
    sinPatronesAjenos(m, Patron::Curvatura);
    const double mitad = ancho / 2.0;
    fijarT(m, modelo(m.x, false), 2, signo(a) * (6 + 3 * a.uniforme()), 20 / (mitad * mitad));
    return m;
}

// Whether the diagnostics see a funnel in the rounded points, with room to
// spare below the 1 % of the check: the round's rounding and shift change
// the statistic a little.
bool embudoVisible(const Muestra& m) {
    std::vector<PuntoReto> p;
    for (std::size_t i = 0; i < m.x.size(); ++i) {
        p.push_back(punto(m.x[i], m.y[i]));
    }
    return diagnosticar(p).pBreuschPagan < 0.005;
}

// Normal errors whose spread grows along x (one way or the other) from
// half a unit to 8 to 12: a funnel. A draw in which Breusch-Pagan's test
// does not find it (most of those of few points) is drawn again, so that
// every round shows its funnel; after 200 draws the last is kept.
Muestra dispersion(AzarReto& a, int n) {
    const int ancho = a.entero(60, 100);
    const auto [desde, hasta] = tramo(a, ancho);
    const double abierto = 8 + 4 * a.uniforme(), sentido = signo(a);
    Muestra m;
    for (int intento = 0; intento < 200; ++intento) {
        m = recta(a, rejilla(a, n, desde, hasta), 0.5, 0);
        for (std::size_t i = 0; i < m.x.size(); ++i) {
            const double f = (m.x[i] - desde) / ancho, v = sentido > 0 ? f : 1 - f;
            m.y[i] += (0.5 + (abierto - 0.5) * v) * errorAcotado(a);
        }
        sinPatronesAjenos(m, Patron::Dispersion);
        if (embudoVisible(m)) {
            break;
        }
    }
    return m;
}

// One point near the middle of x whose externally studentised residual is
// 5.5 to 8: it lies that many of the others' s off their line.
Muestra atipico(AzarReto& a, int n) {
    const int ancho = a.entero(60, 90);
    const auto [desde, hasta] = tramo(a, ancho);
    Muestra m = recta(a, rejillaSinPalanca(a, n - 1, desde, hasta), 0.5, 2 + 1.5 * a.uniforme());
    sinPatronesAjenos(m, Patron::Atipico);
    const double x =
        redondearPar((desde + hasta) / 2 + signo(a) * ancho * (0.12 + 0.1 * a.uniforme()));
    const Prediccion p = predecir(m, x);
    const double t = 5.5 + 2.5 * a.uniforme();
    m.x.push_back(x);
    m.y.push_back(p.y + signo(a) * t * p.s * std::sqrt(1 + p.h));
    return m;
}

// One point across the plot from the others, off their line by what gives
// it a Cook's distance of 3 to 5: with the fit's e = (1 − h)·δ and
// SCE = SCE₋ + (1 − h)·δ², D = δ²h / 2s² gives δ.
Muestra palanca(AzarReto& a, int n) {
    const int ancho = static_cast<int>(redondearPar(40 - 15 * (n - 10) / 40.0));
    const bool izquierda = a.uniforme() < 0.5;
    const double desde = izquierda ? kBorde0 + 2 : kBorde1 - 2 - ancho;
    const double lejos = izquierda ? kBorde1 - 2 - a.entero(0, 6) : kBorde0 + 2 + a.entero(0, 6);
    Muestra m = recta(a, rejilla(a, n - 1, desde, desde + ancho), 0.5, 2 + a.uniforme());
    sinPatronesAjenos(m, Patron::Palanca);
    const Prediccion p = predecir(m, lejos);
    double mx = lejos, sxx = 0;
    for (const double v : m.x) {
        mx += v;
    }
    mx /= n;
    for (const double v : m.x) {
        sxx += (v - mx) * (v - mx);
    }
    sxx += (lejos - mx) * (lejos - mx);
    const double h = 1.0 / n + (lejos - mx) * (lejos - mx) / sxx, cook = 3 + 2 * a.uniforme();
    const double divisor = h * (n - 2) - 2 * cook * (1 - h);
    const double delta = divisor > 0 ? std::sqrt(2 * cook * p.sce / divisor) : 4 * p.s;
    m.x.push_back(lejos);
    m.y.push_back(p.y + signo(a) * delta);
    return m;
}

// Two groups of equal width, mirror images in x across a gap of 15 to 25,
// on parallel lines whose step has a t of 6 to 8 and is at least 12 units.
Muestra grupos(AzarReto& a, int n) {
    const int ancho = a.entero(20, 30), hueco = a.entero(15, 25);
    const auto [desde, hasta] = tramo(a, 2 * ancho + hueco);
    std::vector<double> x = rejilla(a, n / 2, desde, desde + ancho);
    for (int i = 0; i < n / 2; ++i) {
        x.push_back(desde + hasta - x[i]);
    }
    if (n % 2 != 0) {
        x.push_back(redondearPar(hasta - ancho / 2.0));
    }
    Muestra m = recta(a, std::move(x), 0.4, 1.5 + a.uniforme());
    fijarT(m, modelo(m.x, true), 3, signo(a) * (6 + 2 * a.uniforme()), 12);
    sinPatronesAjenos(m, Patron::Grupos);
    return m;
}

} // namespace

namespace generadores {

Muestra muestraDePatron(Patron patron, AzarReto& a, int n) {
    Muestra m;
    switch (patron) {
    case Patron::Ninguno:
        m = ninguno(a, n);
        break;
    case Patron::Curvatura:
        m = curvatura(a, n);
        break;
    case Patron::Dispersion:
        m = dispersion(a, n);
        break;
    case Patron::Atipico:
        m = atipico(a, n);
        break;
    case Patron::Palanca:
        m = palanca(a, n);
        break;
    case Patron::Grupos:
        m = grupos(a, n);
        break;
    }
    return m;
}

} // namespace generadores

} // namespace rectaviva
