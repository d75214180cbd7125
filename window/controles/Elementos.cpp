// Light items and shapes: geometry kept in container units, painted in
// logical pixels, circles and triangles from shared copies.
#include "Elementos.h"

#include "Contenedor.h"
#include "EscalaContenedor.h"
#include "Relleno.h"

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

void Shape::lugarCambiado(bool distinto) {
    if (distinto) {
        repintar();
    }
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
void Shape::setBorderWidth(int pixeles) {
    fijar(ancho_, std::max(1, pixeles));
}

bool Shape::rectangulo(const Escala& e, QRectF& r) const {
    if (!std::isfinite(Left()) || !std::isfinite(Top())) {
        return false;
    }
    const QPointF esquina = e.aPixeles({Left(), Top()});
    r = QRectF(esquina, QSizeF(e.anchoAPixeles(Width()), e.altoAPixeles(Height())));
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
    if (!transformacionEntera(t) || !pintaPixeles(p)) {
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
    Lugar::remapear(vieja, nueva);
}

} // namespace rectaviva
