// Form1's composition, continued: the analysis-of-variance, prediction and
// residual panels, the tool row, the explanation sheets and the text lists.
#include "Form1.h"

#include "colores.h"
#include "composicion.h"
#include "cuadricula.h"

#include <algorithm>
#include <array>

namespace rectaviva {

void Form1::componerFrame3() {
    crearLabels(Frame3, Label2, "Label2",
                {{"Analisis de varianza", 2520, 120, 2775, 375, cen, 11.25, true},
                 {"Fuente de variación", 0, 600, 1335, 615, cen, 9.75, false},
                 {"Suma de cuadrados", 1200, 600, 1335, 615, cen, 9.75, false},
                 {"Grados lib.", 2520, 600, 855, 615, cen, 9.75, false},
                 {"Cuadrados medios", 3360, 600, 1215, 615, cen, 9.75, false},
                 {"Cuociente F", 4680, 600, 1095, 615, cen, 9.75, false},
                 {"Valor-p", 5760, 720, 1095, 375, cen, 9.75, false},
                 {"Regresión", 0, 1200, 1095, 375, cen, 9.75, false},
                 {"Error", 0, 1680, 1095, 375, cen, 9.75, false},
                 {"Total", 0, 2280, 1095, 375, cen, 9.75, false}});
    // The table's headings are transparent, so its grid lines show through.
    for (int k = 1; k <= 9; ++k) {
        Label2(k).setTransparente(true);
    }
    const std::array<double, 5> verticales{1200, 2520, 3360, 4560, 5760};
    for (int k = 0; k < 5; ++k) {
        Line8.agregar(k, linea(*Frame3, nombre("Line8", k), verticales[k], 600, verticales[k], 2640,
                               rojoLinea, 2));
    }
    Line8.agregar(5, linea(*Frame3, nombre("Line8", 5), 120, 1080, 6840, 1080, rojoLinea, 2));
    Line8.agregar(6, linea(*Frame3, nombre("Line8", 6), 120, 2160, 6840, 2160, rojoLinea, 2));
    crearCajas(Frame3, Text3, "Text3", 9,
               {{1320, 1200, 1095, 375},
                {1320, 1680, 1095, 375},
                {1320, 2280, 1095, 375},
                {2640, 1200, 615, 375},
                {2640, 1680, 615, 375},
                {2640, 2280, 615, 375},
                {3480, 1200, 975, 375},
                {3480, 1680, 975, 375},
                {4680, 1200, 975, 375},
                {5880, 1200, 855, 375}});
    barra(*Frame3, Shape2, 22);
    ayuda(Frame3, Image2, 6, 6600, 120);
}

void Form1::componerFrame5() {
    crearLabels(Frame5, Label4, "Label4",
                {{"Predicción ", 960, 120, 5415, 375, cen, 11.25, true},
                 {"Respuesta media", 120, 2160, 2055, 255, der, 9.75, false},
                 {"Predicción de una observación ", 600, 1440, 1695, 495, der, 9.75, false},
                 {"Predicción en   x =", 2520, 480, 2175, 255, der, 9.75, false},
                 {"Predicción puntual", 4680, 1080, 1935, 255, der, 9.75, false},
                 {"%", 4080, 960, 255, 255, der, 9.75, false},
                 {"Intervalo de confianza coeficiente", 0, 960, 3615, 255, der, 9.75, false}});
    // The colour keys lie inside the extent of these two labels.
    Label4(1).setTransparente(true);
    Label4(2).setTransparente(true);
    Line10 = linea(*Frame5, QStringLiteral("Line10"), 120, 840, 6855, 840, rojoLinea, 2);
    Line11 = linea(*Frame5, QStringLiteral("Line11"), 4440, 840, 4440, 2700, rojoLinea, 2);
    Shape4 = Frame5->agregarShape(QStringLiteral("Shape4"));
    Shape4->Move(120, 1560, 255, 255);
    Shape4->setFillColor(RGB(0, 192, 192));
    Shape4->setBorderColor(RGB(0, 0, 0));
    Shape3 = Frame5->agregarShape(QStringLiteral("Shape3"));
    Shape3->Move(120, 2160, 255, 255);
    Shape3->setFillColor(RGB(255, 0, 255));
    Shape3->setBorderColor(RGB(0, 0, 0));
    crearCajas(Frame5, Text4, "Text4", 9,
               {{3720, 960, 375, 375},
                {4800, 360, 615, 375},
                {2400, 1440, 855, 375},
                {3360, 1440, 855, 375},
                {2400, 2160, 855, 375},
                {3360, 2160, 855, 375},
                {4800, 1440, 855, 375}});
    for (int k : {0, 1, 6}) {
        Text4(k).setLocked(false);
    }
    ayuda(Frame5, Image2, 7, 6600, 120);
}

void Form1::componerFrame4() {
    static const std::array<const char*, 10> consejos{"Contrae los puntos verticalmente",
                                                      "Expande los puntos verticalmente",
                                                      "Contrae los puntos horizontalmente",
                                                      "Expande los puntos horizontalmente",
                                                      "Sube los puntos",
                                                      "Baja los puntos",
                                                      "Mueve los puntos a la izquierda",
                                                      "Mueve los puntos a la derecha",
                                                      "Contrae los puntos",
                                                      "Expande los puntos"};
    for (int k = 0; k <= 9; ++k) {
        auto* i = new Image(Frame4, nombre("Image1", k));
        i->setPicture(QStringLiteral(":/iconos/herramienta%1.svg").arg(k));
        i->setToolTip(QString::fromUtf8(consejos[static_cast<std::size_t>(k)]));
        i->Move(15 + 240 * k, 15, 225, 225);
        Image1.agregar(k, i);
    }
}

// The residual panel: the residual plot across the panel's width (which the
// layout makes the plot's, so each residual sits under its point), the
// decomposition of the variation on the left, the residual sums on the right.
void Form1::componerFrame7() {
    crearLabels(Frame7, Label6, "Label6",
                {{"Residuos", 2520, 30, 2775, 330, cen, 11.25, true},
                 {"SCTot = SCReg + SCErr", 120, 1640, 2820, 255, izq, 9, false},
                 {"SCReg", 120, 2160, 615, 255, izq, 9, false},
                 {"SCErr", 1620, 2160, 540, 255, izq, 9, false},
                 {"SCTot", 120, 2480, 615, 255, izq, 9, false},
                 {"R²", 1620, 2480, 540, 255, izq, 9, false},
                 {"%", 2790, 2480, 255, 255, izq, 9, false},
                 {"Suma de residuos", 3000, 1680, 3000, 255, der, 9, false},
                 {"Suma de cuadrados de residuos", 3000, 2020, 3000, 255, der, 9, false}});
    Picture4 = new PictureBox(Frame7, QStringLiteral("Picture4"));
    Picture4->Move(0, 390, 7185, 1200);
    Picture4->setPintorFondo(pintarCuadriculaResiduos);
    for (int k = 1; k <= 50; ++k) {
        Shape* s = Picture4->agregarShape(nombre("Shape6", k));
        s->setForma(Shape::Forma::Circulo);
        s->setVisible(false);
        Shape6.agregar(k, s);
    }
    const std::array<QColor, 3> partes{colorRegresion, colorResiduo, colorHueco};
    for (int k = 0; k < 3; ++k) {
        Shape* s = Frame7->agregarShape(nombre("Shape7", k));
        s->Move(120, 1900, 2700, 210);
        s->setFillColor(partes[static_cast<std::size_t>(k)]);
        s->setBorderColor(k == 2 ? RGB(0, 0, 0) : partes[static_cast<std::size_t>(k)]);
        Shape7.agregar(k, s);
    }
    crearCajas(Frame7, Text5, "Text5", 9,
               {{720, 2160, 855, 300},
                {2160, 2160, 795, 300},
                {720, 2480, 855, 300},
                {2160, 2480, 615, 300},
                {6120, 1640, 855, 300},
                {6120, 1980, 855, 300}});
    Check1 = new CheckBox(Frame7, QStringLiteral("Check1"));
    Check1->setText(QStringLiteral("Cuadrados"));
    Check1->setFont(fuente(9));
    Check1->Move(5400, 2400, 1575, 300);
    ayuda(Frame7, Image2, 8, 6840, 0);
}

// The panel of the student's own line: its equation and sum of squares on
// the left, the command that shows the least-squares line (or the one that
// hides it again) on the right, and under them the comparison.
void Form1::componerFrame8() {
    crearLabels(Frame8, Label7, "Label7",
                {{"Mi recta", 2520, 30, 2775, 330, cen, 11.25, true},
                 {"ŷ = a + b x", 120, 420, 4000, 330, izq, 11.25, true},
                 {"Suma de cuadrados de mi recta", 120, 840, 3000, 255, der, 9, false},
                 {"SCErr de mínimos cuadrados", 120, 1200, 3000, 255, der, 9, false},
                 {"", 120, 1540, 6735, 480, izq, 9, true},
                 {"La recta de mínimos cuadrados es menos empinada que la de las desviaciones "
                  "estándar cuando |r| < 1: es el efecto de regresión. Muchas rectas trazadas a "
                  "ojo siguen la segunda.",
                  120, 2040, 6735, 720, izq, 9, false},
                 {"Mostrar la recta de mínimos cuadrados", 4320, 780, 2535, 540, izq, 9, false},
                 {"Probar otra vez", 4320, 780, 2535, 300, izq, 9, false}});
    Label7(efectoRegresion).setWordWrap(true);
    Label7(comparacionMiRecta).setWordWrap(true);
    for (int k : {mostrarMinimos, probarOtraVez}) {
        Label7(k).setWordWrap(true);
        Label7(k).setForeColor(RGB(0, 0, 255));
        QFont f = fuente(9, true);
        f.setUnderline(true);
        Label7(k).setFont(f);
        Label7(k).setCursor(Qt::PointingHandCursor);
    }
    crearCajas(Frame8, Text6, "Text6", 9, {{3240, 810, 855, 300}, {3240, 1170, 855, 300}});
    Check2 = new CheckBox(Frame8, QStringLiteral("Check2"));
    Check2->setText(QStringLiteral("Cuadrados"));
    Check2->setFont(fuente(9));
    Check2->Move(4320, 420, 1575, 300);
    ayuda(Frame8, Image2, 10, 6840, 0);
}

void Form1::componerLaminas() {
    for (int k = 0; k <= 10; ++k) {
        auto* p = new PictureBox(Cliente, nombre("Picture3", k));
        p->Move(5880 + (11040 - 5880) * std::min(k, 7) / 7.0, 480, 615, 495);
        p->setBackColor(RGB(255, 255, 192));
        p->setPicture(QStringLiteral(":/laminas/lamina%1.svg").arg(k));
        Picture3.agregar(k, p);
    }
}

void Form1::componerListas() {
    List6 = new ListBox(Cliente, QStringLiteral("List6"));
    List6->Move(2280, 720, 735, 240);
    List6->setBackColor(RGB(192, 192, 192));
    List6->setFont(fuente(9));
    List3 = new ListBox(Cliente, QStringLiteral("List3"));
    List3->Move(3480, 360, 855, 270);
    List3->setBackColor(RGB(192, 192, 192));
    List3->setFont(fuente(9.75));
    List5 = new ListBox(Cliente, QStringLiteral("List5"));
    List5->Move(3360, 720, 1695, 270);
    List5->setForeColor(RGB(192, 0, 0));
    List5->setFont(fuente(9.75, true));
}

} // namespace rectaviva
