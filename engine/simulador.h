// Repeated samples from a model the student chooses, y = β₀ + β₁·x + ε with
// ε normal (mean 0, standard deviation σ), at the x of the points in use
// (or, in the resampling modes, the student's own points shuffled or drawn
// with replacement: see Modo):
// each sample's fit, its slope interval at nivelConf, its prediction
// intervals at xPred and nivelPred and its t test of β₁ = 0, with the same
// quantiles as the boxes (the table, or the exact distribution). What it
// keeps: a histogram of each statistic over a range fixed by its theory, the
// mean and standard deviation of each, the last fitted lines and intervals,
// the last sample's ordinates, the counts of intervals that hit, and what
// the theory expects of those counts at the critical values they used.
#pragma once

#include "Globales.h"

#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace rectaviva {

// The share of t intervals with critical value q (gl degrees of freedom)
// that contain what they estimate, P(|T| ≤ q): the slope's, the new
// observation's and the mean response's alike, whichever look-up gave q.
double coberturaT(double q, double gl);
// The share of samples in which the two-sided t test with critical value q
// rejects β₁ = 0 when its statistic has noncentrality delta (β₁·√Sxx/σ):
// the type I error rate at delta 0, the test's power otherwise.
double rechazoT(double q, double gl, double delta);

// The statistics whose sampling distribution the histogram shows.
enum class Estadistica : Byte { Pendiente, Intercepto, Varianza, T };
inline constexpr int kEstadisticas = 4;

// Where the samples come from: the model; the student's y shuffled over
// their x (a randomization test of no relation); or n of the student's
// points drawn with replacement (the bootstrap). The resampling modes keep
// only the slope b*.
enum class Modo : Byte { Modelo, Barajar, Bootstrap };

class Simulador {
public:
    static constexpr int kBarras = 40;              ///< bars of each histogram
    static constexpr int kLineas = 20;              ///< fitted lines kept for the plot
    static constexpr int kIntervalos = 50;          ///< slope intervals kept for the strip
    static constexpr std::int64_t kReserva = 50000; ///< bootstrap slopes kept for percentiles

    // What the theory says of one statistic: its mean and standard error
    // (NaN where they do not exist) and the histogram's range.
    struct Teoria {
        double media, error, desde, hasta;
    };
    struct Recta {
        Single a, b;
    };
    struct Intervalo {
        Single li, ls;
        bool cubre;
    };
    // The shares the counts should come to: intervals that contain β₁, new
    // observations and mean responses in theirs, tests that reject β₁ = 0.
    struct Esperado {
        double cubren, predicciones, medias, rechazos;
    };
    // Running mean and spread of one statistic (Welford's update in double).
    struct Resumen {
        std::int64_t n = 0;
        double media = 0, m2 = 0;
        double desviacion() const;
    };

    explicit Simulador(std::uint64_t semilla) : azar_(semilla) {}

    // The model at the x of g's points in use, with g's levels; clears
    // everything drawn. The sample must have a slope (its x not all equal):
    // valida() tells.
    void empezar(const Globales& g, double beta0, double beta1, double sigma);
    // The model alone, for the next start of the model mode.
    void fijarModelo(double beta0, double beta1, double sigma);
    // The student's points in use, shuffled or resampled (modo Barajar or
    // Bootstrap), with g's levels; clears everything drawn. The model is kept
    // for a return to it. Valid when the points have a slope.
    void empezarRemuestreo(const Globales& g, Modo modo);
    // Clears what was drawn, keeping the model and the points.
    void reiniciar();
    bool valida() const { return valida_; }
    Modo modo() const { return modo_; }
    // Whether g's points in use still give what the samples were drawn
    // from: their x for the model, the whole points for the resampling modes.
    bool vigente(const Globales& g) const;

    // m more samples. The levels, xPred and the look-up in use are read from
    // g; when one of them differs from the last batch's, the interval counts
    // and the strip start again (the histograms do not depend on them).
    void agregar(Globales& g, std::int64_t m);

    double beta0() const { return beta0_; }
    double beta1() const { return beta1_; }
    double sigma() const { return sigma_; }
    int n() const { return static_cast<int>(x_.size()); }
    double sxx() const { return sxx_; }
    std::int64_t muestras() const { return muestras_; }

