// What reaches a screen reader: the filter that keeps the result boxes' text
// events, and whatever changes in silence, off the bus, and the installation
// of the factory and of that filter, which stands between Qt and the screen
// reader only while one is listening.
#include "accesible.h"
#include "privado.h"

namespace rectaviva {

namespace {

// The silences alive: while there is one, nothing reaches the screen reader.
int silencio = 0;

bool esDeTexto(QAccessible::Event t) {
    switch (t) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
    case QAccessible::ValueChanged:
        return true;
    default:
        return false;
    }
}

// Passes on what a screen reader needs. A read-only result box is read by
// its name, which holds its text, so the text events of fifty boxes in a
// refresh stay off the bus.
void filtrarAccesibilidad(QAccessibleEvent* e) {
    if (silencio > 0) {
        return;
    }
    if (const auto* t = qobject_cast<const TextBox*>(e->object());
        t && t->isReadOnly() && esDeTexto(e->type())) {
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(filtrarAccesibilidad);
}

} // namespace

Silencio::Silencio() {
    ++silencio;
}

Silencio::~Silencio() {
    --silencio;
}

// The filter stands between Qt and the screen reader only while one is
// listening; without one, Qt's events cost what they did before.
class ActivacionDelFiltro : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool activa) override {
        QAccessible::installUpdateHandler(activa ? filtrarAccesibilidad : nullptr);
    }
};

void instalarAccesibilidad() {
    static const bool instalada = [] {
        QAccessible::installFactory(fabricaAccesible);
        static ActivacionDelFiltro activacion;
        QAccessible::installActivationObserver(&activacion);
        if (QAccessible::isActive()) {
            activacion.accessibilityActiveChanged(true);
        }
        return true;
    }();
    (void)instalada;
}

void ponerDescripcionCallada(QWidget& w, const QString& d) {
    const Silencio s;
    w.setAccessibleDescription(d);
}

} // namespace rectaviva
