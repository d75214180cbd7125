// The recompute-and-redraw series: after a handler has changed the sample or
// a setting, it runs its series, engine operations first in dependency order,
// each followed at some point by the presentation calls that show its
// results. The order of each series is fixed; none tests a view flag itself
// (bandas, prediccion, mostrarBandas and mostrarGrafPred look at theirs).
//
// | Handler                     | Series                                      |
// |-----------------------------|---------------------------------------------|
// | mnuGene_Click (Generar)     | serieGenerar                                |
// | Text2_KeyPress (size entry) | serieTamano                                 |
// | Label5_Click (delete/undo)  | serieEliminar                               |
// | pasoDeHerramienta (tools)   | serieHerramienta                            |
// | Timer1_Timer → moverPunto   | serieArrastre                               |
// | Text1_KeyPress (level)      | Intervalos, mostrarInt                      |
// | Text4_KeyPress (prediction) | prediccion, bandas, mostrarPred             |
// | mnuPr_Click                 | prediccion, mostrarPred, mostrarGrafPred    |
// | mnuBan_Click                | bandas, mostrarBandas                       |
// | Picture2_MouseUp            | listarPuntos                                |
//
// Every series that refits runs the views twice (vistasTrasAjuste right after
// the fit, mostrarVistas once the analysis of variance is known), and so
// does the drag step of a deleted point, whose fit stands. A view's own
// commands (its menu entry, its check box, a handle's drag) run its own
// operations; a view that is off does nothing in either.
//
// Calls that repeat on purpose: Calcula already ends with the intervals at
// nivelConf, and Mostrar already fills the interval boxes, so the explicit
// Intervalos and mostrarInt after them give the same values again; the tools
// and the drag step leave them out, the others keep them.
#include "Form1.h"

namespace rectaviva {

void Form1::vistasTrasAjuste() {
    for (const auto& v : vistas_) {
        v->trasAjuste();
    }
}

void Form1::mostrarVistas() {
    for (const auto& v : vistas_) {
        v->mostrarVista();
    }
}

// The start shared by the full refresh and by delete/restore: the fit, the
// line, the panels, the intervals and the analysis of variance.
void Form1::serieAjusteYTablas() {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    c.sumas();
    c.Calcula();
    vistasTrasAjuste();
    m.trazarRecta();
    m.Mostrar();
    c.Intervalos(g.nivelConf);
    m.mostrarInt();
    c.Anova();
    m.mostrarAnova();
    mostrarVistas();
}

// The full refresh, after a new sample.
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
    vistasTrasAjuste();
    m.trazarRecta();
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
    mostrarVistas();
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

// One drag step of a point in use: the sums are updated for that one point
// (constant work), then everything that depends on them.
void Form1::serieArrastre(const Integer& idx, const Single& Xold, const Single& Yold) {
    Calculos& c = *g.oCalculos;
    mostrar& m = *g.oMostrar;
    c.resumas(idx, Xold, Yold);
    c.Calcula();
    vistasTrasAjuste();
    m.Mostrar();
    m.Barras();
    c.Anova();
    m.mostrarAnova();
    m.trazarRecta();
    c.prediccion();
    c.bandas();
    m.mostrarBandas();
    m.mostrarPred();
    m.mostrarGrafPred();
    mostrarVistas();
}

} // namespace rectaviva
