// The points as a table of text, as "Copiar resultados" copies them: the
// header and one row per point, each value the text it reads back as. With
// a transformation, the data as loaded and then the transformed columns,
// and a title line that names the transformation once, which the boxes'
// names then leave out.
#pragma once

#include "Globales.h"

#include <QStringList>

#include <vector>

namespace rectaviva {

std::vector<QStringList> tablaDePuntos(const Globales& g, const QString& punto);

// "De ln(y) sobre ln(x)" while a transformation is on; empty otherwise.
QString tituloTransformado(const Globales& g);
// A result box's name as copied under that title: without the
// transformation its name ends in (", de ln(y) sobre ln(x)").
QString nombreEnCopia(const Globales& g, const QString& nombre);

} // namespace rectaviva
