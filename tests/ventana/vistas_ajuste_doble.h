// The residual and influence views of a data set checked against a
// double-precision fit of its rows, for the tables of example sets.
#pragma once

#include "Form1.h"
#include "conjuntos.h"

namespace rectaviva::pruebas {

void vistasComoElAjusteDoble(Form1& f, const ConjuntoEjemplo& c);

} // namespace rectaviva::pruebas
