// The data's own scale over the plot, and the panel's small residual plots.
#include "plano_transformado.h"

#include "colores.h"
#include "cuadricula.h"
#include "escala.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

// The samples of the curve that set the grid's range in y.
constexpr int pasosDeCurva = 240;

EjeCuadricula eje(const EjeRedondo& e, const QString& titulo) {
    return {e.minimo, e.maximo, e.paso, e.lineas, e.decimales, titulo};
}

// A curve through the abscissae xs, broken where it is undefined.
template <class F> QPainterPath trazo(const PlanoOriginal& p, const std::vector<double>& xs, F f) {
    QPainterPath camino;
    bool abierto = false;
    for (const double x : xs) {
        const double y = f(x);
        if (!std::isfinite(y)) {
            abierto = false;
            continue;
        }
        const QPointF q = p.aPixeles(x, y);
        if (abierto) {
            camino.lineTo(q);
        } else {
            camino.moveTo(q);
            abierto = true;
        }
    }
    return camino;
}

} // namespace

PlanoOriginal::PlanoOriginal(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("PlanoOriginal"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlanoOriginal::setContenido(Contenido c) {
    c_ = std::move(c);
    // The grid holds the points and the curve over the points' range.
    double xl = INFINITY, xh = -INFINITY, yl = INFINITY, yh = -INFINITY;
    for (std::size_t i = 0; i < c_.puntos.x.size(); ++i) {
        xl = std::min(xl, c_.puntos.x[i]);
        xh = std::max(xh, c_.puntos.x[i]);
        yl = std::min(yl, c_.puntos.y[i]);
        yh = std::max(yh, c_.puntos.y[i]);
    }
    for (int i = 0; i <= pasosDeCurva && xl < xh; ++i) {
        const double y = curva(c_.ajuste, c_.tx, c_.ty, xl + (xh - xl) * i / pasosDeCurva);
        if (std::isfinite(y)) {
            yl = std::min(yl, y);
            yh = std::max(yh, y);
        }
    }
    if (std::isfinite(xl) && std::isfinite(yl) && rangoDibujable(xl, xh) &&
        rangoDibujable(yl, yh)) {
        ex_ = ejeRedondo(xl, xh);
        ey_ = ejeRedondo(yl, yh);
        x0_ = ex_.minimo;
        x1_ = ex_.maximo;
        y0_ = ey_.minimo;
        y1_ = ey_.maximo;
    }
    update();
}

QPointF PlanoOriginal::aPixeles(double x, double y) const {
    return {width() * (x - x0_) / (x1_ - x0_), height() * (y1_ - y) / (y1_ - y0_)};
}

void PlanoOriginal::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = rect();
    p.fillRect(r, colorCampoCuadricula);
    pintarCuadriculaDe(p, r, eje(ex_, c_.tituloX), eje(ey_, c_.tituloY));
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(r);
    const AjusteTransformado& a = c_.ajuste;
    // One abscissa per pixel column, and the points' own, so that the curve
    // passes exactly through each fitted value however steep it is.
    std::vector<double> xs = c_.puntos.x;
    for (int i = 0; i <= width(); ++i) {
        xs.push_back(x0_ + (x1_ - x0_) * i / std::max(1, width()));
    }
    std::sort(xs.begin(), xs.end());
    p.setBrush(Qt::NoBrush);
    if (c_.bandas && a.valido) {
        // Each band's ends taken back from the transformed scale.
        const auto banda = [&](bool media, bool alta) {
            return [&, media, alta](double x) {
                const PrediccionOriginal q =
                    predecirOriginal(a, c_.tx, c_.ty, x, c_.nivel, c_.cuantilT);
                return media ? (alta ? q.lsMedia : q.liMedia)
                             : (alta ? q.lsIndividual : q.liIndividual);
            };
        };
        for (const bool media : {false, true}) {
            p.setPen(QPen(media ? colorMediaRespuesta : colorObservacion, 1.5));
            for (const bool alta : {false, true}) {
                p.drawPath(trazo(*this, xs, banda(media, alta)));
            }
        }
    }
    const double radio = std::max(3.0, height() / 110.0);
    for (std::size_t i = 0; i < c_.puntos.x.size(); ++i) {
        const bool enUso = c_.puntos.enUso[i];
        p.setPen(QPen(enUso ? colorPuntoActivo : colorEliminado, 1.2));
        p.setBrush(enUso ? QBrush(colorPuntoActivo) : QBrush(Qt::NoBrush));
        p.drawEllipse(aPixeles(c_.puntos.x[i], c_.puntos.y[i]), radio, radio);
    }
    // The curve over the points, so that it shows where each fitted value lies.
    p.setBrush(Qt::NoBrush);
    if (a.valido) {
        p.setPen(QPen(colorRecta, 2.5));
        p.drawPath(
            trazo(*this, xs, [this](double x) { return curva(c_.ajuste, c_.tx, c_.ty, x); }));
    }
}

void pintarResiduosChicos(QPainter& p, const QRectF& destino, const std::vector<double>& u,
                          const std::vector<double>& e) {
    const QRectF r = destino.adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillRect(destino, colorCampoCuadricula);
    p.setPen(QPen(colorLineaCuadricula, 1));
    p.drawRect(r);
    double ul = INFINITY, uh = -INFINITY, mayor = 0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        if (std::isfinite(u[i]) && std::isfinite(e[i])) {
            ul = std::min(ul, u[i]);
            uh = std::max(uh, u[i]);
            mayor = std::max(mayor, std::fabs(e[i]));
        }
    }
    p.setPen(QPen(colorEjeCuadricula, 1));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    if (!(uh > ul) || !(mayor > 0)) {
        return;
    }
    // The largest residual and the ends of u at a marker and a pixel and a
    // half inside the frame, so that every marker is drawn whole.
    constexpr double radio = 2.5;
    const QRectF dentro = r.adjusted(radio + 1.5, radio + 1.5, -radio - 1.5, -radio - 1.5);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colorPuntoActivo);
    for (std::size_t i = 0; i < u.size(); ++i) {
        if (std::isfinite(u[i]) && std::isfinite(e[i])) {
            const double px = dentro.left() + dentro.width() * (u[i] - ul) / (uh - ul);
            const double py = dentro.center().y() - dentro.height() / 2 * e[i] / mayor;
            p.drawEllipse(QPointF(px, py), radio, radio);
        }
    }
}

} // namespace rectaviva
