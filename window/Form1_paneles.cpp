// Form1's composition, continued: the analysis-of-variance and prediction
// panels, the tool row, the explanation sheets and the text lists.
#include "Form1.h"

#include "colores.h"
#include "composicion.h"
#include "paneles_idioma.h"

#include <algorithm>
#include <array>

namespace rectaviva {

void Form1::componerFrame3() {
    crearLabelsTraducidos(
        Frame3, Label2, "Label2", "paneles",
        {{QT_TRANSLATE_NOOP("paneles", "Analisis de varianza"), 2520, 120, 2775, 375, cen, 11.25,
          true},
         {QT_TRANSLATE_NOOP("paneles", "Fuente de variación"), 0, 600, 1335, 615, cen, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Suma de cuadrados"), 1200, 600, 1335, 615, cen, 9.75,
          false},
         {QT_TRANSLATE_NOOP("paneles", "Grados lib."), 2520, 600, 855, 615, cen, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Cuadrados medios"), 3360, 600, 1215, 615, cen, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Cuociente F"), 4680, 600, 1095, 615, cen, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Valor-p"), 5760, 720, 1095, 375, cen, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Regresión"), 0, 1200, 1095, 375, cen, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Error"), 0, 1680, 1095, 375, cen, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Total"), 0, 2280, 1095, 375, cen, 9.75, false}});
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
    crearLabelsTraducidos(
        Frame5, Label4, "Label4", "paneles",
        {{QT_TRANSLATE_NOOP("paneles", "Predicción "), 960, 120, 5415, 375, cen, 11.25, true},
         {QT_TRANSLATE_NOOP("paneles", "Respuesta media"), 120, 2160, 2055, 255, der, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Predicción de una observación "), 600, 1440, 1695, 495, der,
          9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Predicción en   x ="), 2520, 480, 2175, 255, der, 9.75,
          false},
         {QT_TRANSLATE_NOOP("paneles", "Predicción puntual"), 4680, 1080, 1935, 255, der, 9.75,
          false},
         {"%", 4080, 960, 255, 255, der, 9.75, false},
         {QT_TRANSLATE_NOOP("paneles", "Intervalo de confianza coeficiente"), 0, 960, 3615, 255,
          der, 9.75, false}});
    // The colour keys lie inside the extent of these two labels.
    Label4(1).setTransparente(true);
    Label4(2).setTransparente(true);
    Line10 = linea(*Frame5, QStringLiteral("Line10"), 120, 840, 6855, 840, rojoLinea, 2);
    Line11 = linea(*Frame5, QStringLiteral("Line11"), 4440, 840, 4440, 2700, rojoLinea, 2);
    Shape4 = Frame5->agregarShape(QStringLiteral("Shape4"));
    Shape4->Move(120, 1560, 255, 255);
    Shape4->setFillColor(colorObservacion);
    Shape4->setBorderColor(colorBorde);
    Shape3 = Frame5->agregarShape(QStringLiteral("Shape3"));
    Shape3->Move(120, 2160, 255, 255);
    Shape3->setFillColor(colorMediaRespuesta);
    Shape3->setBorderColor(colorBorde);
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
    static const std::array<const char*, 10> consejos{
        QT_TRANSLATE_NOOP("paneles", "Contrae los puntos verticalmente"),
        QT_TRANSLATE_NOOP("paneles", "Expande los puntos verticalmente"),
        QT_TRANSLATE_NOOP("paneles", "Contrae los puntos horizontalmente"),
        QT_TRANSLATE_NOOP("paneles", "Expande los puntos horizontalmente"),
        QT_TRANSLATE_NOOP("paneles", "Sube los puntos"),
        QT_TRANSLATE_NOOP("paneles", "Baja los puntos"),
        QT_TRANSLATE_NOOP("paneles", "Mueve los puntos a la izquierda"),
        QT_TRANSLATE_NOOP("paneles", "Mueve los puntos a la derecha"),
        QT_TRANSLATE_NOOP("paneles", "Contrae los puntos"),
        QT_TRANSLATE_NOOP("paneles", "Expande los puntos")};
    for (int k = 0; k <= 9; ++k) {
        auto* i = new Image(Frame4, nombre("Image1", k));
        i->setPicture(QStringLiteral(":/iconos/herramienta%1.svg").arg(k));
        traducirAyuda(*i, Fuente{"paneles", consejos[static_cast<std::size_t>(k)]});
        i->Move(15 + 240 * k, 15, 225, 225);
        Image1.agregar(k, i);
    }
}

void Form1::componerLaminas() {
    // The design's eight sheets, then the views': lamina<k>.svg for each, in
    // the language in use where it has its own.
    for (int k = 0; k <= Vistas::ultimaLamina; ++k) {
        auto* p = new PictureBox(Cliente, nombre("Picture3", k));
        p->Move(5880 + (11040 - 5880) * std::min(k, 7) / 7.0, 480, 615, 495);
        p->setBackColor(colorLamina);
        // The picture of the language in use, again after each change.
        alCambiarIdioma(p, ClaveTexto::Otro, [p, k] { p->setPicture(rutaDeLamina(k, "svg")); });
        // Read by a screen reader as the text beside its picture; the focus
        // goes into it when it opens.
        p->setProperty("lamina", k);
        p->setFocusPolicy(Qt::ClickFocus);
        Picture3.agregar(k, p);
    }
}

void Form1::componerListas() {
    List6 = new ListBox(Cliente, QStringLiteral("List6"));
    List6->Move(2280, 720, 735, 240);
    List6->setBackColor(colorTexto);
    List6->setFont(fuente(9));
    List3 = new ListBox(Cliente, QStringLiteral("List3"));
    List3->Move(3480, 360, 855, 270);
    List3->setBackColor(colorTexto);
    List3->setFont(fuente(9.75));
    for (ListBox* l : {List6, List3}) {
        l->setProperty("hoja", true);
        l->setFocusPolicy(Qt::ClickFocus);
    }
    List5 = new ListBox(Cliente, QStringLiteral("List5"));
    List5->Move(3360, 720, 1695, 270);
    List5->setForeColor(colorAviso);
    List5->setFont(fuente(9.75, true));
}

} // namespace rectaviva
