// The Student t table and its two look-ups: linear interpolation between the
// two columns that bracket the input, in the row of the degrees of freedom,
// or, with valoresExactos on, the t distribution evaluated by Boost.Math.
#include "Tablas.h"

#include "distribuciones.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rectaviva {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The cumulative probability of each column; columns 0 and 7 are sentinels.
constexpr float kProbabilidades[8] = {0.5f, 0.7f, 0.9f, 0.95f, 0.975f, 0.99f, 0.995f, 1.0f};

// The value of the sentinel column: larger than every entry of the table, so
// that any statistic below it falls between two columns.
constexpr float kCentinela = 3000.0f;

// The rows of the table: one per degree of freedom, 1 to 50.
constexpr int kFilas = Tablas::filasTabla;

// Quantiles of Student's t at the probabilities of columns 1 to 6, for 1 to
// 50 degrees of freedom, as a printed three-decimal table gives them.
constexpr float kValores[kFilas][6] = {
    {0.727f, 3.078f, 6.314f, 12.71f, 31.82f, 63.66f}, // 1
    {0.617f, 1.886f, 2.920f, 4.303f, 6.965f, 9.925f}, // 2
    {0.584f, 1.638f, 2.353f, 3.182f, 4.541f, 5.841f}, // 3
    {0.569f, 1.533f, 2.132f, 2.776f, 3.747f, 4.604f}, // 4
    {0.559f, 1.476f, 2.015f, 2.571f, 3.365f, 4.032f}, // 5
    {0.553f, 1.440f, 1.943f, 2.447f, 3.143f, 3.707f}, // 6
    {0.549f, 1.415f, 1.895f, 2.365f, 2.998f, 3.499f}, // 7
    {0.546f, 1.397f, 1.860f, 2.306f, 2.896f, 3.355f}, // 8
    {0.543f, 1.383f, 1.833f, 2.262f, 2.821f, 3.250f}, // 9
    {0.542f, 1.372f, 1.812f, 2.228f, 2.764f, 3.169f}, // 10
    {0.540f, 1.363f, 1.796f, 2.201f, 2.718f, 3.106f}, // 11
    {0.539f, 1.356f, 1.782f, 2.179f, 2.681f, 3.055f}, // 12
    {0.538f, 1.350f, 1.771f, 2.160f, 2.650f, 3.012f}, // 13
    {0.537f, 1.345f, 1.761f, 2.145f, 2.624f, 2.977f}, // 14
    {0.536f, 1.341f, 1.753f, 2.131f, 2.602f, 2.947f}, // 15
    {0.535f, 1.337f, 1.746f, 2.120f, 2.583f, 2.921f}, // 16
    {0.534f, 1.333f, 1.740f, 2.110f, 2.567f, 2.898f}, // 17
    {0.534f, 1.330f, 1.734f, 2.101f, 2.552f, 2.878f}, // 18
    {0.533f, 1.328f, 1.729f, 2.093f, 2.539f, 2.861f}, // 19
    {0.533f, 1.325f, 1.725f, 2.086f, 2.528f, 2.845f}, // 20
    {0.532f, 1.323f, 1.721f, 2.080f, 2.518f, 2.831f}, // 21
    {0.532f, 1.321f, 1.717f, 2.074f, 2.508f, 2.819f}, // 22
    {0.532f, 1.319f, 1.714f, 2.069f, 2.500f, 2.807f}, // 23
    {0.531f, 1.318f, 1.711f, 2.064f, 2.492f, 2.797f}, // 24
    {0.531f, 1.316f, 1.708f, 2.060f, 2.485f, 2.787f}, // 25
    {0.531f, 1.315f, 1.706f, 2.056f, 2.479f, 2.779f}, // 26
    {0.531f, 1.314f, 1.703f, 2.052f, 2.473f, 2.771f}, // 27
    {0.530f, 1.313f, 1.701f, 2.048f, 2.467f, 2.763f}, // 28
    {0.530f, 1.311f, 1.699f, 2.045f, 2.462f, 2.756f}, // 29
    {0.530f, 1.310f, 1.697f, 2.042f, 2.457f, 2.750f}, // 30
    {0.530f, 1.309f, 1.696f, 2.040f, 2.453f, 2.745f}, // 31
    {0.530f, 1.308f, 1.694f, 2.037f, 2.449f, 2.740f}, // 32
    {0.530f, 1.308f, 1.693f, 2.035f, 2.446f, 2.734f}, // 33
    {0.529f, 1.307f, 1.691f, 2.032f, 2.442f, 2.729f}, // 34
    {0.529f, 1.306f, 1.690f, 2.030f, 2.438f, 2.724f}, // 35
    {0.529f, 1.305f, 1.689f, 2.028f, 2.435f, 2.720f}, // 36
    {0.529f, 1.305f, 1.688f, 2.026f, 2.432f, 2.716f}, // 37
    {0.529f, 1.304f, 1.686f, 2.025f, 2.429f, 2.712f}, // 38
    {0.529f, 1.304f, 1.685f, 2.023f, 2.426f, 2.708f}, // 39
    {0.529f, 1.303f, 1.684f, 2.021f, 2.423f, 2.704f}, // 40
    {0.529f, 1.303f, 1.683f, 2.020f, 2.421f, 2.701f}, // 41
    {0.529f, 1.302f, 1.682f, 2.018f, 2.419f, 2.698f}, // 42
    {0.528f, 1.302f, 1.681f, 2.017f, 2.416f, 2.696f}, // 43
    {0.528f, 1.301f, 1.680f, 2.015f, 2.414f, 2.693f}, // 44
    {0.528f, 1.301f, 1.679f, 2.014f, 2.412f, 2.690f}, // 45
    {0.528f, 1.301f, 1.678f, 2.013f, 2.410f, 2.688f}, // 46
    {0.528f, 1.300f, 1.678f, 2.012f, 2.408f, 2.685f}, // 47
    {0.528f, 1.300f, 1.677f, 2.011f, 2.407f, 2.683f}, // 48
    {0.528f, 1.299f, 1.677f, 2.010f, 2.405f, 2.680f}, // 49
    {0.528f, 1.299f, 1.676f, 2.009f, 2.403f, 2.678f}, // 50
};

