// Light items: geometry kept in container units, painted in logical pixels.
#include "Elementos.h"

#include "Contenedor.h"
#include "Escala.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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

QRectF Shape::interior(const QRectF& r) const {
    const double h = ancho_ * ampliacion() / 2;
    return r.adjusted(h, h, -h, -h);
}

void Shape::dibujar(QPainter& p, const QRectF& r) const {
    p.setBrush(fill_);
    // The border (zoomed like every pen) lies inside the item's extent, as
    // a filled shape's does.
    p.setPen(QPen(borde_, ancho_ * ampliacion()));
    const QRectF i = interior(r);
    switch (forma_) {
    case Forma::Circulo: {
        const double d = std::min(i.width(), i.height());
        p.drawEllipse(QRectF(i.center() - QPointF(d / 2, d / 2), QSizeF(d, d)));
        break;
    }
    case Forma::TrianguloArriba:
        p.drawPolygon(
            QPolygonF({i.bottomLeft(), i.bottomRight(), QPointF(i.center().x(), i.top())}));
        break;
    case Forma::TrianguloAbajo:
        p.drawPolygon(QPolygonF({i.topLeft(), i.topRight(), QPointF(i.center().x(), i.bottom())}));
        break;
    case Forma::Rectangulo:
        p.drawRect(i);
        break;
    }
}

void Shape::pintar(QPainter& p, const Escala& e) const {
    QRectF r;
    if (!rectangulo(e, r)) {
        return;
    }
    if (forma_ != Forma::Rectangulo) {
        if (!pintarCopia(p, r)) {
            dibujar(p, r);
        }
        return;
    }
    // Qt fills a rectangle by a fast path but strokes its border as a
    // general shape, as slow as an antialiased fill of many rows.
    const double borde = ancho_ * ampliacion();
    const QRectF i = interior(r);
    if (fill_.alpha() == 255) {
        // With an opaque inside, the rectangle is its border's outer extent
        // in the border colour with the inside over it.
        const QRectF fuera = i.normalized().adjusted(-borde / 2, -borde / 2, borde / 2, borde / 2);
        rellenar(p, fuera, borde_);
        const QRectF dentro = fuera.adjusted(borde, borde, -borde, -borde);
        if (dentro.width() > 0 && dentro.height() > 0) {
            rellenar(p, dentro, fill_);
        }
    } else {
        // A see-through inside is filled first and the border drawn over it.
        rellenar(p, i, fill_);
        p.setPen(QPen(borde_, borde));
        p.setBrush(Qt::NoBrush);
        p.drawRect(i);
    }
}

bool transformacionEntera(const QTransform& t) {
    const auto entero = [](double v) { return v == std::round(v); };
    return t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() >= 1 &&
           entero(t.m11()) && entero(t.dx()) && entero(t.dy());
}

namespace {

// Cuts [a, b) at the whole numbers after a and before b, and the whole part
// into pieces of at most `maximo`: each piece is whole or lies within one unit.
std::vector<std::pair<double, double>> cortes(double a, double b, int maximo) {
    std::vector<std::pair<double, double>> t;
    const double ia = std::ceil(a);
    const double ib = std::floor(b);
    if (ia > ib) {
        t.emplace_back(a, b); // within one unit
        return t;
    }
    if (a < ia) {
        t.emplace_back(a, ia);
    }
    for (double v = ia; v < ib; v += maximo) {
        t.emplace_back(v, std::min(ib, v + maximo));
    }
    if (ib < b) {
        t.emplace_back(ib, b);
    }
    return t;
}

bool entero(double v) {
    return v == std::round(v);
}

} // namespace

