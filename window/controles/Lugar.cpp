// Places in container units, and a widget's pixel geometry from its place.
#include "Lugar.h"

#include "Contenedor.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace rectaviva {

void Lugar::fijarLugar(double left, double top, double width, double height) {
    width = std::max(0.0, width);
    height = std::max(0.0, height);
    const bool distinto = left != left_ || top != top_ || width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    lugarCambiado(distinto);
}

void Lugar::remapear(const Escala& vieja, const Escala& nueva) {
    const QPointF esquina = nueva.desdePixeles(vieja.aPixeles({left_, top_}));
    left_ = esquina.x();
    top_ = esquina.y();
    width_ = nueva.anchoDesdePixeles(vieja.anchoAPixeles(width_));
    height_ = nueva.altoDesdePixeles(vieja.altoAPixeles(height_));
    lugarCambiado(true);
}

bool Ubicacion::Visible() const {
    return !widget_.isHidden();
}
bool Ubicacion::Enabled() const {
    return widget_.isEnabled();
}

void Ubicacion::reubicar() {
    const Escala e = escalaDelPadre(widget_);
    const QPointF p = e.aPixeles({Left(), Top()});
    const double ancho = e.anchoAPixeles(Width());
    const double alto = e.altoAPixeles(Height());
    // Edges are rounded, not sizes, so neighbours that touch in twips touch on screen.
    const double x = e.pixelesPorUnidadX() < 0 ? p.x() - ancho : p.x();
    const int izq = static_cast<int>(std::lround(x));
    const int arr = static_cast<int>(std::lround(p.y()));
    const int der = static_cast<int>(std::lround(x + ancho));
    const int aba = static_cast<int>(std::lround(p.y() + alto));
    widget_.setGeometry(izq, arr, der - izq, aba - arr);
}

Escala escalaDelPadre(const QWidget& w) {
    if (const auto* c = qobject_cast<const Contenedor*>(w.parentWidget())) {
        return c->escala();
    }
    return Escala();
}

} // namespace rectaviva
