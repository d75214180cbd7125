// The simulation of repeated samples from the model, and what the theory
// expects of them. Each sample is fitted from its own sums in double, with
// the x centred once for the whole model; what is kept of it (a line, an
// interval, a histogram entry) is rounded to float. The resampling modes are
// in remuestreo.cpp.
#include "simulador.h"

#include "Tablas.h"
#include "comun.h"
#include "dato.h"
#include "distribuciones.h"

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

namespace bm = boost::math;
using interno::kNaN;

constexpr double kInfinito = std::numeric_limits<double>::infinity();

// The two-sided critical value of the boxes' look-up at a level.
double critico(Globales& g, Single nivel, int gl) {
    Single q = 0;
    g.oTablas->cuantila(q, nivel, static_cast<Integer>(gl), g.valoresT, g.probT);
    return D(q);
}

// A bound on P(|T| ≤ q) for T = (Z + δ)/√(V/ν): |T| ≤ q needs Z ≤ −|δ|/2 or
// q√(V/ν) ≥ |δ|/2. Below half an ulp of 1 the rejection is 1 to the last bit;
// that is also where Boost's series, whose terms count up to δ²/2, would
// overflow its integers and throw.
double cotaDentro(double q, double gl, double delta) {
    const double mitad = std::fabs(delta) / 2;
    const double umbral = gl * (mitad / q) * (mitad / q);
    const double cola =
        std::isinf(umbral) ? 0 : bm::cdf(bm::complement(distribuciones::ChiCuadrado(gl), umbral));
    return bm::cdf(distribuciones::Normal(), -mitad) + cola;
}

} // namespace

double coberturaT(double q, double gl) {
    if (std::isinf(q) && q > 0) {
        return 1;
    }
    return 1 - 2 * bm::cdf(bm::complement(distribuciones::T(gl), q));
}

double rechazoT(double q, double gl, double delta) {
    if (delta == 0 || std::isnan(q)) {
        return 1 - coberturaT(q, gl);
    }
    if (std::isinf(q) && q > 0) {
        return 0;
    }
    if (cotaDentro(q, gl, delta) < 0x1p-54) {
        return 1;
    }
    // Beyond q on either side: the far tail counts too, however small.
    try {
        const distribuciones::TNoCentral t(gl, delta);
        return bm::cdf(bm::complement(t, q)) + bm::cdf(t, -q);
    } catch (const std::exception&) {
        return kNaN;
    }
}

double Simulador::Resumen::desviacion() const {
    return n > 1 ? std::sqrt(m2 / static_cast<double>(n - 1)) : kNaN;
}

// A data set's points are taken as read, so that its samples and b are those
// of the numbers the boxes show.
void Simulador::tomarPuntos(const Globales& g) {
    x_.clear();
    y_.clear();
    for (int k = 1; k <= g.nPuntos && k <= g.puntosReservados(); ++k) {
        if (g.activo(k) == 1) {
            x_.push_back(valorX(g, k));
            y_.push_back(valorY(g, k));
        }
    }
    mediaX_ = mediaY_ = sxx_ = 0;
    double sxy = 0;
    for (std::size_t i = 0; i < x_.size(); ++i) {
        mediaX_ += x_[i];
        mediaY_ += y_[i];
    }
    if (!x_.empty()) {
        mediaX_ /= static_cast<double>(x_.size());
        mediaY_ /= static_cast<double>(x_.size());
    }
    for (std::size_t i = 0; i < x_.size(); ++i) {
        sxx_ += (x_[i] - mediaX_) * (x_[i] - mediaX_);
        sxy += (x_[i] - mediaX_) * y_[i];
    }
    bPropia_ = sxx_ > 0 ? sxy / sxx_ : kNaN;
    // New points: no theory until the mode that starts on them forms it.
    const double nan = kNaN;
    teoria_.fill({nan, nan, nan, nan});
}

void Simulador::tomarNiveles(const Globales& g) {
    nivelConf_ = g.nivelConf;
    nivelPred_ = g.nivelPred;
    xPred_ = g.xPred;
    exactos_ = g.valoresExactos;
}

void Simulador::fijarModelo(double beta0, double beta1, double sigma) {
    beta0_ = beta0;
    beta1_ = beta1;
    sigma_ = sigma;
}

