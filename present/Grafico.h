// The window's plot operations on Picture1: its user scale, the placement of
// the point markers and of the fitted line, the hit test. They take the
// controls they set, so the window calls them by name with its own controls.
#pragma once

#include "Globales.h"
#include "capa_controles.h"
#include "colores.h"
#include "geometria.h"

namespace rectaviva {

// Clears pic's printed output and gives it the user scale whose upper-left
// corner is (x1, y2) and lower-right corner (x2, y1): y grows upwards.
void fijarEscala(PictureBox& pic, const Single& x1, const Single& x2, const Single& y1,
                 const Single& y2);

// Places and shows the markers of points 1..n (top-left corner one unit of
// the design's grid left of and above the point) in the colour of a point in use, and
// hides markers n + 1..50. Uses the shared index, which ends at 51.
void ubicarPuntos(const Matriz<Shape>& Shape1, Globales& g, const Integer& n,
                  const ArregloMuestra<Single>& x, const ArregloMuestra<Single>& y);

// A data set of more than 50 points is drawn as one cloud of markers painted
// in one pass, not as a shape per point; the grid and smaller sets keep their
// shapes.
inline bool enNube(const Globales& g) {
    return g.nPuntos > maxPuntos;
}
// In a cloud, hides the shapes 1..51 and gives the cloud every point, deleted
// ones in grey; otherwise hides the cloud. The raised point stays raised.
void ubicarNube(Nube& nube, const Matriz<Shape>& Shape1, const Globales& g);
// The cloud's point under (X, Y): the first within 0.15 layout units (as
// units of the design's grid) of its centre; 0 when none is.
Integer puntoBajoRaton(const Nube& nube, const Globales& g, Single X, Single Y);
// Where a point dragged to the mouse at (X, Y) is drawn in a cloud: kept
// inside the plot.
QPointF arrastrarEnNube(const Globales& g, Single X, Single Y);

// Sets the ends of l and shows it, or hides it when s cannot be drawn.
void ponerSegmento(Line& l, const Segmento& s);

// Sets the fitted line y = a + b·x from xMin to xMax. A line with an end that
// is not a finite number (all x equal) is hidden until it is finite again.
void trazarRecta(Line& Line3, const Globales& g, const Single& a, const Single& b);

// The first of points 1..nPuntos whose marker's top-left corner lies strictly
// within 0.15 layout units (as units of the design's grid) of (X, Y); 0 when none does. The
// loop runs on the shared index.
Integer puntoBajoRaton(const Matriz<Shape>& Shape1, Globales& g, Single X, Single Y);

// The handle of the student's line under (X, Y), plot units: 1 for asas(0)
// (left), 2 for asas(1) (right), 0 for none. A hidden handle is never hit.
Integer asaBajoRaton(const Matriz<Shape>& asas, Single X, Single Y);

// Places the marker of a point dragged to the mouse at (X, Y), kept inside
// the plot.
void arrastrarMarcador(Shape& marcador, const Globales& g, Single X, Single Y);

// Places the marker of a point that a cloud tool moved to x (or y).
void colocarTrasPasoX(Shape& marcador, const Globales& g, Single x);
void colocarTrasPasoY(Shape& marcador, const Globales& g, Single y);

// Marker colours: the normal one of point k (in use or deleted), or c.
void colorearMarcador(Shape& marcador, const QColor& c);
QColor colorNormal(const Globales& g, Integer k);

} // namespace rectaviva
