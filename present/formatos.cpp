// Exact decimal rounding for the display formats and the row builder of the
// point list.
#include "formatos.h"

#include "redondeo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace rectaviva {

namespace {

int decimalesDe(Formato f) {
    switch (f) {
    case Formato::UnDecimal:
        return 1;
    case Formato::DosDecimales:
        return 2;
    case Formato::TresDecimales:
        return 3;
    case Formato::CuatroDecimales:
        return 4;
    case Formato::Entero:
    case Formato::EnteroEspacio:
        break;
    }
    return 0;
}

// Every float is a multiple of 2^-149, so 149 fixed decimals write its value
// exactly; rounding then works on the true digits, never on a binary tie.
constexpr int decimalesExactos = 149;

} // namespace

namespace {

// v with dec decimals (0..decimalesExactos), rounded half away from zero on
// its exact value; a value that rounds to zero has no sign.
std::string conDecimales(double v, int dec, std::string_view puntoDecimal) {

    // The largest double is below 10^309: 309 integer digits, the point, 149 decimals.
    std::array<char, 480> buf;
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                                   std::chars_format::fixed, decimalesExactos);
    const std::string_view exacto(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t punto = exacto.find('.');

    // The kept digits, integer part and dec decimals, as one digit string.
    std::string digitos(exacto.substr(0, punto));
    digitos.append(exacto.substr(punto + 1, static_cast<std::size_t>(dec)));

    // Half away from zero on the magnitude: the first dropped digit decides.
    if (exacto[punto + 1 + static_cast<std::size_t>(dec)] >= '5') {
        std::size_t i = digitos.size();
        while (i > 0 && digitos[i - 1] == '9') {
            digitos[--i] = '0';
        }
        if (i == 0) {
            digitos.insert(digitos.begin(), '1');
        } else {
            ++digitos[i - 1];
        }
    }

    const bool cero = digitos.find_first_not_of('0') == std::string::npos;
    std::string texto;
    texto.reserve(digitos.size() + 4);
    if (std::signbit(v) && !cero) {
        texto.push_back('-');
    }
    const std::size_t enteros = digitos.size() - static_cast<std::size_t>(dec);
    texto.append(digitos, 0, enteros);
    if (dec > 0) {
        texto.append(puntoDecimal);
        texto.append(digitos, enteros, std::string::npos);
    }
    return texto;
}

// Significant digits of a text written by conDecimales: its digits from the
// first that is not 0.
int significativas(std::string_view texto) {
    int n = 0;
    bool empezado = false;
    for (const char c : texto) {
        if (c >= '1' && c <= '9') {
            empezado = true;
        }
        if (empezado && c >= '0' && c <= '9') {
            ++n;
        }
    }
    return n;
}

} // namespace

std::string formatear(Single valor, Formato f, std::string_view puntoDecimal) {
    if (std::isnan(valor)) {
        return std::string(textoIndefinido);
    }
    const double v = std::isinf(valor)
                         ? std::copysign(static_cast<double>(guarda), static_cast<double>(valor))
                         : static_cast<double>(valor);
    std::string texto = conDecimales(v, decimalesDe(f), puntoDecimal);
    if (f == Formato::EnteroEspacio) {
        texto.push_back(' ');
    }
    return texto;
}

std::string formatearDecimales(Single valor, int decimales, std::string_view puntoDecimal) {
    return formatearDecimales(static_cast<double>(valor), decimales, puntoDecimal);
}

std::string formatearDecimales(double valor, int decimales, std::string_view puntoDecimal) {
    if (!std::isfinite(valor)) {
        return std::string(textoIndefinido);
    }
    return conDecimales(valor, std::clamp(decimales, 0, 9), puntoDecimal);
}

namespace {

// v with `cifras` significant digits in fixed notation, for sizes from
// 0.001 up to a million; nothing beyond them.
std::optional<std::string> fijo(double v, int cifras, std::string_view puntoDecimal) {
    const int exponente = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    if (exponente < -3 || exponente >= 6) {
        return std::nullopt;
    }
    std::string texto = conDecimales(v, std::max(0, cifras - 1 - exponente), puntoDecimal);
    // 9.996 rounds up to 10.0: one decimal too many for three digits.
    if (significativas(texto) > cifras && exponente < cifras - 1) {
        texto = conDecimales(v, std::max(0, cifras - 2 - exponente), puntoDecimal);
    }
    return texto;
}

// v with `cifras` significant digits in scientific notation: "1.23e5",
// "4.00e-4", "-3e9", with the host's point.
std::string cientifico(double v, int cifras, std::string_view puntoDecimal) {
    std::array<char, 32> buf;
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v,
                                   std::chars_format::scientific, cifras - 1);
    const std::string texto(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t e = texto.find('e');
    std::string mantisa = texto.substr(0, e);
    const int exp = std::stoi(texto.substr(e + 1));
    const std::size_t punto = mantisa.find('.');
    if (punto != std::string::npos) {
        mantisa.replace(punto, 1, puntoDecimal);
    }
    return mantisa + "e" + std::to_string(exp);
}

} // namespace

