// Fills on whole device pixels, in bands that stay off Qt's worker threads.
#include "Relleno.h"

#include <QColor>
#include <QPaintEngine>
#include <QPainter>
#include <QRectF>
#include <QRegion>
#include <QTransform>

#include <cmath>
#include <limits>

namespace rectaviva {

namespace {

bool entero(double v) {
    return v == std::round(v);
}

} // namespace

bool pintaPixeles(QPainter& p) {
    return p.paintEngine() != nullptr && p.paintEngine()->type() == QPaintEngine::Raster;
}

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

} // namespace rectaviva
