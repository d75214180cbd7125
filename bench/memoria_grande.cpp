// The window shown on Qt's offscreen platform, the data file of its
// argument (if any) opened with all its rows and painted; then it ends.
// Prints its peak resident memory in KiB (VmHWM, which a parent's rusage
// would blur with the parent's own size at the spawn).
#include "Form1.h"
#include "dialogo_datos.h"

#include <QApplication>

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" RECTAVIVA_PANTALLA);
    QApplication app(argc, argv);
    rectaviva::Form1 f;
    f.setAvisar([](const QString&) {});
    f.setConfirmarDatos([](rectaviva::DialogoDatos&) { return true; });
    f.show();
    QCoreApplication::processEvents();
    const bool bien =
        argc < 2 || argv[1][0] == '\0' || f.abrirArchivo(QString::fromLocal8Bit(argv[1]));
    f.repaint();
    QCoreApplication::processEvents();
    std::ifstream estado("/proc/self/status");
    for (std::string linea; std::getline(estado, linea);) {
        if (linea.rfind("VmHWM:", 0) == 0) {
            std::cout << std::stol(linea.substr(6)) << '\n';
        }
    }
    return bien ? 0 : 1;
}
