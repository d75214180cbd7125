// The long random run of issue 6: thousands of seeded random events played
// through the window's real handlers and controls (presses, drags with their
// timer ticks, right-clicks, pop-up commands, held tools with event-loop
// time, typed entries, menu choices), with the invariants checked after
// every event.
//
// RECTAVIVA_EVENTOS sets the number of events (default 3000) and
// RECTAVIVA_SEMILLA the seed (default 20240917). The sequence of events is
// a function of the seed alone; how many steps a held tool makes in its
// few milliseconds depends on the clock.
#include "Grafico.h"
#include "dato.h"
#include "eventos_aleatorios.h"
#include "muestra_transformada.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <string>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

long entornoEntero(const char* nombre, long porDefecto) {
    const char* v = std::getenv(nombre);
    if (!v || !*v) {
        return porDefecto;
    }
    char* fin = nullptr;
    const long n = std::strtol(v, &fin, 10);
    return (fin && *fin == '\0' && n > 0) ? n : porDefecto;
}

class Corrida : public EventosAleatorios {
public:
    Corrida(Form1& f, unsigned semilla) : EventosAleatorios(f, semilla) {}

    // Plays one event; returns false once a check has failed.
    bool evento(long i) {
        jugar(i);
        comprobar();
        return !::testing::Test::HasFailure();
    }

    void informe() const {
        std::printf("[ aleatorio ] %ld events (seed %u): %ld samples drawn, %ld drags, %ld pop-up "
                    "commands, %ld held tools (%ld steps), %ld typed entries, %ld menu choices\n",
                    indice_ + 1, semilla(), muestras_, arrastres_, ordenes_, herramientas_,
                    f_.pasosHerramienta(), entradas_, menus_);
        std::printf("[ aleatorio ] checked after every event: 3 <= nActivos <= nPuntos <= 50 "
                    "(%ld events with a sample), nActivos = points in use, no nan/inf in %ld "
                    "boxes and list rows, markers 1..nPuntos within the plot (%ld marker checks); "
                    "sums = from-scratch sums after %ld refits; every list row read back "
                    "after %ld events; on a data set the fit = a double fit of the listed "
                    "points after %ld events\n",
                    conMuestra_, textosRevisados_, marcadoresRevisados_, refrescosRevisados_,
                    filasRevisadas_, ajustesRevisados_);
        std::printf("[ aleatorio ] marker corners past the plot's edge by less than the one unit "
                    "of the placement rule (as the tool margins allow): %ld\n",
                    bordeDeDiseno_);
    }

    // A run that drew no sample, or checked nothing, proves nothing.
    void cobertura() const {
        EXPECT_GT(muestras_, 0);
        EXPECT_GT(refrescosRevisados_, 0);
        EXPECT_GT(filasRevisadas_, 0);
        EXPECT_GT(marcadoresRevisados_, 0);
        EXPECT_GT(ajustesRevisados_, 0);
    }

private:
    void falla(const std::string& que) {
        ADD_FAILURE() << "after event " << indice_ << " (seed " << semilla_ << "): " << que
                      << "\nlast events:\n"
                      << ultimos() << "again with RECTAVIVA_SEMILLA=" << semilla_
                      << " RECTAVIVA_EVENTOS=" << indice_ + 1;
    }

