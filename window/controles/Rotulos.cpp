// The texts beside marked points: each measured in the item's font, drawn
// in one pass, and their zones united for the repaint.
#include "Rotulos.h"

#include "Contenedor.h"
#include "EscalaContenedor.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace rectaviva {

namespace {

// The texts' font: small and bold, at the window's zoom.
QFont fuenteRotulos() {
    QFont f;
    f.setPixelSize(static_cast<int>(std::lround(11 * ampliacion())));
    f.setBold(true);
    return f;
}

} // namespace

void Rotulos::setRotulos(std::vector<Rotulo> r) {
    if (r != rotulos_) {
        rotulos_ = std::move(r);
        repintar();
    }
}

void Rotulos::setColor(const QColor& c) {
    fijar(color_, c);
}

QRectF Rotulos::caja(const Escala& e, const Rotulo& r) const {
    const QFontMetricsF m(fuenteRotulos());
    const double separacion = 4 * ampliacion();
    const QPointF c = e.aPixeles(r.punto);
    return {c.x() + separacion, c.y() - separacion - m.height(), m.horizontalAdvance(r.texto) + 1,
            m.height()};
}

void Rotulos::pintar(QPainter& p, const Escala& e) const {
    p.setFont(fuenteRotulos());
    p.setPen(color_);
    for (const Rotulo& r : rotulos_) {
        p.drawText(caja(e, r), Qt::AlignLeft | Qt::AlignVCenter, r.texto);
    }
}

void Rotulos::remapear(const Escala& vieja, const Escala& nueva) {
    for (Rotulo& r : rotulos_) {
        r.punto = nueva.desdePixeles(vieja.aPixeles(r.punto));
    }
}

QRectF Rotulos::zonaDibujo(const Escala& e) const {
    QRectF zona;
    for (const Rotulo& r : rotulos_) {
        zona = zona.united(caja(e, r));
    }
    return zona.adjusted(-margenSuavizado, -margenSuavizado, margenSuavizado, margenSuavizado);
}

} // namespace rectaviva
