// What an undo step keeps: the sample and the settings before or after a
// gesture, with the markers where they were (Form1::Instantanea).
#pragma once

#include "Globales.h"
#include "estado.h"

#include <QPointF>

#include <array>

namespace rectaviva {

struct Instantanea {
    EstadoMuestra muestra;
    std::array<QPointF, maxPuntos + 1> marcas{}; ///< markers' corners, plot units
    Single xPredDiseno = 0;
};

} // namespace rectaviva
