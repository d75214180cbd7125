// The small builders that Form1's composition uses for every panel: fonts,
// control names, labels, text boxes, lines, value bars and help icons, each
// placed at its design position in twips.
#pragma once

#include "Traduccion.h"
#include "capa_controles.h"

#include <QFont>
#include <QString>

#include <initializer_list>

namespace rectaviva {

// Verdana where it is installed, else a sans-serif of similar width.
QFont fuente(double puntos, bool negrita = false);

// "Base_k": the object name of element k of a control array.
QString nombre(const char* base, int k);

// One label of a panel: caption, design position, alignment, size in points
// and weight. A caption given as a Fuente follows the language; one given as
// plain UTF-8 (a symbol, a formula) is shown as written.
struct DisenoLabel {
    DisenoLabel(Fuente t, double l, double a, double w, double h, Qt::Alignment al, double p,
                bool n)
        : texto(t), left(l), top(a), width(w), height(h), alineacion(al), puntos(p), negrita(n) {}
    DisenoLabel(const char* t, double l, double a, double w, double h, Qt::Alignment al, double p,
                bool n)
        : DisenoLabel(Fuente{nullptr, t}, l, a, w, h, al, p, n) {}

    Fuente texto; ///< without a context, never translated
    double left, top, width, height;
    Qt::Alignment alineacion;
    double puntos;
    bool negrita;
};

// One text box: design position; width and height in twips.
struct DisenoCaja {
    double left, top, width, height;
};

inline constexpr Qt::Alignment izq = Qt::AlignLeft | Qt::AlignTop;
inline constexpr Qt::Alignment der = Qt::AlignRight | Qt::AlignTop;
inline constexpr Qt::Alignment cen = Qt::AlignHCenter | Qt::AlignTop;

void crearLabels(QWidget* padre, Matriz<Label>& m, const char* base,
                 std::initializer_list<DisenoLabel> disenos);
void crearCajas(QWidget* padre, Matriz<TextBox>& m, const char* base, double puntos,
                std::initializer_list<DisenoCaja> disenos);
Line* linea(Contenedor& c, const QString& n, double x1, double y1, double x2, double y2,
            const QColor& color, int ancho);
// A value bar under a result box (placed by the layout), 135 twips high.
void barra(Contenedor& c, Matriz<Shape>& m, int k);
Image* ayuda(QWidget* padre, Matriz<Image>& m, int k, double left, double top);
// A panel of output boxes in one colour: the panel, its labels and check
// boxes in `fondo`, its text boxes in the colour of an output box.
void colorearPanel(Frame& panel, const QColor& fondo);

// The colour of the rules that divide the panels.
inline const QColor rojoLinea(192, 0, 0);

} // namespace rectaviva
