// The plot's range, the units of the design's grid within it, loading a data
// set, and the cloud's image on the design's grid.
#include "escala.h"

#include "dato.h"
#include "datos.h"
#include "redondeo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace rectaviva {

Single unidadX(const Globales& g) {
    return S((D(g.xMax) - D(g.xMin)) / anchoDiseno);
}

Single unidadY(const Globales& g) {
    return S((D(g.yMax) - D(g.yMin)) / anchoDiseno);
}

EjeRedondo ejeDiseno() {
    return {};
}

EjeRedondo ejeRedondo(double lo, double hi) {
    double ancho = hi - lo;
    if (!(ancho > 0)) {
        ancho = std::max(std::fabs(lo), 1.0);
    }
    const double a = lo - 0.08 * ancho;
    const double b = hi + 0.08 * ancho;
    // The design's grid has seven steps between labels: the finest round
    // step that needs at most eight, so that the data fill most of the plot.
    const double base = std::pow(10.0, std::floor(std::log10((b - a) / 8.0)));
    EjeRedondo e;
    // The span lies within 8 and 80 times `base`: a step of 20 times it
    // always needs fewer than eight.
    for (const double m : {1.0, 2.0, 5.0, 10.0, 20.0}) {
        const double paso = m * base;
        // Ends that are multiples of the step up to rounding stay on it.
        const double desde = std::floor(a / paso + 1e-9);
        const double hasta = std::ceil(b / paso - 1e-9);
        if (hasta - desde <= 8.0) {
            e.paso = paso;
            e.minimo = desde * paso;
            e.maximo = hasta * paso;
            // A step of 2 splits in four, like the design's 20 in 5; 1 and 5 in five.
            e.lineas = paso / (m == 2.0 || m == 20.0 ? 4.0 : 5.0);
            e.decimales = std::max(0, static_cast<int>(-std::floor(std::log10(paso) + 1e-9)));
            break;
        }
    }
    return e;
}

bool rangoDibujable(double lo, double hi) {
    const EjeRedondo e = ejeRedondo(lo, hi);
    const double a = D(S(e.minimo)), b = D(S(e.maximo));
    const double paso =
        std::max(std::max(std::fabs(a), std::fabs(b)) * D(std::numeric_limits<Single>::epsilon()),
                 D(std::numeric_limits<Single>::denorm_min()));
    return std::isfinite(a) && std::isfinite(b) && b - a >= anchoDiseno * paso;
}

Single redondearA(Single v, int decimales) {
    if (decimales == 0) {
        return redondearPar(v);
    }
    const double escala = std::pow(10.0, decimales);
    return S(redondearPar(D(v) * escala) / escala);
}

int decimalesDe(const std::vector<double>& v) {
    int d = 0;
    for (const double x : v) {
        std::array<char, 64> buf;
        const auto r =
            std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed);
        const std::string_view texto(buf.data(), static_cast<std::size_t>(r.ptr - buf.data()));
        const std::size_t punto = texto.find('.');
        if (r.ec == std::errc() && punto != std::string_view::npos) {
            d = std::max(d, static_cast<int>(texto.size() - punto - 1));
        }
    }
    return std::min(d, kMaxDecimales);
}

namespace {

// The decimals of a drag: the data's, but no step finer than a thousandth
// of the axis, so that a drag cannot store differences the plot cannot show.
int decimalesArrastre(int decimalesDatos, Single minimo, Single maximo) {
    const double ancho = D(maximo) - D(minimo);
    // Clamped before the conversion: a float range spans 10^-45..10^39.
    const double tope = std::clamp(std::floor(std::log10(1000.0 / ancho) + 1e-9), -60.0, 60.0);
    return std::min(decimalesDatos, static_cast<int>(tope));
}

} // namespace

