// "Código de reto…": the challenge and the four-digit code of a round, as a
// teacher writes them on the board.
#pragma once

#include "retos.h"

#include <QString>
#include <QtGlobal>

#include <iterator>
#include <optional>
#include <utility>

class QWidget;

namespace rectaviva {

// The challenges with their names, in the order the menu "Retos" and the
// code's dialog list them; and a name in the language in use.
struct RetoDelMenu {
    Reto reto;
    const char* nombre;
};
inline constexpr RetoDelMenu retosDelMenu[] = {
    {Reto::Correlacion, QT_TRANSLATE_NOOP("retos", "Adivina la correlación")},
    {Reto::Recta, QT_TRANSLATE_NOOP("retos", "Adivina la recta")},
    {Reto::Nube, QT_TRANSLATE_NOOP("retos", "Construye una nube")},
    {Reto::Residuos, QT_TRANSLATE_NOOP("retos", "¿Qué dicen los residuos?")}};
inline constexpr int numRetos = static_cast<int>(std::size(retosDelMenu));
// A challenge's place in retosDelMenu (its entry in the menu).
int lugarDeReto(Reto r);
QString nombreDeReto(Reto r);

// The challenge (`propuesto` first) and a code from 1000 to 9999; nothing
// when the dialog is cancelled.
std::optional<std::pair<Reto, int>> pedirReto(QWidget* padre, Reto propuesto);

} // namespace rectaviva
