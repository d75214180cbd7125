// The window's live interactions with a data set, a transformation, undo
// and the simulation, at 1024 x 768 on Qt's offscreen platform with the
// prediction view and the bands on; each figure is the median of several
// runs, printed with its target:
// - CargarDatos: loading the cars (50 points) with its first full refresh,
//   painted; PasoArrastreDatos: the drag tick on them.
// - PasoArrastreTransformado: the same set through log₁₀ of both variables.
// - DeshacerYRehacer: undo and redo of a deletion at 50 points with every
//   view on, each painted.
// - PasoArrastreSimulacion: the drag tick with "Simulación" on and idle
//   (a thousand samples drawn before the drag, which the first tick clears).
// - TandaSimulacion/modo: the button "1000" with 50 points, from the click
//   until the event loop has painted the panel and the plot; modo 0 the
//   model's samples, 1 the shuffles, 2 the bootstrap.
// - AnimarSimulacion: "Animar" running for 2 s; cpu_por_ciento the share
//   of a core that the window's thread spent.
#include "interaccion.h"

#include <chrono>

namespace {

using namespace rectaviva;
using namespace rectaviva::banco;

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
