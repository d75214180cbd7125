// The dialog of pasted and opened tables.
#include "dialogo_datos.h"
#include "dialogo_datos_filas.h"

#include "formatos.h"
#include "mensajes.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rectaviva {

namespace {

// The most points the preview lists: a hundred thousand would take seconds.
constexpr int kFilasVista = 200;

QString deUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

// The columns offered, one list that both choices show: each row's text is
// made when it is shown, so that a table of a hundred thousand columns fills
// them at once.
class DialogoDatos::Columnas : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void poner(const Tabla& t, std::vector<int> columnas) {
        beginResetModel();
        tabla_ = &t;
        columnas_ = std::move(columnas);
        endResetModel();
    }
    int rowCount(const QModelIndex& padre = {}) const override {
        return padre.isValid() ? 0 : static_cast<int>(columnas_.size());
    }
    QVariant data(const QModelIndex& i, int rol) const override {
        if (!i.isValid() || i.row() >= rowCount()) {
            return {};
        }
        const int c = columnas_[static_cast<std::size_t>(i.row())];
        if (rol == Qt::UserRole) {
            return c;
        }
        if (rol != Qt::DisplayRole && rol != Qt::EditRole) {
            return {};
        }
        if (const std::string_view n = tabla_->nombre(c); !n.empty()) {
            return DialogoDatos::tr("Columna %1: %2").arg(QString::number(c + 1), deUtf8(n));
        }
        return DialogoDatos::tr("Columna %1").arg(c + 1);
    }

private:
    const Tabla* tabla_ = nullptr;
    std::vector<int> columnas_;
};

