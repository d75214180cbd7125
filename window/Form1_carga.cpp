// Form1's start-up: the layout for the screen, the load handler, the
// resolution warning, and the description, credits and exit commands.
#include "Form1.h"

#include "Grafico.h"

#include <QApplication>
#include <QScreen>

#include <array>
#include <chrono>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace rectaviva {

namespace {

// Colours of the result panels and their boxes.
const QColor colorSalida(200, 200, 0);    // olive-yellow output box
const QColor colorEntrada(255, 120, 120); // pink entry field

} // namespace

double Form1::anchoPantallaTwips() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? pixelesATwips(s->geometry().width()) : 0.0;
}

double Form1::altoPantallaTwips() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? pixelesATwips(s->geometry().height()) : 0.0;
}

void Form1::Form_Load() {
    ajustarPantalla();
    azar_ = std::make_unique<GeneradorReloj>();
    List5->setVisible(false);
    // 13000 twips: about 867 pixels at 15 twips per pixel.
    if (anchoPantallaTwips() < 13000) {
        avisoResolucion();
    }
    g.listaSinResaltar = 1;

    calculos_ = std::make_unique<Calculos>(g);
    g.oCalculos = calculos_.get();
    tablas_ = std::make_unique<Tablas>(g);
    g.oTablas = tablas_.get();
    pantalla_ =
        std::make_unique<Pantalla>(Pantalla{Text1, Text2, Text3, Text4, Shape1, Shape2, *Line3,
                                            Line12, Line13, Line14, *Picture1, *Picture2});
    mostrar_ = std::make_unique<mostrar>(g, *pantalla_);
    g.oMostrar = mostrar_.get();

    g.oTablas->tablaT(g.valoresT);
    g.oCalculos->PuntosPrediccion();

    g.nivelPred = 95.0f;
    g.xPred = 20.0f;
    g.nivelConf = 95.0f;
    g.prediccionActiva = 0;

    // Until the first sample there is nothing for the views to show.
    mnuAv->setEnabled(false);
    mnuPr->setEnabled(false);
    mnuBan->setEnabled(false);
    conectarEventos();
}

void Form1::ajustarPantalla() {
    const double anchoPantalla = anchoPantallaTwips();
    const double altoPantalla = altoPantallaTwips();

    // 1. The window covers the screen from its top-left corner.
    left_ = 0;
    top_ = 0;
    width_ = anchoPantalla;
    height_ = altoPantalla;
    move(0, 0);
    resize(static_cast<int>(std::lround(twipsAPixeles(width_))),
           static_cast<int>(std::lround(twipsAPixeles(height_))));

    // 2-4. Layout units and plot range.
    List3->setVisible(false);
    g.escalaX = static_cast<Single>(anchoPantalla / 1200);
    g.escalaY = static_cast<Single>(altoPantalla / 1000);
    const double U = g.escalaX;
    const double V = g.escalaY;
    g.xMax = 100;
    g.yMax = 100;
    g.xMin = -40;
    g.yMin = -40;

    // 5-6. The plot and its markers.
    Picture1->ScaleUsuario();
    Picture1->setTop(10 * V);
    Picture1->setLeft(10 * U);
    Picture1->setBackColor(RGB(255, 180, 0));
    for (int k = 0; k <= 51; ++k) {
        Shape1(k).setVisible(false);
        Shape1(k).setFillColor(colorPuntoActivo);
        Shape1(k).setBorderColor(colorPuntoActivo);
    }

    // 7-9. The point list to the right of the plot; the fitted line's colour.
    Picture2->setTop(Picture1->Top());
    Picture2->setLeft(Picture1->Left() + Picture1->Width() + 10 * U);
    List5->setVisible(false);
    List6->setVisible(false);
    Picture1->setVisible(false);
    Picture2->setVisible(false);
    Line3->setBorderColor(RGB(230, 0, 0));

    // 10-14. Tool bar under the plot, panels around it.
    Frame4->setLeft(Picture1->Left() + Picture1->Width() - Frame4->Width());
    Frame4->setTop(Picture1->Top() + Picture1->Height() + 5 * V);
    Frame4->setVisible(false);
    Frame3->setTop(Frame4->Top() + Frame4->Height() + 5 * V);
    Frame3->setLeft(Picture1->Left());
    Frame3->setWidth(Picture1->Width());
    Frame3->setBackColor(RGB(220, 150, 0));
    Frame2->setLeft(Picture2->Left() + Picture2->Width() + 10 * U);
    Frame2->setTop(Picture2->Top());
    Frame2->setVisible(false);
    Frame2->setBackColor(RGB(180, 120, 0));
    Frame1->setLeft(Frame2->Left());
    Frame1->setTop(Frame2->Top() + Frame2->Height() + 10 * U);
    Frame1->setVisible(false);
    Frame1->setBackColor(RGB(200, 100, 0));
    Frame5->setTop(Frame4->Top() + Frame4->Height() + 5 * V);
    Frame5->setLeft(Picture1->Left());
    Frame5->setWidth(Picture1->Width());
    Frame5->setBackColor(RGB(220, 150, 0));
    Frame5->setVisible(false);

    // 15. Panel colours: output boxes olive-yellow, entry fields pink.
    for (Label* l : Label1) {
        l->setBackColor(Frame1->BackColor());
    }
    for (TextBox* t : Text1) {
        t->setBackColor(colorSalida);
    }
    Text1(9).setBackColor(colorEntrada);
    for (Label* l : Label3) {
        l->setBackColor(Frame2->BackColor());
    }
    for (int k = 0; k <= 9; ++k) {
        Text2(k).setBackColor(colorSalida);
    }
    Text2(10).setBackColor(colorEntrada);
    for (int k = 0; k <= 9; ++k) {
        Label2(k).setBackColor(Frame3->BackColor());
        Text3(k).setBackColor(colorSalida);
    }
    for (int k = 0; k <= 6; ++k) {
        Label4(k).setBackColor(Frame5->BackColor());
        Text4(k).setBackColor(colorSalida);
    }
    Text4(0).setBackColor(colorEntrada);
    Text4(1).setBackColor(colorEntrada);

    // 16-18. Lower panel, explanation pictures, delete/restore pop-up.
    Frame3->setVisible(false);
    for (int k = 0; k <= 7; ++k) {
        Picture3(k).setVisible(false);
        Picture3(k).setTop(10 * V);
        Picture3(k).setWidth(610 * U);
    }
    Frame6->setVisible(false);
    Label5(1).setEnabled(false);

    // 19. Sheets about the plot and the lower panels open beside the plot;
    // those about the statistics and estimates open over it.
    const double alLado = Frame3->Left() + Frame3->Width() + 5 * U;
    const std::array<std::pair<double, double>, 8> laminas{{{alLado, 785 * V},
                                                            {10 * U, 665 * V},
                                                            {10 * U, 480 * V},
                                                            {10 * U, 835 * V},
                                                            {10 * U, 835 * V},
                                                            {10 * U, 745 * V},
                                                            {alLado, 840 * V},
                                                            {alLado, 840 * V}}};
    for (int k = 0; k <= 7; ++k) {
        Picture3(k).setLeft(laminas[static_cast<std::size_t>(k)].first);
        Picture3(k).setHeight(laminas[static_cast<std::size_t>(k)].second);
    }

    // 20. Each value bar directly under its box.
    ubicarDebajo(Text1(0), Shape2(0));
    ubicarDebajo(Text1(1), Shape2(1));
    ubicarDebajo(Text1(2), Shape2(10));
    ubicarDebajo(Text1(3), Shape2(2));
    ubicarDebajo(Text1(4), Shape2(3));
    ubicarDebajo(Text1(5), Shape2(4));
    ubicarDebajo(Text1(7), Shape2(5));
    ubicarDebajo(Text1(10), Shape2(6));
    ubicarDebajo(Text1(11), Shape2(7));
    ubicarDebajo(Text1(12), Shape2(8));
    ubicarDebajo(Text1(13), Shape2(9));
    ubicarDebajo(Text1(14), Shape2(11));
    ubicarDebajo(Text3(9), Shape2(22));
    for (int k = 0; k <= 9; ++k) {
        ubicarDebajo(Text2(k), Shape2(k + 12));
    }

    // 21-22. No drag yet; no band or prediction graphics.
    Timer1->setEnabled(false);
    for (int k = 0; k <= 41; ++k) {
        Line12(k).setVisible(false);
        Line13(k).setVisible(false);
    }
    Line14(0).setVisible(false);
    Line14(1).setVisible(false);
}

