// Entry point of the benchmarks that need a window: Qt's offscreen platform
// on the screen its build names (1024 x 768 at 96 DPI, or 3840 x 2160),
// whatever the caller's display.
#include <QApplication>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

// The offscreen platform warns at every window shown that it cannot pass on
// size hints; that line would drown the results.
void sinAvisosDeTamano(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.contains(QLatin1String("propagateSizeHints"))) {
        return;
    }
    qInstallMessageHandler(nullptr);
    qt_message_output(tipo, contexto, texto);
    qInstallMessageHandler(sinAvisosDeTamano);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" RECTAVIVA_PANTALLA);
    qInstallMessageHandler(sinAvisosDeTamano);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
