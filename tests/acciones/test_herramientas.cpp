// The steps and limits of the ten cloud tools, on a 1024 x 768 screen
// (escalaX 12.8, escalaY 11.52 twips per layout unit).
#include "herramientas.h"

#include "Calculos.h"
#include "Tablas.h"
#include "muestra_transformada.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

namespace rectaviva {
namespace {

class Registro : public ColocarMarcador {
public:
    void x(Integer k, float x) override { izq[k] = x; }
    void y(Integer k, float y) override { arr[k] = y; }
    std::map<int, float> izq, arr;
};

struct Nube {
    std::unique_ptr<Globales> g = std::make_unique<Globales>();
    Registro marcas;

    explicit Nube(std::vector<std::pair<float, float>> puntos) {
        g->xMin = -40;
        g->xMax = 100;
        g->yMin = -40;
        g->yMax = 100;
        g->escalaX = 12.8f;
        g->escalaY = 11.52f;
        for (const auto& [x, y] : puntos) {
            ++g->nPuntos;
            g->xObs(g->nPuntos) = x;
            g->yObs(g->nPuntos) = y;
            g->activo(g->nPuntos) = 1;
            g->mediaX += x / static_cast<float>(puntos.size());
            g->mediaY += y / static_cast<float>(puntos.size());
        }
        g->nActivos = g->nPuntos;
    }

