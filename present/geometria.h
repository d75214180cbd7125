// The numbers behind the drawn elements, computed from the shared state
// without touching a control: value-bar widths and offsets, the fitted line's
// end points, the band segments and the prediction marks. The presentation
// applies them to the controls; the tests and the benchmark check them alone.
#pragma once

#include "Globales.h"
#include "cajas.h"

#include <array>

namespace rectaviva {

// Number of value bars, Shape2(0..22).
inline constexpr int numBarras = 23;

// Width of each bar in twips, by the scales of the table of boxes, after the
// clamps: 0 for a negative or undefined raw width, anchoMaximo (twips) for
// one past it.
std::array<Single, numBarras> anchosBarras(const Globales& g, Single anchoMaximo);

// Twips from the left edge of row f's box to the start of its bar: 0 for a
// bar that starts at the edge, and when the lower limit lies left of the
// scale's origin or is undefined. The interval bars of the intercept
// (under Text1(5)) and of the slope (under Text1(7)):
Single desplazamientoBarra(const FilaCaja& f, const Globales& g);
Single desplazamientoIntervaloA(const Globales& g);
Single desplazamientoIntervaloB(const Globales& g);

// A straight segment in plot units; `visible` is false when an end is not a
// finite number, so the element is hidden instead of drawn from garbage.
struct Segmento {
    Single x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = false;
};

// The fitted line y = a + b·x across the plotted x range xMin..xMax; each
// ordinate is evaluated in double precision and stored as a float.
Segmento rectaAjustada(const Globales& g, Single a, Single b);

// Segment k (0..19) of band row `fila` of banda (0, 1: one observation;
// 2, 3: mean response), from xBanda(k) to xBanda(k + 1).
Segmento segmentoBanda(const Globales& g, int fila, int k);

// The prediction marks at xPred: `fila` 0 spans banda(0,21)..banda(1,21)
// (one observation), `fila` 2 spans banda(2,21)..banda(3,21) (mean response).
Segmento marcaPrediccion(const Globales& g, int fila);

// Top-left corner of a point's marker in plot units: one unit of the
// design's grid left of the point and one above it. Every marker of the plot
// is placed by this rule.
struct Esquina {
    Single left = 0, top = 0;
};
Esquina esquinaMarcador(const Globales& g, Single x, Single y);

// The corner of a dragged marker (w × h plot units) centred on the mouse at
// (X, Y), clamped so that the whole marker stays inside the plot.
Esquina esquinaArrastrada(const Globales& g, Single X, Single Y, Single w, Single h);

// The left (top) edge of a marker after a cloud tool moved its point to x
// (y): by the placement rule while the point lies on the plot; a point still
// off the plot (dragged past an edge, then brought back by a contraction)
// keeps its marker against that edge instead of carrying it off the plot.
Single izquierdaTrasPaso(const Globales& g, Single x, Single w);
Single arribaTrasPaso(const Globales& g, Single y, Single h);

// The residual segment of a marker centred at (cx, cy): vertical, from the
// centre to the line a + b·x; hidden when an end is not finite.
Segmento segmentoResiduo(Single cx, Single cy, Single a, Single b);

// A line y = a + b·x.
struct Recta {
    Single a = 0, b = 0;
};

// The student's line through its two handles, (xAsa(g, 0), yAsa(0)) and
// (xAsa(g, 1), yAsa(1)).
Recta rectaPorAsas(const Globales& g);

// The line of standard deviations, through (mean x, mean y) with slope
// sign(r)·s_y/s_x, across the plot: horizontal when every y is equal,
// vertical through the mean x when every x is, hidden when both are.
Segmento rectaDesviaciones(const Globales& g);

// A rectangle in plot units: top-left corner and extent (y grows upwards).
struct Rectangulo {
    Single left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
};

// The square drawn on a residual segment: equal sides on the screen, with
// pxX and pxY the plot's pixels per unit across and up; on the segment's
// right, or on its left where the right would leave the plot.
Rectangulo cuadradoResiduo(const Globales& g, const Segmento& s, double pxX, double pxY);

// A point's marker (w × h units) in the residual plot at (x, e): centred on
// it, kept inside -40..100 across; a residual beyond ±limite (or infinite)
// puts the marker at that edge and `fuera` says on which (+1 above, -1 below).
struct MarcaResiduo {
    Esquina esquina;
    int fuera = 0;
    bool visible = false;
};
MarcaResiduo marcaResiduo(const Globales& g, Single x, Single e, Single w, Single h, Single limite);

} // namespace rectaviva