void Form1::ubicarDebajo(const Ubicacion& arriba, Shape& abajo) {
    abajo.setTop(arriba.Top() + arriba.Height());
    abajo.setLeft(arriba.Left());
}

void Form1::avisoResolucion() {
    List5->setFont([&] {
        QFont f = List5->font();
        f.setPointSizeF(13);
        return f;
    }());
    List5->AddItem(QString());
    List5->AddItem(QStringLiteral("  PARA  UTILIZAR  ESTE  RECURSO  DIDACTICO"));
    List5->AddItem(QStringLiteral("    DEBE  CONFIGURAR  LA  PANTALLA  CON"));
    List5->AddItem(QStringLiteral("      RESOLUCION  1024 X 768  PIXELES"));
    List5->setWidth(8000);
    List5->setHeight(4000);
    List5->setTop((altoPantallaTwips() - List5->Height()) / 2);
    List5->setLeft((anchoPantallaTwips() - List5->Width()) / 2);
    mnuGene->setEnabled(false);
    mnuVe->setEnabled(false);
    List5->setVisible(true);
}

// Opens a text panel at the given place (layout units, so twips scale with
// the screen) with its rows, or closes it if it is open. Reopening clears
// the rows first, so they never pile up.
void Form1::alternarLista(ListBox& lista, Single arriba, Single alto, Single izquierda,
                          Single ancho, std::initializer_list<const char*> filas) {
    if (lista.Visible()) {
        lista.setVisible(false);
        return;
    }
    lista.setTop(arriba * g.escalaY);
    lista.setHeight(alto * g.escalaY);
    lista.setLeft(izquierda * g.escalaX);
    lista.setWidth(ancho * g.escalaX);
    lista.Clear();
    lista.setVisible(true);
    for (const char* fila : filas) {
        lista.AddItem(QString::fromUtf8(fila));
    }
}

void Form1::mnuDesc_Click() {
    alternarLista(*List6, 10, 200, 10, 450,
                  {"", "  Tutorvia sobre Regresión Lineal Simple.",
                   "  Permite visualizar el efecto de cambios",
                   "  en las observaciones sobre diversas medidas y",
                   "  estimadores relacionados con el modelo de", "  Regresión Lineal Simple. ",
                   "  Mueva los puntos y observe qué pasa ", "  con los indicadores.",
                   "  o elimine puntos con el "});
}

void Form1::mnuAcer_Click() {
    alternarLista(*List3, 10, 140, 550, 400,
                  {"", "   Recurso didáctico desarrollado por", "   el equipo de Rectaviva",
                   "   para la enseñanza de la", "   Regresión Lineal Simple.", ""});
}

void Form1::mnuSali_Click() {
    close();
    QCoreApplication::quit();
}

} // namespace rectaviva
