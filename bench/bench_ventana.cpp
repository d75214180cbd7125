// The window at 1024 x 768:
// - ArranqueBajoXvfb: the real program started as a child process on the X
//   server of DISPLAY (scripts/correr-benchmarks starts an Xvfb) with
//   RECTAVIVA_SALIR_TRAS_MOSTRAR set, timed from the spawn until it has
//   painted its window once and exited (so the figure also holds the exit),
//   each run followed by one of a bare widget window (ventana_vacia) started
//   the same way. The counters are the medians over the runs and the
//   largest peak resident memory (ru_maxrss) of each; the time ratio is the
//   median of each run's ratio to the bare window started right after it,
//   which a machine whose speed drifts between runs does not bias. The
//   program starts in Spanish (argument 0), its own language, or in English
//   (1), with a catalogue to load and every text to translate. With
//   RECTAVIVA_PROGRAMA_COMPARADO set, that build is timed instead.
// - ArranqueEnProceso: Form1 built, shown and painted once inside this
//   process (Qt's offscreen platform), whose QApplication already exists.
// - CambioDeIdioma: "Idioma" from Spanish to English and back, with a
//   50-point sample and three views on; the figure is one change.
// - RepintadoCompleto: one grab of the whole window with a 50-point sample,
//   the prediction view and the bands on.
// - RondaDeReto: "Otra ronda" of "Adivina la correlación" (/0: the cloud
//   drawn from its code, loaded, fitted, hidden) or of "¿Qué dicen los
//   residuos?" (/3: with its residual plot) until the window has painted it.
// - ComprobarReto: "Comprobar" with a guess typed (/0) or an answer chosen
//   (/3), until the revealed boxes, bars and line (or the explanation and
//   its marks) are painted; a new round between runs is not timed.
// - CambiarTransformacion: the census set from its numbers to log₁₀ of y and
//   back ("Transformar"), one change until the window has painted it.
// - PintarRueda: the twenty 50-point plots of "Rueda de residuos" painted
//   once, on a dialog of 1920 x 1080, into an image made beforehand.
#include "Form1.h"
#include "idioma.h"
#include "pintado.h"
#include "rueda_residuos.h"
#include "vista_retos.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace rectaviva;

// The environment of this process with the X platform for the children, the
// language asked for (and no settings that could choose another one) and
// the hook that makes the program quit after its first paint.
std::vector<std::string> entornoHijo(const char* idioma) {
    std::vector<std::string> e;
    for (char** v = environ; *v != nullptr; ++v) {
        if (std::strncmp(*v, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*v, "LANGUAGE=", 9) != 0 &&
            std::strncmp(*v, "XDG_CONFIG_HOME=", 16) != 0) {
            e.emplace_back(*v);
        }
    }
    e.emplace_back("QT_QPA_PLATFORM=xcb");
    e.emplace_back(std::string("LANGUAGE=") + idioma);
    e.emplace_back("XDG_CONFIG_HOME=/nonexistent");
    e.emplace_back("RECTAVIVA_SALIR_TRAS_MOSTRAR=1");
    return e;
}

struct Arranque {
    double ms = 0;   ///< from the spawn to the end of the child
    long picoKB = 0; ///< the child's peak resident memory
};

// Runs `programa` until it ends; nothing when it could not start or failed.
std::optional<Arranque> arrancar(const char* programa, char* const envp[]) {
    // The child's warnings go nowhere; its status says whether it started.
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    std::string ruta(programa);
    char* argv[] = {ruta.data(), nullptr};
    const auto t0 = std::chrono::steady_clock::now();
    pid_t hijo = 0;
    const bool lanzado = posix_spawn(&hijo, programa, &acciones, nullptr, argv, envp) == 0;
    posix_spawn_file_actions_destroy(&acciones);
    int status = 0;
    rusage uso{};
    if (!lanzado || wait4(hijo, &status, 0, &uso) != hijo || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    const auto t1 = std::chrono::steady_clock::now();
    return Arranque{std::chrono::duration<double, std::milli>(t1 - t0).count(), uso.ru_maxrss};
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

void ArranqueBajoXvfb(benchmark::State& estado) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        estado.SkipWithError("sin DISPLAY: scripts/correr-benchmarks lo corre bajo Xvfb");
        return;
    }
    std::vector<std::string> entorno = entornoHijo(estado.range(0) == 0 ? "es" : "en");
    std::vector<char*> envp;
    for (std::string& s : entorno) {
        envp.push_back(s.data());
    }
    envp.push_back(nullptr);
    std::vector<double> programa, vacia, razones;
    long picoPrograma = 0, picoVacia = 0;
    // RECTAVIVA_PROGRAMA_COMPARADO names another build of the program (an
    // older commit, say) to time against the same bare windows.
    const QByteArray otro = qgetenv("RECTAVIVA_PROGRAMA_COMPARADO");
    const char* ejecutable = otro.isEmpty() ? RECTAVIVA_PROGRAMA : otro.constData();
    for (auto _ : estado) {
        const auto p = arrancar(ejecutable, envp.data());
        const auto v = arrancar(RECTAVIVA_VENTANA_VACIA, envp.data());
        if (!p || !v) {
            estado.SkipWithError("el programa o la ventana vacía no terminó bien");
            return;
        }
        estado.SetIterationTime(p->ms / 1000.0);
        programa.push_back(p->ms);
        vacia.push_back(v->ms);
        razones.push_back(p->ms / v->ms);
        picoPrograma = std::max(picoPrograma, p->picoKB);
        picoVacia = std::max(picoVacia, v->picoKB);
    }
    const double msPrograma = mediana(programa), msVacia = mediana(vacia);
    estado.counters["ms"] = msPrograma;
    estado.counters["ms_vacia"] = msVacia;
    estado.counters["razon_ms"] = mediana(razones);
    estado.counters["MiB"] = static_cast<double>(picoPrograma) / 1024.0;
    estado.counters["MiB_vacia"] = static_cast<double>(picoVacia) / 1024.0;
    estado.counters["razon_MiB"] =
        static_cast<double>(picoPrograma) / static_cast<double>(picoVacia);
    estado.SetLabel("objetivo: ms ≤ 80, MiB ≤ 40");
}
BENCHMARK(ArranqueBajoXvfb)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(31)
    ->Arg(0)
    ->Arg(1);

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

