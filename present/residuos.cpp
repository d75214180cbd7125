// The residual view: segments and squares over the plot, the residual plot,
// the decomposition of the variation and the residual sums.
#include "residuos.h"
#include "Grafico.h"
#include "destacados.h"

#include "escala.h"

#include "cuadricula.h"
#include "redondeo.h"

#include <algorithm>
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

void PresentacionResiduos::colorearSegmento(std::size_t j) {
    const Integer k = mayores_[j - 1];
    p_.Line15(static_cast<int>(j))
        .setBorderColor(p_.Nube1.resaltado() == k ? colorElegido : colorResiduo);
}

void PresentacionResiduos::colorearResiduo(Integer k) {
    if (enNube(g_)) {
        for (std::size_t j = 1; j <= mayores_.size(); ++j) {
            colorearSegmento(j);
        }
        return;
    }
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
    p_.Nube4.setVisible(false);
    p_.Rotulos15.setVisible(false);
    mayores_.clear();
}

void PresentacionResiduos::mostrarResiduos() {
    if (g_.residuosActivos != 1) {
        return;
    }
    PantallaResiduos& r = p_;
    if (enNube(g_)) {
        mostrarEnNube(mayoresResiduos(g_, residuosDestacados));
    } else {
        r.Nube4.setVisible(false);
        r.Rotulos15.setVisible(false);
        mayores_.clear();
        const bool cuadrados = r.Check1.Value();
        for (int k = 1; k <= maxPuntos; ++k) {
            const bool enUso = k <= g_.nPuntos && g_.activo(k) == 1 && !std::isnan(g_.residuo(k));
            Segmento s;
            if (enUso) {
                s = m_.segmentoDelPunto(static_cast<Integer>(k), g_.intercepto, g_.pendiente);
                r.Line15(k).setExtremos(s.x1, s.y1, s.x2, s.y2);
                colorearResiduo(static_cast<Integer>(k));
            }
            r.Line15(k).setVisible(s.visible);
            m_.ponerCuadrado(static_cast<Integer>(k), s, cuadrados);
        }
        // The residual plot: points in use filled, deleted points hollow;
        // the marks a cloud ringed are plain ones again.
        for (int j = 1; j <= residuosDestacados; ++j) {
            r.Shape6(j).setBorderWidth(1);
        }
        ponerMarcasResiduos(g_, r.Picture4, r.Shape6, S(residuoMaximo * D(unidadY(g_))),
                            [](Integer) { return colorPuntoActivo; });
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
    m_.ponerEnUnidades(r.Text5(0), g_.SCReg, Formato::UnDecimal);
    m_.ponerEnUnidades(r.Text5(1), g_.SCErr, Formato::UnDecimal);
    m_.ponerEnUnidades(r.Text5(2), g_.SCTot, Formato::UnDecimal);
    m_.ponerValor(r.Text5(3), g_.R2, Formato::Entero);
    m_.ponerEnUnidades(r.Text5(4), g_.sumaResiduos, Formato::DosDecimales);
    m_.ponerEnUnidades(r.Text5(5), g_.sumaCuadradosResiduos, Formato::UnDecimal);
}

// A cloud draws no segment or square per point (a few hundred would hide the
// plot): segments 1..5 go to the largest residuals, each with its row number,
// whose marks stand out among the residuals' cloud under the plot.
void PresentacionResiduos::mostrarEnNube(const std::vector<Integer>& mayores) {
    PantallaResiduos& r = p_;
    mayores_ = mayores;
    const Single limite = S(residuoMaximo * D(unidadY(g_)));
    const Escala e = r.Picture4.escala();
    // Each largest residual ringed in the segments' colour around its dot.
    const Single w = S(e.anchoDesdePixeles(pixelesMarca + 4));
    const Single h = S(e.altoDesdePixeles(pixelesMarca + 4));
    // Where the plot draws point k: its cloud's copy follows a drag.
    const auto dibujado = [&r, this](Integer k) {
        return k <= r.Nube1.cantidad() ? r.Nube1.punto(k) : QPointF(g_.xObs(k), g_.yObs(k));
    };
    std::vector<Rotulos::Rotulo> rotulos;
    for (int j = 1; j <= maxPuntos; ++j) {
        const std::size_t i = static_cast<std::size_t>(j);
        const Integer k = i <= mayores.size() ? mayores[i - 1] : 0;
        Segmento s;
        MarcaResiduo marca;
        if (k != 0) {
            const QPointF c = dibujado(k);
            s = segmentoResiduo(S(c.x()), S(c.y()), g_.intercepto, g_.pendiente);
            r.Line15(j).setExtremos(s.x1, s.y1, s.x2, s.y2);
            colorearSegmento(i);
            rotulos.push_back({c, QString::number(k)});
            marca = marcaResiduo(g_, g_.xObs(k), g_.residuo(k), w, h, limite);
        }
        r.Line15(j).setVisible(s.visible);
        m_.ponerCuadrado(static_cast<Integer>(j), Segmento{}, false);
        Shape& m = r.Shape6(j);
        if (marca.visible) {
            m.Move(marca.esquina.left, marca.esquina.top, w, h);
            m.setForma(marca.fuera > 0   ? Shape::Forma::TrianguloArriba
                       : marca.fuera < 0 ? Shape::Forma::TrianguloAbajo
                                         : Shape::Forma::Circulo);
            m.setFillColor(colorHueco);
            m.setBorderColor(colorResiduo);
            m.setBorderWidth(2);
        }
        m.setVisible(marca.visible);
    }
    r.Rotulos15.setColor(colorRotulo);
    r.Rotulos15.setRotulos(std::move(rotulos));
    r.Rotulos15.setVisible(true);

    // Every residual at its x, kept within the plot's edges; none without a fit.
    std::vector<QPointF> puntos(static_cast<std::size_t>(g_.nPuntos));
    std::vector<std::uint8_t> eliminado(puntos.size());
    bool conAjuste = true;
    for (Integer k = 1; k <= g_.nPuntos; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        conAjuste = conAjuste && !std::isnan(g_.residuo(k));
        puntos[i] = QPointF(std::clamp(g_.xObs(k), g_.xMin, g_.xMax),
                            std::clamp(g_.residuo(k), -limite, limite));
        eliminado[i] = g_.activo(k) == 1 ? 0 : 1;
    }
    r.Nube4.setColores(colorPuntoActivo, colorEliminado);
    r.Nube4.setPuntos(std::move(puntos), std::move(eliminado));
    r.Nube4.setResaltado(r.Nube1.resaltado(), colorElegido);
    r.Nube4.setVisible(conAjuste);
}

} // namespace rectaviva
