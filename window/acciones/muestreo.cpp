#include "muestreo.h"

#include "redondeo.h"

#include <chrono>

namespace rectaviva {

GeneradorReloj::GeneradorReloj()
    : GeneradorSemilla(
          static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
}

float GeneradorSemilla::Rnd() {
    // The top 24 bits of a 32-bit draw, scaled by 2^-24: every float in
    // [0, 1) on that grid, never 1 itself.
    return static_cast<float>(motor_() >> 8) * 0x1p-24f;
}

void generarMuestra(Globales& g, Generador& azar) {
    const double r = azar.Rnd();
    // 10 to 24; the two ends come up half as often as the sizes between.
    const Integer n = *aInteger(redondearPar(14.0 * r + 10.0));
    g.nPuntos = n;
    g.nActivos = n;
    generarPuntos(g, azar, g.nPuntos);
}

void generarPuntos(Globales& g, Generador& azar, Integer n) {
    if (n < 1 || n > maxPuntos) {
        return;
    }
    // The line: slope in (-2, 4], intercept |m|·(0.5 + r), never negative.
    const float m = static_cast<float>(4.0 - 6.0 * azar.Rnd());
    const double r = azar.Rnd();
    const float a = m < 0.0f ? static_cast<float>((-double(m)) / 2.0 - double(m) * r)
                             : static_cast<float>(double(m) / 2.0 + double(m) * r);
    // The spread of the noise, 2 to 72 plot units.
    const float s = static_cast<float>(((g.yMax - g.yMin) / 2) * double(azar.Rnd()) + 2.0);
    const Integer xLo = *aInteger(g.xMin * 0.5);
    const Integer xHi = *aInteger(g.xMax * 0.75);
    const float yBajo = static_cast<float>(g.yMin + 5);
    const float yAlto = static_cast<float>(g.yMax - 5);
    for (Integer i = 1; i <= n; ++i) {
        const float x = redondearPar(static_cast<float>((xHi - xLo) * double(azar.Rnd()) + xLo));
        float y = redondearPar(
            static_cast<float>(double(a) + double(m) * x + double(azar.Rnd()) * double(s)));
        // Halving always ends: 0 lies inside the interval.
        while (!(y >= yBajo && y <= yAlto)) {
            y = y / 2.0f;
        }
        g.xObs(i) = x;
        g.yObs(i) = y;
        g.activo(i) = 1;
    }
}

} // namespace rectaviva
