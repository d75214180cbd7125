// "Código de reto…": the challenge and the four-digit code of a round, as a
// teacher writes them on the board.
#pragma once

#include "retos.h"

#include <optional>
#include <utility>

class QWidget;

namespace rectaviva {

// The challenge (`propuesto` first) and a code from 1000 to 9999; nothing
// when the dialog is cancelled.
std::optional<std::pair<Reto, int>> pedirReto(QWidget* padre, Reto propuesto);

} // namespace rectaviva
