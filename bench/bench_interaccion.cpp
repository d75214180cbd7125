// The window's live interactions at 1024 x 768 on Qt's offscreen platform,
// with 50 points, the prediction view and the bands on; each figure is the
// median of several runs, printed with its target:
// - HerramientaSostenida: "Contrae los puntos verticalmente" held for 2 s
//   with the event loop running, as a person holds the button; the counter
//   pasos_por_segundo is what the 0.01 s pacing allows at most 100 of, and
//   cpu_por_ciento the share of a core that the window's thread spent. With
//   otro_nucleo_ocupado:1 a second thread spins all along, so that the
//   program has one core to itself and no more; todas_las_vistas:1 adds
//   the residuals with their squares and the influence rings.
// - PisoDeRepintado: the floor of a drag tick on this machine, a bare widget
//   of the plot's size painting what a tick repaints on the plot with the
//   same pens (the grid copied, the fitted line, the 80 band segments, the
//   50 markers and their rings). Every drag tick below is also printed as a
//   multiple of it (veces_el_piso), measured in the same run, which means
//   the same on a fast machine and a slow one.
// - PasoArrastre: one tick of the drag timer with a new mouse position
//   (the point moved, the fit recomputed, the panels redrawn), from its timer
//   event until the event loop has painted what changed; valores_exactos:1
//   with "Valores p exactos" on.
// - PasoArrastreConVistas: the same with the residuals, their squares and
//   the influence view on as well.
// - PasoArrastreSinPintar: the tick alone, to show how the time divides.
// - PasoArrastreSimulacion: the drag tick with "Simulación" on and idle
//   (a thousand samples drawn before the drag, which the first tick clears).
// - TandaSimulacion/modo: the button "1000" with 50 points, from the click
//   until the event loop has painted the panel and the plot; modo 0 the
//   model's samples, 1 the shuffles, 2 the bootstrap.
// - AnimarSimulacion: "Animar" running for 2 s; cpu_por_ciento the share
//   of a core that the window's thread spent.
// - PasoArrastreMiRecta/asa/cuadrados: the drag tick and repaint with "Mi
//   recta" on, for a handle of the own line (asa 0) or a point (asa 1), with
//   its squares hidden (0) or shown (1).
#include "Form1.h"
#include "escala.h"
#include "pintado.h"
#include "redondeo.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <deque>
#include <memory>
#include <thread>
#include <vector>

