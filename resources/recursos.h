// The pictures compiled into the program: the explanation sheets
// (":/laminas/laminaK.svg", K = 0..15), the tool icons
// (":/iconos/herramientaK.svg", K = 0..9), the help icon (":/iconos/ayuda.svg")
// and the painted plot grid (cuadricula.h).
#pragma once

#include <QtGlobal>

// Registers the compiled-in resources. The build links them into every
// executable that uses rectaviva_recursos, so this is only a safeguard for
// code that must be sure before it opens the first picture; calling it more
// than once is harmless.
inline void inicializarRecursos() {
    Q_INIT_RESOURCE(recursos);
}
