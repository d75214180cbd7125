// Starts the window, and opens the data file named on the command line, if
// any. Without a display to show it on, the program says so in one line and
// ends with a failure status instead of aborting.
#include "Form1.h"
#include "estilo_programa.h"
#include "idioma.h"
#include "salir_tras_pintar.h"

#include <QApplication>
#include <QStyle>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const sinPantalla = QT_TRANSLATE_NOOP(
    "main", "rectaviva: no hay pantalla donde mostrar la ventana (DISPLAY y WAYLAND_DISPLAY "
            "vacíos)\n");
const char* const pantallaFallida =
    QT_TRANSLATE_NOOP("main", "rectaviva: no se pudo abrir la pantalla donde mostrar la ventana\n");

// A start-up message in the language the program starts in: the program's
// catalogue is read here, as no application exists yet to install it.
std::string traducirArranque(const char* texto) {
    const QString codigo = rectaviva::idiomaInicial();
    QTranslator t;
    QString r;
    if (codigo != u"es" && t.load(QStringLiteral(":/i18n/rectaviva_") + codigo)) {
        r = t.translate("main", texto);
    }
    return r.isEmpty() ? std::string(texto) : r.toStdString();
}

bool hayPantalla() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// While the platform starts, its messages are held back; a fatal one (a
// display that cannot be reached) becomes the same single line and a clean
// failure exit instead of an abort with a core dump.
void mensajeDeArranque(QtMsgType tipo, const QMessageLogContext&, const QString&) {
    if (tipo == QtFatalMsg) {
        std::fputs(traducirArranque(pantallaFallida).c_str(), stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

int main(int argc, char** argv) {
    // The settings' names first: the language chosen last is kept there.
    QCoreApplication::setOrganizationName(QStringLiteral("rectaviva"));
    QCoreApplication::setApplicationName(QStringLiteral("rectaviva"));
    if (!hayPantalla()) {
        std::fputs(traducirArranque(sinPantalla).c_str(), stderr);
        return EXIT_FAILURE;
    }
    qInstallMessageHandler(mensajeDeArranque);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    // The language chosen last, else the desktop's; Qt's own dialogs speak
    // it too: "Aceptar", not "OK".
    rectaviva::fijarIdioma(app, rectaviva::idiomaInicial());
    QApplication::setStyle(new rectaviva::EstiloPrograma(QApplication::style()->name()));
    // The installed desktop entry's id (the build's RECTAVIVA_ID), so that
    // the desktop matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(RECTAVIVA_ID));
    rectaviva::Form1 ventana;
    if (qEnvironmentVariableIsSet("RECTAVIVA_SALIR_TRAS_MOSTRAR")) {
        ventana.installEventFilter(new rectaviva::SalirTrasPintar(&app));
    }
    ventana.show();
    // A file named on the command line is opened as "Abrir datos…" opens it.
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() > 1) {
        const QString ruta = argumentos.at(1);
        QTimer::singleShot(0, &ventana, [&ventana, ruta] { ventana.abrirArchivo(ruta); });
    }
    return app.exec();
}
