// The dialog through which pasted and opened tables come in: the text's
// separator, decimal mark and header as explicit choices (guessed from the
// text, and said so), the two columns to use, the rows to load (all, a sample
// drawn from a code, or a range), a preview of the first points that will be
// loaded and, for a table that cannot be loaded, the reason with its line and
// column. The dialog keeps the text it was given, so a file that vanishes
// meanwhile still loads. Nothing reaches the sample until "Cargar" is pressed.
#pragma once

#include "datos.h"
#include "escala.h"
#include "libro.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace rectaviva {

class EleccionDeFilas;

class DialogoDatos : public QDialog {
    Q_OBJECT
public:
    // `texto` is UTF-8; `origen` names where it came from (the title says it).
    DialogoDatos(QWidget* padre, std::string texto, const QString& origen);
    // A book's sheets, `elegida` shown first, each read as a pasted table with
    // a tab and a decimal point; a choice "Hoja:" when there are several.
    DialogoDatos(QWidget* padre, std::vector<HojaLibro> hojas, int elegida, const QString& origen);

    // The sample to load, valid while listo() is true.
    bool listo() const { return listo_; }
    const MuestraDatos& muestra() const { return muestra_; }
    // What the dialog says about the table now: the count or the refusal.
    QString estado() const;

private:
    // Reads the chosen columns of the table (split by ofrecerColumnas) again.
    void releer();
    // The columns offered for x and y after a change of the table's shape.
    void ofrecerColumnas();
    // The rows chosen of the columns read: the preview, the count, "Cargar".
    void elegir();
    OpcionesLectura opciones() const;

    class Columnas;

    // The sheet i of the book as the table (dialogo_datos_hojas.cpp).
    void elegirHoja(int i);
    std::vector<HojaLibro> hojas_;
    QComboBox* hoja_ = nullptr;
    QLabel* notaHoja_ = nullptr;

    std::string texto_;
    Tabla tabla_;
    Datos datos_;    ///< the chosen columns, every row with numbers
    Mensaje motivo_; ///< why they cannot be read; empty when they can
    MuestraDatos muestra_;
    bool listo_ = false;
    bool llenando_ = false; ///< set while the dialog fills its own choices

    QComboBox* separador_ = nullptr;
    QComboBox* decimal_ = nullptr;
    QCheckBox* encabezado_ = nullptr;
    Columnas* columnas_ = nullptr;
    QComboBox* columnaX_ = nullptr;
    QComboBox* columnaY_ = nullptr;
    EleccionDeFilas* filas_ = nullptr;
    QLabel* aviso_ = nullptr;
    QLabel* estado_ = nullptr;
    QTableWidget* vista_ = nullptr;
    QLabel* mas_ = nullptr; ///< how many points the preview leaves out
    QDialogButtonBox* botones_ = nullptr;
    QPushButton* cargar_ = nullptr;
};

} // namespace rectaviva
