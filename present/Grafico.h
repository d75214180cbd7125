// The window's plot operations on Picture1: its user scale, the placement of
// the point markers and of the fitted line. They take the controls they set,
// so the window calls them by name with its own controls.
#pragma once

#include "Globales.h"
#include "controles.h"

namespace rectaviva {

// Colour of a point in use, for a marker's fill and border.
inline const QColor colorPuntoActivo{0, 0, 220};
// Colour of a deleted point's marker.
inline const QColor colorPuntoEliminado{180, 180, 180};

// Clears pic's printed output and gives it the user scale whose upper-left
// corner is (x1, y2) and lower-right corner (x2, y1): y grows upwards.
void fijarEscala(PictureBox& pic, const Integer& x1, const Integer& x2, const Integer& y1,
                 const Integer& y2);

// Places and shows the markers of points 1..n (top-left corner one unit left
// of and one unit above the point) in the colour of a point in use, and
// hides markers n + 1..50. Uses the shared index, which ends at 51.
void ubicarPuntos(const Matriz<Shape>& Shape1, Globales& g, const Integer& n,
                  const ArregloMuestra<Single>& x, const ArregloMuestra<Single>& y);

// Sets the fitted line y = a + b·x from xMin to xMax. A line with an end that
// is not a finite number (all x equal) is hidden until it is finite again.
void trazarRecta(Line& Line3, const Globales& g, const Single& a, const Single& b);

} // namespace rectaviva
