// "Mi recta": its menu entry, the own line and its handles, the panel, the
// handles' drag by the mouse and by the keyboard, and the names.
#include "vista_mirecta.h"

#include "Calculos.h"
#include "Form1.h"
#include "Grafico.h"
#include "colores.h"
#include "composicion.h"
#include "cuadrados_nube.h"
#include "escala.h"
#include "mostrar.h"
#include "paneles_idioma.h"
#include "redondeo.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

// The handles as the keyboard sees them: item 0 the left one, 1 the right
// one, raised and lowered like a mouse drag of them.
class AsasMiRecta : public Asideros {
public:
    AsasMiRecta(Globales& g, ControlesMiRecta& c, VistaMiRecta& v) : g_(g), c_(c), v_(v) {}

    int cantidad() const override { return g_.miRectaActiva == 1 ? 2 : 0; }
    Single x(int i) const override { return xAsa(g_, i); }
    QRectF zona(int i) const override {
        const Shape& s = c_.Shape8(i);
        return {s.Left(), s.Top(), s.Width(), s.Height()};
    }
    void resaltar(int i, bool elegido) override {
        colorearMarcador(c_.Shape8(i), elegido ? colorElegido : colorMiRecta);
    }
    // Held like a point in a drag, so that a mouse press or a new sample ends it.
    void tomar(int i) override {
        yTomada_ = g_.yAsa(i);
        g_.arrastrando = -1;
    }
    void mover(int i, Single, Single dy) override {
        g_.yAsa(i) = std::clamp(S(D(g_.yAsa(i)) + D(dy)), static_cast<Single>(g_.yMin),
                                static_cast<Single>(g_.yMax));
        v_.serie();
    }
    void soltar(int i, bool devolver) override {
        g_.arrastrando = 0;
        if (devolver) {
            g_.yAsa(i) = yTomada_;
            v_.serie();
        }
    }
    QString nombre(int i) const override { return titulo(i) + QStringLiteral(": ") + valor(i); }
    QString titulo(int i) const override {
        return i == 0 ? QCoreApplication::translate("mirecta", "Asa izquierda de mi recta")
                      : QCoreApplication::translate("mirecta", "Asa derecha de mi recta");
    }
    bool femenino() const override { return true; }
    // Said as the list says a point's y.
    QString valor(int i) const override {
        return QStringLiteral("y %1").arg(
            QString::fromStdString(g_.oMostrar->textoCoordenada(g_.yAsa(i), false)));
    }

private:
    Globales& g_;
    ControlesMiRecta& c_;
    VistaMiRecta& v_;
    Single yTomada_ = 0;
};

} // namespace

void ControlesMiRecta::Check2_Click() {
    vistaMiRecta_->alMarcarCuadrados();
}

void ControlesMiRecta::Label7_Click(Integer Index) {
    vistaMiRecta_->alElegir(Index);
}

VistaMiRecta::VistaMiRecta(Form1& f)
    : f_(f), g_(f.g), c_(f), asas_(std::make_unique<AsasMiRecta>(g_, c_, *this)) {
    c_.vistaMiRecta_ = this;
}

VistaMiRecta::~VistaMiRecta() = default;

void VistaMiRecta::componerMenu(Menu& ver) {
    c_.mnuMia = new Menu(ver, QStringLiteral("mnuMia"), FUENTE("mirecta", "Mi recta"));
    QObject::connect(c_.mnuMia, &Menu::Click, &f_, [this] { entrar(); });
}

// The own line and the line of standard deviations under the markers,
// hidden until the mode is on; the handles over them, which still take a
// press first.
void VistaMiRecta::componerPlano(Capa capa) {
    if (capa == Capa::BajoMarcadores) {
        c_.Line16 = linea(*f_.Picture1, QStringLiteral("Line16"), 0, 0, 0, 0, colorMiRecta, 3);
        c_.Line16->setVisible(false);
        c_.Line17 = linea(*f_.Picture1, QStringLiteral("Line17"), 0, 0, 0, 0, colorDesviaciones, 2);
        c_.Line17->setBorderStyle(Line::Trazo::Guiones);
        c_.Line17->setVisible(false);
    } else if (capa == Capa::SobreMarcadores) {
        for (int k = 0; k <= 1; ++k) {
            Shape* s = f_.Picture1->agregarShape(nombre("Shape8", k));
            s->setForma(Shape::Forma::Circulo);
            s->setFillColor(colorMiRecta);
            s->setBorderColor(colorBorde);
            s->setVisible(false);
            c_.Shape8.agregar(k, s);
        }
    }
}

