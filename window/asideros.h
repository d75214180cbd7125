// Things on the plot that the keyboard chooses and moves. The sample's points
// are one set; a view that adds handles of its own to the plot plugs in a set
// of them with Form1::agregarAsideros, and the arrows then choose among all
// of them in order of x, and the accessibility tree lists them with the points.
#pragma once

#include "Globales.h"

#include <QRectF>
#include <QString>

namespace rectaviva {

class Asideros {
public:
    virtual ~Asideros() = default;

    // Items 0..cantidad() - 1, each with its place on the plot.
    virtual int cantidad() const = 0;
    virtual Single x(int i) const = 0;
    // Its extent in plot units (left, top, width, height, y up), for the
    // accessibility tree; empty when it has none.
    virtual QRectF zona(int i) const = 0;
    // Shows item i as chosen (true) or as usual (false).
    virtual void resaltar(int i, bool elegido) = 0;
    // Grabs item i; mover then shifts it by (dx, dy) plot units, and soltar
    // drops it where it is or, with devolver, puts it back where it was grabbed.
    virtual void tomar(int i) = 0;
    virtual void mover(int i, Single dx, Single dy) = 0;
    virtual void soltar(int i, bool devolver) = 0;
    // What a screen reader says for it: its name ("Punto 3 de 12: x 4, y 7,
    // en uso"), its place ("x 4, y 7"), and how a grab and a drop of it are
    // told ("Punto 3" with "tomado", "Asa izquierda de mi recta" with "tomada").
    virtual QString nombre(int i) const = 0;
    virtual QString valor(int i) const = 0;
    virtual QString titulo(int i) const = 0;
    virtual bool femenino() const { return false; }
};

// The keyboard's choice: item i of a set, or none.
struct Eleccion {
    Asideros* conjunto = nullptr;
    int i = -1;
};

} // namespace rectaviva
