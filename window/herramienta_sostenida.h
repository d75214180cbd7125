// The held cloud tool's state, which Form1 carries as a private base so that
// its handlers name the fields as members: the tool and its pacing, the
// markers' places that wait for the next paint, and the pacing of the
// paints while it is held.
#pragma once

#include "Globales.h"
#include "capa_controles.h"
#include "herramientas.h"

#include <QTimer>

#include <array>
#include <chrono>
#include <optional>

namespace rectaviva {

// The places that a tool's steps gave the markers since the last paint,
// by point (0..50); a point not moved has none.
class MarcadoresPendientes : public ColocarMarcador {
public:
    void x(Integer k, float v) override;
    void y(Integer k, float v) override;
    // Places the markers and forgets the places.
    void colocar(Matriz<Shape>& marcadores, const Globales& g);

private:
    std::array<std::optional<float>, maxPuntos + 1> x_, y_;
};

// The held cloud tool: which, from where, its steps and their pacing.
struct HerramientaSostenida {
    bool herramientaActiva_ = false;
    Herramienta herramienta_ = Herramienta::Sube;
    Referencias referencias_;
    Integer puntosDeLaHerramienta_ = 0; ///< nPuntos at the press: a new sample ends the tool
    std::chrono::steady_clock::time_point proximoPaso_; ///< when the next step is due
    long pasosHerramienta_ = 0;
    bool sumasAtrasadas_ = false; ///< a tool stopped at its limit after moving points
    bool nubePorMostrar_ = false; ///< a tool's step refitted and waits for the next paint
    MarcadoresPendientes marcadores_;
    QTimer* relojHerramienta_ = nullptr;
    // While a tool is held the window paints at most once per refresh of
    // its screen: the steps keep their pace, the frames that the screen
    // could not show are not painted.
    std::chrono::steady_clock::time_point ultimoPintado_;
    QTimer* relojPintado_ = nullptr;
};

} // namespace rectaviva
