// Light items: geometry kept in container units, painted in logical pixels.
#include "Elementos.h"

#include "Contenedor.h"
#include "Escala.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

// Logical pixels added around an item's geometry. Antialiasing touches only
// pixels that the geometry crosses, which the outward rounding to whole
// pixels keeps; the margin covers Qt's rounding of a logical rectangle to
// device pixels at a fractional ratio (1.25, 1.5), up to half a device pixel.
constexpr double margenSuavizado = 1.0;

} // namespace

void ElementoLigero::setVisible(bool v) {
    fijar(visible_, v);
}

void ElementoLigero::recalcularZona() {
    zona_ = QRect();
    if (visible_) {
        // Cut in floating point first: a far-away end must not overflow an int.
        const QRectF area = QRectF(contenedor_.rect()).adjusted(-1, -1, 1, 1);
        zona_ = zonaDibujo(contenedor_.escala()).intersected(area).toAlignedRect();
    }
}

void ElementoLigero::repintar() {
    const QRect antes = zona_;
    recalcularZona();
    // Overlapping zones go as one rectangle: fewer, larger rectangles cost
    // Qt less to merge and to clip to than many small ones.
    if (antes.intersects(zona_)) {
        contenedor_.update(antes.united(zona_));
    } else {
        contenedor_.update(antes);
        contenedor_.update(zona_);
    }
}

void Shape::setLeft(double v) {
    fijar(left_, v);
}
void Shape::setTop(double v) {
    fijar(top_, v);
}
void Shape::setWidth(double v) {
    fijar(width_, std::max(0.0, v));
}
void Shape::setHeight(double v) {
    fijar(height_, std::max(0.0, v));
}
void Shape::Move(double left, double top, double width, double height) {
    fijar(std::tie(left_, top_, width_, height_),
          std::tuple(left, top, std::max(0.0, width), std::max(0.0, height)));
}
void Shape::setForma(Forma f) {
    fijar(forma_, f);
}
void Shape::setFillColor(const QColor& c) {
    fijar(fill_, c);
}
void Shape::setBorderColor(const QColor& c) {
    fijar(borde_, c);
}

bool Shape::rectangulo(const Escala& e, QRectF& r) const {
    if (!std::isfinite(left_) || !std::isfinite(top_)) {
        return false;
    }
    const QPointF esquina = e.aPixeles({left_, top_});
    r = QRectF(esquina, QSizeF(e.anchoAPixeles(width_), e.altoAPixeles(height_)));
    // A scale whose x grows leftwards puts Left on the right edge.
    if (e.pixelesPorUnidadX() < 0) {
        r.moveRight(esquina.x());
    }
    return true;
}

QRectF Shape::zonaDibujo(const Escala& e) const {
    QRectF r;
    if (!rectangulo(e, r)) {
        return {};
    }
    // The border is centred on the extent shrunk by half its width, so an
    // extent narrower or lower than the border is drawn past its edges.
    const double h = ancho_ * ampliacion() / 2;
    const QRectF trazo = r.adjusted(h, h, -h, -h).normalized().adjusted(-h, -h, h, h);
    const double m = margenSuavizado;
    return r.united(trazo).adjusted(-m, -m, m, m);
}

void Shape::pintar(QPainter& p, const Escala& e) const {
    QRectF r;
    if (!rectangulo(e, r)) {
        return;
    }
    p.setBrush(fill_);
    // The 1-pixel border (zoomed like every pen) lies inside the item's
    // extent, as a filled shape's does.
    const double borde = ancho_ * ampliacion();
    p.setPen(QPen(borde_, borde));
    const QRectF interior = r.adjusted(borde / 2, borde / 2, -borde / 2, -borde / 2);
    switch (forma_) {
    case Forma::Circulo: {
        const double d = std::min(interior.width(), interior.height());
        p.drawEllipse(QRectF(interior.center() - QPointF(d / 2, d / 2), QSizeF(d, d)));
        break;
    }
    case Forma::TrianguloArriba:
        p.drawPolygon(QPolygonF({interior.bottomLeft(), interior.bottomRight(),
                                 QPointF(interior.center().x(), interior.top())}));
        break;
    case Forma::TrianguloAbajo:
        p.drawPolygon(QPolygonF({interior.topLeft(), interior.topRight(),
                                 QPointF(interior.center().x(), interior.bottom())}));
        break;
    case Forma::Rectangulo:
        p.drawRect(interior);
        break;
    }
}

