// What the window's keyboard handlers ask of a key code (Qt's).
#pragma once

#include <Qt>

namespace rectaviva::teclas {

inline bool esFlecha(int k) {
    return k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
}

// Left and Down go back, Right and Up forward.
inline int sentido(int k) {
    return k == Qt::Key_Left || k == Qt::Key_Down ? -1 : 1;
}

// Space, Return and Enter act on what is chosen.
inline bool esAccion(int k) {
    return k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
}

} // namespace rectaviva::teclas
