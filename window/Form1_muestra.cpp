// Form1's sample and settings: generation, the size entry, the level and
// prediction entries, the view menu and the explanation sheets.
#include "Form1.h"

#include "Grafico.h"
#include "lectura.h"
#include "redondeo.h"

#include <algorithm>

namespace rectaviva {

namespace {

// Clamps a level or an abscissa read from an entry; an infinite reading
// (a number too long for a double) takes the nearest end like any other.
Single acotar(double v, double minimo, double maximo) {
    if (v < minimo) {
        return static_cast<Single>(minimo);
    }
    if (v > maximo) {
        return static_cast<Single>(maximo);
    }
    return static_cast<Single>(v);
}

} // namespace

bool Form1::existeMuestra() const {
    return g.nPuntos >= minActivos && g.nActivos >= minActivos;
}

void Form1::setGenerador(std::unique_ptr<Generador> azar) {
    azar_ = std::move(azar);
}

// ---------------------------------------------------------------------------
// Generation and the size entry.

void Form1::mostrarPaneles() {
    Picture1->setVisible(true);
    Picture2->setVisible(true);
    Frame1->setVisible(true);
    Frame2->setVisible(true);
    Frame3->setVisible(true);
    Frame4->setVisible(true);
}

void Form1::generarMuestra() {
    rectaviva::generarMuestra(g, *azar_);
}

void Form1::generarPuntos(const Integer& n) {
    rectaviva::generarPuntos(g, *azar_, n);
}

void Form1::nuevaMuestraEmpieza() {
    // A new sample ends whatever acted on the old one: a held tool, a drag
    // of a point or a handle, an open pop-up for one of its points.
    terminarHerramienta();
    Timer1->setEnabled(false);
    g.arrastrando = 0;
    puntoIzquierdo_ = 0;
    g.asaTomada = 0;
    Frame6->setVisible(false);
    olvidarEleccion();
}

void Form1::mnuGene_Click() {
    nuevaMuestraEmpieza();
    fijarEscala(*Picture1, g.xMin, g.xMax, g.yMin, g.yMax);
    generarMuestra();
    ubicarPuntos(Shape1, g, g.nPuntos, g.xObs, g.yObs);
    g.listaSinResaltar = 1;
    g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
    mostrarPaneles();
    serieGenerar();
    empezarMiRecta();
    g.nivelConfEditado = 0;
    g.tamanoEditado = 0;
    // The views can act once a sample exists.
    mnuAv->setEnabled(true);
    mnuPr->setEnabled(true);
    mnuBan->setEnabled(true);
    mnuRes->setEnabled(true);
    mnuInf->setEnabled(true);
    mnuMia->setEnabled(true);
    anunciar();
}

void Form1::Text2_Change(Integer Index) {
    if (Index == 10) {
        g.tamanoEditado = 1;
    }
}

void Form1::Text2_KeyPress(Integer, int& KeyAscii) {
    if (KeyAscii != 13 || g.tamanoEditado != 1) {
        return;
    }
    Frame6->setVisible(false);
    const double v = redondearPar(leerNumero(Text2(10).Text().toStdString()));
    // Sizes outside 3..50, infinities included, are refused silently.
    if (v >= minActivos && v <= maxPuntos && existeMuestra()) {
        nuevaMuestraEmpieza();
        g.nPuntos = static_cast<Integer>(v);
        g.nActivos = g.nPuntos;
        Picture2->setForeColor(colorFilaActiva);
        generarPuntos(g.nPuntos);
        ubicarPuntos(Shape1, g, g.nPuntos, g.xObs, g.yObs);
        g.listaSinResaltar = 1;
        serieTamano();
        empezarMiRecta();
        anunciar();
    }
    g.tamanoEditado = 0;
    Text2(10).setText(QString::number(g.nPuntos));
}

// ---------------------------------------------------------------------------
// The level and prediction entries.

void Form1::Text1_Change(Integer) {
    g.nivelConfEditado = 1;
}

void Form1::Text1_KeyPress(Integer, int& KeyAscii) {
    if (KeyAscii == 13 && g.nivelConfEditado == 1) {
        Frame6->setVisible(false);
        g.nivelConf = acotar(leerNumero(Text1(9).Text().toStdString()), 65, 99);
        Text1(9).setText(QString::fromStdString(escribirNumero(g.nivelConf)));
        if (existeMuestra()) {
            g.oCalculos->Intervalos(g.nivelConf);
            g.oMostrar->mostrarInt();
            g.oMostrar->mostrarMiRecta();
        }
    }
    g.nivelConfEditado = 0;
}

void Form1::Text4_Change(Integer Index) {
    if (Index == 0) {
        g.nivelPredEditado = 1;
    } else if (Index == 1) {
        g.xPredEditado = 1;
    }
}

void Form1::Text4_KeyPress(Integer, int& KeyAscii) {
    if (KeyAscii == 13) {
        if (g.nivelPredEditado == 1) {
            Frame6->setVisible(false);
            g.nivelPred = acotar(leerNumero(Text4(0).Text().toStdString()), 65, 99);
        }
        if (g.xPredEditado == 1) {
            g.xPred = acotar(leerNumero(Text4(1).Text().toStdString()), -35, 135);
        }
        Text4(0).setText(QString::fromStdString(escribirNumero(g.nivelPred)));
        Text4(1).setText(QString::fromStdString(escribirNumero(g.xPred)));
        if (existeMuestra()) {
            g.oCalculos->prediccion();
            g.oCalculos->bandas();
            g.oMostrar->mostrarPred();
        }
    }
    // Every key moves the marks to the last computed prediction; whether they
    // show is the view menu's business.
    g.oMostrar->moverMarcasPred();
    g.nivelPredEditado = 0;
    g.xPredEditado = 0;
}

// ---------------------------------------------------------------------------
// The view menu and the explanation sheets.

// The residual view ends when another panel takes its place.
void Form1::dejarResiduos() {
    Frame7->setVisible(false);
    if (g.residuosActivos == 1) {
        g.residuosActivos = 0;
        g.oMostrar->ocultarResiduos();
    }
}

// The own line's mode ends when another panel takes its place, leaving the
// fitted line and its boxes as though it had never been on.
void Form1::dejarMiRecta() {
    Frame8->setVisible(false);
    if (g.miRectaActiva == 1) {
        quitarAsideros(*asas_);
        g.miRectaActiva = 0;
        g.miRectaRevelada = 0;
        g.asaTomada = 0;
        g.oMostrar->dejarMiRecta();
    }
}

void Form1::mnuAv_Click() {
    dejarResiduos();
    dejarMiRecta();
    Frame3->setVisible(true);
    Frame5->setVisible(false);
    g.prediccionActiva = 0;
    g.oMostrar->ocultarGrafPred();
}

void Form1::mnuPr_Click() {
    dejarResiduos();
    dejarMiRecta();
    Frame5->setVisible(true);
    Frame3->setVisible(false);
    g.prediccionActiva = 1;
    if (existeMuestra()) {
        g.oCalculos->prediccion();
        g.oMostrar->mostrarPred();
        g.oMostrar->mostrarGrafPred();
    }
}

void Form1::mnuBan_Click() {
    if (g.bandasActivas == 1) {
        g.bandasActivas = 0;
        g.oMostrar->verBandas(false);
        return;
    }
    g.bandasActivas = 1;
    g.oMostrar->verBandas(true);
    if (existeMuestra()) {
        g.oCalculos->bandas();
        g.oMostrar->mostrarBandas();
    }
}

// Like "Análisis de varianza", the residual panel turns the prediction view
// off; its segments join the plot.
void Form1::mnuRes_Click() {
    dejarMiRecta();
    Frame7->setVisible(true);
    Frame3->setVisible(false);
    Frame5->setVisible(false);
    g.prediccionActiva = 0;
    g.oMostrar->ocultarGrafPred();
    g.residuosActivos = 1;
    if (existeMuestra()) {
        g.oCalculos->residuos();
        g.oMostrar->mostrarResiduos();
    }
}

// A toggle, independent of the panel under the plot: rings by Cook's
// distance, the dashed fit without a dragged point, and the tooltips.
void Form1::mnuInf_Click() {
    const bool activa = g.influenciaActiva != 1;
    g.influenciaActiva = activa ? 1 : 0;
    mnuInf->accion()->setChecked(activa);
    Image2(9).setVisible(activa);
    if (!activa) {
        g.oMostrar->ocultarInfluencia();
        Picture1->setTextoAyuda(nullptr);
        Picture3(9).setVisible(false);
        return;
    }
    Picture1->setTextoAyuda([this](double x, double y) {
        const Integer k = puntoBajoRaton(Shape1, g, static_cast<Single>(x), static_cast<Single>(y));
        return k == 0 ? QString() : g.oMostrar->textoInfluencia(k);
    });
    if (existeMuestra()) {
        g.oCalculos->residuos();
        g.oCalculos->influencia();
        g.oMostrar->mostrarInfluencia(puntoIzquierdo_);
    }
}

void Form1::Check1_Click() {
    if (existeMuestra()) {
        g.oMostrar->mostrarResiduos();
    }
}

// Like "Residuos", the own line's panel turns the prediction view off.
void Form1::mnuMia_Click() {
    dejarResiduos();
    Frame8->setVisible(true);
    Frame3->setVisible(false);
    Frame5->setVisible(false);
    g.prediccionActiva = 0;
    g.oMostrar->ocultarGrafPred();
    if (g.miRectaActiva != 1) {
        g.miRectaActiva = 1;
        agregarAsideros(*asas_);
        empezarMiRecta();
    }
}

void Form1::empezarMiRecta() {
    if (g.miRectaActiva != 1 || !existeMuestra()) {
        return;
    }
    g.miRectaRevelada = 0;
    g.asaTomada = 0;
    const Single y = std::clamp(g.mediaY, static_cast<Single>(g.yMin), static_cast<Single>(g.yMax));
    g.yAsa(0) = y;
    g.yAsa(1) = y;
    serieMiRecta();
}

void Form1::Check2_Click() {
    if (existeMuestra()) {
        g.oMostrar->mostrarMiRecta();
    }
}

void Form1::Label7_Click(Integer Index) {
    if (g.miRectaActiva != 1 || !existeMuestra()) {
        return;
    }
    if (Index == mostrarMinimos) {
        g.miRectaRevelada = 1;
        g.oMostrar->mostrarMiRecta();
    } else {
        empezarMiRecta();
    }
}

void Form1::Image2_Click(Integer Index) {
    verLamina(Index);
}

void Form1::verLamina(Integer k) {
    if (!Picture3.contiene(k)) {
        return;
    }
    if (!Picture3(k).Visible()) {
        for (int j = Picture3.LBound(); j <= Picture3.UBound(); ++j) {
            if (j != k) {
                Picture3(j).setVisible(false);
            }
        }
        Picture3(k).setVisible(true);
    } else {
        Picture3(k).setVisible(false);
    }
}

} // namespace rectaviva