void Simulador::empezar(const Globales& g, double beta0, double beta1, double sigma) {
    modo_ = Modo::Modelo;
    fijarModelo(beta0, beta1, sigma);
    tomarPuntos(g);
    const double n = static_cast<double>(x_.size());
    valida_ = x_.size() >= static_cast<std::size_t>(minActivos) && sxx_ > 0 && sigma > 0;
    tomarNiveles(g);
    reiniciar();
    if (!valida_) {
        // Too few points, or all x equal: nothing to simulate and no theory.
        return;
    }

    const double gl = n - 2;
    const double eeB = sigma / std::sqrt(sxx_);
    const double eeA = sigma * std::sqrt(1 / n + mediaX_ * mediaX_ / sxx_);
    const double var = sigma * sigma;
    const double tope = std::max(4.0, bm::quantile(distribuciones::T(gl), 0.975));
    teoria_[indice(Estadistica::Pendiente)] = {beta1, eeB, beta1 - 4 * eeB, beta1 + 4 * eeB};
    teoria_[indice(Estadistica::Intercepto)] = {beta0, eeA, beta0 - 4 * eeA, beta0 + 4 * eeA};
    teoria_[indice(Estadistica::Varianza)] = {
        var, var * std::sqrt(2 / gl), 0,
        var * bm::quantile(distribuciones::ChiCuadrado(gl), 0.999) / gl};
    teoria_[indice(Estadistica::T)] = {gl > 1 ? 0.0 : kNaN,
                                       gl > 2 ? std::sqrt(gl / (gl - 2)) : kNaN, -tope, tope};
}

void Simulador::reiniciar() {
    muestras_ = 0;
    for (auto& b : barras_) {
        b.fill(0);
    }
    resumenes_.fill({});
    rectas_.clear();
    siguienteRecta_ = 0;
    intervalos_.clear();
    siguienteIntervalo_ = 0;
    yUltima_.clear();
    contados_ = cubren_ = predicciones_ = medias_ = rechazos_ = 0;
    qConf_ = qPred_ = std::numeric_limits<Single>::quiet_NaN();
    xUltima_.clear();
    valores_.clear();
    extremos_ = sinPendiente_ = 0;
}

bool Simulador::vigente(const Globales& g) const {
    const bool conY = modo_ != Modo::Modelo;
    std::size_t i = 0;
    for (int k = 1; k <= g.nPuntos && k <= g.puntosReservados(); ++k) {
        if (g.activo(k) == 1) {
            if (i >= x_.size() || x_[i] != valorX(g, k) || (conY && y_[i] != valorY(g, k))) {
                return false;
            }
            ++i;
        }
    }
    return i == x_.size();
}

namespace {

// v as a ring of at most `tope` elements: `sig` is the oldest once it is full.
template <class T> void anillo(std::vector<T>& v, std::size_t& sig, int tope, const T& e) {
    const auto n = static_cast<std::size_t>(tope);
    if (v.size() < n) {
        v.push_back(e);
    } else {
        v[sig] = e;
        sig = (sig + 1) % n;
    }
}

} // namespace

void Simulador::guardarRecta(double a, double b) {
    anillo(rectas_, siguienteRecta_, kLineas, Recta{S(a), S(b)});
}

double Simulador::densidad(Estadistica e, double v) const {
    const Teoria& t = teoria(e);
    const double gl = static_cast<double>(x_.size()) - 2;
    switch (e) {
    case Estadistica::Pendiente:
    case Estadistica::Intercepto:
        return bm::pdf(distribuciones::Normal(t.media, t.error), v);
    case Estadistica::Varianza: {
        // s² = σ²·X/gl with X chi-square on gl degrees of freedom.
        if (v < 0) {
            return 0;
        }
        const double escala = gl / (sigma_ * sigma_);
        return bm::pdf(distribuciones::ChiCuadrado(gl), v * escala) * escala;
    }
    case Estadistica::T:
        break;
    }
    return bm::pdf(distribuciones::T(gl), v);
}

// Every interval is a t pivot at its own critical value, and the test's
// statistic b/ee(b) is t with noncentrality β₁·√Sxx/σ.
Simulador::Esperado Simulador::esperado() const {
    if (!valida_ || modo_ != Modo::Modelo) {
        return {kNaN, kNaN, kNaN, kNaN};
    }
    const double gl = static_cast<double>(x_.size()) - 2;
    const double conf = coberturaT(D(qConf_), gl);
    const double pred = coberturaT(D(qPred_), gl);
    return {conf, pred, pred, rechazoT(D(qConf_), gl, beta1_ * std::sqrt(sxx_) / sigma_)};
}

