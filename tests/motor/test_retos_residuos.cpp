// The residual rounds: each generator shows its own pattern and no other,
// the diagnostics and marks against fits computed here by the normal
// equations, pinned rounds, the lineup, and input without a fit.
#include "motor_prueba.h"
#include "puntuacion.h"
#include "retos_residuos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <set>

namespace rectaviva {
namespace {

// Every round's key holds by the program's own rule: for 10,000 consecutive
// codes of each pattern (every valid code among them), the diagnostics of
// the points shown find the round's pattern and no other, in its marked point.
TEST(RetosResiduos, LaClaveEsCiertaEnCadaCodigo) {
    for (int p = 0; p < numPatrones; ++p) {
        const auto patron = static_cast<Patron>(p);
        for (int codigo = 0; codigo < 10000; ++codigo) {
            const RondaReto r = rondaDePatron(patron, codigo);
            const auto n = static_cast<int>(r.puntos.size());
            ASSERT_TRUE(n >= (patron == Patron::Dispersion ? 20 : 10) && n <= 50) << codigo;
            for (const PuntoReto q : r.puntos) {
                ASSERT_TRUE(q.x == std::nearbyint(q.x) && q.x >= -30 && q.x <= 90) << codigo;
                ASSERT_TRUE(q.y == std::nearbyint(q.y) && q.y >= -30 && q.y <= 90) << codigo;
            }
            const Diagnostico d = diagnosticar(r.puntos);
            const auto h = patronesHallados(d, n);
            for (int o = 0; o < numPatrones; ++o) {
                ASSERT_EQ(h[o], o == p)
                    << "patrón " << p << ", código " << codigo << ", halla " << o;
            }
            ASSERT_EQ(r.senalado, patron == Patron::Atipico   ? d.puntoEstudentizado
                                  : patron == Patron::Palanca ? d.puntoPalanca
                                                              : -1)
                << codigo;
            ASSERT_EQ(r.grupo.size(), patron == Patron::Grupos ? r.puntos.size() : 0U) << codigo;
        }
    }
}

// Least squares by the normal equations in long double, and the same fit
// without point `sin`: the reference of every diagnostic below.
struct Referencia {
    std::vector<long double> coef;
    std::vector<std::vector<long double>> inv; ///< (XᵀX)⁻¹
    long double sce = 0;
    int gl = 0;
    long double en(const std::vector<long double>& f) const {
        long double v = 0;
        for (std::size_t j = 0; j < f.size(); ++j) {
            v += coef[j] * f[j];
        }
        return v;
    }
};
using Filas = std::vector<std::vector<long double>>;

Referencia normales(const Filas& X, const std::vector<long double>& y, int sin = -1) {
    const std::size_t k = X[0].size();
    std::vector<std::vector<long double>> a(k, std::vector<long double>(2 * k + 1, 0));
    for (std::size_t i = 0; i < X.size(); ++i) {
        for (std::size_t r = 0; r < k && static_cast<int>(i) != sin; ++r) {
            for (std::size_t c = 0; c < k; ++c) {
                a[r][c] += X[i][r] * X[i][c];
            }
            a[r][2 * k] += X[i][r] * y[i];
        }
    }
    for (std::size_t r = 0; r < k; ++r) {
        a[r][k + r] = 1;
    }
    for (std::size_t c = 0; c < k; ++c) { // Gauss-Jordan, the matrix is positive definite
        for (std::size_t r = 0; r < k; ++r) {
            if (r != c) {
                const long double f = a[r][c] / a[c][c];
                for (std::size_t j = 0; j <= 2 * k; ++j) {
                    a[r][j] -= f * a[c][j];
                }
            }
        }
    }
    Referencia R;
    for (std::size_t r = 0; r < k; ++r) {
        R.coef.push_back(a[r][2 * k] / a[r][r]);
        R.inv.emplace_back(a[r].begin() + k, a[r].begin() + 2 * k);
        for (long double& v : R.inv.back()) {
            v /= a[r][r];
        }
    }
    for (std::size_t i = 0; i < X.size(); ++i) {
        const long double e = y[i] - R.en(X[i]);
        R.sce += static_cast<int>(i) == sin ? 0 : e * e;
    }
    R.gl = static_cast<int>(X.size() - k) - (sin >= 0);
    return R;
}

TEST(RetosResiduos, DiagnosticosYMarcasComoLasEcuacionesNormales) {
    // A leverage point at 40 and the widest gap (6 to 15) that leaves three
    // points on each side.
    const std::vector<PuntoReto> p = {{0, 2},   {1, 4},   {3, 3},   {4, 7},   {6, 6},  {15, 20},
                                      {16, 19}, {18, 24}, {19, 22}, {21, 27}, {40, 30}};
    const std::size_t n = p.size();
    Filas recta, cuadratica, grupos;
    std::vector<long double> y;
    for (const PuntoReto q : p) {
        const long double x = q.x;
        recta.push_back({1, x});
        cuadratica.push_back({1, x, x * x});
        grupos.push_back({1, x, x * x, x > 6 ? 1.0L : 0.0L});
        y.push_back(q.y);
    }
    const auto forma = [](const Referencia& r, const std::vector<long double>& f) {
        return f[0] * (r.inv[0][0] * f[0] + r.inv[0][1] * f[1]) +
               f[1] * (r.inv[1][0] * f[0] + r.inv[1][1] * f[1]);
    };
    const auto t = [](const Referencia& r, int j) {
        return r.coef[j] / std::sqrt(r.sce / r.gl * r.inv[j][j]);
    };
    const Diagnostico d = diagnosticar(p);
    const double tol = 1e-9;
    EXPECT_NEAR(d.tCuadratico, t(normales(cuadratica, y), 2), tol);
    EXPECT_NEAR(d.tGrupos, t(normales(grupos, y), 3), tol);
    const Referencia L = normales(recta, y);
    long double hMax = 0, tMax = 0, cook = 0;
    int iH = -1, iT = -1;
    std::vector<long double> e, e2, absolutos;
    for (std::size_t i = 0; i < n; ++i) {
        const auto& f = recta[i];
        const long double h = forma(L, f);
        const Referencia sin = normales(recta, y, static_cast<int>(i));
        long double dCook = 0;
        for (std::size_t j = 0; j < n; ++j) {
            dCook += std::pow(L.en(recta[j]) - sin.en(recta[j]), 2) / (2 * L.sce / L.gl);
        }
        const long double ti =
            std::fabs(y[i] - sin.en(f)) / std::sqrt(sin.sce / sin.gl * (1 + forma(sin, f)));
        if (h > hMax) {
            hMax = h, iH = static_cast<int>(i), cook = dCook;
        }
        if (ti > tMax) {
            tMax = ti, iT = static_cast<int>(i);
        }
        e.push_back(y[i] - L.en(f));
        e2.push_back(e.back() * e.back());
        absolutos.push_back(std::fabs(e.back()));
    }
    EXPECT_NEAR(d.maxPalanca, hMax, tol);
    EXPECT_EQ(d.puntoPalanca, iH);
    EXPECT_NEAR(d.cookDePalanca, cook, tol);
    EXPECT_NEAR(d.maxEstudentizado, tMax, tol);
    EXPECT_EQ(d.puntoEstudentizado, iT);
    const Referencia bp = normales(recta, e2);
    long double media = 0, stt = 0;
    for (const long double v : e2) {
        media += v / n;
    }
    for (const long double v : e2) {
        stt += (v - media) * (v - media);
    }
    const double lm = static_cast<double>(n * (1 - bp.sce / stt));
    EXPECT_NEAR(d.breuschPagan, lm, tol);
    EXPECT_NEAR(d.pBreuschPagan, std::erfc(std::sqrt(lm / 2)), tol);
    const MarcasResiduos m = marcasDeResiduos(p);
    const Referencia curva = normales(cuadratica, e), embudo = normales(recta, absolutos);
    for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(m.curva[j], curva.coef[j], tol) << j;
    }
    for (int j = 0; j < 2; ++j) {
        EXPECT_NEAR(m.embudo[j], 2 * std::sqrt(std::numbers::pi / 2) * embudo.coef[j], tol) << j;
    }
}

TEST(RetosResiduos, UnCodigoDaSiempreLaMismaRondaYLaMismaRueda) {
    struct Fijada {
        Patron patron;
        int codigo;
        std::size_t n;
        PuntoReto primeros[2];
        double suma;
    };
    for (const Fijada& f : {Fijada{Patron::Ninguno, 4817, 44, {{30, 28}, {6, 26}}, 1022782},
                            {Patron::Curvatura, 1000, 34, {{17, 24}, {-8, 39}}, 350414},
                            {Patron::Dispersion, 2345, 48, {{24, 35}, {-9, 52}}, 1508271},
                            {Patron::Atipico, 6321, 15, {{71, 15}, {28, 32}}, 38948},
                            {Patron::Palanca, 7777, 33, {{-9, 30}, {-10, 32}}, 410343},
                            {Patron::Grupos, 9999, 50, {{3, 32}, {-18, 34}}, 1348479}}) {
        const RondaReto r = rondaDePatron(f.patron, f.codigo);
        ASSERT_EQ(r.puntos.size(), f.n) << f.codigo;
        EXPECT_EQ(prueba::firmaDeRonda(r), f.suma) << f.codigo;
        EXPECT_TRUE(r.puntos[0] == f.primeros[0] && r.puntos[1] == f.primeros[1]) << f.codigo;
    }
    // The code draws the pattern, uniformly, then the pattern's round.
    std::array<int, numPatrones> veces{};
    for (int codigo = primerCodigo; codigo < primerCodigo + 1200; ++codigo) {
        const RondaReto r = rondaDeCodigo(Reto::Residuos, codigo);
        ++veces[static_cast<int>(r.patron)];
        ASSERT_EQ(r.puntos, rondaDePatron(r.patron, codigo).puntos) << codigo;
    }
    for (const int v : veces) {
        EXPECT_TRUE(v > 150 && v < 250) << v;
    }
    // The lineup: the sample's own residuals at its place, drawn from the
    // seed (every place in turn), nineteen others on the same x from its
    // line with its spread, each about its own line.
    const std::vector<PuntoReto> muestra = rondaDePatron(Patron::Curvatura, 4817).puntos;
    std::set<int> lugares;
    for (std::uint64_t semilla = 0; semilla < 200; ++semilla) {
        lugares.insert(ruedaDeResiduos(muestra, semilla).propio);
    }
    EXPECT_EQ(lugares.size(), 20U);
    const Rueda rueda = ruedaDeResiduos(muestra, 4817);
    ASSERT_EQ(rueda.graficos.size(), 20U);
    Filas recta;
    std::vector<long double> y;
    for (const PuntoReto q : muestra) {
        recta.push_back({1, q.x});
        y.push_back(q.y);
    }
    const Referencia L = normales(recta, y);
    long double sce = 0;
    for (std::size_t k = 0; k < rueda.graficos.size(); ++k) {
        const auto& g = rueda.graficos[k];
        ASSERT_EQ(g.size(), muestra.size());
        double suma = 0, sxe = 0;
        for (std::size_t i = 0; i < g.size(); ++i) {
            EXPECT_EQ(g[i].x, muestra[i].x);
            suma += g[i].e;
            sxe += g[i].x * g[i].e;
            if (static_cast<int>(k) == rueda.propio) {
                EXPECT_NEAR(g[i].e, y[i] - L.en(recta[i]), 1e-9);
            } else {
                sce += g[i].e * g[i].e;
            }
        }
        EXPECT_NEAR(suma, 0, 1e-9);
        EXPECT_NEAR(sxe, 0, 1e-7);
    }
    const double s = std::sqrt(static_cast<double>(L.sce / L.gl));
    EXPECT_NEAR(std::sqrt(static_cast<double>(sce / (19 * L.gl))), s, 0.15 * s);
    EXPECT_EQ(ruedaDeResiduos(muestra, 4817).graficos, rueda.graficos);
}

TEST(RetosResiduos, SinAjusteNadaSeRompe) {
    struct Caso {
        std::vector<PuntoReto> p;
        bool marcas; ///< the marks are defined
    };
    for (const Caso& c :
         std::vector<Caso>{{{}, false},
                           {{{1, 2}}, false},
                           {{{1, 2}, {3, 5}}, false},
                           {{{1, 2}, {2, 4}, {3, 6}}, true},
                           {{{4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}}, false},
                           {{{4, 1}, {4, 2}, {4, 3}, {4, 9}, {4, 4}}, false},
                           {{{0, 1}, {1, 3}, {1, 3}, {2, 5}, {3, 7}, {3, 7}, {5, 11}}, true},
                           {{{0, 1}, {1, NAN}, {2, 5}, {3, 2}, {5, 9}}, false}}) {
        const Diagnostico d = diagnosticar(c.p);
        for (const double v : {d.tCuadratico, d.breuschPagan, d.pBreuschPagan, d.maxEstudentizado,
                               d.maxPalanca, d.cookDePalanca, d.tGrupos}) {
            EXPECT_TRUE(std::isnan(v)) << c.p.size();
        }
        EXPECT_EQ(d.puntoEstudentizado, -1);
        EXPECT_EQ(d.puntoPalanca, -1);
        EXPECT_TRUE(patronesHallados(d, static_cast<int>(c.p.size()))[0]);
        const MarcasResiduos m = marcasDeResiduos(c.p);
        EXPECT_EQ(std::isfinite(m.curva[2]) && std::isfinite(m.embudo[1]), c.marcas) << c.p.size();
        const Rueda r = ruedaDeResiduos(c.p, 1234);
        ASSERT_EQ(r.graficos.size(), 20U);
        for (const auto& g : r.graficos) {
            for (const PuntoResiduo q : g) {
                EXPECT_TRUE(std::isfinite(q.x) && std::isfinite(q.e)) << c.p.size();
            }
        }
    }
}

} // namespace
} // namespace rectaviva
