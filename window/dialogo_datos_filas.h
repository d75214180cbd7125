// The data dialog's choice of rows: all of them, a random sample of k rows
// drawn from a code (a fresh one each time the dialog opens, editable, so
// that a class can draw the same rows), or the rows from a to b. Each entry
// has its label and accessible name; the choice itself is the engine's
// elegirFilas.
#pragma once

#include "datos.h"

#include <QWidget>

class QRadioButton;
class QSpinBox;

namespace rectaviva {

class EleccionDeFilas : public QWidget {
    Q_OBJECT
public:
    explicit EleccionDeFilas(QWidget* padre);

    // The entries' bounds for a data set of `puntos` points over `filas`
    // data rows; the values in them are kept where they fit.
    void ponerTamano(int puntos, int filas);
    // The choice as entered; false, with the reason, while an entry is empty.
    bool eleccion(EleccionFilas& e, Mensaje& mensaje) const;
    // The first and last control, for the dialog's tab order.
    QWidget* primero() const;
    QWidget* ultimo() const;

    QRadioButton* todas = nullptr;
    QRadioButton* muestra = nullptr;
    QRadioButton* rango = nullptr;
    QSpinBox* k = nullptr;
    QSpinBox* codigo = nullptr;
    QSpinBox* desde = nullptr;
    QSpinBox* hasta = nullptr;

signals:
    void cambiada();

private:
    void habilitar();
};

} // namespace rectaviva
