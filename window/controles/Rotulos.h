// Short texts beside points of a container: the row numbers a view writes
// next to the few points it marks, painted together as one light item.
#pragma once

#include "Elementos.h"

#include <QPointF>
#include <QString>

#include <utility>
#include <vector>

namespace rectaviva {

class Rotulos : public ElementoLigero {
public:
    // A text whose lower-left corner lies a few pixels right of and above
    // `punto` (container units), so that it does not cover its marker.
    struct Rotulo {
        QPointF punto;
        QString texto;
        bool operator==(const Rotulo&) const = default;
    };

    Rotulos(Contenedor& c, QString nombre) : ElementoLigero(c, std::move(nombre)) {}

    void setRotulos(std::vector<Rotulo> r);
    const std::vector<Rotulo>& rotulos() const { return rotulos_; }
    void setColor(const QColor& c);

    void pintar(QPainter& p, const Escala& e) const override;
    void remapear(const Escala& vieja, const Escala& nueva) override;

protected:
    QRectF zonaDibujo(const Escala& e) const override;

private:
    // Where rótulo r's text lies, in logical pixels.
    QRectF caja(const Escala& e, const Rotulo& r) const;

    std::vector<Rotulo> rotulos_;
    QColor color_{0, 0, 0};
};

} // namespace rectaviva
