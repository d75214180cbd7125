// The influence view's drawing: a ring around each marker in use by its
// Cook's distance (in a cloud of more than 50 points, only around the few
// most influential, with their row numbers), the dashed line of the fit
// without the point being dragged, and the text of a point's tooltip.
#pragma once

#include "mostrar.h"

#include <QString>

namespace rectaviva {

struct PantallaInfluencia {
    Matriz<Shape>& Shape9; ///< rings in Picture1, 1..50
    Line& Line18;          ///< the fit without the dragged point, dashed
    Rotulos& Rotulos9;     ///< a cloud's row numbers of the ringed points
    const Nube& Nube1;     ///< the plot's cloud: where each point is drawn
};

// The radius, in pixels, of the influence ring of a point whose Cook's
// distance is D: its disc's area grows in proportion to D from a ring just
// around the marker, up to a cap that keeps the plot readable. NaN: none.
double radioAnillo(Single cook);

// How much a point pulls the line by Cook's distance: 0 up to 4/n (plain),
// 1 up to 1 (worth a look), 2 beyond 1 (strong).
int nivelInfluencia(Single cook, Integer n);

class PresentacionInfluencia {
public:
    PresentacionInfluencia(Globales& g, mostrar& m, PantallaInfluencia& p) : g_(g), m_(m), p_(p) {}

    // While the view is on: the rings, and for point k dragged with the left
    // button (0 for none) the dashed fit without it (aSin, bSin) across the plot.
    void mostrarInfluencia(Integer k);
    // Hides the rings and the dashed line (the view turned off).
    void ocultarInfluencia();
    // "Punto k: x = …, y = …, residuo = …, …" for the tooltip of point k.
    QString textoInfluencia(Integer k) const;

private:
    // Ring j (1..) around point k's marker, centred at c, by its distance.
    void ponerAnillo(int j, Integer k, QPointF c);

    Globales& g_;
    mostrar& m_;
    PantallaInfluencia& p_;
};

} // namespace rectaviva
