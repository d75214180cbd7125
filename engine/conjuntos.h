// The example data sets the program offers: published measurements, each
// with its names, a short description and its source. The names and the
// description are written in Spanish and shown translated (context
// "conjuntos"); the source is cited as published.
#pragma once

#include "mensaje.h"

#include <vector>

namespace rectaviva {

struct ConjuntoEjemplo {
    Plantilla nombre;      ///< as the menu shows it
    Plantilla descripcion; ///< one or two sentences on what the data show
    const char* fuente;    ///< the publication the numbers come from, never translated
    Plantilla nombreX;     ///< variable names, with their units
    Plantilla nombreY;
    std::vector<double> x, y; ///< each the double nearest to the published decimal
};

// All the sets, in menu order; built once.
const std::vector<ConjuntoEjemplo>& conjuntosEjemplo();

} // namespace rectaviva
