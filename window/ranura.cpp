// The slot under the plot.
#include "ranura.h"

#include "Contenedor.h"

namespace rectaviva {

void Ranura::agregar(Frame& panel, std::function<void()> alDejar) {
    paneles_.emplace_back(&panel, std::move(alDejar));
}

void Ranura::mostrar(Frame& panel) {
    for (auto& [otro, alDejar] : paneles_) {
        if (otro != &panel) {
            otro->setVisible(false);
            if (alDejar) {
                alDejar();
            }
        }
    }
    panel.setVisible(true);
}

Frame* Ranura::visible() const {
    for (const auto& [panel, alDejar] : paneles_) {
        if (!panel->isHidden()) {
            return panel;
        }
    }
    return nullptr;
}

void Ranura::alinear(const Frame& modelo) {
    for (const auto& [panel, alDejar] : paneles_) {
        if (panel != &modelo) {
            panel->setTop(modelo.Top());
            panel->setLeft(modelo.Left());
            panel->setWidth(modelo.Width());
        }
    }
}

} // namespace rectaviva
