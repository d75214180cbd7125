// The influence view: rings by Cook's distance, the fit without the point
// being dragged, and each point's values for its tooltip.
#include "influencia.h"
#include "Grafico.h"
#include "destacados.h"

#include "dato.h"
#include "redondeo.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace rectaviva {

double radioAnillo(Single cook) {
    // 7 px at D = 0 (the marker is 9 px across), 14 px at D = 1, 28 px at most.
    constexpr double base = 7, porD = 147, tope = 28;
    if (std::isnan(cook)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // In half pixels: a ring keeps its size, and its painted copy, while
    // its distance barely moves.
    const double r = std::min(tope, std::sqrt(base * base + porD * std::max(0.0, D(cook))));
    return std::round(2 * r) / 2;
}

int nivelInfluencia(Single cook, Integer n) {
    if (cook > 1) {
        return 2;
    }
    return D(cook) > 4.0 / n ? 1 : 0;
}

void PresentacionInfluencia::ocultarInfluencia() {
    for (int k = 1; k <= maxPuntos; ++k) {
        p_.Shape9(k).setVisible(false);
    }
    p_.Line18.setVisible(false);
    p_.Rotulos9.setVisible(false);
}

void PresentacionInfluencia::ponerAnillo(int j, Integer k, QPointF c) {
    Shape& anillo = p_.Shape9(j);
    const double radio = radioAnillo(g_.distanciaCook(k));
    if (!std::isnan(radio)) {
        const Escala plano = m_.pantalla().Picture1.escala();
        const double w = 2 * radio / plano.pixelesPorUnidadX();
        const double h = 2 * radio / -plano.pixelesPorUnidadY();
        anillo.Move(c.x() - w / 2, c.y() + h / 2, w, h);
        const std::array<QColor, 3> colores{colorAnillo, colorAnilloAviso, colorAnilloFuerte};
        anillo.setBorderColor(
            colores[static_cast<std::size_t>(nivelInfluencia(g_.distanciaCook(k), g_.nActivos))]);
    }
    anillo.setVisible(!std::isnan(radio));
}

void PresentacionInfluencia::mostrarInfluencia(Integer arrastrado) {
    if (g_.influenciaActiva != 1) {
        return;
    }
    if (enNube(g_)) {
        // A ring on every point would cover a cloud: rings on the few points
        // above 4/n, the largest first, each with its row number.
        const std::vector<Integer> influyentes = masInfluyentes(g_, anillosDestacados);
        std::vector<Rotulos::Rotulo> rotulos;
        for (int j = 1; j <= maxPuntos; ++j) {
            const std::size_t i = static_cast<std::size_t>(j);
            if (i > influyentes.size()) {
                p_.Shape9(j).setVisible(false);
                continue;
            }
            const Integer k = influyentes[i - 1];
            const QPointF c =
                k <= p_.Nube1.cantidad() ? p_.Nube1.punto(k) : QPointF(g_.xObs(k), g_.yObs(k));
            ponerAnillo(j, k, c);
            rotulos.push_back({c, QString::number(k)});
        }
        p_.Rotulos9.setColor(colorRotulo);
        p_.Rotulos9.setRotulos(std::move(rotulos));
        p_.Rotulos9.setVisible(true);
    } else {
        p_.Rotulos9.setVisible(false);
        for (int k = 1; k <= maxPuntos; ++k) {
            if (k <= g_.nPuntos && g_.activo(k) == 1) {
                const Shape& m = m_.pantalla().Shape1(k);
                ponerAnillo(k, k, {m.Left() + m.Width() / 2, m.Top() - m.Height() / 2});
            } else {
                p_.Shape9(k).setVisible(false);
            }
        }
    }
    // The fit without the dragged point, across the plot like the fitted line.
    Line& sin = p_.Line18;
    if (arrastrado >= 1 && arrastrado <= g_.nPuntos && g_.activo(arrastrado) == 1) {
        const Segmento s = rectaAjustada(g_, g_.aSin, g_.bSin);
        sin.setExtremos(s.x1, s.y1, s.x2, s.y2);
        sin.setVisible(s.visible);
    } else {
        sin.setVisible(false);
    }
}

QString PresentacionInfluencia::textoInfluencia(Integer k) const {
    const auto f = [this](Single v, Formato formato) {
        return QString::fromStdString(m_.texto(v, formato));
    };
    return QCoreApplication::translate("influencia",
                                       "Punto %1: x = %2, y = %3, residuo = %4, residuo "
                                       "estandarizado = %5, apalancamiento = %6, distancia de "
                                       "Cook = %7")
        .arg(k)
        .arg(QString::fromStdString(m_.textoCoordenada(valorX(g_, k), true)),
             QString::fromStdString(m_.textoCoordenada(valorY(g_, k), false)),
             QString::fromStdString(m_.textoEnUnidades(g_.residuo(k), Formato::DosDecimales)),
             f(g_.residuoEstandarizado(k), Formato::DosDecimales),
             f(g_.apalancamiento(k), Formato::TresDecimales),
             f(g_.distanciaCook(k), Formato::TresDecimales));
}

} // namespace rectaviva
