// SVG pictures read once and shared.
#include "Svg.h"

#include <QSvgRenderer>

#include <map>

namespace rectaviva {

std::shared_ptr<QSvgRenderer> dibujoSvg(const QString& ruta) {
    static std::map<QString, std::weak_ptr<QSvgRenderer>> leidos;
    std::shared_ptr<QSvgRenderer> r = leidos[ruta].lock();
    if (!r) {
        r = std::make_shared<QSvgRenderer>(ruta);
        leidos[ruta] = r;
    }
    return r;
}

} // namespace rectaviva
