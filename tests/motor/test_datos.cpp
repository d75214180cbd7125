// Reading real data from bytes to a sample, writing it back exactly, and the
// example data sets fitted by the engine to their known answers.
#include "conjuntos.h"
#include "datos.h"
#include "escala.h"
#include "motor_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace rectaviva::prueba {
namespace {

using namespace std::string_literals;

struct Caso {
    const char* nombre;
    std::string bytes;
    std::string mensaje; // empty: read, with the values below
    std::vector<double> x = {}, y = {};
    std::string nombreX = "x", nombreY = "y";
    std::vector<int> omitidasYDecimales = {0, 0, 0};
    std::vector<Byte> activo = {1, 1, 1};
    std::string aviso = "";
};

Caso leido(const char* nombre, std::string bytes, std::vector<double> x, std::vector<double> y,
           std::string nx = "x", std::string ny = "y",
           std::vector<int> omitidasYDecimales = {0, 0, 0}, std::vector<Byte> activo = {1, 1, 1},
           std::string aviso = "") {
    return {nombre, std::move(bytes), "", x, y, nx, ny, omitidasYDecimales, activo, aviso};
}

std::ostream& operator<<(std::ostream& o, const Caso& c) {
    return o << c.nombre;
}

class Lectura : public ::testing::TestWithParam<Caso> {};

TEST_P(Lectura, DeLosBytesALaMuestra) {
    const Caso& c = GetParam();
    std::string texto;
    Mensaje mensaje, aviso;
    Datos d;
    bool ok = aTexto(c.bytes, texto, mensaje);
    if (ok) {
        const OpcionesLectura o = adivinar(texto, aviso);
        ok = leerColumnas(partir(texto, o), 0, 1, o.decimal, d, mensaje);
    }
    EXPECT_EQ(mensaje.texto(), c.mensaje);
    ASSERT_EQ(ok, c.mensaje.empty());
    if (ok) {
        const std::vector<int> cuentas = {d.omitidas, d.decimalesX, d.decimalesY};
        EXPECT_EQ(
            std::make_tuple(d.x, d.y, d.nombreX, d.nombreY, cuentas, d.activo, d.aviso.texto()),
            std::tie(c.x, c.y, c.nombreX, c.nombreY, c.omitidasYDecimales, c.activo, c.aviso));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Datos, Lectura,
    ::testing::Values(
        leido("Tabulador", "Velocidad\tDistancia\n4\t2\n7\t4\n8\t16\n", {4, 7, 8}, {2, 4, 16},
              "Velocidad", "Distancia"),
        leido("PuntoYComaConComaDecimal", "a;b\n1,5;2\n2,5;3\n-3,5;+4,25\n", {1.5, 2.5, -3.5},
              {2, 3, 4.25}, "a", "b", {0, 1, 2}),
        leido("ComaConPuntoDecimal", "a,b\n1.5,2\n2.5,3\n3.5,.25\n", {1.5, 2.5, 3.5}, {2, 3, 0.25},
              "a", "b", {0, 1, 2}),
        leido("TituloSobreElEncabezado", "Ventas de marzo\nx;y\n1;2\n3;4\n5;6\n", {1, 3, 5},
              {2, 4, 6}, "x", "y"),
        leido("Blancos", "  1 2\n3   4\n5\t 6  \n", {1, 3, 5}, {2, 4, 6}),
        leido("Comillas", "\"Peso; kg\";\"Dice \"\"hola\"\"\"\n1;2\n3;\"4\"\n5;6\n", {1, 3, 5},
              {2, 4, 6}, "Peso; kg", "Dice \"hola\""),
        leido("BomUtf8", "\xEF\xBB\xBFx;Presión\n1;2\n3;4\n5;6\n", {1, 3, 5}, {2, 4, 6}, "x",
              "Presión"),
        leido("Latin1", "Presi\xF3n\t\x93T\x94\n1\t2\n3\t4\n5\t6\n", {1, 3, 5}, {2, 4, 6},
              "Presión", "“T”"),
        leido("Utf16ConBom",
              "\xFF\xFEx\0;\0y\0\n\0001\0;\0002\0\n\0003\0;\0004\0\n\0005\0;\0006\0"s, {1, 3, 5},
              {2, 4, 6}),
        leido("FinesDeLineaYLineasEnBlanco", "x\ty\r\n\r\n1\t2\r3\t4\n \n\n5\t6\r\n", {1, 3, 5},
              {2, 4, 6}),
        leido("MilesYExponente", "x\ty\n1.234,5\t1,5e-3\n2\t2\n3\t3E2\n", {1234.5, 2, 3},
              {1.5e-3, 2, 300}, "x", "y", {0, 1, 4}),
        leido("Censo", "Año;Población\n1990;17069453\n2000;19378102\n2010;25145561\n",
              {1990, 2000, 2010}, {17069453, 19378102, 25145561}, "Año", "Población"),
        leido("FilaIncompleta", "x;y\n1;2\n;3\n4;5\n6;7\n8\n", {1, 4, 6}, {2, 5, 7}, "x", "y",
              {2, 0, 0}),
        leido("EnUso", "x;y;EN_USO\n1;2;1\n3;4;0\n5;6;1\n7;8;1\n", {1, 3, 5, 7}, {2, 4, 6, 8}, "x",
              "y", {0, 0, 0}, {1, 0, 1, 1}),
        leido("NombreQueEsNumero", "x\t0,5\ten_uso\n1.125\t2\t1\n2\t3\t1\n3\t4\t1\n", {1.125, 2, 3},
              {2, 3, 4}, "x", "0,5", {0, 3, 0}),
        leido("MasCifrasQueUnDouble", "x;y\n3,14159265358979323846;1e-400\n2;2\n3;3\n",
              {3.14159265358979323846, 2, 3}, {0, 2, 3}, "x", "y", {0, 9, 9}, {1, 1, 1},
              "Línea 2, columna 1: «3,14159265358979323846» tiene más cifras de las que el "
              "programa guarda; se lee como 3,141592653589793. Otro número se lee redondeado "
              "también."),
        Caso{"NoEsNumero", "x;y\n1;2\n\n3;4\n5;12,5a\n",
             "línea 5, columna 2: «12,5a» no es un número"},
        Caso{"MilesMalAgrupados", "x\ty\n1\t2\n3\t4\n1.23,5\t6\n",
             "línea 4, columna 1: «1.23,5» no es un número"},
        Caso{"NoFinito", "x;y\n1;2\n1e999;4\n5;6\n",
             "línea 3, columna 1: «1e999» no es un número finito"},
        Caso{"DemasiadoGrande", "0;0\n1;1\n3e38;2\n",
             "línea 3, columna 1: «3e38» pasa de 10¹⁵, el mayor valor que el programa lee"},
        Caso{"MillonDeCifras",
             "x;y\n0." + std::string(1000000, '0') + "1e99999999999;1\n2;2\n3;3\n",
             "línea 2, columna 1: «0." + std::string(37, '0') + "…» no es un número finito"},
        Caso{"DemasiadoJuntos", "x;y\n34.52718288845905;1\n34.527182452362;2\n34.527182888;3\n",
             "Los valores de la columna 1 están demasiado juntos: el gráfico no puede separarlos."},
        Caso{"EnUsoNoEsUnoNiCero", "x;y;en_uso\n1;2;1\n3;4;2\n5;6;1\n",
             "línea 3, columna 3: «2» no es 1 ni 0"},
        Caso{"PocosEnUso", "x;y;en_uso\n1;2;1\n3;4;0\n5;6;1\n",
             "Hacen falta al menos 3 puntos en uso; los datos marcan 2."},
        Caso{"UnaColumna", "1\n2\n3\n",
             "Los datos tienen una sola columna; hacen falta dos (x e y)."},
        Caso{"SinNumeros", "a;b\nc;d\n", "No hay números en el texto."},
        Caso{"DosFilas", "1;2\n3;4\n", "Hacen falta al menos 3 filas completas; hay 2."},
        leido("SinNumeroSeDejanFuera",
              "x,y,especie\n1,2,A\nNA,3,B\n4,n/d,C\n5,6,D\n?,.,E\nnan,x1,F\n7,8,G\n", {1, 5, 7},
              {2, 6, 8}, "x", "y", {4, 0, 0}),
        Caso{"InfinitoNoSeDejaFuera", "x;y\n1;2\n3;4\n5;6\n-inf;7\n",
             "línea 5, columna 1: «-inf» no es un número finito"},
        Caso{"ByteNulo", "1\t2\n3\t\0\n5\t6\n"s, "El archivo no es de texto."}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Adivinar, AvisaDeLaMarcaDecimalDudosa) {
    Mensaje aviso;
    const OpcionesLectura o = adivinar("x\ty\n1,234\t2\n3\t4\n", aviso);
    EXPECT_EQ(o.separador, Separador::Tabulador);
    EXPECT_EQ(o.decimal, MarcaDecimal::Coma);
    EXPECT_TRUE(o.encabezado);
    EXPECT_EQ(aviso.texto(),
              "«1,234» puede leerse como 1,234 o como 1234; se lee con coma decimal.");
}

// Every pair offered, on awkward numbers as read (doubles) and as a drag or a
// tool leaves them (floats), and on every example set: each number reads back
// as the very text it was written with.
TEST(Escribir, LaLecturaDevuelveLosMismosNumeros) {
    const Separador separadores[] = {Separador::PuntoYComa, Separador::Tabulador,
                                     Separador::Tabulador, Separador::Coma, Separador::PuntoYComa};
    const MarcaDecimal marcas[] = {MarcaDecimal::Coma, MarcaDecimal::Coma, MarcaDecimal::Punto,
                                   MarcaDecimal::Punto, MarcaDecimal::Punto};
    const auto textos = [](const auto& v) {
        std::vector<std::string> t;
        for (const auto x : v) {
            t.push_back(textoExacto(x));
        }
        return t;
    };
    std::vector<std::vector<std::string>> muestras = {
        textos(std::vector<double>{0.1, 1e-7, 17069453, -0.0, std::nextafter(1.0, 2.0), 1e15,
                                   1e-300, 1.234}),
        textos(std::vector<float>{std::nextafter(0.1f, 0.0f), -2.5e-12f, 16777216.0f, 1e15f, 42,
                                  -1.5f, 7.038531e-26f, 1000.5f})};
    for (const auto& c : conjuntosEjemplo()) {
        muestras.insert(muestras.end(), {textos(c.x), textos(c.y)});
    }
    for (std::size_t m = 0; m < muestras.size(); m += 2) {
        const auto &x = muestras[m], &y = muestras[m + 1];
        std::vector<Byte> activo(x.size(), 1);
        activo[1] = 0;
        for (int f = 0; f < 5; ++f) {
            const std::string nx = "\xEF\xBB\xBFPeso; \"kg\", neto", ny = "y\tz";
            const std::string csv = escribirCsv(x, y, activo, nx, ny, separadores[f], marcas[f]);
            SCOPED_TRACE(csv);
            std::string texto;
            Mensaje mensaje, aviso;
            Datos d;
            ASSERT_TRUE(aTexto(csv, texto, mensaje));
            const OpcionesLectura o = adivinar(texto, aviso);
            ASSERT_TRUE(leerColumnas(partir(texto, o), 0, 1, o.decimal, d, mensaje))
                << mensaje.texto();
            EXPECT_EQ(std::make_tuple(textos(d.x), textos(d.y), d.activo, d.nombreX, d.nombreY),
                      std::tie(x, y, activo, nx, ny));
        }
    }
}

TEST(Conjuntos, LosAjustesConocidos) {
    for (const auto& c : conjuntosEjemplo()) {
        SCOPED_TRACE(c.nombre.texto);
        ASSERT_TRUE(c.x.size() == c.y.size() && c.x.size() >= 3 && c.x.size() <= maxFilasDatos);
        if (c.x.size() > std::size_t(maxPuntos)) {
            continue; // fitted from their source files in Conjuntos.LosDeSuArchivo
        }
        std::vector<std::pair<float, float>> puntos;
        for (std::size_t k = 0; k < c.x.size(); ++k) {
            puntos.emplace_back(static_cast<float>(c.x[k]), static_cast<float>(c.y[k]));
        }
        Motor m;
        m.muestra(puntos);
        m.recalcular();
        const std::string nombre = c.nombre.texto;
        if (nombre.starts_with("Anscombe")) {
            EXPECT_NEAR(m.g.intercepto, 3.00, 0.005);
            EXPECT_NEAR(m.g.pendiente, 0.500, 0.0005);
            EXPECT_NEAR(m.g.correlacion, 0.82, 0.005);
            EXPECT_NEAR(m.g.R2, 67, 0.5);
        } else if (nombre == "Frenado de 50 coches") {
            EXPECT_NEAR(m.g.pendiente, 3.93, 0.005);
            EXPECT_NEAR(m.g.intercepto, -17.58, 0.005);
        } else if (nombre == "Galaxias de Hubble") {
            EXPECT_NEAR(m.g.pendiente, 454, 0.5);
        }
    }
}

// The plot's range around data: round ends, a margin on both sides, at most
// eight steps between labels, for known cases and for spans of every size.
TEST(Escala, EjesRedondosConMargen) {
    const struct {
        double lo, hi, minimo, maximo, paso;
    } conocidos[] = {{4, 14, 2, 16, 2},
                     {1.5, 6.5, 1, 7, 1},
                     {0.032, 2, -0.5, 2.5, 0.5},
                     {5, 5, 4.6, 5.4, 0.1},
                     {-220, 1090, -400, 1200, 200}};
    for (const auto& c : conocidos) {
        const EjeRedondo e = ejeRedondo(c.lo, c.hi);
        EXPECT_DOUBLE_EQ(e.minimo, c.minimo) << c.lo << ".." << c.hi;
        EXPECT_DOUBLE_EQ(e.maximo, c.maximo) << c.lo << ".." << c.hi;
        EXPECT_DOUBLE_EQ(e.paso, c.paso) << c.lo << ".." << c.hi;
    }
    std::mt19937 azar(3);
    std::uniform_real_distribution<double> exponente(-6, 6), u(-1, 1);
    for (int i = 0; i < 20000; ++i) {
        const double escala = std::pow(10.0, exponente(azar));
        const double a = u(azar) * escala, b = a + std::fabs(u(azar)) * escala;
        const EjeRedondo e = ejeRedondo(a, b);
        const double margen = 0.079 * (b - a);
        ASSERT_TRUE(e.minimo <= a - margen && e.maximo >= b + margen) << a << ".." << b;
        ASSERT_LE((e.maximo - e.minimo) / e.paso, 8 + 1e-9) << a << ".." << b;
    }
}

// A data set is refused whole, or loaded with a range, decimals and a drag
// rounding no finer than a thousandth of its axis.
TEST(Escala, CargarMuestra) {
    Motor m;
    MuestraDatos d{{0.032, 0.5, 2.0}, {170, -130, 1090}, {}, "", "d", "v", 3, 0};
    ASSERT_TRUE(cargarMuestra(m.g, d));
    EXPECT_EQ(m.g.redondeoX, 2);
    EXPECT_EQ(m.g.redondeoY, -1);
    EXPECT_EQ(m.g.nActivos, 3);
    EXPECT_EQ(redondearA(456.7f, -1), 460.0f);
    EXPECT_EQ(redondearA(1.2345f, 2), 1.23f);
    const std::function<void(MuestraDatos&)> estropear[] = {[](MuestraDatos& x) { x.x.pop_back(); },
                                                            [](MuestraDatos& x) { x.y[1] = NAN; },
                                                            [](MuestraDatos& x) { x.x[1] = 3e38; },
                                                            [](MuestraDatos& x) {
                                                                x.y = {1e9, 1e9 + 1, 1e9};
                                                            },
                                                            [](MuestraDatos& x) {
                                                                x.activo = {1, 0, 1};
                                                            }};
    for (const auto& f : estropear) {
        MuestraDatos mala = d;
        f(mala);
        Motor otro;
        EXPECT_FALSE(cargarMuestra(otro.g, mala));
        EXPECT_EQ(otro.g.nPuntos, 0);
    }
}

} // namespace
} // namespace rectaviva::prueba
