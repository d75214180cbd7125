// Scoring rules and the history of rounds.
#include "puntuacion.h"

#include "redondeo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>

namespace rectaviva {

int puntosCorrelacion(double error) {
    if (!std::isfinite(error)) {
        return 0;
    }
    return std::max(0, static_cast<int>(redondearPar(100.0 * (1.0 - std::fabs(error)))));
}

int bonoDeRacha(int racha) {
    return std::clamp(10 * (racha - 1), 0, 50);
}

int puntosRecta(double scMinimos, double scPropia) {
    if (!std::isfinite(scPropia) || !std::isfinite(scMinimos)) {
        return 0;
    }
    if (scPropia <= 0) {
        return 100;
    }
    // Rounding may leave the own sum a hair below the least one: never over 100.
    return std::clamp(static_cast<int>(redondearPar(100.0 * scMinimos / scPropia)), 0, 100);
}

int puntosNube(int movimientos) {
    return std::max(10, 100 - 5 * (std::max(movimientos, 1) - 1));
}

int puntosResiduos(Patron respuesta, Patron verdad) {
    return respuesta == verdad ? 100 : 0;
}

int Historial::agregar(RondaJugada r) {
    if (r.reto == Reto::Correlacion) {
        racha_ = std::fabs(r.error) < errorDeRacha ? racha_ + 1 : 0;
        mejorRacha_ = std::max(mejorRacha_, racha_);
        r.puntos += bonoDeRacha(racha_);
    }
    rondas_.push_back(std::move(r));
    return rondas_.back().puntos;
}

int Historial::total() const {
    return std::accumulate(rondas_.begin(), rondas_.end(), 0,
                           [](int t, const RondaJugada& r) { return t + r.puntos; });
}

double Historial::errorMedioAbsoluto() const {
    double suma = 0;
    int n = 0;
    for (const RondaJugada& r : rondas_) {
        if (r.reto == Reto::Correlacion) {
            suma += std::fabs(r.error);
            ++n;
        }
    }
    return n == 0 ? std::numeric_limits<double>::quiet_NaN() : suma / n;
}

namespace {

// The shortest text that reads back as the value: as a float when the value
// is one (an r from the engine), else as a double; empty for NaN.
std::string numero(double v) {
    if (std::isnan(v)) {
        return {};
    }
    char b[32];
    const auto f = static_cast<float>(v);
    const auto fin = static_cast<double>(f) == v ? std::to_chars(b, b + sizeof b, f).ptr
                                                 : std::to_chars(b, b + sizeof b, v).ptr;
    return {b, fin};
}

const char* nombreDeReto(Reto r) {
    switch (r) {
    case Reto::Correlacion:
        return "correlacion";
    case Reto::Recta:
        return "recta";
    case Reto::Nube:
        return "nube";
    case Reto::Residuos:
        return "residuos";
    }
    return "";
}

// A residual round's answer and pattern by name; empty for a number that is
// no pattern.
std::string patron(double v) {
    static constexpr const char* nombres[numPatrones] = {"ninguno", "curvatura", "dispersion",
                                                         "atipico", "palanca",   "grupos"};
    const bool valido = v >= 0 && v < numPatrones && v == std::nearbyint(v);
    return valido ? nombres[static_cast<int>(v)] : std::string();
}

} // namespace

std::string Historial::csv() const {
    std::string t = "reto,codigo,respuesta,verdad,error,movimientos,puntos,hora,segundos\n";
    for (const RondaJugada& r : rondas_) {
        const bool residuos = r.reto == Reto::Residuos;
        t += std::string(nombreDeReto(r.reto)) + ',' + std::to_string(r.codigo) + ',' +
             (residuos ? patron(r.respuesta) + ',' + patron(r.verdad) + ','
                       : numero(r.respuesta) + ',' + numero(r.verdad) + ',' + numero(r.error)) +
             ',' + (r.reto == Reto::Nube ? std::to_string(r.movimientos) : std::string()) + ',' +
             std::to_string(r.puntos) + ',' + r.hora + ',' + numero(r.segundos) + '\n';
    }
    return t;
}

} // namespace rectaviva
