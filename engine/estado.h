// The sample and the settings as one value: what a change of the sample
// (a drag, a deletion, a tool, a new sample, a data set, a level) alters,
// taken before and after it so that undoing puts back exactly what was.
#pragma once

#include "Globales.h"

#include <string>

namespace rectaviva {

struct EstadoMuestra {
    Integer nPuntos = 0, nActivos = 0;
    ArregloMuestra<Single> xObs, yObs;
    ArregloMuestra<double> xDato, yDato;
    ArregloMuestra<Byte> activo;
    Single nivelConf = 0, nivelPred = 0, xPred = 0;
    // The plot's range and the data set it belongs to.
    Single xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    Byte datosCargados = 0;
    std::string nombreDatos, nombreX, nombreY;
    EjeRedondo ejeX, ejeY;
    Byte decimalesX = 0, decimalesY = 0;
    Integer redondeoX = 0, redondeoY = 0;
    Byte transformacionX = 0, transformacionY = 0;
    ArregloMuestra<double> xOriginal, yOriginal;
    Byte decimalesOriginalX = 0, decimalesOriginalY = 0;

    bool operator==(const EstadoMuestra&) const = default;
};

inline EstadoMuestra tomarEstado(const Globales& g) {
    return {g.nPuntos,
            g.nActivos,
            g.xObs,
            g.yObs,
            g.xDato,
            g.yDato,
            g.activo,
            g.nivelConf,
            g.nivelPred,
            g.xPred,
            g.xMin,
            g.xMax,
            g.yMin,
            g.yMax,
            g.datosCargados,
            g.nombreDatos,
            g.nombreX,
            g.nombreY,
            g.ejeX,
            g.ejeY,
            g.decimalesX,
            g.decimalesY,
            g.redondeoX,
            g.redondeoY,
            g.transformacionX,
            g.transformacionY,
            g.xOriginal,
            g.yOriginal,
            g.decimalesOriginalX,
            g.decimalesOriginalY};
}

inline void ponerEstado(Globales& g, const EstadoMuestra& e) {
    g.nPuntos = e.nPuntos;
    g.nActivos = e.nActivos;
    g.xObs = e.xObs;
    g.yObs = e.yObs;
    g.xDato = e.xDato;
    g.yDato = e.yDato;
    g.activo = e.activo;
    g.nivelConf = e.nivelConf;
    g.nivelPred = e.nivelPred;
    g.xPred = e.xPred;
    g.xMin = e.xMin;
    g.xMax = e.xMax;
    g.yMin = e.yMin;
    g.yMax = e.yMax;
    g.datosCargados = e.datosCargados;
    g.nombreDatos = e.nombreDatos;
    g.nombreX = e.nombreX;
    g.nombreY = e.nombreY;
    g.ejeX = e.ejeX;
    g.ejeY = e.ejeY;
    g.decimalesX = e.decimalesX;
    g.decimalesY = e.decimalesY;
    g.redondeoX = e.redondeoX;
    g.redondeoY = e.redondeoY;
    g.transformacionX = e.transformacionX;
    g.transformacionY = e.transformacionY;
    g.xOriginal = e.xOriginal;
    g.yOriginal = e.yOriginal;
    g.decimalesOriginalX = e.decimalesOriginalX;
    g.decimalesOriginalY = e.decimalesOriginalY;
}

} // namespace rectaviva
