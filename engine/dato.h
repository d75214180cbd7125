// The value of a point: on a data set, the number as it was read (a double
// that keeps every digit of the file) while the point stays where it was
// loaded; otherwise, and once it has moved, its float coordinate.
#pragma once

#include "Globales.h"
#include "datos.h"
#include "redondeo.h"

#include <string>
#include <string_view>

namespace rectaviva {

inline double valorX(const Globales& g, Integer k) {
    return g.datosCargados == 1 && S(g.xDato(k)) == g.xObs(k) ? g.xDato(k) : D(g.xObs(k));
}

inline double valorY(const Globales& g, Integer k) {
    return g.datosCargados == 1 && S(g.yDato(k)) == g.yObs(k) ? g.yDato(k) : D(g.yObs(k));
}

// The shortest text that reads back as point k's value: the number as read
// ("17069453", "0.1"), or the float's own ("12.345679").
inline std::string textoValor(const Globales& g, Integer k, bool enX,
                              std::string_view punto = ".") {
    const double dato = enX ? g.xDato(k) : g.yDato(k);
    const Single v = enX ? g.xObs(k) : g.yObs(k);
    return g.datosCargados == 1 && S(dato) == v ? textoExacto(dato, punto) : textoExacto(v, punto);
}

} // namespace rectaviva
