// The generators of the residual rounds, one per pattern, as the round
// drawn from a code uses them.
#pragma once

#include "azar_reto.h"
#include "retos.h"

#include <vector>

namespace rectaviva::generadores {

struct Muestra {
    std::vector<double> x, y;
};

// The n points of a pattern's sample, in double, before rounding and before
// the shift that centres them; an outlier's or a leverage round's marked
// point is the last.
Muestra muestraDePatron(Patron patron, AzarReto& a, int n);

} // namespace rectaviva::generadores