    Teoria teoria(Estadistica e) const { return teoria_[indice(e)]; }
    // The theoretical density of statistic e at v.
    double densidad(Estadistica e, double v) const;
    const std::array<std::int64_t, kBarras>& barras(Estadistica e) const {
        return barras_[indice(e)];
    }
    const Resumen& resumen(Estadistica e) const { return resumenes_[indice(e)]; }

    // The last fitted lines and slope intervals, oldest first, and the
    // ordinates of the last sample (empty before the first).
    std::vector<Recta> rectas() const { return ultimos(rectas_, siguienteRecta_); }
    std::vector<Intervalo> intervalos() const { return ultimos(intervalos_, siguienteIntervalo_); }
    const std::vector<Single>& ultimaMuestra() const { return yUltima_; }
    const std::vector<Single>& ultimaX() const { return xUltima_; }

    // Resampling: the student's slope b, how many b* lie as far from 0
    // (|b*| ≥ |b|), the randomization p-value (count + 1)/(M + 1), the
    // resamples without a slope (all x equal, left out) and the percentile
    // interval of the b* at a level (NaN before two of them exist).
    double propia() const { return bPropia_; }
    std::int64_t extremos() const { return extremos_; }
    double valorPAleatorio() const;
    std::int64_t sinPendiente() const { return sinPendiente_; }
    std::pair<double, double> percentil(Single nivel) const;

    // The counts since the levels last changed, and those levels.
    std::int64_t contados() const { return contados_; }
    std::int64_t cubren() const { return cubren_; }
    std::int64_t predicciones() const { return predicciones_; }
    std::int64_t medias() const { return medias_; }
    std::int64_t rechazos() const { return rechazos_; }
    Single nivelConf() const { return nivelConf_; }
    Single nivelPred() const { return nivelPred_; }
    Single xPred() const { return xPred_; }
    // The critical values the counts' batches used, from the boxes' look-up
    // at those levels (NaN before the first batch), and what the theory
    // expects of the counts with them: the table's interpolated value covers
    // a share of its own, not always the level.
    Single criticoConf() const { return qConf_; }
    Single criticoPred() const { return qPred_; }
    Esperado esperado() const;

private:
    static std::size_t indice(Estadistica e) { return static_cast<std::size_t>(e); }
    template <class T> static std::vector<T> ultimos(const std::vector<T>& v, std::size_t sig) {
        std::vector<T> r(v.begin() + static_cast<std::ptrdiff_t>(sig), v.end());
        r.insert(r.end(), v.begin(), v.begin() + static_cast<std::ptrdiff_t>(sig));
        return r;
    }
    void anotar(Estadistica e, double v);
    void guardarRecta(double a, double b);
    // The points in use into x_ (and y_), their means and Sxx.
    void tomarPuntos(const Globales& g);
    void tomarNiveles(const Globales& g);
    void agregarModelo(Globales& g, std::int64_t m);
    void agregarBarajadas(std::int64_t m);
    void agregarRemuestras(std::int64_t m);

    std::mt19937_64 azar_;
    std::normal_distribution<double> normal_;

    bool valida_ = false;
    Modo modo_ = Modo::Modelo;
    double beta0_ = 0, beta1_ = 0, sigma_ = 1;
    std::vector<double> x_, y_;
    double mediaX_ = 0, mediaY_ = 0, sxx_ = 0, bPropia_ = 0;
    std::array<Teoria, kEstadisticas> teoria_{};

    std::int64_t muestras_ = 0;
    std::array<std::array<std::int64_t, kBarras>, kEstadisticas> barras_{};
    std::array<Resumen, kEstadisticas> resumenes_{};
    std::vector<Recta> rectas_;
    std::size_t siguienteRecta_ = 0;
    std::vector<Intervalo> intervalos_;
    std::size_t siguienteIntervalo_ = 0;
    std::vector<Single> yUltima_, xUltima_;
    std::vector<Single> valores_; ///< the bootstrap's b*, all or a uniform kReserva of them
    std::int64_t extremos_ = 0, sinPendiente_ = 0;

    std::int64_t contados_ = 0, cubren_ = 0, predicciones_ = 0, medias_ = 0, rechazos_ = 0;
    Single nivelConf_ = 0, nivelPred_ = 0, xPred_ = 0;
    Single qConf_ = std::numeric_limits<Single>::quiet_NaN(), qPred_ = qConf_;
    Byte exactos_ = 0;
};

} // namespace rectaviva
