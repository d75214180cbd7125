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
// - PasoArrastreMiRecta/asa/cuadrados: the drag tick and repaint with "Mi
//   recta" on, for a handle of the own line (asa 0) or a point (asa 1), with
//   its squares hidden (0) or shown (1).
#include "interaccion.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace rectaviva;
using namespace rectaviva::banco;

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

} // namespace
