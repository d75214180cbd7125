// Samples on one vertical, horizontal or oblique line, and samples too small
// to fit: the engine never divides by zero or takes the root of a negative
// number (the sanitizer build traps both), stores NaN exactly for what the
// sample leaves undefined, and gives a perfect fit its exact statistics.
#include "motor_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace rectaviva::prueba {
namespace {

bool indefinido(float v) {
    return std::isnan(v);
}

struct Campo {
    const char* nombre;
    float Globales::*miembro;
};

const std::vector<Campo>& camposDelAjuste() {
    static const std::vector<Campo> campos = {
        {"pendiente", &Globales::pendiente},
        {"intercepto", &Globales::intercepto},
        {"SCReg", &Globales::SCReg},
        {"SCErr", &Globales::SCErr},
        {"varError", &Globales::varError},
        {"eeIntercepto", &Globales::eeIntercepto},
        {"eePendiente", &Globales::eePendiente},
        {"tIntercepto", &Globales::tIntercepto},
        {"pIntercepto", &Globales::pIntercepto},
        {"tPendiente", &Globales::tPendiente},
        {"pPendiente", &Globales::pPendiente},
        {"R2", &Globales::R2},
        {"liIntercepto", &Globales::liIntercepto},
        {"lsIntercepto", &Globales::lsIntercepto},
        {"liPendiente", &Globales::liPendiente},
        {"lsPendiente", &Globales::lsPendiente},
        {"correlacion", &Globales::correlacion},
        {"valorF", &Globales::valorF},
        {"pAnova", &Globales::pAnova},
        {"CMReg", &Globales::CMReg},
        {"CMErr", &Globales::CMErr},
        {"yPred", &Globales::yPred},
    };
    return campos;
}

// Runs the whole chain with both views on and returns the state.
Globales& ajustar(Motor& m, std::vector<std::pair<float, float>> puntos) {
    m.g.nPuntos = 0;
    for (const auto& [x, y] : puntos) {
        ++m.g.nPuntos;
        m.g.xObs(m.g.nPuntos) = x;
        m.g.yObs(m.g.nPuntos) = y;
        m.g.activo(m.g.nPuntos) = 1;
    }
    m.g.nActivos = m.g.nPuntos;
    m.g.bandasActivas = 1;
    m.g.prediccionActiva = 1;
    m.recalcular();
    return m.g;
}

void esperarBandas(const Globales& g, bool definidas, bool anchoCero) {
    for (int c = 0; c <= 21; ++c) {
        for (int f = 0; f <= 3; ++f) {
            EXPECT_EQ(indefinido(g.banda(f, c)), !definidas) << "band " << f << "," << c;
        }
        if (definidas && anchoCero) {
            EXPECT_EQ(g.banda(0, c), g.banda(1, c)) << c;
            EXPECT_EQ(g.banda(2, c), g.banda(3, c)) << c;
        }
    }
}

// Points on one vertical line: no slope exists.
class Vertical : public ::testing::TestWithParam<std::vector<std::pair<float, float>>> {};

TEST_P(Vertical, TodoLoQueDependeDeLaPendienteEsIndefinido) {
    Motor m;
    const Globales& g = ajustar(m, GetParam());
    EXPECT_EQ(g.Sxx, 0.0f);
    EXPECT_EQ(g.varX, 0.0f);
    EXPECT_EQ(g.desvX, 0.0f);
    EXPECT_FALSE(indefinido(g.mediaX));
    EXPECT_FALSE(indefinido(g.Syy));
    EXPECT_FALSE(indefinido(g.SCTot));
    for (const Campo& c : camposDelAjuste()) {
        EXPECT_TRUE(indefinido(g.*(c.miembro))) << c.nombre;
    }
    EXPECT_EQ(g.glErr, g.nActivos - 2);
    esperarBandas(g, false, false);
}

INSTANTIATE_TEST_SUITE_P(
    Degenerados, Vertical,
    ::testing::Values(
        std::vector<std::pair<float, float>>{{5, 1}, {5, 7}, {5, 20}},
        // A whole vertical cloud moved by a float step: equal x
        // that no longer sum to an exact zero.
        std::vector<std::pair<float, float>>{
            {10.7f, 1}, {10.7f, -3.3f}, {10.7f, 20.1f}, {10.7f, 44}},
        std::vector<std::pair<float, float>>{
            {-33.3f, 0.1f}, {-33.3f, 0.2f}, {-33.3f, 0.7f}, {-33.3f, 95}, {-33.3f, -12.25f}}));

// Points on one horizontal line: the slope is 0, the intercept is known
// exactly, but correlation, R² and the slope's test are 0 over 0.
class Horizontal : public ::testing::TestWithParam<std::vector<std::pair<float, float>>> {};

TEST_P(Horizontal, CorrelacionYPruebaDeLaPendienteIndefinidas) {
    Motor m;
    const Globales& g = ajustar(m, GetParam());
    const float y = GetParam().front().second;
    EXPECT_EQ(g.Syy, 0.0f);
    EXPECT_TRUE(indefinido(g.correlacion));
    EXPECT_TRUE(indefinido(g.R2));
    EXPECT_TRUE(indefinido(g.tPendiente));
    EXPECT_TRUE(indefinido(g.pPendiente));
    EXPECT_TRUE(indefinido(g.valorF));
    EXPECT_TRUE(indefinido(g.pAnova));
    EXPECT_NEAR(g.pendiente, 0.0f, 1e-6);
    EXPECT_NEAR(g.intercepto, y, 1e-4);
    EXPECT_EQ(g.SCErr, 0.0f);
    EXPECT_EQ(g.varError, 0.0f);
    EXPECT_EQ(g.eeIntercepto, 0.0f);
    EXPECT_EQ(g.eePendiente, 0.0f);
    EXPECT_EQ(g.tIntercepto, 100000.0f);
    EXPECT_EQ(g.pIntercepto, 0.0f);
    EXPECT_EQ(g.liIntercepto, g.lsIntercepto);
    EXPECT_EQ(g.liPendiente, g.lsPendiente);
    esperarBandas(g, true, true);
}

INSTANTIATE_TEST_SUITE_P(
    Degenerados, Horizontal,
    ::testing::Values(std::vector<std::pair<float, float>>{{1, 5}, {4, 5}, {9, 5}},
                      std::vector<std::pair<float, float>>{
                          {1.1f, 37.3f}, {-4.9f, 37.3f}, {60.2f, 37.3f}}));

// Points exactly on one oblique line: a perfect, fully defined fit.
struct Recta {
    const char* nombre;
    float a, b;
    std::vector<float> x;
};

void PrintTo(const Recta& r, std::ostream* os) {
    *os << r.nombre;
}

class Oblicua : public ::testing::TestWithParam<Recta> {};

// The statistics of a perfect fit on the line a + b·x.
void esperarAjustePerfecto(const Globales& g, double a, double b) {
    EXPECT_NEAR(g.pendiente, b, 1e-4 * std::fabs(b));
    EXPECT_NEAR(g.intercepto, a, 1e-3);
    EXPECT_EQ(g.SCErr, 0.0f);
    EXPECT_EQ(g.varError, 0.0f);
    EXPECT_EQ(g.CMErr, 0.0f);
    EXPECT_EQ(g.eeIntercepto, 0.0f);
    EXPECT_EQ(g.eePendiente, 0.0f);
    // The guard takes a's sign; a = 0 known without error has no test.
    EXPECT_TRUE(a == 0 ? indefinido(g.tIntercepto) : g.tIntercepto == std::copysign(guarda, a));
    EXPECT_TRUE(a == 0 ? indefinido(g.pIntercepto) : g.pIntercepto == 0);
    EXPECT_TRUE(std::isinf(g.tPendiente));
    EXPECT_EQ(std::signbit(g.tPendiente), std::signbit(b));
    EXPECT_EQ(g.pPendiente, 0.0f);
    EXPECT_TRUE(std::isinf(g.valorF));
    EXPECT_EQ(g.pAnova, 0.0f);
    EXPECT_NEAR(std::fabs(g.correlacion), 1.0f, 1e-6);
    EXPECT_NEAR(g.R2, 100.0f, 1e-4);
    EXPECT_EQ(g.liIntercepto, g.intercepto);
    EXPECT_EQ(g.lsIntercepto, g.intercepto);
    EXPECT_EQ(g.liPendiente, g.pendiente);
    EXPECT_EQ(g.lsPendiente, g.pendiente);
    esperarBandas(g, true, true);
}

TEST_P(Oblicua, AjustePerfecto) {
    const Recta& r = GetParam();
    std::vector<std::pair<float, float>> puntos;
    for (float x : r.x) {
        puntos.emplace_back(x, static_cast<float>(r.a + r.b * double(x)));
    }
    Motor m;
    esperarAjustePerfecto(ajustar(m, puntos), r.a, r.b);
}

INSTANTIATE_TEST_SUITE_P(
    Degenerados, Oblicua,
    ::testing::Values(Recta{"enteros", 1, 2, {0, 1, 2, 7}}, Recta{"tres", -10, -3, {-5, 0, 20}},
                      Recta{"porElOrigen", 0, 2, {-5, 0, 20}},
                      Recta{"muchos",
                            12.5f,
                            0.75f,
                            {-20, -17, -13, -8, -2, 0, 3, 9, 14, 22, 31, 38, 44, 57, 61, 75}}),
    [](const ::testing::TestParamInfo<Recta>& i) { return std::string(i.param.nombre); });

// Whole-number points exactly on a line whose slope no float holds: the
// float sums leave SCErr within their rounding, where the residuals of a
// double-precision fit are rounding alone; the exact test of collinearity
// gives the perfect fit its zero error.
struct CasoColineal {
    const char* nombre;
    std::vector<std::pair<float, float>> puntos;
    double a, b;
};

void PrintTo(const CasoColineal& c, std::ostream* os) {
    *os << c.nombre;
}

class Colineal : public ::testing::TestWithParam<CasoColineal> {};

TEST_P(Colineal, ErrorExactamenteCero) {
    const CasoColineal& c = GetParam();
    Motor m;
    esperarAjustePerfecto(ajustar(m, c.puntos), c.a, c.b);
}

std::vector<std::pair<float, float>> sobreLaRecta(double a, double b, std::vector<float> x) {
    std::vector<std::pair<float, float>> r;
    for (float v : x) {
        r.emplace_back(v, static_cast<float>(a + b * v));
    }
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Degenerados, Colineal,
    ::testing::Values(
        CasoColineal{
            "pendienteMenosUnSeptimo", {{16, -17}, {-40, -9}, {58, -23}}, -103 / 7.0, -1 / 7.0},
        CasoColineal{"dosPuntosIguales", {{78, 22}, {48, -31}, {48, -31}}, -115.8, 53 / 30.0},
        CasoColineal{"cuatro", sobreLaRecta(7, -5 / 11.0, {-33, 0, 22, 88}), 7, -5 / 11.0},
        CasoColineal{
            "doce",
            sobreLaRecta(1 / 3.0, 2 / 3.0, {-38, -35, -29, -20, -11, -2, 7, 16, 31, 52, 79, 97}),
            1 / 3.0, 2 / 3.0}),
    [](const ::testing::TestParamInfo<CasoColineal>& i) { return std::string(i.param.nombre); });

// Samples near a line, or a float step off a horizontal or vertical one: the
// sums the float sums cannot resolve are precise, so SCErr, a's t and F match
// a double-precision fit made outside the program, and |r| ≤ 1, R² ≤ 100 up
// to the rounding of the last digit.
TEST(Degenerados, CasiDegeneradosContraDoblePrecision) {
    const struct {
        std::vector<std::pair<float, float>> puntos;
        double SCErr, tIntercepto;
    } casos[] = {
        {{{79, -36}, {-40, 18}, {-18, 8}}, 1.6629250852e-4, -20.927311},
        {{{68, 98}, {-28, -23}, {18, 35}}, 2.8918449971e-4, 1123.4715}, // float SCErr < 0
        {kCasiRecta, 7.34295247e-14, 70979872.4},
        {{{1, 37.3f}, {50, 37.3000031f}, {90, 37.3f}, {20, 37.3000031f}, {70, 37.3f}},
         1.6065884377e-11,
         20667643.3},
        {{{10.7f, 1}, {10.7000008f, 50}, {10.7f, 90}, {10.7000008f, 30}}, 4160.5, 0.120588315}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tIntercepto);
        Motor m;
        const Globales& g = ajustar(m, c.puntos);
        EXPECT_NEAR(g.SCErr, c.SCErr, 1e-6 * c.SCErr);
        EXPECT_NEAR(g.tIntercepto, c.tIntercepto, 1e-4 * std::fabs(c.tIntercepto));
        const double F = g.SCReg * (double(c.puntos.size()) - 2) / c.SCErr;
        EXPECT_NEAR(g.valorF, F, 1e-5 * F);
        EXPECT_TRUE(std::fabs(g.correlacion) <= 1 + 1e-6 && g.R2 <= 100 + 1e-4);
    }
}

