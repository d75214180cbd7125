// The challenges' engine: the scoring rules, the history, and the rounds
// drawn from codes, which must not change from one computer to another.
#include "azar_reto.h"
#include "motor_prueba.h"
#include "puntuacion.h"
#include "retos.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rectaviva {
namespace {

TEST(Retos, ReglasDePuntuacion) {
    struct Caso {
        double error;
        int puntos;
    };
    for (const Caso c :
         {Caso{0, 100}, {0.004, 100}, {-0.25, 75}, {0.125, 87}, {1.0, 0}, {-1.7, 0}, {NAN, 0}}) {
        EXPECT_EQ(puntosCorrelacion(c.error), c.puntos) << c.error;
    }
    for (const auto& [racha, bono] : {std::pair{0, 0}, {1, 0}, {2, 10}, {6, 50}, {9, 50}}) {
        EXPECT_EQ(bonoDeRacha(racha), bono) << racha;
    }
    struct Recta {
        double minimos, propia;
        int puntos;
    };
    for (const Recta c : {Recta{50, 100, 50},
                          {80, 80, 100},
                          {80, 79.99, 100},
                          {0, 0, 100},
                          {0, 4, 0},
                          {10, INFINITY, 0},
                          {10, NAN, 0},
                          {1, 3, 33}}) {
        EXPECT_EQ(puntosRecta(c.minimos, c.propia), c.puntos) << c.minimos << ' ' << c.propia;
    }
    for (const auto& [movimientos, puntos] :
         {std::pair{0, 100}, {1, 100}, {2, 95}, {10, 55}, {19, 10}, {40, 10}}) {
        EXPECT_EQ(puntosNube(movimientos), puntos) << movimientos;
    }
    for (int i = 0; i < numPatrones * numPatrones; ++i) {
        const auto respuesta = static_cast<Patron>(i / numPatrones);
        const auto verdad = static_cast<Patron>(i % numPatrones);
        EXPECT_EQ(puntosResiduos(respuesta, verdad), respuesta == verdad ? 100 : 0) << i;
    }
}

// The rules decide on what the student reads: a guess, r and the error to two
// decimals, the sums of squares to one, the target's values as the panel
// writes them.
TEST(Retos, SeDecideConLoQueSeMuestra) {
    struct Caso {
        double respuesta, verdad, error;
        int puntos;
        bool alarga; ///< the streak
    };
    for (const Caso c : {Caso{0.41, 0.456f, -0.05, 95, false},
                         {0.414, 0.456f, -0.05, 95, false}, // unrounded: -0.042
                         {0.41, 0.454f, -0.04, 96, true},
                         {-0.125, -0.17, 0.04, 96, true}}) { // -0.125 shows -0.13
        Historial h;
        RondaJugada j;
        j.respuesta = c.respuesta;
        j.verdad = c.verdad;
        j.error = c.respuesta - c.verdad;
        EXPECT_EQ(h.agregar(j), c.puntos) << c.respuesta;
        EXPECT_EQ(h.rondas().back().error, c.error) << c.respuesta;
        EXPECT_EQ(h.rachaActual(), c.alarga ? 1 : 0) << c.respuesta;
    }
    // 10.0 and 10.1 on screen: 99, not the 100 of 10.04 / 10.06.
    EXPECT_EQ(puntosRecta(10.04, 10.06), 99);
    Globales g;
    g.nActivos = 10;
    g.correlacion = -0.7696f; // shows -0.77: within 0.03 of -0.80
    EXPECT_TRUE(objetivoCumplido({TipoObjetivo::Correlacion, -0.8f, 0.03f}, g));
    g.correlacion = -0.7649f; // shows -0.76
    EXPECT_FALSE(objetivoCumplido({TipoObjetivo::Correlacion, -0.8f, 0.03f}, g));
}

TEST(Retos, HistorialRachaYCsv) {
    Historial h;
    EXPECT_TRUE(std::isnan(h.errorMedioAbsoluto()));
    const auto r = [](Reto reto, double respuesta, double verdad) {
        RondaJugada j;
        j.reto = reto;
        j.codigo = 1234;
        j.respuesta = respuesta;
        j.verdad = verdad;
        j.error = respuesta - verdad;
        j.puntos = reto == Reto::Correlacion ? puntosCorrelacion(j.error) : 70;
        j.hora = "2026-12-10 09:15:02";
        j.segundos = 12.5;
        return j;
    };
    EXPECT_EQ(h.agregar(r(Reto::Correlacion, 0.5, 0.52)), 98);     // racha 1
    EXPECT_EQ(h.agregar(r(Reto::Correlacion, -0.25, -0.25)), 110); // racha 2: +10
    EXPECT_EQ(h.agregar(r(Reto::Recta, 120, 100)), 70);            // no rompe la racha
    EXPECT_EQ(h.agregar(r(Reto::Correlacion, 0.1, 0.15f)), 95);    // 0.05 no basta
    EXPECT_EQ(h.agregar(r(Reto::Correlacion, 0, 0.01)), 99);
    EXPECT_EQ(h.mejorRacha(), 2);
    EXPECT_EQ(h.rachaActual(), 1);
    EXPECT_EQ(h.total(), 98 + 110 + 70 + 95 + 99);
    EXPECT_NEAR(h.errorMedioAbsoluto(), (0.02 + 0 + 0.05 + 0.01) / 4, 1e-7);
    RondaJugada nube = r(Reto::Nube, -0.8f, -0.8f);
    nube.movimientos = 7;
    h.agregar(nube);
    const std::string csv = h.csv();
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "reto,codigo,respuesta,verdad,error,movimientos,puntos,hora,segundos");
    EXPECT_NE(csv.find("\ncorrelacion,1234,-0.25,-0.25,0,,110,2026-12-10 09:15:02,12.5\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\nnube,1234,-0.8,-0.8,0,7,70,"), std::string::npos) << csv;
    // A residual round: the patterns by name, no error, no moves.
    const char* nombres[] = {"ninguno", "curvatura", "dispersion", "atipico", "palanca", "grupos"};
    for (int p = 0; p < numPatrones; ++p) {
        RondaJugada j = r(Reto::Residuos, p, (p + 1) % numPatrones);
        j.puntos = puntosResiduos(static_cast<Patron>(p), static_cast<Patron>(j.verdad));
        h.agregar(j);
        const std::string fila = std::string("\nresiduos,1234,") + nombres[p] + ',' +
                                 nombres[(p + 1) % numPatrones] + ",,,0,2026-12-10 09:15:02,12.5\n";
        EXPECT_NE(h.csv().find(fila), std::string::npos) << fila;
    }
    // Right patterns in a row are a streak of their own challenge.
    for (int k = 0; k < 3; ++k) {
        h.agregar(r(Reto::Residuos, 2, 2));
    }
    EXPECT_EQ(h.mejorRacha(), 3);
    EXPECT_EQ(h.rachaActual(), 1);
}

