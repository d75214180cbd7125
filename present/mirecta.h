// The controls of the student's own line ("Mi recta"): the line and its two
// handles over the scatter plot, the dashed line of standard deviations, and
// the panel under the plot. The window fills one and hands it to `mostrar`.
#pragma once

#include "controles.h"

namespace rectaviva {

struct PantallaMiRecta {
    Line& Line16;           ///< the student's line in Picture1
    Line& Line17;           ///< the line of standard deviations in Picture1, dashed
    Matriz<Shape>& Shape8;  ///< the handles in Picture1: 0 at xAsaIzquierda, 1 at xAsaDerecha
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

} // namespace rectaviva
