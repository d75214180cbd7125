// The result boxes of the design's panels, one row each: which box it is,
// what it shows and in which format, which operation fills it, what a
// screen reader calls it, whether it gives the fitted line away, and the
// value bar under it. Every loop that fills, names, places or hides the
// boxes and their bars reads this table; none names a box by its index.
#pragma once

#include "Globales.h"
#include "formatos.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rectaviva {

class TextBox;

// The arrays of result boxes (Text1 to Text4 of the window).
enum class Cajas { Text1, Text2, Text3, Text4 };

// Which operation of the presentation fills a box: Mostrar fills the
// estimates and the rest of the fit, mostrarInt the part that depends on the
// confidence level (the estimates, which read as their interval's centre,
// with it), mostrarAnova and mostrarPred their panels.
enum class Grupo { Intervalos, Ajuste, Anova, Prediccion };

// How a box reads its value.
enum class Lectura {
    Fija,          ///< in the row's format
    Estadistico,   ///< a t or F statistic (formatearEstadistico)
    EstrechaBajo,  ///< one decimal at or below -10 (a narrow box), else the row's format
    EstrechaSobre, ///< one decimal above 99, else the row's format
    ValorP,        ///< the row's format, or formatearValorP with valoresExactos on
};

using Valor = Single (*)(const Globales&);

// The value bar Shape2(indice) under a box: (v + desplazamiento)·factor
// twips wide, v the box's value or what `medida` gives, clamped to the bar's
// room; an interval's bar starts (v + origen)·factorOrigen twips right of the
// box's left edge when that is positive.
struct BarraCaja {
    int indice = -1; ///< -1: no bar
    Single desplazamiento = 0;
    Single factor = 0; ///< twips per unit
    Valor medida = nullptr;
    Single origen = 0;
    Single factorOrigen = 0; ///< 0: the bar starts at the box's edge
};

// What a box gives away while the student guesses: the fitted line (and so
// r), or r alone (with the means and spreads shown, any statistic of the fit
// gives r back), or nothing.
enum class Delata : std::uint8_t { Nada, Correlacion, Recta };

struct FilaCaja {
    Cajas arreglo;
    int indice;
    Valor valor;
    Formato formato;
    Lectura lectura;
    Grupo grupo;
    const char* nombre; ///< accessible name, UTF-8, Spanish; translated in the context "cajas"
    Delata delata;      ///< "?" while the student guesses what it gives away
    BarraCaja barra;
};

// The rows, in the order of the boxes.
std::span<const FilaCaja> filasCajas();

// The row of box `indice` of `arreglo`; nullptr for a box outside the table.
const FilaCaja* filaCaja(Cajas arreglo, int indice);

// The box of row f among the arrays Text1..Text4 of `controles` (the
// window, or the presentation's Pantalla).
template <class Controles> auto& cajaDeFila(Controles& controles, const FilaCaja& f) {
    switch (f.arreglo) {
    case Cajas::Text1:
        return controles.Text1(f.indice);
    case Cajas::Text2:
        return controles.Text2(f.indice);
    case Cajas::Text3:
        return controles.Text3(f.indice);
    case Cajas::Text4:
        break;
    }
    return controles.Text4(f.indice);
}

// Whether the row's value carries the data's units (a mean, a sum, a
// coefficient, a limit), unlike t, F, p, r, R², the levels and the counts.
bool enUnidades(const FilaCaja& f);

// The text that the row's box shows for the state g: on a data set, a value
// in its units by formatearEnUnidades, or where `cabe` measures the box, by
// formatearEnCaja with the digits that tell an interval's two ends apart,
// narrowed where only `estrecho` takes them.
std::string textoCaja(const FilaCaja& f, const Globales& g, std::string_view puntoDecimal,
                      const Cabe& cabe = {}, const Cabe& estrecho = {});

// Whether a text fits box t whole: its width in the box's font against the
// room inside the box's frame and margins, that room divided by `estrecho`
// where the box may draw its text narrower (TextBox::kEstrechoMinimo).
Cabe cabeEnCaja(const TextBox& t, double estrecho = 1);

} // namespace rectaviva
