// The influence view: its toggle, rings, dashed line and tooltip.
#include "vista_influencia.h"

#include "Calculos.h"
#include "Form1.h"
#include "Grafico.h"
#include "colores.h"
#include "composicion.h"
#include "paneles_idioma.h"

namespace rectaviva {

QString ControlesInfluencia::textoInfluencia(Integer k) const {
    return vistaInfluencia_->texto(k);
}

VistaInfluencia::VistaInfluencia(Form1& f) : f_(f), g_(f.g), c_(f) {
    c_.vistaInfluencia_ = this;
}

void VistaInfluencia::componerMenu(Menu& ver) {
    c_.mnuInf = new Menu(ver, QStringLiteral("mnuInf"), FUENTE("influencia", "Influencia"));
    c_.mnuInf->setCheckable(true);
    QObject::connect(c_.mnuInf, &Menu::Click, &f_, [this] { alternar(); });
}

void VistaInfluencia::componerPlano(Capa capa) {
    if (capa == Capa::BajoMarcadores) {
        for (int k = 1; k <= maxPuntos; ++k) {
            Shape* a = f_.Picture1->agregarShape(nombre("Shape9", k));
            a->setForma(Shape::Forma::Circulo);
            a->setFillColor(colorHueco);
            a->setBorderWidth(2);
            a->setVisible(false);
            c_.Shape9.agregar(k, a);
        }
        c_.Line18 = linea(*f_.Picture1, QStringLiteral("Line18"), 0, 0, 0, 0, colorSinPunto, 2);
        c_.Line18->setBorderStyle(Line::Trazo::Guiones);
        c_.Line18->setVisible(false);
    } else if (capa == Capa::SobreMarcadores) {
        c_.Rotulos9 = f_.Picture1->agregarRotulos(QStringLiteral("Rotulos9"));
        c_.Rotulos9->setVisible(false);
    } else if (capa == Capa::Controles) {
        // The sheet's icon shows beside the plot's own while the view is on.
        ayuda(f_.Picture1, f_.Image2, laminaDeVista.indice, 420, 120)->setVisible(false);
    }
}

void VistaInfluencia::cargar(mostrar& m) {
    pantalla_ = std::make_unique<PantallaInfluencia>(
        PantallaInfluencia{c_.Shape9, *c_.Line18, *c_.Rotulos9, *f_.Nube1});
    dibujo_ = std::make_unique<PresentacionInfluencia>(g_, m, *pantalla_);
}

// Independent of the panel under the plot: rings by Cook's distance, the
// dashed fit without a dragged point, and the tooltips.
void VistaInfluencia::alternar() {
    if (g_.influenciaActiva == 1) {
        dejar();
        return;
    }
    g_.influenciaActiva = 1;
    c_.mnuInf->accion()->setChecked(true);
    f_.Image2(laminaDeVista.indice).setVisible(true);
    f_.Picture1->setTextoAyuda([this](double x, double y) {
        const Single X = static_cast<Single>(x), Y = static_cast<Single>(y);
        const Integer k =
            enNube(g_) ? puntoBajoRaton(*f_.Nube1, g_, X, Y) : puntoBajoRaton(f_.Shape1, g_, X, Y);
        return k == 0 ? QString() : dibujo_->textoInfluencia(k);
    });
    if (f_.existeMuestra()) {
        trasAjuste();
        dibujo_->mostrarInfluencia(tomado_);
    }
}

void VistaInfluencia::dejar() {
    if (g_.influenciaActiva != 1) {
        return;
    }
    g_.influenciaActiva = 0;
    c_.mnuInf->accion()->setChecked(false);
    f_.Image2(laminaDeVista.indice).setVisible(false);
    dibujo_->ocultarInfluencia();
    f_.Picture1->setTextoAyuda(nullptr);
    f_.Picture3(laminaDeVista.indice).setVisible(false);
}

// The tooltip reads the residuals, which the engine computes while this
// view or the residual view is on.
void VistaInfluencia::trasAjuste() {
    Calculos& c = *g_.oCalculos;
    c.residuos();
    c.influencia();
    if (tomado_ != 0) {
        c.ajusteSin(tomado_);
    }
}

void VistaInfluencia::mostrarVista() {
    dibujo_->mostrarInfluencia(tomado_);
}

// The fit without the held point shows at once, and goes at the release.
void VistaInfluencia::puntoTomado(Integer k) {
    if (k == 0 && tomado_ == 0) {
        return;
    }
    tomado_ = k;
    if (k != 0) {
        g_.oCalculos->ajusteSin(k);
    }
    dibujo_->mostrarInfluencia(tomado_);
}

void VistaInfluencia::nombrarControles() {
    traducirNombresDeLaminas(f_, *this);
}

} // namespace rectaviva
