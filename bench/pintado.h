// Notes that the window handled a paint request: all that was marked for
// repainting has been painted and sent to the screen. The benchmarks that
// time an action up to the painted window watch for it.
#pragma once

#include <QEvent>
#include <QObject>

namespace rectaviva {

class Pintado : public QObject {
public:
    bool visto = false;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        visto = visto || evento->type() == QEvent::UpdateRequest;
        return false;
    }
};

} // namespace rectaviva
