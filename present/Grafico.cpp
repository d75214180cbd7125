// Scale, markers and fitted line of the scatter plot.
#include "Grafico.h"

#include "geometria.h"

namespace rectaviva {

void fijarEscala(PictureBox& pic, const Integer& x1, const Integer& x2, const Integer& y1,
                 const Integer& y2) {
    pic.Cls();
    pic.Scale(x1, y2, x2, y1);
}

void ubicarPuntos(const Matriz<Shape>& Shape1, Globales& g, const Integer& n,
                  const ArregloMuestra<Single>& x, const ArregloMuestra<Single>& y) {
    for (g.indice = 1; g.indice <= n; ++g.indice) {
        Shape& s = Shape1(g.indice);
        const Esquina e = esquinaMarcador(x(g.indice), y(g.indice));
        s.setFillColor(colorPuntoActivo);
        s.setBorderColor(colorPuntoActivo);
        s.setLeft(e.left);
        s.setTop(e.top);
        s.setVisible(true);
    }
    for (g.indice = static_cast<Integer>(n + 1); g.indice <= 50; ++g.indice) {
        Shape1(g.indice).setVisible(false);
    }
}

void trazarRecta(Line& Line3, const Globales& g, const Single& a, const Single& b) {
    const Segmento s = rectaAjustada(g, a, b);
    Line3.setExtremos(s.x1, s.y1, s.x2, s.y2);
    Line3.setVisible(s.visible);
}

} // namespace rectaviva
