// The number formats of every box and of the point list, in one place. Pure
// C++: the decimal point is handed in, so the same code serves any host
// setting and the tests can pin it.
#pragma once

#include "Globales.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rectaviva {

// The display formats of the result boxes: the design's five, and the exact
// p-values' four decimals.
enum class Formato {
    Entero,          ///< "0": whole number
    UnDecimal,       ///< "0.0"
    DosDecimales,    ///< "0.00"
    TresDecimales,   ///< "0.000"
    EnteroEspacio,   ///< "0 ": whole number followed by one space
    CuatroDecimales, ///< "0.0000"
};

// What a box or a list column shows for a value the sample leaves undefined.
inline constexpr std::string_view textoIndefinido = "\u2014";

// The value in format f, rounded half away from zero on the exact value of
// the float; negative values carry an ASCII '-', a value that rounds to zero
// has no sign, NaN gives textoIndefinido. puntoDecimal is the host's. An
// infinite value (a t statistic on a perfect fit) shows as the guard value
// with its sign, the value the engine stores for the intercept's t on such a
// sample, so a student sees "a very large t" in the box's own format.
std::string formatear(Single valor, Formato f, std::string_view puntoDecimal = ".");

// The value with `decimales` decimals (0..9), rounded half away from zero on
// its exact value; textoIndefinido when it is not finite. A double (a data
// set's value as read) is rounded on its exact value to 149 decimals.
std::string formatearDecimales(Single valor, int decimales, std::string_view puntoDecimal = ".");
std::string formatearDecimales(double valor, int decimales, std::string_view puntoDecimal = ".");

// The significant digits a float keeps: a data set's boxes show no more.
inline constexpr int kCifrasFloat = 7;

// A value in a data set's own units: in format f where that shows at least
// three significant digits within the box's room of anchoCaja characters,
// otherwise with three significant digits, fixed while they fit and
// scientific ("4.56e-5") beyond; a value is never shown as 0 unless it is 0.
// Where the box cannot show a scientific text whole (counting a digit twice
// as wide as a sign or a point, as anchoTexto does), two significant digits,
// then one: fewer digits, each true, rather than a clipped number.
std::string formatearEnUnidades(Single valor, Formato f, std::size_t anchoCaja,
                                std::string_view puntoDecimal = ".");

// Whether a text fits its box whole, measured with the box's font.
using Cabe = std::function<bool(std::string_view)>;

// A value in a data set's own units in a box that `cabe` measures: in format
// f where that shows at least `cifras` significant digits and fits, else
// that many digits, fixed while they fit and scientific beyond, narrowed
// where only `estrecho` (the box drawing its text narrower) takes them.
// Only where even that cannot show them whole, fewer digits, each true.
std::string formatearEnCaja(Single valor, Formato f, const Cabe& cabe,
                            std::string_view puntoDecimal = ".", int cifras = 3,
                            const Cabe& estrecho = {});

// A t or F statistic, format "0.000": one whose size exceeds the guard value,
// finite or not, shows as the guard with its own sign, so a near-perfect fit
// (a collinear cloud the tools left a rounding off its line) reads like the
// perfect fit it nearly is instead of overflowing its box.
std::string formatearEstadistico(Single valor, std::string_view puntoDecimal = ".");

// An exact p-value: four decimals from 0.0001 on, "<0.0001" below it (a
// p-value is never 0: a perfect fit's too is only beyond every decimal
// shown), textoIndefinido for NaN.
std::string formatearValorP(Single valor, std::string_view puntoDecimal = ".");

// One row of the point list: the point's number ksel and its coordinates
// rounded to whole numbers, each right-aligned in its column. A coordinate
// without a 16-bit value shows textoIndefinido with the spaces of a
// one-digit number. The previous content of stg is replaced.
void formarFila(Integer ksel, Single X, Single Y, std::string& stg);

// The width of a text in a unit in which a digit is 2 wide and every other
// character 1 (the list's font has these proportions).
int anchoTexto(std::string_view texto);

// One row of the point list of a data set: the number ksel and the
// coordinates as written, each right-aligned so that its x part (spaces and
// text) is anchoX units wide and its y part anchoY; at least one space
// separates them.
void formarFilaDatos(Integer ksel, const std::string& x, const std::string& y, int anchoX,
                     int anchoY, std::string& stg);

} // namespace rectaviva