// The panel: the own line's equation and sum of squares on the left, the
// command that shows the least-squares line (or the one that hides it
// again) on the right, and under them the comparison.
void VistaMiRecta::componerPanel() {
    Frame* panel = new Frame(f_.Cliente, QStringLiteral("Frame8"));
    c_.Frame8 = panel;
    panel->Move(3000, 10200, 6975, 2775);
    crearLabelsTraducidos(
        panel, c_.Label7, "Label7", "mirecta",
        {{QT_TRANSLATE_NOOP("mirecta", "Mi recta"), 2520, 30, 2775, 330, cen, 11.25, true},
         {"ŷ = a + b x", 120, 420, 4000, 330, izq, 11.25, true},
         {QT_TRANSLATE_NOOP("mirecta", "Suma de cuadrados de mi recta"), 120, 840, 3000, 255, der,
          9, false},
         {QT_TRANSLATE_NOOP("mirecta", "SCErr de mínimos cuadrados"), 120, 1200, 3000, 255, der, 9,
          false},
         {"", 120, 1540, 6735, 480, izq, 9, true},
         {QT_TRANSLATE_NOOP("mirecta",
                            "La recta de mínimos cuadrados es menos empinada que la de las "
                            "desviaciones estándar cuando |r| < 1: es el efecto de regresión. "
                            "Muchas rectas trazadas a ojo siguen la segunda."),
          120, 2040, 6735, 720, izq, 9, false},
         {QT_TRANSLATE_NOOP("mirecta", "Mostrar la recta de mínimos cuadrados"), 4320, 780, 2535,
          540, izq, 9, false},
         {QT_TRANSLATE_NOOP("mirecta", "Probar otra vez"), 4320, 780, 2535, 300, izq, 9, false}});
    c_.Label7(efectoRegresion).setWordWrap(true);
    c_.Label7(comparacionMiRecta).setWordWrap(true);
    for (int k : {mostrarMinimos, probarOtraVez}) {
        Label& l = c_.Label7(k);
        l.setWordWrap(true);
        l.setForeColor(colorEnlace);
        QFont f = fuente(9, true);
        f.setUnderline(true);
        l.setFont(f);
        l.setCursor(Qt::PointingHandCursor);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(&l, &Label::Click, &f_, [this, i] { c_.Label7_Click(i); });
    }
    crearCajas(panel, c_.Text6, "Text6", 9, {{3240, 810, 855, 300}, {3240, 1170, 855, 300}});
    c_.Check2 = new CheckBox(panel, QStringLiteral("Check2"));
    traducirTitulo(*c_.Check2, FUENTE("mirecta", "Cuadrados"));
    // Named apart from the other boxes "Cuadrados" for a screen reader.
    traducirNombre(*c_.Check2, FUENTE("mirecta", "Cuadrados de mi recta"));
    c_.Check2->setFont(fuente(9));
    c_.Check2->Move(4320, 420, 1575, 300);
    QObject::connect(c_.Check2, &CheckBox::Click, &f_, [this] { c_.Check2_Click(); });
    ayuda(panel, f_.Image2, laminaDeVista.indice, 6840, 0);
    // Like every panel of the slot but the prediction's, it turns the
    // prediction view off; leaving it ends the mode.
    f_.ranura().agregar(*panel, [this] { dejar(); });
}

void VistaMiRecta::cargar(mostrar& m) {
    pantalla_ = std::make_unique<PantallaMiRecta>(
        PantallaMiRecta{*c_.Line16, *c_.Line17, c_.Shape8, c_.Label7, c_.Text6, *c_.Check2});
    dibujo_ = std::make_unique<PresentacionMiRecta>(g_, m, *pantalla_);
}

// The panel takes the colours of the lower panels.
void VistaMiRecta::ajustar() {
    colorearPanel(*c_.Frame8, colorPanelInferior);
    c_.Frame8->setVisible(false);
}

void VistaMiRecta::entrar() {
    f_.ranura().mostrar(*c_.Frame8);
    if (g_.miRectaActiva != 1) {
        g_.miRectaActiva = 1;
        f_.agregarAsideros(*asas_);
        empezar();
    }
}

