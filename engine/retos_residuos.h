// "¿Qué dicen los residuos?": samples drawn from six models, each leaving its
// own pattern in the residual plot; the standard diagnostics that confirm
// each pattern; the marks the explanation draws; and the lineup of residual
// plots ("Rueda de residuos"), nineteen from samples where the model holds
// and one from the student's.
#pragma once

#include "retos.h"

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace rectaviva {

// The round of a pattern and a code (the same on every computer): 10 to 50
// points (a funnel 20 to 50) in whole plot units, random slopes and signs,
// in random order.
// rondaDeCodigo with Reto::Residuos draws the pattern from the code, then
// calls this. Each pattern draws from its own stream of the code, seeded
// with (Residuos << 32 | codigo) ^ ((1 + patron) << 40). The sample is drawn
// again from the same stream until patronesHallados finds the round's
// pattern and no other in the points drawn (and, for an outlier or a
// leverage point, finds it in the marked point): the answer key is true of
// the cloud shown.
RondaReto rondaDePatron(Patron patron, int codigo);

// The diagnostics of a sample, in double precision. NaN where undefined
// (too few points, x all equal, a perfect fit); points are 0-based.
struct Diagnostico {
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    double tCuadratico = nan;      ///< t of c in y = a + b x + c x²
    double breuschPagan = nan;     ///< n·R² of e² regressed on x (Koenker's form)
    double pBreuschPagan = nan;    ///< its upper tail in χ² with 1 degree of freedom
    double maxEstudentizado = nan; ///< largest |externally studentised residual|
    int puntoEstudentizado = -1;
    double maxPalanca = nan; ///< largest hᵢ
    int puntoPalanca = -1;
    double cookDePalanca = nan; ///< Cook's D of that point
    // t of d in y = a + b x + c x² + d·I, I the indicator of x beyond the
    // widest gap between consecutive distinct x that leaves at least three
    // points on each side. The quadratic term keeps a curve, whose ends
    // also stand off a line, from passing for two groups.
    double tGrupos = nan;
};
Diagnostico diagnosticar(const std::vector<PuntoReto>& puntos);

// Which patterns the diagnostics find at their levels: curvature |t| > 3;
// spread p < 0.01; outlier max |tᵢ| > 3.5 with every hᵢ ≤ 2·2/n; leverage
// max hᵢ > 3·2/n with its D > 1; groups |t| > 4; none when no other is found.
std::array<bool, numPatrones> patronesHallados(const Diagnostico& d, int n);

// What the explanation draws on the residual plot, from the least-squares
// residuals eᵢ of the points: the quadratic that follows them (e ≈ c0 + c1 x
// + c2 x²) and the funnel ±(f0 + f1 x), twice the spread σ(x) estimated from
// the line of |eᵢ| on x (σ = √(π/2)·E|e| for normal errors).
struct MarcasResiduos {
    std::array<double, 3> curva{Diagnostico::nan, Diagnostico::nan, Diagnostico::nan};
    std::array<double, 2> embudo{Diagnostico::nan, Diagnostico::nan};
};
MarcasResiduos marcasDeResiduos(const std::vector<PuntoReto>& puntos);

// The lineup: twenty residual plots (x, eᵢ). Nineteen are of samples with the
// same x drawn from the sample's fitted line with normal errors of its s
// (rounded as the sample's y are when these are whole); the sample's own is
// at place `propio` (0..19). The place and the nineteen are drawn from
// `semilla`, which the caller takes from a source the student cannot see
// (not the round's code), so that finding the own plot is a test.
struct PuntoResiduo {
    double x = 0, e = 0;
    bool operator==(const PuntoResiduo&) const = default;
};
struct Rueda {
    std::vector<std::vector<PuntoResiduo>> graficos; ///< 20 plots
    int propio = 0;
};
inline constexpr int graficosDeRueda = 20;
Rueda ruedaDeResiduos(const std::vector<PuntoReto>& muestra, std::uint64_t semilla);

} // namespace rectaviva
