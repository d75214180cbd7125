// The engine of "Transformar": a transformation of x and one of y, the
// least-squares fit of the transformed numbers in double precision, and that
// fit read back in the data's own units (the model's form and constants, the
// fitted curve, a prediction with its intervals, and R² on the data's scale).
// Everything undefined is NaN, shown "—".
#pragma once

#include "mensaje.h"

#include <cstdint>
#include <limits>
#include <span>

namespace rectaviva {

// The square is offered for x only: its inverse below is the non-negative
// root, which is the inverse on the values a square can take but says
// nothing of a y that was negative. A transformation is offered for a
// variable only where it is defined at every value and monotone over them.
enum class Transformacion : std::uint8_t { Ninguna, Log10, Ln, Raiz, Inversa, Cuadrado };

// The transformed value: NaN where the transformation is undefined (the logs
// of v ≤ 0, the root of v < 0, the reciprocal of 0) and wherever v or the
// result is not finite (1/5e-324, 1e200²).
double transformar(Transformacion t, double v);
// The value whose transformation is u, on the transformation's range: NaN
// where u is not a value the transformation gives (a negative root or
// square, a reciprocal of 0) or the result is not finite.
double destransformar(Transformacion t, double u);
// Whether transformar(t, v) is defined.
bool definida(Transformacion t, double v);
// How many of the values make the transformation undefined: 0 lets it be
// offered for that variable.
int valoresQueLaImpiden(Transformacion t, std::span<const double> v);
// Whether t keeps (or reverses) the order of the values: the square folds
// values of both signs, the reciprocal jumps between them; the curve taken
// back from either would mean nothing.
bool monotona(Transformacion t, std::span<const double> v);

// The transformation written before a one-letter variable put in as %1
// ("log₁₀(y)", "ln(x)", "√y", "1/x", "x²"); a function's name takes
// parentheses, so that "ln" does not read as "In". Ninguna gives the
// variable alone. Context "transformar".
Plantilla expresion(Transformacion t);
// The same before a variable's name, which parentheses keep whole
// ("ln(Población)", "1/(Peso del cuerpo (kg))", "(Estatura)²").
Plantilla expresionDeNombre(Transformacion t);

// The fit of v = a + b u, u = g(x) and v = f(y) the transformed values, in
// double: the means in two passes and the centred sums about them, so that
// years around 1900 and counts of 10⁸ keep their digits; the error sum from
// the residuals themselves.
struct AjusteTransformado {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    double n = 0;       ///< points
    int sinDefinir = 0; ///< points whose x or y the transformations leave undefined
    double mediaU = nan, mediaV = nan;
    double Suu = nan, Svv = nan, Suv = nan; ///< centred sums of the transformed values
    double a = nan, b = nan;                ///< intercept and slope, transformed units
    double SCErr = nan;                     ///< sum of squared residuals, transformed units
    double s = nan;                         ///< √(SCErr / (n − 2))
    double eeA = nan, eeB = nan;            ///< standard errors of a and b
    double R2 = nan; ///< fraction 0..1 of Svv explained; NaN when every v is equal
    // At least three points, every value defined, and the u not all equal;
    // otherwise every statistic above is NaN.
    bool valido = false;
};
AjusteTransformado ajustarTransformado(std::span<const double> x, std::span<const double> y,
                                       Transformacion tx, Transformacion ty);

// The fit in the data's own terms, y = f⁻¹(a + b g(x)), in the form a student
// reads it:
//   Recta        y = A + B x                     (no transformation)
//   Exponencial  y = A·Bˣ, A = cᵃ, B = cᵇ        (log_c y on x); y changes by
//                porcentaje = 100 (B − 1) percent per unit of x
//   Potencia     y = A·x^B, A = cᵃ, B = b·ln c / ln d   (log_c y on log_d x,
//                the same base or not); B is the elasticity: about B percent
//                in y for 1 percent in x
//   Logaritmica  y = A + B·log_d x              (y on log_d x)
//   General      y = f⁻¹(A + B g(x)), A = a, B = b   (any other pair)
enum class FormaModelo : std::uint8_t { Recta, Exponencial, Potencia, Logaritmica, General };
struct ModeloOriginal {
    FormaModelo forma = FormaModelo::General;
    Transformacion tx = Transformacion::Ninguna, ty = Transformacion::Ninguna;
    double a = AjusteTransformado::nan, b = AjusteTransformado::nan; ///< the transformed fit's
    double mediaU = AjusteTransformado::nan, mediaV = AjusteTransformado::nan; ///< its centre
    double A = AjusteTransformado::nan, B = AjusteTransformado::nan; ///< the form's constants
    double porcentaje = AjusteTransformado::nan;                     ///< Exponencial only
    bool valido = false;
};
ModeloOriginal modeloOriginal(const AjusteTransformado& ajuste, Transformacion tx,
                              Transformacion ty);

// The fitted curve at x in the data's units, f⁻¹(a + b g(x)): NaN where g(x)
// is undefined or a + b g(x) lies outside the range of f.
double curva(const ModeloOriginal& m, double x);
double curva(const AjusteTransformado& ajuste, Transformacion tx, Transformacion ty, double x);

// A prediction at xPred (data's units): the interval of the mean response and
// that of one observation are made on the transformed scale and each end is
// taken back through f⁻¹, swapped where f⁻¹ decreases (1/v), so li ≤ y ≤ ls.
// An end below the root's range (√y < 0) is y = 0, and an interval wholly
// below it holds no y (NaN ends); an interval of 1/y that holds 0 is no
// interval of y (two rays), and its ends are NaN.
//
// With y transformed, the point f⁻¹(a + b g(x)) is the median of y given x,
// not its mean (mediana = true): the errors are symmetric on the transformed
// scale, and f⁻¹ keeps the middle in the middle but not the mean; the
// interval of the mean response is then one of that median. With normal
// errors of a log the mean is larger by exp(σ²/2), σ the spread of ln y:
// for log₁₀ y of spread s, σ = s·ln 10.
struct PrediccionOriginal {
    double xPred = AjusteTransformado::nan;
    double nivel = AjusteTransformado::nan;    ///< percent
    double cuantilT = AjusteTransformado::nan; ///< the t quantile the intervals used
    double y = AjusteTransformado::nan;        ///< the point, data's units
    double liMedia = AjusteTransformado::nan, lsMedia = AjusteTransformado::nan;
    double liIndividual = AjusteTransformado::nan, lsIndividual = AjusteTransformado::nan;
    bool mediana = false;
};
// With the caller's t quantile for the level (the program's table or its
// exact value, as the rest of the program uses).
PrediccionOriginal predecirOriginal(const AjusteTransformado& ajuste, Transformacion tx,
                                    Transformacion ty, double xPred, double nivel, double cuantilT);
// With the exact quantile of Student's t with n − 2 degrees of freedom.
PrediccionOriginal predecirOriginal(const AjusteTransformado& ajuste, Transformacion tx,
                                    Transformacion ty, double xPred, double nivel);

// R² on the data's own scale: 1 − Σ(yᵢ − f⁻¹(a + b g(xᵢ)))² / Σ(yᵢ − ȳ)², the
// share of the spread of y itself that the curve explains, to compare with
// the R² of the untransformed fit. It can be negative (a curve worse than ȳ).
// NaN when the fit is not valid, the curve is undefined at some xᵢ, or every
// y is equal.
double r2EnEscalaOriginal(std::span<const double> x, std::span<const double> y, Transformacion tx,
                          Transformacion ty, const AjusteTransformado& ajuste);

} // namespace rectaviva
