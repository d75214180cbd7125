// A data set seen through a transformation ("Transformar"): the sample holds
// g(x) and f(y), loaded as any data set is (its range, its decimals), while
// the data's own values and decimals are kept in the state, so that undoing,
// going back, copying and reading the fit in the data's units all start
// from the numbers as they were loaded.
#pragma once

#include "Globales.h"
#include "transformaciones.h"

#include <vector>

namespace rectaviva {

inline Transformacion transformacionX(const Globales& g) {
    return static_cast<Transformacion>(g.transformacionX);
}
inline Transformacion transformacionY(const Globales& g) {
    return static_cast<Transformacion>(g.transformacionY);
}
inline bool hayTransformacion(const Globales& g) {
    return g.transformacionX != 0 || g.transformacionY != 0;
}

// Point k's value in the data's own units: as loaded while the point stays
// where the transformation put it; its transformed value taken back once it
// has moved; without a transformation, the point's value (valorX, valorY).
double originalX(const Globales& g, Integer k);
double originalY(const Globales& g, Integer k);

// The points in use, in order, in the data's own units.
struct OriginalesEnUso {
    std::vector<double> x, y;
};
OriginalesEnUso originalesEnUso(const Globales& g);

// How many points' own values make t undefined for x (or y): 0 lets it be
// chosen.
int impidenX(const Globales& g, Transformacion t);
int impidenY(const Globales& g, Transformacion t);
// Whether t is monotone over every point's own value of x (or y): with
// impiden 0, what lets it be chosen.
bool monotonaEnX(const Globales& g, Transformacion t);
bool monotonaEnY(const Globales& g, Transformacion t);

// Whether a point moved to v on an axis transformed by t can be taken back
// to the data's units: no negative root or square, no reciprocal closer to 0
// than the axis's last decimal, no power beyond a double.
bool sePuedeDeshacer(Transformacion t, Single v, Integer decimales);

// Loads g(x) and f(y) of the data's own values as the sample, with the same
// points in use (both Ninguna: the data as they were, with their decimals).
// False, nothing changed, without a data set, when a value is undefined
// under either transformation, either is not monotone over its values, or
// the transformed ranges cannot be plotted.
bool transformarMuestra(Globales& g, Transformacion tx, Transformacion ty);

} // namespace rectaviva
