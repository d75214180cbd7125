// All of the control layer in one include.
#pragma once

#include "Ampliacion.h"
#include "Contenedor.h"
#include "Controles.h"
#include "Elementos.h"
#include "EscalaContenedor.h"
#include "Eventos.h"
#include "Foco.h"
#include "Lugar.h"
#include "Matriz.h"
#include "PictureBox.h"
#include "Relleno.h"
#include "Svg.h"
