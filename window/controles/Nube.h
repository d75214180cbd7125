// A cloud of many points painted in one pass: the markers of a data set too
// large for one light shape per point. Each point is a round marker of one
// size, in the colour of its state, with a transparency that lets a dense
// cloud read; one point may be raised and painted last in its own colour
// (the point being dragged).
#pragma once

#include "Elementos.h"

#include <QColor>
#include <QImage>
#include <QPointF>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace rectaviva {

class Nube : public ElementoLigero {
public:
    Nube(Contenedor& c, QString nombre) : ElementoLigero(c, std::move(nombre)) {}

    // The points, in the container's units, and which of them are deleted
    // (drawn in the second colour); k runs from 1 in the other members.
    void setPuntos(std::vector<QPointF> puntos, std::vector<std::uint8_t> eliminado);
    int cantidad() const { return static_cast<int>(puntos_.size()); }
    QPointF punto(int k) const { return puntos_[static_cast<std::size_t>(k - 1)]; }
    void moverPunto(int k, QPointF p);
    void setEliminado(int k, bool eliminado);
    // Point k painted last in colour c; 0 raises none.
    void setResaltado(int k, const QColor& c);
    int resaltado() const { return resaltado_; }
    void setColores(const QColor& activo, const QColor& eliminado);
    // The marker's diameter in logical pixels and its opacity (0..255) for
    // a cloud of n points: smaller and lighter as the cloud grows.
    static int diametro(int n);
    static int opacidad(int n);

    // The lowest-numbered point within dx and dy (container units) of (x, y),
    // 0 for none.
    int puntoEn(double x, double y, double dx, double dy) const;

    void pintar(QPainter& p, const Escala& e) const override;
    void remapear(const Escala& vieja, const Escala& nueva) override;

protected:
    QRectF zonaDibujo(const Escala& e) const override;

private:
    // A marker of the given colour at the painter's device ratio, made once
    // per colour, size and ratio.
    const QImage& sello(const QColor& c, int diametro, double razon) const;

    std::vector<QPointF> puntos_;
    std::vector<std::uint8_t> eliminado_;
    int resaltado_ = 0;
    QColor resaltadoColor_;
    QColor activo_{0, 0, 220}, borrado_{180, 180, 180};
    mutable std::map<std::pair<QRgb, int>, QImage> sellos_; ///< by colour and diameter
    mutable double selloRazon_ = 0;
};

} // namespace rectaviva
