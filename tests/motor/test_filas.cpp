// The reader at a data set's size (its limits of rows and bytes), the rows
// chosen of a data set, and the larger example sets against their source files.
#include "conjuntos.h"
#include "datos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace rectaviva::prueba {
namespace {

// n complete rows of whole numbers, tab-separated.
std::string filas(int n) {
    std::string t;
    for (int k = 1; k <= n; ++k) {
        t += std::to_string(k) + "\t" + std::to_string(2 * k) + "\n";
    }
    return t;
}

// The reader's limits, on inputs built only here: 100,000 rows read, one
// more refused, 50 MB taken and a byte more refused, naming its origin.
TEST(Limites, FilasYBytes) {
    const struct {
        std::function<std::string()> bytes;
        std::size_t puntos;
        std::string mensaje;
    } casos[] = {
        {[] { return filas(maxFilasDatos); }, std::size_t(maxFilasDatos), ""},
        {[] { return filas(maxFilasDatos + 1); }, 0,
         "Los datos tienen 100001 filas con números; el programa lee hasta 100 000. Guarde en "
         "otro archivo solo una parte de las filas y ábralo."},
        {[] { return std::string(kMaxBytesDatos - 12, '\n') + filas(3); }, 3, ""},
        {[] { return std::string(kMaxBytesDatos + 1, '\n'); }, 0,
         "«datos.csv» pasa de 50 MB, el mayor archivo que el programa abre. Guarde solo las "
         "columnas que necesita, o una parte de las filas, y ábralo de nuevo."},
    };
    for (const auto& c : casos) {
        std::string texto;
        Mensaje mensaje, aviso;
        Datos d;
        bool ok = aTexto(c.bytes(), texto, mensaje, "datos.csv");
        if (ok) {
            const OpcionesLectura o = adivinar(texto, aviso);
            ok = leerColumnas(partir(texto, o), 0, 1, o.decimal, d, mensaje);
        }
        EXPECT_EQ(mensaje.texto(), c.mensaje);
        EXPECT_EQ(d.x.size(), c.puntos);
        EXPECT_EQ(ok && d.x.back() == double(c.puntos) && d.y.back() == 2.0 * double(c.puntos),
                  c.mensaje.empty());
    }
}

// The rows loaded of 1000, every tenth without a number: all, a sample from a
// code (the same rows for the same code, in file order), a range of data rows.
TEST(Filas, LaEleccionDeFilas) {
    std::string t = "x;y\n";
    for (int k = 1; k <= 1000; ++k) {
        t += (k % 10 == 0 ? "NA" : std::to_string(k)) + ";" + std::to_string(k % 7) + "\n";
    }
    Datos d, e;
    Mensaje m;
    ASSERT_TRUE(leerColumnas(partir(t, {Separador::PuntoYComa, MarcaDecimal::Punto, true}), 0, 1,
                             MarcaDecimal::Punto, d, m));
    ASSERT_EQ(d.x.size(), 900u);
    const struct {
        EleccionFilas eleccion;
        std::size_t puntos;
        std::vector<double> primeras; // x of the first points kept
        const char* mensaje = "";
    } casos[] = {
        {{ModoFilas::Todas}, 900, {1, 2, 3}},
        {{ModoFilas::Muestra, 100, 1234}, 100, {9, 18, 29}},
        {{ModoFilas::Muestra, 5000, 7}, 900, {1, 2, 3}},
        {{ModoFilas::Muestra, 2, 7}, 0, {}, "La muestra necesita al menos 3 filas."},
        {{ModoFilas::Rango, 0, 0, 9, 21}, 11, {9, 11, 12}},
        {{ModoFilas::Rango, 0, 0, 998, 5000},
         2,
         {},
         "Hacen falta al menos 3 filas completas; hay 2."},
        {{ModoFilas::Rango, 0, 0, 5, 4}, 0, {}, "La última fila va antes de la primera."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.puntos);
        ASSERT_EQ(elegirFilas(d, c.eleccion, e, m), *c.mensaje == 0);
        EXPECT_EQ(m.texto(), c.mensaje);
        if (*c.mensaje == 0) {
            EXPECT_EQ(e.x.size(), c.puntos);
            EXPECT_EQ(std::vector<double>(e.x.begin(), e.x.begin() + 3), c.primeras);
            EXPECT_TRUE(std::is_sorted(e.filas.begin(), e.filas.end()));
            EXPECT_EQ(std::adjacent_find(e.filas.begin(), e.filas.end()), e.filas.end());
        }
    }
    Datos otra;
    EleccionFilas muestra{ModoFilas::Muestra, 100, 1234};
    elegirFilas(d, muestra, e, m);
    elegirFilas(d, muestra, otra, m);
    EXPECT_EQ(otra.x, e.x);
    muestra.codigo = 1235;
    elegirFilas(d, muestra, otra, m);
    EXPECT_NE(otra.x, e.x);
}

// The larger sets as the files their packages ship: read by the program's
// reader from the copies in tests/motor/datos (the penguins' rows without
// the two measures said), and fitted in double precision to the
// coefficients R gives for the same file.
TEST(Conjuntos, LosDeSuArchivo) {
    const struct {
        const char *nombre, *archivo;
        int cx, cy, omitidas;
        double pendiente, intercepto;
    } casos[] = {
        {"Picos de 342 pingüinos", "pinguinos.csv", 2, 3, 2, -0.085021280777176592,
         20.885468318532776522},
        {"Erupciones del géiser Old Faithful", "erupciones.csv", 0, 1, 0, 10.729641395133504,
         33.474397022753514},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto& sets = conjuntosEjemplo();
        const auto s = std::find_if(sets.begin(), sets.end(), [&](const auto& e) {
            return e.nombre.texto == std::string(c.nombre);
        });
        ASSERT_NE(s, sets.end());
        std::ifstream f(std::string(CARPETA_DATOS_PRUEBA) + "/" + c.archivo, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(f), {}};
        std::string texto;
        Mensaje m, aviso;
        Datos d;
        ASSERT_TRUE(aTexto(bytes, texto, m));
        const OpcionesLectura o = adivinar(texto, aviso);
        ASSERT_TRUE(leerColumnas(partir(texto, o), c.cx, c.cy, o.decimal, d, m)) << m.texto();
        EXPECT_EQ(d.omitidas, c.omitidas);
        EXPECT_EQ(d.x, s->x);
        EXPECT_EQ(d.y, s->y);
        const double n = static_cast<double>(s->x.size());
        double mx = 0, my = 0, sxx = 0, sxy = 0;
        for (std::size_t k = 0; k < s->x.size(); ++k) {
            mx += s->x[k] / n, my += s->y[k] / n;
        }
        for (std::size_t k = 0; k < s->x.size(); ++k) {
            sxx += (s->x[k] - mx) * (s->x[k] - mx), sxy += (s->x[k] - mx) * (s->y[k] - my);
        }
        EXPECT_NEAR(sxy / sxx, c.pendiente, 1e-12 * std::fabs(c.pendiente));
        EXPECT_NEAR(my - sxy / sxx * mx, c.intercepto, 1e-12 * c.intercepto);
    }
}

} // namespace
} // namespace rectaviva::prueba
