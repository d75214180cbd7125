// Form1's menu "Datos": the example sets, tables pasted from the clipboard or
// opened from a file through one dialog, and the sample saved as CSV. A data
// set is shown on a plot of its own range and units; "Generar" and the size
// entry bring back the design's grid.
#include "Form1.h"

#include "Grafico.h"
#include "conjuntos.h"
#include "cuadricula.h"
#include "dato.h"
#include "datos.h"
#include "dialogo_datos.h"
#include "escala.h"
#include "lectura.h"

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

// The largest file the reader takes: far more than 50 rows of numbers need.
constexpr qint64 bytesMaximos = 1024 * 1024;

QString deUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The save dialog's formats: separator and decimal mark, the first being
// what a spreadsheet set to Spanish reads.
struct FormatoGuardado {
    const char* filtro;
    Separador separador;
    MarcaDecimal decimal;
};
constexpr FormatoGuardado formatosGuardado[] = {
    {"CSV para hojas de cálculo en español: «;» y coma decimal (*.csv)", Separador::PuntoYComa,
     MarcaDecimal::Coma},
    {"CSV internacional: «,» y punto decimal (*.csv)", Separador::Coma, MarcaDecimal::Punto},
    {"Texto separado por tabuladores, coma decimal (*.tsv *.txt)", Separador::Tabulador,
     MarcaDecimal::Coma},
    {"Texto separado por tabuladores, punto decimal (*.tsv *.txt)", Separador::Tabulador,
     MarcaDecimal::Punto},
};

} // namespace

EjeCuadricula ejeCuadricula(const EjeRedondo& e, const std::string& titulo) {
    return {e.minimo, e.maximo, e.paso, e.lineas, e.decimales, deUtf8(titulo)};
}

void Form1::componerMenuDatos() {
    QMenuBar& barra = *menuBar();
    mnuDat = new Menu(barra, QStringLiteral("mnuDat"), QStringLiteral("Datos"), true);
    mnuCon =
        new Menu(*mnuDat, QStringLiteral("mnuCon"), QStringLiteral("Conjuntos de ejemplo"), true);
    mnuCon->desplegable()->setToolTipsVisible(true);
    const auto& conjuntos = conjuntosEjemplo();
    for (std::size_t i = 0; i < conjuntos.size(); ++i) {
        const ConjuntoEjemplo& c = conjuntos[i];
        auto* m =
            new Menu(*mnuCon, QStringLiteral("mnuCon_%1").arg(i), QString::fromUtf8(c.nombre));
        m->accion()->setToolTip(
            QStringLiteral("%1\nFuente: %2")
                .arg(QString::fromUtf8(c.descripcion), QString::fromUtf8(c.fuente)));
        connect(m, &Menu::Click, this, [this, i] { mnuCon_Click(static_cast<int>(i)); });
        mnuConjunto.push_back(m);
    }
    mnuPeg = new Menu(*mnuDat, QStringLiteral("mnuPeg"), QStringLiteral("Pegar datos…"));
    mnuAbr = new Menu(*mnuDat, QStringLiteral("mnuAbr"), QStringLiteral("Abrir datos…"));
    mnuGua = new Menu(*mnuDat, QStringLiteral("mnuGua"), QStringLiteral("Guardar datos…"));
    mnuGua->setEnabled(false);
    connect(mnuPeg, &Menu::Click, this, &Form1::mnuPeg_Click);
    connect(mnuAbr, &Menu::Click, this, &Form1::mnuAbr_Click);
    connect(mnuGua, &Menu::Click, this, &Form1::mnuGua_Click);
    confirmarDatos_ = [](DialogoDatos& d) { return d.exec() == QDialog::Accepted; };
    avisar_ = [this](const QString& texto) {
        QMessageBox::warning(this, QStringLiteral("Datos"), texto);
    };
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
    d.nombre = c.nombre;
    d.nombreX = c.nombreX;
    d.nombreY = c.nombreY;
    d.decimalesX = decimalesDe(c.x);
    d.decimalesY = decimalesDe(c.y);
    cargarDatos(d);
}

