// Known answers of the fit, the tests, the intervals, the analysis of
// variance, the prediction and the bands, and the properties that tie them
// together (deleted points, order, levels, views).
#include "motor_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace rectaviva::prueba {
namespace {

// Every float field of the fit, for exact comparisons between two states.
std::vector<float> resultados(const Globales& g) {
    std::vector<float> r = {
        g.sumaX,       g.sumaY,      g.sumaX2,       g.sumaY2,       g.sumaXY,       g.mediaX,
        g.mediaY,      g.Sxx,        g.Syy,          g.Sxy,          g.varX,         g.varY,
        g.desvX,       g.desvY,      g.correlacion,  g.intercepto,   g.pendiente,    g.SCReg,
        g.SCErr,       g.varError,   g.eeIntercepto, g.eePendiente,  g.tIntercepto,  g.tPendiente,
        g.pIntercepto, g.pPendiente, g.R2,           g.liIntercepto, g.lsIntercepto, g.liPendiente,
        g.lsPendiente, g.SCTot,      g.CMReg,        g.CMErr,        g.valorF,       g.pAnova,
        g.yPred,
    };
    for (int f = 0; f <= 3; ++f) {
        for (int c = 0; c <= 21; ++c) {
            r.push_back(g.banda(f, c));
        }
    }
    return r;
}

bool mismosBits(const std::vector<float>& a, const std::vector<float>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

class MuestraDeTres : public ::testing::Test {
protected:
    void SetUp() override {
        m.muestra({{0, 1}, {1, 2}, {2, 6}});
        m.g.prediccionActiva = 1;
        m.g.bandasActivas = 1;
        m.recalcular();
    }
    Motor m;
};

TEST_F(MuestraDeTres, AjusteYDescriptivos) {
    const Globales& g = m.g;
    EXPECT_FLOAT_EQ(g.Sxx, 2.0f);
    EXPECT_FLOAT_EQ(g.Syy, 14.0f);
    EXPECT_FLOAT_EQ(g.Sxy, 5.0f);
    EXPECT_FLOAT_EQ(g.mediaX, 1.0f);
    EXPECT_FLOAT_EQ(g.mediaY, 3.0f);
    EXPECT_FLOAT_EQ(g.varX, 1.0f);
    EXPECT_FLOAT_EQ(g.varY, 7.0f);
    EXPECT_FLOAT_EQ(g.desvX, 1.0f);
    EXPECT_NEAR(g.desvY, 2.6458, 1e-4);
    EXPECT_FLOAT_EQ(g.pendiente, 2.5f);
    EXPECT_FLOAT_EQ(g.intercepto, 0.5f);
    EXPECT_FLOAT_EQ(g.SCReg, 12.5f);
    EXPECT_FLOAT_EQ(g.SCErr, 1.5f);
    EXPECT_FLOAT_EQ(g.varError, 1.5f);
    EXPECT_NEAR(g.correlacion, 0.9449, 1e-4);
    EXPECT_NEAR(g.R2, 89.29, 1e-2);
    EXPECT_NEAR(g.eePendiente, 0.8660, 1e-4);
    EXPECT_NEAR(g.eeIntercepto, 1.1180, 1e-4);
}

TEST_F(MuestraDeTres, PruebasEIntervalos) {
    const Globales& g = m.g;
    EXPECT_NEAR(g.tIntercepto, 0.4472, 1e-4);
    EXPECT_NEAR(g.pIntercepto, 0.7539, 1e-4);
    EXPECT_NEAR(g.tPendiente, 2.8868, 1e-4);
    EXPECT_NEAR(g.pPendiente, 0.2325, 1e-4);
    EXPECT_NEAR(g.liIntercepto, -13.710, 1e-3);
    EXPECT_NEAR(g.lsIntercepto, 14.710, 1e-3);
    EXPECT_NEAR(g.liPendiente, -8.507, 1e-3);
    EXPECT_NEAR(g.lsPendiente, 13.507, 1e-3);
    // The bands ran last, at the prediction level: the same 95 here.
    EXPECT_NEAR(g.cuantilT, 12.71, 1e-4);
}

TEST_F(MuestraDeTres, AnalisisDeVarianza) {
    const Globales& g = m.g;
    EXPECT_FLOAT_EQ(g.SCTot, 14.0f);
    EXPECT_FLOAT_EQ(g.CMReg, 12.5f);
    EXPECT_FLOAT_EQ(g.CMErr, 1.5f);
    EXPECT_EQ(g.glReg, 1);
    EXPECT_EQ(g.glErr, 1);
    EXPECT_EQ(g.glTot, 2);
    EXPECT_NEAR(g.valorF, 8.3333, 1e-4);
    EXPECT_NEAR(g.pAnova, 0.2325, 1e-4);
    // F is the square of the slope's t, and both tests give one p-value.
    EXPECT_NEAR(g.valorF, g.tPendiente * g.tPendiente, 1e-4);
    EXPECT_NEAR(g.pAnova, g.pPendiente, 1e-6);
}

TEST_F(MuestraDeTres, PrediccionYBandas) {
    const Globales& g = m.g;
    EXPECT_FLOAT_EQ(g.yPred, 50.5f);
    EXPECT_NEAR(g.banda(0, 21), -159.41, 1e-2);
    EXPECT_NEAR(g.banda(1, 21), 260.41, 1e-2);
    EXPECT_NEAR(g.banda(2, 21), -158.83, 1e-2);
    EXPECT_NEAR(g.banda(3, 21), 259.83, 1e-2);
    EXPECT_NEAR(g.banda(0, 0), -551.15, 1e-2);

    // Both bands are narrowest at the column nearest the mean of x (x = 1,
    // nearest column 2), and the band of one observation contains the other.
    int masAngosta = 0;
    for (int k = 0; k <= 20; ++k) {
        if (g.banda(1, k) - g.banda(0, k) < g.banda(1, masAngosta) - g.banda(0, masAngosta)) {
            masAngosta = k;
        }
        EXPECT_LT(g.banda(0, k), g.banda(2, k));
        EXPECT_GT(g.banda(1, k), g.banda(3, k));
    }
    EXPECT_FLOAT_EQ(g.xBanda(masAngosta), 2.0f);
}

TEST_F(MuestraDeTres, UnPuntoEliminadoEsComoAusente) {
    const std::vector<float> antes = resultados(m.g);
    Motor otro;
    otro.muestra({{0, 1}, {1, 2}, {2, 6}, {50, -30}});
    otro.g.activo(4) = 0;
    otro.g.nActivos = 3;
    otro.g.prediccionActiva = 1;
    otro.g.bandasActivas = 1;
    otro.recalcular();
    EXPECT_TRUE(mismosBits(antes, resultados(otro.g)));
    EXPECT_EQ(otro.g.nPuntos, 4);
    EXPECT_FLOAT_EQ(otro.g.xObs(4), 50.0f);
}

TEST_F(MuestraDeTres, ElNivelSoloEnsanchaLosIntervalos) {
    Globales& g = m.g;
    const float a = g.intercepto, b = g.pendiente, pa = g.pIntercepto, pb = g.pPendiente;
    const float anchoA = g.lsIntercepto - g.liIntercepto, anchoB = g.lsPendiente - g.liPendiente;
    m.calculos.Intervalos(99.0f);
    EXPECT_GT(g.lsIntercepto - g.liIntercepto, anchoA);
    EXPECT_GT(g.lsPendiente - g.liPendiente, anchoB);
    EXPECT_NEAR((g.lsIntercepto + g.liIntercepto) / 2, a, 1e-4);
    EXPECT_NEAR((g.lsPendiente + g.liPendiente) / 2, b, 1e-4);
    EXPECT_EQ(g.intercepto, a);
    EXPECT_EQ(g.pIntercepto, pa);
    EXPECT_EQ(g.pPendiente, pb);
}

TEST_F(MuestraDeTres, LasVistasApagadasNoTocanSusResultados) {
    Globales& g = m.g;
    const std::vector<float> antes = resultados(g);
    g.xPred = 60.0f;
    g.bandasActivas = 0;
    g.prediccionActiva = 0;
    m.calculos.bandas();
    m.calculos.prediccion();
    EXPECT_TRUE(mismosBits(antes, resultados(g)));

    // A new xPred moves column 21 and yPred only.
    g.prediccionActiva = 1;
    m.calculos.prediccion();
    EXPECT_FLOAT_EQ(g.yPred, 150.5f);
    for (int k = 0; k <= 20; ++k) {
        for (int f = 0; f <= 3; ++f) {
            EXPECT_EQ(g.banda(f, k), antes[37 + f * 22 + k]);
        }
    }

    // A new level changes the widths about the same centres.
    const float centro = (g.banda(0, 21) + g.banda(1, 21)) / 2;
    const float ancho = g.banda(1, 21) - g.banda(0, 21);
    g.nivelPred = 80.0f;
    m.calculos.prediccion();
    EXPECT_NEAR((g.banda(0, 21) + g.banda(1, 21)) / 2, centro, 1e-3);
    EXPECT_LT(g.banda(1, 21) - g.banda(0, 21), ancho);
}

TEST(Ajuste, UnaPendienteNegativaDaTYCorrelacionNegativas) {
    Motor pos, neg;
    pos.muestra({{0, 1}, {1, 2}, {2, 6}, {5, 9}});
    neg.muestra({{0, -1}, {1, -2}, {2, -6}, {5, -9}});
    pos.recalcular();
    neg.recalcular();
    EXPECT_LT(neg.g.correlacion, 0.0f);
    EXPECT_FLOAT_EQ(neg.g.correlacion, -pos.g.correlacion);
    EXPECT_FLOAT_EQ(neg.g.tPendiente, -pos.g.tPendiente);
    EXPECT_FLOAT_EQ(neg.g.pPendiente, pos.g.pPendiente);
    EXPECT_FLOAT_EQ(neg.g.R2, pos.g.R2);
}

TEST(Ajuste, ElOrdenDeLosPuntosNoImporta) {
    std::mt19937 azar(7);
    std::uniform_int_distribution<int> x(-20, 75), y(-35, 95);
    std::vector<std::pair<float, float>> puntos;
    for (int i = 0; i < 30; ++i) {
        puntos.emplace_back(static_cast<float>(x(azar)), static_cast<float>(y(azar)));
    }
    std::vector<float> primero;
    for (int vuelta = 0; vuelta < 20; ++vuelta) {
        Motor m;
        for (const auto& [px, py] : puntos) {
            ++m.g.nPuntos;
            m.g.xObs(m.g.nPuntos) = px;
            m.g.yObs(m.g.nPuntos) = py;
            m.g.activo(m.g.nPuntos) = 1;
        }
        m.g.nActivos = m.g.nPuntos;
        m.g.bandasActivas = 1;
        m.g.prediccionActiva = 1;
        m.recalcular();
        if (vuelta == 0) {
            primero = resultados(m.g);
        } else {
            EXPECT_TRUE(mismosBits(primero, resultados(m.g))) << "order " << vuelta;
        }
        std::shuffle(puntos.begin(), puntos.end(), azar);
    }
}

TEST(Ajuste, SinMuestraNoSeCalculaNada) {
    for (int n : {0, 1, 2}) {
        Motor m;
        m.g.bandasActivas = 1;
        m.g.prediccionActiva = 1;
        for (int k = 1; k <= n; ++k) {
            m.g.xObs(k) = static_cast<float>(k);
            m.g.yObs(k) = static_cast<float>(2 * k);
            m.g.activo(k) = 1;
        }
        m.g.nPuntos = m.g.nActivos = static_cast<Integer>(n);
        const std::vector<float> antes = resultados(m.g);
        m.calculos.Calcula();
        m.calculos.Intervalos(95.0f);
        m.calculos.Anova();
        m.calculos.bandas();
        m.calculos.prediccion();
        EXPECT_TRUE(mismosBits(antes, resultados(m.g))) << n << " points";
        EXPECT_EQ(m.g.glErr, 0);
    }
}

TEST(Ajuste, LasAbscisasDeLasBandasCubrenElGrafico) {
    Motor m;
    for (int k = 0; k <= 20; ++k) {
        EXPECT_FLOAT_EQ(m.g.xBanda(k), static_cast<float>(-40 + 7 * k));
    }
}

// Dragging a point many times with incremental sums, then recomputing from
// scratch: the two agree up to float rounding. The largest drift seen with
// this seed over 20000 steps is printed (7e-6 of the sum of the magnitudes
// of its terms); the bound allows about ten times more.
TEST(Ajuste, LasSumasIncrementalesNoSeAlejan) {
    Motor m;
    std::mt19937 azar(2024);
    std::uniform_int_distribution<int> coord(-40, 100), punto(1, 50);
    for (int k = 1; k <= 50; ++k) {
        m.g.xObs(k) = static_cast<float>(coord(azar));
        m.g.yObs(k) = static_cast<float>(coord(azar));
        m.g.activo(k) = 1;
    }
    m.g.nPuntos = m.g.nActivos = 50;
    m.calculos.sumas();
    std::uniform_real_distribution<float> paso(-3.0f, 3.0f);
    double peor = 0;
    for (int i = 0; i < 20000; ++i) {
        const Integer k = static_cast<Integer>(punto(azar));
        const float xv = m.g.xObs(k), yv = m.g.yObs(k);
        // Whole numbers as the drag stores them, and arbitrary floats as the
        // cloud tools leave them.
        if (i % 2 == 0) {
            m.g.xObs(k) = std::nearbyint(std::clamp(xv + paso(azar), -40.0f, 100.0f));
            m.g.yObs(k) = std::nearbyint(std::clamp(yv + paso(azar), -40.0f, 100.0f));
        } else {
            m.g.xObs(k) = std::clamp(xv + paso(azar), -40.0f, 100.0f);
            m.g.yObs(k) = std::clamp(yv + paso(azar), -40.0f, 100.0f);
        }
        m.calculos.resumas(k, xv, yv);
    }
    const float inc[5] = {m.g.sumaX, m.g.sumaY, m.g.sumaX2, m.g.sumaY2, m.g.sumaXY};
    m.calculos.sumas();
    const float desde0[5] = {m.g.sumaX, m.g.sumaY, m.g.sumaX2, m.g.sumaY2, m.g.sumaXY};
    // Each sum is compared against the size of the terms it accumulates.
    double escala[5] = {0, 0, 0, 0, 0};
    for (int k = 1; k <= 50; ++k) {
        const double x = m.g.xObs(k), y = m.g.yObs(k);
        escala[0] += std::fabs(x);
        escala[1] += std::fabs(y);
        escala[2] += x * x;
        escala[3] += y * y;
        escala[4] += std::fabs(x * y);
    }
    for (int s = 0; s < 5; ++s) {
        const double deriva = std::fabs(double(inc[s]) - desde0[s]) / escala[s];
        peor = std::max(peor, deriva);
    }
    std::printf("largest relative drift of the incremental sums: %.3g\n", peor);
    EXPECT_LT(peor, 1e-4);
}

TEST(Ajuste, ResumasNoTocaUnPuntoEliminadoNiFueraDeLaMuestra) {
    Motor m;
    m.muestra({{0, 1}, {1, 2}, {2, 6}, {3, 3}});
    m.g.activo(4) = 0;
    m.g.nActivos = 3;
    m.calculos.sumas();
    const float antes = m.g.sumaX;
    m.g.xObs(4) = 90.0f;
    m.calculos.resumas(4, 3.0f, 3.0f);
    EXPECT_EQ(m.g.sumaX, antes);
    for (Integer k : {Integer{0}, Integer{5}, Integer{51}, Integer{-3}}) {
        m.calculos.resumas(k, 0.0f, 0.0f);
        EXPECT_EQ(m.g.sumaX, antes);
    }
}

// Residual, leverage, standardised residual, Cook's distance and the fit
// without the point (k, then those six numbers, for some points k) against a
// double-precision computation made outside the program: a deleted point has
// a residual, from the fit without it, and no influence; nothing is computed
// while a view is off. Each case also checks scMiRecta for one line (a, b).
TEST(Ajuste, ResiduosInfluenciaYSumaDeCuadrados) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        std::vector<std::pair<float, float>> puntos;
        struct {
            double a, b, sc; ///< the line a + b x and its sum of squares
        } recta;
        std::vector<double> esperados;
        int eliminado = 0;
    } casos[] = {
        {{{0, 1}, {1, 2}, {2, 6}}, {1, 1, 9}, {1, 0.5, 0.833333333, 1,  2.5,  -2, 4,
                                               2, -1,  0.333333333, -1, 0.25, 1,  2.5,
                                               3, 0.5, 0.833333333, 1,  2.5,  1,  1}},
        // The point far to the right pulls the line: D > 1. The line is the
        // least-squares one, so its sum is SCErr. Point 7 is deleted.
        {{{0, 10}, {5, 14}, {10, 12}, {15, 18}, {20, 16}, {95, 20}, {50, 90}},
         {13.0538206, 0.0805315615, 29.331561462},
         {1, -3.0538206,   0.259800664, -1.31078535, 0.301525973, 14.1256732, 0.0646319569,
          6, -0.704318937, 0.966777409, -1.42697057, 29.627365,   10.8,       0.32,
          7, 72.9196013,   nan,         nan,         nan,         13.0538206, 0.0805315615},
         7},
        // The others share x = -33: h = 1 (its formula rounds to 0.9999987),
        // no r or D, no fit without point 3.
        {{{-33, 0}, {-33, 5}, {-31, 3}},
         {3, 0, 13},
         {1, -2.5, 0.5, -1, 0.5, -28, -1, 3, 0, 1, nan, nan, nan, nan}},
        // s = 0: no r or D.
        {{{0, 1}, {1, 3}, {2, 5}}, {1, 2, 0}, {2, 0, 0.333333333, nan, nan, 1, 2}},
        {{{5, 1}, {5, 7}, {5, 20}}, {0, 0, 450}, {1, nan, nan, nan, nan, nan, nan}},
        // The expansion gives -1.6e-5 here: a sum of squares reads 0.
        {kCasiRecta, {3.7, 1.3, 0}, {}}};
    const auto cerca = [](float v, double e) {
        return std::isnan(e) ? std::isnan(v)
                             : std::fabs(v - e) <= 1e-5 * std::max(1.0, std::fabs(e));
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.recta.sc);
        Motor m;
        m.muestra(c.puntos, c.eliminado);
        m.recalcular();
        m.calculos.residuos();
        m.calculos.influencia();
        EXPECT_TRUE(m.g.residuo(1) == 0 && m.g.apalancamiento(1) == 0);
        m.g.residuosActivos = m.g.influenciaActiva = 1;
        m.calculos.residuos();
        m.calculos.influencia();
        m.calculos.sumaCuadradosRecta(static_cast<float>(c.recta.a), static_cast<float>(c.recta.b));
        EXPECT_TRUE(cerca(m.g.scMiRecta, c.recta.sc)) << m.g.scMiRecta;
        // Over the points in use the residuals add up to 0 and their squares to SCErr.
        EXPECT_TRUE(cerca(m.g.sumaResiduos, std::isnan(m.g.SCErr) ? nan : 0.0));
        EXPECT_TRUE(cerca(m.g.sumaCuadradosResiduos, m.g.SCErr));
        for (std::size_t i = 0; i < c.esperados.size(); i += 7) {
            const Integer k = static_cast<Integer>(c.esperados[i]);
            m.calculos.ajusteSin(k);
            const Globales& g = m.g;
            const float v[] = {g.residuo(k),
                               g.apalancamiento(k),
                               g.residuoEstandarizado(k),
                               g.distanciaCook(k),
                               g.aSin,
                               g.bSin};
            for (std::size_t j = 0; j < 6; ++j) {
                EXPECT_TRUE(cerca(v[j], c.esperados[i + 1 + j])) << "point " << k << " value " << j;
            }
        }
    }
}

} // namespace
} // namespace rectaviva::prueba
