// A bare Qt widget window of the program's size, the yardstick of the
// start-up benchmark: it shows, paints once and ends, as the program does
// with RECTAVIVA_SALIR_TRAS_MOSTRAR set.
#include "salir_tras_pintar.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.resize(1024, 768);
    ventana.installEventFilter(new rectaviva::SalirTrasPintar(&app));
    ventana.show();
    return app.exec();
}
