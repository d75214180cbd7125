// The t table and its two look-ups: spot values of the table, its shape, and
// the interpolation examples, including statistics beyond the last column;
// with exacto, the exact t distribution against published values.
#include "motor_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace rectaviva::prueba {
namespace {

TEST(TablaT, ValoresPuntuales) {
    Motor m;
    const TablaT& T = m.g.valoresT;
    EXPECT_EQ(T(10, 4), 2.228f);
    EXPECT_EQ(T(1, 6), 63.66f);
    EXPECT_EQ(T(50, 4), 2.009f);
    EXPECT_EQ(T(20, 6), 2.845f);
    EXPECT_EQ(T(1, 1), 0.727f);
    EXPECT_EQ(T(31, 6), 2.745f);
    EXPECT_EQ(m.g.probT(0), 0.5f);
    EXPECT_EQ(m.g.probT(4), 0.975f);
    EXPECT_EQ(m.g.probT(7), 1.0f);
}

TEST(TablaT, FormaDeLaTabla) {
    Motor m;
    const TablaT& T = m.g.valoresT;
    for (int k = 1; k <= 50; ++k) {
        EXPECT_EQ(T(k, 0), 0.0f);
        EXPECT_EQ(T(k, 7), 3000.0f);
        for (int j = 1; j <= 7; ++j) {
            EXPECT_LT(T(k, j - 1), T(k, j)) << "row " << k << " column " << j;
            if (k > 1) {
                EXPECT_LE(T(k, j), T(k - 1, j)) << "row " << k << " column " << j;
            }
        }
    }
    for (int j = 1; j <= 7; ++j) {
        EXPECT_LT(m.g.probT(j - 1), m.g.probT(j));
    }
}

struct CasoP {
    const char* nombre;
    float estadistico;
    int gl;
    double pEsperado;
    double tolerancia;
    Byte exacto = 0;
};

void PrintTo(const CasoP& c, std::ostream* os) {
    *os << c.nombre;
}

class PValor : public ::testing::TestWithParam<CasoP> {};

TEST_P(PValor, Interpola) {
    const CasoP& c = GetParam();
    Motor m;
    m.g.valoresExactos = c.exacto;
    float p = -1;
    m.tablas.pValorT(c.estadistico, p, static_cast<Byte>(c.gl), m.g.valoresT, m.g.probT);
    EXPECT_NEAR(p, c.pEsperado, c.tolerancia);
    // Two-sided: the sign of the statistic does not matter.
    float pNegativo = -1;
    const float menos = -c.estadistico;
    m.tablas.pValorT(menos, pNegativo, static_cast<Byte>(c.gl), m.g.valoresT, m.g.probT);
    EXPECT_EQ(p, pNegativo);
}

constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Tablas, PValor,
    ::testing::Values(CasoP{"cero", 0.0f, 10, 1.0, 0}, CasoP{"columna975", 2.228f, 10, 0.05, 1e-6},
                      CasoP{"columna95", 1.812f, 10, 0.1, 1e-6},
                      CasoP{"entre0y07", 0.271f, 10, 0.8, 1e-6},
                      CasoP{"masAllaDe0995", 10.0f, 10, 0.00998, 1e-5},
                      CasoP{"centinela", 3000.0f, 10, 0.0, 0},
                      CasoP{"guardiaIntercepto", 100000.0f, 1, 0.0, 0},
                      CasoP{"infinito", kInf, 5, 0.0, 0}, CasoP{"fila50", 2.009f, 50, 0.05, 1e-6},
                      CasoP{"exacto2228gl10", 2.228f, 10, 0.0500, 5e-5, 1},
                      CasoP{"exacto337gl9", 3.37f, 9, 0.0083, 5e-5, 1},
                      CasoP{"exacto8gl9", 8.0f, 9, 2.21e-5, 1e-7, 1},
                      CasoP{"exactoGuardaGl1", 100000.0f, 1, 6.366e-6, 1e-9, 1},
                      CasoP{"exactoInfinito", kInf, 5, 0.0, 0, 1}),
    [](const ::testing::TestParamInfo<CasoP>& i) { return std::string(i.param.nombre); });

// In both modes: no answer for an undefined statistic or a row outside the
// table, and an unbounded interval at 100 %.
TEST(PValor, EstadisticoIndefinidoDaPIndefinido) {
    Motor m;
    for (Byte modo : {0, 1}) {
        m.g.valoresExactos = modo;
        float p = 0.5f, q = 0;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        m.tablas.pValorT(nan, p, 10, m.g.valoresT, m.g.probT);
        EXPECT_TRUE(std::isnan(p));
        m.tablas.cuantila(q, 100.0f, 10, m.g.valoresT, m.g.probT);
        EXPECT_TRUE(std::isinf(q));
    }
}

