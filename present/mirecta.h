// The drawing of the student's own line ("Mi recta"): the line and its two
// handles over the scatter plot, its squares, the dashed line of standard
// deviations, and the panel under the plot that compares it with the
// least-squares line, which stays hidden until the answer is shown.
#pragma once

#include "mostrar.h"

namespace rectaviva {

struct PantallaMiRecta {
    Line& Line16;           ///< the student's line in Picture1
    Line& Line17;           ///< the line of standard deviations in Picture1, dashed
    Matriz<Shape>& Shape8;  ///< the handles in Picture1: 0 at xAsa(g, 0), 1 at xAsa(g, 1)
    Matriz<Label>& Label7;  ///< panel texts; 1 equation, 4 comparison, 6 and 7 the commands
    Matriz<TextBox>& Text6; ///< 0 the student's sum of squares, 1 SCErr
    CheckBox& Check2;       ///< "Cuadrados"
};

// The texts of the panel that `mostrar` sets or shows and hides.
enum TextoMiRecta : int {
    tituloMiRecta = 0,
    ecuacionMiRecta = 1,
    sumaMiRecta = 2,
    sumaMinima = 3,
    comparacionMiRecta = 4,
    efectoRegresion = 5,
    mostrarMinimos = 6,
    probarOtraVez = 7,
};

class PresentacionMiRecta {
public:
    PresentacionMiRecta(Globales& g, mostrar& m, PantallaMiRecta& p) : g_(g), m_(m), p_(p) {}

    // While the mode is on: the student's line, its handles, its squares
    // when "Cuadrados" is ticked, its equation and sum of squares. Before the
    // answer is shown the fitted line and the boxes that give it away are
    // hidden; after, they are back, with the line of standard deviations,
    // SCErr and the comparison beside them.
    void mostrarMiRecta();
    // Hides what the mode added and shows the fitted line, its boxes and
    // bars exactly as the last series left them (the mode turned off).
    void dejarMiRecta();

private:
    Globales& g_;
    mostrar& m_;
    PantallaMiRecta& p_;
};

} // namespace rectaviva
