// Form1's menu "Datos": the example sets, tables pasted from the clipboard or
// opened from a file through one dialog, and the sample saved as CSV. A data
// set is shown on a plot of its own range and units; "Generar" and the size
// entry bring back the design's grid.
#include "Form1.h"
#include "gesto_breve.h"

#include "Grafico.h"
#include "conjuntos.h"
#include "cuadricula.h"
#include "dato.h"
#include "datos.h"
#include "dialogo_datos.h"
#include "escala.h"
#include "lectura.h"
#include "mensajes.h"
#include "muestra_transformada.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>

#include <algorithm>

namespace rectaviva {

namespace {

QString deUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The save dialog's formats: separator and decimal mark, the first being
// what a spreadsheet set to Spanish reads. Their texts are translated where
// the dialog shows them.
struct FormatoGuardado {
    const char* filtro;
    Separador separador;
    MarcaDecimal decimal;
};
constexpr FormatoGuardado formatosGuardado[] = {
    {QT_TRANSLATE_NOOP("Form1", "CSV para hojas de cálculo en español: «;» y coma decimal (*.csv)"),
     Separador::PuntoYComa, MarcaDecimal::Coma},
    {QT_TRANSLATE_NOOP("Form1", "CSV internacional: «,» y punto decimal (*.csv)"), Separador::Coma,
     MarcaDecimal::Punto},
    {QT_TRANSLATE_NOOP("Form1", "Texto separado por tabuladores, coma decimal (*.tsv *.txt)"),
     Separador::Tabulador, MarcaDecimal::Coma},
    {QT_TRANSLATE_NOOP("Form1", "Texto separado por tabuladores, punto decimal (*.tsv *.txt)"),
     Separador::Tabulador, MarcaDecimal::Punto},
};

} // namespace

EjeCuadricula ejeCuadricula(const EjeRedondo& e, const std::string& titulo) {
    return {e.minimo, e.maximo, e.paso, e.lineas, e.decimales, deUtf8(titulo)};
}

namespace {

// The plot's grid in a data set's range, titled with its names as shown.
void pintarEjesDeDatos(PictureBox& plano, const Globales& g) {
    EjeCuadricula ex = ejeCuadricula(g.ejeX, std::string());
    EjeCuadricula ey = ejeCuadricula(g.ejeY, std::string());
    // A transformed axis is titled by its transformation: "log₁₀(Población)".
    ex.titulo = traducir(expresionDeNombre(transformacionX(g)), nombreMostrado(g.nombreX));
    ey.titulo = traducir(expresionDeNombre(transformacionY(g)), nombreMostrado(g.nombreY));
    plano.setPintorFondo(
        [ex, ey](QPainter& p, const QRectF& r) { pintarCuadriculaDe(p, r, ex, ey); });
}

} // namespace

void Form1::componerMenuDatos() {
    QMenuBar& barra = *menuBar();
    mnuDat = new Menu(barra, QStringLiteral("mnuDat"), FUENTE("Form1", "Datos"), true);
    mnuCon =
        new Menu(*mnuDat, QStringLiteral("mnuCon"), FUENTE("Form1", "Conjuntos de ejemplo"), true);
    mnuCon->desplegable()->setToolTipsVisible(true);
    const auto& conjuntos = conjuntosEjemplo();
    for (std::size_t i = 0; i < conjuntos.size(); ++i) {
        const ConjuntoEjemplo& c = conjuntos[i];
        auto* m = new Menu(*mnuCon, QStringLiteral("mnuCon_%1").arg(i),
                           Fuente{c.nombre.contexto, c.nombre.texto});
        QAction* a = m->accion();
        alCambiarIdioma(a, ClaveTexto::Ayuda, [a, &c] {
            a->setToolTip(
                tr("%1\nFuente: %2").arg(traducir(c.descripcion), QString::fromUtf8(c.fuente)));
        });
        connect(m, &Menu::Click, this, [this, i] { mnuCon_Click(static_cast<int>(i)); });
        mnuConjunto.push_back(m);
    }
    mnuPeg = new Menu(*mnuDat, QStringLiteral("mnuPeg"), FUENTE("Form1", "Pegar datos…"));
    mnuAbr = new Menu(*mnuDat, QStringLiteral("mnuAbr"), FUENTE("Form1", "Abrir datos…"));
    mnuGua = new Menu(*mnuDat, QStringLiteral("mnuGua"), FUENTE("Form1", "Guardar datos…"));
    mnuGua->setEnabled(false);
    // A table or a book dropped on the window opens as "Abrir datos…" opens it.
    setAcceptDrops(true);
    connect(mnuPeg, &Menu::Click, this, &Form1::mnuPeg_Click);
    connect(mnuAbr, &Menu::Click, this, &Form1::mnuAbr_Click);
    connect(mnuGua, &Menu::Click, this, &Form1::mnuGua_Click);
    confirmarDatos_ = [](DialogoDatos& d) { return d.exec() == QDialog::Accepted; };
    avisar_ = [this](const QString& texto) {
        QMessageBox::warning(this, FUENTE("Form1", "Datos").traducida(), texto);
    };
    // A data set's axis titles are shown in the language in use.
    alCambiarIdioma(mnuDat, ClaveTexto::Otro, [this] {
        if (Picture1 != nullptr && g.datosCargados == 1) {
            pintarEjesDeDatos(*Picture1, g);
        }
    });
}

void Form1::mnuCon_Click(int i) {
    const auto& conjuntos = conjuntosEjemplo();
    if (i < 0 || static_cast<std::size_t>(i) >= conjuntos.size()) {
        return;
    }
    const ConjuntoEjemplo& c = conjuntos[static_cast<std::size_t>(i)];
    // The sets are written as published: their decimals are those of the
    // longest of their numbers.
    MuestraDatos d;
    d.x = c.x;
    d.y = c.y;
    // Kept as written and shown translated (nombreMostrado).
    d.nombre = c.nombre.texto;
    d.nombreX = c.nombreX.texto;
    d.nombreY = c.nombreY.texto;
    d.decimalesX = decimalesDe(c.x);
    d.decimalesY = decimalesDe(c.y);
    cargarDatos(d);
}

void Form1::mnuPeg_Click() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QString texto = mime != nullptr && mime->hasText() ? mime->text() : QString();
    if (texto.trimmed().isEmpty()) {
        avisar_(tr("El portapapeles no tiene texto. Copie antes dos columnas de "
                   "una hoja de cálculo o de un archivo de texto."));
        return;
    }
    const QByteArray bytes = texto.toUtf8();
    pedirDatos(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
               tr("portapapeles"));
}