    // On a data set, after every event: the fit shown is the double-precision
    // fit of the points as the list shows them, computed from scratch.
    bool comprobarDatos(const Globales& g) {
        for (Integer k = 1; hayTransformacion(g) && k <= g.nPuntos; ++k) {
            if (!std::isfinite(originalX(g, k)) || !std::isfinite(originalY(g, k))) {
                falla("point " + std::to_string(k) + " left its transformation's domain");
                return false;
            }
        }
        double n = 0, mx = 0, my = 0, sxx = 0, syy = 0, sxy = 0, x0 = 0, y0 = 0;
        bool xIguales = true, yIguales = true;
        for (int pasada = 0; pasada < 2; ++pasada) {
            for (Integer k = 1; k <= g.nPuntos; ++k) {
                if (g.activo(k) != 1) {
                    continue;
                }
                const double x = valorX(g, k), y = valorY(g, k);
                if (pasada == 0) {
                    x0 = n == 0 ? x : x0, y0 = n == 0 ? y : y0;
                    xIguales = xIguales && x == x0, yIguales = yIguales && y == y0;
                    n += 1, mx += x, my += y;
                } else {
                    sxx += (x - mx) * (x - mx), syy += (y - my) * (y - my);
                    sxy += (x - mx) * (y - my);
                }
            }
            mx /= pasada == 0 ? n : 1, my /= pasada == 0 ? n : 1;
        }
        // Points on one vertical or one horizontal leave r and the slope's
        // scale undefined (the boxes' own checks cover them).
        if (xIguales || yIguales) {
            return true;
        }
        ++ajustesRevisados_;
        // Each shown float against the reference, within its own rounding
        // and the doubles' rounding on the scale of what it is made from.
        const double pares[][3] = {{g.mediaX, mx, std::fabs(mx)},
                                   {g.mediaY, my, std::fabs(my)},
                                   {g.Sxx, sxx, sxx},
                                   {g.Syy, syy, syy},
                                   {g.Sxy, sxy, std::sqrt(sxx * syy)},
                                   {g.pendiente, sxy / sxx, std::sqrt(syy / sxx)},
                                   {g.R2, 100 * sxy * sxy / (sxx * syy), 100}};
        for (const auto& p : pares) {
            if (!(std::fabs(p[0] - p[1]) <= 0x1p-22 * std::fabs(p[1]) + 1e-10 * p[2])) {
                std::ostringstream o;
                o.precision(17);
                o << "on a data set the fit shows " << p[0] << " where the points give " << p[1];
                falla(o.str());
                return false;
            }
        }
        return true;
    }

