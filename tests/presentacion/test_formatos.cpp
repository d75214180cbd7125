// The display formats, the 16-bit conversion and the point-list row: known
// answers, ties on both sides of zero, undefined and out-of-range values.
#include "formatos.h"
#include "redondeo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace rectaviva {
namespace {

struct CasoFormato {
    const char* nombre;
    Single valor;
    Formato formato;
    const char* texto;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CasoFormato& c, std::ostream* os) {
    *os << c.nombre;
}

class Formatear : public testing::TestWithParam<CasoFormato> {};

TEST_P(Formatear, TextoExacto) {
    const auto& c = GetParam();
    EXPECT_EQ(formatear(c.valor, c.formato), c.texto) << c.nombre;
}

constexpr Single inf = std::numeric_limits<Single>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Casos, Formatear,
    testing::Values(
        CasoFormato{"menosDiezUnDecimal", -10.0f, Formato::UnDecimal, "-10.0"},
        CasoFormato{"casiMenosDiez", -9.996f, Formato::DosDecimales, "-10.00"},
        CasoFormato{"noventaYNueveDosDecimales", 99.0f, Formato::DosDecimales, "99.00"},
        CasoFormato{"noventaYNueveUnDecimal", 99.004f, Formato::UnDecimal, "99.0"},
        CasoFormato{"cientoCincuenta", 150.26f, Formato::UnDecimal, "150.3"},
        CasoFormato{"cientoCincuentaNegativo", -150.26f, Formato::DosDecimales, "-150.26"},
        CasoFormato{"R2MedioHaciaArriba", 86.5f, Formato::Entero, "87"},
        CasoFormato{"nivelConf", 95.0f, Formato::Entero, "95"},
        CasoFormato{"nActivosConEspacio", 7.0f, Formato::EnteroEspacio, "7 "},
        CasoFormato{"empateBinarioExacto", 0.125f, Formato::DosDecimales, "0.13"},
        CasoFormato{"floatSobreElEmpate", 12.345f, Formato::DosDecimales, "12.35"},
        CasoFormato{"floatBajoElEmpate", 0.145f, Formato::DosDecimales, "0.14"},
        CasoFormato{"empateNegativo", -2.5f, Formato::Entero, "-3"},
        CasoFormato{"empatePositivo", 2.5f, Formato::Entero, "3"},
        CasoFormato{"mitadConEspacio", 0.5f, Formato::EnteroEspacio, "1 "},
        CasoFormato{"ceroNegativoSinSigno", -0.001f, Formato::DosDecimales, "0.00"},
        CasoFormato{"menosMedioDecimo", -0.04f, Formato::UnDecimal, "0.0"},
        CasoFormato{"menosCero", -0.0f, Formato::Entero, "0"},
        CasoFormato{"digitoAntesDelPunto", 0.5f, Formato::DosDecimales, "0.50"},
        CasoFormato{"acarreoLargo", 9.9996f, Formato::TresDecimales, "10.000"},
        CasoFormato{"acarreoNegativo", -99.96f, Formato::UnDecimal, "-100.0"},
        CasoFormato{"guardaIntercepto", 100000.0f, Formato::TresDecimales, "100000.000"},
        CasoFormato{"infinitoComoGuarda", inf, Formato::TresDecimales, "100000.000"},
        CasoFormato{"menosInfinitoComoGuarda", -inf, Formato::TresDecimales, "-100000.000"},
        CasoFormato{"indefinido", std::numeric_limits<Single>::quiet_NaN(), Formato::DosDecimales,
                    "\u2014"},
        CasoFormato{"grandeSinSeparador", 1234567.0f, Formato::Entero, "1234567"},
        CasoFormato{"subnormal", std::numeric_limits<Single>::denorm_min(), Formato::TresDecimales,
                    "0.000"},
        CasoFormato{"maximo", std::numeric_limits<Single>::max(), Formato::Entero,
                    "340282346638528859811704183484516925440"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(FormatearPunto, UsaElPuntoDelAnfitrion) {
    EXPECT_EQ(formatear(12.345f, Formato::DosDecimales, ","), "12,35");
    EXPECT_EQ(formatear(-0.5f, Formato::UnDecimal, ","), "-0,5");
    EXPECT_EQ(formatear(7.0f, Formato::EnteroEspacio, ","), "7 ");
}

// An exact p-value: four decimals from 0.0001 on, never 0, the host's point.
TEST(FormatearValorP, CuatroDecimalesOMenorQueElUltimo) {
    EXPECT_EQ(formatearValorP(0.00217f), "0.0022");
    EXPECT_EQ(formatearValorP(0.0001f), "0.0001");
    EXPECT_EQ(formatearValorP(0.00009999f), "<0.0001");
    EXPECT_EQ(formatearValorP(0.0f, ","), "<0,0001");
    EXPECT_EQ(formatearValorP(0.008257f, ","), "0,0083");
    EXPECT_EQ(formatearValorP(std::numeric_limits<Single>::quiet_NaN()), "\u2014");
}

struct CasoEntero {
    const char* nombre;
    Single valor;
    std::optional<Integer> entero;
};

void PrintTo(const CasoEntero& c, std::ostream* os) {
    *os << c.nombre;
}

class Entero16 : public testing::TestWithParam<CasoEntero> {};

TEST_P(Entero16, MitadAlPar) {
    const auto& c = GetParam();
    EXPECT_EQ(aInteger(c.valor), c.entero) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Entero16,
    testing::Values(
        CasoEntero{"dosYMedio", 2.5f, 2}, CasoEntero{"tresYMedio", 3.5f, 4},
        CasoEntero{"cuarentaYCincoYMedio", 45.5f, 46}, CasoEntero{"menosDoceYMedio", -12.5f, -12},
        CasoEntero{"menosMedio", -0.5f, 0}, CasoEntero{"nueveYMedio", 9.5f, 10},
        CasoEntero{"ochoYMedio", 8.5f, 8}, CasoEntero{"maximo", 32767.4f, 32767},
        CasoEntero{"sobreElMaximo", 32767.5f, std::nullopt},
        CasoEntero{"minimoPorEmpate", -32768.5f, -32768},
        CasoEntero{"bajoElMinimo", -32769.0f, std::nullopt},
        CasoEntero{"indefinido", std::numeric_limits<Single>::quiet_NaN(), std::nullopt},
        CasoEntero{"infinito", inf, std::nullopt}, CasoEntero{"menosInfinito", -inf, std::nullopt}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoFila {
    const char* nombre;
    Integer k;
    Single x, y;
    const char* fila;
};

void PrintTo(const CasoFila& c, std::ostream* os) {
    *os << c.nombre;
}

class Fila : public testing::TestWithParam<CasoFila> {};

TEST_P(Fila, EspaciosExactos) {
    const auto& c = GetParam();
    std::string stg = "texto anterior que debe desaparecer";
    formarFila(c.k, c.x, c.y, stg);
    EXPECT_EQ(stg, c.fila) << c.nombre;
    EXPECT_NE(stg.back(), ' ');
}

// The rows are written out with their spaces counted, as a student would see them.
INSTANTIATE_TEST_SUITE_P(
    Casos, Fila,
    testing::Values(
        CasoFila{"k3", 3, 12.4f, -3.6f, "      3         12            -4"},
        CasoFila{"k10", 10, 2.5f, 3.5f, "    10           2             4"},
        CasoFila{"k7", 7, -0.5f, 99.5f, "      7           0         100"},
        CasoFila{"k12", 12, -15.2f, 100.4f, "    12        -15         100"},
        CasoFila{"k50", 50, 45.5f, -12.5f, "    50         46          -12"},
        CasoFila{"nueveYMedioDosCifras", 9, 9.5f, 8.5f, "      9         10             8"},
        CasoFila{"menosCuatroDecimas", 1, -0.4f, -9.0f, "      1           0            -9"},
        CasoFila{"mil", 2, 1000.0f, -100.0f, "      2       1000          -100"},
        CasoFila{"xIndefinido", 4, std::numeric_limits<Single>::quiet_NaN(), 5.0f,
                 "      4           \u2014             5"},
        CasoFila{"yFueraDeRango", 5, 1.0f, 40000.0f, "      5           1             \u2014"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Width of a row's parts counted with a digit 2 wide and a space or minus 1:
// k part 8, x part 13, y part 15 for every value of -99..999.
int ancho(std::string_view s) {
    int w = 0;
    for (char c : s) {
        w += (c >= '0' && c <= '9') ? 2 : 1;
    }
    return w;
}

TEST(FilaColumnas, LosNumerosTerminanAlineados) {
    for (int k : {1, 9, 10, 50}) {
        for (int v = -99; v <= 999; ++v) {
            std::string stg;
            formarFila(static_cast<Integer>(k), static_cast<Single>(v), static_cast<Single>(v),
                       stg);
            const int partes = ancho(stg);
            ASSERT_EQ(partes, 8 + 13 + 15) << "k=" << k << " v=" << v << " row '" << stg << "'";
            // The k part alone: up to the end of the number k.
            const std::string kTexto = std::to_string(k);
            ASSERT_EQ(ancho(std::string_view(stg).substr(0, stg.find(kTexto) + kTexto.size())), 8);
        }
    }
}

// A data set's rows: whatever the widths of its numbers, the columns end
// where the widths given put them.
TEST(FilaColumnas, LasDeUnConjuntoTambien) {
    for (const auto& [x, y] : {std::pair{"0.032", "170"}, {"2.000", "-1090"}, {"12.5", "—"}}) {
        std::string stg;
        formarFilaDatos(7, x, y, 13, 17, stg);
        EXPECT_EQ(anchoTexto(stg), 8 + 13 + 17) << stg;
    }
}

struct CasoUnidades {
    const char* nombre;
    Single valor;
    Formato formato;
    std::size_t ancho;
    const char* texto;
};

void PrintTo(const CasoUnidades& c, std::ostream* os) {
    *os << c.nombre;
}

class EnUnidades : public testing::TestWithParam<CasoUnidades> {};

TEST_P(EnUnidades, TresCifrasQueCaben) {
    const auto& c = GetParam();
    EXPECT_EQ(formatearEnUnidades(c.valor, c.formato, c.ancho), c.texto) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EnUnidades,
    testing::Values(
        CasoUnidades{"comoElDiseno", 3.0f, Formato::DosDecimales, 7, "3.00"},
        CasoUnidades{"tercerDecimal", 0.5f, Formato::DosDecimales, 7, "0.500"},
        CasoUnidades{"milesimas", 0.00123f, Formato::DosDecimales, 7, "0.00123"},
        CasoUnidades{"cientifica", 0.0004f, Formato::DosDecimales, 7, "4.00e-4"},
        CasoUnidades{"cientificaNegativa", -0.0004f, Formato::DosDecimales, 7, "-4.00e-4"},
        CasoUnidades{"acarreoSinCuartaCifra", 0.009996f, Formato::DosDecimales, 7, "0.0100"},
        CasoUnidades{"grandeSinDecimales", 54247.38f, Formato::DosDecimales, 7, "54247"},
        CasoUnidades{"millones", 1985432.1f, Formato::UnDecimal, 7, "1.99e6"},
        // Eight digits would fit a wide box but a float does not keep them.
        CasoUnidades{"ochoCifras", 2948479.75f, Formato::UnDecimal, 12, "2.95e6"},
        CasoUnidades{"cajaEstrecha", -213.84f, Formato::DosDecimales, 5, "-214"},
        CasoUnidades{"cajaEstrechaCabe", 0.455f, Formato::DosDecimales, 5, "0.455"},
        CasoUnidades{"cajaEstrechaDosCifras", -0.7347f, Formato::DosDecimales, 5, "-0.73"},
        CasoUnidades{"cajaEstrechaCientifica", -3.47e9f, Formato::DosDecimales, 5, "-3.5e9"},
        CasoUnidades{"ceroEsCero", 0.0f, Formato::DosDecimales, 7, "0.00"},
        CasoUnidades{"indefinido", std::numeric_limits<Single>::quiet_NaN(), Formato::DosDecimales,
                     7, "\u2014"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(EnUnidadesPunto, UsaElPuntoDelAnfitrion) {
    EXPECT_EQ(formatearEnUnidades(0.5f, Formato::DosDecimales, 7, ","), "0,500");
    EXPECT_EQ(formatearEnUnidades(0.0004f, Formato::DosDecimales, 7, ","), "4,00e-4");
    EXPECT_EQ(formatearDecimales(0.0321f, 3, ","), "0,032");
}

} // namespace
} // namespace rectaviva
