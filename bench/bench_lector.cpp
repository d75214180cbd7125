// The reader on the worst texts of at most 1 MB: what the data dialog does
// when it opens (bytes to text, the guess, the split, the columns offered,
// the two first read) and again at each change of a choice (the split, the
// columns, the reading). The dialog must not stay busy for more than 100 ms.
#include "datos.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

using namespace rectaviva;

std::string repetir(const std::string& trozo, std::size_t bytes) {
    std::string r;
    while (r.size() + trozo.size() <= bytes) {
        r += trozo;
    }
    return r;
}

// The texts, each at most 1 MB.
std::string forma(int i) {
    constexpr std::size_t mega = std::size_t{1} << 20;
    switch (i) {
    case 0: // one wide row and many short ones (786 KB)
        return repetir("1;", 400'000) + "1\n" + repetir("1;2\n", 386'000);
    case 1: // a single line of numbers
        return repetir("12,5;", mega - 1);
    case 2: // separators only
        return std::string(mega, ';');
    case 3: // one number of a million digits
        return std::string(mega, '7');
    case 4: // quotes only
        return std::string(mega, '"');
    case 5: // short lines of two numbers with the decimal comma
        return repetir("1,5\t2\n", mega);
    case 6: // Latin-1 text and numbers in blanks
        return repetir("\xE9t\xE9 1 2 ", mega);
    default: // blanks and thousands groups
        return repetir("1 234,5 ", mega);
    }
}

const char* const kNombres[] = {"fila_ancha_786KB", "una_linea",     "separadores", "cifras",
                                "comillas",         "lineas_cortas", "latin1",      "miles"};

// The columns the dialog reads by default: the first two offered.
bool leer(const Tabla& t, MarcaDecimal d, Datos& datos, Mensaje& mensaje) {
    std::vector<int> c = columnasNumericas(t, d);
    if (c.size() < 2) {
        c = {0, 1};
    }
    return leerColumnas(t, c[0], c[1], d, datos, mensaje);
}

void AbrirElDialogo(benchmark::State& estado) {
    const std::string bytes = forma(int(estado.range(0)));
    for (auto _ : estado) {
        std::string texto;
        Mensaje mensaje, aviso;
        Datos d;
        if (aTexto(bytes, texto, mensaje)) {
            const OpcionesLectura o = adivinar(texto, aviso);
            leer(partir(texto, o), o.decimal, d, mensaje);
        }
        benchmark::DoNotOptimize(mensaje);
    }
    estado.SetLabel(std::string(kNombres[estado.range(0)]) + " objetivo: ≤ 100 ms");
}
BENCHMARK(AbrirElDialogo)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

void CambiarLaMarcaDecimal(benchmark::State& estado) {
    std::string texto;
    Mensaje mensaje, aviso;
    aTexto(forma(int(estado.range(0))), texto, mensaje);
    OpcionesLectura o = adivinar(texto, aviso);
    for (auto _ : estado) {
        o.decimal = o.decimal == MarcaDecimal::Coma ? MarcaDecimal::Punto : MarcaDecimal::Coma;
        Datos d;
        leer(partir(texto, o), o.decimal, d, mensaje);
        benchmark::DoNotOptimize(mensaje);
    }
    estado.SetLabel(std::string(kNombres[estado.range(0)]) + " objetivo: ≤ 100 ms");
}
BENCHMARK(CambiarLaMarcaDecimal)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
