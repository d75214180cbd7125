// Value-bar widths and offsets computed from hand-built states: the clamps,
// the shifts, the guard value and undefined values.
#include "geometria.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <ostream>

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

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CasoBarra& c, std::ostream* os) {
    *os << c.nombre;
}

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

void PrintTo(const CasoDesplazamiento& c, std::ostream* os) {
    *os << c.nombre;
}

class Desplazamientos : public testing::TestWithParam<CasoDesplazamiento> {};

TEST_P(Desplazamientos, DesdeElBordeDeLaCaja) {
    const auto& c = GetParam();
    Globales g;
    g.liIntercepto = c.liIntercepto;
    g.liPendiente = c.liPendiente;
    EXPECT_FLOAT_EQ(desplazamientoIntervaloA(g), c.dA) << c.nombre;
    EXPECT_FLOAT_EQ(desplazamientoIntervaloB(g), c.dB) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(Casos, Desplazamientos,
                         testing::Values(CasoDesplazamiento{"enElOrigen", -130, -12, 0, 0},
                                         CasoDesplazamiento{"aLaIzquierda", -200, -40, 0, 0},
                                         CasoDesplazamiento{"dentro", -100, -2, 30 * 4.8f, 400},
                                         CasoDesplazamiento{"indefinido", nan, nan, 0, 0}),
                         [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
} // namespace rectaviva