void Shape::remapear(const Escala& vieja, const Escala& nueva) {
    const QPointF esquina = nueva.desdePixeles(vieja.aPixeles({left_, top_}));
    left_ = esquina.x();
    top_ = esquina.y();
    width_ = nueva.anchoDesdePixeles(vieja.anchoAPixeles(width_));
    height_ = nueva.altoDesdePixeles(vieja.altoAPixeles(height_));
}

void Line::setX1(double v) {
    fijar(x1_, v);
}
void Line::setY1(double v) {
    fijar(y1_, v);
}
void Line::setX2(double v) {
    fijar(x2_, v);
}
void Line::setY2(double v) {
    fijar(y2_, v);
}
void Line::setExtremos(double x1, double y1, double x2, double y2) {
    fijar(std::tie(x1_, y1_, x2_, y2_), std::tuple(x1, y1, x2, y2));
}
void Line::setBorderColor(const QColor& c) {
    fijar(color_, c);
}
void Shape::setBorderWidth(int pixeles) {
    fijar(ancho_, std::max(1, pixeles));
}

void Line::setBorderWidth(int pixeles) {
    fijar(ancho_, std::max(1, pixeles));
}
void Line::setBorderStyle(Trazo t) {
    fijar(trazo_, t);
}

namespace {

// Cuts the segment a-b to the rectangle r (Liang-Barsky). Returns false when
// nothing of it lies inside. Keeps far-away ends, such as a steep fitted
// line's, from reaching the painter as huge coordinates.
bool recortar(QPointF& a, QPointF& b, const QRectF& r) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const QPointF inicio = a;
    a = inicio + QPointF(dx * t0, dy * t0);
    b = inicio + QPointF(dx * t1, dy * t1);
    return true;
}

} // namespace

bool Line::tramo(const Escala& e, QPointF& a, QPointF& b) const {
    if (!std::isfinite(x1_) || !std::isfinite(y1_) || !std::isfinite(x2_) || !std::isfinite(y2_)) {
        return false;
    }
    a = e.aPixeles({x1_, y1_});
    b = e.aPixeles({x2_, y2_});
    const double ancho = ancho_ * ampliacion();
    const QRectF area = QRectF(contenedor().rect()).adjusted(-ancho, -ancho, ancho, ancho);
    return recortar(a, b, area);
}

void Line::pintar(QPainter& p, const Escala& e) const {
    QPointF a, b;
    if (!tramo(e, a, b)) {
        return;
    }
    const double ancho = ancho_ * ampliacion();
    // Dashes are flat-capped so that the gaps stay as long as the dashes.
    p.setPen(trazo_ == Trazo::Guiones ? QPen(color_, ancho, Qt::DashLine, Qt::FlatCap)
                                      : QPen(color_, ancho, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

QRectF Line::zonaDibujo(const Escala& e) const {
    QPointF a, b;
    if (!tramo(e, a, b)) {
        return {};
    }
    // The pen reaches half its width past the segment, round caps included.
    const double m = ancho_ * ampliacion() / 2 + margenSuavizado;
    return QRectF(a, b).normalized().adjusted(-m, -m, m, m);
}

void Line::remapear(const Escala& vieja, const Escala& nueva) {
    const QPointF a = nueva.desdePixeles(vieja.aPixeles({x1_, y1_}));
    const QPointF b = nueva.desdePixeles(vieja.aPixeles({x2_, y2_}));
    x1_ = a.x();
    y1_ = a.y();
    x2_ = b.x();
    y2_ = b.y();
}

} // namespace rectaviva
