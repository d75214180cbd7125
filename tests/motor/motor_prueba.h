// A fresh engine for each test: its own shared state, with the t table, the
// band abscissae and the default settings that start-up gives the program.
#pragma once

#include "Calculos.h"
#include "Globales.h"
#include "Tablas.h"
#include "retos.h"

#include <memory>
#include <utility>
#include <vector>

namespace rectaviva::prueba {

// The floats nearest to points of y = 3.7 + 1.3 x: off that line by their
// own rounding, as a collinear cloud moved by the tools can be.
inline const std::vector<std::pair<float, float>> kCasiRecta = {
    {0.1f, 3.83000016f}, {0.2f, 3.96000004f}, {0.3f, 4.09000015f}, {0.4f, 4.22000027f},
    {0.5f, 4.3499999f},  {0.6f, 4.48000002f}, {7.7f, 13.7099991f}};

struct Motor {
    std::unique_ptr<Globales> estado = std::make_unique<Globales>();
    Globales& g = *estado;
    Calculos calculos{g};
    Tablas tablas{g};

    Motor() {
        g.oCalculos = &calculos;
        g.oTablas = &tablas;
        g.xMin = -40;
        g.xMax = 100;
        g.yMin = -40;
        g.yMax = 100;
        tablas.tablaT(g.valoresT);
        calculos.PuntosPrediccion();
        g.nivelPred = 95.0f;
        g.xPred = 20.0f;
        g.nivelConf = 95.0f;
    }

    // Replaces the sample by the given points, all in use but point
    // `eliminado` (0: none).
    void muestra(const std::vector<std::pair<float, float>>& puntos, int eliminado = 0) {
        g.nPuntos = 0;
        for (const auto& [x, y] : puntos) {
            ++g.nPuntos;
            g.xObs(g.nPuntos) = x;
            g.yObs(g.nPuntos) = y;
            g.activo(g.nPuntos) = 1;
        }
        g.nActivos = g.nPuntos;
        if (eliminado != 0) {
            g.activo(eliminado) = 0;
            --g.nActivos;
        }
    }

    // The full recompute chain after a change of the whole sample.
    void recalcular() {
        calculos.sumas();
        calculos.Calcula();
        calculos.Anova();
        calculos.bandas();
        calculos.prediccion();
    }
};

// A pinned round's fingerprint: Σ k·xₖ + k²·yₖ over its points in order,
// which any change of a point, of their order or of their number moves.
inline double firmaDeRonda(const RondaReto& r) {
    double suma = 0;
    for (std::size_t k = 0; k < r.puntos.size(); ++k) {
        const double i = static_cast<double>(k + 1);
        suma += i * r.puntos[k].x + i * i * r.puntos[k].y;
    }
    return suma;
}

} // namespace rectaviva::prueba
