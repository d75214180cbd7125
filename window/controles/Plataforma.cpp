// Pending events and the clock.
#include "Plataforma.h"

#include <QCoreApplication>
#include <QTime>

namespace rectaviva {

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

float segundosDelDia() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

} // namespace rectaviva