bool Form1::pedirDatos(std::string_view bytes, const QString& origen) {
    std::string texto;
    Mensaje mensaje;
    if (!aTexto(bytes, texto, mensaje, origen.toStdString())) {
        // A message that names the file itself is shown as it is.
        avisar_(mensaje.valores.empty() ? tr("«%1»: %2").arg(origen, traducir(mensaje))
                                        : traducir(mensaje));
        return false;
    }
    DialogoDatos dialogo(this, std::move(texto), origen);
    if (!confirmarDatos_(dialogo) || !dialogo.listo()) {
        return false;
    }
    cargarDatos(dialogo.muestra(),
                origen == tr("portapapeles") ? tr("pegar los datos") : tr("cargar %1").arg(origen));
    return true;
}

void Form1::mnuGua_Click() {
    if (g.nPuntos < minActivos) {
        return;
    }
    QStringList filtros;
    for (const FormatoGuardado& f : formatosGuardado) {
        filtros << QCoreApplication::translate("Form1", f.filtro);
    }
    QString filtro = filtros.front();
    const QString propuesto = g.datosCargados == 1 && !g.nombreDatos.empty()
                                  ? nombreMostrado(g.nombreDatos) + ".csv"
                                  : QStringLiteral("muestra.csv");
    const QString ruta = QFileDialog::getSaveFileName(this, tr("Guardar datos"), propuesto,
                                                      filtros.join(";;"), &filtro);
    if (ruta.isEmpty()) {
        return;
    }
    const auto i = std::max<qsizetype>(0, filtros.indexOf(filtro));
    const FormatoGuardado& f = formatosGuardado[i];
    guardarDatos(ruta, f.separador, f.decimal);
}

