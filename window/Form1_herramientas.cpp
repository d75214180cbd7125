// Form1's cloud tools: the ten icons of the tool row, each repeating its step
// over every point while its button (or Space) is held, at most once per
// 0.01 s, until the release or the tool's limit. Between steps the program
// sleeps on a single-shot timer armed for the next step's due time.
#include "Form1.h"

#include "Grafico.h"
#include "teclas.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace rectaviva {

namespace {

// A tool makes at most one step per 0.01 s.
constexpr auto kPasoHerramienta = std::chrono::milliseconds(10);
// How far behind its due times a tool may fall and still catch up: five
// steps, a few milliseconds of work, and no visible jump.
constexpr auto kRetrasoMaximo = 5 * kPasoHerramienta;
// While a tool is held the window paints at most this often: the cloud moves
// by half a percent a step, and 25 pictures a second (film's rate) show it
// moving smoothly at less than half the cost of a 60 Hz screen's every
// refresh.
constexpr double kCuadrosPorSegundo = 25;

// Arms a single-shot timer for the moment `cuando`, rounded up to a whole
// millisecond so that it does not fire before it; the process sleeps until
// then.
void armar(QTimer& reloj, std::chrono::steady_clock::time_point cuando,
           std::chrono::steady_clock::time_point ahora) {
    const auto falta = std::chrono::ceil<std::chrono::milliseconds>(cuando - ahora);
    reloj.start(std::max(falta, std::chrono::milliseconds(0)));
}

} // namespace

void Form1::Image1_MouseDown(Integer Index, int, int, float, float) {
    if (!existeMuestra() || Index < 0 || Index > 9) {
        return;
    }
    terminarHerramienta();
    // The step is named by the tool's tooltip, read in the language in use.
    empezarGesto(NombreGesto([this, Index] { return Image1(Index).toolTip(); }));
    herramienta_ = static_cast<Herramienta>(Index);
    referencias_ = buscarReferencias(g);
    puntosDeLaHerramienta_ = g.nPuntos;
    proximoPaso_ = std::chrono::steady_clock::now();
    g.arrastrando = -1;
    herramientaActiva_ = true;
    // The first step happens at the press, before a release can be seen;
    // it arms the timer for the next one.
    pasoDeHerramienta();
}

void Form1::Image1_MouseUp(Integer, int, int, float, float) {
    g.arrastrando = 0;
    terminarHerramienta();
    if (existeMuestra()) {
        anunciar();
    }
}

// A cloud's markers are placed from the points themselves (ubicarNube), so
// only the shapes' places are kept.
void MarcadoresPendientes::x(Integer k, float v) {
    if (k >= 0 && static_cast<std::size_t>(k) < x_.size()) {
        x_[static_cast<std::size_t>(k)] = v;
    }
}

void MarcadoresPendientes::y(Integer k, float v) {
    if (k >= 0 && static_cast<std::size_t>(k) < y_.size()) {
        y_[static_cast<std::size_t>(k)] = v;
    }
}

// A marker's place is a function of its point's coordinate alone: the last
// one given is the place of all the steps since the last paint.
void MarcadoresPendientes::colocar(Matriz<Shape>& marcadores, const Globales& g) {
    for (std::size_t k = 0; k < x_.size(); ++k) {
        if (x_[k]) {
            colocarTrasPasoX(marcadores(static_cast<int>(k)), g, *x_[k]);
            x_[k].reset();
        }
        if (y_[k]) {
            colocarTrasPasoY(marcadores(static_cast<int>(k)), g, *y_[k]);
            y_[k].reset();
        }
    }
}

void Form1::terminarHerramienta() {
    const bool activa = herramientaActiva_;
    herramientaActiva_ = false;
    if (relojHerramienta_) {
        relojHerramienta_->stop();
    }
    mostrarNubePendiente();
    if (activa) {
        terminarGesto();
    }
    // A paint put off while the tool was held happens now.
    if (relojPintado_ && relojPintado_->isActive()) {
        relojPintado_->stop();
        pedirPintado();
    }
}

