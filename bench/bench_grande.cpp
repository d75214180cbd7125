// Large data sets in the window on Qt's offscreen platform, each figure
// beside a floor measured in the same run, and printed with its target:
// - CargarArchivo/formato: a file of 100,000 rows opened (0 CSV, 1 .xlsx)
//   through the data dialog, confirmed with all its rows, loaded and painted
//   once; the floor (piso_ms) reads the file's bytes from the disk's cache
//   and, for the .xlsx, unzips its sheet.
// - PasoArrastreNube/n: the drag tick with the prediction, the bands, the
//   residuals with their squares and the influence on, until the window has
//   painted it; the floor (piso_us) a bare widget of the plot's size
//   painting the line and n markers of the cloud's size in one pass.
// - HerramientaSostenidaNube: "Contrae los puntos verticalmente" held 2 s
//   at 10,000 points with every view; cpu_por_ciento the window thread's.
// - MemoriaDeshacer/n: the heap that the undo step of one drag keeps.
// - MemoriaPico: the peak resident memory of a process that shows the
//   window and opens the 100,000-row CSV (memoria_grande), beside the same
//   process that opens nothing (piso_MiB).
// Built a second time as bench_grande_4k on a 3840 x 2160 screen, where
// every window is drawn larger by "Ampliar a la pantalla" and only the drag
// ticks run.
#include "Nube.h"
#include "grande.h"
#include "interaccion.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <quazip.h>
#include <quazipfile.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>

namespace {

using namespace rectaviva;
using namespace rectaviva::banco;

constexpr int kCienMil = 100'000;

void ampliarSiHayPantalla(Form1& f) {
    if (Form1::factorAmpliacion() > 1 && !f.mnuAmp->Checked()) {
        f.mnuAmp->accion()->trigger();
    }
}

void PasoArrastreNube(benchmark::State& estado) {
    const int n = int(estado.range(0));
    Form1 f;
    if (!mostrarGrande(estado, f, n)) {
        return;
    }
    ampliarSiHayPantalla(f);
    PisoNube piso(f.Picture1->size(), n, f.mnuAmp->Checked() ? Form1::factorAmpliacion() : 1.0);
    const double us = medirPiso(piso);
    if (!tomarEnNube(f, n / 2)) {
        estado.SkipWithError("no se pudo tomar un punto de la nube");
        return;
    }
    ticksNube(estado, f, us);
    estado.SetLabel(n > 10'000            ? "objetivo: ≤ 33 ms"
                    : f.mnuAmp->Checked() ? "objetivo: ≤ 16.7 ms, ≤ 1.1 veces el piso"
                                          : "objetivo: ≤ 16.7 ms, ≤ 1.2 veces el piso");
}
BENCHMARK(PasoArrastreNube)
    ->ArgName("n")
    ->Arg(50)
    ->Arg(10'000)
    ->Arg(kCienMil)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

#ifndef RECTAVIVA_AMPLIADA
// The files of 100,000 rows, written once per run.
const QString& archivo(int formato) {
    static QTemporaryDir dir;
    static const QString csv = [] {
        const QString r = dir.filePath("grande.csv");
        std::ofstream(r.toStdString()) << csvGrande(datosGrandes(kCienMil));
        return r;
    }();
    static const QString xlsx = [] {
        const QString r = dir.filePath("grande.xlsx");
        QFile f(r);
        f.open(QIODevice::WriteOnly);
        f.write(xlsxGrande(datosGrandes(kCienMil)));
        return r;
    }();
    return formato == 0 ? csv : xlsx;
}

// The bytes of the file and, in a book, the sheet's XML unzipped.
qint64 leerBytes(const QString& ruta, bool libro) {
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    QByteArray bytes = f.readAll();
    if (!libro) {
        return bytes.size();
    }
    QBuffer b(&bytes);
    QuaZip zip(&b);
    zip.open(QuaZip::mdUnzip);
    zip.setCurrentFile("xl/hojas/1.xml");
    QuaZipFile hoja(&zip);
    hoja.open(QIODevice::ReadOnly);
    return hoja.readAll().size();
}

template <class F> double medianaMs(int veces, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < veces; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                        .count());
    }
    std::nth_element(t.begin(), t.begin() + veces / 2, t.end());
    return t[std::size_t(veces / 2)];
}

