// Reading and writing of real data: text decoding, the guess of the layout,
// the split into fields, the reading of numbers and the CSV writer.
#include "datos.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <map>
#include <system_error>

namespace rectaviva {
namespace {

constexpr std::size_t kMaxBytes = std::size_t{1} << 20;

bool esBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\f';
}

bool esDigito(char c) {
    return c >= '0' && c <= '9';
}

std::string_view recortar(std::string_view s) {
    while (!s.empty() && esBlanco(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && esBlanco(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool igualesSinMayusculas(std::string_view a, std::string_view b) {
    const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char p, char q) {
               return minuscula(p) == minuscula(q);
           });
}

bool esEnUso(std::string_view nombre) {
    return igualesSinMayusculas(nombre, "en_uso");
}

char caracter(Separador s) {
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

// ---- Text decoding ----

void anadirUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence at s[i], with its code point
// in c; 0 for an ill-formed one (overlong forms and surrogates included).
std::size_t secuenciaUtf8(std::string_view s, std::size_t i, char32_t& c) {
    const unsigned char b0 = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, minimo = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return 0;
    }
    return n;
}

// Walks the code points of s while `f` accepts them; false for a byte
// sequence that is not UTF-8 or a code point that `f` refuses.
template <class F> bool cadaPuntoUtf8(std::string_view s, F&& f) {
    char32_t c = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = secuenciaUtf8(s, i, c);
        if (n == 0 || !f(c)) {
            return false;
        }
        i += n;
    }
    return true;
}

bool esUtf8(std::string_view s) {
    return cadaPuntoUtf8(s, [](char32_t) { return true; });
}

// Latin-1, except that 0x80..0x9F are the characters Windows puts there; its
// five unassigned bytes stay control characters, and so are refused later.
std::string desdeLatin1(std::string_view s) {
    static constexpr char16_t kWindows[32] = {
        0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
        0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::string r;
    r.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const unsigned char b = static_cast<unsigned char>(ch);
        anadirUtf8(r, b >= 0x80 && b < 0xA0 ? char32_t(kWindows[b - 0x80]) : char32_t(b));
    }
    return r;
}

// UTF-16 after its byte-order mark; false for an odd length or a lone surrogate.
bool desdeUtf16(std::string_view s, bool littleEndian, std::string& r) {
    if (s.size() % 2 != 0) {
        return false;
    }
    const auto unidad = [&](std::size_t i) {
        const char32_t a = static_cast<unsigned char>(s[i]);
        const char32_t b = static_cast<unsigned char>(s[i + 1]);
        return littleEndian ? a | (b << 8) : (a << 8) | b;
    };
    for (std::size_t i = 0; i < s.size(); i += 2) {
        char32_t c = unidad(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < s.size()) {
            const char32_t baja = unidad(i + 2);
            if (baja >= 0xDC00 && baja <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (baja - 0xDC00);
                i += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            return false;
        }
        anadirUtf8(r, c);
    }
    return true;
}

// No control character (C0, DEL, C1) other than tab, line feed, carriage return, form feed.
bool sinControles(std::string_view s) {
    return cadaPuntoUtf8(s, [](char32_t c) {
        const bool permitido = c == '\t' || c == '\n' || c == '\r' || c == '\f';
        return !((c < 0x20 && !permitido) || (c >= 0x7F && c < 0xA0));
    });
}

// ---- Numbers ----

enum class Estado { Numero, NoFinito, NoNumero };

struct Lectura {
    Estado estado = Estado::NoNumero;
    double valor = 0;
    int decimales = 0; ///< decimals the value is written with, 0..kMaxDecimales
};

// The length of a thousands separator at s[i]: the mark other than the decimal
// one, or, when `blancos`, a space, a no-break space or a narrow no-break space.
std::size_t separadorMiles(std::string_view s, std::size_t i, char marcaMiles, bool blancos) {
    if (s[i] == marcaMiles) {
        return 1;
    }
    if (!blancos) {
        return 0;
    }
    if (s[i] == ' ') {
        return 1;
    }
    if (s.substr(i, 2) == "\xC2\xA0") {
        return 2;
    }
    return s.substr(i, 3) == "\xE2\x80\xAF" ? 3 : 0;
}

// A field read as a number. The digits are rewritten as the plain text that
// std::from_chars<double> reads (sign, digits, point, exponent), so the double
// is rounded once, from the decimal value itself.
Lectura analizar(std::string_view campo, MarcaDecimal d, bool milesConBlancos = true) {
    Lectura r;
    const std::string_view s = recortar(campo);
    std::size_t i = 0;
    bool negativo = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negativo = s[0] == '-';
        i = 1;
    }
    const std::string_view resto = s.substr(i);
    if (igualesSinMayusculas(resto, "inf") || igualesSinMayusculas(resto, "infinity") ||
        igualesSinMayusculas(resto, "nan") || resto == "\xE2\x88\x9E") {
        r.estado = Estado::NoFinito;
        return r;
    }
    const char marca = d == MarcaDecimal::Coma ? ',' : '.';
    const char marcaMiles = d == MarcaDecimal::Coma ? '.' : ',';
    std::string entero, fraccion, exponente;
    const auto digitos = [&](std::string& destino) {
        while (i < s.size() && esDigito(s[i])) {
            destino += s[i++];
        }
    };
    digitos(entero);
    // Thousands groups: a first group of 1 to 3 digits not starting with 0,
    // then groups of exactly three, all with the same separator.
    std::string_view separador;
    while (i < s.size()) {
        const std::size_t l = separadorMiles(s, i, marcaMiles, milesConBlancos);
        if (l == 0) {
            break;
        }
        const std::size_t g = i + l;
        const bool grupo = g + 3 <= s.size() && esDigito(s[g]) && esDigito(s[g + 1]) &&
                           esDigito(s[g + 2]) && (g + 3 == s.size() || !esDigito(s[g + 3]));
        const bool primero = separador.empty();
        if (!grupo || entero.empty() || (primero && (entero.size() > 3 || entero[0] == '0')) ||
            (!primero && s.substr(i, l) != separador)) {
            return r;
        }
        separador = s.substr(i, l);
        entero.append(s.substr(g, 3));
        i = g + 3;
    }
    if (i < s.size() && s[i] == marca) {
        ++i;
        digitos(fraccion);
    }
    if (entero.empty() && fraccion.empty()) {
        return r;
    }
    bool expNegativo = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E') && separador.empty()) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegativo = s[i++] == '-';
        }
        digitos(exponente);
        if (exponente.empty()) {
            return r;
        }
    }
    if (i != s.size()) {
        return r;
    }

