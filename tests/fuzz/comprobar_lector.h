// What the reader of real data must keep on any bytes at all, checked the
// same way by the fuzz target and by the replay of its kept inputs.
#pragma once

#include "escala.h"

#include <string>
#include <string_view>

namespace rectaviva::prueba {

// The bytes read as "Abrir datos…" reads them when nothing is changed in its
// dialog: the guessed options, the first two columns offered as x and y.
// False, with the dialog's reason in `mensaje`, when it would not load them.
bool leerComoElDialogo(std::string_view bytes, MuestraDatos& muestra, std::string& mensaje);

// Empty when the bytes are either refused with a reason or loaded into a
// fresh state as 3..50 finite points (at least 3 in use) on a finite plot,
// and the sample, saved in each of the program's formats and read back the
// same way, has the same texts of its numbers, points in use and names.
// Otherwise, what went wrong. A spreadsheet book is refused with a reason or
// each of its sheets' texts is checked so.
std::string comprobarLector(std::string_view bytes);

} // namespace rectaviva::prueba
