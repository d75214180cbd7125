// Bar widths, line end points, band segments and marks from the shared state.
#include "geometria.h"

#include "escala.h"
#include "redondeo.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rectaviva {

namespace {

Single acotarAncho(Single w, Single anchoMaximo) {
    // An undefined statistic leaves its bar empty rather than of unknown size.
    if (std::isnan(w)) {
        return 0;
    }
    if (w > anchoMaximo) {
        return anchoMaximo;
    }
    if (w < 0) {
        return 0;
    }
    return w;
}

} // namespace

std::array<Single, numBarras> anchosBarras(const Globales& g, Single anchoMaximo) {
    std::array<Single, numBarras> anchos{};
    for (const FilaCaja& f : filasCajas()) {
        const BarraCaja& b = f.barra;
        if (b.indice < 0) {
            continue;
        }
        const Single v = b.medida ? b.medida(g) : f.valor(g);
        const Single bruto = (v + b.desplazamiento) * b.factor;
        anchos[static_cast<std::size_t>(b.indice)] = acotarAncho(bruto, anchoMaximo);
    }
    return anchos;
}

Single desplazamientoBarra(const FilaCaja& f, const Globales& g) {
    // A lower limit at `origen` sits under the box's left edge; one further
    // left (or undefined) keeps the bar at that edge.
    const Single d = (f.valor(g) + f.barra.origen) * f.barra.factorOrigen;
    return d > 0 ? d : 0;
}

Single desplazamientoIntervaloA(const Globales& g) {
    return desplazamientoBarra(*filaCaja(Cajas::Text1, 5), g);
}

Single desplazamientoIntervaloB(const Globales& g) {
    return desplazamientoBarra(*filaCaja(Cajas::Text1, 7), g);
}

namespace {

Segmento segmento(Single x1, Single y1, Single x2, Single y2) {
    const bool finito =
        std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
    return {x1, y1, x2, y2, finito};
}

} // namespace

Segmento rectaAjustada(const Globales& g, Single a, Single b) {
    const auto ordenada = [&](Single x) {
        const double y = static_cast<double>(x) * static_cast<double>(b) + static_cast<double>(a);
        // A double beyond the float range has no float to round to; it stands
        // for an end that cannot be drawn, like an infinite one.
        if (std::fabs(y) > static_cast<double>(std::numeric_limits<Single>::max())) {
            const Single inf = std::numeric_limits<Single>::infinity();
            return y > 0 ? inf : -inf;
        }
        return static_cast<Single>(y);
    };
    return segmento(g.xMin, ordenada(g.xMin), g.xMax, ordenada(g.xMax));
}

Segmento segmentoBanda(const Globales& g, int fila, int k) {
    return segmento(g.xBanda(k), g.banda(fila, k), g.xBanda(k + 1), g.banda(fila, k + 1));
}

Segmento marcaPrediccion(const Globales& g, int fila) {
    return segmento(g.xPred, g.banda(fila, 21), g.xPred, g.banda(fila + 1, 21));
}

Esquina esquinaMarcador(const Globales& g, Single x, Single y) {
    return {x - unidadX(g), y + unidadY(g)};
}

Esquina esquinaArrastrada(const Globales& g, Single X, Single Y, Single w, Single h) {
    const Esquina e = esquinaMarcador(g, X, Y);
    Esquina r;
    if (e.left < g.xMin) {
        r.left = g.xMin;
    } else if (e.left <= g.xMax - w) {
        r.left = e.left;
    } else {
        r.left = g.xMax - w;
    }
    // y grows upwards: a marker's top edge is its larger y.
    if (e.top < g.yMin + h) {
        r.top = g.yMin + h;
    } else if (e.top <= g.yMax) {
        r.top = e.top;
    } else {
        r.top = g.yMax;
    }
    return r;
}

Single izquierdaTrasPaso(const Globales& g, Single x, Single w) {
    const Single borde = esquinaMarcador(g, x, 0).left;
    const double centro = D(borde) + D(unidadX(g));
    if (centro < g.xMin) {
        return g.xMin;
    }
    if (centro > g.xMax) {
        return g.xMax - w;
    }
    return borde;
}

Single arribaTrasPaso(const Globales& g, Single y, Single h) {
    const Single borde = esquinaMarcador(g, 0, y).top;
    const double centro = D(borde) - D(unidadY(g));
    if (centro > g.yMax) {
        return g.yMax;
    }
    if (centro < g.yMin) {
        return g.yMin + h;
    }
    return borde;
}

Segmento segmentoResiduo(Single cx, Single cy, Single a, Single b) {
    return segmento(cx, cy, cx, S(D(a) + D(b) * D(cx)));
}

Rectangulo cuadradoResiduo(const Globales& g, const Segmento& s, double pxX, double pxY) {
    if (!s.visible || !(pxX > 0) || !(pxY > 0)) {
        return {};
    }
    const double alto = std::fabs(D(s.y1) - D(s.y2));
    const double ancho = alto * pxY / pxX;
    const double izquierda = D(s.x1) + ancho > g.xMax ? D(s.x1) - ancho : D(s.x1);
    return {S(izquierda), std::max(s.y1, s.y2), S(ancho), S(alto), true};
}

MarcaResiduo marcaResiduo(const Globales& g, Single x, Single e, Single w, Single h,
                          Single limite) {
    if (std::isnan(e) || !std::isfinite(x)) {
        return {};
    }
    MarcaResiduo m;
    m.visible = true;
    m.esquina.left = std::clamp(S(D(x) - D(w) / 2), S(g.xMin), S(D(g.xMax) - D(w)));
    if (e > limite) {
        m.fuera = 1;
        m.esquina.top = limite;
    } else if (e < -limite) {
        m.fuera = -1;
        m.esquina.top = S(D(h) - D(limite));
    } else {
        m.esquina.top = std::clamp(S(D(e) + D(h) / 2), S(D(h) - D(limite)), limite);
    }
    return m;
}

Recta rectaPorAsas(const Globales& g) {
    const Single b = S((D(g.yAsa(1)) - D(g.yAsa(0))) / (D(xAsa(g, 1)) - D(xAsa(g, 0))));
    const Single a = S(D(g.yAsa(0)) - D(b) * D(xAsa(g, 0)));
    return {a, b};
}

Segmento rectaDesviaciones(const Globales& g) {
    if (g.desvX == 0) {
        return g.desvY > 0 ? segmento(g.mediaX, S(g.yMin), g.mediaX, S(g.yMax)) : Segmento{};
    }
    const double r = D(g.correlacion);
    const double signo = g.desvY == 0 ? 0.0 : (r > 0) - (r < 0);
    const Single b = S(signo * D(g.desvY) / D(g.desvX));
    const Single a = S(D(g.mediaY) - D(b) * D(g.mediaX));
    return rectaAjustada(g, a, b);
}

} // namespace rectaviva
