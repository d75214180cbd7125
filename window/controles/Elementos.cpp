// Light items: geometry kept in container units, painted in logical pixels.
#include "Elementos.h"

#include "Contenedor.h"
#include "Escala.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
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
    contenedor_.marcarZona(antes.united(zona_));
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
    const double m = margenSuavizado;
    return r.united(exterior(r)).adjusted(-m, -m, m, m);
}

QRectF Shape::interior(const QRectF& r) const {
    const double h = ancho_ * ampliacion() / 2;
    return r.adjusted(h, h, -h, -h);
}

QRectF Shape::exterior(const QRectF& r) const {
    const double h = ancho_ * ampliacion() / 2;
    return interior(r).normalized().adjusted(-h, -h, h, h);
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
        const QRectF fuera = exterior(r);
        rellenar(p, fuera, borde_);
        const QRectF dentro = fuera.adjusted(borde, borde, -borde, -borde);
        if (dentro.width() > 0 && dentro.height() > 0) {
            rellenar(p, dentro, fill_);
        }
    } else if (transformacionEntera(p.deviceTransform())) {
        // A see-through inside is filled first and the border put over it,
        // on whole device pixels: four strips that meet without a seam.
        rellenar(p, i, fill_);
        const QTransform t = p.deviceTransform();
        const QRectF d = t.mapRect(exterior(r));
        const auto redondo = [](double v) { return static_cast<int>(std::lround(v)); };
        const int x0 = redondo(d.left()), x1 = redondo(d.right());
        const int y0 = redondo(d.top()), y1 = redondo(d.bottom());
        const int b = std::max(1, redondo(borde * t.m11()));
        const int yt = std::min(y1, y0 + b), yb = std::max(yt, y1 - b);
        const QTransform inversa = t.inverted();
        const bool suavizado = p.testRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (const QRect& f :
             {QRect(QPoint(x0, y0), QPoint(x1 - 1, yt - 1)),
              QRect(QPoint(x0, yb), QPoint(x1 - 1, y1 - 1)),
              QRect(QPoint(x0, yt), QPoint(std::min(x1, x0 + b) - 1, yb - 1)),
              QRect(QPoint(std::max(x0 + b, x1 - b), yt), QPoint(x1 - 1, yb - 1))}) {
            if (!f.isEmpty()) {
                rellenar(p, inversa.mapRect(QRectF(f)), borde_);
            }
        }
        p.setRenderHint(QPainter::Antialiasing, suavizado);
    } else {
        dibujar(p, r);
    }
}

namespace {

bool entero(double v) {
    return v == std::round(v);
}

} // namespace

bool transformacionEntera(const QTransform& t) {
    return t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() >= 1 &&
           entero(t.m11()) && entero(t.dx()) && entero(t.dy());
}

namespace {

// Calls pieza(desde, hasta) for the pieces of [a, b) cut at the whole
// numbers after a and before b, the whole part in pieces of at most
// `maximo`: each piece is whole or lies within one unit.
template <typename F> void cortes(double a, double b, double maximo, F&& pieza) {
    const double ia = std::ceil(a);
    const double ib = std::floor(b);
    if (ia > ib) {
        pieza(a, b); // within one unit
        return;
    }
    if (a < ia) {
        pieza(a, ia);
    }
    for (double v = ia; v < ib; v += maximo) {
        pieza(v, std::min(ib, v + maximo));
    }
    if (ib < b) {
        pieza(ib, b);
    }
}

} // namespace

void rellenar(QPainter& p, const QRectF& r, const QColor& c) {
    const QTransform t = p.deviceTransform();
    QRectF d = t.mapRect(r.normalized());
    if (!transformacionEntera(t) || !std::isfinite(d.width()) || !std::isfinite(d.height())) {
        p.fillRect(r, c);
        return;
    }
    // Only the pixels being repainted (whole device pixels) are filled.
    if (const QPaintEngine* motor = p.paintEngine()) {
        if (const QRegion sistema = motor->systemClip(); !sistema.isEmpty()) {
            d = d.intersected(QRectF(sistema.boundingRect()));
        }
    }
    if (d.isEmpty()) {
        return;
    }
    if (d.width() > 1e5 || d.height() > 1e5) {
        p.fillRect(r, c);
        return;
    }
    const QTransform inversa = t.inverted();
    const bool suavizado = p.testRenderHint(QPainter::Antialiasing);
    // Every device pixel lies in one piece, and a piece covers it as r does.
    // The pieces do not overlap: the whole ones go first, without
    // antialiasing, then the others with it, if it is on.
    for (const bool enteras : {true, false}) {
        if (!enteras && !suavizado) {
            break;
        }
        p.setRenderHint(QPainter::Antialiasing, !enteras);
        cortes(d.top(), d.bottom(), filasPorFranja, [&](double y0, double y1) {
            cortes(d.left(), d.right(), std::numeric_limits<double>::infinity(),
                   [&](double x0, double x1) {
                       const bool entera = entero(x0) && entero(x1) && entero(y0) && entero(y1);
                       if (entera == enteras || !suavizado) {
                           p.fillRect(inversa.mapRect(QRectF(QPointF(x0, y0), QPointF(x1, y1))), c);
                       }
                   });
        });
    }
    p.setRenderHint(QPainter::Antialiasing, suavizado);
}

