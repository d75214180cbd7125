// Form1's sample: generation, the size entry, the level and prediction
// entries, the view menu and the explanation sheets, and the recompute and
// redraw series that every change of the sample ends in.
#include "Form1.h"

#include "Grafico.h"
#include "lectura.h"
#include "redondeo.h"

#include <algorithm>
#include <cmath>

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

bool Form1::hayMuestra() const {
    return g.nPuntos >= 3 && g.nActivos >= 3;
}

void Form1::setGenerador(std::unique_ptr<Generador> azar) {
    azar_ = std::move(azar);
}

// ---------------------------------------------------------------------------
// The series. Each caller's calls are written out in the order it makes them.

// The start shared by the full refresh and by delete/restore: the fit, the
// line, the panels, the intervals and the analysis of variance.
void Form1::serieAjusteYTablas() {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    c.sumas();
    c.Calcula();
    trazarRecta(*Line3, g, g.intercepto, g.pendiente);
    m.Mostrar();
    c.Intervalos(g.nivelConf);
    m.mostrarInt();
    c.Anova();
    m.mostrarAnova();
}

void Form1::serieGenerar() {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    serieAjusteYTablas();
    m.Barras();
    c.bandas();
    c.prediccion();
    m.mostrarPred();
    m.mostrarGrafPred();
    m.mostrarBandas();
}

// The start shared by the size entry and the cloud tools: the list, the fit,
// the line, the panels and the bars.
void Form1::serieListaYAjuste() {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    m.listarPuntos(g.nPuntos, g.xObs, g.yObs);
    c.sumas();
    c.Calcula();
    trazarRecta(*Line3, g, g.intercepto, g.pendiente);
    m.Mostrar();
    m.Barras();
}

// The end shared by the size entry and the cloud tools: the analysis of
// variance, then the bands and the prediction.
void Form1::serieAnovaYVistas() {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    c.Anova();
    m.mostrarAnova();
    c.bandas();
    m.mostrarBandas();
    c.prediccion();
    m.mostrarPred();
    m.mostrarGrafPred();
}

void Form1::serieTamano() {
    serieListaYAjuste();
    g.oCalculos->Intervalos(g.nivelConf);
    g.oMostrar->mostrarInt();
    serieAnovaYVistas();
}

void Form1::serieEliminar() {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    serieAjusteYTablas();
    c.bandas();
    m.Barras();
    m.mostrarBandas();
    c.prediccion();
    m.mostrarGrafPred();
    m.mostrarPred();
}

void Form1::serieHerramienta() {
    serieListaYAjuste();
    serieAnovaYVistas();
}

void Form1::serieArrastre(const Integer& idx, const Single& Xold, const Single& Yold) {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    c.resumas(idx, Xold, Yold);
    c.Calcula();
    m.Mostrar();
    m.Barras();
    c.Anova();
    m.mostrarAnova();
    trazarRecta(*Line3, g, g.intercepto, g.pendiente);
    c.prediccion();
    c.bandas();
    m.mostrarBandas();
    m.mostrarPred();
    m.mostrarGrafPred();
}

