// Containers: the background, the light items and the zones to repaint.
#include "Contenedor.h"

#include "Foco.h"
#include "Relleno.h"

#include <QPaintEvent>
#include <QPainter>

namespace rectaviva {

Contenedor::Contenedor(QWidget* padre) : QWidget(padre), fondo_(palette().color(QPalette::Window)) {
    // Everything is painted in paintEvent; no system background underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Contenedor::~Contenedor() = default;

void Contenedor::setBackColor(const QColor& c) {
    if (c != fondo_) {
        fondo_ = c;
        update();
    }
}

Shape* Contenedor::agregarShape(const QString& nombre) {
    auto s = std::make_unique<Shape>(*this, nombre);
    Shape* r = s.get();
    elementos_.push_back(std::move(s));
    r->recalcularZona();
    update(r->zona());
    return r;
}

Line* Contenedor::agregarLine(const QString& nombre) {
    auto l = std::make_unique<Line>(*this, nombre);
    Line* r = l.get();
    elementos_.push_back(std::move(l));
    r->recalcularZona();
    update(r->zona());
    return r;
}

void Contenedor::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    marcada_ = QRect();
    const QRegion& region = e->region();
    pintarFondo(p, region);
    p.setRenderHint(QPainter::Antialiasing);
    const Escala esc = escala();
    const QRect limites = region.boundingRect();
    for (const auto& el : elementos_) {
        // An item outside the repainted region would only be clipped away.
        // Each item sets the pen and brush it uses.
        if (limites.intersects(el->zona()) && region.intersects(el->zona())) {
            el->pintar(p, esc);
        }
    }
    pintarMarcoFoco(*this, p);
}

void Contenedor::pintarFondo(QPainter& p, const QRegion& region) {
    for (const QRect& r : region) {
        rellenar(p, QRectF(r), fondo_);
    }
}

void Contenedor::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The whole surface repaints after a resize; a user scale moves the items.
    recalcularZonas();
    // A user scale stretches with the surface, so the children move with it.
    for (QObject* hijo : children()) {
        if (auto* u = dynamic_cast<Ubicacion*>(hijo)) {
            u->reubicar();
        }
    }
}

void Contenedor::marcarZona(const QRect& zona) {
    if (zona.isEmpty() || marcada_.contains(zona)) {
        return;
    }
    marcada_ |= zona;
    update(marcada_);
}

void Contenedor::recalcularZonas() {
    for (auto& el : elementos_) {
        el->recalcularZona();
    }
}

void Contenedor::cambiarEscala(const Escala& vieja, const Escala& nueva) {
    if (vieja == nueva) {
        return;
    }
    for (auto& el : elementos_) {
        el->remapear(vieja, nueva);
        el->recalcularZona();
    }
    for (QObject* hijo : children()) {
        if (auto* u = dynamic_cast<Ubicacion*>(hijo)) {
            u->remapear(vieja, nueva);
        }
    }
    update();
}

Frame::Frame(QWidget* padre, const QString& nombre) : Contenedor(padre), Ubicacion(this) {
    setObjectName(nombre);
    caption_ = nombre;
    // A panel is opaque to the mouse: a press on it, or on a disabled label
    // in it, never reaches the surface underneath (a pop-up over the plot
    // must not pick the marker below it).
    setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace rectaviva
