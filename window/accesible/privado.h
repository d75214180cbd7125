// What the files of window/accesible/ share: the interface that the factory
// gives each kind of control, each made in the file of its kind, and the
// silence that keeps a change of the program's own from the screen reader.
#pragma once

#include "capa_controles.h"

#include <QAccessible>

class QAction;
class QMenu;

namespace rectaviva {

// The interface of control o, or nullptr where Qt's own serves (fabrica.cpp).
QAccessibleInterface* fabricaAccesible(const QString& clase, QObject* o);

// The plot (plano) or the point list as a list of the points (puntos.cpp).
QAccessibleInterface* listaAccesible(PictureBox* p, bool plano);
// A tool or help icon as a button that can be pressed (boton.cpp).
QAccessibleInterface* botonAccesible(Image* i);
// A sheet or a text panel as a read-only text (hoja.cpp).
QAccessibleInterface* hojaAccesible(QWidget* w);
// A read-only result box read as its name and value (caja.cpp).
QAccessibleInterface* cajaAccesible(TextBox* t);
// A drop-down menu, and action a's entry in menu m (menu.cpp).
QAccessibleInterface* menuAccesible(QMenu* m);
QAccessibleInterface* entradaAccesible(QAction* a, QMenu* m);

// While one lives, nothing reaches the screen reader: a description put in
// and taken back around what is said (filtro.cpp).
class Silencio {
public:
    Silencio();
    ~Silencio();
    Silencio(const Silencio&) = delete;
    Silencio& operator=(const Silencio&) = delete;
};

} // namespace rectaviva
