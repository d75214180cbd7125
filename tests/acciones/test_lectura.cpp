// The number reader of the entry fields on ordinary and hostile texts, and
// the writing of a setting back into its box.
#include "lectura.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace rectaviva {
namespace {

struct Caso {
    const char* nombre;
    std::string texto;
    double esperado;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nombre;
}

class Lectura : public ::testing::TestWithParam<Caso> {};

TEST_P(Lectura, LeeElPrefijoNumerico) {
    const Caso& c = GetParam();
    const double v = leerNumero(c.texto);
    if (std::isinf(c.esperado)) {
        EXPECT_EQ(v, c.esperado);
    } else {
        EXPECT_DOUBLE_EQ(v, c.esperado) << '"' << c.texto << '"';
    }
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Entradas, Lectura,
    ::testing::Values(Caso{"entero", "50", 50}, Caso{"decimal", "2.5", 2.5}, Caso{"vacio", "", 0},
                      Caso{"letras", "abc", 0}, Caso{"cifrasYLetras", "12abc", 12},
                      Caso{"blancosDentro", "  4 2 . 5 ", 42.5}, Caso{"negativo", "-3.5", -3.5},
                      Caso{"masExplicito", "+7", 7}, Caso{"signoSolo", "-", 0},
                      Caso{"dosSignos", "--5", 0}, Caso{"exponente", "1e3", 1000},
                      Caso{"exponenteNegativo", "25E-1", 2.5}, Caso{"exponenteSinCifras", "7e", 7},
                      Caso{"exponenteSoloSigno", "7e+x", 7}, Caso{"variosPuntos", "1.2.3", 1.2},
                      Caso{"puntoInicial", ".5", 0.5}, Caso{"puntoFinal", "5.", 5},
                      Caso{"soloPuntos", "..5", 0}, Caso{"comaNoEsPunto", "3,7", 3},
                      Caso{"cerosLargos", std::string(5000, '0') + "1", 1},
                      Caso{"cifrasLargas", std::string(5000, '9'), kInf},
                      Caso{"negativoLargo", "-" + std::string(400, '9'), -kInf},
                      Caso{"exponenteEnorme", "1e99999999999999999999", kInf},
                      Caso{"exponenteMuyNegativo", "1e-99999999999999", 0},
                      Caso{"decimalesLargos", "0." + std::string(3000, '0') + "5", 0},
                      Caso{"noAscii",
                           "\xc3\xb1"
                           "5",
                           0},
                      Caso{"euroDespues", "12\xe2\x82\xac", 12}, Caso{"cifraArabe", "\xd9\xa3", 0},
                      Caso{"tabulador", "\t9", 9}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nombre); });

TEST(Escritura, FormaDecimalMasCorta) {
    EXPECT_EQ(escribirNumero(65.0f), "65");
    EXPECT_EQ(escribirNumero(80.5f), "80.5");
    EXPECT_EQ(escribirNumero(-35.0f), "-35");
    EXPECT_EQ(escribirNumero(0.1f), "0.1");
    EXPECT_EQ(escribirNumero(135.0f), "135");
    // What is written reads back as the same value.
    for (float v : {64.9f, 99.0f, 20.25f, -12.3f}) {
        EXPECT_EQ(static_cast<float>(leerNumero(escribirNumero(v))), v);
    }
}

} // namespace
} // namespace rectaviva
