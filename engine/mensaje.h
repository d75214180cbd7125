// A text the engine gives the user (a message of the reader, an example
// set's name): as written, in Spanish, with %1, %2… where values go, and the
// values. The engine links no Qt; the window shows the text translated in its
// context, with the values put in.
#pragma once

#include <string>
#include <vector>

namespace rectaviva {

// A text as written and the context its translation is kept under.
struct Plantilla {
    const char* contexto = nullptr;
    const char* texto = nullptr; ///< UTF-8
};

// Marks a text for lupdate (an alias of QT_TRANSLATE_NOOP, given to it by the
// build) and makes its Plantilla.
#define MENSAJE(contexto, texto) (::rectaviva::Plantilla{contexto, texto})

struct Mensaje {
    Plantilla plantilla;
    std::vector<std::string> valores; ///< UTF-8, for %1, %2…

    bool vacio() const { return plantilla.texto == nullptr; }
    // The Spanish text with the values put in.
    std::string texto() const {
        std::string r;
        if (vacio()) {
            return r;
        }
        for (const char* c = plantilla.texto; *c; ++c) {
            if (c[0] == '%' && c[1] >= '1' && c[1] <= '9' &&
                static_cast<std::size_t>(c[1] - '1') < valores.size()) {
                r += valores[static_cast<std::size_t>(c[1] - '1')];
                ++c;
            } else {
                r += *c;
            }
        }
        return r;
    }
};

} // namespace rectaviva
