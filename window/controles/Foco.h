// Keyboard focus for the painted controls: a focus frame that only keyboard
// users see, and the key and focus events a control hands to its handlers.
#pragma once

#include <QKeyEvent>
#include <QObject>

class QPainter;
class QWidget;

namespace rectaviva {

// The frame is shown from a Tab or Shift+Tab until the next mouse press, so a
// widget that receives focus while the mouse is in use draws nothing new.
// Installed once per application; without it no frame is ever drawn.
class FocoVisible : public QObject {
    Q_OBJECT
public:
    static void instalar();
    static bool activo();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    using QObject::QObject;
};

// Draws the focus frame on `w` when it has the focus and the frame is shown:
// a 2-pixel white line under black dashes, visible on any background.
void pintarMarcoFoco(QWidget& w, QPainter& p);

int codigoShift(Qt::KeyboardModifiers m);

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
