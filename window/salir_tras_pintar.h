// Ends the application once the widget it watches has painted for the first
// time. The start-up benchmark times a whole start of the program (with
// RECTAVIVA_SALIR_TRAS_MOSTRAR set) and of a bare widget window this way;
// nothing else uses it.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace rectaviva {

class SalirTrasPintar : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            objeto->removeEventFilter(this);
            // Queued, so that the paint under way reaches the screen first.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace rectaviva
