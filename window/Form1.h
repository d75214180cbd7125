// The program's single window: its controls as the window description lists
// them, its layout for the screen, its start-up and the menu commands that
// need no sample. Form1 owns the shared state record and the three service
// objects; the handlers of the other actions are added on top of this class.
#pragma once

#include "Calculos.h"
#include "Globales.h"
#include "Pantalla.h"
#include "Tablas.h"
#include "controles.h"
#include "herramientas.h"
#include "mostrar.h"
#include "muestreo.h"

#include <QMainWindow>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <memory>

namespace rectaviva {

// Where a text panel opens, in layout units (V down, U across).
struct LugarLista {
    Single arriba, alto, izquierda, ancho;
};

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds every control and runs Form_Load; the caller shows the window.
    explicit Form1(QWidget* padre = nullptr);
    ~Form1() override;

    // Window position and size in twips (set by ajustarPantalla).
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }

    // Replaces the clock-seeded generator, so that tests choose the draws.
    void setGenerador(std::unique_ptr<Generador> azar);

    Globales g;

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
    Frame* Frame7 = nullptr; ///< the residual panel, in the place of Frame3 and Frame5
    Frame* Frame8 = nullptr; ///< the panel of the student's own line, in the same place
    ListBox* List3 = nullptr;
    ListBox* List5 = nullptr;
    ListBox* List6 = nullptr;
    Timer* Timer1 = nullptr;

    // The plot and what it holds.
    Matriz<Shape> Shape1;
    Line* Line3 = nullptr;
    Matriz<Line> Line12;
    Matriz<Line> Line13;
    Matriz<Line> Line14;
    Matriz<Label> Label5;
    Matriz<Line> Line15{1, 50};  ///< residual segments
    Matriz<Shape> Shape5{1, 50}; ///< squares of the residuals
    Line* Line16 = nullptr;      ///< the student's own line
    Line* Line17 = nullptr;      ///< the line of standard deviations, dashed
    Matriz<Shape> Shape8;        ///< the own line's handles, 0 left and 1 right

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

    // The residual panel.
    PictureBox* Picture4 = nullptr; ///< residual plot
    Matriz<Shape> Shape6{1, 50};    ///< residual markers
    Matriz<Shape> Shape7;           ///< decomposition bar: SCReg, SCErr, frame
    Matriz<Label> Label6;
    Matriz<TextBox> Text5;
    CheckBox* Check1 = nullptr; ///< "Cuadrados"

    // The panel of the student's own line.
    Matriz<Label> Label7;
    Matriz<TextBox> Text6;
    CheckBox* Check2 = nullptr; ///< "Cuadrados" of the own line

    // Tool icons and help icons.
    Matriz<Image> Image1;
    Matriz<Image> Image2{0, 10}; ///< spread over the plot and the panels

    // Menus.
    Menu* mnuGene = nullptr;
    Menu* mnuVe = nullptr;
    Menu* mnuAv = nullptr;
    Menu* mnuPr = nullptr;
    Menu* mnuBan = nullptr;
    Menu* mnuRes = nullptr;
    Menu* mnuMia = nullptr;
    Menu* mnuAmp = nullptr; ///< checkable: the window drawn larger to fill the screen
    Menu* mnuDesc = nullptr;
    Menu* mnuAcer = nullptr;
    Menu* mnuSali = nullptr;

    // Menu commands that work with or without a sample.
    void mnuDesc_Click();
    void mnuAcer_Click();
    void mnuSali_Click();

    // A sample: generation, the size entry, the level and prediction entries.
    void mnuGene_Click();
    void Text2_Change(Integer Index);
    void Text2_KeyPress(Integer Index, int& KeyAscii);
    void Text1_Change(Integer Index);
    void Text1_KeyPress(Integer Index, int& KeyAscii);
    void Text4_Change(Integer Index);
    void Text4_KeyPress(Integer Index, int& KeyAscii);

    // The view menu and the explanation sheets.
    void mnuAv_Click();
    void mnuPr_Click();
    void mnuBan_Click();
    void mnuRes_Click();
    void Check1_Click();
    // "Mi recta": the student guesses a line, then compares it with the
    // least-squares line (Label7(6)) and may try again (Label7(7)).
    void mnuMia_Click();
    void Check2_Click();
    void Label7_Click(Integer Index);
    void Image2_Click(Integer Index);
    // "Ampliar a la pantalla": the whole window drawn factorAmpliacion()
    // times larger while checked, at its design size while not.
    void mnuAmp_Click();
    static double factorAmpliacion();

    // The mouse on the plot and on the point list, the drag timer.
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Picture1_MouseUp(int Button, int Shift, float X, float Y);
    void Timer1_Timer();
    void Picture2_MouseDown(int Button, int Shift, float X, float Y);
    void Picture2_MouseUp(int Button, int Shift, float X, float Y);

    // Deleting and restoring a point; the cloud tools.
    void Label5_Click(Integer Index);
    void Image1_MouseDown(Integer Index, int Button, int Shift, float X, float Y);
    void Image1_MouseUp(Integer Index, int Button, int Shift, float X, float Y);

    // True while a cloud tool is held and working; steps it has made.
    bool herramientaActiva() const { return herramientaActiva_; }
    long pasosHerramienta() const { return pasosHerramienta_; }

