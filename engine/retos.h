// The challenges: scored rounds that ask the student to guess r, to place a
// line, or to build a cloud with a given fit. Every round is drawn from its
// challenge and a four-digit code, so that a class can play the same round
// from "Adivina la correlación, reto 4817" written on the board.
#pragma once

#include "Globales.h"

#include <cstdint>
#include <vector>

namespace rectaviva {

class AzarReto;

enum class Reto : std::uint8_t { Correlacion, Recta, Nube, Residuos };

// What the residuals of a round say, in the order of the panel's answers.
enum class Patron : std::uint8_t {
    Ninguno,    ///< "Nada indica que el modelo falle"
    Curvatura,  ///< the relation is not a line
    Dispersion, ///< the spread grows (or shrinks) with x
    Atipico,    ///< one outlier in y, of little leverage
    Palanca,    ///< one point far in x that pulls the line
    Grupos,     ///< two distinct groups
};
inline constexpr int numPatrones = 6;

// What a correlation cloud is: a plain one, or one whose r misleads the eye.
enum class Engano : std::uint8_t {
    Ninguno, ///< points around a line, as r assumes
    Curva,   ///< a strong curved relation that r, a measure of lines, misses
    Atipico, ///< one point far from the others that makes or breaks r
    Grupos,  ///< two groups whose separation makes r, not a trend within them
};

// The target of "Construye una nube".
enum class TipoObjetivo : std::uint8_t {
    Correlacion, ///< r within tolerancia of valor
    Pendiente,   ///< b within tolerancia of valor, with R² at least minimoR2
    Plana,       ///< |r| at most tolerancia with s at most valor: a flat line that fits
};

struct Objetivo {
    TipoObjetivo tipo = TipoObjetivo::Correlacion;
    float valor = 0;
    float tolerancia = 0;
    float minimoR2 = 0; ///< percent, for Pendiente
};

struct PuntoReto {
    float x = 0, y = 0; ///< whole plot units, inside the design's plot
    bool operator==(const PuntoReto&) const = default;
};

struct RondaReto {
    Reto reto = Reto::Correlacion;
    int codigo = 0;
    Engano engano = Engano::Ninguno; ///< correlation rounds only
    Objetivo objetivo;               ///< cloud rounds only
    std::vector<PuntoReto> puntos;   ///< 10 to 50 points
    // Residual rounds only: the pattern, each point's group (0 or 1, for two
    // groups) and the point that makes the pattern (the outlier or the
    // leverage point, 0-based; -1 for none).
    Patron patron = Patron::Ninguno;
    std::vector<std::uint8_t> grupo;
    int senalado = -1;
};

inline constexpr int primerCodigo = 1000;
inline constexpr int ultimoCodigo = 9999;

inline bool codigoValido(int codigo) {
    return codigo >= primerCodigo && codigo <= ultimoCodigo;
}
// A code from a uniform draw in [0, 1).
int codigoAlAzar(double u);
// The round of a challenge and a valid code, the same on every computer.
RondaReto rondaDeCodigo(Reto reto, int codigo);

// Whether the fit in `g` (the float engine's, after Calcula) meets the target.
bool objetivoCumplido(const Objetivo& o, const Globales& g);

} // namespace rectaviva
