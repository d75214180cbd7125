// The student's own line: the line with its handles and squares over the
// plot, and the panel that compares it with the least-squares line.
#include "mirecta.h"

#include "escala.h"

#include "Grafico.h"
#include "redondeo.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace rectaviva {

namespace {

// A handle's diameter, in pixels of the plot.
constexpr double pixelesAsa = 12;

} // namespace

void PresentacionMiRecta::mostrarMiRecta() {
    if (g_.miRectaActiva != 1) {
        return;
    }
    PantallaMiRecta& q = p_;
    const Single a = g_.aMiRecta;
    const Single b = g_.bMiRecta;
    trazarRecta(q.Line16, g_, a, b);

    const Escala e = m_.pantalla().Picture1.escala();
    const Single w = S(e.anchoDesdePixeles(pixelesAsa));
    const Single h = S(e.altoDesdePixeles(pixelesAsa));
    const std::array<Single, 2> xAsas{xAsa(g_, 0), xAsa(g_, 1)};
    for (int i = 0; i <= 1; ++i) {
        q.Shape8(i).Move(S(D(xAsas[static_cast<std::size_t>(i)]) - D(w) / 2),
                         S(D(g_.yAsa(i)) + D(h) / 2), w, h);
        q.Shape8(i).setVisible(true);
    }
    const bool cuadrados = q.Check2.Value();
    for (int k = 1; k <= maxPuntos; ++k) {
        const bool enUso = k <= g_.nPuntos && !enNube(g_) && g_.activo(k) == 1;
        m_.ponerCuadrado(static_cast<Integer>(k),
                         enUso ? m_.segmentoDelPunto(static_cast<Integer>(k), a, b) : Segmento{},
                         cuadrados);
    }

    const std::string signo = b < 0 ? " \u2212 " : " + ";
    q.Label7(ecuacionMiRecta)
        .setCaption(
            QString::fromStdString("ŷ = " + m_.textoEnUnidades(a, Formato::DosDecimales) + signo +
                                   m_.textoEnUnidades(std::fabs(b), Formato::DosDecimales) + " x"));
    m_.ponerEnUnidades(q.Text6(0), g_.scMiRecta, Formato::UnDecimal);

    const bool revelada = g_.miRectaRevelada == 1;
    m_.ocultarRecta(!revelada);
    q.Label7(mostrarMinimos).setVisible(!revelada);
    q.Label7(probarOtraVez).setVisible(revelada);
    for (int k : {sumaMinima, comparacionMiRecta}) {
        q.Label7(k).setVisible(revelada);
    }
    q.Text6(1).setVisible(revelada);
    if (!revelada) {
        q.Label7(efectoRegresion).setVisible(false);
        q.Line17.setVisible(false);
        return;
    }
    ponerSegmento(q.Line17, rectaDesviaciones(g_));
    m_.ponerEnUnidades(q.Text6(1), g_.SCErr, Formato::UnDecimal);
    const bool hayRecta = std::isfinite(g_.pendiente);
    q.Label7(efectoRegresion).setVisible(hayRecta);
    QString frase;
    if (!hayRecta) {
        frase = QCoreApplication::translate(
            "mirecta", "Con todas las x iguales no existe la recta de mínimos cuadrados.");
    } else if (g_.SCErr == 0) {
        // Every point lies on the fitted line: the student's line either is
        // that line (its sum shows as 0.0) or leaves an error where it leaves none.
        frase = g_.scMiRecta < 0.05f
                    ? QCoreApplication::translate(
                          "mirecta", "Los puntos están sobre una recta y tu recta es esa misma.")
                    : QCoreApplication::translate(
                          "mirecta", "Los puntos están sobre una recta y tu recta no es esa: la "
                                     "de mínimos cuadrados no deja error.");
    } else {
        // The own sum can only be larger; a rounding below reads as 0 %.
        const Single x = S(std::max(0.0, 100.0 * (D(g_.scMiRecta) / D(g_.SCErr) - 1.0)));
        frase = QCoreApplication::translate(
                    "mirecta", "Tu recta deja un %1 % más de error que la de mínimos cuadrados.")
                    .arg(QString::fromStdString(m_.texto(x, Formato::UnDecimal)));
    }
    q.Label7(comparacionMiRecta).setCaption(frase);
}

void PresentacionMiRecta::dejarMiRecta() {
    p_.Line16.setVisible(false);
    p_.Line17.setVisible(false);
    for (int i = 0; i <= 1; ++i) {
        p_.Shape8(i).setVisible(false);
    }
    for (int k = 1; k <= maxPuntos; ++k) {
        m_.ponerCuadrado(static_cast<Integer>(k), Segmento{}, false);
    }
    // The panel's boxes empty, as they were before the mode was first on.
    for (TextBox* t : p_.Text6) {
        t->setText(QString());
    }
    m_.ocultarRecta(false);
}

} // namespace rectaviva
