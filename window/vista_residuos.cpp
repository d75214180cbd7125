// The residual view: its menu entry, segments, panel and names.
#include "vista_residuos.h"

#include "Calculos.h"
#include "Form1.h"
#include "Grafico.h"
#include "colores.h"
#include "composicion.h"
#include "cuadrados_nube.h"
#include "cuadricula.h"
#include "escala.h"
#include "paneles_idioma.h"
#include "redondeo.h"

#include <array>
#include <cmath>

namespace rectaviva {

void ControlesResiduos::Check1_Click() {
    vistaResiduos_->alMarcarCuadrados();
}

VistaResiduos::VistaResiduos(Form1& f) : f_(f), g_(f.g), c_(f) {
    c_.vistaResiduos_ = this;
}

void VistaResiduos::componerMenu(Menu& ver) {
    c_.mnuRes = new Menu(ver, QStringLiteral("mnuRes"), FUENTE("residuos", "Residuos"));
    QObject::connect(c_.mnuRes, &Menu::Click, &f_, [this] { entrar(); });
}

void VistaResiduos::componerPlano(Capa capa) {
    if (capa == Capa::SobreMarcadores) {
        c_.Rotulos15 = f_.Picture1->agregarRotulos(QStringLiteral("Rotulos15"));
        c_.Rotulos15->setVisible(false);
    }
    if (capa != Capa::BajoMarcadores) {
        return;
    }
    for (int k = 1; k <= maxPuntos; ++k) {
        Line* l = linea(*f_.Picture1, nombre("Line15", k), 0, 0, 0, 0, colorResiduo, 2);
        // Its ends lie under the marker and the fitted line: square ones look
        // the same and cost less.
        l->setExtremo(Line::Extremo::Cuadrado);
        l->setVisible(false);
        c_.Line15.agregar(k, l);
    }
}

// The residual plot across the panel's width (which the layout makes the
// plot's, so each residual sits under its point), the decomposition of the
// variation on the left, the residual sums on the right.
void VistaResiduos::componerPanel() {
    Frame* panel = new Frame(f_.Cliente, QStringLiteral("Frame7"));
    c_.Frame7 = panel;
    panel->Move(3000, 10200, 6975, 2775);
    crearLabelsTraducidos(
        panel, c_.Label6, "Label6", "residuos",
        {{QT_TRANSLATE_NOOP("residuos", "Residuos"), 2520, 30, 2775, 330, cen, 11.25, true},
         {QT_TRANSLATE_NOOP("residuos", "SCTot = SCReg + SCErr"), 120, 1640, 2820, 255, izq, 9,
          false},
         {QT_TRANSLATE_NOOP("residuos", "SCReg"), 120, 2160, 615, 255, izq, 9, false},
         {QT_TRANSLATE_NOOP("residuos", "SCErr"), 1620, 2160, 540, 255, izq, 9, false},
         {QT_TRANSLATE_NOOP("residuos", "SCTot"), 120, 2480, 615, 255, izq, 9, false},
         {"R²", 1620, 2480, 540, 255, izq, 9, false},
         {"%", 2790, 2480, 255, 255, izq, 9, false},
         {QT_TRANSLATE_NOOP("residuos", "Suma de residuos"), 3000, 1680, 3000, 255, der, 9, false},
         {QT_TRANSLATE_NOOP("residuos", "Suma de cuadrados de residuos"), 3000, 2020, 3000, 255,
          der, 9, false}});
    c_.Picture4 = new PictureBox(panel, QStringLiteral("Picture4"));
    c_.Picture4->Move(0, 390, 7185, 1200);
    c_.Picture4->setPintorFondo(pintarCuadriculaResiduos);
    // A cloud's residuals, under the marks of the largest ones.
    c_.Nube4 = c_.Picture4->agregarNube(QStringLiteral("Nube4"));
    c_.Nube4->setVisible(false);
    for (int k = 1; k <= maxPuntos; ++k) {
        Shape* s = c_.Picture4->agregarShape(nombre("Shape6", k));
        s->setForma(Shape::Forma::Circulo);
        s->setVisible(false);
        c_.Shape6.agregar(k, s);
    }
    const std::array<QColor, 3> partes{colorRegresion, colorResiduo, colorHueco};
    for (int k = 0; k < 3; ++k) {
        Shape* s = panel->agregarShape(nombre("Shape7", k));
        s->Move(120, 1900, 2700, 210);
        s->setFillColor(partes[static_cast<std::size_t>(k)]);
        s->setBorderColor(k == 2 ? colorBorde : partes[static_cast<std::size_t>(k)]);
        c_.Shape7.agregar(k, s);
    }
    crearCajas(panel, c_.Text5, "Text5", 9,
               {{720, 2160, 855, 300},
                {2160, 2160, 795, 300},
                {720, 2480, 855, 300},
                {2160, 2480, 615, 300},
                {6120, 1640, 855, 300},
                {6120, 1980, 855, 300}});
    c_.Check1 = new CheckBox(panel, QStringLiteral("Check1"));
    traducirTitulo(*c_.Check1, FUENTE("residuos", "Cuadrados"));
    // Named apart from the other views' boxes "Cuadrados" for a screen reader.
    traducirNombre(*c_.Check1, FUENTE("residuos", "Cuadrados de los residuos"));
    c_.Check1->setFont(fuente(9));
    c_.Check1->Move(5400, 2400, 1575, 300);
    QObject::connect(c_.Check1, &CheckBox::Click, &f_, [this] { c_.Check1_Click(); });
    ayuda(panel, f_.Image2, laminaDeVista.indice, 6840, 0);
    // Like every panel of the slot but the prediction's, it turns the
    // prediction view off; leaving it ends the view.
    f_.ranura().agregar(*panel, [this] { dejar(); });
}

void VistaResiduos::cargar(mostrar& m) {
    pantalla_ = std::make_unique<PantallaResiduos>(
        PantallaResiduos{c_.Line15, *c_.Picture4, c_.Shape6, c_.Shape7, c_.Text5, *c_.Check1,
                         *c_.Nube4, *c_.Rotulos15, *f_.Nube1});
    dibujo_ = std::make_unique<PresentacionResiduos>(g_, m, *pantalla_);
}

// The panel takes the colours of the lower panels.
void VistaResiduos::ajustar() {
    colorearPanel(*c_.Frame7, colorPanelInferior);
    c_.Frame7->setVisible(false);
    c_.Picture4->Scale(g_.xMin, residuoMaximo, g_.xMax, -residuoMaximo);
}

// The residual plot follows the plot's range: the same verticals, and
// residuals within the same share of the y range as on the design's grid.
void VistaResiduos::nuevaMuestra() {
    const double maximo = residuoMaximo * D(unidadY(g_));
    c_.Picture4->Scale(g_.xMin, maximo, g_.xMax, -maximo);
    ajustarCasillaCuadrados(*c_.Check1, enNube(g_));
    if (g_.datosCargados != 1) {
        if (conDatos_) {
            conDatos_ = false;
            c_.Picture4->setPintorFondo(pintarCuadriculaResiduos);
        }
        return;
    }
    conDatos_ = true;
    const EjeCuadricula x = ejeCuadricula(g_.ejeX, std::string());
    // The labels at half the range, with up to three decimals more than the
    // y axis when they need them to be written exactly.
    const int dy = g_.ejeY.decimales;
    int decimales = dy;
    for (double medio = maximo / 2 * std::pow(10.0, dy);
         decimales < dy + 3 && std::fabs(medio - std::round(medio)) > 1e-6 * std::fabs(medio);
         medio *= 10) {
        ++decimales;
    }
    c_.Picture4->setPintorFondo([x, maximo, decimales](QPainter& p, const QRectF& r) {
        pintarCuadriculaResiduosDe(p, r, x, maximo, decimales);
    });
}

// The residual plot spans the plot's width, so each residual sits under its point.
void VistaResiduos::distribuir() {
    c_.Picture4->setWidth(f_.Picture1->Width());
}

void VistaResiduos::entrar() {
    f_.ranura().mostrar(*c_.Frame7);
    g_.residuosActivos = 1;
    if (f_.existeMuestra()) {
        g_.oCalculos->residuos();
        dibujo_->mostrarResiduos();
    }
}

void VistaResiduos::dejar() {
    if (g_.residuosActivos == 1) {
        g_.residuosActivos = 0;
        dibujo_->ocultarResiduos();
    }
}

void VistaResiduos::trasAjuste() {
    g_.oCalculos->residuos();
}

void VistaResiduos::mostrarVista() {
    dibujo_->mostrarResiduos();
}

void VistaResiduos::puntoColoreado(Integer k) {
    dibujo_->colorearResiduo(k);
}

void VistaResiduos::alMarcarCuadrados() {
    if (f_.existeMuestra()) {
        dibujo_->mostrarResiduos();
    }
}

void VistaResiduos::nombrarControles() {
    static constexpr std::array<const char*, 6> nombres{
        QT_TRANSLATE_NOOP("residuos", "SCReg"),
        QT_TRANSLATE_NOOP("residuos", "SCErr"),
        QT_TRANSLATE_NOOP("residuos", "SCTot"),
        QT_TRANSLATE_NOOP("residuos", "R², en %"),
        QT_TRANSLATE_NOOP("residuos", "Suma de residuos"),
        QT_TRANSLATE_NOOP("residuos", "Suma de cuadrados de residuos")};
    for (int k = 0; k < 6; ++k) {
        traducirNombre(c_.Text5(k), Fuente{"residuos", nombres[static_cast<std::size_t>(k)]});
    }
    traducirNombre(*c_.Picture4, FUENTE("residuos", "Gráfico de residuos"));
    traducirNombre(*c_.Frame7, FUENTE("residuos", "Residuos"));
    traducirNombresDeLaminas(f_, *this);
}

} // namespace rectaviva
