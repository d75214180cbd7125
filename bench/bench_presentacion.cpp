// The presentation's share of one drag step at n = 50 with both views on
// (the median of several runs, printed with its target):
// the panels, the bars, the ANOVA table, the fitted line, the bands, the
// prediction panel and marks, and the dragged point's list row (erased and
// printed again). The engine runs between iterations, outside the timing.
#include "Calculos.h"
#include "Tablas.h"
#include "escenario.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace rectaviva;

void PasoArrastre(benchmark::State& estado) {
    Escenario e;
    Globales& g = e.g;
    Calculos calculos(g);
    Tablas tablas(g);
    g.oCalculos = &calculos;
    g.oTablas = &tablas;
    tablas.tablaT(g.valoresT);
    calculos.PuntosPrediccion();
    g.nivelConf = g.nivelPred = 95;
    g.xPred = 20;
    g.bandasActivas = g.prediccionActiva = 1;
    std::mt19937 azar(1);
    std::uniform_int_distribution<int> x(-20, 75), y(-35, 95);
    for (int k = 1; k <= 50; ++k) {
        g.xObs(k) = static_cast<Single>(x(azar));
        g.yObs(k) = static_cast<Single>(y(azar));
        g.activo(k) = 1;
    }
    g.nPuntos = g.nActivos = 50;
    calculos.sumas();
    e.presentacion->listarPuntos(g.nPuntos, g.xObs, g.yObs);
    g.puntoSel = 17;

    int paso = 0;
    for (auto _ : estado) {
        // The dragged point moves up and down, so every box changes.
        estado.PauseTiming();
        g.xAnterior = g.xObs(g.puntoSel);
        g.yAnterior = g.yObs(g.puntoSel);
        g.xRaton = g.xAnterior;
        g.yRaton = static_cast<Single>(20 + (paso++ % 40));
        g.yObs(g.puntoSel) = g.yRaton;
        calculos.resumas(g.puntoSel, g.xAnterior, g.yAnterior);
        calculos.Calcula();
        calculos.Anova();
        calculos.prediccion();
        calculos.bandas();
        estado.ResumeTiming();

        mostrar& m = *e.presentacion;
        m.Mostrar();
        m.Barras();
        m.mostrarAnova();
        trazarRecta(*e.Line3, g, g.intercepto, g.pendiente);
        m.mostrarBandas();
        m.mostrarPred();
        m.mostrarGrafPred();
        m.imprimirPunto(g.puntoSel, colorFilaElegida);
    }
    estado.SetLabel("objetivo: ≤ 50 us");
}
BENCHMARK(PasoArrastre)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void ListaCompleta(benchmark::State& estado) {
    Escenario e;
    Globales& g = e.g;
    for (int k = 1; k <= 50; ++k) {
        g.xObs(k) = static_cast<Single>(k);
        g.yObs(k) = static_cast<Single>(-k);
        g.activo(k) = 1;
    }
    g.nPuntos = 50;
    for (auto _ : estado) {
        e.presentacion->listarPuntos(g.nPuntos, g.xObs, g.yObs);
    }
}
BENCHMARK(ListaCompleta)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Headless unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
