// What an undo step keeps: the sample and the settings before or after a
// gesture, with the markers where they were (Form1::Instantanea), and the
// step's name.
#pragma once

#include "Globales.h"
#include "Traduccion.h"
#include "estado.h"

#include <QPointF>
#include <QString>

#include <array>
#include <functional>

namespace rectaviva {

struct Instantanea {
    EstadoMuestra muestra;
    std::array<QPointF, maxPuntos + 1> marcas{}; ///< markers' corners, plot units
    Single xPredDiseno = 0;
};

// An undo step's name as written, with %1 for its value ("mover el punto %1"),
// read in the language in use whenever the menu shows it; or read from a text
// that follows the language (a tool's tooltip); or a name the program made,
// read as it is.
struct NombreGesto {
    NombreGesto(Fuente f, QString v = {}) : plantilla(f), valor(std::move(v)) {}
    NombreGesto(QString hecho) : valor(std::move(hecho)) {}
    explicit NombreGesto(std::function<QString()> l) : leer(std::move(l)) {}
    QString texto() const {
        if (leer) {
            return leer();
        }
        if (!plantilla.contexto) {
            return valor;
        }
        return valor.isNull() ? plantilla.traducida() : plantilla.traducida().arg(valor);
    }

    Fuente plantilla;
    QString valor;
    std::function<QString()> leer;
};

} // namespace rectaviva
