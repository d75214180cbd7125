// The controls of the window description that Form1 places, grouped as on
// the window: its surfaces and panels, what the plot holds, the result
// panels, the icons and the menus. Form1 carries them as a base, like each
// view's, so that `f.Text1(9)` or `f.mnuGene` names a control of the window.
#pragma once

#include "Globales.h"
#include "capa_controles.h"
#include "vistas.h"

#include <vector>

class QScrollBar;

namespace rectaviva {

// Where a text panel opens, in layout units (V down, U across).
struct LugarLista {
    Single arriba, alto, izquierda, ancho;
};

struct ControlesDeForm1 {
    // Controls placed on the window.
    Contenedor* Cliente = nullptr; ///< the window's client area, in twips
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    Matriz<PictureBox> Picture3;
    Frame* Frame1 = nullptr;
    Frame* Frame2 = nullptr;
    Frame* Frame3 = nullptr;
    Frame* Frame4 = nullptr;
    Frame* Frame5 = nullptr;
    Frame* Frame6 = nullptr;
    ListBox* List3 = nullptr;
    ListBox* List5 = nullptr;
    ListBox* List6 = nullptr;
    Timer* Timer1 = nullptr;
    QScrollBar* barraLista_ = nullptr; ///< scrolls the point list of a long data set
    Label* Label11 =
        nullptr; ///< beside the analysis of variance's totals: the t distribution past the table

    // The plot and what it holds.
    Matriz<Shape> Shape1;
    Nube* Nube1 = nullptr; ///< the markers of a data set of more than 50 points
    Line* Line3 = nullptr;
    Matriz<Line> Line12;
    Matriz<Line> Line13;
    Matriz<Line> Line14;
    Matriz<Label> Label5;
    Matriz<Shape> Shape5{
        1, maxPuntos}; ///< squares on the segments from points to a line, for the views

    // The result panels.
    Matriz<Label> Label1;
    Matriz<Label> Label2;
    Matriz<Label> Label3;
    Matriz<Label> Label4;
    Matriz<TextBox> Text1;
    Matriz<TextBox> Text2;
    Matriz<TextBox> Text3;
    Matriz<TextBox> Text4;
    Matriz<Shape> Shape2;
    Shape* Shape3 = nullptr;
    Shape* Shape4 = nullptr;
    Line* Line1 = nullptr;
    Line* Line2 = nullptr;
    Line* Line4 = nullptr;
    Line* Line5 = nullptr;
    Line* Line6 = nullptr;
    Line* Line7 = nullptr;
    Line* Line9 = nullptr;
    Line* Line10 = nullptr;
    Line* Line11 = nullptr;
    Matriz<Line> Line8;

    // Tool icons and help icons.
    Matriz<Image> Image1;
    Matriz<Image> Image2{0, Vistas::ultimaLamina}; ///< spread over the plot and the panels

    // Menus.
    Menu* mnuGene = nullptr;
    Menu* mnuVe = nullptr;
    Menu* mnuAv = nullptr;
    Menu* mnuPr = nullptr;
    Menu* mnuBan = nullptr;
    Menu* mnuExa = nullptr;       ///< checkable: p-values and quantiles of the exact t distribution
    Menu* mnuAmp = nullptr;       ///< checkable: the window drawn larger to fill the screen
    Menu* mnuIdi = nullptr;       ///< "Idioma", last in "Ver"
    std::vector<Menu*> mnuIdioma; ///< one checkable entry per language, by its own name
    Menu* mnuDat = nullptr;       ///< "Datos", after "Ver"
    Menu* mnuCon = nullptr;       ///< its submenu of example sets
    std::vector<Menu*> mnuConjunto; ///< one entry per example set
    Menu* mnuPeg = nullptr;
    Menu* mnuAbr = nullptr;
    Menu* mnuGua = nullptr; ///< enabled while a sample exists
    Menu* mnuEdi = nullptr; ///< "Editar", after "Datos"
    Menu* mnuDes = nullptr; ///< "Deshacer «…»", the gesture it takes back
    Menu* mnuReh = nullptr; ///< "Rehacer «…»"
    Menu* mnuCop = nullptr; ///< "Copiar resultados"
    Menu* mnuCgr = nullptr; ///< "Copiar gráfico"
    Menu* mnuGgr = nullptr; ///< "Guardar gráfico…"
    Menu* mnuDesc = nullptr;
    Menu* mnuAcer = nullptr;
    Menu* mnuSali = nullptr;
};

} // namespace rectaviva
