// What the keyboard chooses and moves on the plot: the sample's points (a
// view adds its own handles as another set). A screen reader hears each
// one's place.
#include "Form1.h"

#include "Grafico.h"
#include "asideros.h"
#include "colores.h"
#include "dato.h"
#include "formatos.h"
#include "redondeo.h"

#include <algorithm>
#include <cmath>

namespace rectaviva {

// The sample's points as the keyboard sees them: item i is point i + 1.
// Grabbing and moving go through moverPunto, as a drag by the mouse does,
// with the keyboard's cursor in the place of the mouse.
class PuntosDelPlano : public Asideros {
public:
    explicit PuntosDelPlano(Form1& f) : f_(f), g_(f.g) {}

    int cantidad() const override { return std::clamp<int>(g_.nPuntos, 0, g_.puntosReservados()); }
    Single x(int i) const override { return g_.xObs(punto(i)); }
    QRectF zona(int i) const override {
        if (enNube(g_)) {
            // The cloud's marker, centred on its point.
            const QPointF c = f_.Nube1->punto(punto(i));
            const Escala e = f_.Picture1->escala();
            const double d = Nube::diametro(g_.nPuntos) * ampliacion();
            const double w = e.anchoDesdePixeles(d), h = e.altoDesdePixeles(d);
            return {c.x() - w / 2, c.y() + h / 2, w, h};
        }
        const Shape& s = f_.Shape1(punto(i));
        return {s.Left(), s.Top(), s.Width(), s.Height()};
    }

    void resaltar(int i, bool elegido) override {
        const Integer k = punto(i);
        if (elegido) {
            g_.puntoSel = k;
            f_.mostrarFilaDe(k);
        }
        f_.colorearPunto(k, elegido ? colorElegido : colorNormal(g_, k));
        g_.oMostrar->imprimirPunto(k, elegido ? colorFilaElegida : colorFilaNormal(g_, k));
    }

    // The press of a drag, without its timer: each arrow makes one step.
    void tomar(int i) override {
        const Integer k = punto(i);
        f_.empezarGesto({FUENTE("Form1", "mover el punto %1"), QString::number(k)});
        g_.puntoSel = k;
        g_.arrastrando = -1;
        g_.listaSinResaltar = 0;
        g_.xRaton = g_.xObs(k);
        g_.yRaton = g_.yObs(k);
        x0_ = g_.xObs(k);
        y0_ = g_.yObs(k);
        if (!enNube(g_)) {
            izquierda0_ = f_.Shape1(k).Left();
            arriba0_ = f_.Shape1(k).Top();
        }
    }

    // The cursor stays on the plot, so a point never leaves it by keys.
    void mover(int i, Single dx, Single dy) override {
        Integer k = punto(i);
        g_.xRaton = std::clamp<Single>(g_.xRaton + dx, g_.xMin, g_.xMax);
        g_.yRaton = std::clamp<Single>(g_.yRaton + dy, g_.yMin, g_.yMax);
        f_.moverPunto(k, g_.arrastrando, g_.xRaton, g_.yRaton, g_.xAnterior, g_.yAnterior);
        g_.oMostrar->imprimirPunto(k, colorFilaElegida);
    }

    void soltar(int i, bool devolver) override {
        const Integer k = punto(i);
        if (devolver && g_.arrastrando == -1) {
            const Single Xold = g_.xObs(k);
            const Single Yold = g_.yObs(k);
            g_.xObs(k) = x0_;
            g_.yObs(k) = y0_;
            if (enNube(g_)) {
                f_.Nube1->moverPunto(k, {x0_, y0_});
            } else {
                f_.Shape1(k).setLeft(izquierda0_);
                f_.Shape1(k).setTop(arriba0_);
            }
            f_.refrescarPuntoMovido(k, Xold, Yold);
        }
        g_.arrastrando = 0;
        g_.listaSinResaltar = 1;
        resaltar(i, true);
        f_.terminarGesto();
    }

    QString nombre(int i) const override {
        const Integer k = punto(i);
        return (g_.activo(k) == 1
                    ? QCoreApplication::translate("rectaviva::Form1", "%1 de %2: %3, en uso")
                    : QCoreApplication::translate("rectaviva::Form1", "%1 de %2: %3, eliminado"))
            .arg(titulo(i))
            .arg(g_.nPuntos)
            .arg(valor(i));
    }

    QString titulo(int i) const override {
        return QCoreApplication::translate("rectaviva::Form1", "Punto %1").arg(punto(i));
    }

    QString valor(int i) const override {
        const Integer k = punto(i);
        // With a decimal comma the two coordinates are parted by a semicolon.
        return (g_.oMostrar->puntoDecimal() == ","
                    ? QCoreApplication::translate("rectaviva::Form1", "x %1; y %2")
                    : QCoreApplication::translate("rectaviva::Form1", "x %1, y %2"))
            .arg(QString::fromStdString(g_.oMostrar->textoCoordenada(valorX(g_, k), true)),
                 QString::fromStdString(g_.oMostrar->textoCoordenada(valorY(g_, k), false)));
    }

private:
    static Integer punto(int i) { return static_cast<Integer>(i + 1); }

    Form1& f_;
    Globales& g_;
    Single x0_ = 0, y0_ = 0;
    double izquierda0_ = 0, arriba0_ = 0;
};

std::unique_ptr<Asideros> Form1::crearPuntos() {
    return std::make_unique<PuntosDelPlano>(*this);
}

} // namespace rectaviva
