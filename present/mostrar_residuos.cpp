// The residual view: segments and squares over the plot, the residual plot,
// the decomposition of the variation and the residual sums.
#include "geometria.h"
#include "mostrar.h"
#include "redondeo.h"

#include <array>
#include <cmath>
#include <limits>

namespace rectaviva {

namespace {

// A residual marker's diameter, in pixels of the residual plot.
constexpr double pixelesMarca = 6;

void ponerRectangulo(Shape& s, const Rectangulo& r) {
    if (r.visible) {
        s.Move(r.left, r.top, r.width, r.height);
    }
    s.setVisible(r.visible);
}

} // namespace

Segmento mostrar::segmentoDelPunto(Integer k, Single a, Single b) const {
    const Shape& m = p_.Shape1(k);
    return segmentoResiduo(S(m.Left() + m.Width() / 2), S(m.Top() - m.Height() / 2), a, b);
}

void mostrar::ponerCuadrado(Integer k, const Segmento& s, bool ver) {
    if (r_ == nullptr) {
        return;
    }
    const Escala plano = p_.Picture1.escala();
    ponerRectangulo(r_->Shape5(k), ver ? cuadradoResiduo(g_, s, plano.pixelesPorUnidadX(),
                                                         -plano.pixelesPorUnidadY())
                                       : Rectangulo{});
}

void mostrar::colorearResiduo(Integer k) {
    if (r_ == nullptr) {
        return;
    }
    r_->Line15(k).setBorderColor(p_.Shape1(k).FillColor() == colorElegido ? colorElegido
                                                                          : colorResiduo);
}

void mostrar::ocultarResiduos() {
    if (r_ == nullptr) {
        return;
    }
    for (int k = 1; k <= maxPuntos; ++k) {
        r_->Line15(k).setVisible(false);
        r_->Shape5(k).setVisible(false);
    }
}

void mostrar::mostrarResiduos() {
    if (r_ == nullptr || g_.residuosActivos != 1) {
        return;
    }
    PantallaResiduos& r = *r_;
    const bool cuadrados = r.Check1.Value();
    for (int k = 1; k <= maxPuntos; ++k) {
        const bool enUso = k <= g_.nPuntos && g_.activo(k) == 1 && !std::isnan(g_.residuo(k));
        Segmento s;
        if (enUso) {
            s = segmentoDelPunto(static_cast<Integer>(k), g_.intercepto, g_.pendiente);
            r.Line15(k).setExtremos(s.x1, s.y1, s.x2, s.y2);
            colorearResiduo(static_cast<Integer>(k));
        }
        r.Line15(k).setVisible(s.visible);
        ponerCuadrado(static_cast<Integer>(k), s, cuadrados);
    }

    // The residual plot: points in use filled, deleted points hollow.
    const Escala e = r.Picture4.escala();
    const Single w = S(e.anchoDesdePixeles(pixelesMarca));
    const Single h = S(e.altoDesdePixeles(pixelesMarca));
    for (int k = 1; k <= maxPuntos; ++k) {
        Shape& s = r.Shape6(k);
        const MarcaResiduo marca = k <= g_.nPuntos
                                       ? marcaResiduo(g_, g_.xObs(k), g_.residuo(k), w, h, 70)
                                       : MarcaResiduo{};
        if (marca.visible) {
            s.Move(marca.esquina.left, marca.esquina.top, w, h);
            s.setForma(marca.fuera > 0   ? Shape::Forma::TrianguloArriba
                       : marca.fuera < 0 ? Shape::Forma::TrianguloAbajo
                                         : Shape::Forma::Circulo);
            const bool activo = g_.activo(k) == 1;
            s.setFillColor(activo ? colorPuntoActivo : colorHueco);
            s.setBorderColor(activo ? colorPuntoActivo : colorEliminado);
        }
        s.setVisible(marca.visible);
    }

    // The decomposition: SCTot cut into SCReg and SCErr, in the bar's frame.
    const Shape& marco = r.Shape7(2);
    // No division when the y in use are all equal (SCTot 0): the bar is empty.
    const double total = D(g_.SCTot);
    const double parte = total > 0 ? D(g_.SCReg) / total : std::numeric_limits<double>::quiet_NaN();
    const bool partida = std::isfinite(parte) && parte >= 0 && parte <= 1;
    const double anchoReg = partida ? marco.Width() * parte : 0;
    r.Shape7(0).Move(marco.Left(), marco.Top(), anchoReg, marco.Height());
    r.Shape7(1).Move(marco.Left() + anchoReg, marco.Top(), partida ? marco.Width() - anchoReg : 0,
                     marco.Height());
    ponerValor(r.Text5(0), g_.SCReg, Formato::UnDecimal);
    ponerValor(r.Text5(1), g_.SCErr, Formato::UnDecimal);
    ponerValor(r.Text5(2), g_.SCTot, Formato::UnDecimal);
    ponerValor(r.Text5(3), g_.R2, Formato::Entero);
    ponerValor(r.Text5(4), g_.sumaResiduos, Formato::DosDecimales);
    ponerValor(r.Text5(5), g_.sumaCuadradosResiduos, Formato::UnDecimal);
}

} // namespace rectaviva

