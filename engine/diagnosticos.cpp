// The diagnostics of the residual rounds (curvature, spread, outlier,
// leverage, groups), the patterns they find, and the marks the explanation
// draws on the residual plot. Everything in double precision.
#include "diagnosticos_privado.h"
#include "retos_residuos.h"

#include "distribuciones.h"

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace minimos {

namespace {

double producto(const std::vector<double>& a, const std::vector<double>& b) {
    double s = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        s += a[i] * b[i];
    }
    return s;
}

// a −= f·b
void restar(std::vector<double>& a, double f, const std::vector<double>& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] -= f * b[i];
    }
}

} // namespace

Ajuste ajustar(const std::vector<double>& y, std::span<const std::vector<double>> columnas) {
    Ajuste a;
    const std::size_t n = y.size(), k = columnas.size() + 1;
    if (k > 4 || n < k) {
        return a;
    }
    std::array<std::vector<double>, 4> q;
    std::array<std::array<double, 4>, 4> r{};
    q[0].assign(n, 1.0);
    for (std::size_t j = 1; j < k; ++j) {
        if (columnas[j - 1].size() != n) {
            return a;
        }
        q[j] = columnas[j - 1];
    }
    for (std::size_t j = 0; j < k; ++j) {
        const double antes = std::sqrt(producto(q[j], q[j]));
        for (std::size_t i = 0; i < j; ++i) {
            r[i][j] = producto(q[i], q[j]);
            restar(q[j], r[i][j], q[i]);
        }
        const double norma = std::sqrt(producto(q[j], q[j]));
        // A column within rounding of the span of those before it.
        if (!(norma > 1e-9 * antes) || !std::isfinite(norma)) {
            return a;
        }
        r[j][j] = norma;
        for (double& v : q[j]) {
            v /= norma;
        }
    }
    std::array<double, 4> qy{};
    a.residuos = y;
    for (std::size_t j = 0; j < k; ++j) {
        qy[j] = producto(q[j], a.residuos);
        restar(a.residuos, qy[j], q[j]);
    }
    // R·coef = Qᵀy, and (XᵀX)⁻¹ = R⁻¹R⁻ᵀ for the standard errors.
    std::array<std::array<double, 4>, 4> inv{};
    for (std::size_t j = k; j-- > 0;) {
        double c = qy[j];
        for (std::size_t l = j + 1; l < k; ++l) {
            c -= r[j][l] * a.coef[l];
        }
        a.coef[j] = c / r[j][j];
    }
    for (std::size_t j = 0; j < k; ++j) {
        inv[j][j] = 1 / r[j][j];
        for (std::size_t i = j; i-- > 0;) {
            double s = 0;
            for (std::size_t l = i + 1; l <= j; ++l) {
                s += r[i][l] * inv[l][j];
            }
            inv[i][j] = -s / r[i][i];
        }
    }
    a.sce = producto(a.residuos, a.residuos);
    a.gl = static_cast<int>(n - k);
    a.valido = true;
    double media = 0, syy = 0;
    for (const double v : y) {
        media += v / static_cast<double>(n);
    }
    for (const double v : y) {
        syy += (v - media) * (v - media);
    }
    a.perfecto = a.sce <= 1e-20 * syy;
    if (a.gl >= 1) {
        const double s2 = a.sce / a.gl;
        for (std::size_t i = 0; i < k; ++i) {
            double d = 0;
            for (std::size_t j = i; j < k; ++j) {
                d += inv[i][j] * inv[i][j];
            }
            a.se[i] = std::sqrt(s2 * d);
        }
    }
    return a;
}

std::array<std::vector<double>, 2> columnasCuadraticas(const std::vector<double>& x) {
    double media = 0;
    for (const double v : x) {
        media += v / static_cast<double>(x.size());
    }
    std::array<std::vector<double>, 2> c;
    for (const double v : x) {
        c[0].push_back(v - media);
        c[1].push_back((v - media) * (v - media));
    }
    return c;
}

std::vector<double> columnaDeGrupos(const std::vector<double>& x) {
    std::vector<double> v = x;
    std::sort(v.begin(), v.end());
    double mayor = 0, corte = 0;
    for (std::size_t i = 2; i + 3 < v.size(); ++i) {
        if (v[i + 1] - v[i] > mayor) {
            mayor = v[i + 1] - v[i];
            corte = v[i];
        }
    }
    std::vector<double> g;
    if (mayor > 0) {
        for (const double xi : x) {
            g.push_back(xi > corte ? 1.0 : 0.0);
        }
    }
    return g;
}

double tCuadratico(const std::vector<double>& x, const std::vector<double>& y) {
    return ajustar(y, columnasCuadraticas(x)).t(2);
}

double tGrupos(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<double> g = columnaDeGrupos(x);
    if (g.empty()) {
        return kNaN;
    }
    auto [u, u2] = columnasCuadraticas(x);
    const std::vector<double> c[] = {std::move(u), std::move(u2), std::move(g)};
    return ajustar(y, c).t(3);
}

} // namespace minimos

