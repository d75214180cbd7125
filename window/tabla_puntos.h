// The points as a table of text, as "Copiar resultados" copies them: the
// header and one row per point, each value the text it reads back as. With
// a transformation, the data as loaded and then the transformed columns.
#pragma once

#include "Globales.h"

#include <QStringList>

#include <vector>

namespace rectaviva {

std::vector<QStringList> tablaDePuntos(const Globales& g, const QString& punto);

} // namespace rectaviva
