// Numbers in and out: a field read as the double nearest to its decimal text,
// whatever its length, and the shortest text that reads back as a number.
#include "datos_privado.h"

#include <array>
#include <charconv>
#include <system_error>

namespace rectaviva {
namespace lector {
namespace {

// An exponent's size beyond which the verdict cannot change: a field of at
// most kMaxBytes digits moves the power of ten by less than that.
constexpr long kTopeExponente = 100'000'000;
// Significant digits given to from_chars: every midpoint between two doubles
// is written in fewer, so the digits after them only need to say whether
// they are all zeros, which one digit more does.
constexpr std::size_t kCifrasUtiles = 800;

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

// The double of significant digits `c` (no leading zero) whose first has the
// power of ten `p`, rounded once; NoFinito beyond the double range.
void redondear(Lectura& r, bool negativo) {
    const std::string& c = r.cifras;
    r.estado = Estado::Numero;
    r.valor = negativo ? -0.0 : 0.0;
    if (c.empty() || r.potencia < -400) {
        return; // zero, or below half the smallest double
    }
    if (r.potencia > 400) {
        r.estado = Estado::NoFinito;
        return;
    }
    // Up to 15 digits times a power of ten up to 10^22: both are doubles
    // exactly, so one product or quotient is the value rounded once.
    const long e10 = r.potencia - long(c.size()) + 1;
    if (c.size() <= 15 && e10 >= -22 && e10 <= 22) {
        static constexpr double kPotencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        double m = 0;
        for (const char d : c) {
            m = m * 10 + (d - '0');
        }
        m = e10 < 0 ? m / kPotencias[-e10] : m * kPotencias[e10];
        r.valor = negativo ? -m : m;
        return;
    }
    std::array<char, kCifrasUtiles + 16> texto;
    char* p = texto.data();
    if (negativo) {
        *p++ = '-';
    }
    *p++ = c[0];
    *p++ = '.';
    const std::size_t n = std::min(c.size(), kCifrasUtiles);
    p = std::copy(c.begin() + 1, c.begin() + std::ptrdiff_t(n), p);
    if (c.size() > n) {
        *p++ = '1'; // the digits cut hold a non-zero one: the last of c
    }
    *p++ = 'e';
    p = std::to_chars(p, texto.data() + texto.size(), r.potencia).ptr;
    const auto [fin, ec] = std::from_chars(texto.data(), p, r.valor, std::chars_format::scientific);
    if (ec == std::errc::result_out_of_range) {
        // Too large, or so small that it rounds to zero.
        r.valor = negativo ? -0.0 : 0.0;
        r.estado = r.potencia < 0 ? Estado::Numero : Estado::NoFinito;
    } else if (ec != std::errc() || fin != p) {
        r.estado = Estado::NoNumero;
    }
}

} // namespace

// The digits are gathered once, each thousands group checked on the way; the
// value is then rounded once from them (see redondear).
Lectura analizar(std::string_view campo, MarcaDecimal d, bool milesConBlancos, bool conValor) {
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
    std::string& cifras = r.cifras;
    const auto digitos = [&] {
        const std::size_t desde = i;
        while (i < s.size() && esDigito(s[i])) {
            ++i;
        }
        cifras.append(s.substr(desde, i - desde));
        return i - desde;
    };
    std::size_t entero = digitos();
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
        if (!grupo || entero == 0 || (primero && (entero > 3 || cifras[0] == '0')) ||
            (!primero && s.substr(i, l) != separador)) {
            return r;
        }
        separador = s.substr(i, l);
        cifras.append(s.substr(g, 3));
        entero += 3;
        i = g + 3;
    }
    std::size_t fraccion = 0;
    if (i < s.size() && s[i] == marca) {
        ++i;
        fraccion = digitos();
    }
    if (entero == 0 && fraccion == 0) {
        return r;
    }
    long exp = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E') && separador.empty()) {
        ++i;
        bool expNegativo = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegativo = s[i++] == '-';
        }
        const std::size_t desde = i;
        for (; i < s.size() && esDigito(s[i]); ++i) {
            exp = std::min(exp * 10 + (s[i] - '0'), kTopeExponente);
        }
        if (i == desde) {
            return r;
        }
        exp = expNegativo ? -exp : exp;
    }
    if (i != s.size()) {
        return r;
    }
    if (!conValor) {
        r.estado = Estado::Numero;
        return r;
    }
    r.decimales = int(std::clamp(long(fraccion) - exp, 0L, long(kMaxDecimales)));
    const std::size_t primera = cifras.find_first_not_of('0');
    if (primera == std::string::npos) {
        cifras.clear();
    } else {
        r.potencia = long(entero) - 1 - long(primera) + exp;
        cifras.erase(cifras.find_last_not_of('0') + 1);
        cifras.erase(0, primera);
    }
    redondear(r, negativo);
    return r;
}

bool esExacta(const Lectura& l) {
    if (l.estado != Estado::Numero) {
        return false;
    }
    if (l.cifras.size() > 17) {
        return false; // a double's shortest text has at most 17 digits
    }
    char buf[32];
    const char* fin =
        std::to_chars(buf, buf + sizeof buf, l.valor, std::chars_format::scientific).ptr;
    const std::string_view t(buf, std::size_t(fin - buf));
    const std::size_t e = t.find('e');
    std::string cifras;
    for (const char c : t.substr(0, e)) {
        if (esDigito(c)) {
            cifras += c;
        }
    }
    cifras.erase(cifras.find_last_not_of('0') + 1);
    if (cifras.empty()) {
        return l.cifras.empty();
    }
    long potencia = 0;
    const std::string_view p = t.substr(e + (t[e + 1] == '+' ? 2 : 1));
    std::from_chars(p.data(), p.data() + p.size(), potencia);
    return cifras == l.cifras && potencia == l.potencia;
}

} // namespace lector

std::optional<double> leerNumero(std::string_view campo, MarcaDecimal d) {
    const lector::Lectura l = lector::analizar(campo, d);
    if (l.estado != lector::Estado::Numero) {
        return std::nullopt;
    }
    return l.valor;
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

} // namespace rectaviva