void CargarArchivo(benchmark::State& estado) {
    const bool libro = estado.range(0) == 1;
    const QString ruta = archivo(int(estado.range(0)));
    Form1 f;
    QString aviso;
    f.setAvisar([&aviso](const QString& t) { aviso = t; });
    f.setConfirmarDatos([](DialogoDatos&) { return true; });
    f.show();
    QCoreApplication::processEvents();
    bool bien = true;
    for (auto _ : estado) {
        bien = f.abrirArchivo(ruta) && bien;
        hastaPintado(f);
        estado.PauseTiming();
        f.pila().clear();
        estado.ResumeTiming();
    }
    if (!bien || f.g.nPuntos != kCienMil) {
        estado.SkipWithError(("no se cargó: " + aviso).toStdString().c_str());
        return;
    }
    const double piso = medianaMs(9, [&] { benchmark::DoNotOptimize(leerBytes(ruta, libro)); });
    estado.counters["piso_ms"] = piso;
    estado.SetLabel("objetivo: ≤ 300 ms");
}
BENCHMARK(CargarArchivo)
    ->ArgName("formato")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void HerramientaSostenidaNube(benchmark::State& estado) {
    Form1 f;
    if (!mostrarGrande(estado, f, 10'000)) {
        return;
    }
    double pasos = 0, segundos = 0, cpu = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        f.cargarDatos(datosGrandes(10'000));
        estado.ResumeTiming();
        const long antes = f.pasosHerramienta();
        const double c0 = cpuDelHilo();
        const auto t0 = std::chrono::steady_clock::now();
        f.Image1_MouseDown(0, 1, 0, 0, 0);
        esperar(2000);
        f.Image1_MouseUp(0, 1, 0, 0, 0);
        cpu += cpuDelHilo() - c0;
        pasos += static_cast<double>(f.pasosHerramienta() - antes);
        segundos += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    estado.counters["pasos_por_segundo"] = pasos / segundos;
    estado.counters["cpu_por_ciento"] = 100 * cpu / segundos;
    estado.SetLabel("objetivo: cpu_por_ciento ≤ 15");
}
BENCHMARK(HerramientaSostenidaNube)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void MemoriaDeshacer(benchmark::State& estado) {
    const int n = int(estado.range(0));
    Form1 f;
    if (!mostrarGrande(estado, f, n)) {
        return;
    }
    double bytes = 0;
    int pasos = 0;
    for (auto _ : estado) {
        const int antes = f.pila().count();
        const std::size_t h0 = mallinfo2().uordblks;
        if (!tomarEnNube(f, n / 2)) {
            estado.SkipWithError("no se pudo tomar un punto de la nube");
            return;
        }
        f.g.xRaton = f.g.xMin;
        f.g.yRaton = f.g.yMax;
        f.Timer1_Timer();
        f.Picture1_MouseUp(1, 0, f.g.xRaton, f.g.yRaton);
        bytes += double(mallinfo2().uordblks) - double(h0);
        pasos += f.pila().count() - antes;
    }
    estado.counters["KiB_por_paso"] = bytes / 1024 / std::max(pasos, 1);
    estado.counters["pasos"] = pasos;
    estado.SetLabel("objetivo: O(1), no una copia de cada punto");
}
BENCHMARK(MemoriaDeshacer)->ArgName("n")->Arg(10'000)->Arg(kCienMil)->Iterations(5);

// The peak resident memory, in MiB, of memoria_grande opening `ruta` ("" for
// none); 0 when it failed.
double picoMiB(const QString& ruta) {
    const std::string orden =
        std::string(RECTAVIVA_MEMORIA_GRANDE) + " '" + ruta.toStdString() + "' 2>/dev/null";
    FILE* salida = popen(orden.c_str(), "r");
    long kib = 0;
    if (salida == nullptr || std::fscanf(salida, "%ld", &kib) != 1) {
        kib = 0;
    }
    return salida != nullptr && pclose(salida) == 0 ? double(kib) / 1024 : 0;
}

void MemoriaPico(benchmark::State& estado) {
    double pico = 0, piso = 0;
    for (auto _ : estado) {
        pico = std::max(pico, picoMiB(archivo(0)));
        piso = std::max(piso, picoMiB(QString()));
    }
    if (pico == 0 || piso == 0) {
        estado.SkipWithError("memoria_grande no terminó bien");
        return;
    }
    estado.counters["pico_MiB"] = pico;
    estado.counters["piso_MiB"] = piso;
    estado.SetLabel("objetivo: pico_MiB ≤ 120");
}
BENCHMARK(MemoriaPico)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

} // namespace
