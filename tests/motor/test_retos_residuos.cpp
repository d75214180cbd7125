// The residual rounds: each generator shows its own pattern and no other,
// the diagnostics and marks against fits computed here by the normal
// equations, pinned rounds, the lineup, and input without a fit.
#include "puntuacion.h"
#include "retos_residuos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace rectaviva {
namespace {

TEST(RetosResiduos, CadaPatronSeVeYNingunOtro) {
    constexpr int codigos = 2000;
    for (int p = 0; p < numPatrones; ++p) {
        const auto patron = static_cast<Patron>(p);
        int propios = 0;
        std::array<int, numPatrones> hallados{};
        for (int k = 0; k < codigos; ++k) {
            const int codigo = primerCodigo + 4 * k + p % 4;
            const RondaReto r = rondaDePatron(patron, codigo);
            const auto n = static_cast<int>(r.puntos.size());
            ASSERT_TRUE(n >= 10 && n <= 50) << codigo;
            for (const PuntoReto q : r.puntos) {
                ASSERT_TRUE(q.x == std::nearbyint(q.x) && q.x >= -30 && q.x <= 90) << codigo;
                ASSERT_TRUE(q.y == std::nearbyint(q.y) && q.y >= -30 && q.y <= 90) << codigo;
            }
            const Diagnostico d = diagnosticar(r.puntos);
            const auto h = patronesHallados(d, n);
            int cuantos = 0;
            for (int o = 0; o < numPatrones; ++o) {
                hallados[o] += h[o];
                cuantos += h[o];
            }
            propios += h[p] && cuantos == 1;
            EXPECT_EQ(r.senalado, patron == Patron::Atipico   ? d.puntoEstudentizado
                                  : patron == Patron::Palanca ? d.puntoPalanca
                                                              : -1)
                << codigo;
            EXPECT_EQ(r.grupo.size(), patron == Patron::Grupos ? r.puntos.size() : 0U) << codigo;
        }
        std::printf("patrón %d: propio y ningún otro %.1f %%; hallados", p,
                    100.0 * propios / codigos);
        for (const int c : hallados) {
            std::printf(" %.1f", 100.0 * c / codigos);
        }
        std::printf(" %%\n");
        EXPECT_GE(propios, 0.95 * codigos) << p;
    }
}

} // namespace
} // namespace rectaviva
