// The plot's background: the fixed grid for the user range -40..100 in x and
// in y, painted at run time at the device's own resolution.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Colours of the grid, shared with the code that checks it.
inline const QColor colorCampoCuadricula{255, 214, 120}; // light orange-yellow field
inline const QColor colorLineaCuadricula{240, 140, 60};  // thin lines every 5 units
inline const QColor colorEjeCuadricula{200, 70, 0};      // axis lines x = 0 and y = 0
inline const QColor colorTextoCuadricula{96, 96, 96};    // tick labels

// Fills `destino` (the whole plot area, device-independent pixels) with the
// grid: field, lines every 5 units, both axes through the origin and the
// labels -40, -20, ..., 100 under the x axis and left of the y axis.
// y grows upwards: -40 is at the bottom edge, 100 at the top edge.
void pintarCuadricula(QPainter& p, const QRectF& destino);

// The residual plot's range in y: -residuoMaximo..residuoMaximo plot units.
inline constexpr double residuoMaximo = 70.0;

// Fills `destino` with the residual plot's background: the plot's verticals
// every 5 units from -40 to 100 (so each residual sits under its point), the
// zero line, lines at half the range and their labels.
void pintarCuadriculaResiduos(QPainter& p, const QRectF& destino);
