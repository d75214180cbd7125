// The Student t table and the two look-ups that turn it into critical values
// and two-sided p-values by linear interpolation between its columns; with
// valoresExactos on, and past the table's last row (a data set of more than
// 52 points), the same two look-ups evaluate the t distribution itself.
#pragma once

#include "Globales.h"

namespace rectaviva {

class Tablas {
public:
    explicit Tablas(Globales& g) : g_(g) {}

    // Writes probT in the shared state and the critical values into T.
    void tablaT(TablaT& T);
    // cuant := the two-sided critical value for the level conf (percent)
    // with gl degrees of freedom. From the table it leaves the bracket's
    // lower column in indice; the exact value leaves indice alone.
    void cuantila(Single& cuant, const Single& conf, const Integer& gl, const TablaT& Dst,
                  const ProbabilidadesT& pr);
    // pVal := the two-sided p-value of the statistic cuantil with gl degrees
    // of freedom, and indice as cuantila leaves it.
    void pValorT(const Single& cuantil, Single& pVal, const Integer& gl, const TablaT& T,
                 const ProbabilidadesT& prob);

    // The table's last row: past it both look-ups use the distribution.
    static constexpr Integer filasTabla = TablaT::Rango1::hi;

private:
    Globales& g_;
};

// The two-sided p-value of the statistic t with gl degrees of freedom from
// the t distribution itself, as pValorT gives it with valoresExactos on:
// NaN for a NaN statistic or fewer than 1 degree of freedom, 0 for an
// infinite one.
Single pValorTExacto(Single t, Integer gl);

} // namespace rectaviva
