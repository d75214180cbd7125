// The controls of the residual and influence views. The residual view's: the segments and squares
// over the scatter plot and the panel under it (residual plot, decomposition of the variation, the
// two sums). The window fills one and hands it to `mostrar`.
#pragma once

#include "controles.h"

namespace rectaviva {

struct PantallaResiduos {
    Matriz<Line>& Line15;   ///< residual segments in Picture1, 1..50
    Matriz<Shape>& Shape5;  ///< squares of the residuals in Picture1, 1..50
    PictureBox& Picture4;   ///< residual plot: x -40..100 under the plot's grid, y -70..70
    Matriz<Shape>& Shape6;  ///< residual markers in Picture4, 1..50
    Matriz<Shape>& Shape7;  ///< decomposition bar: 0 SCReg, 1 SCErr, 2 its frame (twips)
    Matriz<TextBox>& Text5; ///< 0 SCReg, 1 SCErr, 2 SCTot, 3 R² %, 4 and 5 the residual sums
    CheckBox& Check1;       ///< "Cuadrados"
};

// The controls of the influence view: a ring around each marker in use and
// the dashed line of the fit without the point being dragged.
struct PantallaInfluencia {
    Matriz<Shape>& Shape9; ///< rings in Picture1, 1..50
    Line& Line18;          ///< the fit without the dragged point, dashed
};

} // namespace rectaviva
