// Form1's hands on the cloud: picking and dragging a point, the pop-up that
// deletes and restores it, the picks on the point list, and the ten cloud
// tools that act while their button is held.
#include "Form1.h"

#include "Grafico.h"

#include "redondeo.h"

#include <QTimer>

namespace rectaviva {

namespace {

const QColor colorElegido(0, 220, 0);
const QColor colorFilaElegida(0, 200, 0);

// The button states of the mouse handlers.
constexpr int kIzquierdo = 1;
// A tool makes at most one step per 0.01 s.
constexpr auto kPasoHerramienta = std::chrono::milliseconds(10);

} // namespace

bool Form1::puntoValido(Integer k) const {
    return k >= 1 && k <= g.nPuntos && k <= 50;
}

void Form1::colorearMarcador(Integer k, const QColor& c) {
    Shape1(k).setFillColor(c);
    Shape1(k).setBorderColor(c);
}

void Form1::colorNormal(Integer k) {
    colorearMarcador(k, g.activo(k) == 1 ? colorPuntoActivo : colorPuntoEliminado);
}

void Form1::formatoPunto(Integer k) {
    g.oMostrar->formato(k, g.xObs(k), g.yObs(k), g.lineaLista);
}

void Form1::reimprimirFila(Integer k, const QColor& c) {
    g.oMostrar->imprimirFila(k, c);
}

QColor Form1::colorFila(Integer k) const {
    return g.activo(k) == 1 ? colorFilaActiva : colorFilaEliminada;
}

// ---------------------------------------------------------------------------
// The plot.

void Form1::Picture1_MouseDown(int Button, int, float X, float Y) {
    if (!hayMuestra()) {
        return;
    }
    // Hit test: a box of 0.15 layout units either side of each marker's
    // top-left corner, in plot units; the lowest point number wins.
    const Single dx = static_cast<Single>(0.15 * g.escalaX);
    const Single dy = static_cast<Single>(0.15 * g.escalaY);
    for (g.indice = 1; g.indice <= g.nPuntos; ++g.indice) {
        const Single L = static_cast<Single>(Shape1(g.indice).Left());
        const Single T = static_cast<Single>(Shape1(g.indice).Top());
        if (X > L - dx && X < L + dx && Y > T - dy && Y < T + dy) {
            const Integer k = g.indice;
            g.puntoSel = k;
            g.arrastrando = -1;
            g.xRaton = X;
            g.yRaton = Y;
            g.listaSinResaltar = 0;
            formatoPunto(k);
            reimprimirFila(k, colorFilaElegida);
            break;
        }
    }

    if (Button == kIzquierdo) {
        if (g.arrastrando != -1 || !puntoValido(g.puntoSel)) {
            return;
        }
        Timer1->setEnabled(true);
        colorearMarcador(g.puntoSel, colorElegido);
        formatoPunto(g.puntoSel);
        return;
    }

    // No point has been picked yet: the pop-up would have nothing to act on.
    if (!puntoValido(g.puntoSel)) {
        return;
    }
    if (Frame6->Visible()) {
        Frame6->setVisible(false);
        reimprimirFila(g.puntoSel, colorFila(g.puntoSel));
        return;
    }
    Frame6->setVisible(true);
    if (g.arrastrando != -1) {
        return;
    }
    // Just above and right of the spot, unless that runs past the bottom or
    // the right edge of the plot.
    const Single H = static_cast<Single>(Frame6->Height());
    const Single W = static_cast<Single>(Frame6->Width());
    Frame6->setTop((Y + 5.0f) - g.yMin > H ? Y + 5.0f : Y + H);
    Frame6->setLeft(g.xMax - X - 5.0f > W ? X + 5.0f : X - W);
    if (g.activo(g.puntoSel) == 1) {
        Label5(0).setEnabled(g.nActivos > 3);
        Label5(1).setEnabled(false);
    } else {
        Label5(0).setEnabled(false);
        Label5(1).setEnabled(true);
    }
}

void Form1::Picture1_MouseMove(int Button, int, float X, float Y) {
    if (Button == kIzquierdo && g.arrastrando == -1) {
        g.xRaton = X;
        g.yRaton = Y;
    }
}

void Form1::Timer1_Timer() {
    // The sample may have changed under a drag (a new sample by keyboard).
    if (!puntoValido(g.puntoSel) || g.arrastrando != -1) {
        Timer1->setEnabled(false);
        return;
    }
    moverPunto(g.puntoSel, g.arrastrando, g.xRaton, g.yRaton, g.xAnterior, g.yAnterior);
    g.oMostrar->formato(g.puntoSel, g.xAnterior, g.yAnterior, g.lineaLista);
    reimprimirFila(g.puntoSel, Picture2->BackColor());
    g.oMostrar->formato(g.puntoSel, g.xRaton, g.yRaton, g.lineaLista);
    reimprimirFila(g.puntoSel, colorFilaElegida);
}

void Form1::Picture1_MouseUp(int Button, int, float, float) {
    if (Button == kIzquierdo) {
        if (g.listaSinResaltar == 0 && puntoValido(g.puntoSel)) {
            colorNormal(g.puntoSel);
            formatoPunto(g.puntoSel);
            reimprimirFila(g.puntoSel, colorFila(g.puntoSel));
            g.listaSinResaltar = 1;
        }
        Timer1->setEnabled(false);
    }
    g.arrastrando = 0;
}

// ---------------------------------------------------------------------------
// The point list.

void Form1::Picture2_MouseDown(int, int, float, float Y) {
    if (!hayMuestra()) {
        return;
    }
    // Row k is printed at k + 2; a press on the heading, the rule or below
    // the last row names no point and picks nothing.
    const std::optional<Integer> k = aInteger(static_cast<double>(Y) - 2.0);
    if (!k || !puntoValido(*k)) {
        return;
    }
    g.listaSinResaltar = 0;
    g.puntoSel = *k;
    colorearMarcador(g.puntoSel, colorElegido);
    formatoPunto(g.puntoSel);
}

void Form1::Picture2_MouseUp(int, int, float, float) {
    if (!hayMuestra()) {
        return;
    }
    if (g.listaSinResaltar == 0 && puntoValido(g.puntoSel)) {
        colorNormal(g.puntoSel);
        formatoPunto(g.puntoSel);
        g.listaSinResaltar = 1;
    }
    g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
}

// ---------------------------------------------------------------------------
// Deleting and restoring.

void Form1::Label5_Click(Integer Index) {
    Frame6->setVisible(false);
    if (!hayMuestra() || !puntoValido(g.puntoSel)) {
        return;
    }
    const Integer k = g.puntoSel;
    // Each command acts only on a point in the state it fits, so a point is
    // never counted twice and fewer than three are never left in use.
    if (Index != 0) {
        if (g.activo(k) != 1) {
            colorearMarcador(k, colorPuntoActivo);
            g.activo(k) = 1;
            g.nActivos = static_cast<Integer>(g.nActivos + 1);
            formatoPunto(k);
            reimprimirFila(k, colorFilaActiva);
        }
    } else if (g.nActivos > 3 && g.activo(k) == 1) {
        colorearMarcador(k, colorPuntoEliminado);
        g.activo(k) = 0;
        g.nActivos = static_cast<Integer>(g.nActivos - 1);
        formatoPunto(k);
        reimprimirFila(k, colorFilaEliminada);
    }
    g.listaSinResaltar = 1;
    serieEliminar();
}

// ---------------------------------------------------------------------------
// The cloud tools: a timer polls the clock and makes a step whenever 0.01 s
// have passed since the last one, until the release or a limit.

// A step places a marker by the placement rule (x - 1, y + 1). A point
// that lies off the plot (dragged past an edge) and is brought
// back by a contraction keeps its marker against that edge, as the drag
// left it, instead of carrying it off the plot; points on the plot are
// placed by the rule unchanged.
class Form1::MarcadoresDelPlano : public ColocarMarcador {
public:
    MarcadoresDelPlano(Matriz<Shape>& s, const Globales& g) : s_(s), g_(g) {}
    void izquierda(Integer k, float borde) override {
        const double x = D(borde) + 1.0;
        if (x < g_.xMin) {
            borde = g_.xMin;
        } else if (x > g_.xMax) {
            borde = g_.xMax - S(s_(k).Width());
        }
        s_(k).setLeft(borde);
    }
    void arriba(Integer k, float borde) override {
        const double y = D(borde) - 1.0;
        if (y > g_.yMax) {
            borde = g_.yMax;
        } else if (y < g_.yMin) {
            borde = g_.yMin + S(s_(k).Height());
        }
        s_(k).setTop(borde);
    }

private:
    Matriz<Shape>& s_;
    const Globales& g_;
};

void Form1::Image1_MouseDown(Integer Index, int, int, float, float) {
    if (!hayMuestra() || Index < 0 || Index > 9) {
        return;
    }
    terminarHerramienta();
    herramienta_ = static_cast<Herramienta>(Index);
    referencias_ = buscarReferencias(g);
    puntosDeLaHerramienta_ = g.nPuntos;
    proximoPaso_ = std::chrono::steady_clock::now();
    g.arrastrando = -1;
    herramientaActiva_ = true;
    // The first step happens at the press, before a release can be seen.
    pasoDeHerramienta();
    if (herramientaActiva_) {
        relojHerramienta_->start();
    }
}

void Form1::Image1_MouseUp(Integer, int, int, float, float) {
    g.arrastrando = 0;
    terminarHerramienta();
}

void Form1::terminarHerramienta() {
    herramientaActiva_ = false;
    if (relojHerramienta_) {
        relojHerramienta_->stop();
    }
}

void Form1::pasoDeHerramienta() {
    if (!herramientaActiva_ || g.arrastrando != -1 || g.nPuntos != puntosDeLaHerramienta_) {
        terminarHerramienta();
        return;
    }
    const auto ahora = std::chrono::steady_clock::now();
    if (ahora < proximoPaso_) {
        programarReloj(ahora);
        return;
    }
    proximoPaso_ = ahora + kPasoHerramienta;
    MarcadoresDelPlano marcadores(Shape1, g);
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        bool okX = true;
        bool okY = true;
        pasoHerramienta(g, herramienta_, k, referencias_, okX, okY, marcadores);
        if (!okX || !okY) {
            // A limit ends the tool; this step's redraw is not made.
            terminarHerramienta();
            return;
        }
    }
    ++pasosHerramienta_;
    serieHerramienta();
    programarReloj(std::chrono::steady_clock::now());
}

// Sleeps until about a millisecond before the next step is due, then polls
// at every pass of the event loop: a timer's own lateness would otherwise
// add to every 0.01 s period and slow the tool below a hundred steps a second.
void Form1::programarReloj(std::chrono::steady_clock::time_point ahora) {
    using std::chrono::milliseconds;
    const auto falta = std::chrono::duration_cast<milliseconds>(proximoPaso_ - ahora);
    relojHerramienta_->setInterval(falta > milliseconds(2) ? static_cast<int>(falta.count()) - 1
                                                           : 0);
}

} // namespace rectaviva
