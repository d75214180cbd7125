// The sample of a transformed data set, made from and taken back to the
// data's own values.
#include "muestra_transformada.h"

#include "dato.h"
#include "escala.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace rectaviva {

namespace {

// The value kept as loaded, or the transformed one taken back after a move.
double original(Transformacion t, double dato, Single obs, double guardado) {
    if (t == Transformacion::Ninguna) {
        return S(dato) == obs ? dato : D(obs);
    }
    return S(dato) == obs ? guardado : destransformar(t, D(obs));
}

// Decimals for the list that give the largest transformed value four
// significant digits.
int decimalesTransformados(const std::vector<double>& v) {
    double mayor = 0;
    for (const double x : v) {
        mayor = std::max(mayor, std::fabs(x));
    }
    if (!(mayor > 0)) {
        return 0;
    }
    return std::clamp(3 - static_cast<int>(std::floor(std::log10(mayor))), 0, kMaxDecimales);
}

std::vector<double> originales(const Globales& g, bool enX) {
    std::vector<double> v;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        v.push_back(enX ? originalX(g, k) : originalY(g, k));
    }
    return v;
}

} // namespace

double originalX(const Globales& g, Integer k) {
    return original(transformacionX(g), g.xDato(k), g.xObs(k), g.xOriginal(k));
}

double originalY(const Globales& g, Integer k) {
    return original(transformacionY(g), g.yDato(k), g.yObs(k), g.yOriginal(k));
}

OriginalesEnUso originalesEnUso(const Globales& g) {
    OriginalesEnUso o;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        if (g.activo(k) == 1) {
            o.x.push_back(originalX(g, k));
            o.y.push_back(originalY(g, k));
        }
    }
    return o;
}

int impidenX(const Globales& g, Transformacion t) {
    return valoresQueLaImpiden(t, originales(g, true));
}

int impidenY(const Globales& g, Transformacion t) {
    return valoresQueLaImpiden(t, originales(g, false));
}

bool monotonaEnX(const Globales& g, Transformacion t) {
    return monotona(t, originales(g, true));
}

bool monotonaEnY(const Globales& g, Transformacion t) {
    return monotona(t, originales(g, false));
}

bool sePuedeDeshacer(Transformacion t, Single v, Integer decimales) {
    if (t == Transformacion::Inversa) {
        return std::fabs(v) >= S(std::pow(10.0, -static_cast<double>(decimales)));
    }
    return std::isfinite(destransformar(t, D(v)));
}

bool transformarMuestra(Globales& g, Transformacion tx, Transformacion ty) {
    if (g.datosCargados != 1 || g.nPuntos < minActivos || !monotonaEnX(g, tx) ||
        !monotonaEnY(g, ty)) {
        return false;
    }
    const bool ya = hayTransformacion(g);
    MuestraDatos d;
    std::vector<double> ox, oy;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        ox.push_back(originalX(g, k));
        oy.push_back(originalY(g, k));
        d.x.push_back(transformar(tx, ox.back()));
        d.y.push_back(transformar(ty, oy.back()));
        d.activo.push_back(g.activo(k));
        if (!std::isfinite(d.x.back()) || !std::isfinite(d.y.back())) {
            return false;
        }
    }
    const int decX = ya ? g.decimalesOriginalX : g.decimalesX;
    const int decY = ya ? g.decimalesOriginalY : g.decimalesY;
    d.nombre = g.nombreDatos;
    d.nombreX = g.nombreX;
    d.nombreY = g.nombreY;
    d.decimalesX = tx == Transformacion::Ninguna ? decX : decimalesTransformados(d.x);
    d.decimalesY = ty == Transformacion::Ninguna ? decY : decimalesTransformados(d.y);
    if (!cargarMuestra(g, d)) {
        return false;
    }
    if (tx != Transformacion::Ninguna || ty != Transformacion::Ninguna) {
        g.transformacionX = static_cast<Byte>(tx);
        g.transformacionY = static_cast<Byte>(ty);
        g.decimalesOriginalX = static_cast<Byte>(decX);
        g.decimalesOriginalY = static_cast<Byte>(decY);
        for (Integer k = 1; k <= g.nPuntos; ++k) {
            g.xOriginal(k) = ox[static_cast<std::size_t>(k - 1)];
            g.yOriginal(k) = oy[static_cast<std::size_t>(k - 1)];
        }
    }
    return true;
}

} // namespace rectaviva