    long exp = 0;
    for (const char c : exponente) {
        exp = std::min(exp * 10 + (c - '0'), 1000000L);
    }
    exp = expNegativo ? -exp : exp;
    r.decimales = int(std::clamp(long(fraccion.size()) - exp, 0L, long(kMaxDecimales)));

    std::string texto = negativo ? "-" : "";
    texto += entero.empty() ? "0" : entero;
    if (!fraccion.empty()) {
        texto += '.' + fraccion;
    }
    if (!exponente.empty()) {
        texto += (expNegativo ? "e-" : "e") + exponente;
    }
    const auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), r.valor,
                                           std::chars_format::general);
    if (ec == std::errc() && fin == texto.data() + texto.size()) {
        r.estado = Estado::Numero;
    } else if (ec == std::errc::result_out_of_range) {
        // Too large, or so small that it rounds to zero: tell them apart by
        // the power of ten of the first significant digit.
        const std::string cifras = entero + fraccion;
        const std::size_t p = cifras.find_first_not_of('0');
        const long potencia = long(entero.size()) - 1 - long(p) + exp;
        if (p != std::string::npos && potencia < 0) {
            r.estado = Estado::Numero;
            r.valor = negativo ? -0.0 : 0.0;
        } else {
            r.estado = Estado::NoFinito;
        }
    }
    return r;
}

bool pareceNumero(std::string_view campo, MarcaDecimal d, bool milesConBlancos = true) {
    return analizar(campo, d, milesConBlancos).estado != Estado::NoNumero;
}

// ---- Lines and fields ----

struct Linea {
    std::string_view texto;
    int numero; ///< 1-based
};

