// The "Cuadrados" boxes disabled, with their reason, while a cloud is shown.
#include "cuadrados_nube.h"

namespace rectaviva {

void ajustarCasillaCuadrados(CheckBox& casilla, bool enNube) {
    casilla.setEnabled(!enNube);
    if (enNube) {
        const Fuente motivo =
            FUENTE("cuadrados", "Con más de 50 puntos no se dibujan los cuadrados.");
        traducirAyuda(casilla, motivo);
        traducirDescripcion(casilla, motivo);
    } else {
        olvidarTexto(&casilla, ClaveTexto::Ayuda);
        olvidarTexto(&casilla, ClaveTexto::Descripcion);
        casilla.setToolTip(QString());
        casilla.setAccessibleDescription(QString());
    }
}

} // namespace rectaviva
