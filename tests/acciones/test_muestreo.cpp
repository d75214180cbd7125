// Sample generation: a sample drawn from chosen draws, and the shape of many
// samples drawn from a seeded generator.
#include "muestreo.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <deque>
#include <memory>

namespace rectaviva {
namespace {

// Hands out the draws a test chooses, in order.
class Guion : public Generador {
public:
    explicit Guion(std::initializer_list<float> d) : draws_(d) {}
    float Rnd() override {
        EXPECT_FALSE(draws_.empty()) << "more draws taken than the test scripted";
        if (draws_.empty()) {
            return 0.0f;
        }
        const float v = draws_.front();
        draws_.pop_front();
        return v;
    }
    std::size_t quedan() const { return draws_.size(); }

private:
    std::deque<float> draws_;
};

std::unique_ptr<Globales> estado() {
    auto g = std::make_unique<Globales>();
    g->xMin = -40;
    g->xMax = 100;
    g->yMin = -40;
    g->yMax = 100;
    return g;
}

TEST(Muestreo, LasExtraccionesSeTomanEnSuOrden) {
    auto g = estado();
    // Size 0.25 -> 13.5 -> 14 (half to even); slope 0.5 -> m = 1; r = 0.5 ->
    // a = 1; spread 0 -> s = 2; then per point an x draw and a noise draw.
    Guion azar({0.25f, 0.5f, 0.5f, 0.0f, 0.5f, 0.5f, // x = round(27.5) = 28, y = 1 + 28 + 1 = 30
                0.0f, 0.0f,                          // x = -20, y = 1 - 20 = -19
                0.25f, 1.0f});                       // x = round(3.75) = 4, y = 1 + 4 + 2 = 7
    // Only three points are scripted: the size draw is checked, then the
    // points are drawn by generarPuntos with n = 3.
    const float size = azar.Rnd();
    EXPECT_EQ(std::nearbyint(14.0 * size + 10.0), 14.0);
    generarPuntos(*g, azar, 3);
    EXPECT_EQ(azar.quedan(), 0u);
    EXPECT_EQ(g->xObs(1), 28.0f);
    EXPECT_EQ(g->yObs(1), 30.0f);
    EXPECT_EQ(g->xObs(2), -20.0f);
    EXPECT_EQ(g->yObs(2), -19.0f);
    EXPECT_EQ(g->xObs(3), 4.0f);
    EXPECT_EQ(g->yObs(3), 7.0f);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(g->activo(k), 1);
    }
}

TEST(Muestreo, LaMuestraCompletaTomaSuTamano) {
    auto g = estado();
    g->activo(20) = 0;
    // Size 0.0 -> 10 points; the line and 10 points take 3 + 20 draws.
    Guion azar({0.0f, 0.9f, 0.1f, 0.3f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f,
                0.9f, 0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 0.5f});
    generarMuestra(*g, azar);
    EXPECT_EQ(azar.quedan(), 0u);
    EXPECT_EQ(g->nPuntos, 10);
    EXPECT_EQ(g->nActivos, 10);
}

TEST(Muestreo, UnValorFueraDelGraficoSeReduceALaMitad) {
    auto g = estado();
    // m = 4 - 6*0 = 4; a = 2 + 4*0.5 = 4; s = 70*0.5 + 2 = 37.
    // x = round(95*0.75 - 20) = round(51.25) = 51; y = round(4 + 204 + 0.5*37)
    // = round(226.5) = 226 (half to even), halved to 113 and then to 56.5.
    Guion azar({0.0f, 0.5f, 0.5f, 0.75f, 0.5f});
    generarPuntos(*g, azar, 1);
    EXPECT_EQ(g->xObs(1), 51.0f);
    EXPECT_EQ(g->yObs(1), 56.5f);
}

TEST(Muestreo, PendienteNegativaDaInterceptoPositivo) {
    auto g = estado();
    // m = 4 - 6*0.999 = -1.994; a = 0.997 + 1.994*0 = 0.997.
    // x = round(95*0 - 20) = -20; y = round(0.997 + 39.88 + 0) = 41.
    Guion azar({0.999f, 0.0f, 0.0f, 0.0f, 0.0f});
    generarPuntos(*g, azar, 1);
    EXPECT_EQ(g->xObs(1), -20.0f);
    EXPECT_EQ(g->yObs(1), 41.0f);
}

TEST(Muestreo, FormaDeMuchasMuestras) {
    auto g = estado();
    GeneradorSemilla azar(99);
    std::array<int, 51> frecuencia{};
    const int muestras = 30000;
    for (int i = 0; i < muestras; ++i) {
        generarMuestra(*g, azar);
        ASSERT_GE(g->nPuntos, 10);
        ASSERT_LE(g->nPuntos, 24);
        ASSERT_EQ(g->nActivos, g->nPuntos);
        ++frecuencia[g->nPuntos];
        for (int k = 1; k <= g->nPuntos; ++k) {
            const float x = g->xObs(k), y = g->yObs(k);
            ASSERT_EQ(x, std::nearbyint(x));
            ASSERT_GE(x, -20.0f);
            ASSERT_LE(x, 75.0f);
            ASSERT_GE(y, -35.0f);
            ASSERT_LE(y, 95.0f);
            ASSERT_EQ(g->activo(k), 1);
            if (y != std::nearbyint(y)) {
                // A fraction only comes from halving a whole number that lay
                // outside the plot: doubling it gives back a whole number.
                float doble = y;
                int veces = 0;
                while (doble != std::nearbyint(doble) && veces < 3) {
                    doble *= 2;
                    ++veces;
                }
                ASSERT_EQ(doble, std::nearbyint(doble)) << y;
                ASSERT_TRUE(doble < -35.0f || doble > 95.0f) << y;
            }
        }
    }
    // Sizes 11..23 each come up with probability 1/14, the ends with 1/28.
    const double medio = muestras / 14.0;
    for (int n = 11; n <= 23; ++n) {
        EXPECT_NEAR(frecuencia[n], medio, 0.12 * medio) << n;
    }
    EXPECT_NEAR(frecuencia[10], medio / 2, 0.15 * medio / 2);
    EXPECT_NEAR(frecuencia[24], medio / 2, 0.15 * medio / 2);
}

} // namespace
} // namespace rectaviva
