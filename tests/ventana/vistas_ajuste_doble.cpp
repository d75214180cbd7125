// The views' numbers on any data set: the residual sums, the largest
// leverage and Cook's distance, and the points marked, from a fit in double.
#include "vistas_ajuste_doble.h"

#include "Grafico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace rectaviva::pruebas {

// The residual and influence views of a set against a double-precision fit
// of its rows: the residual sums, the largest leverage and Cook's distance,
// and which points get a segment (in a cloud) or a ring, largest first.
void vistasComoElAjusteDoble(Form1& f, const ConjuntoEjemplo& c) {
    const std::size_t n = c.x.size();
    double mx = 0, my = 0, sxx = 0, sxy = 0, sce = 0, suma = 0;
    for (std::size_t j = 0; j < n; ++j) {
        mx += c.x[j] / double(n), my += c.y[j] / double(n);
    }
    for (std::size_t j = 0; j < n; ++j) {
        sxx += (c.x[j] - mx) * (c.x[j] - mx), sxy += (c.x[j] - mx) * (c.y[j] - my);
    }
    std::vector<double> e(n), h(n), cook(n);
    for (std::size_t j = 0; j < n; ++j) {
        e[j] = c.y[j] - (my - sxy / sxx * mx) - sxy / sxx * c.x[j];
        h[j] = 1.0 / double(n) + (c.x[j] - mx) * (c.x[j] - mx) / sxx;
        suma += e[j], sce += e[j] * e[j];
    }
    std::multimap<double, int, std::greater<>> porCook, porResiduo;
    for (std::size_t j = 0; j < n; ++j) {
        // A perfect fit, or a point the line must pass through, has none.
        const double var = sce / double(n - 2) * (1 - h[j]);
        const double r2 = var > 0 ? e[j] * e[j] / var : NAN;
        // h is 1 when the other points share one x: no distance then.
        cook[j] = h[j] > 1 - 1e-9 ? NAN : r2 * h[j] / (2 * (1 - h[j]));
        if (std::isfinite(cook[j]) && (n <= 50 || cook[j] > 4.0 / double(n))) {
            porCook.emplace(cook[j], int(j + 1));
        }
        porResiduo.emplace(std::fabs(e[j]), int(j + 1));
    }
    // Within half a unit of the box's last digit ("1.19e6" has units of 10^4).
    const auto cerca = [](const TextBox& caja, double valor, double holgura) {
        const QString t = caja.Text(), m = t.section('e', 0, 0);
        const int d = m.contains('.') ? int(m.size() - m.indexOf('.') - 1) : 0;
        const int x = t.contains('e') ? t.section('e', 1).toInt() : 0;
        EXPECT_NEAR(t.toDouble(), valor, 0.5 * std::pow(10.0, x - d) + holgura) << t.toStdString();
    };
    cerca(f.Text5(4), suma, 1e-6 * std::sqrt(sce));
    cerca(f.Text5(5), sce, 2e-7 * sce);
    double hMax = 0, cookMax = 0;
    for (Integer k = 1; k <= f.g.nPuntos; ++k) {
        hMax = std::max(hMax, double(f.g.apalancamiento(k)));
        cookMax = std::max(cookMax, double(f.g.distanciaCook(k)));
    }
    EXPECT_NEAR(hMax, *std::max_element(h.begin(), h.end()), 1e-5 * hMax);
    if (!porCook.empty()) {
        EXPECT_NEAR(cookMax, porCook.begin()->first, 1e-4 * cookMax);
    }
    const auto visibles = [](const auto& m) {
        return std::count_if(m.begin(), m.end(), [](const auto* x) { return x->Visible(); });
    };
    QStringList anillos, segmentos, rotulos9, rotulos15;
    for (auto i = porCook.begin(); i != porCook.end() && (n <= 50 || anillos.size() < 10); ++i) {
        anillos << QString::number(i->second);
    }
    for (auto i = porResiduo.begin(); i != porResiduo.end() && segmentos.size() < 5; ++i) {
        segmentos << QString::number(i->second);
    }
    for (const auto& r : f.Rotulos9->rotulos()) {
        rotulos9 << r.texto;
    }
    for (const auto& r : f.Rotulos15->rotulos()) {
        rotulos15 << r.texto;
    }
    EXPECT_EQ(visibles(f.Shape9), anillos.size());
    if (enNube(f.g)) {
        EXPECT_EQ(rotulos9, anillos);
        EXPECT_EQ(rotulos15, segmentos);
        EXPECT_EQ(visibles(f.Line15), 5);
        EXPECT_FALSE(f.Check1->isEnabled());
    }
    EXPECT_EQ(f.Rotulos9->Visible() || f.Rotulos15->Visible(), enNube(f.g));
}

} // namespace rectaviva::pruebas