void Form1::mnuPeg_Click() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QString texto = mime != nullptr && mime->hasText() ? mime->text() : QString();
    if (texto.trimmed().isEmpty()) {
        avisar_(QStringLiteral("El portapapeles no tiene texto. Copie antes dos columnas de "
                               "una hoja de cálculo o de un archivo de texto."));
        return;
    }
    const QByteArray bytes = texto.toUtf8();
    pedirDatos(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
               QStringLiteral("portapapeles"));
}

void Form1::mnuAbr_Click() {
    const QString ruta = QFileDialog::getOpenFileName(
        this, QStringLiteral("Abrir datos"), QString(),
        QStringLiteral("Tablas de datos (*.csv *.tsv *.txt);;Todos los archivos (*)"));
    if (!ruta.isEmpty()) {
        abrirArchivo(ruta);
    }
}

bool Form1::abrirArchivo(const QString& ruta) {
    QFile archivo(ruta);
    const QString nombre = QFileInfo(ruta).fileName();
    if (!archivo.open(QIODevice::ReadOnly)) {
        avisar_(QStringLiteral("No se pudo abrir «%1»: %2").arg(nombre, archivo.errorString()));
        return false;
    }
    // One byte more than the limit is enough to tell a file that is too big.
    const QByteArray bytes = archivo.read(bytesMaximos + 1);
    return pedirDatos(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                      nombre);
}

bool Form1::pedirDatos(std::string_view bytes, const QString& origen) {
    std::string texto;
    std::string mensaje;
    if (!aTexto(bytes, texto, mensaje)) {
        avisar_(QStringLiteral("«%1»: %2").arg(origen, deUtf8(mensaje)));
        return false;
    }
    DialogoDatos dialogo(this, std::move(texto), origen);
    if (!confirmarDatos_(dialogo) || !dialogo.listo()) {
        return false;
    }
    cargarDatos(dialogo.muestra(), origen == QStringLiteral("portapapeles")
                                       ? QStringLiteral("pegar los datos")
                                       : QStringLiteral("cargar ") + origen);
    return true;
}

void Form1::mnuGua_Click() {
    if (g.nPuntos < minActivos) {
        return;
    }
    QStringList filtros;
    for (const FormatoGuardado& f : formatosGuardado) {
        filtros << QString::fromUtf8(f.filtro);
    }
    QString filtro = filtros.front();
    const QString propuesto = g.datosCargados == 1 && !g.nombreDatos.empty()
                                  ? deUtf8(g.nombreDatos) + ".csv"
                                  : QStringLiteral("muestra.csv");
    const QString ruta = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar datos"),
                                                      propuesto, filtros.join(";;"), &filtro);
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
    const std::string nx = g.datosCargados == 1 ? g.nombreX : "x";
    const std::string ny = g.datosCargados == 1 ? g.nombreY : "y";
    const std::string csv = escribirCsv(x, y, activo, nx, ny, s, d);
    // Written whole or not at all: a failure leaves any old file as it was.
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) ||
        archivo.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !archivo.commit()) {
        avisar_(QStringLiteral("No se pudo guardar «%1»: %2")
                    .arg(QFileInfo(ruta).fileName(), archivo.errorString()));
        return false;
    }
    return true;
}

void Form1::cargarDatos(const MuestraDatos& d, const QString& gesto) {
    nuevaMuestraEmpieza();
    const GestoBreve paso(*this, !gesto.isEmpty()    ? gesto
                                 : !d.nombre.empty() ? QStringLiteral("cargar ") + deUtf8(d.nombre)
                                                     : QStringLiteral("cargar los datos"));
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
        const EjeCuadricula ex = ejeCuadricula(g.ejeX, g.nombreX);
        const EjeCuadricula ey = ejeCuadricula(g.ejeY, g.nombreY);
        Picture1->setPintorFondo(
            [ex, ey](QPainter& p, const QRectF& r) { pintarCuadriculaDe(p, r, ex, ey); });
    } else {
        Picture1->setPintorFondo([](QPainter& p, const QRectF& r) { pintarCuadricula(p, r); });
    }
    Text4(1).setText(QString::fromStdString(escribirNumero(g.xPred)));
}

} // namespace rectaviva
