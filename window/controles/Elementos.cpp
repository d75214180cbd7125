// Light items: geometry kept in container units, painted in logical pixels.
#include "Elementos.h"

#include "Contenedor.h"
#include "Escala.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace rectaviva {

void ElementoLigero::setVisible(bool v) {
    if (visible_ != v) {
        visible_ = v;
        repintar();
    }
}

void ElementoLigero::repintar() {
    contenedor_.update();
}

void Shape::setLeft(double v) {
    left_ = v;
    repintar();
}
void Shape::setTop(double v) {
    top_ = v;
    repintar();
}
void Shape::setWidth(double v) {
    width_ = std::max(0.0, v);
    repintar();
}
void Shape::setHeight(double v) {
    height_ = std::max(0.0, v);
    repintar();
}
void Shape::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0.0, width);
    height_ = std::max(0.0, height);
    repintar();
}
void Shape::setForma(Forma f) {
    forma_ = f;
    repintar();
}
void Shape::setFillColor(const QColor& c) {
    fill_ = c;
    repintar();
}
void Shape::setBorderColor(const QColor& c) {
    borde_ = c;
    repintar();
}

void Shape::pintar(QPainter& p, const Escala& e) const {
    if (!std::isfinite(left_) || !std::isfinite(top_)) {
        return;
    }
    const QPointF esquina = e.aPixeles({left_, top_});
    QRectF r(esquina, QSizeF(e.anchoAPixeles(width_), e.altoAPixeles(height_)));
    // A scale whose x grows leftwards puts Left on the right edge.
    if (e.pixelesPorUnidadX() < 0) {
        r.moveRight(esquina.x());
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
    x1_ = v;
    repintar();
}
void Line::setY1(double v) {
    y1_ = v;
    repintar();
}
void Line::setX2(double v) {
    x2_ = v;
    repintar();
}
void Line::setY2(double v) {
    y2_ = v;
    repintar();
}
void Line::setExtremos(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    repintar();
}
void Line::setBorderColor(const QColor& c) {
    color_ = c;
    repintar();
}
void Shape::setBorderWidth(int pixeles) {
    ancho_ = std::max(1, pixeles);
    repintar();
}

void Line::setBorderWidth(int pixeles) {
    ancho_ = std::max(1, pixeles);
    repintar();
}
void Line::setBorderStyle(Trazo t) {
    trazo_ = t;
    repintar();
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

void Line::pintar(QPainter& p, const Escala& e) const {
    if (!std::isfinite(x1_) || !std::isfinite(y1_) || !std::isfinite(x2_) || !std::isfinite(y2_)) {
        return;
    }
    QPointF a = e.aPixeles({x1_, y1_});
    QPointF b = e.aPixeles({x2_, y2_});
    const double ancho = ancho_ * ampliacion();
    const QRectF area = QRectF(p.window()).adjusted(-ancho, -ancho, ancho, ancho);
    if (!recortar(a, b, area)) {
        return;
    }
    // Dashes are flat-capped so that the gaps stay as long as the dashes.
    p.setPen(trazo_ == Trazo::Guiones ? QPen(color_, ancho, Qt::DashLine, Qt::FlatCap)
                                      : QPen(color_, ancho, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
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
