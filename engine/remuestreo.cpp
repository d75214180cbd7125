// The resampling modes of the simulation: the student's y shuffled over
// their x (a randomization test of no relation) and n of the student's
// points drawn with replacement (the bootstrap), each keeping the slope b*.
#include "simulador.h"

#include "comun.h"

#include <algorithm>
#include <cmath>

namespace rectaviva {

using interno::kNaN;

void Simulador::empezarRemuestreo(const Globales& g, Modo modo) {
    modo_ = modo;
    tomarPuntos(g);
    tomarNiveles(g);
    reiniciar();
    valida_ = x_.size() >= static_cast<std::size_t>(minActivos) && sxx_ > 0;
    if (!valida_) {
        return;
    }
    // The histogram's range: a shuffled slope has mean 0 and variance
    // Syy/((n - 1)·Sxx), and the student's b must show on the axis; a
    // resampled slope varies about b by about its standard error.
    const double n = static_cast<double>(x_.size());
    double syy = 0;
    for (double y : y_) {
        syy += (y - mediaY_) * (y - mediaY_);
    }
    const double b = bPropia_;
    const double minimo = 1e-3 * std::max(1.0, std::fabs(b));
    if (modo == Modo::Barajar) {
        const double de = std::sqrt(syy / ((n - 1) * sxx_));
        const double ancho = std::max({4 * de, 1.1 * std::fabs(b), minimo});
        teoria_[indice(Estadistica::Pendiente)] = {0, de, -ancho, ancho};
    } else {
        const double ee = std::sqrt(std::max(0.0, syy - b * b * sxx_) / (n - 2) / sxx_);
        const double ancho = std::max(5 * ee, minimo);
        teoria_[indice(Estadistica::Pendiente)] = {b, ee, b - ancho, b + ancho};
    }
}

double Simulador::valorPAleatorio() const {
    return static_cast<double>(extremos_ + 1) / static_cast<double>(muestras_ + 1);
}

std::pair<double, double> Simulador::percentil(Single nivel) const {
    if (valores_.size() < 2) {
        return {kNaN, kNaN};
    }
    // Linear interpolation between order statistics, at (M - 1)·p.
    const double alfa = 1 - D(nivel) / 100;
    std::vector<Single> v = valores_;
    const auto cuantil = [&v](double p) {
        const double h = static_cast<double>(v.size() - 1) * p;
        const auto i = static_cast<std::size_t>(h);
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(i), v.end());
        const double bajo = D(v[i]);
        if (i + 1 >= v.size()) {
            return bajo;
        }
        const double alto =
            D(*std::min_element(v.begin() + static_cast<std::ptrdiff_t>(i) + 1, v.end()));
        return bajo + (h - static_cast<double>(i)) * (alto - bajo);
    };
    const double li = cuantil(alfa / 2);
    return {li, cuantil(1 - alfa / 2)};
}

// Each shuffle keeps x̄, ȳ and Sxx: only Σ(x - x̄)·y* changes.
void Simulador::agregarBarajadas(std::int64_t m) {
    std::vector<double> y = y_;
    const double limite = std::fabs(bPropia_) * (1 - 1e-9);
    for (std::int64_t j = 0; j < m; ++j) {
        std::shuffle(y.begin(), y.end(), azar_);
        double sxy = 0;
        for (std::size_t i = 0; i < y.size(); ++i) {
            sxy += (x_[i] - mediaX_) * y[i];
        }
        const double b = sxy / sxx_;
        anotar(Estadistica::Pendiente, D(S(b)));
        extremos_ += std::fabs(b) >= limite;
        guardarRecta(mediaY_ - b * mediaX_, b);
    }
    muestras_ += m;
    yUltima_.assign(y.begin(), y.end());
    xUltima_.assign(x_.begin(), x_.end());
}

// n of the points with replacement; a resample whose x are all equal has no
// slope and is only counted.
void Simulador::agregarRemuestras(std::int64_t m) {
    const std::size_t n = x_.size();
    const double nd = static_cast<double>(n);
    std::uniform_int_distribution<std::size_t> cual(0, n - 1);
    std::vector<std::size_t> elegidos(n);
    for (std::int64_t j = 0; j < m; ++j) {
        double sx = 0, sy = 0;
        bool iguales = true;
        for (std::size_t i = 0; i < n; ++i) {
            elegidos[i] = cual(azar_);
            sx += x_[elegidos[i]];
            sy += y_[elegidos[i]];
            iguales = iguales && x_[elegidos[i]] == x_[elegidos[0]];
        }
        if (iguales) {
            ++sinPendiente_;
            continue;
        }
        const double mx = sx / nd, my = sy / nd;
        double sxx = 0, sxy = 0;
        for (std::size_t i : elegidos) {
            sxx += (x_[i] - mx) * (x_[i] - mx);
            sxy += (x_[i] - mx) * y_[i];
        }
        const double b = sxy / sxx;
        anotar(Estadistica::Pendiente, D(S(b)));
        guardarRecta(my - b * mx, b);
        ++muestras_;
        // A uniform sample of at most kReserva of all the b* (reservoir
        // sampling) keeps the percentiles' cost bounded however many
        // resamples are drawn.
        if (valores_.size() < kReserva) {
            valores_.push_back(S(b));
        } else if (const auto i =
                       std::uniform_int_distribution<std::int64_t>(0, muestras_ - 1)(azar_);
                   i < kReserva) {
            valores_[static_cast<std::size_t>(i)] = S(b);
        }
    }
    xUltima_.clear();
    yUltima_.clear();
    for (std::size_t i : elegidos) {
        xUltima_.push_back(S(x_[i]));
        yUltima_.push_back(S(y_[i]));
    }
}

} // namespace rectaviva
