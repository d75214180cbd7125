// The ten cloud tools: one step of a tool on one point, with the tool's
// limit, and the step over the whole cloud that the window repeats while the
// button is held; the points whose markers must move are reported through
// ColocarMarcador.
#pragma once

#include "Globales.h"

namespace rectaviva {

enum class Herramienta : int {
    ContraeVertical = 0,
    ExpandeVertical = 1,
    ContraeHorizontal = 2,
    ExpandeHorizontal = 3,
    Sube = 4,
    Baja = 5,
    Izquierda = 6,
    Derecha = 7,
    Contrae = 8,
    Expande = 9,
};

// Told the new x (or y) of point k, in plot units, after a step moved it:
// the window places that point's marker.
class ColocarMarcador {
public:
    virtual ~ColocarMarcador() = default;
    virtual void x(Integer k, float x) = 0;
    virtual void y(Integer k, float y) = 0;
};

// The points that a contraction watches: the first with the largest x and
// the first with the largest y among 1..nPuntos, found once at the press.
struct Referencias {
    Integer refX = 1;
    Integer refY = 1;
};

Referencias buscarReferencias(const Globales& g);

// Applies one step of tool `h` to point k. The coordinate changes first; if
// the tool's limit is then reached okX or okY becomes false and that
// coordinate's marker stays where it was, otherwise the marker follows.
void pasoHerramienta(Globales& g, Herramienta h, Integer k, const Referencias& ref, bool& okX,
                     bool& okY, ColocarMarcador& marcador);

// How a step of the cloud ended: every point moved, a limit reached, or
// a transformed axis's edge (a point the transformation could not take back).
enum class FinDePaso { Sigue, Limite, Borde };

// One step of tool `h` over points 1..nPuntos in order. The point at which a
// limit is reached ends the step: it keeps its new coordinate (at an edge of
// the transformation, its old one), and the points after it are not moved.
FinDePaso pasoNube(Globales& g, Herramienta h, const Referencias& ref, ColocarMarcador& marcador);

} // namespace rectaviva
