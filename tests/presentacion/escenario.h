// A stand-in for the window's controls: the real control classes, created
// with the names, arrays, colours and sizes the window gives them, so the
// presentation can be run and its output read back. Used by the tests and
// the benchmark of the presentation.
#pragma once

#include "Globales.h"
#include "Grafico.h"
#include "Pantalla.h"
#include "capa_controles.h"
#include "mostrar.h"

#include <QFont>
#include <QWidget>

#include <memory>
#include <vector>

namespace rectaviva {

class Escenario {
public:
    Escenario() {
        raiz.resize(1024, 768);
        Picture1 = new PictureBox(&raiz, "Picture1");
        Picture1->Move(1920, 1080, 7185, 6765);
        Picture1->setBackColor(RGB(255, 180, 0));
        Picture2 = new PictureBox(&raiz, "Picture2");
        Picture2->Move(9500, 1080, 1935, 10215);
        Picture2->setBackColor(RGB(192, 64, 0));
        Picture2->setFont(QFont("DejaVu Sans", 9));
        auto* frame1 = panel("Frame1", 11500, 5000);
        auto* frame2 = panel("Frame2", 11500, 100);
        auto* frame3 = panel("Frame3", 100, 8000);
        auto* frame5 = panel("Frame5", 100, 8000);

        // Markers and lines of the plot, in twips before the plot has a scale.
        for (int k = 0; k <= 51; ++k) {
            Shape* s = Picture1->agregarShape(QString("Shape1_%1").arg(k));
            s->setForma(Shape::Forma::Circulo);
            s->Move(0, 0, 135, 135);
            s->setVisible(false);
            Shape1.agregar(k, s);
        }
        Line3 = Picture1->agregarLine("Line3");
        Line3->setBorderColor(RGB(230, 0, 0));
        Line3->setBorderWidth(3);
        lineas(Line12, "Line12", 41, RGB(0, 192, 192), 2);
        lineas(Line13, "Line13", 50, RGB(255, 0, 255), 2);
        lineas(Line14, "Line14", 1, RGB(0, 192, 192), 3);
        Line14(1).setBorderColor(RGB(255, 0, 255));
        Line14(1).setBorderWidth(5);

        cajas(Text1, "Text1", 14, frame1);
        cajas(Text2, "Text2", 10, frame2);
        cajas(Text3, "Text3", 9, frame3);
        cajas(Text4, "Text4", 6, frame5);

        // Each bar right under its box, as the layout puts them.
        const std::vector<std::pair<int, TextBox*>> bajo{
            {0, &Text1(0)},  {1, &Text1(1)},   {2, &Text1(3)},  {3, &Text1(4)},  {4, &Text1(5)},
            {5, &Text1(7)},  {6, &Text1(10)},  {7, &Text1(11)}, {8, &Text1(12)}, {9, &Text1(13)},
            {10, &Text1(2)}, {11, &Text1(14)}, {12, &Text2(0)}, {13, &Text2(1)}, {14, &Text2(2)},
            {15, &Text2(3)}, {16, &Text2(4)},  {17, &Text2(5)}, {18, &Text2(6)}, {19, &Text2(7)},
            {20, &Text2(8)}, {21, &Text2(9)},  {22, &Text3(9)}};
        for (const auto& [i, caja] : bajo) {
            auto* frame = static_cast<Contenedor*>(caja->parentWidget());
            Shape* s = frame->agregarShape(QString("Shape2_%1").arg(i));
            s->setFillColor(RGB(0, 0, 255));
            s->setBorderColor(RGB(0, 0, 255));
            s->Move(caja->Left(), caja->Top() + caja->Height(), 500, 135);
            Shape2.agregar(i, s);
        }

        g.escalaX = 12.8f;
        g.escalaY = 11.52f;
        g.xMin = -40;
        g.xMax = 100;
        g.yMin = -40;
        g.yMax = 100;
        fijarEscala(*Picture1, g.xMin, g.xMax, g.yMin, g.yMax);
        pantalla.reset(new Pantalla{Text1, Text2, Text3, Text4, Shape1, Shape2, *Line3, Line12,
                                    Line13, Line14, *Picture1, *Picture2});
        presentacion = std::make_unique<mostrar>(g, *pantalla, QStringLiteral("."));
    }

    Globales g;
    QWidget raiz;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    Matriz<TextBox> Text1, Text2, Text3, Text4;
    Matriz<Shape> Shape1, Shape2;
    Line* Line3 = nullptr;
    Matriz<Line> Line12, Line13, Line14;
    std::unique_ptr<Pantalla> pantalla;
    std::unique_ptr<mostrar> presentacion;

private:
    Frame* panel(const char* nombre, double left, double top) {
        auto* f = new Frame(&raiz, nombre);
        f->Move(left, top, 5415, 5175);
        return f;
    }

    void lineas(Matriz<Line>& m, const char* nombre, int ultimo, QColor c, int ancho) {
        for (int k = 0; k <= ultimo; ++k) {
            Line* l = Picture1->agregarLine(QString("%1_%2").arg(nombre).arg(k));
            l->setBorderColor(c);
            l->setBorderWidth(ancho);
            m.agregar(k, l);
        }
    }

    static void cajas(Matriz<TextBox>& m, const char* nombre, int ultimo, Frame* f) {
        for (int k = 0; k <= ultimo; ++k) {
            auto* t = new TextBox(f, QString("%1_%2").arg(nombre).arg(k));
            t->Move(120 + 1000 * (k % 5), 120 + 700 * (k / 5), 855, 405);
            m.agregar(k, t);
        }
    }
};

} // namespace rectaviva
