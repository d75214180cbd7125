// The views beyond the design, in the order they draw (each one's items lie
// above the items of the views before it). Adding a view: its files, and its
// include and its entry here.
#pragma once

#include "vista.h"
#include "vista_influencia.h"
#include "vista_mirecta.h"
#include "vista_residuos.h"
#include "vista_retos.h"
#include "vista_simulacion.h"
#include "vista_transformar.h"

namespace rectaviva {

using Vistas = ListaDeVistas<VistaResiduos, VistaInfluencia, VistaMiRecta, VistaSimulacion,
                             VistaTransformar, VistaRetos>;

} // namespace rectaviva
