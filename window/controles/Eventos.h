// The classic events of the controls from Qt's: button, shift and character
// codes, the mouse's place in a receiver's units, and keys handed to a
// handler that may keep them.
#pragma once

#include <QKeyEvent>
#include <QPointF>
#include <Qt>

class QMouseEvent;

namespace rectaviva {

// Button codes of the mouse events: left 1, right 2, middle 4 (a sum when
// several are held); shift codes: Shift 1, Ctrl 2, Alt 4.
namespace boton {
inline constexpr int izquierdo = 1;
inline constexpr int derecho = 2;
inline constexpr int medio = 4;
} // namespace boton

int codigoBoton(Qt::MouseButton b);
int codigoBotones(Qt::MouseButtons b);
int codigoShift(Qt::KeyboardModifiers m);

// A mouse event as the handlers take it: the code of the button pressed or
// released (of every held button for a move), the shift code, and the place
// given in the receiver's units.
struct Raton {
    int Button = 0, Shift = 0;
    float X = 0, Y = 0;
};
Raton traducirRaton(const QMouseEvent& e, const QPointF& enUnidades);

// The character code that a key event announces, or -1 for a key that
// produces no character (arrows, Delete, function keys).
int codigoTecla(const QKeyEvent& e);

// Hands a key event to `emitir(KeyCode, Shift)`; the handler zeroes KeyCode
// to keep the key, which is otherwise passed on to the parent. Auto-repeated
// releases are dropped: a held key gives one release, at the end.
template <class Emitir> void anunciarTecla(QKeyEvent& e, bool soltada, Emitir emitir) {
    if (soltada && e.isAutoRepeat()) {
        e.accept();
        return;
    }
    int KeyCode = e.key();
    emitir(KeyCode, codigoShift(e.modifiers()));
    e.setAccepted(KeyCode == 0);
}

} // namespace rectaviva