// Leaving the mode leaves the fitted line and its boxes as though it had
// never been on.
void VistaMiRecta::jugarReto() {
    if (g_.miRectaActiva != 1) {
        g_.miRectaActiva = 1;
        f_.agregarAsideros(*asas_);
    }
    empezar();
}

void VistaMiRecta::revelarReto() {
    if (g_.miRectaActiva == 1 && f_.existeMuestra()) {
        g_.miRectaRevelada = 1;
        dibujar();
    }
}

void VistaMiRecta::dejar() {
    if (g_.miRectaActiva == 1) {
        f_.quitarAsideros(*asas_);
        g_.miRectaActiva = 0;
        g_.miRectaRevelada = 0;
        g_.asaTomada = 0;
        dibujo_->dejarMiRecta();
        bandasSegunRespuesta();
    }
}

void VistaMiRecta::empezar() {
    ajustarCasillaCuadrados(*c_.Check2, enNube(g_));
    if (g_.miRectaActiva != 1 || !f_.existeMuestra()) {
        return;
    }
    g_.miRectaRevelada = 0;
    g_.asaTomada = 0;
    const Single y =
        std::clamp(g_.mediaY, static_cast<Single>(g_.yMin), static_cast<Single>(g_.yMax));
    g_.yAsa(0) = y;
    g_.yAsa(1) = y;
    serie();
}

// The own line after its handles moved: its intercept and slope from the
// handles, its sum of squares, its display. The fit stands.
void VistaMiRecta::serie() {
    const Recta r = rectaPorAsas(g_);
    g_.aMiRecta = r.a;
    g_.bMiRecta = r.b;
    g_.oCalculos->sumaCuadradosRecta(g_.aMiRecta, g_.bMiRecta);
    dibujar();
}

void VistaMiRecta::trasAjuste() {
    g_.oCalculos->sumaCuadradosRecta(g_.aMiRecta, g_.bMiRecta);
}

void VistaMiRecta::mostrarVista() {
    dibujar();
}

void VistaMiRecta::dibujar() {
    dibujo_->mostrarMiRecta();
    bandasSegunRespuesta();
}

// The bands are drawn about the least-squares line: while it is hidden they
// are too, and their entry waits; they come back with the answer.
void VistaMiRecta::bandasSegunRespuesta() {
    const bool oculta = g_.miRectaActiva == 1 && g_.miRectaRevelada != 1;
    f_.mnuBan->setEnabled(!oculta);
    if (g_.bandasActivas != 1) {
        return;
    }
    g_.oMostrar->verBandas(!oculta);
    if (!oculta && f_.existeMuestra()) {
        g_.oCalculos->bandas();
        g_.oMostrar->mostrarBandas();
    }
}

// A left press that picks no point may take a handle; it moves through the
// drag timer like a point.
bool VistaMiRecta::tomarEnPlano(Single x, Single y) {
    const Integer asa = asaBajoRaton(c_.Shape8, x, y);
    if (asa == 0) {
        return false;
    }
    g_.asaTomada = asa;
    return true;
}

// One drag step of a handle: that end of the own line goes to the mouse's
// height, kept inside the plot; the other end stays.
void VistaMiRecta::pasoDeArrastre() {
    if (g_.miRectaActiva != 1 || !f_.existeMuestra()) {
        g_.asaTomada = 0;
        f_.Timer1->setEnabled(false);
        return;
    }
    g_.yAsa(g_.asaTomada - 1) =
        std::clamp(g_.yRaton, static_cast<Single>(g_.yMin), static_cast<Single>(g_.yMax));
    serie();
}

void VistaMiRecta::alMarcarCuadrados() {
    if (f_.existeMuestra()) {
        dibujar();
    }
}

void VistaMiRecta::alElegir(Integer Index) {
    if (g_.miRectaActiva != 1 || !f_.existeMuestra()) {
        return;
    }
    if (Index == mostrarMinimos) {
        g_.miRectaRevelada = 1;
        dibujar();
    } else {
        empezar();
    }
}

void VistaMiRecta::nombrarControles() {
    traducirNombre(c_.Text6(0), FUENTE("mirecta", "Suma de cuadrados de mi recta"));
    traducirNombre(c_.Text6(1),
                   FUENTE("mirecta", "Suma de cuadrados de la recta de mínimos cuadrados"));
    traducirNombre(*c_.Frame8, FUENTE("mirecta", "Mi recta"));
    traducirNombresDeLaminas(f_, *this);
}

} // namespace rectaviva