namespace {

using namespace rectaviva;

// Hands out chosen draws in order, then a fixed 0.5.
class Guion : public Generador {
public:
    explicit Guion(std::vector<float> d) : draws_(d.begin(), d.end()) {}
    float Rnd() override {
        if (draws_.empty()) {
            return 0.5f;
        }
        const float v = draws_.front();
        draws_.pop_front();
        return v;
    }

private:
    std::deque<float> draws_;
};

// Draws that make the size entry produce 50 points spread evenly over x in
// -20..75 along y = x + 19: slope 1, intercept 0.5, spread 37, and a noise
// draw per point that adds 18.5. The cloud is tall (y from -1 to 94), so
// the vertical contraction runs about 450 steps before its limit.
std::vector<float> extraccionesNube() {
    std::vector<float> d{0.5f, 0.0f, 0.5f};
    for (int k = 0; k < 50; ++k) {
        const int x = -20 + (95 * k) / 49;
        d.push_back(static_cast<float>((x + 20) / 95.0));
        d.push_back(static_cast<float>(18.5 / 37.0));
    }
    return d;
}

// A first sample through "Generar", then the 50-point cloud through the
// size entry, and both views on.
bool prepararNube(Form1& f, bool vistas) {
    if (f.g.nPuntos < 3) {
        f.setGenerador(std::make_unique<Guion>(std::vector<float>{}));
        f.mnuGene->accion()->trigger();
    }
    f.setGenerador(std::make_unique<Guion>(extraccionesNube()));
    f.Text2(10).setText(QStringLiteral("50"));
    int enter = 13;
    f.Text2_KeyPress(10, enter);
    if (vistas) {
        f.mnuPr->accion()->trigger();
        f.mnuBan->accion()->trigger();
    }
    QCoreApplication::processEvents();
    return f.g.nPuntos == 50 && f.g.prediccionActiva == 1 && f.g.bandasActivas == 1;
}

void esperar(int ms) {
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    bucle.exec();
}

// The residual view with its squares and the influence view on as well.
void verResiduosEInfluencia(Form1& f) {
    f.mnuRes->accion()->trigger();
    f.Check1->setValue(true);
    f.Check1_Click();
    f.mnuInf->accion()->trigger();
}

// The window shown with the cloud of 50 points, prediction and bands on;
// false (and the benchmark skipped) when it could not be prepared.
bool mostrarConNube(benchmark::State& estado, Form1& f) {
    f.show();
    QCoreApplication::processEvents();
    if (!prepararNube(f, true)) {
        estado.SkipWithError("no se pudo preparar la nube de 50 puntos con las dos vistas");
        return false;
    }
    return true;
}

// CPU seconds that this thread has spent.
double cpuDelHilo() {
    rusage r{};
    getrusage(RUSAGE_THREAD, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
}

void HerramientaSostenida(benchmark::State& estado) {
    Form1 f;
    if (!mostrarConNube(estado, f)) {
        return;
    }
    if (estado.range(1) != 0) {
        verResiduosEInfluencia(f);
    }
    std::atomic<bool> girar{estado.range(0) != 0};
    std::thread ocupado([&girar] {
        while (girar.load(std::memory_order_relaxed)) {
        }
    });
    double pasos = 0, segundos = 0, cpu = 0;
    bool limite = false;
    for (auto _ : estado) {
        estado.PauseTiming();
        prepararNube(f, false);
        estado.ResumeTiming();
        const long antes = f.pasosHerramienta();
        const double c0 = cpuDelHilo();
        const auto t0 = std::chrono::steady_clock::now();
        f.Image1_MouseDown(0, 1, 0, 0, 0);
        esperar(2000);
        limite = limite || !f.herramientaActiva();
        f.Image1_MouseUp(0, 1, 0, 0, 0);
        const auto t1 = std::chrono::steady_clock::now();
        cpu += cpuDelHilo() - c0;
        pasos += static_cast<double>(f.pasosHerramienta() - antes);
        segundos += std::chrono::duration<double>(t1 - t0).count();
    }
    girar = false;
    ocupado.join();
    if (limite) {
        estado.SkipWithError("la herramienta llegó a su límite antes de soltarla");
        return;
    }
    estado.counters["pasos_por_segundo"] = pasos / segundos;
    estado.counters["cpu_por_ciento"] = 100 * cpu / segundos;
    estado.SetLabel("objetivo: pasos_por_segundo ≥ 99, cpu_por_ciento ≤ 10");
}
// The second argument adds the residuals with their squares and the
// influence rings to the prediction and the bands.
BENCHMARK(HerramientaSostenida)
    ->ArgNames({"otro_nucleo_ocupado", "todas_las_vistas"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A bare widget of the plot's size (479 x 451 logical pixels at 96 DPI) that
// paints what a drag tick repaints on the plot, with the plot's pens: the
// grid's copy, the fitted line across it, the two bands of 40 segments each
// and the 50 markers with their rings.
class Piso : public QWidget {
public:
    Piso() {
        resize(479, 451);
        fondo_ = QPixmap(size() * devicePixelRatioF());
        fondo_.setDevicePixelRatio(devicePixelRatioF());
        fondo_.fill(QColor(255, 214, 120));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    bool pintado = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, fondo_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(230, 0, 0), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, 400), QPointF(479, 40));
        for (int banda = 0; banda < 4; ++banda) {
            p.setPen(QPen(banda < 2 ? QColor(0, 192, 192) : QColor(255, 0, 255), 2, Qt::SolidLine,
                          Qt::SquareCap));
            for (int k = 0; k < 20; ++k) {
                const double x = k * 479.0 / 20;
                const double y = 380 - 0.75 * x + (banda - 1.5) * (12 + std::abs(k - 10));
                p.drawLine(QPointF(x, y), QPointF(x + 479.0 / 20, y - 18));
            }
        }
        for (int k = 0; k < 50; ++k) {
            const QPointF c(10 + 9.2 * k, 420 - 7.5 * k);
            p.setPen(QPen(QColor(0, 0, 220), 1));
            p.setBrush(QColor(0, 0, 220));
            p.drawEllipse(c, 4.5, 4.5);
            p.setPen(QPen(QColor(70, 70, 70), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 8, 8);
        }
        pintado = true;
    }

private:
    QPixmap fondo_;
};

// Microseconds of one repaint of the floor, the median of 300 from the event loop.
double piso() {
    static const double us = [] {
        Piso w;
        w.show();
        QCoreApplication::processEvents();
        std::vector<double> tiempos;
        for (int i = 0; i < 300; ++i) {
            w.pintado = false;
            const auto t0 = std::chrono::steady_clock::now();
            w.update();
            while (!w.pintado) {
                QCoreApplication::processEvents();
            }
            tiempos.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count());
        }
        std::nth_element(tiempos.begin(), tiempos.begin() + 150, tiempos.end());
        return tiempos[150];
    }();
    return us;
}

void PisoDeRepintado(benchmark::State& estado) {
    Piso w;
    w.show();
    QCoreApplication::processEvents();
    for (auto _ : estado) {
        w.pintado = false;
        w.update();
        while (!w.pintado) {
            QCoreApplication::processEvents();
        }
    }
}
BENCHMARK(PisoDeRepintado)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Picks point 25 with a left press on its marker and leaves the drag state
// on, with the timer itself stopped: the benchmark calls the tick.
bool tomarPunto(Form1& f) {
    f.Picture1_MouseDown(1, 0, static_cast<float>(f.Shape1(25).Left()),
                         static_cast<float>(f.Shape1(25).Top()));
    f.Timer1->setEnabled(false);
    return f.g.arrastrando == -1 && f.g.puntoSel == 25;
}

bool empezarArrastre(Form1& f) {
    return prepararNube(f, true) && tomarPunto(f);
}

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
// so that every box changes. With pintar each tick runs from a timer event
// and the window paints from the event loop, as in the program.
void ticks(benchmark::State& estado, Form1& f, float x, bool pintar) {
    Pintado pintado;
    f.installEventFilter(&pintado);
    QCoreApplication::processEvents();
    const double us = piso();
    int paso = 0;
    const auto t0 = std::chrono::steady_clock::now();
    // The positions are in units of the design's grid from its lower edge,
    // so that a data set's range is swept alike.
    const Single xRaton = S(D(f.g.xMin) + (D(x) + 40) * D(unidadX(f.g)));
    for (auto _ : estado) {
        f.g.xRaton = xRaton;
        f.g.yRaton = S(D(f.g.yMin) + (10 + paso++ % 120) * D(unidadY(f.g)));
        if (pintar) {
            pintado.visto = false;
            QTimer::singleShot(0, &f, &Form1::Timer1_Timer);
            while (!pintado.visto) {
                QCoreApplication::processEvents();
            }
        } else {
            f.Timer1_Timer();
        }
    }
    const double porTic =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count() /
        static_cast<double>(estado.iterations());
    estado.counters["veces_el_piso"] = porTic / us;
    f.removeEventFilter(&pintado);
    f.Picture1_MouseUp(1, 0, f.g.xRaton, f.g.yRaton);
    estado.SetLabel(pintar ? "objetivo: ≤ 1 ms" : "");
}

void pasoArrastre(benchmark::State& estado, bool pintar, bool exactos = false) {
    Form1 f;
    f.show();
    QCoreApplication::processEvents();
    if (exactos) {
        f.mnuExa->accion()->trigger();
    }
    if (!empezarArrastre(f) || f.g.valoresExactos != (exactos ? 1 : 0)) {
        estado.SkipWithError("no se pudo tomar el punto 25");
        return;
    }
    ticks(estado, f, 30.0f, pintar);
}

void PasoArrastre(benchmark::State& estado) {
    pasoArrastre(estado, true, estado.range(0) != 0);
}
BENCHMARK(PasoArrastre)
    ->ArgName("valores_exactos")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The drag tick of point 25 with the prediction and the bands, once `ver`
// has put on the views it measures.
void arrastreConVistas(benchmark::State& estado, bool (*ver)(Form1&)) {
    Form1 f;
    f.show();
    QCoreApplication::processEvents();
    if (!prepararNube(f, true) || !ver(f)) {
        estado.SkipWithError("no se pudo preparar la nube con las vistas");
        return;
    }
    if (!tomarPunto(f)) {
        estado.SkipWithError("no se pudo tomar el punto 25");
        return;
    }
    ticks(estado, f, 30.0f, true);
}

// The drag tick with every view on: prediction, bands, residuals with their
// squares and influence (its dashed line follows the dragged point).
void PasoArrastreConVistas(benchmark::State& estado) {
    arrastreConVistas(estado, [](Form1& f) {
        verResiduosEInfluencia(f);
        return true;
    });
}
BENCHMARK(PasoArrastreConVistas)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A data set of 50 points (the cars), prediction and bands on: loading it
// with its first full refresh, painted; then the drag tick on it.
void CargarDatos(benchmark::State& estado) {
    Form1 f;
    if (!mostrarConNube(estado, f)) {
        return;
    }
    cadaVezPintado(estado, f, [&f] { f.mnuConjunto[4]->accion()->trigger(); });
    estado.SetLabel(f.g.nPuntos == 50 ? "objetivo: ≤ 20 ms" : "no se cargó el conjunto");
}
BENCHMARK(CargarDatos)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void PasoArrastreDatos(benchmark::State& estado) {
    arrastreConVistas(estado, [](Form1& f) {
        f.mnuConjunto[4]->accion()->trigger();
        return f.g.datosCargados == 1 && f.g.nPuntos == 50;
    });
}
BENCHMARK(PasoArrastreDatos)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same set through log₁₀ of both variables ("Transformar").
void PasoArrastreTransformado(benchmark::State& estado) {
    arrastreConVistas(estado, [](Form1& f) {
        f.mnuConjunto[4]->accion()->trigger();
        return f.transformarDatos(Transformacion::Log10, Transformacion::Log10) &&
               f.g.transformacionY != 0;
    });
}
BENCHMARK(PasoArrastreTransformado)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Undo and redo of a deletion at 50 points with every view on, each painted:
// a step restores the sample and runs the full refresh.
void DeshacerYRehacer(benchmark::State& estado) {
    Form1 f;
    if (!mostrarConNube(estado, f)) {
        return;
    }
    verResiduosEInfluencia(f);
    f.g.puntoSel = 7;
    f.Label5_Click(0);
    bool atras = true;
    cadaVezPintado(estado, f, [&] {
        (atras ? f.mnuDes : f.mnuReh)->accion()->trigger();
        atras = !atras;
    });
    estado.SetLabel(f.pila().text(f.pila().count() - 1) == "eliminar el punto 7"
                        ? "objetivo: ≤ 5 ms"
                        : "no hubo un paso que deshacer");
}
BENCHMARK(DeshacerYRehacer)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void PasoArrastreSinPintar(benchmark::State& estado) {
    pasoArrastre(estado, false);
}
BENCHMARK(PasoArrastreSinPintar)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// "Mi recta" on with the bands on: one tick dragging the own line's right
// handle (first argument 0) or point 25 (1), with the squares hidden (second
// argument 0) or shown (1), then the repaint.
void PasoArrastreMiRecta(benchmark::State& estado) {
    Form1 f;
    f.show();
    QCoreApplication::processEvents();
    const bool asa = estado.range(0) == 0;
    bool listo = prepararNube(f, true);
    f.mnuMia->accion()->trigger();
    f.Check2->setValue(estado.range(1) == 1);
    f.Check2_Click();
    if (asa) {
        const Shape& s = f.Shape8(1);
        f.Picture1_MouseDown(1, 0, static_cast<float>(s.Left() + s.Width() / 2),
                             static_cast<float>(s.Top() - s.Height() / 2));
        f.Timer1->setEnabled(false);
        listo = listo && f.g.asaTomada == 2;
    } else {
        listo = listo && tomarPunto(f);
    }
    if (!listo || f.g.miRectaActiva != 1) {
        estado.SkipWithError("no se pudo tomar el asa o el punto con Mi recta");
        return;
    }
    ticks(estado, f, asa ? 80.0f : 30.0f, true);
}
BENCHMARK(PasoArrastreMiRecta)
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// "Simulación" on with the prediction and the bands, a thousand samples drawn.
bool verSimulacion(Form1& f) {
    f.mnuSim->accion()->trigger();
    f.Command1(3).click();
    QCoreApplication::processEvents();
    return f.g.simulacionActiva == 1 && f.Line20(19).Visible();
}

// The window shown with the 50 points and the simulation on.
bool abrirSimulacion(Form1& f, benchmark::State& estado) {
    f.show();
    QCoreApplication::processEvents();
    if (!prepararNube(f, true) || !verSimulacion(f)) {
        estado.SkipWithError("no se pudo preparar la simulación");
        return false;
    }
    return true;
}

void PasoArrastreSimulacion(benchmark::State& estado) {
    arrastreConVistas(estado, verSimulacion);
}
BENCHMARK(PasoArrastreSimulacion)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void TandaSimulacion(benchmark::State& estado) {
    Form1 f;
    if (!abrirSimulacion(f, estado)) {
        return;
    }
    f.Option2(static_cast<int>(estado.range(0))).click();
    Pintado pintado;
    f.installEventFilter(&pintado);
    for (auto _ : estado) {
        pintado.visto = false;
        f.Command1(3).click();
        while (!pintado.visto) {
            QCoreApplication::processEvents();
        }
    }
    f.removeEventFilter(&pintado);
    estado.SetLabel("objetivo: ≤ 4 ms (las muestras, ≤ 2 ms, en MilMuestras)");
}
BENCHMARK(TandaSimulacion)
    ->ArgName("modo")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void AnimarSimulacion(benchmark::State& estado) {
    Form1 f;
    if (!abrirSimulacion(f, estado)) {
        return;
    }
    double cpu = 0, segundos = 0;
    for (auto _ : estado) {
        const double c0 = cpuDelHilo();
        const auto t0 = std::chrono::steady_clock::now();
        f.Command1(animar).click();
        esperar(2000);
        f.Command1(animar).click();
        cpu += cpuDelHilo() - c0;
        segundos += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    estado.counters["cpu_por_ciento"] = 100 * cpu / segundos;
    estado.SetLabel("objetivo: cpu_por_ciento ≤ 5");
}
BENCHMARK(AnimarSimulacion)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
