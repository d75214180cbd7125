// Every input the fuzz target keeps (the seed corpus and the inputs of the
// faults it found) replayed through the same check, in every build tree.
#include "comprobar_lector.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace rectaviva::prueba {
namespace {

TEST(Fuzz, CadaEntradaGuardadaCumple) {
    int vistas = 0;
    for (const char* carpeta : {"casos", "semillas"}) {
        for (const auto& e :
             std::filesystem::directory_iterator(std::filesystem::path(CARPETA_FUZZ) / carpeta)) {
            std::ifstream f(e.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(f), {}};
            EXPECT_EQ(comprobarLector(bytes), "") << e.path();
            ++vistas;
        }
    }
    EXPECT_GE(vistas, 20);
}

} // namespace
} // namespace rectaviva::prueba
