// The residual view's drawing: a segment from each marker in use to the
// fitted line (and its square), the residual plot under the plot, the
// decomposition of the variation and the residual sums. A cloud of more than
// 50 points draws its residuals as a cloud of their own and marks only the
// largest ones, with their row numbers.
#pragma once

#include "mostrar.h"

#include <functional>
#include <vector>

namespace rectaviva {

struct PantallaResiduos {
    Matriz<Line>& Line15;   ///< residual segments in Picture1, 1..50
    PictureBox& Picture4;   ///< residual plot: x -40..100 under the plot's grid, y -70..70
    Matriz<Shape>& Shape6;  ///< residual markers in Picture4, 1..50
    Matriz<Shape>& Shape7;  ///< decomposition bar: 0 SCReg, 1 SCErr, 2 its frame (twips)
    Matriz<TextBox>& Text5; ///< 0 SCReg, 1 SCErr, 2 SCTot, 3 R² %, 4 and 5 the residual sums
    CheckBox& Check1;       ///< "Cuadrados"
    Nube& Nube4;            ///< a cloud's residuals in Picture4
    Rotulos& Rotulos15;     ///< a cloud's row numbers of the marked residuals, in Picture1
    const Nube& Nube1;      ///< the plot's cloud: where each point is drawn
};

// The residual markers 1..50 in `plano` (x as the plot, y the residual):
// each at its point's (x, eᵢ), a triangle at the edge beyond ±limite, filled
// with color(k) when in use and hollow when deleted.
void ponerMarcasResiduos(const Globales& g, PictureBox& plano, Matriz<Shape>& marcas, Single limite,
                         const std::function<QColor(Integer)>& color);

class PresentacionResiduos {
public:
    PresentacionResiduos(Globales& g, mostrar& m, PantallaResiduos& p) : g_(g), m_(m), p_(p) {}

    // While the view is on: the segments (and the squares when "Cuadrados"
    // is ticked), the residual plot, the decomposition and the two sums. A
    // sample without a fit hides the graphics and shows "—".
    void mostrarResiduos();
    // Hides the segments and squares (the view turned off).
    void ocultarResiduos();
    // The segment of point k takes the picked colour while its marker does.
    void colorearResiduo(Integer k);

private:
    // A cloud's drawing: the residuals' cloud, and the segments, marks and
    // row numbers of the largest residuals.
    void mostrarEnNube(const std::vector<Integer>& mayores);
    // Colours segment j (1..) after its point's state.
    void colorearSegmento(std::size_t j);

    Globales& g_;
    mostrar& m_;
    PantallaResiduos& p_;
    std::vector<Integer> mayores_; ///< in a cloud, the points whose segments show
};

} // namespace rectaviva
