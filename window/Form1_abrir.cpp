// Form1's files of data: "Abrir datos…", the command line and a file dropped
// on the window open a table of text or a spreadsheet book (.xlsx, .ods)
// through the data dialog.
#include "Form1.h"

#include "dialogo_datos.h"
#include "libro.h"
#include "mensajes.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

namespace rectaviva {

namespace {

// The largest file the program opens, text or book.
constexpr qint64 bytesMaximos = static_cast<qint64>(kMaxBytesDatos);

// The one local file of a drop, or nothing.
QString archivoSoltado(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1 ||
        !mime->urls().front().isLocalFile()) {
        return {};
    }
    const QString ruta = mime->urls().front().toLocalFile();
    return QFileInfo(ruta).isFile() ? ruta : QString();
}

} // namespace

void Form1::mnuAbr_Click() {
    const QString ruta = QFileDialog::getOpenFileName(
        this, tr("Abrir datos"), QString(),
        tr("Tablas de datos (*.csv *.tsv *.txt *.xlsx *.ods);;Todos los archivos (*)"));
    if (!ruta.isEmpty()) {
        abrirArchivo(ruta);
    }
}

bool Form1::abrirArchivo(const QString& ruta) {
    QFile archivo(ruta);
    const QString nombre = QFileInfo(ruta).fileName();
    if (!archivo.open(QIODevice::ReadOnly)) {
        avisar_(tr("No se pudo abrir «%1»: %2").arg(nombre, archivo.errorString()));
        return false;
    }
    const QString grande = tr("«%1» pasa de 50 MB, el mayor archivo que el programa abre. Guarde "
                              "solo las columnas que necesita, o una parte de las filas, y ábralo "
                              "de nuevo.")
                               .arg(nombre);
    if (archivo.size() > bytesMaximos) {
        avisar_(grande);
        return false;
    }
    const QByteArray inicio = archivo.peek(4);
    const QByteArray n = nombre.toUtf8();
    if (!esLibro(std::string_view(inicio.constData(), static_cast<std::size_t>(inicio.size())),
                 std::string_view(n.constData(), static_cast<std::size_t>(n.size())))) {
        // One byte more than the limit tells a file that grew or has no size.
        const QByteArray bytes = archivo.read(bytesMaximos + 1);
        if (bytes.size() > bytesMaximos) {
            avisar_(grande);
            return false;
        }
        return pedirDatos(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), nombre);
    }
    std::vector<HojaLibro> hojas;
    Mensaje mensaje;
    if (!leerLibro(archivo, hojas, mensaje)) {
        avisar_(tr("«%1»: %2").arg(nombre, traducir(mensaje)));
        return false;
    }
    const int elegida = hojaElegida(hojas);
    DialogoDatos dialogo(this, std::move(hojas), elegida, nombre);
    if (!confirmarDatos_(dialogo) || !dialogo.listo()) {
        return false;
    }
    cargarDatos(dialogo.muestra(), tr("cargar %1").arg(nombre));
    return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* e) {
    if (!archivoSoltado(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent* e) {
    const QString ruta = archivoSoltado(e->mimeData());
    if (ruta.isEmpty()) {
        return;
    }
    e->acceptProposedAction();
    // Opened once the drop is over, so that the program it came from is
    // not held while the dialog is open.
    QTimer::singleShot(0, this, [this, ruta] { abrirArchivo(ruta); });
}

} // namespace rectaviva
