// Containers: the background, the light items and the zones to repaint.
#include "Contenedor.h"

#include "Foco.h"
#include "Relleno.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

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

Nube* Contenedor::agregarNube(const QString& nombre) {
    auto s = std::make_unique<Nube>(*this, nombre);
    Nube* r = s.get();
    elementos_.push_back(std::move(s));
    r->recalcularZona();
    return r;
}

Rotulos* Contenedor::agregarRotulos(const QString& nombre) {
    auto r = std::make_unique<Rotulos>(*this, nombre);
    Rotulos* q = r.get();
    elementos_.push_back(std::move(r));
    q->recalcularZona();
    return q;
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
    marcadas_.clear();
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

void Contenedor::pintarEn(QPainter& p) {
    pintarFondo(p, QRegion(rect()));
    p.setRenderHint(QPainter::Antialiasing);
    const Escala esc = escala();
    for (const auto& el : elementos_) {
        if (el->Visible()) {
            el->pintar(p, esc);
        }
    }
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
    if (zona.isEmpty()) {
        return;
    }
    for (const QRect& r : marcadas_) {
        if (r.contains(zona)) {
            return;
        }
    }
    // A zone that touches a marked rectangle joins it, and so on, so that the
    // rectangles stay apart; past the cap it joins the one it enlarges least.
    QRect nueva = zona;
    for (auto toca = marcadas_.begin(); toca != marcadas_.end();) {
        if (toca->adjusted(-1, -1, 1, 1).intersects(nueva)) {
            nueva |= *toca;
            marcadas_.erase(toca);
            toca = marcadas_.begin();
        } else {
            ++toca;
        }
    }
    if (marcadas_.size() >= kZonasPorPintado) {
        const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
        const auto crece = [&](const QRect& r) { return area(r | nueva) - area(r); };
        const auto menor =
            std::min_element(marcadas_.begin(), marcadas_.end(),
                             [&](const QRect& a, const QRect& b) { return crece(a) < crece(b); });
        nueva |= *menor;
        marcadas_.erase(menor);
    }
    marcadas_.push_back(nueva);
    update(nueva);
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