// No degrees of freedom has no answer; past the table's 50 rows both
// look-ups answer from the distribution, in either mode: the printed
// critical values at 60 and 120, and the p-value of a critical value is
// its level.
TEST(PValor, PasadaLaTablaLaDistribucion) {
    Motor m;
    for (Byte modo : {0, 1}) {
        m.g.valoresExactos = modo;
        float p = 0.5f, c = 1.0f;
        m.tablas.pValorT(2.0f, p, 0, m.g.valoresT, m.g.probT);
        m.tablas.cuantila(c, 95.0f, 0, m.g.valoresT, m.g.probT);
        EXPECT_TRUE(std::isnan(p) && std::isnan(c));
        for (auto [gl, impreso] : {std::pair{60, 2.0003}, {120, 1.9799}, {99998, 1.9600}}) {
            m.tablas.cuantila(c, 95.0f, gl, m.g.valoresT, m.g.probT);
            EXPECT_NEAR(c, impreso, 1e-4) << gl;
            m.tablas.pValorT(c, p, gl, m.g.valoresT, m.g.probT);
            EXPECT_NEAR(p, 0.05, 1e-6) << gl;
        }
    }
}

struct CasoC {
    const char* nombre;
    float nivel;
    int gl;
    double esperado;
    double tolerancia;
    Byte exacto = 0;
};

void PrintTo(const CasoC& c, std::ostream* os) {
    *os << c.nombre;
}

class Cuantil : public ::testing::TestWithParam<CasoC> {};

TEST_P(Cuantil, Interpola) {
    const CasoC& c = GetParam();
    Motor m;
    m.g.valoresExactos = c.exacto;
    float q = -1;
    m.tablas.cuantila(q, c.nivel, static_cast<Byte>(c.gl), m.g.valoresT, m.g.probT);
    EXPECT_NEAR(q, c.esperado, c.tolerancia);
}

INSTANTIATE_TEST_SUITE_P(Tablas, Cuantil,
                         ::testing::Values(CasoC{"n95gl1", 95.0f, 1, 12.71, 5e-4},
                                           CasoC{"n99gl20", 99.0f, 20, 2.845, 1e-4},
                                           CasoC{"n95gl10", 95.0f, 10, 2.228, 1e-5},
                                           CasoC{"n80gl10", 80.0f, 10, 1.372, 1e-5},
                                           CasoC{"n65gl10", 65.0f, 10, 1.061, 5e-4},
                                           CasoC{"n90gl50", 90.0f, 50, 1.676, 1e-5},
                                           CasoC{"exacto95gl1", 95.0f, 1, 12.706, 5e-4, 1},
                                           CasoC{"exacto99gl20", 99.0f, 20, 2.845, 5e-4, 1},
                                           CasoC{"exacto93gl10", 93.0f, 10, 2.0283, 5e-4, 1}),
                         [](const ::testing::TestParamInfo<CasoC>& i) {
                             return std::string(i.param.nombre);
                         });

TEST(Cuantil, CrecenConElNivel) {
    Motor m;
    for (int gl = 1; gl <= 50; ++gl) {
        float previo = 0;
        for (int nivel = 65; nivel <= 99; ++nivel) {
            float q = 0;
            m.tablas.cuantila(q, static_cast<float>(nivel), static_cast<Byte>(gl), m.g.valoresT,
                              m.g.probT);
            EXPECT_GT(q, previo) << "gl " << gl << " level " << nivel;
            previo = q;
        }
    }
}

TEST(Cuantil, NivelSinIntervaloAcotado) {
    Motor m;
    float q = 0;
    m.tablas.cuantila(q, 100.0f, 10, m.g.valoresT, m.g.probT);
    EXPECT_TRUE(std::isinf(q));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    m.tablas.cuantila(q, nan, 10, m.g.valoresT, m.g.probT);
    EXPECT_TRUE(std::isnan(q));
}

// Anscombe's first set: the table reads about 0.01 for the slope, the exact
// p-value is 0.0022, the F test's the same; the table's again, bit for bit.
TEST(PValor, PrimerConjuntoDeAnscombe) {
    const float x[] = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
    const float y[] = {8.04f, 6.95f, 7.58f,  8.81f, 8.33f, 9.96f,
                       7.24f, 4.26f, 10.84f, 4.82f, 5.68f};
    std::vector<std::pair<float, float>> puntos;
    for (int k = 0; k < 11; ++k) {
        puntos.emplace_back(x[k], y[k]);
    }
    Motor m;
    m.muestra(puntos);
    m.recalcular();
    const float tabla = m.g.pPendiente;
    EXPECT_NEAR(tabla, 0.01, 1e-5);
    m.g.valoresExactos = 1;
    m.calculos.Pruebas();
    m.calculos.Anova();
    EXPECT_NEAR(m.g.pPendiente, 0.002170, 1e-6);
    EXPECT_NEAR(m.g.pAnova, m.g.pPendiente, 1e-5 * m.g.pPendiente);
    m.g.valoresExactos = 0;
    m.calculos.Pruebas();
    EXPECT_EQ(m.g.pPendiente, tabla);
}

} // namespace
} // namespace rectaviva::prueba
