// The text's layout: its lines and fields, the guess of the separator, the
// decimal mark and the header, and the split into a table.
#include "datos_privado.h"

#include <map>
#include <numeric>

namespace rectaviva {
namespace lector {

std::vector<Linea> lineasNoBlancas(std::string_view t) {
    std::vector<Linea> r;
    r.reserve(
        std::size_t(std::count(t.begin(), t.end(), '\n') + std::count(t.begin(), t.end(), '\r')) +
        1);
    int numero = 1;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i <= t.size(); ++i) {
        if (i < t.size() && t[i] != '\n' && t[i] != '\r') {
            continue;
        }
        const std::string_view l = t.substr(inicio, i - inicio);
        if (!recortar(l).empty()) {
            r.push_back({l, numero});
        }
        if (i + 1 < t.size() && t[i] == '\r' && t[i + 1] == '\n') {
            ++i;
        }
        ++numero;
        inicio = i + 1;
    }
    return r;
}

std::string acortar(std::string_view texto, std::size_t maximo) {
    std::size_t caracteres = 0, corte = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if ((static_cast<unsigned char>(texto[i]) & 0xC0) != 0x80 && ++caracteres == maximo) {
            corte = i;
        }
    }
    if (caracteres <= maximo) {
        return std::string(texto);
    }
    return std::string(texto.substr(0, corte)) + "…";
}

} // namespace lector

namespace {

using namespace lector;

// Tab or ";" when every line but one in ten (one in short texts) has the
// same number of them, at least one; "," when every line has the same number
// of fields, at least two, some of those after the first line are numbers
// and none holds digits with blanks between them ("1,5 2,5" split at its
// commas gives "5 2": a table of decimal commas separated by blanks); else
// blanks. Text fields (a species, a date, "NA") do not decide.
bool partidoEnBlancos(std::string_view f) {
    bool digito = false, blanco = false; ///< the last non-blank is a digit; a blank since
    for (const char c : f) {
        if (esDigito(c) && blanco) {
            return true;
        }
        blanco = esBlanco(c) ? digito : false;
        digito = esDigito(c) || (digito && esBlanco(c));
    }
    return false;
}

Separador adivinarSeparador(const std::vector<Linea>& lineas) {
    const std::size_t n = lineas.size();
    // The lines that may differ: a title, a last row short of a field.
    const std::size_t fuera = n < 3 ? 0 : std::max<std::size_t>(1, n / 10);
    for (const Separador s : {Separador::Tabulador, Separador::PuntoYComa}) {
        std::map<std::size_t, std::size_t> frecuencia;
        for (const Linea& l : lineas) {
            ++frecuencia[cadaCampo(l.texto, s, [](std::string_view) {}) - 1];
        }
        const auto veces = std::max_element(frecuencia.begin(), frecuencia.end(),
                                            [](auto a, auto b) { return a.second < b.second; });
        if (veces != frecuencia.end() && veces->first >= 1 && veces->second + fuera >= n) {
            return s;
        }
    }
    std::size_t k = 0;
    bool alguno = false, todos = true;
    for (std::size_t j = 0; j < n && todos; ++j) {
        const std::size_t campos = cadaCampo(lineas[j].texto, Separador::Coma, [&](auto f) {
            if (j == 0 || f.empty() || !todos) {
                return;
            }
            todos = !partidoEnBlancos(f);
            alguno = alguno || pareceNumero(f, MarcaDecimal::Punto, false) ||
                     pareceNumero(f, MarcaDecimal::Coma, false);
        });
        k = j == 0 ? campos : k;
        todos = todos && campos == k && k >= 2;
    }
    return alguno && todos ? Separador::Coma : Separador::Espacios;
}

bool comaEntreDigitos(std::string_view f) {
    for (std::size_t i = 1; i + 1 < f.size(); ++i) {
        if (f[i] == ',' && esDigito(f[i - 1]) && esDigito(f[i + 1])) {
            return true;
        }
    }
    return false;
}

std::string sinCaracter(std::string f, char c) {
    f.erase(std::remove(f.begin(), f.end(), c), f.end());
    return f;
}

// How many lines open the text above its data: a header that names a column
// with a word (no number with either mark), and the one-field title lines
// above it. Names such as "0,5" are not numbers of the data and do not vote
// for a decimal mark.
std::size_t lineasSobreLosDatos(const std::vector<Linea>& lineas, Separador s) {
    std::vector<std::size_t> cuantos;
    for (const Linea& l : lineas) {
        cuantos.push_back(cadaCampo(l.texto, s, [](std::string_view) {}));
    }
    const bool varias = std::any_of(cuantos.begin(), cuantos.end(), [](auto c) { return c > 1; });
    std::size_t h = 0;
    while (varias && h + 1 < lineas.size() && cuantos[h] == 1) {
        ++h;
    }
    bool palabra = false;
    if (h < lineas.size()) {
        cadaCampo(lineas[h].texto, s, [&](std::string_view f) {
            palabra = palabra || (!f.empty() && !pareceNumero(f, MarcaDecimal::Punto) &&
                                  !pareceNumero(f, MarcaDecimal::Coma));
        });
    }
    return palabra ? h + 1 : 0;
}

} // namespace

