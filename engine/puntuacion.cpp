// Scoring rules and the history of rounds.
#include "puntuacion.h"

#include "redondeo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <string_view>

namespace rectaviva {

double comoSeMuestra(double v, int decimales) {
    if (!std::isfinite(v) || std::fabs(v) >= 1e15) {
        return v;
    }
    return static_cast<double>(unidadesMostradas(v, decimales)) / std::pow(10.0, decimales);
}

long long unidadesMostradas(double v, int decimales) {
    decimales = std::clamp(decimales, 0, 9);
    if (!std::isfinite(v) || std::fabs(v) * std::pow(10.0, decimales) >= 9e17) {
        return 0;
    }
    // The exact digits, far beyond any double's own below 10^15: the first
    // dropped digit decides, as the boxes and sentences round.
    char b[64];
    const auto fin = std::to_chars(b, b + sizeof b, std::fabs(v), std::chars_format::fixed, 30).ptr;
    const std::string_view t(b, static_cast<std::size_t>(fin - b));
    const std::size_t punto = t.find('.');
    long long u = 0;
    for (const char c : t.substr(0, punto)) {
        u = 10 * u + (c - '0');
    }
    for (int k = 0; k < decimales; ++k) {
        u = 10 * u + (t[punto + 1 + static_cast<std::size_t>(k)] - '0');
    }
    u += t[punto + 1 + static_cast<std::size_t>(decimales)] >= '5' ? 1 : 0;
    return v < 0 ? -u : u;
}

int puntosCorrelacion(double error) {
    if (!std::isfinite(error)) {
        return 0;
    }
    const long long centesimas = unidadesMostradas(std::fabs(error), decimalesDeR);
    return static_cast<int>(std::max(0LL, 100 - centesimas));
}

int bonoDeRacha(int racha) {
    return std::clamp(10 * (racha - 1), 0, 50);
}

int puntosRecta(double scMinimos, double scPropia) {
    if (!std::isfinite(scPropia) || !std::isfinite(scMinimos)) {
        return 0;
    }
    scMinimos = comoSeMuestra(scMinimos, decimalesDeSC);
    scPropia = comoSeMuestra(scPropia, decimalesDeSC);
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

int acierto(const RondaJugada& r) {
    switch (r.reto) {
    case Reto::Correlacion:
        return unidadesMostradas(std::fabs(r.error), decimalesDeR) <
                       unidadesMostradas(errorDeRacha, decimalesDeR)
                   ? 1
                   : 0;
    case Reto::Residuos:
        return r.respuesta == r.verdad ? 1 : 0;
    case Reto::Recta:
    case Reto::Nube:
        break;
    }
    return -1;
}

int Historial::agregar(RondaJugada r) {
    if (r.reto == Reto::Correlacion) {
        r.respuesta = comoSeMuestra(r.respuesta, decimalesDeR);
        r.verdad = comoSeMuestra(r.verdad, decimalesDeR);
        r.error = comoSeMuestra(r.respuesta - r.verdad, decimalesDeR);
        r.puntos = puntosCorrelacion(r.error);
    }
    int& racha = racha_[static_cast<std::size_t>(r.reto)];
    if (const int a = acierto(r); a >= 0) {
        racha = a == 1 ? racha + 1 : 0;
        mejorRacha_ = std::max(mejorRacha_, racha);
    }
    if (r.reto == Reto::Correlacion) {
        r.puntos += bonoDeRacha(racha);
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
