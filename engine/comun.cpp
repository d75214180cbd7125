// The precise pass over the points in use and the exact collinearity test.
#include "comun.h"

#include "dato.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cstddef>

namespace rectaviva::interno {

bool enRuido(double valor, double escala, double n) {
    return !(valor > 2.0 * n * static_cast<double>(FLT_EPSILON) * escala);
}

SumasCentradas sumasCentradas(const Globales& g, Integer excluido, double mediaX, double mediaY) {
    SumasCentradas s;
    paraCadaEnUso(g, excluido, [&](Integer k) {
        const double dx = valorX(g, k) - mediaX;
        const double dy = valorY(g, k) - mediaY;
        s.Sxx += dx * dx;
        s.Syy += dy * dy;
        s.Sxy += dx * dy;
    });
    return s;
}

Momentos momentosPrecisos(const Globales& g, Integer excluido) {
    Momentos m;
    double n = 0;
    paraCadaEnUso(g, excluido, [&](Integer k) {
        m.mediaX += valorX(g, k);
        m.mediaY += valorY(g, k);
        ++n;
    });
    if (n == 0) {
        return m;
    }
    m.mediaX /= n;
    m.mediaY /= n;
    const SumasCentradas s = sumasCentradas(g, excluido, m.mediaX, m.mediaY);
    m.Sxx = s.Sxx;
    m.Syy = s.Syy;
    m.Sxy = s.Sxy;
    if (m.Sxx > 0) {
        const double b = m.Sxy / m.Sxx;
        const double a = m.mediaY - b * m.mediaX;
        paraCadaEnUso(g, excluido, [&](Integer k) {
            const double e = valorY(g, k) - (a + b * valorX(g, k));
            m.SCErr += e * e;
        });
    }
    return m;
}

namespace {

// A sum of doubles kept exactly as a few doubles that do not overlap (an
// expansion), smallest first; zeros are dropped, so the sum is 0 exactly
// when no part is left. Each addition is Knuth's error-free two-sum, which
// holds in round-to-nearest without fused operations (the build forbids
// them).
class SumaExacta {
public:
    void sumar(double b) {
        std::array<double, kPartes> nuevas{};
        std::size_t n = 0;
        double q = b;
        for (std::size_t i = 0; i < partes_; ++i) {
            const double s = q + parte_[i];
            const double bv = s - q;
            const double error = (q - (s - bv)) + (parte_[i] - bv);
            if (error != 0) {
                nuevas[n++] = error;
            }
            q = s;
        }
        if (q != 0) {
            nuevas[n++] = q;
        }
        parte_ = nuevas;
        partes_ = n;
    }
    bool cero() const { return partes_ == 0; }

private:
    // Six terms give at most six parts.
    static constexpr std::size_t kPartes = 8;
    std::array<double, kPartes> parte_{};
    std::size_t partes_ = 0;
};

// Whether q lies on the line through p0 and p1: the cross product
// (x1 − x0)(yq − y0) − (xq − x0)(y1 − y0), expanded into six products of
// two floats (the x0·y0 terms cancel), each exact in double.
bool enLaRecta(float x0, float y0, float x1, float y1, float xq, float yq) {
    SumaExacta s;
    for (const double t : {D(x1) * D(yq), -(D(x1) * D(y0)), -(D(x0) * D(yq)), -(D(xq) * D(y1)),
                           D(xq) * D(y0), D(x0) * D(y1)}) {
        s.sumar(t);
    }
    return s.cero();
}

} // namespace

bool colineales(const Globales& g) {
    const Integer ultimo = std::min(g.nPuntos, g.puntosReservados());
    Integer p0 = 0;
    Integer p1 = 0;
    for (Integer k = 1; k <= ultimo; ++k) {
        if (g.activo(k) != 1) {
            continue;
        }
        if (p0 == 0) {
            p0 = k;
        } else if (p1 == 0) {
            // The line is given by the first point apart from p0.
            if (g.xObs(k) != g.xObs(p0) || g.yObs(k) != g.yObs(p0)) {
                p1 = k;
            }
        } else if (!enLaRecta(g.xObs(p0), g.yObs(p0), g.xObs(p1), g.yObs(p1), g.xObs(k),
                              g.yObs(k))) {
            return false;
        }
    }
    // Points that coincide with p0 lie on any line through it; the others
    // were checked against the line through p0 and p1.
    return true;
}

} // namespace rectaviva::interno
