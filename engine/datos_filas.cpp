// The rows of a data set to load: all of them, a sample drawn from a code
// that comes out the same on every computer, or a range of rows.
#include "datos_privado.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace rectaviva {

namespace {

// An integer in 0..m-1, every one equally likely (m >= 1): outputs below
// 2³² mod m are drawn again, so that r mod m has no bias.
std::uint32_t uniformeHasta(std::mt19937& azar, std::uint32_t m) {
    const std::uint32_t sobra = (0u - m) % m;
    std::uint32_t r = 0;
    do {
        r = static_cast<std::uint32_t>(azar());
    } while (r < sobra);
    return r % m;
}

// The indices of k of n points, drawn by a partial Fisher–Yates shuffle and
// sorted back into their order.
std::vector<std::size_t> muestraDe(std::size_t n, std::size_t k, std::uint32_t codigo) {
    std::vector<std::size_t> i(n);
    std::iota(i.begin(), i.end(), std::size_t{0});
    std::mt19937 azar(codigo);
    for (std::size_t j = 0; j < k; ++j) {
        const auto resto = static_cast<std::uint32_t>(n - j);
        std::swap(i[j], i[j + uniformeHasta(azar, resto)]);
    }
    i.resize(k);
    std::sort(i.begin(), i.end());
    return i;
}

} // namespace

bool elegirFilas(const Datos& d, const EleccionFilas& e, Datos& elegidas, Mensaje& mensaje) {
    std::vector<std::size_t> puntos;
    const std::size_t n = d.x.size();
    switch (e.modo) {
    case ModoFilas::Todas:
        elegidas = d;
        mensaje = {};
        return true;
    case ModoFilas::Muestra:
        if (e.k < minActivos) {
            mensaje = {MENSAJE("datos", "La muestra necesita al menos 3 filas."), {}};
            return false;
        }
        puntos = muestraDe(n, std::min(n, static_cast<std::size_t>(e.k)), e.codigo);
        break;
    case ModoFilas::Rango:
        if (e.desde < 1 || e.hasta < e.desde) {
            mensaje = {MENSAJE("datos", "La última fila va antes de la primera."), {}};
            return false;
        }
        // The points' rows are in increasing order.
        const auto primero = std::lower_bound(d.filas.begin(), d.filas.end(), e.desde);
        const auto ultimo = std::upper_bound(primero, d.filas.end(), e.hasta);
        for (auto f = primero; f != ultimo; ++f) {
            puntos.push_back(static_cast<std::size_t>(f - d.filas.begin()));
        }
        break;
    }
    Datos r = d;
    r.x.clear(), r.y.clear(), r.activo.clear(), r.filas.clear();
    for (const std::size_t i : puntos) {
        r.x.push_back(d.x[i]);
        r.y.push_back(d.y[i]);
        r.activo.push_back(d.activo[i]);
        r.filas.push_back(d.filas[i]);
    }
    if (!lector::comprobarPuntos(r, mensaje)) {
        return false;
    }
    elegidas = std::move(r);
    mensaje = {};
    return true;
}

} // namespace rectaviva
