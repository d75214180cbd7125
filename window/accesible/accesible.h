// The window's accessibility as the rest of the program calls it: installed
// once, a description changed in silence, and the words of a sheet.
#pragma once

#include <QString>

class QWidget;

namespace rectaviva {

// Registers once the accessibility of the plot, the point list, the icons,
// the sheets and text panels, and the filter of what reaches a screen reader.
void instalarAccesibilidad();
// A control's accessible description, changed without telling a screen reader.
void ponerDescripcionCallada(QWidget& w, const QString& d);
// The text equivalent of sheet k, empty when it has none.
QString textoDeLamina(int k);

} // namespace rectaviva
