// Form1's hands on the cloud: picking and dragging a point (the press, the
// drag timer and its step moverPunto), the pop-up that deletes and restores
// it, and the picks on the point list.
#include "Form1.h"
#include "gesto_breve.h"

#include "Grafico.h"
#include "escala.h"

#include "redondeo.h"

namespace rectaviva {

namespace {

// The button states of the mouse handlers.
constexpr int kIzquierdo = 1;

} // namespace

bool Form1::puntoValido(Integer k) const {
    return k >= 1 && k <= g.nPuntos && k <= g.puntosReservados();
}

void Form1::ponerSumasAlDia() {
    if (sumasAtrasadas_) {
        sumasAtrasadas_ = false;
        g.oCalculos->sumas();
    }
}

void Form1::colorearPunto(Integer k, const QColor& c) {
    if (enNube(g)) {
        // Only the picked point has a colour of its own; the others follow
        // their state.
        Nube1->setEliminado(k, g.activo(k) != 1);
        if (c == colorElegido) {
            Nube1->setResaltado(k, c);
        } else if (Nube1->resaltado() == k) {
            Nube1->setResaltado(0, c);
        }
    } else {
        colorearMarcador(Shape1(k), c);
    }
    for (const auto& v : vistas_) {
        v->puntoColoreado(k);
    }
}

Vista* Form1::vistaQueSostiene() const {
    for (const auto& v : vistas_) {
        if (v->sostiene()) {
            return v.get();
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The plot.

void Form1::Picture1_MouseDown(int Button, int, float X, float Y) {
    if (!existeMuestra()) {
        return;
    }
    ponerSumasAlDia();
    // Hit test: a box of 0.15 layout units either side of each marker's
    // top-left corner; the lowest point number wins.
    const Integer k = enNube(g) ? puntoBajoRaton(*Nube1, g, X, Y) : puntoBajoRaton(Shape1, g, X, Y);
    // A press that picks no point may take something of a view's (a handle
    // of the own line); it moves through the same timer as a point.
    if (k == 0 && Button == kIzquierdo) {
        for (const auto& v : vistas_) {
            if (v->tomarEnPlano(X, Y)) {
                g.xRaton = X;
                g.yRaton = Y;
                Timer1->setEnabled(true);
                return;
            }
        }
    }
    if (k != 0) {
        g.puntoSel = k;
        g.arrastrando = -1;
        g.xRaton = X;
        g.yRaton = Y;
        g.listaSinResaltar = 0;
        g.oMostrar->imprimirPunto(k, colorFilaElegida);
    }

    if (Button == kIzquierdo) {
        if (g.arrastrando != -1 || !puntoValido(g.puntoSel)) {
            return;
        }
        empezarGesto({FUENTE("Form1", "mover el punto %1"), QString::number(g.puntoSel)});
        Timer1->setEnabled(true);
        colorearPunto(g.puntoSel, colorElegido);
        for (const auto& v : vistas_) {
            v->puntoTomado(g.puntoSel);
        }
        return;
    }

    // No point has been picked yet: the pop-up would have nothing to act on.
    if (!puntoValido(g.puntoSel)) {
        return;
    }
    if (Frame6->Visible()) {
        Frame6->setVisible(false);
        g.oMostrar->imprimirPunto(g.puntoSel, colorFilaNormal(g, g.puntoSel));
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
    // 5 units of the design's grid from the spot, in any plot range.
    const Single dy = 5.0f * unidadY(g);
    const Single dx = 5.0f * unidadX(g);
    Frame6->setTop((Y + dy) - g.yMin > H ? Y + dy : Y + H);
    Frame6->setLeft(g.xMax - X - dx > W ? X + dx : X - W);
    if (g.activo(g.puntoSel) == 1) {
        Label5(0).setEnabled(g.nActivos > minActivos);
        Label5(1).setEnabled(false);
    } else {
        Label5(0).setEnabled(false);
        Label5(1).setEnabled(true);
    }
}

void Form1::Picture1_MouseMove(int Button, int, float X, float Y) {
    if (Button == kIzquierdo && (g.arrastrando == -1 || vistaQueSostiene() != nullptr)) {
        g.xRaton = X;
        g.yRaton = Y;
    }
}

// The drag follows the mouse through this 60 ms tick rather than through
// every move event: a move only stores the position, and the recomputation
// and redraw run at most once per tick.
void Form1::Timer1_Timer() {
    if (Vista* v = vistaQueSostiene()) {
        v->pasoDeArrastre();
        return;
    }
    // The sample may have changed under a drag (a new sample by keyboard).
    if (!puntoValido(g.puntoSel) || g.arrastrando != -1) {
        Timer1->setEnabled(false);
        return;
    }
    moverPunto(g.puntoSel, g.arrastrando, g.xRaton, g.yRaton, g.xAnterior, g.yAnterior);
    g.oMostrar->imprimirPunto(g.puntoSel, colorFilaElegida);
}

// One drag step: the marker follows the mouse, kept inside the plot, the
// stored coordinates become the mouse's, rounded, and a point in use
// refits through its series.
void Form1::moverPunto(Integer& idx, Integer& arrastre, Single& X, Single& Y, Single& Xold,
                       Single& Yold) {
    if (arrastre != -1 || !puntoValido(idx)) {
        return;
    }
    for (const auto& v : vistas_) {
        v->limitarArrastre(X, Y);
    }
    if (enNube(g)) {
        Nube1->moverPunto(idx, arrastrarEnNube(g, X, Y));
    } else {
        arrastrarMarcador(Shape1(idx), g, X, Y);
    }
    Xold = g.xObs(idx);
    Yold = g.yObs(idx);
    // The stored coordinates follow the mouse, not the clamped marker, as
    // whole numbers (a data set's: at the decimals of its drag).
    g.xObs(idx) = redondearA(X, g.redondeoX);
    g.yObs(idx) = redondearA(Y, g.redondeoY);
    refrescarPuntoMovido(idx, Xold, Yold);
}

// A moved point in use refits through its series; a deleted one leaves the
// fit as it is.
void Form1::refrescarPuntoMovido(Integer idx, const Single& Xold, const Single& Yold) {
    if (g.activo(idx) == 1) {
        serieArrastre(idx, Xold, Yold);
    } else {
        // The fit stands; only what the views show of the deleted point moves.
        vistasTrasAjuste();
        mostrarVistas();
    }
}

void Form1::Picture1_MouseUp(int Button, int, float, float) {
    for (const auto& v : vistas_) {
        v->soltarEnPlano();
    }
    if (Button == kIzquierdo) {
        if (g.listaSinResaltar == 0 && puntoValido(g.puntoSel)) {
            colorearPunto(g.puntoSel, colorNormal(g, g.puntoSel));
            g.oMostrar->imprimirPunto(g.puntoSel, colorFilaNormal(g, g.puntoSel));
            g.listaSinResaltar = 1;
            anunciar();
        }
        Timer1->setEnabled(false);
        for (const auto& v : vistas_) {
            v->puntoTomado(0);
        }
        terminarGesto();
    }
    g.arrastrando = 0;
}

// ---------------------------------------------------------------------------
// The point list.

void Form1::Picture2_MouseDown(int, int, float, float Y) {
    if (!existeMuestra()) {
        return;
    }
    // Row k is printed at k + 2; a press on the heading, the rule or below
    // the last row names no point and picks nothing.
    const std::optional<Integer> k =
        aInteger(static_cast<double>(Y) - 3.0 + g.oMostrar->primeraFila());
    if (!k || !puntoValido(*k)) {
        return;
    }
    g.listaSinResaltar = 0;
    g.puntoSel = *k;
    colorearPunto(g.puntoSel, colorElegido);
}

void Form1::Picture2_MouseUp(int, int, float, float) {
    if (!existeMuestra()) {
        return;
    }
    if (g.listaSinResaltar == 0 && puntoValido(g.puntoSel)) {
        colorearPunto(g.puntoSel, colorNormal(g, g.puntoSel));
        g.listaSinResaltar = 1;
    }
    g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
}

// ---------------------------------------------------------------------------
// Deleting and restoring.

void Form1::Label5_Click(Integer Index) {
    Frame6->setVisible(false);
    if (!existeMuestra() || !puntoValido(g.puntoSel)) {
        return;
    }
    const Integer k = g.puntoSel;
    const GestoBreve gesto(*this, {Index == 0 ? FUENTE("Form1", "eliminar el punto %1")
                                              : FUENTE("Form1", "recuperar el punto %1"),
                                   QString::number(k)});
    // Each command acts only on a point in the state it fits, so a point is
    // never counted twice and fewer than three are never left in use.
    const bool recuperar = Index != 0 && g.activo(k) != 1;
    const bool eliminar = Index == 0 && g.nActivos > minActivos && g.activo(k) == 1;
    if (recuperar || eliminar) {
        g.activo(k) = recuperar ? 1 : 0;
        g.nActivos = static_cast<Integer>(g.nActivos + (recuperar ? 1 : -1));
        colorearPunto(k, colorNormal(g, k));
        g.oMostrar->imprimirPunto(k, colorFilaNormal(g, k));
    }
    g.listaSinResaltar = 1;
    serieEliminar();
    anunciar();
}

} // namespace rectaviva
