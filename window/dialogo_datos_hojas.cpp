// The data dialog on a spreadsheet book: the sheet shown, chosen in "Hoja:"
// when the book has several, and its note on dates.
#include "dialogo_datos.h"

#include "mensajes.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace rectaviva {

DialogoDatos::DialogoDatos(QWidget* padre, std::vector<HojaLibro> hojas, int elegida,
                           const QString& origen)
    : DialogoDatos(padre, std::string(), origen) {
    hojas_ = std::move(hojas);
    notaHoja_ = new QLabel(this);
    notaHoja_->setObjectName(QStringLiteral("lblNotaHoja"));
    notaHoja_->setWordWrap(true);
    // The choice and the note open the form of the table's layout.
    auto* todo = qobject_cast<QBoxLayout*>(layout());
    auto* formato = qobject_cast<QFormLayout*>(todo->itemAt(0)->layout());
    if (formato == nullptr) {
        formato = new QFormLayout;
        todo->insertLayout(0, formato);
    }
    if (hojas_.size() > 1) {
        hoja_ = new QComboBox(this);
        hoja_->setObjectName(QStringLiteral("cmbHoja"));
        for (const HojaLibro& h : hojas_) {
            hoja_->addItem(QString::fromStdString(h.nombre));
        }
        hoja_->setCurrentIndex(elegida);
        connect(hoja_, &QComboBox::currentIndexChanged, this, &DialogoDatos::elegirHoja);
        formato->insertRow(0, tr("Hoja:"), hoja_);
    }
    formato->insertRow(hoja_ ? 1 : 0, notaHoja_);
    elegirHoja(elegida);
}

void DialogoDatos::elegirHoja(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= hojas_.size()) {
        return;
    }
    const HojaLibro& h = hojas_[static_cast<std::size_t>(i)];
    texto_ = h.texto;
    notaHoja_->setText(traducir(h.nota));
    notaHoja_->setVisible(!h.nota.vacio());
    // A sheet's fields are split by tabs and its numbers written with a
    // point; only whether its first row names the columns is guessed.
    Mensaje aviso;
    const bool encabezado = adivinar(texto_, aviso).encabezado;
    llenando_ = true;
    separador_->setCurrentIndex(static_cast<int>(Separador::Tabulador));
    decimal_->setCurrentIndex(0);
    encabezado_->setChecked(encabezado);
    llenando_ = false;
    ofrecerColumnas();
    releer();
}

} // namespace rectaviva
