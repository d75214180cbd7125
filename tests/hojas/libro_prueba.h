// Small spreadsheet books made by the tests: a zip of the given entries, and
// the least .xlsx and .ods around the XML of their sheets.
#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace rectaviva::prueba {

using Entradas = std::vector<std::pair<QString, QByteArray>>;

QByteArray zip(const Entradas& entradas);
// Sheets by name and the XML inside their <sheetData>; the <si> of the
// shared strings and the <numFmts> and <cellXfs> of the styles, if any.
QByteArray xlsx(const Entradas& hojas, const QByteArray& cadenas = {},
                const QByteArray& estilos = {});
// The <table:table> elements of content.xml.
QByteArray ods(const QByteArray& tablas);

} // namespace rectaviva::prueba