bool Form1::guardarDatos(const QString& ruta, Separador s, MarcaDecimal d) {
    std::vector<std::string> x, y;
    std::vector<Byte> activo;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        x.push_back(textoValor(g, k, true));
        y.push_back(textoValor(g, k, false));
        activo.push_back(g.activo(k));
    }
    // The names as the axes show them.
    const std::string nx = g.datosCargados == 1 ? nombreMostrado(g.nombreX).toStdString() : "x";
    const std::string ny = g.datosCargados == 1 ? nombreMostrado(g.nombreY).toStdString() : "y";
    if (!hayTransformacion(g)) {
        return escribirArchivo(ruta, escribirCsv(x, y, activo, nx, ny, s, d));
    }
    // Transformed: the data as loaded, then each transformed column.
    std::vector<ColumnaCsv> columnas(2);
    columnas[0].nombre = nx;
    columnas[1].nombre = ny;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        columnas[0].valores.push_back(textoExacto(originalX(g, k)));
        columnas[1].valores.push_back(textoExacto(originalY(g, k)));
    }
    for (const bool enX : {true, false}) {
        const Transformacion t = enX ? transformacionX(g) : transformacionY(g);
        if (t != Transformacion::Ninguna) {
            columnas.push_back(
                {traducir(expresionDeNombre(t), QString::fromStdString(enX ? nx : ny))
                     .toStdString(),
                 enX ? x : y});
        }
    }
    return escribirArchivo(ruta, escribirCsv(columnas, activo, s, d));
}

bool Form1::escribirArchivo(const QString& ruta, const std::string& texto) {
    // Written whole or not at all: a failure leaves any old file as it was.
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) ||
        archivo.write(texto.data(), static_cast<qint64>(texto.size())) !=
            static_cast<qint64>(texto.size()) ||
        !archivo.commit()) {
        avisar_(tr("No se pudo guardar «%1»: %2")
                    .arg(QFileInfo(ruta).fileName(), archivo.errorString()));
        return false;
    }
    return true;
}

void Form1::cargarDatos(const MuestraDatos& d, const QString& gesto) {
    nuevaMuestraEmpieza();
    const GestoBreve paso(*this, !gesto.isEmpty()    ? gesto
                                 : !d.nombre.empty() ? tr("cargar %1").arg(nombreMostrado(d.nombre))
                                                     : tr("cargar los datos"));
    const Single xPredAntes = g.xPred;
    const bool delDiseno = g.datosCargados != 1;
    if (!cargarMuestra(g, d)) {
        return;
    }
    if (delDiseno) {
        xPredDiseno_ = xPredAntes;
    }
    rangoCambiado();
    mostrarMuestraNueva();
}

bool Form1::transformarDatos(Transformacion tx, Transformacion ty) {
    if (g.datosCargados != 1) {
        return false;
    }
    nuevaMuestraEmpieza();
    const GestoBreve paso(*this, NombreGesto(FUENTE("transformar", "transformar")));
    if (!transformarMuestra(g, tx, ty)) {
        return false;
    }
    rangoCambiado();
    mostrarMuestraNueva();
    return true;
}

void Form1::volverAlDisenoSiHaceFalta() {
    if (g.datosCargados != 1) {
        return;
    }
    volverAlDiseno(g);
    g.xPred = xPredDiseno_;
    rangoCambiado();
    fijarEscala(*Picture1, g.xMin, g.xMax, g.yMin, g.yMax);
}

void Form1::rangoCambiado() {
    g.oCalculos->PuntosPrediccion();
    if (g.datosCargados == 1) {
        pintarEjesDeDatos(*Picture1, g);
    } else {
        Picture1->setPintorFondo([](QPainter& p, const QRectF& r) { pintarCuadricula(p, r); });
    }
    Text4(1).setText(QString::fromStdString(escribirNumero(g.xPred)));
}

} // namespace rectaviva
