// SVG pictures for the controls that show them.
#pragma once

#include <QString>

#include <memory>

class QSvgRenderer;

namespace rectaviva {

// The renderer of an SVG file or resource, read at its first use and shared
// by every control that shows it (the help icons all show one picture).
std::shared_ptr<QSvgRenderer> dibujoSvg(const QString& ruta);

} // namespace rectaviva
