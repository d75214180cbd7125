// The views' "Cuadrados" boxes over a cloud: more than 50 points draw no
// squares, and the box says so instead of doing nothing when ticked.
#pragma once

#include "capa_controles.h"

namespace rectaviva {

// Disables `casilla` in a cloud, with the reason as its tooltip and
// accessible description; enables it, without either, otherwise.
void ajustarCasillaCuadrados(CheckBox& casilla, bool enNube);

} // namespace rectaviva
