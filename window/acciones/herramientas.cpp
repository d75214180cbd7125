// The cloud tools' steps and limits.
#include "herramientas.h"

#include "escala.h"
#include "muestra_transformada.h"
#include "redondeo.h"

namespace rectaviva {

namespace {

constexpr float kContraccion = 0.995f;
constexpr float kExpansion = 1.005f;
// The weight of the mean: 1 - 0.995 and 1.005 - 1 in single precision.
constexpr float kPesoMedia = 0.004999995f;
// A contraction stops when the reference point is this close to the mean,
// in units of the design's grid.
constexpr float kLimiteContraccion = 5.0f;

enum class Eje { X, Y };

// The length of a unit of the design's grid along the axis: the steps,
// margins and limits below keep their share of any plot range.
double unidad(const Globales& g, Eje eje) {
    return D(eje == Eje::Y ? unidadY(g) : unidadX(g));
}

// Moves and the expansions stop as soon as any point would come within the
// margin (0.06 layout units) of an edge of the plot.
bool dentro(const Globales& g, Eje eje, float v) {
    if (eje == Eje::Y) {
        const double margen = 0.06 * D(g.escalaY) * unidad(g, eje);
        return D(v) > D(g.yMin) + margen && D(v) < D(g.yMax) - margen;
    }
    const double margen = 0.06 * D(g.escalaX) * unidad(g, eje);
    return D(v) > D(g.xMin) + margen && D(v) < D(g.xMax) - margen;
}

void colocar(Eje eje, Integer k, float v, ColocarMarcador& marcador) {
    if (eje == Eje::Y) {
        marcador.y(k, v);
    } else {
        marcador.x(k, v);
    }
}

enum class Accion { Contrae, Expande, Suma, Resta };

// One coordinate's part of a step; returns false when its limit is reached.
// On a transformed axis a step that the transformation could not take back
// is not made, and sets borde.
bool mover(Globales& g, Eje eje, Accion accion, Integer k, const Referencias& ref,
           ColocarMarcador& marcador, bool& borde) {
    float& v = eje == Eje::Y ? g.yObs(k) : g.xObs(k);
    const float antes = v;
    const float media = eje == Eje::Y ? g.mediaY : g.mediaX;
    const double paso = 0.02 * D(eje == Eje::Y ? g.escalaY : g.escalaX) * unidad(g, eje);
    bool ok = true;
    switch (accion) {
    case Accion::Contrae: {
        v = S(D(kContraccion) * D(v) + D(kPesoMedia) * D(media));
        const float ref_ = eje == Eje::Y ? g.yObs(ref.refY) : g.xObs(ref.refX);
        ok = !(D(ref_) - D(media) < D(kLimiteContraccion) * unidad(g, eje));
        break;
    }
    case Accion::Expande:
        v = S(D(kExpansion) * D(v) - D(kPesoMedia) * D(media));
        ok = dentro(g, eje, v);
        break;
    case Accion::Suma:
        v = S(D(v) + paso);
        ok = dentro(g, eje, v);
        break;
    case Accion::Resta:
        v = S(D(v) - paso);
        ok = dentro(g, eje, v);
        break;
    }
    const Transformacion t = eje == Eje::Y ? transformacionY(g) : transformacionX(g);
    if (t != Transformacion::Ninguna &&
        !sePuedeDeshacer(t, v, eje == Eje::Y ? g.redondeoY : g.redondeoX)) {
        v = antes;
        borde = true;
        return false;
    }
    if (ok) {
        colocar(eje, k, v, marcador);
    }
    return ok;
}

void pasoEnPunto(Globales& g, Herramienta h, Integer k, const Referencias& ref, bool& okX,
                 bool& okY, bool& borde, ColocarMarcador& marcador) {
    switch (h) {
    case Herramienta::ContraeVertical:
        okY = mover(g, Eje::Y, Accion::Contrae, k, ref, marcador, borde) && okY;
        break;
    case Herramienta::ExpandeVertical:
        okY = mover(g, Eje::Y, Accion::Expande, k, ref, marcador, borde) && okY;
        break;
    case Herramienta::ContraeHorizontal:
        okX = mover(g, Eje::X, Accion::Contrae, k, ref, marcador, borde) && okX;
        break;
    case Herramienta::ExpandeHorizontal:
        okX = mover(g, Eje::X, Accion::Expande, k, ref, marcador, borde) && okX;
        break;
    case Herramienta::Sube:
        okY = mover(g, Eje::Y, Accion::Suma, k, ref, marcador, borde) && okY;
        break;
    case Herramienta::Baja:
        okY = mover(g, Eje::Y, Accion::Resta, k, ref, marcador, borde) && okY;
        break;
    case Herramienta::Izquierda:
        okX = mover(g, Eje::X, Accion::Resta, k, ref, marcador, borde) && okX;
        break;
    case Herramienta::Derecha:
        okX = mover(g, Eje::X, Accion::Suma, k, ref, marcador, borde) && okX;
        break;
    case Herramienta::Contrae:
        okY = mover(g, Eje::Y, Accion::Contrae, k, ref, marcador, borde) && okY;
        okX = mover(g, Eje::X, Accion::Contrae, k, ref, marcador, borde) && okX;
        break;
    case Herramienta::Expande:
        okY = mover(g, Eje::Y, Accion::Expande, k, ref, marcador, borde) && okY;
        okX = mover(g, Eje::X, Accion::Expande, k, ref, marcador, borde) && okX;
        break;
    }
}

} // namespace

Referencias buscarReferencias(const Globales& g) {
    Referencias r;
    const Integer n = g.nPuntos < maxPuntos ? g.nPuntos : maxPuntos;
    for (Integer k = 2; k <= n; ++k) {
        if (g.xObs(k) > g.xObs(r.refX)) {
            r.refX = k;
        }
        if (g.yObs(k) > g.yObs(r.refY)) {
            r.refY = k;
        }
    }
    return r;
}

void pasoHerramienta(Globales& g, Herramienta h, Integer k, const Referencias& ref, bool& okX,
                     bool& okY, ColocarMarcador& marcador) {
    bool borde = false;
    pasoEnPunto(g, h, k, ref, okX, okY, borde, marcador);
}

FinDePaso pasoNube(Globales& g, Herramienta h, const Referencias& ref, ColocarMarcador& marcador) {
    for (Integer k = 1; k <= g.nPuntos && k <= maxPuntos; ++k) {
        bool okX = true;
        bool okY = true;
        bool borde = false;
        pasoEnPunto(g, h, k, ref, okX, okY, borde, marcador);
        if (!okX || !okY) {
            return borde ? FinDePaso::Borde : FinDePaso::Limite;
        }
    }
    return FinDePaso::Sigue;
}

} // namespace rectaviva