TEST(Retos, LogaritmoEscritoComoElDeLaBiblioteca) {
    for (const double v :
         {1e-300, 1e-9, 0.1, 0.5, 0.70710678, 0.9999999, 1.0, 1.5, 2.0, 10.0, 123456.789, 1e300}) {
        EXPECT_NEAR(logaritmoNatural(v), std::log(v), 4e-16 * std::fabs(std::log(v)) + 1e-300) << v;
    }
    EXPECT_EQ(logaritmoNatural(1.0), 0.0);
}

// Whole plot units inside the plot, 10 to 50 points, and a fit that the
// float engine gives to the round as the window loads it.
Globales& ajustar(prueba::Motor& m, const RondaReto& r) {
    std::vector<std::pair<float, float>> p;
    for (const PuntoReto q : r.puntos) {
        p.emplace_back(q.x, q.y);
    }
    m.muestra(p);
    m.calculos.sumas();
    m.calculos.Calcula();
    return m.g;
}

TEST(Retos, CodigosYNubes) {
    for (const auto& [codigo, valido] :
         {std::pair{999, false}, {1000, true}, {9999, true}, {10000, false}, {-1, false}}) {
        EXPECT_EQ(codigoValido(codigo), valido) << codigo;
    }
    for (const double u : {0.0, 0.5, 0.9999999999}) {
        EXPECT_TRUE(codigoValido(codigoAlAzar(u))) << u;
    }
    // Two challenges draw unrelated clouds from one code.
    EXPECT_NE(rondaDeCodigo(Reto::Correlacion, 4817).puntos,
              rondaDeCodigo(Reto::Recta, 4817).puntos);
    int enganos = 0;
    float rMin = 1, rMax = -1;
    for (int i = 0; i < 6000; ++i) {
        const int codigo = primerCodigo + (i / 3) * 4;
        const RondaReto r = rondaDeCodigo(static_cast<Reto>(i % 3), codigo);
        ASSERT_GE(r.puntos.size(), 10U) << codigo;
        ASSERT_LE(r.puntos.size(), r.reto == Reto::Nube ? 20U : 50U) << codigo;
        for (const PuntoReto q : r.puntos) {
            ASSERT_TRUE(q.x == std::nearbyint(q.x) && q.x >= -30 && q.x <= 90) << codigo;
            ASSERT_TRUE(q.y == std::nearbyint(q.y) && q.y >= -30 && q.y <= 90) << codigo;
        }
        prueba::Motor m;
        const Globales& g = ajustar(m, r);
        if (r.reto == Reto::Correlacion) {
            enganos += r.engano != Engano::Ninguno;
            rMin = std::min(rMin, g.correlacion);
            rMax = std::max(rMax, g.correlacion);
        }
        if (r.reto == Reto::Nube) {
            EXPECT_FALSE(objetivoCumplido(r.objetivo, g)) << codigo << " ya cumple su objetivo";
            EXPECT_TRUE(r.objetivo.tipo != TipoObjetivo::Correlacion ||
                        g.correlacion * r.objetivo.valor < 0)
                << codigo << " no empieza al otro lado de su r";
        }
    }
    // About one correlation round in five misleads; r spreads over -1..1.
    EXPECT_GT(enganos, 300);
    EXPECT_LT(enganos, 500);
    EXPECT_LT(rMin, -0.97f);
    EXPECT_GT(rMax, 0.97f);
}

TEST(Retos, UnCodigoDaSiempreLaMismaRonda) {
    // The first points, the size and a sum weighted by position pin each
    // round point by point on every computer.
    struct Fijada {
        Reto reto;
        int codigo;
        std::size_t n;
        PuntoReto primeros[3];
        double suma;
    };
    for (const Fijada& f :
         {Fijada{Reto::Correlacion, 4817, 29, {{2, 9}, {5, 21}, {49, 69}}, 479889},
          {Reto::Recta, 1000, 18, {{47, 37}, {51, 30}, {17, 43}}, 90868},
          {Reto::Nube, 6321, 14, {{35, 22}, {45, 34}, {18, 30}}, 48539}}) {
        const RondaReto r = rondaDeCodigo(f.reto, f.codigo);
        ASSERT_EQ(r.puntos.size(), f.n) << f.codigo;
        EXPECT_EQ(prueba::firmaDeRonda(r), f.suma) << f.codigo;
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(r.puntos[k], f.primeros[k]) << f.codigo << ' ' << k;
        }
        EXPECT_EQ(r.puntos, rondaDeCodigo(f.reto, f.codigo).puntos);
    }
}

} // namespace
} // namespace rectaviva
