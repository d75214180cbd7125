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
// | pasoDeHerramienta (tools)   | serieHerramienta, its display at the paint  |
// | Timer1_Timer → moverPunto   | serieArrastre                               |
// | Text1_KeyPress (level)      | Intervalos, mostrarInt, mostrarVistas       |
// | Text4_KeyPress (prediction) | prediccion, bandas, mostrarPred             |
// | mnuPr_Click                 | prediccion, mostrarPred, mostrarGrafPred    |
// | mnuBan_Click                | bandas, mostrarBandas                       |
// | mnuExa_Click                | serieValoresExactos                         |
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
#include "Grafico.h"

namespace rectaviva {

void Form1::vistasTrasAjuste() {
    for (const auto& v : vistas_) {
        v->trasAjuste();
    }
}

void Form1::mostrarVistas() {
    avisarTabla();
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

// The engine's part shared by the size entry and the cloud tools: the sums,
// the fit, the views, the analysis of variance, the bands and the prediction.
void Form1::ajusteDeLaNube() {
    Calculos& c = *g.oCalculos;
    c.sumas();
    c.Calcula();
    vistasTrasAjuste();
    c.Anova();
    c.bandas();
    c.prediccion();
}

// What shows it: the list, the line, the panels and the bars, the analysis of
// variance, the bands, the prediction and the views. Each call reads only
// the record and the markers, so it may run once after several of the
// tools' steps and show the same as after each.
void Form1::mostrarLaNube() {
    mostrar& m = *g.oMostrar;
    m.listarPuntos(g.nPuntos, g.xObs, g.yObs);
    m.trazarRecta();
    mostrarResultados();
}

// The panels and the bars, the analysis of variance, the bands, the
// prediction and the views, from the record.
void Form1::mostrarResultados() {
    mostrar& m = *g.oMostrar;
    m.Mostrar();
    m.Barras();
    m.mostrarAnova();
    m.mostrarBandas();
    m.mostrarPred();
    m.mostrarGrafPred();
    mostrarVistas();
}

void Form1::serieTamano() {
    ajusteDeLaNube();
    g.oCalculos->Intervalos(g.nivelConf);
    mostrarLaNube();
    g.oMostrar->mostrarInt();
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

// Everything that reads a quantile or a p-value, from the fit as it stands:
// the sums and the estimates are not computed again, so turning the exact
// values off gives back every box as it was.
void Form1::serieValoresExactos() {
    Calculos& c = *g.oCalculos;
    c.Pruebas();
    c.Intervalos(g.nivelConf);
    c.Anova();
    c.bandas();
    c.prediccion();
    mostrarResultados();
}

// A held tool's step refits at once, for the next step reads the means; its
// markers and what shows the fit wait for the window's next paint
// (Form1::event), so that the steps a paint cannot show are not drawn.
void Form1::serieHerramienta() {
    ajusteDeLaNube();
    if (!nubePorMostrar_) {
        // Nothing has been marked for repainting yet: ask for the paint.
        nubePorMostrar_ = true;
        pedirPintado();
    }
}

void Form1::mostrarNubePendiente() {
    if (enNube(g)) {
        ubicarNube(*Nube1, Shape1, g);
    }
    marcadores_.colocar(Shape1, g);
    if (nubePorMostrar_) {
        nubePorMostrar_ = false;
        mostrarLaNube();
    }
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
