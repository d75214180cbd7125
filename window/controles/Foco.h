// Keyboard focus for the painted controls: a focus frame that only keyboard
// users see.
#pragma once

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

} // namespace rectaviva