    bool paso(Herramienta h, const Referencias& ref) {
        return pasoNube(*g, h, ref, marcas) == FinDePaso::Sigue;
    }
};

TEST(Herramientas, ReferenciasSonLosPrimerosMaximos) {
    Nube n({{3, -9}, {7, -2}, {7, -5}, {1, -2}});
    const Referencias r = buscarReferencias(*n.g);
    EXPECT_EQ(r.refX, 2);
    // With every y negative the least negative one is the reference.
    EXPECT_EQ(r.refY, 2);
}

struct CasoMovimiento {
    const char* nombre;
    Herramienta h;
    bool enX;
    double paso;
};

void PrintTo(const CasoMovimiento& c, std::ostream* os) {
    *os << c.nombre;
}

class Movimiento : public ::testing::TestWithParam<CasoMovimiento> {};

TEST_P(Movimiento, UnPasoMueveTodoYColocaLosMarcadores) {
    const CasoMovimiento& c = GetParam();
    Nube n({{0, 0}, {10, 20}, {-5, 30}});
    const std::vector<float> x0 = {0, 10, -5}, y0 = {0, 20, 30};
    ASSERT_TRUE(n.paso(c.h, buscarReferencias(*n.g)));
    for (int k = 1; k <= 3; ++k) {
        const float esperado = static_cast<float>((c.enX ? x0[k - 1] : y0[k - 1]) + c.paso);
        EXPECT_FLOAT_EQ(c.enX ? n.g->xObs(k) : n.g->yObs(k), esperado);
        EXPECT_FLOAT_EQ(c.enX ? n.g->yObs(k) : n.g->xObs(k), c.enX ? y0[k - 1] : x0[k - 1]);
        if (c.enX) {
            EXPECT_FLOAT_EQ(n.marcas.izq.at(k), esperado);
        } else {
            EXPECT_FLOAT_EQ(n.marcas.arr.at(k), esperado);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Herramientas, Movimiento,
    ::testing::Values(CasoMovimiento{"sube", Herramienta::Sube, false, 0.02 * 11.52},
                      CasoMovimiento{"baja", Herramienta::Baja, false, -0.02 * 11.52},
                      CasoMovimiento{"izquierda", Herramienta::Izquierda, true, -0.02 * 12.8},
                      CasoMovimiento{"derecha", Herramienta::Derecha, true, 0.02 * 12.8}),
    [](const ::testing::TestParamInfo<CasoMovimiento>& i) { return std::string(i.param.nombre); });

TEST(Herramientas, LaDerechaSeDetieneEnElMargenConLaCoordenadaUnPasoMasAlla) {
    Nube n({{90, 0}, {10, 20}, {98, 30}});
    const Referencias ref = buscarReferencias(*n.g);
    const float tope = static_cast<float>(100 - 0.06 * 12.8);
    int pasos = 0;
    while (n.paso(Herramienta::Derecha, ref)) {
        ++pasos;
        ASSERT_LT(pasos, 1000);
    }
    // Point 3 (the rightmost) hit the margin: its x passed the limit, its
    // marker was last placed one step behind, and later points were not moved.
    EXPECT_GE(n.g->xObs(3), tope);
    EXPECT_LT(n.marcas.izq.at(3), tope);
    EXPECT_NEAR(n.g->xObs(3) - n.marcas.izq.at(3), 0.02 * 12.8, 1e-5);
    EXPECT_EQ(pasos, static_cast<int>(std::ceil((tope - 98) / (0.02 * 12.8))) - 1);
}

TEST(Herramientas, LaContraccionVerticalSeDetieneCercaDeLaMedia) {
    Nube n({{0, -30}, {10, 50}, {20, 10}, {30, 90}});
    const float mediaY = n.g->mediaY;
    const Referencias ref = buscarReferencias(*n.g);
    ASSERT_EQ(ref.refY, 4);
    double dispersionPrevia = 1e9;
    int pasos = 0;
    while (n.paso(Herramienta::ContraeVertical, ref)) {
        double dispersion = 0;
        for (int k = 1; k <= 4; ++k) {
            dispersion += std::fabs(n.g->yObs(k) - mediaY);
        }
        EXPECT_LT(dispersion, dispersionPrevia);
        dispersionPrevia = dispersion;
        ++pasos;
        ASSERT_LT(pasos, 2000);
    }
    // The reference point ended within 5 units of the mean, which stayed put.
    EXPECT_LT(n.g->yObs(4) - mediaY, 5.0f);
    EXPECT_GE(n.g->yObs(4) - mediaY, 5.0f * 0.995f - 0.01f);
    double media = 0;
    for (int k = 1; k <= 4; ++k) {
        media += n.g->yObs(k) / 4.0;
    }
    EXPECT_NEAR(media, mediaY, 0.05);
}

TEST(Herramientas, DespuesDelLimiteSoloSeMueveElPrimerPunto) {
    Nube n({{0, 0}, {10, 2}, {20, 1}});
    const Referencias ref = buscarReferencias(*n.g);
    // The reference is already within 5 of the mean: the first point is
    // changed once, its marker is not placed, and the step ends.
    const float y2 = n.g->yObs(2);
    EXPECT_FALSE(n.paso(Herramienta::ContraeVertical, ref));
    EXPECT_NE(n.g->yObs(1), 0.0f);
    EXPECT_EQ(n.g->yObs(2), y2);
    EXPECT_TRUE(n.marcas.arr.empty());
}

TEST(Herramientas, ExpandirSeDetieneEnCualquierBorde) {
    Nube n({{0, -20}, {10, 95}, {20, 10}});
    const Referencias ref = buscarReferencias(*n.g);
    int pasos = 0;
    while (n.paso(Herramienta::ExpandeVertical, ref)) {
        ++pasos;
        ASSERT_LT(pasos, 1000);
    }
    const float tope = static_cast<float>(100 - 0.06 * 11.52);
    EXPECT_GE(n.g->yObs(2), tope);
    EXPECT_LT(n.marcas.arr.at(2) - 1, tope);
}

TEST(Herramientas, LasCompuestasHacenYLuegoX) {
    Nube n({{0, 0}, {40, 60}, {80, 30}});
    const float mx = n.g->mediaX, my = n.g->mediaY;
    bool okX = true, okY = true;
    pasoHerramienta(*n.g, Herramienta::Expande, 2, buscarReferencias(*n.g), okX, okY, n.marcas);
    EXPECT_TRUE(okX && okY);
    EXPECT_FLOAT_EQ(n.g->yObs(2), 1.005f * 60 - 0.004999995f * my);
    EXPECT_FLOAT_EQ(n.g->xObs(2), 1.005f * 40 - 0.004999995f * mx);
    EXPECT_EQ(n.marcas.arr.count(2), 1u);
    EXPECT_EQ(n.marcas.izq.count(2), 1u);

    // The y part may end the step while the x part still moves the point.
    Nube borde({{0, 99.5f}, {40, 60}, {80, 30}});
    okX = okY = true;
    pasoHerramienta(*borde.g, Herramienta::Expande, 1, buscarReferencias(*borde.g), okX, okY,
                    borde.marcas);
    EXPECT_FALSE(okY);
    EXPECT_TRUE(okX);
    EXPECT_EQ(borde.marcas.arr.count(1), 0u);
    EXPECT_EQ(borde.marcas.izq.count(1), 1u);
}

// On a transformed axis the cloud stops where the transformation could no
// longer be taken back; untransformed, the same tool runs on to the margin.
TEST(Herramientas, UnEjeTransformadoDetieneLaNubeEnSuBorde) {
    for (const auto& [t, h] : {std::pair{Transformacion::Raiz, Herramienta::Baja},
                               {Transformacion::Inversa, Herramienta::Baja},
                               {Transformacion::Raiz, Herramienta::ExpandeVertical}}) {
        for (const bool transformada : {true, false}) {
            Nube n({{10, 1.5f}, {20, 30}, {30, 60}});
            n.g->transformacionY = transformada ? static_cast<Byte>(t) : 0;
            FinDePaso fin = FinDePaso::Sigue;
            for (int pasos = 0; fin == FinDePaso::Sigue && pasos < 5000; ++pasos) {
                fin = pasoNube(*n.g, h, buscarReferencias(*n.g), n.marcas);
            }
            EXPECT_EQ(fin, transformada ? FinDePaso::Borde : FinDePaso::Limite);
            EXPECT_TRUE(!transformada || sePuedeDeshacer(t, n.g->yObs(1), 0)) << n.g->yObs(1);
        }
    }
}

TEST(Herramientas, LosPuntosEliminadosSeMuevenConLaNube) {
    Nube n({{0, 0}, {10, 20}, {-5, 30}});
    n.g->activo(2) = 0;
    n.g->nActivos = 2;
    ASSERT_TRUE(n.paso(Herramienta::Sube, buscarReferencias(*n.g)));
    EXPECT_FLOAT_EQ(n.g->yObs(2), static_cast<float>(20 + 0.02 * 11.52));
}

// Whether the points lie exactly on one line, from their float coordinates
// written as integers over the smallest power of two among them.
bool colinealExacto(const Globales& g) {
    int menor = INT_MAX, mayor = INT_MIN;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        for (float v : {g.xObs(k), g.yObs(k)}) {
            int e = 0;
            std::frexp(v, &e);
            if (v != 0) {
                menor = std::min(menor, e - 24);
                mayor = std::max(mayor, e);
            }
        }
    }
    EXPECT_LE(mayor - menor, 50) << "the integers must stay exact in double";
    const auto entero = [&](float v) { return static_cast<__int128>(std::ldexp(v, -menor)); };
    const __int128 x0 = entero(g.xObs(1)), y0 = entero(g.yObs(1));
    const __int128 dx = entero(g.xObs(2)) - x0, dy = entero(g.yObs(2)) - y0;
    for (Integer k = 3; k <= g.nPuntos; ++k) {
        if (dx * (entero(g.yObs(k)) - y0) != dy * (entero(g.xObs(k)) - x0)) {
            return false;
        }
    }
    return true;
}

// A collinear cloud moved by the tools: each step rounds the coordinates to
// float, which may take the points off their line or leave them on it. The
// fit has no error at all exactly when they still lie on one line.
TEST(Herramientas, UnaNubeColinealMovidaTieneErrorCeroSoloSobreUnaRecta) {
    int sobre = 0, fuera = 0;
    const std::vector<std::pair<float, float>> recta{{-38, -25}, {-20, -13}, {-2, -1},
                                                     {16, 11},   {31, 21},   {52, 35}};
    // Abscissae of one binade move left by the same float amount: the cloud
    // keeps its line for a few steps.
    const std::vector<std::pair<float, float>> binade{{33, 67}, {40, 81}, {47, 95}, {61, 123}};
    for (const auto& [h, puntos] :
         {std::pair{Herramienta::Contrae, recta}, std::pair{Herramienta::Sube, recta},
          std::pair{Herramienta::ExpandeHorizontal, recta},
          std::pair{Herramienta::Izquierda, binade}}) {
        Nube n(puntos);
        Calculos c(*n.g);
        Tablas t(*n.g);
        n.g->oTablas = &t;
        t.tablaT(n.g->valoresT);
        n.g->nivelConf = 95;
        const Referencias ref = buscarReferencias(*n.g);
        for (int paso = 0; paso < 30 && n.paso(h, ref); ++paso) {
            c.sumas();
            c.Calcula();
            const bool enRecta = colinealExacto(*n.g);
            EXPECT_EQ(n.g->SCErr == 0, enRecta) << static_cast<int>(h) << " step " << paso;
            ++(enRecta ? sobre : fuera);
        }
    }
    EXPECT_GT(sobre, 0);
    EXPECT_GT(fuera, 0);
}

} // namespace
} // namespace rectaviva
