// The engine's cost at n = 50 with both views on (the resampling also at
// n = 10,000): the full chain after a change of the whole sample, and the
// chain of one drag step on the
// design's grid and on a data set, with the table's look-ups
// (valores_exactos:0) or the exact t distribution (1).
#include "escala.h"
#include "motor_prueba.h"
#include "retos_residuos.h"
#include "simulador.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

using rectaviva::Integer;
using rectaviva::prueba::Motor;

void llenar(Motor& m, int n = 50) {
    std::mt19937 azar(1);
    std::uniform_int_distribution<int> x(-20, 75), y(-35, 95);
    m.g.reservarPuntos(n);
    for (int k = 1; k <= n; ++k) {
        m.g.xObs(k) = static_cast<float>(x(azar));
        m.g.yObs(k) = static_cast<float>(y(azar));
        m.g.activo(k) = 1;
    }
    m.g.nPuntos = m.g.nActivos = n;
    m.g.bandasActivas = 1;
    m.g.prediccionActiva = 1;
}

void CadenaCompleta(benchmark::State& estado) {
    Motor m;
    llenar(m);
    m.g.valoresExactos = static_cast<rectaviva::Byte>(estado.range(0));
    for (auto _ : estado) {
        m.calculos.sumas();
        m.calculos.Calcula();
        m.calculos.Anova();
        m.calculos.bandas();
        m.calculos.prediccion();
        benchmark::DoNotOptimize(m.g.banda(3, 21));
    }
}
BENCHMARK(CadenaCompleta)->ArgName("valores_exactos")->Arg(0)->Arg(1);

// Point 17 moved back and forth by (dx, dy), each step refitted as a drag
// step refits it.
void arrastrar(benchmark::State& estado, Motor& m, float dx, float dy) {
    m.g.valoresExactos = static_cast<rectaviva::Byte>(estado.range(0));
    m.calculos.sumas();
    const Integer k = 17;
    for (auto _ : estado) {
        const float xv = m.g.xObs(k), yv = m.g.yObs(k);
        m.g.xObs(k) = xv + dx;
        m.g.yObs(k) = yv + dy;
        dx = -dx, dy = -dy;
        m.calculos.resumas(k, xv, yv);
        m.calculos.Calcula();
        m.calculos.Anova();
        m.calculos.prediccion();
        m.calculos.bandas();
        benchmark::DoNotOptimize(m.g.banda(3, 21));
    }
}

void PasoDeArrastre(benchmark::State& estado) {
    Motor m;
    llenar(m);
    arrastrar(estado, m, 1.0f, -1.0f);
}
BENCHMARK(PasoDeArrastre)->ArgName("valores_exactos")->Arg(0)->Arg(1);

// The same step on a data set of 50 values by year in their own units,
// which every refit fits in double from the points as read.
void PasoDeArrastreDatos(benchmark::State& estado) {
    Motor m;
    rectaviva::MuestraDatos d;
    std::mt19937 azar(1);
    std::uniform_real_distribution<double> ruido(-1, 1);
    for (int k = 0; k < 50; ++k) {
        d.x.push_back(1970 + k);
        d.y.push_back(std::round((330 + 1.6 * k + ruido(azar)) * 100) / 100);
    }
    rectaviva::cargarMuestra(m.g, d);
    m.g.bandasActivas = 1;
    m.g.prediccionActiva = 1;
    arrastrar(estado, m, 0.0f, 0.5f);
    estado.SetLabel("objetivo: ≤ 2 µs");
}
BENCHMARK(PasoDeArrastreDatos)->ArgName("valores_exactos")->Arg(0)->Arg(1);

// A thousand samples of the 50 points' x from a model, each with its fit,
// slope interval, prediction intervals and test.
void MilMuestras(benchmark::State& estado) {
    Motor m;
    llenar(m);
    m.g.valoresExactos = static_cast<rectaviva::Byte>(estado.range(0));
    rectaviva::Simulador s(1);
    s.empezar(m.g, 10, 0.5, 20);
    for (auto _ : estado) {
        s.agregar(m.g, 1000);
        benchmark::DoNotOptimize(s.cubren());
    }
    estado.SetLabel("objetivo: ≤ 2 ms");
}
BENCHMARK(MilMuestras)->ArgName("valores_exactos")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A thousand shuffles (modo 1) or bootstrap resamples (modo 2) of n points,
// each with its slope: 50 on the grid, 10,000 for a data set.
void MilRemuestras(benchmark::State& estado) {
    Motor m;
    llenar(m, static_cast<int>(estado.range(1)));
    m.calculos.sumas();
    m.calculos.Calcula();
    rectaviva::Simulador s(1);
    s.empezarRemuestreo(m.g, static_cast<rectaviva::Modo>(estado.range(0)));
    for (auto _ : estado) {
        s.agregar(m.g, 1000);
        benchmark::DoNotOptimize(s.extremos());
    }
    estado.SetLabel(estado.range(1) > 50 ? "objetivo: ≤ 100 ms" : "objetivo: ≤ 2 ms");
}
BENCHMARK(MilRemuestras)
    ->ArgNames({"modo", "n"})
    ->Args({1, 50})
    ->Args({2, 50})
    ->Args({1, 10'000})
    ->Args({2, 10'000})
    ->Unit(benchmark::kMicrosecond);

// A residual round drawn from its code, code after code: the generator and
// the fits that set and pare its patterns.
void RondaDeResiduos(benchmark::State& estado) {
    int codigo = rectaviva::primerCodigo;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(rectaviva::rondaDeCodigo(rectaviva::Reto::Residuos, codigo));
        codigo = codigo == rectaviva::ultimoCodigo ? rectaviva::primerCodigo : codigo + 1;
    }
    estado.SetLabel("objetivo: ≤ 5 ms");
}
BENCHMARK(RondaDeResiduos)->Unit(benchmark::kMicrosecond);

// The lineup of a 50-point sample: nineteen samples and twenty fits.
void RuedaDeResiduos(benchmark::State& estado) {
    std::vector<rectaviva::PuntoReto> muestra;
    for (int k = 0; k < 50; ++k) {
        muestra.push_back({static_cast<float>(-25 + 2 * k), static_cast<float>((k * 37) % 61)});
    }
    std::uint64_t semilla = 1;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(rectaviva::ruedaDeResiduos(muestra, semilla++));
    }
    estado.SetLabel("objetivo: ≤ 20 ms");
}
BENCHMARK(RuedaDeResiduos)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
