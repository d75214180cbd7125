// The controls of the window that the presentation writes into. The window
// fills one Pantalla with its own controls and hands it to `mostrar`; the
// presentation never creates, shows or lays out a control beyond what its
// operations state.
#pragma once

#include "capa_controles.h"

namespace rectaviva {

struct Pantalla {
    Matriz<TextBox>& Text1; ///< estimates panel, 0..14
    Matriz<TextBox>& Text2; ///< statistics of the variables, 0..10
    Matriz<TextBox>& Text3; ///< analysis-of-variance table, 0..9
    Matriz<TextBox>& Text4; ///< prediction panel, 0..6
    Matriz<Shape>& Shape1;  ///< point markers in Picture1, 0..51 (point k is element k)
    Matriz<Shape>& Shape2;  ///< value bars under the result boxes, 0..22, twips
    Line& Line3;            ///< the fitted line in Picture1
    Matriz<Line>& Line12;   ///< one-observation band segments, 0..41 (40, 41 spare)
    Matriz<Line>& Line13;   ///< mean-response band segments, 0..50 (40..50 spare)
    Matriz<Line>& Line14;   ///< prediction marks: 0 one observation, 1 mean response
    PictureBox& Picture1;   ///< the scatter plot, user scale -40..100 both ways
    PictureBox& Picture2;   ///< the point list, one vertical unit per text row
};

} // namespace rectaviva