namespace {

// A copy of a circle or triangle: its extent's size and place within a
// device pixel (in eighths of a pixel), colours, border, form and ratio.
using ClaveCopia = std::tuple<double, double, int, int, QRgb, QRgb, double, int, double>;

// The copies painted so far, shared by every item: markers alike in all
// but their place reuse one copy. Emptied when it grows past its bound.
std::map<ClaveCopia, QImage>& copias() {
    static std::map<ClaveCopia, QImage> c;
    return c;
}

constexpr int octavos = 8;
constexpr std::size_t maximoCopias = 4096;

} // namespace

bool Shape::pintarCopia(QPainter& p, const QRectF& r) const {
    // Antialiased curves cost Qt several microseconds each; a copy costs a
    // tenth of that. The extent is placed to an eighth of a device pixel,
    // closer than the eye or the antialiasing can tell.
    const QTransform t = p.deviceTransform();
    if (!transformacionEntera(t)) {
        return false;
    }
    const double razon = t.m11();
    const QRectF d = t.mapRect(r);
    const double h = ancho_ * ampliacion() / 2 * razon;
    if (d.width() + 2 * h > 254 || d.height() + 2 * h > 254) {
        return false;
    }
    const QPointF en(std::round(d.left() * octavos) / octavos,
                     std::round(d.top() * octavos) / octavos);
    // The copy reaches a pixel past the border, which may overhang a
    // narrow extent by half its width.
    const QPoint origen(static_cast<int>(std::floor(en.x() - h)) - 1,
                        static_cast<int>(std::floor(en.y() - h)) - 1);
    const QPointF fase = en - QPointF(origen);
    const ClaveCopia clave{d.width(),
                           d.height(),
                           static_cast<int>(std::lround(fase.x() * octavos)),
                           static_cast<int>(std::lround(fase.y() * octavos)),
                           fill_.rgba(),
                           borde_.rgba(),
                           2 * h,
                           static_cast<int>(forma_),
                           razon};
    auto& todas = copias();
    auto hallada = todas.find(clave);
    if (hallada == todas.end()) {
        if (todas.size() >= maximoCopias) {
            todas.clear();
        }
        const QSize tam(static_cast<int>(std::ceil(fase.x() + d.width() + h)) + 1,
                        static_cast<int>(std::ceil(fase.y() + d.height() + h)) + 1);
        QImage imagen(tam, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        QPainter q(&imagen);
        q.setRenderHint(QPainter::Antialiasing);
        q.scale(razon, razon);
        dibujar(q, QRectF(fase / razon, r.size()));
        q.end();
        imagen.setDevicePixelRatio(razon);
        hallada = todas.emplace(clave, std::move(imagen)).first;
    }
    // Logical coordinates that the transform takes to whole device pixels.
    p.drawImage(QPointF((origen.x() - t.dx()) / razon, (origen.y() - t.dy()) / razon),
                hallada->second);
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
    // slanted line. A long segment is drawn flat, with a disc at each end
    // that lies on the surface: the same shape, its edges blended once more
    // at most. Dashes are flat so that the gaps stay as long as the dashes.
    const QRectF alcance =
        QRectF(contenedor().rect()).adjusted(-ancho / 2, -ancho / 2, ancho / 2, ancho / 2);
    const bool redondo = trazo_ == Trazo::Continuo && extremo_ == Extremo::Redondo;
    const bool discoA = redondo && alcance.contains(a);
    const bool discoB = redondo && alcance.contains(b);
    const bool corto = std::hypot(b.x() - a.x(), b.y() - a.y()) < 8 * ancho;
    Qt::PenCapStyle remate = Qt::FlatCap;
    if (trazo_ == Trazo::Continuo && extremo_ == Extremo::Cuadrado) {
        remate = Qt::SquareCap;
    } else if ((discoA || discoB) && corto) {
        remate = Qt::RoundCap;
    }
    p.setPen(QPen(color_, ancho, trazo_ == Trazo::Guiones ? Qt::DashLine : Qt::SolidLine, remate));
    p.drawLine(a, b);
    if (remate == Qt::FlatCap && (discoA || discoB)) {
        p.setPen(Qt::NoPen);
        p.setBrush(color_);
        for (const auto& [extremo, disco] : {std::pair{a, discoA}, std::pair{b, discoB}}) {
            if (disco) {
                p.drawEllipse(extremo, ancho / 2, ancho / 2);
            }
        }
    }
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
