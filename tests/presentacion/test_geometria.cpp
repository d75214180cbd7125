// Value-bar widths and offsets, the fitted line's end points, band segments,
// and prediction marks, computed from hand-built states.
#include "geometria.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace rectaviva {
namespace {

constexpr Single nan = std::numeric_limits<Single>::quiet_NaN();
constexpr Single inf = std::numeric_limits<Single>::infinity();
// 77 layout units on a screen 1024 pixels wide (12.8 twips each).
constexpr Single anchoMaximo = 77 * 12.8f;

struct CasoBarra {
    const char* nombre;
    std::function<void(Globales&)> preparar;
    int barra;
    Single ancho;
};

class Barras : public testing::TestWithParam<CasoBarra> {};

TEST_P(Barras, AnchoRecortado) {
    const auto& c = GetParam();
    Globales g;
    c.preparar(g);
    const auto anchos = anchosBarras(g, anchoMaximo);
    EXPECT_FLOAT_EQ(anchos[static_cast<std::size_t>(c.barra)], c.ancho) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Barras,
    testing::Values(
        CasoBarra{"interceptoDesplazado", [](Globales& g) { g.intercepto = 10; }, 0, 55 * 12.3f},
        CasoBarra{"interceptoBajoElOrigen", [](Globales& g) { g.intercepto = -50; }, 0, 0},
        CasoBarra{"pendienteDesplazada", [](Globales& g) { g.pendiente = -1; }, 1, 450},
        CasoBarra{"tNegativoVacia", [](Globales& g) { g.tPendiente = -2.5f; }, 7, 0},
        CasoBarra{"tGuardaLlena", [](Globales& g) { g.tIntercepto = 100000; }, 6, anchoMaximo},
        CasoBarra{"tInfinitoLlena", [](Globales& g) { g.tPendiente = inf; }, 7, anchoMaximo},
        CasoBarra{"tMenosInfinitoVacia", [](Globales& g) { g.tPendiente = -inf; }, 7, 0},
        CasoBarra{"tIndefinidoVacia", [](Globales& g) { g.tPendiente = nan; }, 7, 0},
        CasoBarra{"correlacionMenosUno", [](Globales& g) { g.correlacion = -1; }, 18, 0},
        CasoBarra{"correlacionUnoRecortada", [](Globales& g) { g.correlacion = 1; }, 18,
                  anchoMaximo},
        CasoBarra{"correlacionIndefinida", [](Globales& g) { g.correlacion = nan; }, 18, 0},
        CasoBarra{"pMedioRecortado", [](Globales& g) { g.pPendiente = 0.5f; }, 9, anchoMaximo},
        CasoBarra{"pAnova", [](Globales& g) { g.pAnova = 0.25f; }, 22, 500},
        CasoBarra{"intervaloA",
                  [](Globales& g) {
                      g.liIntercepto = -20;
                      g.lsIntercepto = 30;
                  },
                  4, 50 * 4.8f},
        CasoBarra{"intervaloBIndefinido",
                  [](Globales& g) {
                      g.liPendiente = nan;
                      g.lsPendiente = nan;
                  },
                  5, 0},
        CasoBarra{"varErrorEnSuBarra", [](Globales& g) { g.varError = 1000; }, 10, 400},
        CasoBarra{"R2", [](Globales& g) { g.R2 = 50; }, 11, 750},
        CasoBarra{"mediaY", [](Globales& g) { g.mediaY = 0; }, 13, 400},
        CasoBarra{"SxyDesplazado", [](Globales& g) { g.Sxy = 5000; }, 21, 750},
        CasoBarra{"SxyBajoElOrigen", [](Globales& g) { g.Sxy = -10001; }, 21, 0}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoDesplazamiento {
    const char* nombre;
    Single liIntercepto, liPendiente;
    Single dA, dB;
};

class Desplazamientos : public testing::TestWithParam<CasoDesplazamiento> {};

TEST_P(Desplazamientos, DesdeElBordeDeLaCaja) {
    const auto& c = GetParam();
    Globales g;
    g.liIntercepto = c.liIntercepto;
    g.liPendiente = c.liPendiente;
    EXPECT_FLOAT_EQ(desplazamientoIntervaloA(g), c.dA) << c.nombre;
    EXPECT_FLOAT_EQ(desplazamientoIntervaloB(g), c.dB) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Desplazamientos,
    testing::Values(CasoDesplazamiento{"enElOrigen", -130, -12, 0, 0},
                    CasoDesplazamiento{"aLaIzquierda", -200, -40, 0, 0},
                    CasoDesplazamiento{"dentro", -100, -2, 30 * 4.8f, 400},
                    CasoDesplazamiento{"indefinido", nan, nan, 0, 0}),
    [](const auto& info) { return std::string(info.param.nombre); });

void ponerRango(Globales& g) {
    g.xMin = -40;
    g.xMax = 100;
    g.yMin = -40;
    g.yMax = 100;
}

struct CasoRecta {
    const char* nombre;
    Single a, b;
    Single y1, y2;
    bool visible;
};

class Recta : public testing::TestWithParam<CasoRecta> {};

TEST_P(Recta, ExtremosEnLosBordes) {
    const auto& c = GetParam();
    Globales g;
    ponerRango(g);
    const Segmento s = rectaAjustada(g, c.a, c.b);
    EXPECT_EQ(s.visible, c.visible) << c.nombre;
    if (c.visible) {
        EXPECT_FLOAT_EQ(s.x1, -40);
        EXPECT_FLOAT_EQ(s.x2, 100);
        EXPECT_FLOAT_EQ(s.y1, c.y1);
        EXPECT_FLOAT_EQ(s.y2, c.y2);
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, Recta,
                         testing::Values(CasoRecta{"media", 10, 0.5f, -10, 60, true},
                                         CasoRecta{"empinada", 0, 2, -80, 200, true},
                                         CasoRecta{"pendienteIndefinida", nan, nan, 0, 0, false},
                                         CasoRecta{"pendienteInfinita", 5, inf, 0, 0, false},
                                         CasoRecta{"fueraDelFloat", 0, 1e37f, 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Bands of a known state: abscissae -40, -33, ..., 100 and ordinates that
// encode their row and column, so a swapped index shows.
void ponerBandas(Globales& g) {
    ponerRango(g);
    for (int k = 0; k <= 20; ++k) {
        g.xBanda(k) = static_cast<Single>(-40 + 7 * k);
        for (int fila = 0; fila <= 3; ++fila) {
            g.banda(fila, k) = static_cast<Single>(100 * fila + k);
        }
    }
    g.xPred = 20;
    for (int fila = 0; fila <= 3; ++fila) {
        g.banda(fila, 21) = static_cast<Single>(10 * fila + 5);
    }
}

TEST(Bandas, SegmentosEntrePuntosConsecutivos) {
    Globales g;
    ponerBandas(g);
    for (int fila = 0; fila <= 3; ++fila) {
        for (int k : {0, 7, 19}) {
            const Segmento s = segmentoBanda(g, fila, k);
            ASSERT_TRUE(s.visible);
            EXPECT_FLOAT_EQ(s.x1, -40 + 7 * k);
            EXPECT_FLOAT_EQ(s.x2, -40 + 7 * (k + 1));
            EXPECT_FLOAT_EQ(s.y1, 100 * fila + k);
            EXPECT_FLOAT_EQ(s.y2, 100 * fila + k + 1);
        }
    }
}

TEST(Bandas, ExtremoIndefinidoOcultaSoloSusDosSegmentos) {
    Globales g;
    ponerBandas(g);
    g.banda(1, 5) = nan;
    EXPECT_TRUE(segmentoBanda(g, 1, 3).visible);
    EXPECT_FALSE(segmentoBanda(g, 1, 4).visible);
    EXPECT_FALSE(segmentoBanda(g, 1, 5).visible);
    EXPECT_TRUE(segmentoBanda(g, 1, 6).visible);
    EXPECT_TRUE(segmentoBanda(g, 0, 4).visible);
}

TEST(Marcas, VerticalesEnXPred) {
    Globales g;
    ponerBandas(g);
    const Segmento obs = marcaPrediccion(g, 0);
    const Segmento media = marcaPrediccion(g, 2);
    EXPECT_TRUE(obs.visible && media.visible);
    EXPECT_FLOAT_EQ(obs.x1, 20);
    EXPECT_FLOAT_EQ(obs.x2, 20);
    EXPECT_FLOAT_EQ(obs.y1, 5);
    EXPECT_FLOAT_EQ(obs.y2, 15);
    EXPECT_FLOAT_EQ(media.x1, 20);
    EXPECT_FLOAT_EQ(media.y1, 25);
    EXPECT_FLOAT_EQ(media.y2, 35);
    g.banda(3, 21) = inf;
    EXPECT_FALSE(marcaPrediccion(g, 2).visible);
    EXPECT_TRUE(marcaPrediccion(g, 0).visible);
}

} // namespace
} // namespace rectaviva