void rellenar(QPainter& p, const QRectF& r, const QColor& c) {
    const QTransform t = p.deviceTransform();
    const QRectF d = t.mapRect(r.normalized());
    if (!transformacionEntera(t) || !std::isfinite(d.width()) || !std::isfinite(d.height()) ||
        d.width() > 1e5 || d.height() > 1e5) {
        p.fillRect(r, c);
        return;
    }
    const QTransform inversa = t.inverted();
    const bool suavizado = p.testRenderHint(QPainter::Antialiasing);
    // Every device pixel lies in one piece, and a piece covers it as r does.
    for (const auto& [y0, y1] : cortes(d.top(), d.bottom(), filasPorFranja)) {
        for (const auto& [x0, x1] : cortes(d.left(), d.right(), std::numeric_limits<int>::max())) {
            const bool entera = entero(x0) && entero(x1) && entero(y0) && entero(y1);
            p.setRenderHint(QPainter::Antialiasing, suavizado && !entera);
            p.fillRect(inversa.mapRect(QRectF(QPointF(x0, y0), QPointF(x1, y1))), c);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, suavizado);
}

bool Shape::pintarCopia(QPainter& p, const QRectF& r) const {
    // Antialiased curves cost Qt several microseconds each; a marker is
    // painted once into a small image and copied from there while it stays
    // at the same place within a device pixel.
    const QTransform t = p.deviceTransform();
    const double razon = t.m11();
    if (!transformacionEntera(t)) {
        return false;
    }
    const double h = ancho_ * ampliacion() / 2;
    const QRectF extension = r.united(interior(r).normalized().adjusted(-h, -h, h, h));
    const QRectF d = t.mapRect(extension);
    const QPoint origen(static_cast<int>(std::floor(d.left())) - 1,
                        static_cast<int>(std::floor(d.top())) - 1);
    const QSize tam(static_cast<int>(std::ceil(d.right())) + 1 - origen.x(),
                    static_cast<int>(std::ceil(d.bottom())) + 1 - origen.y());
    if (tam.width() > 256 || tam.height() > 256) {
        return false;
    }
    // The copy depends on the extent's place within a device pixel, not on
    // which pixel: a marker moved by whole pixels keeps its copy.
    const QRectF dispositivo = t.mapRect(r).translated(-QPointF(origen));
    Copia& c = copia_;
    if (c.imagen.isNull() || c.dispositivo != dispositivo || c.fill != fill_ || c.borde != borde_ ||
        c.ancho != 2 * h || c.forma != forma_ || c.imagen.size() != tam) {
        c.imagen = QImage(tam, QImage::Format_ARGB32_Premultiplied);
        c.imagen.fill(Qt::transparent);
        QPainter q(&c.imagen);
        q.setRenderHint(QPainter::Antialiasing);
        q.setTransform(QTransform(razon, 0, 0, razon, t.dx() - origen.x(), t.dy() - origen.y()));
        dibujar(q, r);
        q.end();
        c.imagen.setDevicePixelRatio(razon);
        c.dispositivo = dispositivo;
        c.fill = fill_;
        c.borde = borde_;
        c.ancho = 2 * h;
        c.forma = forma_;
    }
    // Logical coordinates that the transform takes to whole device pixels.
    p.drawImage(QPointF((origen.x() - t.dx()) / razon, (origen.y() - t.dy()) / razon), c.imagen);
    return true;
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
void Line::setExtremo(Extremo x) {
    fijar(extremo_, x);
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
    // Qt draws a segment with flat or square ends by a fast path, and one
    // with round ends as a general shape, up to ten times slower for a long
    // slanted line. Round ends off the surface are not seen: such a segment
    // (a line across the plot) is drawn with flat ends.
    const QRectF alcance =
        QRectF(contenedor().rect()).adjusted(-ancho / 2, -ancho / 2, ancho / 2, ancho / 2);
    Qt::PenCapStyle remate = Qt::RoundCap;
    if (extremo_ == Extremo::Cuadrado) {
        remate = Qt::SquareCap;
    } else if (!alcance.contains(a) && !alcance.contains(b)) {
        remate = Qt::FlatCap;
    }
    // Dashes are flat-capped so that the gaps stay as long as the dashes.
    p.setPen(trazo_ == Trazo::Guiones ? QPen(color_, ancho, Qt::DashLine, Qt::FlatCap)
                                      : QPen(color_, ancho, Qt::SolidLine, remate));
    p.drawLine(a, b);
}

QRectF Line::zonaDibujo(const Escala& e) const {
    QPointF a, b;
    if (!tramo(e, a, b)) {
        return {};
    }
    // The pen reaches half its width past the segment, round ends included;
    // a square end's corners reach that times the square root of 2.
    const double m =
        ancho_ * ampliacion() / 2 * (extremo_ == Extremo::Cuadrado ? std::sqrt(2.0) : 1.0) +
        margenSuavizado;
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