protected:
    void Form_Load();
    void ajustarPantalla();
    void distribuir();
    static void ubicarDebajo(const Ubicacion& arriba, Shape& abajo);
    void avisoResolucion();
    void alternarLista(ListBox& lista, const LugarLista& lugar,
                       std::initializer_list<const char*> filas);
    void ubicarLista(ListBox& lista, const LugarLista& lugar);
    void ubicarListas();

    // The screen in twips, from the primary screen: s times smaller while
    // the window is zoomed s times.
    static double anchoPantallaTwips();
    static double altoPantallaTwips();

    // The sample and its series.
    // A sample exists with enough points in use for a fit.
    bool existeMuestra() const;
    void generarMuestra();
    void generarPuntos(const Integer& n);
    void mostrarPaneles();
    void moverPunto(Integer& idx, Integer& arrastre, Single& X, Single& Y, Single& Xold,
                    Single& Yold);
    void verLamina(Integer k);
    void serieAjusteYTablas();
    void serieGenerar();
    void serieListaYAjuste();
    void serieAnovaYVistas();
    void serieTamano();
    void serieEliminar();
    void serieHerramienta();
    void serieArrastre(const Integer& idx, const Single& Xold, const Single& Yold);

private:
    void conectarEventos();
    void nuevaMuestraEmpieza();
    void terminarHerramienta();
    void pasoDeHerramienta();
    void programarReloj(std::chrono::steady_clock::time_point ahora);
    bool puntoValido(Integer k) const;
    void dejarResiduos();
    void dejarMiRecta();
    // A new guess: the own line horizontal through the mean of y, the answer hidden.
    void empezarMiRecta();
    // The own line after its handles moved: its fit, its sum, its display.
    void serieMiRecta();
    void moverAsa();
    // Colours point k's marker, and its residual segment with it.
    void colorearPunto(Integer k, const QColor& c);

    void componer();
    void componerMenus();
    void componerPlano();
    void componerFrame1();
    void componerFrame2();
    void componerFrame3();
    void componerFrame5();
    void componerFrame4();
    void componerFrame7();
    void componerFrame8();
    void componerLaminas();
    void componerListas();

    double left_ = 0, top_ = 0, width_ = 0, height_ = 0; ///< twips

    std::unique_ptr<Generador> azar_;

    // The held cloud tool.
    bool herramientaActiva_ = false;
    Herramienta herramienta_ = Herramienta::Sube;
    Referencias referencias_;
    Integer puntosDeLaHerramienta_ = 0; ///< nPuntos at the press: a new sample ends the tool
    std::chrono::steady_clock::time_point proximoPaso_;
    long pasosHerramienta_ = 0;
    QTimer* relojHerramienta_ = nullptr;
    std::unique_ptr<Calculos> calculos_;
    std::unique_ptr<Tablas> tablas_;
    std::unique_ptr<Pantalla> pantalla_;
    std::unique_ptr<PantallaResiduos> pantallaResiduos_;
    std::unique_ptr<PantallaMiRecta> pantallaMiRecta_;
    std::unique_ptr<mostrar> mostrar_;
};

} // namespace rectaviva
