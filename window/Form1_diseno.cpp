// Form1's layout for the screen: the window covers it, the layout units
// follow its size, and every panel, box and bar is placed and coloured from
// them. Everything starts hidden until the first sample.
#include "Form1.h"

#include "Grafico.h"
#include "cuadricula.h"

#include <cmath>

namespace rectaviva {

namespace {

// Colours of the result panels and their boxes.
const QColor colorSalida(200, 200, 0);    // olive-yellow output box
const QColor colorEntrada(255, 120, 120); // pink entry field

} // namespace

void Form1::ajustarPantalla() {
    // 1-4. The window, the layout units and every place that follows the
    // screen; the plot range.
    List3->setVisible(false);
    distribuir();
    g.xMax = 100;
    g.yMax = 100;
    g.xMin = -40;
    g.yMin = -40;

    // 5-6. The plot and its markers.
    Picture1->ScaleUsuario();
    Picture1->setBackColor(RGB(255, 180, 0));
    for (int k = 0; k <= 51; ++k) {
        Shape1(k).setVisible(false);
        Shape1(k).setFillColor(colorPuntoActivo);
        Shape1(k).setBorderColor(colorPuntoActivo);
    }

    // 7-9. The point list hidden; the fitted line's colour.
    List5->setVisible(false);
    List6->setVisible(false);
    Picture1->setVisible(false);
    Picture2->setVisible(false);
    Line3->setBorderColor(colorRecta);

    // 10-14. Tool bar and panels hidden until the first sample, coloured.
    Frame4->setVisible(false);
    Frame3->setBackColor(RGB(220, 150, 0));
    Frame2->setVisible(false);
    Frame2->setBackColor(RGB(180, 120, 0));
    Frame1->setVisible(false);
    Frame1->setBackColor(RGB(200, 100, 0));
    Frame5->setBackColor(RGB(220, 150, 0));
    Frame5->setVisible(false);
    // The residual panel takes the colours of the lower panels.
    Frame7->setBackColor(Frame3->BackColor());
    Frame7->setVisible(false);
    Picture4->Scale(g.xMin, residuoMaximo, g.xMax, -residuoMaximo);
    Check1->setBackColor(Frame7->BackColor());
    for (Label* l : Label6) {
        l->setBackColor(Frame7->BackColor());
    }
    for (TextBox* t : Text5) {
        t->setBackColor(colorSalida);
    }
    // So does the panel of the student's own line.
    Frame8->setBackColor(Frame3->BackColor());
    Frame8->setVisible(false);
    Check2->setBackColor(Frame8->BackColor());
    for (Label* l : Label7) {
        l->setBackColor(Frame8->BackColor());
    }
    for (TextBox* t : Text6) {
        t->setBackColor(colorSalida);
    }

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
    for (int k = Picture3.LBound(); k <= Picture3.UBound(); ++k) {
        Picture3(k).setVisible(false);
    }
    Frame6->setVisible(false);
    Label5(1).setEnabled(false);

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

// Everything that follows the screen's size: the window covers the screen,
// the layout units are derived from it, and the plot, the list, the panels
// and the sheets are placed in those units. Runs at start-up and again when
// the zoom changes, which makes the screen smaller in twips.
void Form1::distribuir() {
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

    // 3. Layout units.
    g.escalaX = static_cast<Single>(anchoPantalla / 1200);
    g.escalaY = static_cast<Single>(altoPantalla / 1000);
    const double U = g.escalaX;
    const double V = g.escalaY;

    // 5, 7. The plot, and the point list to its right.
    Picture1->setTop(10 * V);
    Picture1->setLeft(10 * U);
    Picture2->setTop(Picture1->Top());
    Picture2->setLeft(Picture1->Left() + Picture1->Width() + 10 * U);

    // 10-14. Tool bar under the plot, panels around it.
    Frame4->setLeft(Picture1->Left() + Picture1->Width() - Frame4->Width());
    Frame4->setTop(Picture1->Top() + Picture1->Height() + 5 * V);
    Frame3->setTop(Frame4->Top() + Frame4->Height() + 5 * V);
    Frame3->setLeft(Picture1->Left());
    Frame3->setWidth(Picture1->Width());
    Frame2->setLeft(Picture2->Left() + Picture2->Width() + 10 * U);
    Frame2->setTop(Picture2->Top());
    Frame1->setLeft(Frame2->Left());
    Frame1->setTop(Frame2->Top() + Frame2->Height() + 10 * U);
    Frame5->setTop(Frame4->Top() + Frame4->Height() + 5 * V);
    Frame5->setLeft(Picture1->Left());
    Frame5->setWidth(Picture1->Width());
    // The residual panel takes the place of the lower panels; its residual
    // plot spans the plot's width, so each residual sits under its point.
    Frame7->setTop(Frame3->Top());
    Frame7->setLeft(Picture1->Left());
    Frame7->setWidth(Picture1->Width());
    Picture4->setWidth(Picture1->Width());
    Frame8->setTop(Frame3->Top());
    Frame8->setLeft(Picture1->Left());
    Frame8->setWidth(Picture1->Width());

    // 17, 19. Sheets about the plot and the lower panels open beside the
    // plot; those about the statistics and estimates open over it.
    const double alLado = Frame3->Left() + Frame3->Width() + 5 * U;
    const std::array<std::pair<double, double>, 11> laminas{{{alLado, 785 * V},
                                                             {10 * U, 665 * V},
                                                             {10 * U, 480 * V},
                                                             {10 * U, 835 * V},
                                                             {10 * U, 835 * V},
                                                             {10 * U, 745 * V},
                                                             {alLado, 840 * V},
                                                             {alLado, 840 * V},
                                                             {alLado, 840 * V},
                                                             {alLado, 840 * V},
                                                             {alLado, 840 * V}}};
    for (int k = Picture3.LBound(); k <= Picture3.UBound(); ++k) {
        Picture3(k).setTop(10 * V);
        Picture3(k).setWidth(610 * U);
        Picture3(k).setLeft(laminas[static_cast<std::size_t>(k)].first);
        Picture3(k).setHeight(laminas[static_cast<std::size_t>(k)].second);
    }
}

void Form1::ubicarDebajo(const Ubicacion& arriba, Shape& abajo) {
    abajo.setTop(arriba.Top() + arriba.Height());
    abajo.setLeft(arriba.Left());
}

} // namespace rectaviva
