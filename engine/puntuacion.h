// The points of the challenges' rounds and the history of the rounds played,
// which the teacher collects as CSV.
#pragma once

#include "retos.h"

#include <string>
#include <vector>

namespace rectaviva {

// A correlation guess: 100 · (1 − |error|), rounded, never below 0.
int puntosCorrelacion(double error);
// A guess whose error is below this size keeps the streak going.
inline constexpr double errorDeRacha = 0.05;
// The bonus of the k-th good guess in a row: 10 · (k − 1), at most 50.
int bonoDeRacha(int racha);
// A placed line: 100 · SCErr(least squares) / SCErr(own line), rounded; 100
// when both are 0 (every point on the line), 0 when the own sum is not a
// number or infinite.
int puntosRecta(double scMinimos, double scPropia);
// A cloud built in `movimientos` moves (drags, deletions, restorations):
// 100 for one, 5 fewer for each further move, never below 10.
int puntosNube(int movimientos);
// A residual round: 100 for the pattern that made the round, 0 for another.
int puntosResiduos(Patron respuesta, Patron verdad);

struct RondaJugada {
    Reto reto = Reto::Correlacion;
    int codigo = 0;
    // r guessed; the own line's SCErr; the value reached; the pattern answered
    // (its number in Patron, written in the CSV as its name)
    double respuesta = 0;
    // r; the least-squares SCErr; the target (r = 0 for a flat line); the
    // round's pattern (its number, like respuesta)
    double verdad = 0;
    double error = 0;    ///< respuesta − verdad; NaN, and not written, for residual rounds
    int movimientos = 0; ///< cloud rounds only
    int puntos = 0;      ///< with the streak's bonus
    std::string hora;    ///< local time the round ended, "2026-12-10 09:15:02"
    double segundos = 0; ///< from the round's start to its end
};

class Historial {
public:
    // Adds a round and returns its points, the streak's bonus included.
    int agregar(RondaJugada r);
    const std::vector<RondaJugada>& rondas() const { return rondas_; }
    int total() const;
    // The longest run of correlation guesses within errorDeRacha.
    int mejorRacha() const { return mejorRacha_; }
    int rachaActual() const { return racha_; }
    // The mean |error| of the correlation guesses; NaN without any.
    double errorMedioAbsoluto() const;
    // One line per round under a header of column names, comma-separated with
    // a decimal point, as "Guardar datos…" writes a sample.
    std::string csv() const;

private:
    std::vector<RondaJugada> rondas_;
    int racha_ = 0, mejorRacha_ = 0;
};

} // namespace rectaviva