std::string formatearEnUnidades(Single valor, Formato f, std::size_t anchoCaja,
                                std::string_view puntoDecimal) {
    // A float keeps about seven significant digits: a text with more would
    // show its rounding as digits (a sum of 2948479.65 stored as 2948479.75
    // would read "2948479.8"), and takes the shorter forms below instead.
    std::string texto = formatear(valor, f, puntoDecimal);
    if (!std::isfinite(valor) || valor == 0 ||
        (significativas(texto) >= 3 && significativas(texto) <= kCifrasFloat &&
         texto.size() <= anchoCaja)) {
        return texto;
    }
    // Three significant digits: fixed while they fit, else scientific. A
    // scientific text that the box cannot show whole (a digit is twice as
    // wide as a sign or a point) takes fewer digits, never a clipped text.
    const double v = static_cast<double>(valor);
    for (int cifras = 3;; --cifras) {
        if (const auto t = fijo(v, cifras, puntoDecimal); t && t->size() <= anchoCaja) {
            return *t;
        }
        std::string c = cientifico(v, cifras, puntoDecimal);
        if (cifras == 1 || anchoTexto(c) < 2 * static_cast<int>(anchoCaja)) {
            return c;
        }
    }
}

std::string formatearEnCaja(Single valor, Formato f, const Cabe& cabe,
                            std::string_view puntoDecimal, int cifras, const Cabe& estrecho) {
    std::string texto = formatear(valor, f, puntoDecimal);
    if (!std::isfinite(valor) || valor == 0 ||
        (significativas(texto) >= cifras && significativas(texto) <= kCifrasFloat && cabe(texto))) {
        return texto;
    }
    const double v = static_cast<double>(valor);
    // Those digits as the box shows them, then narrowed where it can narrow.
    for (const Cabe* medida : {&cabe, &estrecho}) {
        if (!*medida) {
            continue;
        }
        if (const auto t = fijo(v, cifras, puntoDecimal); t && (*medida)(*t)) {
            return *t;
        }
        if (std::string e = cientifico(v, cifras, puntoDecimal); (*medida)(e)) {
            return e;
        }
    }
    const Cabe& holgada = estrecho ? estrecho : cabe;
    for (int c = cifras - 1;; --c) {
        if (const auto t = fijo(v, c, puntoDecimal); t && holgada(*t)) {
            return *t;
        }
        std::string e = cientifico(v, c, puntoDecimal);
        if (c <= 1 || holgada(e)) {
            return e;
        }
    }
}

std::string formatearEstadistico(Single valor, std::string_view puntoDecimal) {
    const Single v = std::fabs(valor) > guarda ? std::copysign(guarda, valor) : valor;
    return formatear(v, Formato::TresDecimales, puntoDecimal);
}

std::string formatearValorP(Single valor, std::string_view puntoDecimal) {
    constexpr Single menorMostrado = 0.0001f;
    if (valor < menorMostrado) {
        std::string texto("<0");
        texto.append(puntoDecimal);
        texto.append("0001");
        return texto;
    }
    return formatear(valor, Formato::CuatroDecimales, puntoDecimal);
}

namespace {

// Leading spaces of the x column; the y column always has two more. Measured
// in a font where a digit is twice as wide as a space or a minus sign, this
// ends every number of -99..999 at the same place.
int espaciosX(const std::optional<Integer>& v) {
    if (!v) {
        return 10;
    }
    if (*v <= -10) {
        return 7;
    }
    if (*v < 0) {
        return 9;
    }
    if (*v <= 9) {
        return 10;
    }
    if (*v <= 99) {
        return 8;
    }
    return 6;
}

void anadirColumna(std::string& stg, int espacios, const std::optional<Integer>& v) {
    stg.append(static_cast<std::size_t>(espacios) + 1, ' ');
    if (v) {
        stg.append(std::to_string(*v));
    } else {
        stg.append(textoIndefinido);
    }
}

} // namespace

void formarFila(Integer ksel, Single X, Single Y, std::string& stg) {
    const auto kx = aInteger(X);
    const auto ky = aInteger(Y);
    stg.clear();
    stg.append(ksel <= 9 ? 4 : 2, ' ');
    stg.append(2, ' ');
    stg.append(std::to_string(ksel));
    anadirColumna(stg, espaciosX(kx), kx);
    anadirColumna(stg, espaciosX(ky) + 2, ky);
}

int anchoTexto(std::string_view texto) {
    int u = 0;
    for (const char c : texto) {
        // A continuation byte of UTF-8 adds nothing: "—" is one character.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            u += c >= '0' && c <= '9' ? 2 : 1;
        }
    }
    return u;
}

void formarFilaDatos(Integer ksel, const std::string& x, const std::string& y, int anchoX,
                     int anchoY, std::string& stg) {
    stg.clear();
    stg.append(ksel <= 9 ? 4 : 2, ' ');
    stg.append(2, ' ');
    stg.append(std::to_string(ksel));
    // Right-aligned by the widths of the font, as the design's rows are.
    stg.append(static_cast<std::size_t>(std::max(1, anchoX - anchoTexto(x))), ' ');
    stg.append(x);
    stg.append(static_cast<std::size_t>(std::max(1, anchoY - anchoTexto(y))), ' ');
    stg.append(y);
}

} // namespace rectaviva
