// The two handles of "Mi recta" as things the keyboard chooses and moves: the
// arrows raise and lower a grabbed handle like a mouse drag of it, and a
// screen reader hears each handle's height.
#include "Form1.h"

#include "Grafico.h"
#include "asideros.h"
#include "redondeo.h"

#include <algorithm>
#include <cmath>

namespace rectaviva {

class AsasMiRecta : public Asideros {
public:
    explicit AsasMiRecta(Form1& f) : f_(f), g_(f.g) {}

    int cantidad() const override { return g_.miRectaActiva == 1 ? 2 : 0; }
    Single x(int i) const override { return i == 0 ? xAsaIzquierda : xAsaDerecha; }
    QRectF zona(int i) const override {
        const Shape& s = f_.Shape8(i);
        return {s.Left(), s.Top(), s.Width(), s.Height()};
    }
    void resaltar(int i, bool elegido) override {
        colorearMarcador(f_.Shape8(i), elegido ? colorElegido : colorMiRecta);
    }
    // Held like a point in a drag, so that a mouse press or a new sample ends it.
    void tomar(int i) override {
        yTomada_ = g_.yAsa(i);
        g_.arrastrando = -1;
    }
    void mover(int i, Single, Single dy) override {
        g_.yAsa(i) = std::clamp(S(D(g_.yAsa(i)) + D(dy)), static_cast<Single>(g_.yMin),
                                static_cast<Single>(g_.yMax));
        f_.serieMiRecta();
    }
    void soltar(int i, bool devolver) override {
        g_.arrastrando = 0;
        if (devolver) {
            g_.yAsa(i) = yTomada_;
            f_.serieMiRecta();
        }
    }
    QString nombre(int i) const override {
        return (i == 0 ? QStringLiteral("Asa izquierda de mi recta: ")
                       : QStringLiteral("Asa derecha de mi recta: ")) +
               valor(i);
    }
    QString valor(int i) const override {
        return QStringLiteral("y %1").arg(std::lround(g_.yAsa(i)));
    }

private:
    Form1& f_;
    Globales& g_;
    Single yTomada_ = 0;
};

std::unique_ptr<Asideros> Form1::crearAsas() {
    return std::make_unique<AsasMiRecta>(*this);
}

} // namespace rectaviva