// Any number of degrees of freedom has an answer: the table's rows, and the
// distribution past them.
bool filaValida(Integer gl) {
    return gl >= 1;
}

// The answer comes from the distribution: on request, or past the table.
bool exacto(const Globales& g, Integer gl) {
    return g.valoresExactos == 1 || gl > kFilas;
}

namespace bm = boost::math;
using DistribucionT = distribuciones::T;

// The quantile of t with gl degrees of freedom at the cumulative probability
// p; p = 1 (a level of 100) is an unbounded interval.
double cuantilExacto(double p, Integer gl) {
    if (p >= 1.0) {
        return std::numeric_limits<double>::infinity();
    }
    return bm::quantile(DistribucionT(gl), p);
}

// Twice the upper tail beyond |t|: 0 for an infinite statistic.
double pValorExacto(double t, Integer gl) {
    return 2.0 * bm::cdf(bm::complement(DistribucionT(gl), std::fabs(t)));
}

} // namespace

Single pValorTExacto(Single t, Integer gl) {
    if (!filaValida(gl) || std::isnan(t)) {
        return kNaN;
    }
    return static_cast<float>(std::min(1.0, pValorExacto(t, gl)));
}

void Tablas::tablaT(TablaT& T) {
    for (int j = 0; j <= 7; ++j) {
        g_.probT(j) = kProbabilidades[j];
    }
    for (int k = 1; k <= kFilas; ++k) {
        for (int j = 1; j <= 6; ++j) {
            T(k, j) = kValores[k - 1][j - 1];
        }
    }
    for (int k = 1; k <= kFilas; ++k) {
        T(k, 0) = 0.0f;
        T(k, 7) = kCentinela;
    }
}

void Tablas::cuantila(Single& cuant, const Single& conf, const Integer& gl, const TablaT& Dst,
                      const ProbabilidadesT& pr) {
    const double p = static_cast<double>(conf) / 200.0 + 0.5;

    // A level of 100 or more has no bracket (the interval is unbounded), a NaN
    // level has no meaning, and a row outside the table does not exist.
    if (!filaValida(gl) || std::isnan(p)) {
        cuant = kNaN;
        return;
    }
    if (exacto(g_, gl)) {
        cuant = static_cast<float>(cuantilExacto(p, gl));
        return;
    }
    g_.indice = 7;
    for (int k = 1; k <= 7; ++k) {
        if (p < static_cast<double>(pr(k))) {
            g_.indice = static_cast<Integer>(k - 1);
            break;
        }
    }
    const int i = g_.indice;
    if (i == 7) {
        cuant = std::numeric_limits<float>::infinity();
        return;
    }
    const float d1 = static_cast<float>(p - static_cast<double>(pr(i)));
    const float d2 = static_cast<float>(p - static_cast<double>(pr(i + 1)));
    const float w = pr(i + 1) - pr(i);
    cuant = static_cast<float>(
        (static_cast<double>(d1) * Dst(gl, i + 1) - static_cast<double>(d2) * Dst(gl, i)) / w);
}

void Tablas::pValorT(const Single& cuantil, Single& pVal, const Integer& gl, const TablaT& T,
                     const ProbabilidadesT& prob) {
    // An undefined statistic has an undefined p-value.
    if (!filaValida(gl) || std::isnan(cuantil)) {
        pVal = kNaN;
        return;
    }
    if (exacto(g_, gl)) {
        pVal = pValorTExacto(cuantil, gl);
        return;
    }
    const float a = std::fabs(cuantil);
    g_.indice = 6;
    for (int k = 1; k <= 6; ++k) {
        if (a < T(gl, k)) {
            g_.indice = static_cast<Integer>(k - 1);
            break;
        }
    }
    // A statistic at or beyond the sentinel (an infinite one from a perfect
    // fit included) lies past probability 1: its p-value is 0. Answering here
    // also keeps the interpolation from forming infinity minus infinity.
    if (a >= T(gl, 7)) {
        pVal = 0.0f;
        return;
    }
    const int i = g_.indice;
    const float d1 = static_cast<float>(static_cast<double>(a) - T(gl, i));
    const float d2 = static_cast<float>(static_cast<double>(a) - T(gl, i + 1));
    const float w = static_cast<float>(static_cast<double>(T(gl, i + 1)) - T(gl, i));
    const float q = static_cast<float>(
        (static_cast<double>(d1) * prob(i + 1) - static_cast<double>(d2) * prob(i)) / w);
    pVal = static_cast<float>((1.0 - q) + (1.0 - q));
    if (pVal < 0.0f) {
        pVal = 0.0f;
    }
    if (pVal > 1.0f) {
        pVal = 1.0f;
    }
}

} // namespace rectaviva