OpcionesLectura adivinar(std::string_view texto, Mensaje& aviso) {
    aviso = {};
    OpcionesLectura o;
    const auto lineas = lineasNoBlancas(texto);
    o.separador = adivinarSeparador(lineas);

    // The fields of the data that read with one mark only decide; a field
    // that reads with both, to different values, is remembered for the warning.
    int soloComa = 0, soloPunto = 0;
    bool hayComaEntreDigitos = false;
    std::vector<std::string> dudosos;
    for (std::size_t j = lineasSobreLosDatos(lineas, o.separador); j < lineas.size(); ++j) {
        cadaCampo(lineas[j].texto, o.separador, [&](std::string_view f) {
            if (f.empty()) {
                return;
            }
            const Lectura c = analizar(f, MarcaDecimal::Coma);
            const Lectura p = analizar(f, MarcaDecimal::Punto);
            const bool conComa = c.estado == Estado::Numero;
            const bool conPunto = p.estado == Estado::Numero;
            soloComa += conComa && !conPunto;
            soloPunto += conPunto && !conComa;
            hayComaEntreDigitos = hayComaEntreDigitos || (conComa && comaEntreDigitos(f));
            if (conComa && conPunto && c.valor != p.valor && dudosos.size() < 2) {
                dudosos.emplace_back(f);
            }
        });
    }
    if (soloComa != soloPunto) {
        o.decimal = soloComa > soloPunto ? MarcaDecimal::Coma : MarcaDecimal::Punto;
    } else {
        o.decimal = o.separador != Separador::Coma && hayComaEntreDigitos ? MarcaDecimal::Coma
                                                                          : MarcaDecimal::Punto;
    }
    if (soloComa == 0 && soloPunto == 0 && !dudosos.empty()) {
        // Name a field whose decimal reading is the chosen one, if any.
        const char marca = o.decimal == MarcaDecimal::Coma ? ',' : '.';
        const auto conMarca = std::find_if(dudosos.begin(), dudosos.end(), [&](const auto& f) {
            return f.find(marca) != std::string::npos;
        });
        const std::string f = conMarca != dudosos.end() ? *conMarca : dudosos.front();
        const char otra = f.find(',') != std::string::npos ? ',' : '.';
        const std::string decimal = f, entero = sinCaracter(f, otra);
        const bool elegidaDecimal = otra == marca;
        aviso = {o.decimal == MarcaDecimal::Coma
                     ? MENSAJE("datos", "«%1» puede leerse como %2 o como %3; se lee con coma "
                                        "decimal.")
                     : MENSAJE("datos", "«%1» puede leerse como %2 o como %3; se lee con punto "
                                        "decimal."),
                 {f, elegidaDecimal ? decimal : entero, elegidaDecimal ? entero : decimal}};
    }
    if (!lineas.empty()) {
        cadaCampo(lineas[0].texto, o.separador, [&](std::string_view f) {
            o.encabezado = o.encabezado || (!f.empty() && !pareceNumero(f, o.decimal));
        });
    }
    return o;
}

Tabla partir(std::string_view texto, const OpcionesLectura& o) {
    Tabla t;
    const std::vector<Linea> lineas = lineasNoBlancas(texto);
    std::vector<std::size_t> cuantos;
    cuantos.reserve(lineas.size());
    for (const Linea& l : lineas) {
        cuantos.push_back(cadaCampo(l.texto, o.separador, [](std::string_view) {}));
    }
    const std::size_t mas = cuantos.empty() ? 0 : *std::max_element(cuantos.begin(), cuantos.end());
    // A spreadsheet's title lines above the header (one field where the
    // table has more) are not the header.
    std::size_t primera = 0;
    while (o.encabezado && mas > 1 && primera + 1 < lineas.size() && cuantos[primera] == 1) {
        ++primera;
    }
    t.texto.reserve(texto.size());
    t.fin.reserve(
        std::accumulate(cuantos.begin() + std::ptrdiff_t(primera), cuantos.end(), std::size_t{0}));
    t.desde.reserve(lineas.size() + 2);
    t.desde = {0};
    if (!o.encabezado || lineas.empty()) {
        t.desde.push_back(0);
    }
    for (std::size_t i = primera; i < lineas.size(); ++i) {
        const bool nombres = o.encabezado && i == primera;
        t.columnas = std::max(t.columnas, int(cuantos[i]));
        cadaCampo(lineas[i].texto, o.separador, [&](std::string_view f) {
            if (nombres) {
                t.texto += acortar(f, kMaxNombre);
            } else {
                t.texto += f;
            }
            t.fin.push_back(t.texto.size());
        });
        t.desde.push_back(t.fin.size());
        if (!nombres) {
            t.lineas.push_back(lineas[i].numero);
        }
    }
    return t;
}

} // namespace rectaviva