bool cargarMuestra(Globales& g, const MuestraDatos& d) {
    const std::size_t n = d.x.size();
    if (n < static_cast<std::size_t>(minActivos) || n > static_cast<std::size_t>(maxPuntosDatos) ||
        d.y.size() != n || (!d.activo.empty() && d.activo.size() != n)) {
        return false;
    }
    int enUso = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!(std::fabs(d.x[i]) <= kMayorValor && std::fabs(d.y[i]) <= kMayorValor)) {
            return false;
        }
        enUso += d.activo.empty() || d.activo[i] == 1 ? 1 : 0;
    }
    if (enUso < minActivos) {
        return false;
    }
    const auto [xLo, xHi] = std::minmax_element(d.x.begin(), d.x.end());
    const auto [yLo, yHi] = std::minmax_element(d.y.begin(), d.y.end());
    if (!rangoDibujable(*xLo, *xHi) || !rangoDibujable(*yLo, *yHi)) {
        return false;
    }
    const EjeRedondo ex = ejeRedondo(*xLo, *xHi);
    const EjeRedondo ey = ejeRedondo(*yLo, *yHi);
    g.ejeX = ex;
    g.ejeY = ey;
    g.xMin = S(ex.minimo);
    g.xMax = S(ex.maximo);
    g.yMin = S(ey.minimo);
    g.yMax = S(ey.maximo);
    g.reservarPuntos(static_cast<Integer>(n));
    g.nPuntos = static_cast<Integer>(n);
    g.nActivos = static_cast<Integer>(enUso);
    for (std::size_t i = 0; i < n; ++i) {
        const auto k = static_cast<Integer>(i + 1);
        g.xDato(k) = d.x[i];
        g.yDato(k) = d.y[i];
        g.xObs(k) = S(d.x[i]);
        g.yObs(k) = S(d.y[i]);
        g.activo(k) = d.activo.empty() ? 1 : d.activo[i];
    }
    g.datosCargados = 1;
    // A data set loads untransformed; "Transformar" sets its own after.
    g.transformacionX = g.transformacionY = 0;
    g.nombreDatos = d.nombre;
    g.nombreX = d.nombreX;
    g.nombreY = d.nombreY;
    g.decimalesX = static_cast<Byte>(std::clamp(d.decimalesX, 0, kMaxDecimales));
    g.decimalesY = static_cast<Byte>(std::clamp(d.decimalesY, 0, kMaxDecimales));
    g.redondeoX = static_cast<Integer>(decimalesArrastre(d.decimalesX, g.xMin, g.xMax));
    g.redondeoY = static_cast<Integer>(decimalesArrastre(d.decimalesY, g.yMin, g.yMax));
    g.xPred = redondearA(S((D(*xLo) + D(*xHi)) / 2), g.redondeoX);
    return true;
}

void volverAlDiseno(Globales& g) {
    g.xMin = minimoDiseno;
    g.xMax = maximoDiseno;
    g.yMin = minimoDiseno;
    g.yMax = maximoDiseno;
    g.datosCargados = 0;
    g.transformacionX = g.transformacionY = 0;
    g.ejeX = g.ejeY = ejeDiseno();
    g.nombreDatos.clear();
    g.nombreX.clear();
    g.nombreY.clear();
    g.decimalesX = g.decimalesY = 0;
    g.redondeoX = g.redondeoY = 0;
    g.reservarPuntos(maxPuntos);
}

Single xAsa(const Globales& g, int i) {
    // 20 and 120 units of the design's grid from its left edge: -20 and 80.
    const double desde = i == 0 ? 20.0 : 120.0;
    return S(D(g.xMin) + desde * D(unidadX(g)));
}

const Globales& ImagenEnDiseno::de(const Globales& g) {
    g_.oTablas = &tablas_;
    g_.oCalculos = &calculos_;
    g_.valoresT = g.valoresT;
    g_.probT = g.probT;
    g_.nivelConf = g.nivelConf;
    g_.nivelPred = g.nivelPred;
    g_.valoresExactos = g.valoresExactos;
    g_.xMin = g_.yMin = minimoDiseno;
    g_.xMax = g_.yMax = maximoDiseno;
    g_.reservarPuntos(g.puntosReservados());
    g_.nPuntos = g.nPuntos;
    g_.nActivos = g.nActivos;
    const double fx = anchoDiseno / (D(g.xMax) - D(g.xMin));
    const double fy = anchoDiseno / (D(g.yMax) - D(g.yMin));
    for (Integer k = 1; k <= g.nPuntos && k <= g.puntosReservados(); ++k) {
        g_.xObs(k) = S(D(minimoDiseno) + (valorX(g, k) - D(g.xMin)) * fx);
        g_.yObs(k) = S(D(minimoDiseno) + (valorY(g, k) - D(g.yMin)) * fy);
        g_.activo(k) = g.activo(k);
    }
    calculos_.sumas();
    calculos_.Calcula();
    calculos_.Anova();
    return g_;
}

} // namespace rectaviva
