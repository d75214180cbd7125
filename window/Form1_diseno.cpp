// Form1's layout for the screen: the window covers it, the layout units
// follow its size, and every panel, box and bar is placed and coloured from
// them. Everything starts hidden until the first sample.
#include "Form1.h"

#include "Grafico.h"
#include "colores.h"

#include <cmath>

namespace rectaviva {

void Form1::ajustarPantalla() {
    // The window, the layout units and every place that follows the screen;
    // the plot range.
    List3->setVisible(false);
    distribuir();
    g.xMax = 100;
    g.yMax = 100;
    g.xMin = -40;
    g.yMin = -40;

    // The plot and its markers.
    Picture1->ScaleUsuario();
    Picture1->setBackColor(colorPlano);
    for (int k = 0; k <= 51; ++k) {
        Shape1(k).setVisible(false);
    }

    // The point list hidden.
    List5->setVisible(false);
    List6->setVisible(false);
    Picture1->setVisible(false);
    Picture2->setVisible(false);

    // Tool bar and panels hidden until the first sample, coloured; the
    // views' panels take the colours of the lower ones.
    Frame4->setVisible(false);
    Frame3->setBackColor(colorPanelInferior);
    Frame2->setVisible(false);
    Frame2->setBackColor(colorPanelVariables);
    Frame1->setVisible(false);
    Frame1->setBackColor(colorPanelEstimacion);
    Frame5->setBackColor(colorPanelInferior);
    Frame5->setVisible(false);
    for (const auto& v : vistas_) {
        v->ajustar();
    }

    // Panel colours: output boxes olive-yellow, entry fields pink.
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

    // Lower panel, explanation pictures, delete/restore pop-up.
    Frame3->setVisible(false);
    for (int k = Picture3.LBound(); k <= Picture3.UBound(); ++k) {
        Picture3(k).setVisible(false);
    }
    Frame6->setVisible(false);
    Label5(1).setEnabled(false);

    // Each value bar directly under its box.
    for (const FilaCaja& f : filasCajas()) {
        if (f.barra.indice >= 0) {
            ubicarDebajo(cajaDeFila(*this, f), Shape2(f.barra.indice));
        }
    }

    // No drag yet; no band or prediction graphics.
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

    // The window covers the screen from its top-left corner.
    left_ = 0;
    top_ = 0;
    width_ = anchoPantalla;
    height_ = altoPantalla;
    move(0, 0);
    resize(static_cast<int>(std::lround(twipsAPixeles(width_))),
           static_cast<int>(std::lround(twipsAPixeles(height_))));

    // Layout units.
    g.escalaX = static_cast<Single>(anchoPantalla / 1200);
    g.escalaY = static_cast<Single>(altoPantalla / 1000);
    const double U = g.escalaX;
    const double V = g.escalaY;

    // The plot, and the point list to its right.
    Picture1->setTop(10 * V);
    Picture1->setLeft(10 * U);
    Picture2->setTop(Picture1->Top());
    Picture2->setLeft(Picture1->Left() + Picture1->Width() + 10 * U);

    // Tool bar under the plot, panels around it.
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
    // The views' panels take the place of the lower panels.
    ranura_.alinear(*Frame3);
    for (const auto& v : vistas_) {
        v->distribuir();
    }

    // Sheets about the plot, the lower panels and the views open beside the
    // plot; those about the statistics and estimates open over it.
    const double alLado = Frame3->Left() + Frame3->Width() + 5 * U;
    const std::array<std::pair<double, double>, 8> laminas{{{alLado, 785},
                                                            {10 * U, 665},
                                                            {10 * U, 480},
                                                            {10 * U, 835},
                                                            {10 * U, 835},
                                                            {10 * U, 745},
                                                            {alLado, 840},
                                                            {alLado, 840}}};
    const auto ubicarLamina = [&](int k, double izquierda, double alto) {
        Picture3(k).setTop(10 * V);
        Picture3(k).setWidth(610 * U);
        Picture3(k).setLeft(izquierda);
        Picture3(k).setHeight(alto * V);
    };
    for (int k = 0; k < static_cast<int>(laminas.size()); ++k) {
        ubicarLamina(k, laminas[static_cast<std::size_t>(k)].first,
                     laminas[static_cast<std::size_t>(k)].second);
    }
    for (const auto& v : vistas_) {
        for (const Lamina& l : v->laminas()) {
            ubicarLamina(l.indice, alLado, l.alto);
        }
    }
}

void Form1::ubicarDebajo(const Ubicacion& arriba, Shape& abajo) {
    abajo.setTop(arriba.Top() + arriba.Height());
    abajo.setLeft(arriba.Left());
}

} // namespace rectaviva
