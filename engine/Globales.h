// The shared state record: the one object through which every part of the
// program meets. It holds the sample, the running sums, every statistic, the
// t table, the band and prediction results, the user's settings, the view
// flags, the plot range and the three service objects. The engine and the
// tables read their inputs here and leave their results here; the
// presentation reads it to draw; the window writes the sample and the
// settings and then calls the engine in a fixed order.
//
// The window owns one Globales for the whole run; each test makes its own.
// An undefined statistic (a sample that leaves it undefined) is stored as a
// quiet NaN and nothing else is ever stored as NaN.
#pragma once

#include "arreglo.h"

#include <cstdint>
#include <string>

namespace rectaviva {

class Calculos;
class Tablas;
class mostrar;

// Counts and indexes are 32-bit: a data set has up to 100,000 points. On the
// design's grid every value stays within 16 bits, and conversions of a real
// to a whole number keep the 16-bit range (aInteger).
using Integer = std::int32_t;
using Byte = std::uint8_t;
using Single = float;

// Sample arrays, (1 To 50) on the design's grid and (1 To n) for a data set
// of n > 50 points (Globales::reservarPuntos).
using RangoMuestra = Rango<1, 50>;
template <typename T> using ArregloMuestra = ArregloCreciente<T, RangoMuestra::hi>;

// The t table, (1 To 50, 0 To 7): row = degrees of freedom, column = probability.
using TablaT = Arreglo<Single, Rango<1, 50>, Rango<0, 7>>;
// The cumulative probability of each column of the t table, (0 To 7).
using ProbabilidadesT = Arreglo<Single, Rango<0, 7>>;
// Band abscissae, (0 To 20).
using AbscisasBanda = Arreglo<Single, Rango<0, 20>>;
// Band ordinates, (0 To 3, 0 To 21).
using OrdenadasBanda = Arreglo<Single, Rango<0, 3>, Rango<0, 21>>;

// The sample limits: a fit needs three points in use (one degree of freedom
// for its error); a sample on the grid holds up to 50 points, a data set up
// to 100,000.
inline constexpr Integer minActivos = 3;
inline constexpr Integer maxPuntos = RangoMuestra::hi;
inline constexpr Integer maxPuntosDatos = 100000;

// The guard value of a t or F statistic. The engine stores it, with the sign
// of the intercept, as the intercept's t when its standard error is 0; the
// boxes show any statistic of larger size, finite or not, as this value with
// its own sign. It lies beyond the t table's sentinel, so its p-value is 0.
inline constexpr Single guarda = 100000.0f;

// An axis of round numbers: from `minimo` to `maximo` in steps of `paso`
// (1, 2 or 5 times a power of ten) between labels, with thin lines every
// `lineas` and labels written with `decimales` decimals. The default is the
// design's axis, -40..100 with labels every 20 and lines every 5.
struct EjeRedondo {
    double minimo = -40, maximo = 100;
    double paso = 20, lineas = 5;
    int decimales = 0;
    bool operator==(const EjeRedondo&) const = default;
};

// The fit of a data set in double precision, from the values as read (see
// dato.h): every statistic of a data set is this fit rounded to float when
// it is stored. Calcula sets it on a data set only.
struct AjustePreciso {
    double n = 0; ///< points in use
    double mediaX = 0, mediaY = 0;
    double Sxx = 0, Syy = 0, Sxy = 0; ///< centred sums; exactly 0 when all x (all y) are equal
    double a = 0, b = 0;              ///< intercept and slope; NaN without a slope
    double SCReg = 0, SCErr = 0; ///< SCErr exactly 0 on a line, within the rounding of the data
    double varError = 0, eeA = 0, eeB = 0;
};

struct Globales {
    Globales() = default;
    Globales(const Globales&) = delete;
    Globales& operator=(const Globales&) = delete;

    // Sizes every array of one element per point to (1 To max(50, n)).
    void reservarPuntos(Integer n) {
        for (auto* a :
             {&xObs, &yObs, &residuo, &apalancamiento, &residuoEstandarizado, &distanciaCook}) {
            a->redimensionar(n);
        }
        for (auto* a : {&xDato, &yDato, &xOriginal, &yOriginal}) {
            a->redimensionar(n);
        }
        activo.redimensionar(n);
    }
    // The upper bound of the arrays of one element per point: 50 on the
    // grid, the data set's n past that.
    Integer puntosReservados() const { return static_cast<Integer>(xObs.hi()); }

    // The sample.
    Integer nPuntos = 0;  ///< points in the sample: 3..50 on the grid, up to 100,000 in a data set
    Integer nActivos = 0; ///< points in use: the n of every formula
    ArregloMuestra<Single> xObs; ///< abscissae, plot units (a data set's own units)
    ArregloMuestra<Single> yObs; ///< ordinates, plot units (a data set's own units)
    ArregloMuestra<Byte> activo; ///< 1 = in use, 0 = deleted (kept in place)
    Integer indice = 0;          ///< shared loop and column index; meaningless between operations
    // A data set's values as read, to the digit (a float holds about seven
    // significant digits, a census count has nine): the value of point k
    // while xObs(k) is still their float rounding, that is, until it moves.
    ArregloMuestra<double> xDato, yDato;

    // Running sums over the points in use.
    Single sumaX = 0, sumaY = 0, sumaX2 = 0, sumaY2 = 0, sumaXY = 0;

