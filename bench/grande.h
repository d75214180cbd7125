// What the benchmarks of large data sets share: a data set of n points and
// its files, the window with it and every view on, a point of the cloud
// taken for a drag, the floor that paints the same cloud on a bare widget,
// and the drag ticks measured against that floor.
#pragma once

#include "Form1.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace rectaviva::banco {

// n points with x in 0..100 at two decimals and y = 3 + 2 x plus a noise of
// the same order, from a fixed seed.
MuestraDatos datosGrandes(int n);
// The set as a CSV with a header "x,y", and as the one sheet of an .xlsx.
std::string csvGrande(const MuestraDatos& d);
QByteArray xlsxGrande(const MuestraDatos& d);

// The window shown with the set of n points loaded, the prediction, the
// bands, the residuals with their squares and the influence on; false (and
// the benchmark skipped) when any of it failed.
bool mostrarGrande(benchmark::State& estado, Form1& f, int n);
// Point k of the cloud (or the first under it) picked with a left press on
// its marker, the drag timer stopped: the benchmark calls the tick.
bool tomarEnNube(Form1& f, int k);

// A bare widget of the plot's size, as it is on screen, that paints what a
// drag tick repaints on a cloud: the grid's copy, the fitted line and n
// markers of the cloud's diameter and opacity, each a copy of one marker
// drawn beforehand, in one pass.
class PisoNube : public QWidget {
public:
    PisoNube(QSize tamano, int n, double ampliacion);
    bool pintado = false;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap fondo_;
    QImage sello_;
    std::vector<QPointF> centros_;
    double radio_ = 0;
};

// Microseconds of one repaint of the floor, the median of 200 from the
// event loop.
double medirPiso(PisoNube& w);

// Ticks of the drag timer from a timer event, each until the window has
// painted it, with the mouse moving up and down the middle of the plot;
// the counter veces_el_piso is a tick over `pisoUs`.
void ticksNube(benchmark::State& estado, Form1& f, double pisoUs);

// Runs the event loop until the window has painted what was marked.
void hastaPintado(Form1& f);

} // namespace rectaviva::banco
