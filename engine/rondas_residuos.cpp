// A residual round from its pattern and code: the pattern's sample, centred
// in the plot's height, in whole plot units and in random order, with its
// marked point and its groups, drawn again until the program's diagnostics
// find in it the round's pattern and no other.
#include "retos_residuos.h"

#include "diagnosticos_privado.h"
#include "generadores_residuos.h"
#include "retos_privado.h"

#include <algorithm>

namespace rectaviva {

using namespace plano;

namespace {

// The round of one draw of the pattern's sample.
RondaReto rondaDeMuestra(RondaReto r, AzarReto& a, int n) {
    const generadores::Muestra m = generadores::muestraDePatron(r.patron, a, n);
    // The cloud in the middle of the plot's height: a shift, which no
    // diagnostic sees.
    const auto [bajo, alto] = std::minmax_element(m.y.begin(), m.y.end());
    const double subir = (kBorde0 + kBorde1) / 2 - (*bajo + *alto) / 2;
    // The points in random order, so that the table does not give the pattern away.
    const bool marcado = r.patron == Patron::Atipico || r.patron == Patron::Palanca;
    std::vector<int> orden(m.x.size());
    for (std::size_t i = 0; i < orden.size(); ++i) {
        orden[i] = static_cast<int>(i);
    }
    for (int i = static_cast<int>(orden.size()) - 1; i > 0; --i) {
        std::swap(orden[i], orden[a.entero(0, i)]);
    }
    const std::vector<double> corte =
        r.patron == Patron::Grupos ? minimos::columnaDeGrupos(m.x) : std::vector<double>{};
    for (std::size_t k = 0; k < orden.size(); ++k) {
        const int i = orden[k];
        r.puntos.push_back(punto(m.x[i], m.y[i] + subir));
        if (marcado && i == n - 1) {
            r.senalado = static_cast<int>(k);
        }
        if (!corte.empty()) {
            r.grupo.push_back(static_cast<std::uint8_t>(corte[i]));
        }
    }
    return r;
}

// Whether the diagnostics of the points shown find the round's pattern and
// no other, and the marked point is the one they single out.
bool claveCierta(const RondaReto& r) {
    const Diagnostico d = diagnosticar(r.puntos);
    const auto hallados = patronesHallados(d, static_cast<int>(r.puntos.size()));
    for (int p = 0; p < numPatrones; ++p) {
        if (hallados[p] != (p == static_cast<int>(r.patron))) {
            return false;
        }
    }
    switch (r.patron) {
    case Patron::Atipico:
        return r.senalado == d.puntoEstudentizado;
    case Patron::Palanca:
        return r.senalado == d.puntoPalanca;
    default:
        return true;
    }
}

} // namespace

RondaReto rondaDePatron(Patron patron, int codigo) {
    RondaReto r;
    r.reto = Reto::Residuos;
    r.codigo = codigo;
    r.patron = patron;
    AzarReto a(semillaDeResiduos(codigo, 1 + static_cast<int>(patron)));
    // A funnel needs 20 points to be told from chance; the others show from 10.
    const int n = a.entero(patron == Patron::Dispersion ? 20 : 10, 50);
    // Most first draws hold; the test of every code shows that no code needs
    // anywhere near the last try.
    constexpr int intentos = 50;
    RondaReto ronda = rondaDeMuestra(r, a, n);
    for (int intento = 1; intento < intentos && !claveCierta(ronda); ++intento) {
        ronda = rondaDeMuestra(r, a, n);
    }
    return ronda;
}

} // namespace rectaviva
