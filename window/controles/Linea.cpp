// Lines: a segment cut to its container and drawn by Qt's fast paths.
#include "Elementos.h"

#include "Contenedor.h"
#include "EscalaContenedor.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace rectaviva {

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
