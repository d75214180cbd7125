// The least-squares fits behind the residual rounds' diagnostics, shared
// with the generators, which set a pattern's strength in units of the
// diagnostic that finds it.
#pragma once

#include <array>
#include <limits>
#include <span>
#include <vector>

namespace rectaviva::minimos {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// y on 1 and up to three columns, by modified Gram-Schmidt. `valido` when the
// columns are independent; the standard errors are NaN without a degree of
// freedom, and `perfecto` says the residuals are nothing but rounding.
struct Ajuste {
    bool valido = false;
    bool perfecto = false;
    std::array<double, 4> coef{kNaN, kNaN, kNaN, kNaN}; ///< intercept first
    std::array<double, 4> se{kNaN, kNaN, kNaN, kNaN};
    std::vector<double> residuos;
    double sce = kNaN;
    int gl = 0;
    // The t of coefficient j; NaN for a perfect fit or no degree of freedom.
    double t(int j) const { return perfecto ? kNaN : coef[j] / se[j]; }
};
Ajuste ajustar(const std::vector<double>& y, std::span<const std::vector<double>> columnas);

// x − x̄ and (x − x̄)²: the columns of the quadratic, centred for stability.
std::array<std::vector<double>, 2> columnasCuadraticas(const std::vector<double>& x);

// The indicator of x beyond the widest gap between consecutive distinct x
// that leaves at least three points on each side; empty when there is none.
std::vector<double> columnaDeGrupos(const std::vector<double>& x);

// The t of the quadratic term (y on 1, x, x²) and of the groups' indicator
// (y on 1, x, x², I).
double tCuadratico(const std::vector<double>& x, const std::vector<double>& y);
double tGrupos(const std::vector<double>& x, const std::vector<double>& y);

} // namespace rectaviva::minimos
