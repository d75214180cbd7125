// All of the control layer in one include.
#pragma once

#include "Contenedor.h"
#include "Controles.h"
#include "Elementos.h"
#include "Escala.h"
#include "Foco.h"
#include "Matriz.h"
