// A residual round's drawing: its residual plot and the marks that explain
// the pattern, from the diagnostics of the points in use.
#include "residuos_reto.h"

#include "cuadricula.h"
#include "escala.h"
#include "geometria.h"
#include "influencia.h"
#include "redondeo.h"
#include "residuos.h"
#include "retos_residuos.h"

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

// The smallest ring, in pixels: an outlier of little influence still shows.
constexpr double radioMinimo = 11;

} // namespace

std::vector<PuntoReto> PresentacionRetoResiduos::puntosEnUso(std::vector<Integer>* indices) const {
    std::vector<PuntoReto> p;
    for (Integer k = 1; k <= g_.nPuntos; ++k) {
        if (g_.activo(k) == 1) {
            p.push_back({g_.xObs(k), g_.yObs(k)});
            if (indices != nullptr) {
                indices->push_back(k);
            }
        }
    }
    return p;
}

void PresentacionRetoResiduos::dibujar(bool marcar, Patron patron,
                                       const std::vector<std::uint8_t>& grupo, double limite) {
    const bool colores = marcar && patron == Patron::Grupos;
    ponerMarcasResiduos(g_, p_.Picture7, p_.Shape12, S(limite), [&](Integer k) {
        const auto i = static_cast<std::size_t>(k - 1);
        return colores && i < grupo.size() && grupo[i] == 1 ? colorGrupoOtro : colorPuntoActivo;
    });
    ocultarMarcas();
    if (marcar) {
        marcas(patron);
    }
}

void PresentacionRetoResiduos::ocultarMarcas() {
    for (Line* l : p_.Line26) {
        l->setVisible(false);
    }
    for (Line* l : p_.Line27) {
        l->setVisible(false);
    }
    for (Shape* s : p_.Shape13) {
        s->setVisible(false);
    }
    anillado_ = 0;
}

// The marks are the diagnostics' own: the point of the largest studentised
// residual or of the most leverage, the quadratic through the residuals, or
// twice the spread that the line of |e| on x estimates.
void PresentacionRetoResiduos::marcas(Patron patron) {
    std::vector<Integer> indices;
    const std::vector<PuntoReto> p = puntosEnUso(&indices);
    if (p.size() < 3) {
        return;
    }
    switch (patron) {
    case Patron::Atipico:
    case Patron::Palanca: {
        const Diagnostico d = diagnosticar(p);
        const int i = patron == Patron::Atipico ? d.puntoEstudentizado : d.puntoPalanca;
        if (i >= 0 && i < static_cast<int>(indices.size())) {
            const double cook = patron == Patron::Palanca ? d.cookDePalanca : 0.0;
            anillar(indices[static_cast<std::size_t>(i)],
                    std::max(radioMinimo, radioAnillo(static_cast<Single>(cook))));
        }
        break;
    }
    case Patron::Curvatura: {
        const MarcasResiduos m = marcasDeResiduos(p);
        const auto [menor, mayor] = std::minmax_element(
            p.begin(), p.end(), [](PuntoReto a, PuntoReto b) { return a.x < b.x; });
        const double x0 = menor->x, x1 = mayor->x;
        const int tramos = p_.Line26.UBound();
        const auto curva = [&m](double x) {
            return m.curva[0] + (m.curva[1] + m.curva[2] * x) * x;
        };
        for (int t = 1; t <= tramos; ++t) {
            const double xa = x0 + (x1 - x0) * (t - 1) / tramos, xb = x0 + (x1 - x0) * t / tramos;
            Line& l = p_.Line26(t);
            l.setExtremos(xa, curva(xa), xb, curva(xb));
            l.setVisible(std::isfinite(curva(xa)) && std::isfinite(curva(xb)));
        }
        break;
    }
    case Patron::Dispersion: {
        const MarcasResiduos m = marcasDeResiduos(p);
        const auto [menor, mayor] = std::minmax_element(
            p.begin(), p.end(), [](PuntoReto a, PuntoReto b) { return a.x < b.x; });
        const double x0 = menor->x, x1 = mayor->x;
        const auto ancho = [&m](double x) { return std::max(0.0, m.embudo[0] + m.embudo[1] * x); };
        for (int lado = 0; lado <= 1; ++lado) {
            const double s = lado == 0 ? 1.0 : -1.0;
            Line& l = p_.Line27(lado);
            l.setExtremos(x0, s * ancho(x0), x1, s * ancho(x1));
            l.setVisible(std::isfinite(ancho(x0)) && std::isfinite(ancho(x1)));
        }
        break;
    }
    case Patron::Ninguno:
    case Patron::Grupos:
        break;
    }
}

// A ring of `radio` pixels around point k's marker on the plot and its
// residual's on the residual plot.
void PresentacionRetoResiduos::anillar(Integer k, double radio) {
    anillado_ = k;
    const auto rodear = [radio](const Shape& marca, Shape& anillo, const Escala& e) {
        const double w = 2 * radio / e.pixelesPorUnidadX();
        const double h = 2 * radio / -e.pixelesPorUnidadY();
        anillo.Move(marca.Left() + marca.Width() / 2 - w / 2,
                    marca.Top() - marca.Height() / 2 + h / 2, w, h);
        anillo.setVisible(marca.Visible());
    };
    rodear(m_.pantalla().Shape1(k), p_.Shape13(0), m_.pantalla().Picture1.escala());
    rodear(p_.Shape12(k), p_.Shape13(1), p_.Picture7.escala());
}

} // namespace rectaviva
