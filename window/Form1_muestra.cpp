// Form1's sample and settings: generation, the size entry, the level and
// prediction entries, the design's view menu and the explanation sheets.
#include "Form1.h"
#include "gesto_breve.h"

#include "Grafico.h"
#include "escala.h"
#include "lectura.h"
#include "redondeo.h"

#include <QAccessible>

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
    // of a point or a handle, an open pop-up for one of its points; each
    // is one step to undo.
    terminarHerramienta();
    terminarGesto();
    Timer1->setEnabled(false);
    g.arrastrando = 0;
    for (const auto& v : vistas_) {
        v->nuevaMuestraEmpieza();
    }
    Frame6->setVisible(false);
    olvidarEleccion();
    muestraNueva_ = true;
}

void Form1::mnuGene_Click() {
    nuevaMuestraEmpieza();
    const GestoBreve gesto(*this, FUENTE("Form1", "Generar"));
    volverAlDisenoSiHaceFalta();
    fijarEscala(*Picture1, g.xMin, g.xMax, g.yMin, g.yMax);
    generarMuestra();
    mostrarMuestraNueva();
}

void Form1::ubicarMarcadores() {
    if (!enNube(g)) {
        ubicarPuntos(Shape1, g, g.nPuntos, g.xObs, g.yObs);
    }
    ubicarNube(*Nube1, Shape1, g);
    ajustarBarraLista();
}

void Form1::cargarReto(const std::vector<PuntoReto>& puntos, int codigo) {
    nuevaMuestraEmpieza();
    const GestoBreve gesto(*this, NombreGesto(FUENTE("retos", "reto %1"), QString::number(codigo)));
    volverAlDisenoSiHaceFalta();
    fijarEscala(*Picture1, g.xMin, g.xMax, g.yMin, g.yMax);
    g.reservarPuntos(maxPuntos);
    g.nPuntos = static_cast<Integer>(std::min<std::size_t>(puntos.size(), maxPuntos));
    g.nActivos = g.nPuntos;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        g.xObs(k) = puntos[static_cast<std::size_t>(k - 1)].x;
        g.yObs(k) = puntos[static_cast<std::size_t>(k - 1)].y;
        g.activo(k) = 1;
    }
    mostrarMuestraNueva();
}

void Form1::mostrarMuestraNueva() {
    if (g.datosCargados == 1) {
        fijarEscala(*Picture1, g.xMin, g.xMax, g.yMin, g.yMax);
    }
    ubicarMarcadores();
    g.listaSinResaltar = 1;
    g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
    mostrarPaneles();
    serieGenerar();
    for (const auto& v : vistas_) {
        v->nuevaMuestra();
    }
    g.nivelConfEditado = 0;
    g.tamanoEditado = 0;
    // The views can act once a sample exists.
    mnuAv->setEnabled(true);
    mnuPr->setEnabled(true);
    mnuBan->setEnabled(true);
    for (const auto& v : vistas_) {
        v->menu().setEnabled(true);
    }
    for (Menu* m : {mnuGua, mnuCop, mnuCgr, mnuGgr}) {
        m->setEnabled(true);
    }
    if (enNube(g)) {
        // Too many points to hear one by one: what they span, then the fit.
        resumir();
        hablar(resumenDeDatos() + QStringLiteral(". ") + anuncio_);
    } else {
        anunciar();
    }
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
        const GestoBreve gesto(*this,
                               {FUENTE("Form1", "cambiar el tamaño a %1"), QString::number(v)});
        volverAlDisenoSiHaceFalta();
        g.nPuntos = static_cast<Integer>(v);
        g.nActivos = g.nPuntos;
        Picture2->setForeColor(colorFilaActiva);
        generarPuntos(g.nPuntos);
        ubicarMarcadores();
        g.listaSinResaltar = 1;
        serieTamano();
        for (const auto& v : vistas_) {
            v->nuevaMuestra();
        }
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
        const GestoBreve gesto(*this, FUENTE("Form1", "cambiar el nivel de confianza"));
        Frame6->setVisible(false);
        g.nivelConf = acotar(leerNumero(Text1(9).Text().toStdString()), 65, 99);
        Text1(9).setText(QString::fromStdString(escribirNumero(g.nivelConf)));
        if (existeMuestra()) {
            g.oCalculos->Intervalos(g.nivelConf);
            g.oMostrar->mostrarInt();
            mostrarVistas();
            anunciar();
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
        const GestoBreve gesto(*this, g.nivelPredEditado == 1
                                          ? FUENTE("Form1", "cambiar el nivel de predicción")
                                          : FUENTE("Form1", "cambiar la x de la predicción"));
        if (g.nivelPredEditado == 1) {
            Frame6->setVisible(false);
            g.nivelPred = acotar(leerNumero(Text4(0).Text().toStdString()), 65, 99);
        }
        if (g.xPredEditado == 1) {
            // 5 and 175 units of the design's grid from the plot's left edge.
            const double u = D(unidadX(g));
            g.xPred = acotar(leerNumero(Text4(1).Text().toStdString()), D(g.xMin) + 5 * u,
                             D(g.xMin) + 175 * u);
        }
        Text4(0).setText(QString::fromStdString(escribirNumero(g.nivelPred)));
        Text4(1).setText(QString::fromStdString(escribirNumero(g.xPred)));
        if (existeMuestra()) {
            g.oCalculos->prediccion();
            g.oCalculos->bandas();
            g.oMostrar->mostrarPred();
            anunciar();
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

// Each panel of the slot under the plot ends the others' views; leaving the
// prediction panel turns the prediction view off.
void Form1::mnuAv_Click() {
    ranura_.mostrar(*Frame3);
}

void Form1::mnuPr_Click() {
    ranura_.mostrar(*Frame5);
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

void Form1::mnuExa_Click() {
    g.valoresExactos = mnuExa->Checked() ? 1 : 0;
    if (existeMuestra()) {
        serieValoresExactos();
    }
}

void Form1::Image2_Click(Integer Index) {
    verLamina(Index);
}

void Form1::verLamina(Integer k) {
    if (!Picture3.contiene(k)) {
        return;
    }
    PictureBox& lamina = Picture3(k);
    if (!lamina.Visible()) {
        for (int j = Picture3.LBound(); j <= Picture3.UBound(); ++j) {
            if (j != k) {
                Picture3(j).setVisible(false);
            }
        }
        lamina.setVisible(true);
        // From the keyboard or a screen reader the focus goes into the sheet,
        // so that its text is read; a click leaves the focus where it was.
        if (Image2(k).hasFocus() || QAccessible::isActive()) {
            lamina.setFocus(Qt::OtherFocusReason);
        }
    } else {
        ocultarLamina(k);
    }
}

void Form1::ocultarLamina(int k) {
    const bool conFoco = Picture3(k).hasFocus();
    Picture3(k).setVisible(false);
    if (conFoco) {
        Image2(k).setFocus(Qt::OtherFocusReason);
    }
}

} // namespace rectaviva