std::vector<Linea> lineasNoBlancas(std::string_view t) {
    std::vector<Linea> r;
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

// The fields of one line. A quote opens a quoted part only at the start of a
// field; what follows its closing quote up to the separator is kept too.
std::vector<std::string> camposDe(std::string_view l, Separador s) {
    std::vector<std::string> campos;
    const bool blancos = s == Separador::Espacios;
    const char sep = caracter(s);
    const auto esSeparador = [&](char c) { return blancos ? esBlanco(c) : c == sep; };
    std::size_t i = 0;
    while (true) {
        while (i < l.size() && esBlanco(l[i]) && (blancos || l[i] != sep)) {
            ++i;
        }
        if (blancos && i == l.size()) {
            break;
        }
        std::string campo;
        const bool citado = i < l.size() && l[i] == '"';
        if (citado) {
            for (++i; i < l.size(); ++i) {
                if (l[i] != '"') {
                    campo += l[i];
                } else if (i + 1 < l.size() && l[i + 1] == '"') {
                    campo += l[++i];
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
        campo += recortar(l.substr(inicio, i - inicio));
        campos.push_back(std::move(campo));
        if (i >= l.size()) {
            break;
        }
        ++i;
    }
    return campos;
}

// Tab or ";" when every line but one in ten (one in short texts) has the
// same number of them, at least one; "," when every line has the same number of fields, at least
// two, and those after the first line are numbers or empty; else blanks. Blanks are not taken as
// thousands separators here, so that "5 123,4" split at its comma does not pass for two numbers.
Separador adivinarSeparador(const std::vector<Linea>& lineas) {
    const std::size_t n = lineas.size();
    // The lines that may differ: a title, a last row short of a field.
    const std::size_t fuera = n < 3 ? 0 : std::max<std::size_t>(1, n / 10);
    for (const Separador s : {Separador::Tabulador, Separador::PuntoYComa}) {
        std::map<std::size_t, std::size_t> frecuencia;
        for (const Linea& l : lineas) {
            ++frecuencia[camposDe(l.texto, s).size() - 1];
        }
        const auto veces = std::max_element(frecuencia.begin(), frecuencia.end(),
                                            [](auto a, auto b) { return a.second < b.second; });
        if (veces != frecuencia.end() && veces->first >= 1 && veces->second + fuera >= n) {
            return s;
        }
    }
    std::size_t k = 0;
    bool alguno = false;
    for (std::size_t j = 0; j < n; ++j) {
        const auto campos = camposDe(lineas[j].texto, Separador::Coma);
        k = j == 0 ? campos.size() : k;
        if (campos.size() != k || k < 2) {
            return Separador::Espacios;
        }
        for (const std::string& f : campos) {
            if (j == 0 || f.empty()) {
                continue;
            }
            if (!pareceNumero(f, MarcaDecimal::Punto, false) &&
                !pareceNumero(f, MarcaDecimal::Coma, false)) {
                return Separador::Espacios;
            }
            alguno = true;
        }
    }
    return alguno ? Separador::Coma : Separador::Espacios;
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

} // namespace

bool aTexto(std::string_view bytes, std::string& texto, std::string& mensaje) {
    if (bytes.size() > kMaxBytes) {
        mensaje = "El archivo ocupa más de 1 MB; el programa lee tablas de hasta 50 puntos.";
        return false;
    }
    std::string t;
    bool bien = true;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        bien = desdeUtf16(bytes.substr(2), bytes[0] == '\xFF', t);
    } else {
        if (bytes.starts_with("\xEF\xBB\xBF")) {
            bytes.remove_prefix(3);
        }
        t = esUtf8(bytes) ? std::string(bytes) : desdeLatin1(bytes);
    }
    if (!bien || !sinControles(t)) {
        mensaje = "El archivo no es de texto.";
        return false;
    }
    texto = std::move(t);
    mensaje.clear();
    return true;
}

OpcionesLectura adivinar(std::string_view texto, std::string& aviso) {
    aviso.clear();
    OpcionesLectura o;
    const auto lineas = lineasNoBlancas(texto);
    o.separador = adivinarSeparador(lineas);

    // The fields that read with one mark only decide; a field that reads
    // with both, to different values, is remembered for the warning.
    int soloComa = 0, soloPunto = 0;
    bool hayComaEntreDigitos = false;
    std::vector<std::string> dudosos;
    std::vector<std::vector<std::string>> filas;
    for (const Linea& l : lineas) {
        filas.push_back(camposDe(l.texto, o.separador));
        for (const std::string& f : filas.back()) {
            const Lectura c = analizar(f, MarcaDecimal::Coma);
            const Lectura p = analizar(f, MarcaDecimal::Punto);
            const bool conComa = c.estado == Estado::Numero;
            const bool conPunto = p.estado == Estado::Numero;
            soloComa += conComa && !conPunto;
            soloPunto += conPunto && !conComa;
            hayComaEntreDigitos = hayComaEntreDigitos || (conComa && comaEntreDigitos(f));
            if (conComa && conPunto && c.valor != p.valor && dudosos.size() < 2) {
                dudosos.push_back(f);
            }
        }
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
        aviso = "«" + f + "» puede leerse como " + (elegidaDecimal ? decimal : entero) +
                " o como " + (elegidaDecimal ? entero : decimal) + "; se lee con " +
                (o.decimal == MarcaDecimal::Coma ? "coma" : "punto") + " decimal.";
    }
    if (!filas.empty()) {
        o.encabezado = std::any_of(filas[0].begin(), filas[0].end(), [&](const std::string& f) {
            return !f.empty() && !pareceNumero(f, o.decimal);
        });
    }
    return o;
}

Tabla partir(std::string_view texto, const OpcionesLectura& o) {
    Tabla t;
    bool encabezado = o.encabezado;
    const std::vector<Linea> lineas = lineasNoBlancas(texto);
    std::vector<std::vector<std::string>> todas;
    std::size_t mas = 0;
    for (const Linea& l : lineas) {
        todas.push_back(camposDe(l.texto, o.separador));
        mas = std::max(mas, todas.back().size());
    }
    // A spreadsheet's title lines above the header (one field where the
    // table has more) are not the header.
    std::size_t primera = 0;
    while (encabezado && mas > 1 && primera + 1 < todas.size() && todas[primera].size() == 1) {
        ++primera;
    }
    for (std::size_t i = primera; i < lineas.size(); ++i) {
        const Linea& l = lineas[i];
        auto campos = std::move(todas[i]);
        t.columnas = std::max(t.columnas, int(campos.size()));
        if (encabezado) {
            t.nombres = std::move(campos);
            encabezado = false;
        } else {
            t.filas.push_back(std::move(campos));
            t.lineas.push_back(l.numero);
        }
    }
    return t;
}

std::optional<double> leerNumero(std::string_view campo, MarcaDecimal d) {
    const Lectura l = analizar(campo, d);
    if (l.estado != Estado::Numero) {
        return std::nullopt;
    }
    return l.valor;
}

std::vector<int> columnasNumericas(const Tabla& t, MarcaDecimal d) {
    std::vector<int> r;
    for (int c = 0; c < t.columnas; ++c) {
        if (c < int(t.nombres.size()) && esEnUso(t.nombres[c])) {
            continue;
        }
        bool alguno = false, todos = true;
        for (const auto& fila : t.filas) {
            if (c < int(fila.size()) && !fila[c].empty()) {
                alguno = true;
                todos = todos && pareceNumero(fila[c], d);
            }
        }
        if (alguno && todos) {
            r.push_back(c);
        }
    }
    return r;
}

bool leerColumnas(const Tabla& t, int colX, int colY, MarcaDecimal d, Datos& datos,
                  std::string& mensaje) {
    static const std::string vacio;
    const auto campo = [&](std::size_t k, int c) -> const std::string& {
        const auto& fila = t.filas[k];
        return c >= 0 && c < int(fila.size()) ? fila[c] : vacio;
    };
    const auto donde = [&](std::size_t k, int c) {
        return "línea " + std::to_string(t.lineas[k]) + ", columna " + std::to_string(c + 1) +
               ": «" + campo(k, c) + "» ";
    };
    const bool hayNumero = std::any_of(t.filas.begin(), t.filas.end(), [&](const auto& fila) {
        return std::any_of(fila.begin(), fila.end(),
                           [&](const std::string& f) { return pareceNumero(f, d); });
    });
    if (!hayNumero) {
        mensaje = "No hay números en el texto.";
        return false;
    }
    if (t.columnas < 2) {
        mensaje = "Los datos tienen una sola columna; hacen falta dos (x e y).";
        return false;
    }
    if (colX < 0 || colY < 0 || colX >= t.columnas || colY >= t.columnas) {
        mensaje = "La columna elegida no está en los datos.";
        return false;
    }
    int enUso = -1;
    for (int c = 0; c < int(t.nombres.size()); ++c) {
        if (c != colX && c != colY && esEnUso(t.nombres[c])) {
            enUso = c;
        }
    }
    std::size_t completas = 0;
    for (std::size_t k = 0; k < t.filas.size(); ++k) {
        completas += !campo(k, colX).empty() && !campo(k, colY).empty();
    }
    if (completas > std::size_t(maxPuntos)) {
        mensaje =
            "El programa admite hasta 50 puntos; el archivo tiene " + std::to_string(completas);
        return false;
    }

    Datos r;
    for (std::size_t k = 0; k < t.filas.size(); ++k) {
        if (campo(k, colX).empty() || campo(k, colY).empty()) {
            ++r.omitidas;
            continue;
        }
        Lectura l[2];
        for (int j = 0; j < 2; ++j) {
            const int c = j == 0 ? colX : colY;
            l[j] = analizar(campo(k, c), d);
            if (l[j].estado != Estado::Numero) {
                mensaje = donde(k, c) + (l[j].estado == Estado::NoFinito ? "no es un número finito"
                                                                         : "no es un número");
                return false;
            }
            if (!(std::fabs(l[j].valor) <= kMayorValor)) {
                mensaje = donde(k, c) + "pasa de 10¹⁵, el mayor valor que el programa lee";
                return false;
            }
        }
        Byte a = 1;
        if (enUso >= 0 && !campo(k, enUso).empty()) {
            const Lectura u = analizar(campo(k, enUso), d);
            if (u.estado != Estado::Numero || (u.valor != 0 && u.valor != 1)) {
                mensaje = donde(k, enUso) + "no es 1 ni 0";
                return false;
            }
            a = u.valor == 1 ? 1 : 0;
        }
        r.x.push_back(l[0].valor);
        r.y.push_back(l[1].valor);
        r.activo.push_back(a);
        r.decimalesX = std::max(r.decimalesX, l[0].decimales);
        r.decimalesY = std::max(r.decimalesY, l[1].decimales);
    }
    if (completas < std::size_t(minActivos)) {
        mensaje = "Hacen falta al menos 3 filas completas; hay " + std::to_string(completas) + ".";
        return false;
    }
    const auto activos = std::count(r.activo.begin(), r.activo.end(), Byte{1});
    if (activos < minActivos) {
        mensaje = "Hacen falta al menos 3 puntos en uso; el archivo marca " +
                  std::to_string(activos) + ".";
        return false;
    }
    const auto nombre = [&](int c, const char* otro) {
        return c < int(t.nombres.size()) && !t.nombres[c].empty() ? t.nombres[c]
                                                                  : std::string(otro);
    };
    r.nombreX = nombre(colX, "x");
    r.nombreY = nombre(colY, "y");
    datos = std::move(r);
    mensaje.clear();
    return true;
}

namespace {

// Fixed notation where it takes at most 18 characters ("35000000",
// "0.0000001"), as a spreadsheet writes them; the shortest form beyond.
template <class Real> std::string exacto(Real v, std::string_view punto) {
    char buf[400];
    const auto fijo = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    std::string t(buf, fijo.ec == std::errc() && fijo.ptr - buf <= 18
                           ? fijo.ptr
                           : std::to_chars(buf, buf + sizeof buf, v).ptr);
    if (const std::size_t i = t.find('.'); i != std::string::npos) {
        t.replace(i, 1, punto);
    }
    return t;
}

} // namespace

std::string textoExacto(float v, std::string_view punto) {
    return exacto(v, punto);
}

std::string textoExacto(double v, std::string_view punto) {
    return exacto(v, punto);
}

std::string escribirCsv(const std::vector<std::string>& x, const std::vector<std::string>& y,
                        const std::vector<Byte>& activo, const std::string& nombreX,
                        const std::string& nombreY, Separador s, MarcaDecimal d) {
    const char sep = caracter(s);
    const auto campo = [&](std::string v) {
        std::replace(v.begin(), v.end(), '\r', ' ');
        std::replace(v.begin(), v.end(), '\n', ' ');
        const bool citar = v.empty() || v.find('"') != std::string::npos ||
                           (s == Separador::Espacios ? std::any_of(v.begin(), v.end(), esBlanco)
                                                     : v.find(sep) != std::string::npos) ||
                           esBlanco(v.front()) || esBlanco(v.back());
        if (!citar) {
            return v;
        }
        std::string c = "\"";
        for (const char ch : v) {
            c += ch == '"' ? "\"\"" : std::string(1, ch);
        }
        return c + '"';
    };
    const auto numero = [&](std::string v) {
        if (d == MarcaDecimal::Coma) {
            std::replace(v.begin(), v.end(), '.', ',');
        }
        return campo(std::move(v));
    };
    std::string r = campo(nombreX) + sep + campo(nombreY) + sep + "en_uso\n";
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t k = 0; k < n; ++k) {
        const bool eliminado = k < activo.size() && activo[k] == 0;
        r += numero(x[k]) + sep + numero(y[k]) + sep + (eliminado ? '0' : '1') + '\n';
    }
    return r;
}

} // namespace rectaviva
