// Random samples: a size from 10 to 24 and a cloud of points along a random
// straight line with one-sided uniform noise, kept inside the plot. The
// draws come from a Generador, so that tests can feed chosen draws.
#pragma once

#include "Globales.h"

#include <cstdint>
#include <random>

namespace rectaviva {

// A uniform pseudo-random number in [0, 1), in single precision.
class Generador {
public:
    virtual ~Generador() = default;
    virtual float Rnd() = 0;
};

// A reproducible generator: the same seed gives the same draws.
class GeneradorSemilla : public Generador {
public:
    explicit GeneradorSemilla(std::uint32_t semilla) : motor_(semilla) {}
    float Rnd() override;

private:
    std::mt19937 motor_;
};

// The program's generator, seeded from the clock once at start-up.
class GeneradorReloj final : public GeneradorSemilla {
public:
    GeneradorReloj();
};

// Draws a size and a whole new sample of that size: nPuntos, nActivos and
// points 1..n, all in use.
void generarMuestra(Globales& g, Generador& azar);

// Draws points 1..n along a new random line; n must lie in 1..50.
void generarPuntos(Globales& g, Generador& azar, Integer n);

} // namespace rectaviva
