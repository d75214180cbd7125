// The number formats of every box and of the point list, in one place. Pure
// C++: the decimal point is handed in, so the same code serves any host
// setting and the tests can pin it.
#pragma once

#include "Globales.h"

#include <optional>
#include <string>
#include <string_view>

namespace rectaviva {

// The five display formats of the result boxes.
enum class Formato {
    Entero,        ///< "0": whole number
    UnDecimal,     ///< "0.0"
    DosDecimales,  ///< "0.00"
    TresDecimales, ///< "0.000"
    EnteroEspacio, ///< "0 ": whole number followed by one space
};

// What a box or a list column shows for a value the sample leaves undefined.
inline constexpr std::string_view textoIndefinido = "\u2014";

// An infinite statistic (a t statistic on a perfect fit) is shown as this
// magnitude, the same guard value the engine stores for the intercept's t on
// such a sample, so both t boxes of one perfect fit read alike and a student
// sees "a very large t" in the box's own format instead of a symbol that
// appears nowhere else in the program.
inline constexpr double guardaInfinito = 100000.0;

// The value in format f, rounded half away from zero on the exact value of
// the float; negative values carry an ASCII '-', a value that rounds to zero
// has no sign, NaN gives textoIndefinido. puntoDecimal is the host's.
std::string formatear(Single valor, Formato f, std::string_view puntoDecimal = ".");

// One row of the point list: the point's number ksel and its coordinates
// rounded to whole numbers, each right-aligned in its column. A coordinate
// without a 16-bit value shows textoIndefinido with the spaces of a
// one-digit number. The previous content of stg is replaced.
void formarFila(Integer ksel, Single X, Single Y, std::string& stg);

} // namespace rectaviva