// The window shown with the same 50-point sample for every run.
void muestraDe50(Form1& f) {
    f.show();
    QCoreApplication::processEvents();
    f.setGenerador(std::make_unique<GeneradorSemilla>(11));
    f.mnuGene->accion()->trigger();
    f.Text2(10).setText(QStringLiteral("50"));
    int enter = 13;
    f.Text2_KeyPress(10, enter);
}

void CambioDeIdioma(benchmark::State& estado) {
    Form1 f;
    muestraDe50(f);
    f.mnuRes->accion()->trigger();
    f.mnuInf->accion()->trigger();
    f.mnuBan->accion()->trigger();
    QCoreApplication::processEvents();
    bool ingles = false;
    for (auto _ : estado) {
        ingles = !ingles;
        fijarIdioma(*qApp, ingles ? QStringLiteral("en") : QStringLiteral("es"));
        QCoreApplication::processEvents();
    }
    fijarIdioma(*qApp, QStringLiteral("es"));
    estado.SetLabel("objetivo: ms < 100");
}
BENCHMARK(CambioDeIdioma)->Unit(benchmark::kMillisecond)->UseRealTime();

void RepintadoCompleto(benchmark::State& estado) {
    Form1 f;
    muestraDe50(f);
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

// Runs `accion` and the event loop until the window has painted; the time
// from the action to the end of that paint.
template <class F> double hastaPintar(Form1& f, F&& accion) {
    Pintado pintado;
    f.installEventFilter(&pintado);
    const auto t0 = std::chrono::steady_clock::now();
    accion();
    while (!pintado.visto) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const auto t1 = std::chrono::steady_clock::now();
    f.removeEventFilter(&pintado);
    return std::chrono::duration<double>(t1 - t0).count();
}

void RondaDeReto(benchmark::State& estado) {
    Form1 f;
    muestraDe50(f);
    VistaRetos* retos = buscarVista<VistaRetos>(f.vistas());
    if (retos == nullptr || !retos->jugarCodigo(static_cast<Reto>(estado.range(0)), 1000)) {
        estado.SkipWithError("sin retos");
        return;
    }
    for (auto _ : estado) {
        estado.SetIterationTime(hastaPintar(f, [&f] { f.Command2(1).click(); }));
    }
    estado.SetLabel("objetivo: ms < 5");
}
BENCHMARK(RondaDeReto)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond)->UseManualTime();

void ComprobarReto(benchmark::State& estado) {
    Form1 f;
    muestraDe50(f);
    VistaRetos* retos = buscarVista<VistaRetos>(f.vistas());
    if (retos == nullptr) {
        estado.SkipWithError("sin retos");
        return;
    }
    int codigo = 0;
    for (auto _ : estado) {
        retos->jugarCodigo(static_cast<Reto>(estado.range(0)), 1000 + codigo++ % 9000);
        f.Text8->setText(QStringLiteral("0.5"));
        retos->elegirRespuesta(Patron::Curvatura);
        QCoreApplication::processEvents();
        estado.SetIterationTime(hastaPintar(f, [&f] { f.Command2(0).click(); }));
        if (!retos->comprobada()) {
            estado.SkipWithError("Comprobar no puntuó la ronda");
            return;
        }
    }
    estado.SetLabel("objetivo: ms < 2");
}
BENCHMARK(ComprobarReto)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond)->UseManualTime();

void CambiarTransformacion(benchmark::State& estado) {
    Form1 f;
    f.show();
    f.mnuConjunto[8]->accion()->trigger();
    if (f.g.nPuntos != 24 || !f.transformarDatos(Transformacion::Ninguna, Transformacion::Log10)) {
        estado.SkipWithError("sin el censo transformado");
        return;
    }
    bool log = false;
    for (auto _ : estado) {
        estado.SetIterationTime(hastaPintar(f, [&f, &log] {
            f.transformarDatos(Transformacion::Ninguna,
                               log ? Transformacion::Log10 : Transformacion::Ninguna);
        }));
        log = !log;
    }
    estado.SetLabel("objetivo: ms < 5");
}
BENCHMARK(CambiarTransformacion)->Unit(benchmark::kMillisecond)->UseManualTime();

void PintarRueda(benchmark::State& estado) {
    Rueda r;
    r.propio = 7;
    for (int k = 0; k < graficosDeRueda; ++k) {
        r.graficos.emplace_back();
        for (int i = 0; i < 50; ++i) {
            r.graficos.back().push_back({-30.0 + 2.4 * i, 20 * std::sin(3.7 * i + 1.3 * k)});
        }
    }
    DialogoRueda d(nullptr, std::move(r), {});
    d.resize(1920, 1080);
    d.show();
    QCoreApplication::processEvents();
    d.elegir(3);
    CuadriculaRueda& g = d.graficos();
    QImage imagen(g.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : estado) {
        g.render(&imagen);
        benchmark::DoNotOptimize(imagen);
    }
    estado.counters["ancho_px"] = g.width();
    estado.counters["alto_px"] = g.height();
    estado.SetLabel("objetivo: ms < 20");
}
BENCHMARK(PintarRueda)->Unit(benchmark::kMillisecond);

} // namespace
