// "Código de reto…": the challenge and the four-digit code of a round, as a
// teacher writes them on the board.
#pragma once

#include "retos.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

class QWidget;

namespace rectaviva {

// The challenges' names, as the menu "Retos" lists them, and one in the
// language in use.
inline constexpr const char* nombresDeRetos[4] = {
    QT_TRANSLATE_NOOP("retos", "Adivina la correlación"),
    QT_TRANSLATE_NOOP("retos", "Adivina la recta"),
    QT_TRANSLATE_NOOP("retos", "Construye una nube"),
    QT_TRANSLATE_NOOP("retos", "¿Qué dicen los residuos?")};
QString nombreDeReto(Reto r);

// The challenge (`propuesto` first) and a code from 1000 to 9999; nothing
// when the dialog is cancelled.
std::optional<std::pair<Reto, int>> pedirReto(QWidget* padre, Reto propuesto);

} // namespace rectaviva
