// The plot's background: the fixed grid for the user range -40..100 in x and
// in y, painted at run time at the device's own resolution.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// Colours of the grid, shared with the code that checks it.
inline const QColor colorCampoCuadricula{255, 214, 120}; // light orange-yellow field
inline const QColor colorLineaCuadricula{240, 140, 60};  // thin lines every 5 units
inline const QColor colorEjeCuadricula{200, 70, 0};      // axis lines x = 0 and y = 0
inline const QColor colorTextoCuadricula{96, 96, 96};    // tick labels

// An axis of the grid: its range, the step of its labels and of its thin
// lines, the decimals of its labels and its title. The default is the
// design's axis: -40..100, labels every 20, lines every 5.
struct EjeCuadricula {
    double minimo = -40, maximo = 100;
    double paso = 20, lineas = 5;
    int decimales = 0;
    QString titulo;
};

// Fills `destino` (the whole plot area, device-independent pixels) with the
// grid: field, lines every 5 units, both axes through the origin and the
// labels -40, -20, ..., 100 under the x axis and left of the y axis.
// y grows upwards: -40 is at the bottom edge, 100 at the top edge.
void pintarCuadricula(QPainter& p, const QRectF& destino);
// The same for any two axes: an axis whose range leaves 0 out runs along
// the edge nearer to 0, and each title is written at the end of its axis.
void pintarCuadriculaDe(QPainter& p, const QRectF& destino, const EjeCuadricula& x,
                        const EjeCuadricula& y);

// The residual plot's range in y: -residuoMaximo..residuoMaximo plot units.
inline constexpr double residuoMaximo = 70.0;

// Fills `destino` with the residual plot's background: the plot's verticals
// every 5 units from -40 to 100 (so each residual sits under its point), the
// zero line, lines at half the range and their labels.
void pintarCuadriculaResiduos(QPainter& p, const QRectF& destino);
// The same under a plot with axis x, for residuals within ±maximo, its
// labels with `decimales` decimals.
void pintarCuadriculaResiduosDe(QPainter& p, const QRectF& destino, const EjeCuadricula& x,
                                double maximo, int decimales);
