// Repeated samples from a chosen model, under a fixed seed: the shares of
// intervals that hit and of tests that reject, and the mean and spread of
// the slopes, against what the theory says.
#include "motor_prueba.h"
#include "simulador.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace rectaviva::prueba {
namespace {

// Twenty points at x = 0, 5, ..., 95 (Sxx = 16625), all in use.
void modelo(Motor& m) {
    std::vector<std::pair<float, float>> puntos;
    for (int k = 0; k < 20; ++k) {
        puntos.emplace_back(5.0f * static_cast<float>(k), 0.0f);
    }
    m.muestra(puntos);
}

constexpr std::int64_t kMuestras = 20000;

// With N = 20000 samples a share near 0.95 has a standard deviation of
// √(0.95·0.05/N) = 0.0015, so ±0.005 is more than three of them; the mean
// of b has a standard error SE/√N, and the relative standard error of a
// standard deviation is about 1/√(2N) = 0.5 %, so 3 % is six of them. The
// seed fixes every draw: the checks cannot flicker, and a wrong formula
// (a variance off by n/(n - 2), a quantile from the wrong row) fails them.
struct CasoSimulacion {
    const char* nombre;
    double beta1;
    float nivel;
    Byte exactos;
};

class Simulaciones : public ::testing::TestWithParam<CasoSimulacion> {};

TEST_P(Simulaciones, LaTeoriaSeCumple) {
    const CasoSimulacion& c = GetParam();
    Motor m;
    modelo(m);
    m.g.nivelConf = m.g.nivelPred = c.nivel;
    m.g.valoresExactos = c.exactos;
    m.g.xPred = 80;
    Simulador s(20261209);
    s.empezar(m.g, 5, c.beta1, 3);
    ASSERT_TRUE(s.valida());
    EXPECT_DOUBLE_EQ(s.sxx(), 16625);
    s.agregar(m.g, kMuestras / 2);
    s.agregar(m.g, kMuestras / 2);
    ASSERT_EQ(s.contados(), kMuestras);
    const double esperado = c.nivel / 100.0;
    const auto parte = [](std::int64_t k) { return static_cast<double>(k) / kMuestras; };
    EXPECT_NEAR(parte(s.cubren()), esperado, 0.005);
    EXPECT_NEAR(parte(s.predicciones()), esperado, 0.005);
    EXPECT_NEAR(parte(s.medias()), esperado, 0.005);
    const double se = 3 / std::sqrt(16625.0);
    const Simulador::Resumen& b = s.resumen(Estadistica::Pendiente);
    EXPECT_NEAR(b.media, c.beta1, 4 * se / std::sqrt(double{kMuestras}));
    EXPECT_NEAR(b.desviacion(), se, 0.03 * se);
    EXPECT_NEAR(s.resumen(Estadistica::Varianza).media, 9, 0.03 * 9);
    if (c.beta1 == 0) {
        EXPECT_NEAR(parte(s.rechazos()), 1 - esperado, 0.005) << "type I error";
    } else {
        EXPECT_GT(parte(s.rechazos()), 0.99) << "power";
    }
    std::int64_t enBarras = 0;
    for (std::int64_t k : s.barras(Estadistica::Pendiente)) {
        enBarras += k;
    }
    EXPECT_GT(enBarras, kMuestras * 999 / 1000) << "the range holds ±4 standard errors";
    EXPECT_EQ(s.rectas().size(), static_cast<std::size_t>(Simulador::kLineas));
    EXPECT_EQ(s.intervalos().size(), static_cast<std::size_t>(Simulador::kIntervalos));
}

INSTANTIATE_TEST_SUITE_P(Casos, Simulaciones,
                         ::testing::Values(CasoSimulacion{"tabla95", 0.5, 95, 0},
                                           CasoSimulacion{"sinPendiente95", 0, 95, 0},
                                           CasoSimulacion{"exacto93", 0.5, 93, 1},
                                           CasoSimulacion{"exactoSinPendiente90", 0, 90, 1}),
                         [](const auto& i) { return std::string(i.param.nombre); });

// For every level the entry takes, with the table and with the exact
// quantiles, the shares the counts come to are those the simulation states:
// each within 4.5 binomial standard errors of its Monte Carlo count (the
// seed fixes the draws). Six points (4 degrees of freedom, Sxx = 2800) make
// the table's interpolation far from the exact quantile between its
// columns; the prediction's level runs the other way, and odd levels have a
// slope whose test has a power near one half.
TEST(Simulador, LasProporcionesEsperadasSonLasQueSeCuentan) {
    constexpr std::int64_t n = 20000;
    const double delta = 2.0, sigma = 4.0;
    Motor m;
    m.muestra({{0, 0}, {10, 0}, {20, 0}, {40, 0}, {50, 0}, {60, 0}});
    m.g.xPred = 55;
    for (Byte exactos : {Byte{0}, Byte{1}}) {
        for (int nivel = 65; nivel <= 99; ++nivel) {
            m.g.valoresExactos = exactos;
            m.g.nivelConf = static_cast<Single>(nivel);
            m.g.nivelPred = static_cast<Single>(164 - nivel);
            Simulador s(static_cast<std::uint64_t>(1000 * exactos + nivel));
            s.empezar(m.g, 3, nivel % 2 == 1 ? delta * sigma / std::sqrt(2800.0) : 0, sigma);
            s.agregar(m.g, n);
            const Simulador::Esperado e = s.esperado();
            const std::pair<std::int64_t, double> cuentas[] = {{s.cubren(), e.cubren},
                                                               {s.predicciones(), e.predicciones},
                                                               {s.medias(), e.medias},
                                                               {s.rechazos(), e.rechazos}};
            for (const auto& [cuenta, p] : cuentas) {
                EXPECT_NEAR(static_cast<double>(cuenta) / n, p, 4.5 * std::sqrt(p * (1 - p) / n))
                    << "level " << nivel << (exactos ? " exact" : " table") << ", share " << p;
            }
            // The exact quantile covers the level; the table's 70 % more than that.
            EXPECT_TRUE(exactos == 1 ? std::fabs(e.cubren - nivel / 100.0) < 1e-6
                                     : nivel != 70 || e.cubren - 0.70 > 0.02);
        }
    }
}

// A slope far from 0 in its standard errors is rejected with probability 1,
// on either sign and far beyond where Boost's noncentral t would throw; near
// the switch to the bound Boost's own answer is 1 as well.
TEST(Simulador, LaPotenciaLejosDeCeroEsUno) {
    for (const auto& [q, gl, delta] : {std::tuple{2.093, 19.0, 16.5},
                                       {2.093, 19.0, 17.0},
                                       {2.093, 19.0, 162089.9},
                                       {636.6, 1.0, -1e6},
                                       {2.093, 19.0, 1e300}}) {
        EXPECT_EQ(rechazoT(q, gl, delta), 1.0) << delta;
    }
    EXPECT_LT(rechazoT(2.093, 19, 3), 0.9);
}

// A new level starts the counts again and keeps the histograms; other x, or
// x all equal, are told apart.
TEST(Simulador, NivelesYAbscisas) {
    Motor m;
    modelo(m);
    Simulador s(1);
    s.empezar(m.g, 0, 1, 2);
    s.agregar(m.g, 100);
    m.g.nivelConf = 90;
    s.agregar(m.g, 10);
    EXPECT_EQ(s.contados(), 10);
    EXPECT_EQ(s.muestras(), 110);
    EXPECT_EQ(s.resumen(Estadistica::T).n, 110);
    EXPECT_TRUE(s.vigente(m.g));
    m.g.yObs(3) = 40;
    EXPECT_TRUE(s.vigente(m.g)) << "only y changed";
    m.g.xObs(3) = 41;
    EXPECT_FALSE(s.vigente(m.g));
    m.muestra({{7, 1}, {7, 2}, {7, 3}});
    s.empezar(m.g, 0, 1, 2);
    EXPECT_FALSE(s.valida());
    s.agregar(m.g, 10);
    EXPECT_EQ(s.muestras(), 0);
}

// The resampling modes on the student's own points, under a fixed seed. A
// strong slope that no shuffle reaches gives p = 1/(M + 1). With a weak
// relation (p near 0.1) the randomization p-value comes close to the exact
// t test's: the Monte Carlo error of 10 000 shuffles is at most 0.005 and
// the methods differ little on 20 points. The bootstrap's percentile
// interval of 50 points from a normal model is as long as the t interval up
// to its Monte Carlo error and the bootstrap's small-sample narrowing (a
// few per cent). A resample of {0, 0, 10} has all x equal with probability
// 1/3.
TEST(Remuestreo, BarajarYBootstrap) {
    Motor m;
    std::vector<std::pair<float, float>> fuerte, debil, normal;
    std::mt19937 azar(11);
    std::normal_distribution<float> ruido(0, 5);
    for (int k = 0; k < 50; ++k) {
        const auto x = static_cast<float>(k);
        fuerte.emplace_back(x, 2 * x + static_cast<float>(k % 3));
        debil.emplace_back(x, static_cast<float>((7 * k) % 11) + 0.2f * x);
        normal.emplace_back(x, 3 + 0.5f * x + ruido(azar));
    }
    fuerte.resize(20);
    debil.resize(20);
    Simulador s(3);
    m.muestra(fuerte);
    m.recalcular();
    s.empezarRemuestreo(m.g, Modo::Barajar);
    s.agregar(m.g, 10000);
    EXPECT_EQ(s.extremos(), 0);
    EXPECT_DOUBLE_EQ(s.valorPAleatorio(), 1.0 / 10001);

    m.muestra(debil);
    m.g.valoresExactos = 1;
    m.recalcular();
    s.empezarRemuestreo(m.g, Modo::Barajar);
    s.agregar(m.g, 10000);
    EXPECT_NEAR(s.valorPAleatorio(), m.g.pPendiente, 0.02);

    m.muestra(normal);
    m.recalcular();
    s.empezarRemuestreo(m.g, Modo::Bootstrap);
    s.agregar(m.g, 4000);
    const auto [li, ls] = s.percentil(95);
    EXPECT_NEAR((ls - li) / (m.g.lsPendiente - m.g.liPendiente), 1, 0.15);
    EXPECT_TRUE(li < m.g.pendiente && m.g.pendiente < ls);

    m.muestra({{0, 1}, {0, 2}, {10, 5}});
    s.empezarRemuestreo(m.g, Modo::Bootstrap);
    s.agregar(m.g, 3000);
    EXPECT_EQ(s.muestras() + s.sinPendiente(), 3000);
    EXPECT_NEAR(static_cast<double>(s.sinPendiente()), 1000, 100);
}

} // namespace
} // namespace rectaviva::prueba
