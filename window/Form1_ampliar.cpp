// Form1 drawn larger to fill the screen ("Ampliar a la pantalla" in "Ver"):
// the design's layout for a screen s times smaller, magnified s times, with
// the sample, the settings and whatever is open kept as they were.
#include "Form1.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace rectaviva {

double Form1::factorAmpliacion() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) {
        return 1.0;
    }
    // The design fills 1024 x 768; the smaller ratio keeps all of it on the
    // screen. A smaller screen is never shrunk.
    const QSize pantalla = s->geometry().size();
    return std::max(1.0, std::min(pantalla.width() / 1024.0, pantalla.height() / 768.0));
}

void Form1::mnuAmp_Click() {
    // The point list is printed again at the new size; each row keeps the
    // colour it had (a picked point's stays green).
    std::vector<std::pair<Integer, QColor>> colores;
    const Escala lista = Picture2->escala();
    for (const PictureBox::Renglon& r : Picture2->renglones()) {
        const long k = std::lround(lista.desdePixeles(r.posicion).y()) - 2;
        if (k >= 1 && k <= g.nPuntos) {
            colores.emplace_back(static_cast<Integer>(k), r.color);
        }
    }

    ampliar(*this, mnuAmp->Checked() ? factorAmpliacion() : 1.0);
    // The screen is now smaller or larger in twips: new layout units, and
    // everything placed in them placed again.
    distribuir();
    ubicarListas();
    if (!existeMuestra()) {
        return;
    }
    g.oMostrar->Barras();
    g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
    for (const auto& [k, color] : colores) {
        if (color != colorFilaNormal(g, k)) {
            g.oMostrar->imprimirPunto(k, color);
        }
    }
}

} // namespace rectaviva