void Simulador::anotar(Estadistica e, double v) {
    const Teoria& t = teoria_[indice(e)];
    const double f = (v - t.desde) / (t.hasta - t.desde) * kBarras;
    if (f >= 0 && f < kBarras) {
        ++barras_[indice(e)][static_cast<std::size_t>(f)];
    }
    Resumen& r = resumenes_[indice(e)];
    ++r.n;
    const double delta = v - r.media;
    r.media += delta / static_cast<double>(r.n);
    r.m2 += delta * (v - r.media);
}

void Simulador::agregar(Globales& g, std::int64_t m) {
    if (!valida_ || m <= 0) {
        return;
    }
    if (modo_ == Modo::Barajar) {
        agregarBarajadas(m);
        return;
    }
    if (modo_ == Modo::Bootstrap) {
        agregarRemuestras(m);
        return;
    }
    agregarModelo(g, m);
}

void Simulador::agregarModelo(Globales& g, std::int64_t m) {
    if (g.nivelConf != nivelConf_ || g.nivelPred != nivelPred_ || g.xPred != xPred_ ||
        g.valoresExactos != exactos_) {
        tomarNiveles(g);
        contados_ = cubren_ = predicciones_ = medias_ = rechazos_ = 0;
        intervalos_.clear();
        siguienteIntervalo_ = 0;
    }
    const std::size_t n = x_.size();
    const double nd = static_cast<double>(n);
    const int gl = static_cast<int>(n) - 2;
    const double qConf = critico(g, nivelConf_, gl);
    const double qPred = critico(g, nivelPred_, gl);
    qConf_ = S(qConf);
    qPred_ = S(qPred);
    const double d = D(xPred_) - mediaX_;
    const double palancaPred = d * d / sxx_;
    const double mediaPred = beta0_ + beta1_ * D(xPred_);

    std::vector<double> y(n);
    for (std::int64_t j = 0; j < m; ++j) {
        double sy = 0, syy = 0, sxy = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double yi = beta0_ + beta1_ * x_[i] + sigma_ * normal_(azar_);
            y[i] = yi;
            sy += yi;
            syy += yi * yi;
            sxy += (x_[i] - mediaX_) * yi;
        }
        const double mediaY = sy / nd;
        const double b = sxy / sxx_;
        const double a = mediaY - b * mediaX_;
        const double scErr = std::max(0.0, (syy - nd * mediaY * mediaY) - b * sxy);
        const double s2 = scErr / gl;
        const double s = std::sqrt(s2);
        const double eeB = std::sqrt(s2 / sxx_);
        const double t = eeB > 0 ? (b - beta1_) / eeB : (b == beta1_ ? kNaN : kInfinito);

        anotar(Estadistica::Pendiente, D(S(b)));
        anotar(Estadistica::Intercepto, D(S(a)));
        anotar(Estadistica::Varianza, D(S(s2)));
        anotar(Estadistica::T, D(S(t)));

        const Intervalo iv{S(b - qConf * eeB), S(b + qConf * eeB),
                           D(S(b - qConf * eeB)) <= beta1_ && beta1_ <= D(S(b + qConf * eeB))};
        const double yGorro = a + b * D(xPred_);
        const double nueva = mediaPred + sigma_ * normal_(azar_);
        const double wI = qPred * s * std::sqrt(1 + 1 / nd + palancaPred);
        const double wM = qPred * s * std::sqrt(1 / nd + palancaPred);
        ++contados_;
        cubren_ += iv.cubre;
        predicciones_ += std::fabs(nueva - yGorro) <= wI;
        medias_ += std::fabs(mediaPred - yGorro) <= wM;
        // |t| at or beyond the critical value: a p-value at or below 1 - level.
        rechazos_ += eeB > 0 ? std::fabs(b / eeB) >= qConf : b != 0;

        guardarRecta(a, b);
        anillo(intervalos_, siguienteIntervalo_, kIntervalos, iv);
    }
    muestras_ += m;
    yUltima_.assign(y.begin(), y.end());
    xUltima_.assign(x_.begin(), x_.end());
}

} // namespace rectaviva
