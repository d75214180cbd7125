// The handful of points worth a mark: one pass over the points keeping the
// few largest values, so that a drag tick at any n costs one look at each.
#include "destacados.h"

#include "redondeo.h"

#include <cmath>
#include <utility>

namespace rectaviva {

namespace {

// The rows 1..n whose valor(k) is a number above `umbral`, the `cuantos`
// largest first; valor is NaN for a row that does not take part.
template <typename Valor>
std::vector<Integer> mayores(Integer n, int cuantos, double umbral, Valor valor) {
    std::vector<std::pair<double, Integer>> v;
    v.reserve(static_cast<std::size_t>(cuantos) + 1);
    for (Integer k = 1; k <= n && cuantos > 0; ++k) {
        const double x = valor(k);
        if (!(x > umbral) || (static_cast<int>(v.size()) == cuantos && !(x > v.back().first))) {
            continue;
        }
        auto i = v.begin();
        while (i != v.end() && i->first >= x) {
            ++i;
        }
        v.insert(i, {x, k});
        if (static_cast<int>(v.size()) > cuantos) {
            v.pop_back();
        }
    }
    std::vector<Integer> r;
    for (const auto& [x, k] : v) {
        r.push_back(k);
    }
    return r;
}

} // namespace

std::vector<Integer> mayoresResiduos(const Globales& g, int cuantos) {
    return mayores(g.nPuntos, cuantos, -1, [&g](Integer k) {
        return g.activo(k) == 1 ? std::fabs(D(g.residuo(k))) : std::nan("");
    });
}

std::vector<Integer> masInfluyentes(const Globales& g, int cuantos) {
    return mayores(g.nPuntos, cuantos, 4.0 / g.nActivos, [&g](Integer k) {
        return g.activo(k) == 1 ? D(g.distanciaCook(k)) : std::nan("");
    });
}

} // namespace rectaviva
