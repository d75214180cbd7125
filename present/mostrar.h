// The presentation: the point list, the result panels, the value bars, and
// the prediction and band graphics. It reads the shared state and writes only
// into the controls of its Pantalla (and the shared row string and index).
#pragma once

#include "Globales.h"
#include "Pantalla.h"
#include "colores.h"
#include "formatos.h"
#include "geometria.h"
#include "mirecta.h"
#include "residuos.h"

#include <QColor>
#include <QString>

#include <string>

namespace rectaviva {

// Vertical scale of the point list in text rows: heading at 1, rule at 2,
// point k at k + 2. 54 rows leave the last point (row 52) a full row of room
// above the bottom edge, so its text is never cut.
inline constexpr double filasLista = 54;

// The colour of point k's list row when it is not highlighted.
QColor colorFilaNormal(const Globales& g, Integer k);

class mostrar {
public:
    // The decimal point is the host's, read once from the system locale.
    mostrar(Globales& g, Pantalla& p);
    // The same with a given decimal point (tests pin it).
    mostrar(Globales& g, Pantalla& p, const QString& puntoDecimal);

    // Builds the list row of point ksel at (X, Y) into stg.
    void formato(const Integer& ksel, const Single& X, const Single& Y, std::string& stg);

    // Clears Picture2 and prints the heading, the rule and the rows of
    // points 1..n, grey for a deleted point.
    void listarPuntos(const Integer& n, const ArregloMuestra<Single>& X,
                      const ArregloMuestra<Single>& Y);

    // Forms the row of point k from its current coordinates and prints it in
    // colour c, replacing what the row showed; printed in Picture2's back
    // colour it erases the row. Every reprint of one row goes through here,
    // so a row can never show another point's text.
    void imprimirPunto(const Integer& k, const QColor& c);

    // Fills Text1(0..14), Text2(0..10), Text4(0) and Text4(1). Written with a
    // capital because C++ forbids a member function named like its class.
    void Mostrar();
    // Refreshes Text1(0..9), what depends on the confidence level, only.
    void mostrarInt();
    // Fills the analysis-of-variance table Text3(0..9).
    void mostrarAnova();
    // Sets the widths of the value bars and the left edges of the two
    // interval bars.
    void Barras();
    // Fills Text4(2..6), whatever the view flags.
    void mostrarPred();
    // While the prediction view is on, places both marks at xPred and shows
    // each whose ends are finite (hides the other).
    void mostrarGrafPred();
    // While the band view is on, places the 80 band segments and shows each
    // whose ends are finite (hides the other).
    void mostrarBandas();
    // The band view turned on or off: off hides the 40 band segments; on
    // shows each at its last computed ends when they are finite.
    void verBandas(bool activas);
    // Moves both prediction marks to the last computed prediction without
    // showing them; a mark whose ends are not finite is hidden.
    void moverMarcasPred();
    // Hides both prediction marks (the prediction view turned off).
    void ocultarGrafPred();

    // The residual view's controls; until they are given the view shows nothing.
    void setResiduos(PantallaResiduos* r) { r_ = r; }
    // While the residual view is on: a segment from each marker in use to the
    // fitted line (and its square when "Cuadrados" is ticked), the residual
    // plot, the decomposition of the variation and the two sums. A sample
    // without a fit hides the graphics and shows "—".
    void mostrarResiduos();
    // Hides the segments and squares (the view turned off).
    void ocultarResiduos();
    // The segment of point k takes the picked colour while its marker does.
    void colorearResiduo(Integer k);

    // The influence view's controls; until they are given it shows nothing.
    void setInfluencia(PantallaInfluencia* i) { i_ = i; }
    // While the influence view is on: a ring around each marker in use by its
    // Cook's distance, and, for point k dragged with the left button (0 for
    // none), the dashed fit without it (aSin, bSin) across the plot.
    void mostrarInfluencia(Integer k);
    // Hides the rings and the dashed line (the view turned off).
    void ocultarInfluencia();
    // "Punto k: x = …, y = …, residuo = …, …" for the tooltip of point k.
    QString textoInfluencia(Integer k) const;
    // The controls of the student's own line; until they are given it shows nothing.
    void setMiRecta(PantallaMiRecta* q) { q_ = q; }
    // While "Mi recta" is on: the student's line, its handles, its squares
    // when "Cuadrados" is ticked, its equation and sum of squares. Before the
    // answer is shown the fitted line, its value bars and the boxes that give
    // it away (intercept, slope, R², correlation) are hidden or show "?"; after,
    // they are restored and the line of standard deviations, SCErr and the
    // comparison join them.
    void mostrarMiRecta();
    // Hides what the mode added and restores the fitted line, its boxes and
    // bars exactly as the last series left them (the mode turned off).
    void dejarMiRecta();

private:
    void poner(TextBox& t, const std::string& texto);
    void ponerValor(TextBox& t, Single v, Formato f);
    void llenarIntervalos();
    // The boxes that give the fitted line away: intercept and slope (filled
    // with the intervals), R² and correlation (with the other statistics).
    void ponerCoeficientes();
    void ponerAjuste();
    void ponerRecta();
    void verRecta(bool ver);
    // Point k's residual segment from the line a + b·x, from its marker's centre.
    Segmento segmentoDelPunto(Integer k, Single a, Single b) const;
    // Shows the square on segment s as Shape5(k), or hides it.
    void ponerCuadrado(Integer k, const Segmento& s, bool ver);

    Globales& g_;
    Pantalla& p_;
    PantallaResiduos* r_ = nullptr;
    PantallaInfluencia* i_ = nullptr;
    PantallaMiRecta* q_ = nullptr;
    std::string punto_; ///< the host's decimal point, UTF-8
};

} // namespace rectaviva
