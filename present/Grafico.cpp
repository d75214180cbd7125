// Scale, markers and fitted line of the scatter plot.
#include "Grafico.h"

#include "escala.h"
#include "geometria.h"
#include "redondeo.h"

#include <algorithm>
#include <vector>

namespace rectaviva {

void fijarEscala(PictureBox& pic, const Single& x1, const Single& x2, const Single& y1,
                 const Single& y2) {
    pic.Cls();
    pic.Scale(x1, y2, x2, y1);
}

void ubicarPuntos(const Matriz<Shape>& Shape1, Globales& g, const Integer& n,
                  const ArregloMuestra<Single>& x, const ArregloMuestra<Single>& y) {
    for (g.indice = 1; g.indice <= n; ++g.indice) {
        Shape& s = Shape1(g.indice);
        const Esquina e = esquinaMarcador(g, x(g.indice), y(g.indice));
        colorearMarcador(s, colorPuntoActivo);
        s.setLeft(e.left);
        s.setTop(e.top);
        s.setVisible(true);
    }
    for (g.indice = static_cast<Integer>(n + 1); g.indice <= maxPuntos; ++g.indice) {
        Shape1(g.indice).setVisible(false);
    }
}

Integer puntoBajoRaton(const Matriz<Shape>& Shape1, Globales& g, Single X, Single Y) {
    // 0.15 layout units, taken as units of the design's grid.
    const Single dx = S(0.15 * D(g.escalaX) * D(unidadX(g)));
    const Single dy = S(0.15 * D(g.escalaY) * D(unidadY(g)));
    for (g.indice = 1; g.indice <= g.nPuntos; ++g.indice) {
        const Single L = static_cast<Single>(Shape1(g.indice).Left());
        const Single T = static_cast<Single>(Shape1(g.indice).Top());
        if (X > L - dx && X < L + dx && Y > T - dy && Y < T + dy) {
            return g.indice;
        }
    }
    return 0;
}

void ubicarNube(Nube& nube, const Matriz<Shape>& Shape1, const Globales& g) {
    if (!enNube(g)) {
        nube.setVisible(false);
        nube.setPuntos({}, {});
        return;
    }
    for (int k = 0; k <= maxPuntos + 1; ++k) {
        Shape1(k).setVisible(false);
    }
    std::vector<QPointF> puntos(static_cast<std::size_t>(g.nPuntos));
    std::vector<std::uint8_t> eliminado(puntos.size());
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        puntos[std::size_t(k - 1)] = QPointF(g.xObs(k), g.yObs(k));
        eliminado[std::size_t(k - 1)] = g.activo(k) == 1 ? 0 : 1;
    }
    nube.setColores(colorPuntoActivo, colorEliminado);
    nube.setPuntos(std::move(puntos), std::move(eliminado));
    nube.setVisible(true);
}

Integer puntoBajoRaton(const Nube& nube, const Globales& g, Single X, Single Y) {
    const double dx = 0.15 * D(g.escalaX) * D(unidadX(g));
    const double dy = 0.15 * D(g.escalaY) * D(unidadY(g));
    return static_cast<Integer>(nube.puntoEn(X, Y, dx, dy));
}

QPointF arrastrarEnNube(const Globales& g, Single X, Single Y) {
    return {std::clamp(X, g.xMin, g.xMax), std::clamp(Y, g.yMin, g.yMax)};
}

Integer asaBajoRaton(const Matriz<Shape>& asas, Single X, Single Y) {
    for (int i = 0; i <= 1; ++i) {
        const Shape& a = asas(i);
        // A shape's Top is its larger y: the plot's y grows upwards.
        if (a.Visible() && X >= a.Left() && X <= a.Left() + a.Width() && Y <= a.Top() &&
            Y >= a.Top() - a.Height()) {
            return static_cast<Integer>(i + 1);
        }
    }
    return 0;
}

void arrastrarMarcador(Shape& marcador, const Globales& g, Single X, Single Y) {
    const Esquina e = esquinaArrastrada(g, X, Y, static_cast<Single>(marcador.Width()),
                                        static_cast<Single>(marcador.Height()));
    marcador.setLeft(e.left);
    marcador.setTop(e.top);
}

void colocarTrasPasoX(Shape& marcador, const Globales& g, Single x) {
    marcador.setLeft(izquierdaTrasPaso(g, x, static_cast<Single>(marcador.Width())));
}

void colocarTrasPasoY(Shape& marcador, const Globales& g, Single y) {
    marcador.setTop(arribaTrasPaso(g, y, static_cast<Single>(marcador.Height())));
}

void colorearMarcador(Shape& marcador, const QColor& c) {
    marcador.setFillColor(c);
    marcador.setBorderColor(c);
}

QColor colorNormal(const Globales& g, Integer k) {
    return g.activo(k) == 1 ? colorPuntoActivo : colorEliminado;
}

void ponerSegmento(Line& l, const Segmento& s) {
    l.setExtremos(s.x1, s.y1, s.x2, s.y2);
    l.setVisible(s.visible);
}

void trazarRecta(Line& Line3, const Globales& g, const Single& a, const Single& b) {
    ponerSegmento(Line3, rectaAjustada(g, a, b));
}

} // namespace rectaviva
