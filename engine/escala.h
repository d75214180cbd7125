// The plot's range and its units: the design's grid -40..100 for random
// samples, a range of round numbers around a loaded data set. Every rule
// stated in units of the design's grid (a marker's offset, the hit box, the
// tools' steps, margins and limits, the handles of the own line) is applied
// in `unidadX`/`unidadY`, the length of one such unit in the plot's range,
// which is exactly 1 on the design's grid; so the same expressions give the
// design's values bit for bit there and keep their share of any other range.
#pragma once

#include "Calculos.h"
#include "Globales.h"
#include "Tablas.h"

#include <string>
#include <vector>

namespace rectaviva {

// The design's grid: -40..100 in x and in y, 140 units across.
inline constexpr Single minimoDiseno = -40.0f;
inline constexpr Single maximoDiseno = 100.0f;
inline constexpr double anchoDiseno = 140.0;

// The length in plot units of one unit of the design's grid.
Single unidadX(const Globales& g);
Single unidadY(const Globales& g);

// The design's axis, and one that holds lo..hi with a margin of 8 % of their
// span on each side in at most eight steps between labels. A span of zero
// (every value equal) takes a span of the value's size, or of 1 at 0.
EjeRedondo ejeDiseno();
EjeRedondo ejeRedondo(double lo, double hi);

// Whether values lo..hi can be plotted: the round axis around them, in
// floats, spans at least 140 steps of a float there, so that one unit of
// the design's grid (a marker's offset, a hit box, a tool's step) is still
// one. Values much closer together than their size cannot be told apart.
bool rangoDibujable(double lo, double hi);

// v rounded half to even at `decimales` decimals (negative: to tens,
// hundreds…), as a drag stores a coordinate.
Single redondearA(Single v, int decimales);

// The decimals of the longest of the shortest texts that read back as the
// values (0.5 has one, 12.25 two), at most 9: how a set of published
// numbers is written.
int decimalesDe(const std::vector<double>& v);

// A data set as the program loads it: the points, which are in use, the
// axes' titles, and the decimals its numbers are written with.
struct MuestraDatos {
    std::vector<double> x, y; ///< as read: kept to the digit beside their floats
    std::vector<Byte> activo; ///< empty: every point in use
    std::string nombre;       ///< the set's name, "" for a pasted table
    std::string nombreX = "x", nombreY = "y";
    int decimalesX = 0, decimalesY = 0;
};

// Loads a data set into the sample: coordinates, points in use, the plot's
// range from the data, the list's decimals and the drag's (the data's, not
// finer than a thousandth of the axis), and the prediction's abscissa at the
// middle of the data. Refuses (false, nothing changed) anything but 3..50
// points with at least 3 in use, every coordinate at most kMayorValor in
// size, and ranges that rangoDibujable can plot.
bool cargarMuestra(Globales& g, const MuestraDatos& d);

// The design's grid again, for a random sample: the range -40..100 and no
// data set.
void volverAlDiseno(Globales& g);

// The abscissa of handle i (0 left, 1 right) of the own line: -20 and 80 on
// the design's grid, at the same places of any other range.
Single xAsa(const Globales& g, int i);

// The cloud drawn on the design's grid: the sample mapped affinely from the
// plot's range onto -40..100 in both directions, with the same points in use,
// levels and distributions, and its fit, intervals, tests and ANOVA. The
// value bars of a data set are sized from it, so that a bar means on any
// data what it means on a random sample.
class ImagenEnDiseno {
public:
    ImagenEnDiseno() = default;
    // The image of g's sample, recomputed.
    const Globales& de(const Globales& g);

private:
    Globales g_;
    Tablas tablas_{g_};
    Calculos calculos_{g_};
};

} // namespace rectaviva
