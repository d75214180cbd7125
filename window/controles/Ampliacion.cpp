// The whole window drawn larger, and the fonts that stay unshaped.
#include "Ampliacion.h"

#include "Contenedor.h"
#include "Lugar.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace rectaviva {

namespace {

// The property in which a widget keeps its design font while it is zoomed.
const char* const fuenteDiseno = "fuenteDiseno";

// Gives w its design font times the zoom. A widget with a font of its own
// is scaled; one that inherits follows its parent, except a pop-up window
// (a drop-down menu), which inherits nothing and is given one.
void ampliarFuente(QWidget& w, double factor) {
    const QVariant guardada = w.property(fuenteDiseno);
    if (!guardada.isValid()) {
        if (factor == 1.0 || (!w.testAttribute(Qt::WA_SetFont) && !w.isWindow())) {
            return;
        }
        // An inherited font is kept as an empty one, so that it inherits again.
        w.setProperty(fuenteDiseno, w.testAttribute(Qt::WA_SetFont) ? w.font() : QFont());
    }
    const QFont diseno = w.property(fuenteDiseno).value<QFont>();
    if (factor == 1.0) {
        w.setFont(diseno);
        w.setProperty(fuenteDiseno, QVariant());
        return;
    }
    QFont f = diseno.resolveMask() != 0 ? diseno : QApplication::font(&w);
    if (f.pointSizeF() > 0) {
        f.setPointSizeF(f.pointSizeF() * factor);
    } else {
        f.setPixelSize(static_cast<int>(std::lround(f.pixelSize() * factor)));
    }
    w.setFont(f);
}

} // namespace

void ampliar(QWidget& ventana, double factor) {
    fijarAmpliacion(factor);
    // Parents come before their children, so that a child placed in a user
    // scale is placed over its parent's new size.
    QList<QWidget*> widgets = ventana.findChildren<QWidget*>();
    widgets.prepend(&ventana);
    for (QWidget* w : widgets) {
        ampliarFuente(*w, factor);
        if (auto* u = dynamic_cast<Ubicacion*>(w)) {
            u->reubicar();
        }
        // The pens widen with the zoom even where the size stays.
        if (auto* c = qobject_cast<Contenedor*>(w)) {
            c->recalcularZonas();
        }
        w->update();
    }
}

void sinFormas(QWidget& w) {
    if (!(w.font().styleStrategy() & QFont::PreferNoShaping)) {
        w.setFont(sinFormas(w.font()));
    }
}

QFont sinFormas(QFont f) {
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::PreferNoShaping));
    return f;
}

} // namespace rectaviva