    // Descriptive statistics and fit.
    Single mediaX = 0, mediaY = 0;
    Single Sxx = 0, Syy = 0, Sxy = 0;
    Single varX = 0, varY = 0; ///< sample variances, divisor n - 1
    Single desvX = 0, desvY = 0;
    Single correlacion = 0;
    Single intercepto = 0, pendiente = 0;
    Single SCReg = 0, SCErr = 0;
    Single varError = 0; ///< s², the estimated error variance
    Single eeIntercepto = 0, eePendiente = 0;
    Single tIntercepto = 0, tPendiente = 0;
    Single pIntercepto = 0, pPendiente = 0; ///< two-sided p-values, 0..1
    Single R2 = 0;                          ///< percent, 0..100
    AjustePreciso preciso; ///< on a data set, the fit these fields were rounded from

    // Coefficient intervals at the level nivelConf.
    Single liIntercepto = 0, lsIntercepto = 0, liPendiente = 0, lsPendiente = 0;

    // Analysis of variance.
    Single SCTot = 0;
    Integer glReg = 0, glErr = 0, glTot = 0;
    Single CMReg = 0, CMErr = 0;
    Single valorF = 0, pAnova = 0;

    // Distribution table, filled once at start-up.
    TablaT valoresT;
    ProbabilidadesT probT;
    Single cuantilT = 0; ///< the t quantile that the last cuantila produced

    // Bands and prediction.
    AbscisasBanda xBanda; ///< the 21 abscissae of the bands, fixed at start-up
    OrdenadasBanda banda; ///< rows 0,1: one observation; 2,3: mean response; column 21 at xPred
    Single xPred = 0;     ///< abscissa of the prediction, plot units
    Single yPred = 0;     ///< predicted response at xPred

    // Residuals, computed only while the residual view is on.
    ArregloMuestra<Single> residuo;   ///< y - (a + b x) of every point, deleted ones too
    Single sumaResiduos = 0;          ///< over the points in use: 0 up to rounding
    Single sumaCuadradosResiduos = 0; ///< over the points in use: SCErr up to rounding

    // Influence of each point in use, computed only while the influence view
    // is on (NaN for deleted points), and the fit without one point.
    ArregloMuestra<Single> apalancamiento;       ///< leverage h = 1/n + (x - mean x)²/Sxx
    ArregloMuestra<Single> residuoEstandarizado; ///< e / (s sqrt(1 - h))
    ArregloMuestra<Single> distanciaCook;        ///< r² h / (2 (1 - h))
    Single aSin = 0, bSin = 0; ///< intercept and slope without the point given to ajusteSin
    Single scMiRecta = 0;      ///< sum of squared vertical deviations from a given line

    // The student's own line: the ordinates of its handles at xAsa(g, 0) and
    // xAsa(g, 1), and the intercept and slope they give.
    Arreglo<Single, Rango<0, 1>> yAsa;
    Single aMiRecta = 0, bMiRecta = 0;

    // Levels and view flags.
    Single nivelConf = 0; ///< percent, 65..99, level of the coefficient intervals
    Single nivelPred = 0; ///< percent, 65..99, level of the prediction intervals and bands
    Byte prediccionActiva = 0;
    Byte bandasActivas = 0;
    Byte residuosActivos = 0;
    Byte influenciaActiva = 0;
    Byte retoResiduosActivo = 0; ///< 1 while a round of "¿Qué dicen los residuos?" plots them
    Byte miRectaActiva = 0;      ///< 1 while the student guesses a line ("Mi recta")
    Byte miRectaRevelada = 0;    ///< 1 once the least-squares line is shown beside it
    Byte listaSinResaltar = 1;   ///< 1 = no row of the point list is highlighted
    Byte valoresExactos = 0;     ///< 1: quantiles and p-values of the exact t distribution
    Byte simulacionActiva = 0;   ///< 1 while the simulation's panel is shown

    // Plot range in user units: -40..100 both ways, set by the layout for
    // random samples; round numbers around a loaded data set.
    Single xMin = 0, xMax = 0, yMin = 0, yMax = 0;

    // A loaded data set: its name and axis titles (UTF-8), the decimals the
    // list shows and the decimals a drag rounds to (0 on the design's grid,
    // negative for tens, hundreds…).
    Byte datosCargados = 0; ///< 1 while the sample is a loaded data set
    std::string nombreDatos, nombreX, nombreY;
    EjeRedondo ejeX, ejeY; ///< the round axes xMin..xMax and yMin..yMax came from
    Byte decimalesX = 0, decimalesY = 0;
    // A transformation of a data set ("Transformar"): the sample holds g(x)
    // and f(y) (each a Transformacion; 0 is none), and these keep the data's
    // own values of each point, as loaded, and their decimals.
    Byte transformacionX = 0, transformacionY = 0;
    ArregloMuestra<double> xOriginal, yOriginal;
    Byte decimalesOriginalX = 0, decimalesOriginalY = 0;
    Integer redondeoX = 0, redondeoY = 0;

    // Service objects, created and owned by the window.
    Calculos* oCalculos = nullptr;
    Tablas* oTablas = nullptr;
    mostrar* oMostrar = nullptr;

    // Window fields.
    Single escalaX = 0, escalaY = 0;     ///< layout units in twips: screen width/1200, height/1000
    std::string lineaLista;              ///< one row of the point list, UTF-8
    Integer puntoSel = 0;                ///< point last picked, 1..nPuntos
    Integer arrastrando = 0;             ///< -1 while a pressed point is held, else 0
    Integer asaTomada = 0;               ///< handle of the own line held: 1 left, 2 right, 0 none
    Single xAnterior = 0, yAnterior = 0; ///< dragged point before its last step, plot units
    Single xRaton = 0, yRaton = 0;       ///< last mouse position, plot units
    Byte tamanoEditado = 0, nivelConfEditado = 0, nivelPredEditado = 0, xPredEditado = 0;
};

} // namespace rectaviva