void Form1::moverPunto(Integer& idx, Integer& arrastre, Single& X, Single& Y, Single& Xold,
                       Single& Yold) {
    if (arrastre != -1 || idx < 1 || idx > g.nPuntos) {
        return;
    }
    // The marker is centred on the mouse and kept inside the plot; its left
    // and top edges are one unit left of and above the point.
    Shape& marcador = Shape1(idx);
    const Single x = X - 1.0f;
    const Single y = Y + 1.0f;
    const Single w = static_cast<Single>(marcador.Width());
    const Single h = static_cast<Single>(marcador.Height());
    Single izquierda;
    if (x < g.xMin) {
        izquierda = g.xMin;
    } else if (x <= g.xMax - w) {
        izquierda = x;
    } else {
        izquierda = g.xMax - w;
    }
    // y grows upwards: a marker's top edge is its larger y.
    Single arriba;
    if (y < g.yMin + h) {
        arriba = g.yMin + h;
    } else if (y <= g.yMax) {
        arriba = y;
    } else {
        arriba = g.yMax;
    }
    marcador.setLeft(izquierda);
    marcador.setTop(arriba);

    Xold = g.xObs(idx);
    Yold = g.yObs(idx);
    // The stored coordinates follow the mouse, not the clamped marker.
    g.xObs(idx) = redondearPar(X);
    g.yObs(idx) = redondearPar(Y);
    if (g.activo(idx) == 1) {
        serieArrastre(idx, Xold, Yold);
    }
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
    // A new sample ends whatever acted on the old one: a held tool, a drag,
    // an open pop-up for one of its points.
    terminarHerramienta();
    Timer1->setEnabled(false);
    g.arrastrando = 0;
    Frame6->setVisible(false);
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
    g.nivelConfEditado = 0;
    g.tamanoEditado = 0;
    // The views can act once a sample exists.
    mnuAv->setEnabled(true);
    mnuPr->setEnabled(true);
    mnuBan->setEnabled(true);
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
    if (v >= 3 && v <= 50 && hayMuestra()) {
        nuevaMuestraEmpieza();
        g.nPuntos = static_cast<Integer>(v);
        g.nActivos = g.nPuntos;
        Picture2->setForeColor(colorFilaActiva);
        generarPuntos(g.nPuntos);
        ubicarPuntos(Shape1, g, g.nPuntos, g.xObs, g.yObs);
        g.listaSinResaltar = 1;
        serieTamano();
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
        if (hayMuestra()) {
            g.oCalculos->Intervalos(g.nivelConf);
            g.oMostrar->mostrarInt();
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
        if (hayMuestra()) {
            g.oCalculos->prediccion();
            g.oCalculos->bandas();
            g.oMostrar->mostrarPred();
        }
    }
    // Every key moves the marks to the last computed prediction; whether they
    // show is the view menu's business.
    Line14(0).setExtremos(g.xPred, g.banda(0, 21), g.xPred, g.banda(1, 21));
    Line14(1).setExtremos(g.xPred, g.banda(2, 21), g.xPred, g.banda(3, 21));
    g.nivelPredEditado = 0;
    g.xPredEditado = 0;
}

// ---------------------------------------------------------------------------
// The view menu and the explanation sheets.

void Form1::mnuAv_Click() {
    Frame3->setVisible(true);
    Frame5->setVisible(false);
    g.prediccionActiva = 0;
    Line14(0).setVisible(false);
    Line14(1).setVisible(false);
}

void Form1::mnuPr_Click() {
    Frame5->setVisible(true);
    Frame3->setVisible(false);
    g.prediccionActiva = 1;
    if (hayMuestra()) {
        g.oCalculos->prediccion();
        g.oMostrar->mostrarPred();
        g.oMostrar->mostrarGrafPred();
    }
}

void Form1::mnuBan_Click() {
    if (g.bandasActivas == 1) {
        g.bandasActivas = 0;
        for (int k = 0; k <= 39; ++k) {
            Line12(k).setVisible(false);
            Line13(k).setVisible(false);
        }
        return;
    }
    g.bandasActivas = 1;
    for (int k = 0; k <= 39; ++k) {
        Line12(k).setVisible(true);
        Line13(k).setVisible(true);
    }
    if (hayMuestra()) {
        g.oCalculos->bandas();
        g.oMostrar->mostrarBandas();
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
        for (int j = 0; j <= 7; ++j) {
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

namespace rectaviva {

// Every control's events reach one handler, with the element's index
// captured where the control belongs to an array.
void Form1::conectarEventos() {
    connect(mnuGene, &Menu::Click, this, &Form1::mnuGene_Click);
    connect(mnuAv, &Menu::Click, this, &Form1::mnuAv_Click);
    connect(mnuPr, &Menu::Click, this, &Form1::mnuPr_Click);
    connect(mnuBan, &Menu::Click, this, &Form1::mnuBan_Click);

    for (int i = Text1.LBound(); i <= Text1.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Text1(i), &TextBox::Change, this, [this, k] { Text1_Change(k); });
        connect(&Text1(i), &TextBox::KeyPress, this, [this, k](int& a) { Text1_KeyPress(k, a); });
    }
    for (int i = Text2.LBound(); i <= Text2.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Text2(i), &TextBox::Change, this, [this, k] { Text2_Change(k); });
        connect(&Text2(i), &TextBox::KeyPress, this, [this, k](int& a) { Text2_KeyPress(k, a); });
    }
    for (int i = Text4.LBound(); i <= Text4.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Text4(i), &TextBox::Change, this, [this, k] { Text4_Change(k); });
        connect(&Text4(i), &TextBox::KeyPress, this, [this, k](int& a) { Text4_KeyPress(k, a); });
    }
    for (int i = Image2.LBound(); i <= Image2.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Image2(i), &Image::Click, this, [this, k] { Image2_Click(k); });
    }

    connect(Picture1, &PictureBox::MouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &PictureBox::MouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBox::MouseUp, this, &Form1::Picture1_MouseUp);
    connect(Picture2, &PictureBox::MouseDown, this, &Form1::Picture2_MouseDown);
    connect(Picture2, &PictureBox::MouseUp, this, &Form1::Picture2_MouseUp);
    connect(Timer1, &Timer::Tick, this, &Form1::Timer1_Timer);

    for (int i = Label5.LBound(); i <= Label5.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Label5(i), &Label::Click, this, [this, k] { Label5_Click(k); });
    }
    for (int i = Image1.LBound(); i <= Image1.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Image1(i), &Image::MouseDown, this,
                [this, k](int b, int s, float x, float y) { Image1_MouseDown(k, b, s, x, y); });
        connect(&Image1(i), &Image::MouseUp, this,
                [this, k](int b, int s, float x, float y) { Image1_MouseUp(k, b, s, x, y); });
    }

    // The held tool polls the clock; a precise 1 ms timer keeps the pacing
    // at 0.01 s without a nested event loop.
    relojHerramienta_ = new QTimer(this);
    relojHerramienta_->setTimerType(Qt::PreciseTimer);
    relojHerramienta_->setInterval(1);
    connect(relojHerramienta_, &QTimer::timeout, this, &Form1::pasoDeHerramienta);
}

} // namespace rectaviva
