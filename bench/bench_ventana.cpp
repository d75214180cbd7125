// The window at 1024 x 768 on Qt's offscreen platform:
// - ArranqueProceso: the real program started as a child process with
//   RECTAVIVA_SALIR_TRAS_MOSTRAR set, timed from the spawn until it has
//   painted its window once and exited (so the figure also holds the exit);
//   the counter MB_pico is the child's peak resident memory (ru_maxrss).
// - ArranqueEnProceso: Form1 built, shown and painted once inside this
//   process, whose QApplication already exists.
// - RepintadoCompleto: one grab of the whole window with a 50-point sample,
//   the prediction view and the bands on.
#include "Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace rectaviva;

const char* const plataforma = "offscreen:configfile=" RECTAVIVA_PANTALLA_1024;

// The environment of this process with the child's platform and the hook
// that makes it quit after its first paint.
std::vector<std::string> entornoHijo() {
    std::vector<std::string> e;
    for (char** v = environ; *v != nullptr; ++v) {
        if (std::strncmp(*v, "QT_QPA_PLATFORM=", 16) != 0) {
            e.emplace_back(*v);
        }
    }
    e.emplace_back(std::string("QT_QPA_PLATFORM=") + plataforma);
    e.emplace_back("RECTAVIVA_SALIR_TRAS_MOSTRAR=1");
    return e;
}

void ArranqueProceso(benchmark::State& estado) {
    std::vector<std::string> entorno = entornoHijo();
    std::vector<char*> envp;
    for (std::string& s : entorno) {
        envp.push_back(s.data());
    }
    envp.push_back(nullptr);
    char programa[] = RECTAVIVA_PROGRAMA;
    char* argv[] = {programa, nullptr};
    // The child's warnings go nowhere; its status says whether it started.
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    long picoKB = 0;
    for (auto _ : estado) {
        pid_t hijo = 0;
        if (posix_spawn(&hijo, programa, &acciones, nullptr, argv, envp.data()) != 0) {
            estado.SkipWithError("no se pudo lanzar el programa");
            break;
        }
        int status = 0;
        rusage uso{};
        if (wait4(hijo, &status, 0, &uso) != hijo || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            estado.SkipWithError("el programa no terminó bien");
            break;
        }
        picoKB = std::max(picoKB, uso.ru_maxrss);
    }
    posix_spawn_file_actions_destroy(&acciones);
    estado.counters["MB_pico"] = static_cast<double>(picoKB) / 1024.0;
}
BENCHMARK(ArranqueProceso)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// Notes the first paint event of the widget it watches.
class PrimerPintado : public QObject {
public:
    bool pintado = false;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            pintado = true;
        }
        return false;
    }
};

void ArranqueEnProceso(benchmark::State& estado) {
    for (auto _ : estado) {
        auto f = std::make_unique<Form1>();
        PrimerPintado testigo;
        f->installEventFilter(&testigo);
        f->show();
        while (!testigo.pintado) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        estado.PauseTiming();
        f->removeEventFilter(&testigo);
        f.reset();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
    }
}
BENCHMARK(ArranqueEnProceso)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void RepintadoCompleto(benchmark::State& estado) {
    Form1 f;
    f.show();
    QCoreApplication::processEvents();
    f.setGenerador(std::make_unique<GeneradorSemilla>(11));
    f.mnuGene->accion()->trigger();
    f.Text2(10).setText(QStringLiteral("50"));
    int enter = 13;
    f.Text2_KeyPress(10, enter);
    f.mnuPr->accion()->trigger();
    f.mnuBan->accion()->trigger();
    QCoreApplication::processEvents();
    if (f.g.nPuntos != 50 || f.g.prediccionActiva != 1 || f.g.bandasActivas != 1) {
        estado.SkipWithError("no se pudo preparar la muestra de 50 puntos con las dos vistas");
        return;
    }
    for (auto _ : estado) {
        QPixmap imagen = f.grab();
        benchmark::DoNotOptimize(imagen);
    }
    QPixmap imagen = f.grab();
    estado.counters["ancho_px"] = imagen.width();
    estado.counters["alto_px"] = imagen.height();
}
BENCHMARK(RepintadoCompleto)->Unit(benchmark::kMillisecond);

} // namespace
