// Qt's mouse and key events as the handlers of the controls take them.
#include "Eventos.h"

#include <QMouseEvent>

namespace rectaviva {

int codigoBoton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return boton::izquierdo;
    case Qt::RightButton:
        return boton::derecho;
    case Qt::MiddleButton:
        return boton::medio;
    default:
        return 0;
    }
}

int codigoBotones(Qt::MouseButtons b) {
    return (b.testFlag(Qt::LeftButton) ? boton::izquierdo : 0) |
           (b.testFlag(Qt::RightButton) ? boton::derecho : 0) |
           (b.testFlag(Qt::MiddleButton) ? boton::medio : 0);
}

int codigoShift(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

Raton traducirRaton(const QMouseEvent& e, const QPointF& enUnidades) {
    const bool movimiento = e.type() == QEvent::MouseMove;
    return {movimiento ? codigoBotones(e.buttons()) : codigoBoton(e.button()),
            codigoShift(e.modifiers()), static_cast<float>(enUnidades.x()),
            static_cast<float>(enUnidades.y())};
}

int codigoTecla(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString t = e.text();
    if (t.isEmpty() || t.at(0).unicode() == 127) {
        return -1;
    }
    return t.at(0).unicode();
}

} // namespace rectaviva
