// The presentation: the point list, the result panels, the value bars, and
// the prediction and band graphics, and what the views beyond the design
// draw with. It reads the shared state and writes only into the controls of
// its Pantalla (and the shared row string and index) and the squares.
#pragma once

#include "Globales.h"
#include "Pantalla.h"
#include "cajas.h"
#include "colores.h"
#include "escala.h"
#include "formatos.h"
#include "geometria.h"

#include <QColor>
#include <QString>

#include <memory>
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
    // points 1..n, grey for a deleted point. A data set of more points than
    // the list has rows (50) shows the 50 from primeraFila() on.
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

    // --- For the views beyond the design.

    // The controls of the design that the presentation writes into.
    Pantalla& pantalla() const { return p_; }
    // The value in format f with the host's decimal point.
    std::string texto(Single v, Formato f) const { return formatear(v, f, punto_); }
    // A p-value as the exact p-values' boxes show it: four decimals,
    // "<0.0001" below, with the host's decimal point.
    std::string textoValorP(Single v) const { return formatearValorP(v, punto_); }
    void ponerValor(TextBox& t, Single v, Formato f);
    // A value in the sample's units: in format f on random samples, by
    // formatearEnUnidades on a data set.
    std::string textoEnUnidades(Single v, Formato f) const;
    // A coordinate as a point's name says it and the list shows it: a whole
    // number (halves to even) on random samples, with the list's decimals on
    // a data set (give a point's value as read: valorX, valorY).
    std::string textoCoordenada(double v, bool enX) const;
    void ponerEnUnidades(TextBox& t, Single v, Formato f);
    // The squares drawn on segments from the points to a line, Shape5(1..50)
    // of the plot, which the views that draw squares share; until they are
    // given no square is drawn.
    void setCuadrados(Matriz<Shape>* s) { cuadrados_ = s; }
    // The first point the list shows, kept within 1..n - 49; point k is on
    // the list while it lies within the 50 rows from it.
    static constexpr Integer filasVisibles = 50;
    void setPrimeraFila(Integer k);
    Integer primeraFila() const { return primeraFila_; }
    bool enLista(Integer k) const { return k >= primeraFila_ && k < primeraFila_ + filasVisibles; }
    // Point k's segment to the line a + b·x, from its marker's centre.
    Segmento segmentoDelPunto(Integer k, Single a, Single b) const;
    // Shows the square on segment s as Shape5(k), or hides it.
    void ponerCuadrado(Integer k, const Segmento& s, bool ver);
    // The fitted line Line3 from the fit, unless the line is hidden.
    void trazarRecta();
    // Hides what gives away the fitted line (Delata::Recta) or r
    // (Delata::Correlacion: the line too), or shows everything again
    // (Delata::Nada): while hidden, Line3 and the bars of those boxes are
    // hidden and the boxes read "?", whatever operation fills them; shown
    // again, they show the record.
    void ocultar(Delata que);
    void ocultarRecta(bool o) { ocultar(o ? Delata::Recta : Delata::Nada); }
    bool rectaOculta() const { return oculto_ != Delata::Nada; }
    // The decimal point the boxes write, UTF-8.
    const std::string& puntoDecimal() const { return punto_; }

private:
    void poner(TextBox& t, const std::string& texto);
    // Fills the boxes of one group of the table.
    void llenar(Grupo grupo);
    void ponerCaja(const FilaCaja& f);

    Globales& g_;
    Pantalla& p_;
    std::unique_ptr<ImagenEnDiseno>
        imagen_; ///< a data set's cloud on the design's grid, for the bars
    Matriz<Shape>* cuadrados_ = nullptr;
    Integer primeraFila_ = 1;
    Delata oculto_ = Delata::Nada;
    bool oculta(const FilaCaja& f) const { return oculto_ != Delata::Nada && f.delata >= oculto_; }
    std::string punto_; ///< the host's decimal point, UTF-8
};

} // namespace rectaviva