// The request that Qt sends when something is marked for repainting, sent
// by the window itself: for a paint it put off, or a display that waits.
void Form1::pedirPintado() {
    QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

void Form1::pasoDeHerramienta() {
    if (!herramientaActiva_ || g.arrastrando != -1 || g.nPuntos != puntosDeLaHerramienta_) {
        terminarHerramienta();
        return;
    }
    const auto ahora = std::chrono::steady_clock::now();
    if (ahora < proximoPaso_) {
        armar(*relojHerramienta_, proximoPaso_, ahora);
        return;
    }
    // Step k is due k periods after the press, whenever step k - 1 ran, so
    // the lateness of a timer or of a busy machine does not add up: a late
    // step is followed sooner. After a longer stall the count starts again
    // from now instead of catching up in a burst.
    proximoPaso_ += kPasoHerramienta;
    if (ahora - proximoPaso_ > kRetrasoMaximo) {
        proximoPaso_ = ahora + kPasoHerramienta;
    }
    if (const FinDePaso fin = pasoNube(g, herramienta_, referencias_, marcadores_);
        fin != FinDePaso::Sigue) {
        // A limit ends the tool and, on the design's grid, this step's
        // results are not refreshed; the points moved so far keep their new
        // coordinates, so the list is, that each row still reads its own
        // point. The sums now lag behind the points: the next grab brings
        // them up to date. A data set's numbers are always those of its
        // listed points, so there the step is refitted and shown.
        if (g.datosCargados == 1) {
            serieHerramienta();
        }
        terminarHerramienta();
        g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
        sumasAtrasadas_ = true;
        if (fin == FinDePaso::Borde) {
            hablar(QCoreApplication::translate(
                "transformar", "La nube se detiene en el borde: más allá la transformación no se "
                               "puede deshacer."));
        }
        return;
    }
    ++pasosHerramienta_;
    serieHerramienta();
    if (herramientaActiva_) {
        armar(*relojHerramienta_, proximoPaso_, std::chrono::steady_clock::now());
    }
}

bool Form1::event(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        retraducir();
    } else if (e->type() == QEvent::UpdateRequest) {
        const auto ahora = std::chrono::steady_clock::now();
        const double pantalla =
            screen() && screen()->refreshRate() > 1 ? screen()->refreshRate() : 60.0;
        const double hz = std::min(pantalla, kCuadrosPorSegundo);
        const auto periodo = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(1.0 / hz));
        if (herramientaActiva_ && ahora - ultimoPintado_ < periodo) {
            // Qt sends no other request until this one is handled: the paint
            // is only put off, with everything marked until then.
            if (!relojPintado_->isActive()) {
                armar(*relojPintado_, ultimoPintado_ + periodo, ahora);
            }
            return true;
        }
        ultimoPintado_ = ahora;
        // What the last step of a held tool changed, drawn before it is painted.
        mostrarNubePendiente();
    }
    return QMainWindow::event(e);
}

// The tool row is one Tab stop whose arrows move the focus from tool to tool
// (a group of focus); a held Space is a held button.

void Form1::Image1_KeyDown(Integer Index, int& KeyCode, int) {
    // A held key repeats its press: the tool is already working.
    if (KeyCode == Qt::Key_Space) {
        if (herramientaTecla_ < 0) {
            herramientaTecla_ = Index;
            Image1_MouseDown(Index, PictureBox::Izquierdo, 0, 0, 0);
        }
        KeyCode = 0;
    }
}

void Form1::Image1_KeyUp(Integer, int& KeyCode, int) {
    if (KeyCode == Qt::Key_Space) {
        KeyCode = 0;
        soltarHerramientaTecla();
    }
}

void Form1::soltarHerramientaTecla() {
    if (herramientaTecla_ < 0) {
        return;
    }
    const Integer k = herramientaTecla_;
    herramientaTecla_ = -1;
    Image1_MouseUp(k, PictureBox::Izquierdo, 0, 0, 0);
}

} // namespace rectaviva