namespace rectaviva {

void mostrar::ocultarInfluencia() {
    if (i_ == nullptr) {
        return;
    }
    for (int k = 1; k <= maxPuntos; ++k) {
        i_->Shape9(k).setVisible(false);
    }
    i_->Line18.setVisible(false);
}

void mostrar::mostrarInfluencia(Integer arrastrado) {
    if (i_ == nullptr || g_.influenciaActiva != 1) {
        return;
    }
    const Escala plano = p_.Picture1.escala();
    const std::array<QColor, 3> colores{colorAnillo, colorAnilloAviso, colorAnilloFuerte};
    for (int k = 1; k <= maxPuntos; ++k) {
        Shape& anillo = i_->Shape9(k);
        const bool enUso = k <= g_.nPuntos && g_.activo(k) == 1;
        const double radio = enUso ? radioAnillo(g_.distanciaCook(k)) : std::nan("");
        if (!std::isnan(radio)) {
            const Shape& m = p_.Shape1(k);
            const double w = 2 * radio / plano.pixelesPorUnidadX();
            const double h = 2 * radio / -plano.pixelesPorUnidadY();
            anillo.Move(m.Left() + m.Width() / 2 - w / 2, m.Top() - m.Height() / 2 + h / 2, w, h);
            const QColor& c = colores[static_cast<std::size_t>(
                nivelInfluencia(g_.distanciaCook(k), g_.nActivos))];
            anillo.setBorderColor(c);
        }
        anillo.setVisible(!std::isnan(radio));
    }
    // The fit without the dragged point, across the plot like the fitted line.
    Line& sin = i_->Line18;
    if (arrastrado >= 1 && arrastrado <= g_.nPuntos && g_.activo(arrastrado) == 1) {
        const Segmento s = rectaAjustada(g_, g_.aSin, g_.bSin);
        sin.setExtremos(s.x1, s.y1, s.x2, s.y2);
        sin.setVisible(s.visible);
    } else {
        sin.setVisible(false);
    }
}

QString mostrar::textoInfluencia(Integer k) const {
    const auto f = [this](Single v, Formato formato) {
        return QString::fromStdString(formatear(v, formato, punto_));
    };
    return QStringLiteral("Punto %1: x = %2, y = %3, residuo = %4, residuo estandarizado = %5, "
                          "apalancamiento = %6, distancia de Cook = %7")
        .arg(k)
        .arg(f(g_.xObs(k), Formato::Entero), f(g_.yObs(k), Formato::Entero),
             f(g_.residuo(k), Formato::DosDecimales),
             f(g_.residuoEstandarizado(k), Formato::DosDecimales),
             f(g_.apalancamiento(k), Formato::TresDecimales),
             f(g_.distanciaCook(k), Formato::TresDecimales));
}

} // namespace rectaviva
