// The residual view: segments and squares over the plot, the residual plot,
// the decomposition of the variation and the residual sums.
#include "residuos.h"
#include "Grafico.h"

#include "escala.h"

#include "cuadricula.h"
#include "redondeo.h"

#include <cmath>
#include <limits>

namespace rectaviva {

namespace {

// A residual marker's diameter, in pixels of the residual plot.
constexpr double pixelesMarca = 6;

} // namespace

void ponerMarcasResiduos(const Globales& g, PictureBox& plano, Matriz<Shape>& marcas, Single limite,
                         const std::function<QColor(Integer)>& color) {
    const Escala e = plano.escala();
    const Single w = S(e.anchoDesdePixeles(pixelesMarca));
    const Single h = S(e.altoDesdePixeles(pixelesMarca));
    for (int k = 1; k <= maxPuntos; ++k) {
        Shape& s = marcas(k);
        // A cloud's residuals are one cloud of their own (ubicarNubeResiduos).
        const MarcaResiduo marca = k <= g.nPuntos && !enNube(g)
                                       ? marcaResiduo(g, g.xObs(k), g.residuo(k), w, h, limite)
                                       : MarcaResiduo{};
        if (marca.visible) {
            s.Move(marca.esquina.left, marca.esquina.top, w, h);
            s.setForma(marca.fuera > 0   ? Shape::Forma::TrianguloArriba
                       : marca.fuera < 0 ? Shape::Forma::TrianguloAbajo
                                         : Shape::Forma::Circulo);
            const bool activo = g.activo(k) == 1;
            const QColor c = color(static_cast<Integer>(k));
            s.setFillColor(activo ? c : colorHueco);
            s.setBorderColor(activo ? c : colorEliminado);
        }
        s.setVisible(marca.visible);
    }
}

void PresentacionResiduos::colorearResiduo(Integer k) {
    if (k < 1 || k > maxPuntos) {
        return;
    }
    p_.Line15(k).setBorderColor(m_.pantalla().Shape1(k).FillColor() == colorElegido ? colorElegido
                                                                                    : colorResiduo);
}

void PresentacionResiduos::ocultarResiduos() {
    for (int k = 1; k <= maxPuntos; ++k) {
        p_.Line15(k).setVisible(false);
        m_.ponerCuadrado(static_cast<Integer>(k), Segmento{}, false);
    }
}

void PresentacionResiduos::mostrarResiduos() {
    if (g_.residuosActivos != 1) {
        return;
    }
    PantallaResiduos& r = p_;
    const bool cuadrados = r.Check1.Value();
    for (int k = 1; k <= maxPuntos; ++k) {
        // A cloud draws no segment per point: a few hundred would hide the plot.
        const bool enUso =
            k <= g_.nPuntos && !enNube(g_) && g_.activo(k) == 1 && !std::isnan(g_.residuo(k));
        Segmento s;
        if (enUso) {
            s = m_.segmentoDelPunto(static_cast<Integer>(k), g_.intercepto, g_.pendiente);
            r.Line15(k).setExtremos(s.x1, s.y1, s.x2, s.y2);
            colorearResiduo(static_cast<Integer>(k));
        }
        r.Line15(k).setVisible(s.visible);
        m_.ponerCuadrado(static_cast<Integer>(k), s, cuadrados);
    }

    // The residual plot: points in use filled, deleted points hollow.
    ponerMarcasResiduos(g_, r.Picture4, r.Shape6, S(residuoMaximo * D(unidadY(g_))),
                        [](Integer) { return colorPuntoActivo; });

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
    m_.ponerEnUnidades(r.Text5(0), g_.SCReg, Formato::UnDecimal);
    m_.ponerEnUnidades(r.Text5(1), g_.SCErr, Formato::UnDecimal);
    m_.ponerEnUnidades(r.Text5(2), g_.SCTot, Formato::UnDecimal);
    m_.ponerValor(r.Text5(3), g_.R2, Formato::Entero);
    m_.ponerEnUnidades(r.Text5(4), g_.sumaResiduos, Formato::DosDecimales);
    m_.ponerEnUnidades(r.Text5(5), g_.sumaCuadradosResiduos, Formato::UnDecimal);
}

} // namespace rectaviva