// With three points in use that collapse onto one line by deleting the others.
TEST(Degenerados, EliminarHastaTresColineales) {
    Motor m;
    ajustar(m, {{0, 1}, {1, 3}, {4, 9}, {2, 5}, {8, 17}});
    m.g.activo(3) = 0;
    m.g.activo(5) = 0;
    m.g.nActivos = 3;
    m.recalcular();
    EXPECT_EQ(m.g.SCErr, 0.0f);
    EXPECT_EQ(m.g.pPendiente, 0.0f);
    EXPECT_FLOAT_EQ(m.g.pendiente, 2.0f);
}

// From a degenerate sample back to an ordinary one, every NaN is replaced.
TEST(Degenerados, LaCadenaSeRecuperaDespuesDeUnaMuestraDegenerada) {
    Motor m;
    ajustar(m, {{5, 1}, {5, 7}, {5, 20}});
    ASSERT_TRUE(indefinido(m.g.pendiente));
    Motor referencia;
    ajustar(referencia, {{5, 1}, {6, 7}, {5, 20}});
    m.g.xObs(2) = 6;
    m.recalcular();
    for (const Campo& c : camposDelAjuste()) {
        EXPECT_EQ(m.g.*(c.miembro), referencia.g.*(c.miembro)) << c.nombre;
    }
}

} // namespace
} // namespace rectaviva::prueba
