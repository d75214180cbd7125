// The Student t table and the two look-ups that turn it into critical values
// and two-sided p-values by linear interpolation between its columns. No
// distribution function is evaluated anywhere in the program.
#pragma once

#include "Globales.h"

namespace rectaviva {

class Tablas {
public:
    explicit Tablas(Globales& g) : g_(g) {}

    // Writes probT in the shared state and the critical values into T.
    void tablaT(TablaT& T);
    // cuant := the two-sided critical value for the level conf (percent)
    // with gl degrees of freedom. Leaves the bracket's lower column in indice.
    void cuantila(Single& cuant, const Single& conf, const Byte& gl, const TablaT& Dst,
                  const ProbabilidadesT& pr);
    // pVal := the two-sided p-value of the statistic cuantil with gl degrees
    // of freedom. Leaves the bracket's lower column in indice.
    void pValorT(const Single& cuantil, Single& pVal, const Byte& gl, const TablaT& T,
                 const ProbabilidadesT& prob);

private:
    Globales& g_;
};

} // namespace rectaviva
