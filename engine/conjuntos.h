// The example data sets the program offers: published measurements, each
// with its names, a short description and its source.
#pragma once

#include <vector>

namespace rectaviva {

struct ConjuntoEjemplo {
    const char* nombre;      ///< as the menu shows it
    const char* descripcion; ///< one or two sentences on what the data show
    const char* fuente;      ///< the publication the numbers come from
    const char* nombreX;     ///< variable names, with their units
    const char* nombreY;
    std::vector<double> x, y; ///< each the double nearest to the published decimal
};

// All the sets, in menu order; built once.
const std::vector<ConjuntoEjemplo>& conjuntosEjemplo();

} // namespace rectaviva
