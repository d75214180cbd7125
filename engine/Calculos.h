// The regression engine: sums, least-squares fit, coefficient tests and
// intervals, analysis of variance, prediction and confidence bands, and the
// operations of the views beyond the design. Every operation reads its
// inputs from the shared state and leaves its results there; the window
// calls them in dependency order (the sums, Calcula, Anova, then bandas and
// prediccion, which read only what those leave and not each other).
#pragma once

#include "Globales.h"

namespace rectaviva {

class Calculos {
public:
    explicit Calculos(Globales& g) : g_(g) {}

    // The five sums over the points in use, from scratch.
    void sumas();
    // The five sums updated for point ksel, which moved from (Xold, Yold) to
    // its current coordinates. Constant work: used at every drag step.
    void resumas(const Integer& ksel, const Single& Xold, const Single& Yold);
    // Means, centred sums, variances, correlation, the fit, its standard
    // errors, t tests, R² and finally the coefficient intervals.
    void Calcula();
    // The t tests of a = 0 and b = 0 from the estimates and standard errors
    // that Calcula left: the statistics and their two-sided p-values.
    void Pruebas();
    // The intervals of intercept and slope at the level conf (percent, 65..99).
    void Intervalos(const Single& conf);
    // The analysis-of-variance table and its F test.
    void Anova();
    // The 21 band abscissae from the plot's x range; once, at start-up.
    void PuntosPrediccion();
    // Both intervals at each band abscissa, while the band view is on.
    void bandas();
    // The prediction at xPred with both intervals, while the prediction view is on.
    void prediccion();
    // The residual of every point of the sample from the current fit, a
    // deleted point's included (the fit leaves it out), while the residual
    // or the influence view is on. NaN where the fit is undefined.
    void residuos();
    // Leverage, standardised residual and Cook's distance of every point in
    // use, while the influence view is on; NaN for deleted points, for
    // everything without a fit, and for r and D where s = 0 or h = 1.
    void influencia();
    // aSin, bSin := the fit without point k, from the five sums less its
    // terms (constant work, like resumas); NaN when the other points in use
    // share one abscissa. A deleted point is already left out: the current fit.
    void ajusteSin(const Integer& k);
    // scMiRecta := the sum of squared vertical deviations of the points in
    // use from the line a + b·x, from the five sums (constant work).
    void sumaCuadradosRecta(const Single& a, const Single& b);

private:
    // The critical value at nivelPred times s: the scale of both prediction
    // intervals. Leaves that critical value in cuantilT.
    float factorPrediccion();

    // The same operations on a data set (datosCargados = 1), in double from
    // the values as read (ajuste_datos.cpp): Calcula fills `preciso` and
    // rounds it into the fields; the others (and Pruebas) read `preciso`.
    void calculaDatos();
    void intervalosDatos(const Single& conf);
    void anovaDatos();
    void bandasDatos();
    void prediccionDatos();
    // The critical value at nivelPred times s, in double; leaves that
    // critical value in cuantilT.
    double factorDatos();
    // The line at x and the half-widths of its two intervals for that factor.
    struct AnchosDatos {
        double y, wI, wM;
    };
    AnchosDatos anchosDatos(double x, double cs) const;

    Globales& g_;
};

} // namespace rectaviva