DialogoDatos::DialogoDatos(QWidget* padre, std::string texto, const QString& origen)
    : QDialog(padre), texto_(std::move(texto)) {
    setObjectName(QStringLiteral("DialogoDatos"));
    setWindowTitle(tr("Cargar datos: %1").arg(origen));

    separador_ = new QComboBox(this);
    separador_->setObjectName(QStringLiteral("cmbSeparador"));
    separador_->addItems({tr("Tabulador"), tr("Punto y coma (;)"), tr("Coma (,)"), tr("Espacios")});
    decimal_ = new QComboBox(this);
    decimal_->setObjectName(QStringLiteral("cmbDecimal"));
    decimal_->addItems({tr("Punto (1.5)"), tr("Coma (1,5)")});
    encabezado_ = new QCheckBox(tr("La primera fila tiene los nombres"), this);
    encabezado_->setObjectName(QStringLiteral("chkEncabezado"));
    columnas_ = new Columnas(this);
    columnaX_ = new QComboBox(this);
    columnaX_->setObjectName(QStringLiteral("cmbColumnaX"));
    columnaY_ = new QComboBox(this);
    columnaY_->setObjectName(QStringLiteral("cmbColumnaY"));
    for (QComboBox* combo : {columnaX_, columnaY_}) {
        // Sized without measuring every column's name.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(16);
        combo->setModel(columnas_);
    }
    filas_ = new EleccionDeFilas(this);
    filas_->setObjectName(QStringLiteral("fraFilas"));
    setTabOrder(columnaY_, filas_->primero());
    aviso_ = new QLabel(this);
    aviso_->setObjectName(QStringLiteral("lblAviso"));
    aviso_->setWordWrap(true);
    estado_ = new QLabel(this);
    estado_->setObjectName(QStringLiteral("lblEstado"));
    estado_->setWordWrap(true);
    vista_ = new QTableWidget(this);
    vista_->setObjectName(QStringLiteral("tblVista"));
    vista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista_->verticalHeader()->setVisible(false);
    vista_->horizontalHeader()->setStretchLastSection(true);
    vista_->setMinimumHeight(220);
    mas_ = new QLabel(this);
    mas_->setObjectName(QStringLiteral("lblMas"));
    botones_ = new QDialogButtonBox(this);
    cargar_ = botones_->addButton(tr("Cargar"), QDialogButtonBox::AcceptRole);
    cargar_->setObjectName(QStringLiteral("cmdCargar"));
    cargar_->setDefault(true);
    botones_->addButton(tr("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botones_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* formato = new QFormLayout;
    formato->addRow(tr("Separador de campos:"), separador_);
    formato->addRow(tr("Marca decimal:"), decimal_);
    formato->addRow(QString(), encabezado_);
    auto* columnas = new QHBoxLayout;
    columnas->addWidget(new QLabel(QStringLiteral("x:"), this));
    columnas->addWidget(columnaX_, 1);
    columnas->addWidget(new QLabel(QStringLiteral("y:"), this));
    columnas->addWidget(columnaY_, 1);
    formato->addRow(tr("Columnas:"), columnas);
    formato->addRow(tr("Filas:"), filas_);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(formato);
    todo->addWidget(aviso_);
    todo->addWidget(vista_, 1);
    todo->addWidget(mas_);
    todo->addWidget(estado_);
    todo->addWidget(botones_);

    // The guess is shown as the choices' starting values, never applied unseen.
    Mensaje aviso;
    const OpcionesLectura o = adivinar(texto_, aviso);
    llenando_ = true;
    separador_->setCurrentIndex(static_cast<int>(o.separador));
    decimal_->setCurrentIndex(o.decimal == MarcaDecimal::Coma ? 1 : 0);
    encabezado_->setChecked(o.encabezado);
    llenando_ = false;
    QString dicho = tr("Separador, marca decimal y nombres deducidos del texto; "
                       "cámbielos si no son los de sus datos.");
    if (!aviso.vacio()) {
        dicho += QLatin1Char(' ') + traducir(aviso);
    }
    aviso_->setText(dicho);

    const auto cambioDeForma = [this] {
        if (!llenando_) {
            ofrecerColumnas();
            releer();
        }
    };
    connect(separador_, &QComboBox::currentIndexChanged, this, cambioDeForma);
    connect(decimal_, &QComboBox::currentIndexChanged, this, cambioDeForma);
    connect(encabezado_, &QCheckBox::toggled, this, cambioDeForma);
    const auto cambioDeColumna = [this] {
        if (!llenando_) {
            releer();
        }
    };
    connect(columnaX_, &QComboBox::currentIndexChanged, this, cambioDeColumna);
    connect(columnaY_, &QComboBox::currentIndexChanged, this, cambioDeColumna);
    connect(filas_, &EleccionDeFilas::cambiada, this, [this] {
        if (!llenando_) {
            elegir();
        }
    });
    ofrecerColumnas();
    releer();
    resize(520, 480);
}

OpcionesLectura DialogoDatos::opciones() const {
    OpcionesLectura o;
    o.separador = static_cast<Separador>(separador_->currentIndex());
    o.decimal = decimal_->currentIndex() == 1 ? MarcaDecimal::Coma : MarcaDecimal::Punto;
    o.encabezado = encabezado_->isChecked();
    return o;
}

void DialogoDatos::ofrecerColumnas() {
    const OpcionesLectura o = opciones();
    tabla_ = partir(texto_, o);
    const std::vector<int> numericas = columnasOfrecidas(tabla_, o.decimal);
    llenando_ = true;
    columnas_->poner(tabla_, numericas);
    columnaX_->setCurrentIndex(numericas.empty() ? -1 : 0);
    columnaY_->setCurrentIndex(std::min(1, columnaY_->count() - 1));
    llenando_ = false;
}

void DialogoDatos::releer() {
    // The table is split again by ofrecerColumnas at each change of its shape.
    const OpcionesLectura o = opciones();
    const int cx = columnaX_->count() > 0 ? columnaX_->currentData().toInt() : 0;
    const int cy = columnaY_->count() > 0 ? columnaY_->currentData().toInt() : 1;
    datos_ = {};
    motivo_ = {};
    if (cx == cy && tabla_.columnas >= 2) {
        motivo_ = {MENSAJE("datos", "Elija dos columnas distintas para x y para y."), {}};
    } else if (leerColumnas(tabla_, cx, cy, o.decimal, datos_, motivo_)) {
        llenando_ = true;
        filas_->ponerTamano(static_cast<int>(datos_.x.size()), datos_.filasDatos);
        llenando_ = false;
    }
    elegir();
}

void DialogoDatos::elegir() {
    Datos d;
    Mensaje mensaje = motivo_;
    EleccionFilas e;
    listo_ = mensaje.vacio() && filas_->eleccion(e, mensaje) && elegirFilas(datos_, e, d, mensaje);
    vista_->clear();
    vista_->setRowCount(0);
    mas_->clear();
    if (listo_) {
        muestra_ = MuestraDatos{d.x,       d.y,       d.activo,     std::string(),
                                d.nombreX, d.nombreY, d.decimalesX, d.decimalesY};
        const std::string punto = QLocale::system().decimalPoint().toStdString();
        const int n = static_cast<int>(d.x.size());
        const int mostradas = std::min(n, kFilasVista);
        vista_->setColumnCount(3);
        vista_->setHorizontalHeaderLabels(
            {QStringLiteral("k"), deUtf8(d.nombreX), deUtf8(d.nombreY)});
        vista_->setRowCount(mostradas);
        for (int fila = 0; fila < mostradas; ++fila) {
            const auto i = static_cast<std::size_t>(fila);
            const QStringList celdas{QString::number(fila + 1),
                                     deUtf8(formatearDecimales(d.x[i], d.decimalesX, punto)),
                                     deUtf8(formatearDecimales(d.y[i], d.decimalesY, punto))};
            for (int c = 0; c < 3; ++c) {
                auto* item = new QTableWidgetItem(celdas[c]);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (d.activo[i] == 0) {
                    item->setForeground(QColor(180, 180, 180));
                }
                vista_->setItem(fila, c, item);
            }
        }
        vista_->resizeColumnsToContents();
        if (n > mostradas) {
            mas_->setText(tr("La vista muestra los %1 primeros puntos; se cargarán %n más.",
                             nullptr, n - mostradas)
                              .arg(mostradas));
        }
        QString texto = tr("Se cargarán %n puntos.", nullptr, n);
        if (d.omitidas > 0) {
            texto += QLatin1Char(' ') +
                     tr("%n filas sin número en x o y se dejan fuera.", nullptr, d.omitidas);
        }
        if (!d.aviso.vacio()) {
            texto += QLatin1Char(' ') + traducir(d.aviso);
        }
        estado_->setStyleSheet(QString());
        estado_->setText(texto);
    } else {
        estado_->setStyleSheet(QStringLiteral("color: rgb(190, 0, 0);"));
        estado_->setText(traducir(mensaje));
    }
    cargar_->setEnabled(listo_);
}

QString DialogoDatos::estado() const {
    return estado_->text();
}

} // namespace rectaviva