    void comprobar() {
        const Globales& g = f_.g;
        if (hayMuestra_) {
            ++conMuestra_;
            if (!(3 <= g.nActivos && g.nActivos <= g.nPuntos &&
                  g.nPuntos <= (g.datosCargados == 1 ? maxPuntosDatos : maxPuntos))) {
                falla("nActivos " + std::to_string(g.nActivos) + ", nPuntos " +
                      std::to_string(g.nPuntos));
                return;
            }
            if (g.nActivos != contarActivos(g)) {
                falla("nActivos " + std::to_string(g.nActivos) + " but " +
                      std::to_string(contarActivos(g)) + " points in use");
                return;
            }
            for (int k = 1; k <= g.nPuntos; ++k) {
                if (g.activo(k) > 1) {
                    falla("activo(" + std::to_string(k) + ") = " + std::to_string(g.activo(k)));
                    return;
                }
            }
        }
        if (refresco_) {
            pasosIncrementales_ = 0;
            mayorMagnitud_ = 0;
        }
        // After every event that refits, incrementally or from scratch.
        if (hayMuestra_ && (refresco_ || incremental_)) {
            ++refrescosRevisados_;
            const Sumas s = sumasDesdeCero(g);
            mayorMagnitud_ = std::max(mayorMagnitud_, s.absolutas);
            const double tol = toleranciaSumas(s) + pasosIncrementales_ * 0x1p-24 * mayorMagnitud_;
            const double pares[5][2] = {{g.sumaX, s.x},
                                        {g.sumaY, s.y},
                                        {g.sumaX2, s.x2},
                                        {g.sumaY2, s.y2},
                                        {g.sumaXY, s.xy}};
            for (int j = 0; j < 5; ++j) {
                if (!(std::abs(pares[j][0] - pares[j][1]) <= tol)) {
                    falla("sum " + std::to_string(j) + " is " + std::to_string(pares[j][0]) +
                          ", from scratch " + std::to_string(pares[j][1]));
                    return;
                }
            }
        }
        if (hayMuestra_ && g.datosCargados == 1 && !comprobarDatos(g)) {
            return;
        }
        for (const TextBox* t : f_.findChildren<TextBox*>()) {
            ++textosRevisados_;
            const QString s = t->Text().toLower();
            if (s.contains(QLatin1String("nan")) || s.contains(QLatin1String("inf"))) {
                falla(t->objectName().toStdString() + " shows \"" + t->Text().toStdString() + "\"");
                return;
            }
        }
        for (const PictureBox::Renglon& r : f_.Picture2->renglones()) {
            ++textosRevisados_;
            const QString s = r.texto.toLower();
            if (s.contains(QLatin1String("nan")) || s.contains(QLatin1String("inf"))) {
                falla("a list row shows \"" + r.texto.toStdString() + "\"");
                return;
            }
        }
        if (!hayMuestra_) {
            return;
        }
        ++filasRevisadas_;
        if (const int k = filaAjena(f_); k != 0) {
            falla("the list row of point " + std::to_string(k) + " does not read that point");
            return;
        }
        // A cloud holds every point, each where its point is or, being
        // dragged, inside the plot; no shape shows beside it.
        if (enNube(g) && f_.Nube1->cantidad() != g.nPuntos) {
            falla("the cloud holds " + std::to_string(f_.Nube1->cantidad()) + " points");
            return;
        }
        for (int k = 1; enNube(g) && k <= g.nPuntos; ++k) {
            ++marcadoresRevisados_;
            const QPointF c = f_.Nube1->punto(k);
            const bool suPunto = c == QPointF(g.xObs(k), g.yObs(k));
            if (!(suPunto ||
                  (c.x() >= g.xMin && c.x() <= g.xMax && c.y() >= g.yMin && c.y() <= g.yMax))) {
                falla("point " + std::to_string(k) + " of the cloud lies off its point");
                return;
            }
        }
        for (int k = 1; k <= 50; ++k) {
            const Shape& m = f_.Shape1(k);
            if (!m.Visible()) {
                continue;
            }
            if (enNube(g)) {
                falla("marker " + std::to_string(k) + " shown beside the cloud");
                return;
            }
            ++marcadoresRevisados_;
            if (k > g.nPuntos) {
                falla("marker " + std::to_string(k) + " shown beyond nPuntos");
                return;
            }
            // The corner sits one unit of the design's grid left of and above
            // a point of the plot: that is the most it may pass an edge.
            const double L = m.Left();
            const double T = m.Top();
            const double ux = unidadX(g);
            const double uy = unidadY(g);
            if (!(L >= g.xMin - ux && L <= g.xMax && T >= g.yMin && T <= g.yMax + uy)) {
                falla("marker " + std::to_string(k) + " at (" + std::to_string(L) + ", " +
                      std::to_string(T) + ") lies off the plot; point (" +
                      std::to_string(g.xObs(k)) + ", " + std::to_string(g.yObs(k)) + ")");
                return;
            }
            if (L < g.xMin || T > g.yMax) {
                ++bordeDeDiseno_;
            }
        }
    }

    long conMuestra_ = 0, textosRevisados_ = 0, marcadoresRevisados_ = 0, refrescosRevisados_ = 0,
         bordeDeDiseno_ = 0, filasRevisadas_ = 0, ajustesRevisados_ = 0;
};

TEST(Aleatorio, MilesDeEventosSinRomperNada) {
    const long eventos = entornoEntero("RECTAVIVA_EVENTOS", 3000);
    const auto semilla = static_cast<unsigned>(entornoEntero("RECTAVIVA_SEMILLA", 20240917));
    Form1 f;
    f.show();
    Corrida c(f, semilla);
    const auto inicio = std::chrono::steady_clock::now();
    long i = 0;
    for (; i < eventos; ++i) {
        if (!c.evento(i)) {
            break;
        }
    }
    c.informe();
    std::printf("[ aleatorio ] %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
    EXPECT_EQ(i, eventos);
    c.cobertura();
}

} // namespace
