// What the interaction benchmarks share: the 50-point cloud that the size
// entry draws, the window shown with it, a point taken for a drag, the
// repaint floor that each drag tick is measured against, and the ticks.
#pragma once

#include "Form1.h"
#include "pintado.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace rectaviva::banco {

// A first sample through "Generar", then 50 points spread evenly over x in
// -20..75 along y = x + 19 through the size entry (a tall cloud: the
// vertical contraction runs about 450 steps before its limit), and with
// vistas the prediction and the bands on.
bool prepararNube(Form1& f, bool vistas);
// Runs the event loop for ms milliseconds.
void esperar(int ms);
// The residual view with its squares and the influence view on as well.
void verResiduosEInfluencia(Form1& f);
// The window shown with the cloud of 50 points, prediction and bands on;
// false (and the benchmark skipped) when it could not be prepared.
bool mostrarConNube(benchmark::State& estado, Form1& f);
// CPU seconds that this thread has spent.
double cpuDelHilo();

// A bare widget of the plot's size (479 x 451 logical pixels at 96 DPI) that
// paints what a drag tick repaints on the plot, with the plot's pens: the
// grid's copy, the fitted line across it, the two bands of 40 segments each
// and the 50 markers with their rings.
class Piso : public QWidget {
public:
    Piso();
    bool pintado = false;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap fondo_;
};

// Microseconds of one repaint of the floor, the median of 300 from the
// event loop, measured once per run.
double piso();

// Picks point 25 with a left press on its marker and leaves the drag state
// on, with the timer itself stopped: the benchmark calls the tick.
bool tomarPunto(Form1& f);
bool empezarArrastre(Form1& f);

// Runs `accion` once per iteration and waits until the window has painted it.
template <class F> void cadaVezPintado(benchmark::State& estado, Form1& f, F&& accion) {
    Pintado pintado;
    f.installEventFilter(&pintado);
    for (auto _ : estado) {
        pintado.visto = false;
        accion();
        f.update();
        while (!pintado.visto) {
            QCoreApplication::processEvents();
        }
    }
    f.removeEventFilter(&pintado);
}

// Ticks of the drag timer with the mouse moving up and down the column x,
// so that every box changes, each also as a multiple of the floor
// (veces_el_piso). With pintar each tick runs from a timer event and the
// window paints from the event loop, as in the program.
void ticks(benchmark::State& estado, Form1& f, float x, bool pintar);

// The drag tick of point 25 with the prediction and the bands, once `ver`
// has put on the views it measures.
void arrastreConVistas(benchmark::State& estado, bool (*ver)(Form1&));

} // namespace rectaviva::banco