namespace {

struct Columnas {
    std::vector<double> x, y;
    bool finitos = true;
};

Columnas columnas(const std::vector<PuntoReto>& puntos) {
    Columnas c;
    for (const PuntoReto p : puntos) {
        c.x.push_back(p.x);
        c.y.push_back(p.y);
        c.finitos = c.finitos && std::isfinite(p.x) && std::isfinite(p.y);
    }
    return c;
}

// The least-squares line's residuals and leverages; empty without a line.
struct Recta {
    std::vector<double> e, h;
    double sxx = 0, mx = 0;
    bool perfecta = false;
};

Recta recta(const Columnas& c) {
    const std::vector<double> u = minimos::columnasCuadraticas(c.x)[0];
    const minimos::Ajuste a = minimos::ajustar(c.y, std::span(&u, 1));
    Recta r;
    if (!a.valido) {
        return r;
    }
    r.sxx = minimos::producto(u, u);
    r.mx = c.x.empty() ? 0 : c.x[0] - u[0];
    r.e = a.residuos;
    r.perfecta = a.perfecto;
    for (const double v : u) {
        r.h.push_back(1 / static_cast<double>(u.size()) + v * v / r.sxx);
    }
    return r;
}

// n·R² of e² on x, with its χ²(1) tail.
void breuschPagan(Diagnostico& d, const Columnas& c, const Recta& r) {
    std::vector<double> e2;
    for (const double e : r.e) {
        e2.push_back(e * e);
    }
    const std::vector<double> u = minimos::columnasCuadraticas(c.x)[0];
    const minimos::Ajuste a = minimos::ajustar(e2, std::span(&u, 1));
    if (!a.valido || a.perfecto) {
        return;
    }
    double media = 0, see = 0;
    for (const double v : e2) {
        media += v / static_cast<double>(e2.size());
    }
    for (const double v : e2) {
        see += (v - media) * (v - media);
    }
    if (see > 0) {
        d.breuschPagan = static_cast<double>(e2.size()) * (1 - a.sce / see);
        d.pBreuschPagan = cdf(complement(distribuciones::ChiCuadrado(1), d.breuschPagan));
    }
}

} // namespace

Diagnostico diagnosticar(const std::vector<PuntoReto>& puntos) {
    Diagnostico d;
    const Columnas c = columnas(puntos);
    const int n = static_cast<int>(puntos.size());
    if (n < 3 || !c.finitos) {
        return d;
    }
    const Recta r = recta(c);
    if (r.e.empty() || r.perfecta) {
        return d;
    }
    breuschPagan(d, c, r);
    double sce = 0;
    for (const double e : r.e) {
        sce += e * e;
    }
    const double s2 = sce / (n - 2);
    for (int i = 0; i < n; ++i) {
        const double e = r.e[i], h = r.h[i], resto = 1 - h;
        if (d.puntoPalanca < 0 || h > d.maxPalanca) {
            d.maxPalanca = h;
            d.puntoPalanca = i;
            d.cookDePalanca =
                resto > 1e-12 ? e * e * h / (2 * s2 * resto * resto) : Diagnostico::nan;
        }
        // The residual against the fit without the point.
        const double s2i = n > 3 && resto > 1e-12 ? (sce - e * e / resto) / (n - 3) : 0;
        if (s2i > 1e-12 * s2) {
            const double t = std::fabs(e) / std::sqrt(s2i * resto);
            if (d.puntoEstudentizado < 0 || t > d.maxEstudentizado) {
                d.maxEstudentizado = t;
                d.puntoEstudentizado = i;
            }
        }
    }
    d.tCuadratico = minimos::tCuadratico(c.x, c.y);
    d.tGrupos = minimos::tGrupos(c.x, c.y);
    return d;
}

std::array<bool, numPatrones> patronesHallados(const Diagnostico& d, int n) {
    std::array<bool, numPatrones> p{};
    // No points, no levels of leverage (and no division by 0).
    const double palancaAlta = n > 0 ? 3 * 2.0 / n : Diagnostico::nan;
    const double palancaBaja = n > 0 ? 2 * 2.0 / n : Diagnostico::nan;
    p[static_cast<int>(Patron::Curvatura)] = std::fabs(d.tCuadratico) > 3;
    p[static_cast<int>(Patron::Dispersion)] = d.pBreuschPagan < 0.01;
    p[static_cast<int>(Patron::Atipico)] = d.maxEstudentizado > 3.5 && d.maxPalanca <= palancaBaja;
    p[static_cast<int>(Patron::Palanca)] = d.maxPalanca > palancaAlta && d.cookDePalanca > 1;
    p[static_cast<int>(Patron::Grupos)] = std::fabs(d.tGrupos) > 4;
    p[static_cast<int>(Patron::Ninguno)] =
        std::none_of(p.begin() + 1, p.end(), [](bool b) { return b; });
    return p;
}

MarcasResiduos marcasDeResiduos(const std::vector<PuntoReto>& puntos) {
    MarcasResiduos m;
    const Columnas c = columnas(puntos);
    if (!c.finitos) {
        return m;
    }
    const Recta r = recta(c);
    if (r.e.empty()) {
        return m;
    }
    auto cols = minimos::columnasCuadraticas(c.x);
    const minimos::Ajuste q = minimos::ajustar(r.e, cols);
    if (q.valido) {
        // From powers of x − x̄ to powers of x.
        const double k0 = q.coef[0], k1 = q.coef[1], k2 = q.coef[2];
        m.curva = {k0 - k1 * r.mx + k2 * r.mx * r.mx, k1 - 2 * k2 * r.mx, k2};
    }
    std::vector<double> absolutos;
    for (const double e : r.e) {
        absolutos.push_back(std::fabs(e));
    }
    const minimos::Ajuste f = minimos::ajustar(absolutos, std::span(&cols[0], 1));
    if (f.valido) {
        const double escala = 2 * std::sqrt(std::acos(-1.0) / 2);
        m.embudo = {escala * (f.coef[0] - f.coef[1] * r.mx), escala * f.coef[1]};
    }
    return m;
}

} // namespace rectaviva
