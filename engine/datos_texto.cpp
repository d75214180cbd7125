// The reader's first step: the bytes of a file or of the clipboard made into
// UTF-8 text (UTF-8 with or without its mark, UTF-16 with its mark, else
// Latin-1 as Windows writes it), refused when too long or not text.
#include "datos_privado.h"

namespace rectaviva {
namespace {

using lector::kMaxBytes;

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

} // namespace

bool aTexto(std::string_view bytes, std::string& texto, Mensaje& mensaje,
            const std::string& origen) {
    if (bytes.size() > kMaxBytes) {
        mensaje = {MENSAJE("datos", "«%1» pasa de 50 MB, el mayor archivo que el programa abre. "
                                    "Guarde solo las columnas que necesita, o una parte de las "
                                    "filas, y ábralo de nuevo."),
                   {origen}};
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
        mensaje = {MENSAJE("datos", "El archivo no es de texto."), {}};
        return false;
    }
    texto = std::move(t);
    mensaje = {};
    return true;
}

} // namespace rectaviva
