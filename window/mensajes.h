// The engine's texts (engine/mensaje.h) in the language in use: a template
// translated in its context, with its values put in.
#pragma once

#include "mensaje.h"

#include <QString>

#include <string>

namespace rectaviva {

// The template as the language in use writes it.
QString traducir(const Plantilla& p);
// The translated template with each %1, %2… replaced by its value, in one
// pass, so that a value holding "%2" (a quoted field) is shown as it is.
QString traducir(const Mensaje& m);
// The translated template with %1 replaced by one value, in the same pass
// (QString::arg would read "%1²" as the twelfth place and drop the ²).
QString traducir(const Plantilla& p, const QString& valor);
// A data set's name or a variable's name as shown: an example set's names are
// kept in Spanish (so that they load, save and undo as one text) and shown
// translated; any other name has no entry and shows as it is.
QString nombreMostrado(const std::string& nombre);

} // namespace rectaviva
