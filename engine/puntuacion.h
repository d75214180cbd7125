// The points of the challenges' rounds and the history of the rounds played,
// which the teacher collects as CSV.
#pragma once

#include "retos.h"

#include <array>
#include <string>
#include <vector>

namespace rectaviva {

// Every rule below decides on the values the student sees: v rounded to
// `decimales` decimals half away from zero on its exact value, as the
// panel writes it; NaN and infinities stay as they are.
double comoSeMuestra(double v, int decimales);
// The same as a whole number of units of the last decimal (-77 for -0.77
// with two decimals); 0 for what is not a finite number.
long long unidadesMostradas(double v, int decimales);
// The decimals of r, of a guess and of its error, and of an SCErr.
inline constexpr int decimalesDeR = 2, decimalesDeSC = 1;

// A correlation guess: 100 · (1 − |error|), with the error as shown (two
// decimals), never below 0.
int puntosCorrelacion(double error);
// A guess whose error, as shown, is below this size keeps the streak going.
inline constexpr double errorDeRacha = 0.05;
// The bonus of the k-th good guess in a row: 10 · (k − 1), at most 50.
int bonoDeRacha(int racha);
// A placed line: 100 · SCErr(least squares) / SCErr(own line), both as
// shown (one decimal), rounded; 100 when the own one shows 0 (every point
// on the line), 0 when the own sum is not a number or infinite.
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

// Whether a round is a hit, for its challenge's streak: a correlation guess
// whose error as shown is below errorDeRacha, a residual round's right
// pattern. A line's and a cloud's rounds have no miss: -1, and they leave
// every streak alone.
int acierto(const RondaJugada& r);

class Historial {
public:
    // Adds a round and returns its points, the streak's bonus included. A
    // correlation round is kept as shown: its guess, r and error to two
    // decimals, its points from that error.
    int agregar(RondaJugada r);
    const std::vector<RondaJugada>& rondas() const { return rondas_; }
    int total() const;
    // Each challenge has its own streak of hits in a row (the rounds of the
    // others neither extend nor break it); the best of any challenge, and
    // the one going on in a challenge.
    int mejorRacha() const { return mejorRacha_; }
    int rachaActual(Reto reto = Reto::Correlacion) const {
        return racha_[static_cast<std::size_t>(reto)];
    }
    // The mean |error| of the correlation guesses; NaN without any.
    double errorMedioAbsoluto() const;
    // One line per round under a header of column names, comma-separated with
    // a decimal point, as "Guardar datos…" writes a sample.
    std::string csv() const;

private:
    std::vector<RondaJugada> rondas_;
    std::array<int, 4> racha_{};
    int mejorRacha_ = 0;
};

} // namespace rectaviva
