// What the reader's files share and the public interface does not show: the
// character classes, the reading of one field as a number with everything
// the reader learns on the way, and the walk over the lines and fields of a
// text. Every function here takes time linear in its input.
#pragma once

#include "datos.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rectaviva::lector {

// The most bytes the reader takes.
inline constexpr std::size_t kMaxBytes = kMaxBytesDatos;
// The most characters of a column's name: an axis title, not a text.
inline constexpr std::size_t kMaxNombre = 100;

inline bool esBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\f';
}

inline bool esDigito(char c) {
    return c >= '0' && c <= '9';
}

inline std::string_view recortar(std::string_view s) {
    while (!s.empty() && esBlanco(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && esBlanco(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

inline bool igualesSinMayusculas(std::string_view a, std::string_view b) {
    const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char p, char q) {
               return minuscula(p) == minuscula(q);
           });
}

inline bool esEnUso(std::string_view nombre) {
    return igualesSinMayusculas(nombre, "en_uso");
}

inline char caracter(Separador s) {
    switch (s) {
    case Separador::Tabulador:
        return '\t';
    case Separador::PuntoYComa:
        return ';';
    case Separador::Coma:
        return ',';
    case Separador::Espacios:
        break;
    }
    return ' ';
}

// ---- Numbers (datos_numeros.cpp) ----

enum class Estado { Numero, NoFinito, NoNumero };

struct Lectura {
    Estado estado = Estado::NoNumero;
    double valor = 0;
    int decimales = 0; ///< decimals the value is written with, 0..kMaxDecimales
    // The value written, as significant digits without leading or trailing
    // zeros ("" for zero) and the power of ten of the first one.
    std::string cifras;
    long potencia = 0;
};

// A field read as a number (see leerNumero). Blanks are taken as thousands
// separators only when `milesConBlancos`. Without `conValor` only its form is
// read: a number, finite or not, is Numero and its value is not computed.
Lectura analizar(std::string_view campo, MarcaDecimal d, bool milesConBlancos = true,
                 bool conValor = true);

// Whether a field is written as a number (an infinity included).
inline bool pareceNumero(std::string_view campo, MarcaDecimal d, bool milesConBlancos = true) {
    return analizar(campo, d, milesConBlancos, false).estado != Estado::NoNumero;
}

// Whether the double read is the very number written: its shortest text has
// the same digits and power, so that it is shown and saved as written.
bool esExacta(const Lectura& l);

// ---- Lines and fields (datos_lineas.cpp) ----

struct Linea {
    std::string_view texto;
    int numero; ///< 1-based
};

// The lines of a text that hold more than blanks, ended by CRLF, CR or LF.
std::vector<Linea> lineasNoBlancas(std::string_view t);

// Calls f with each field of line l, in order, as a view that lives until
// f returns: trimmed of blanks, unquoted. A quote opens a quoted part only at
// the start of a field; what follows its closing quote up to the separator
// is kept too. Returns how many fields there are.
template <class F> std::size_t cadaCampo(std::string_view l, Separador s, F&& f) {
    const bool blancos = s == Separador::Espacios;
    const char sep = caracter(s);
    const auto esSeparador = [&](char c) { return blancos ? esBlanco(c) : c == sep; };
    std::string citado;
    std::size_t i = 0, n = 0;
    while (true) {
        while (i < l.size() && esBlanco(l[i]) && (blancos || l[i] != sep)) {
            ++i;
        }
        if (blancos && i == l.size()) {
            break;
        }
        const bool conComillas = i < l.size() && l[i] == '"';
        citado.clear();
        if (conComillas) {
            for (++i; i < l.size(); ++i) {
                if (l[i] != '"') {
                    citado += l[i];
                } else if (i + 1 < l.size() && l[i + 1] == '"') {
                    citado += l[++i];
                } else {
                    ++i;
                    break;
                }
            }
        }
        const std::size_t inicio = i;
        while (i < l.size() && !esSeparador(l[i])) {
            ++i;
        }
        const std::string_view resto = recortar(l.substr(inicio, i - inicio));
        ++n;
        if (conComillas) {
            citado += resto;
            f(std::string_view(citado));
        } else {
            f(resto);
        }
        if (i >= l.size()) {
            break;
        }
        ++i;
    }
    return n;
}

// The fields of a line, counted first so that a line of a million fields
// is stored without moving them.
inline std::vector<std::string> camposDe(std::string_view l, Separador s) {
    std::vector<std::string> campos;
    campos.reserve(cadaCampo(l, s, [](std::string_view) {}));
    cadaCampo(l, s, [&](std::string_view c) { campos.emplace_back(c); });
    return campos;
}

// ---- Points (datos_columnas.cpp) ----

// False, with the reason, for fewer than 3 points or 3 in use, or a column's
// values too close together to plot.
bool comprobarPuntos(const Datos& r, Mensaje& mensaje);

// A text of at most `maximo` characters: a longer one cut, ending in "…".
// Column names are kept so (kMaxNombre), and fields so quoted in messages.
std::string acortar(std::string_view texto, std::size_t maximo);

} // namespace rectaviva::lector
