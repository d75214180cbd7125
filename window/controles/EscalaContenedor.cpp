// Twips and user scales mapped to logical pixels.
#include "EscalaContenedor.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace rectaviva {

namespace {
double zoom = 1.0;
} // namespace

double ampliacion() {
    return zoom;
}

void fijarAmpliacion(double factor) {
    zoom = factor;
}

double twipsPorPixel() {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    const double dpi = pantalla ? pantalla->logicalDotsPerInch() : 0.0;
    // A screen that reports no DPI would give an infinite factor.
    return (dpi > 0 ? 1440.0 / dpi : 15.0) / zoom;
}

double twipsAPixeles(double twips) {
    return twips / twipsPorPixel();
}
double pixelesATwips(double pixeles) {
    return pixeles * twipsPorPixel();
}

Escala::Escala() : sx_(1.0 / twipsPorPixel()), sy_(1.0 / twipsPorPixel()) {}

Escala Escala::usuario(double izquierda, double arriba, double ancho, double alto, QSizeF pixeles) {
    Escala e;
    e.x0_ = izquierda;
    e.y0_ = arriba;
    e.sx_ = (ancho != 0 && pixeles.width() > 0) ? pixeles.width() / ancho : 1.0;
    e.sy_ = (alto != 0 && pixeles.height() > 0) ? pixeles.height() / alto : 1.0;
    return e;
}

QPointF Escala::aPixeles(QPointF u) const {
    return {(u.x() - x0_) * sx_, (u.y() - y0_) * sy_};
}

QPointF Escala::desdePixeles(QPointF p) const {
    return {x0_ + p.x() / sx_, y0_ + p.y() / sy_};
}

double Escala::anchoAPixeles(double u) const {
    return std::abs(u * sx_);
}
double Escala::altoAPixeles(double u) const {
    return std::abs(u * sy_);
}
double Escala::anchoDesdePixeles(double p) const {
    return std::abs(p / sx_);
}
double Escala::altoDesdePixeles(double p) const {
    return std::abs(p / sy_);
}

} // namespace rectaviva
