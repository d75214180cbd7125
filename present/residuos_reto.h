// The drawing of a round of "¿Qué dicen los residuos?": the residual plot of
// the round's panel and, after the answer, what gave the pattern away on the
// student's own plot: the outlier or leverage point ringed as the influence
// view rings them, the curve through the residuals, the funnel that holds
// them, or the two groups in their colours.
#pragma once

#include "mostrar.h"
#include "retos.h"

#include <cstdint>
#include <vector>

namespace rectaviva {

struct PantallaRetoResiduos {
    PictureBox& Picture7;   ///< the residual plot: x as the plot, y ±residuoMaximo
    Matriz<Shape>& Shape12; ///< residual markers in Picture7, 1..50
    Matriz<Line>& Line26;   ///< the curve through the residuals, 1..24
    Matriz<Line>& Line27;   ///< the funnel's two lines, 0 and 1
    Matriz<Shape>& Shape13; ///< the ring: 0 on the plot, 1 on the residual plot
};

// Two groups' colours: the markers' own blue, and a crimson apart from every
// other colour of the plots.
inline const QColor colorGrupoOtro{190, 0, 100};
inline const QColor colorMarcaReto{200, 0, 0}; ///< the curve, the funnel, the rings

class PresentacionRetoResiduos {
public:
    PresentacionRetoResiduos(Globales& g, mostrar& m, PantallaRetoResiduos& p)
        : g_(g), m_(m), p_(p) {}

    // The residual plot of the points in use (deleted ones hollow), from the
    // engine's residuals, a residual beyond ±limite at that edge; the
    // explanation's marks of `patron` when `marcar`, else none. `grupo`
    // (point k's at k − 1) colours two groups.
    void dibujar(bool marcar, Patron patron, const std::vector<std::uint8_t>& grupo, double limite);
    // Hides the marks and the ring on the plot (the round over).
    void ocultarMarcas();
    // The points in use, as the diagnostics take them, and their numbers k.
    std::vector<PuntoReto> puntosEnUso(std::vector<Integer>* indices = nullptr) const;
    // The point the ring marks (1..50), 0 for none.
    Integer anillado() const { return anillado_; }

private:
    void marcas(Patron patron);
    void anillar(Integer k, double radio);

    Globales& g_;
    mostrar& m_;
    PantallaRetoResiduos& p_;
    Integer anillado_ = 0;
};

} // namespace rectaviva
