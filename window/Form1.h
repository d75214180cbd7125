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
    Matriz<Image> Image2{0, 7}; ///< spread over the plot and the four panels

    // Menus.
    Menu* mnuGene = nullptr;
    Menu* mnuVe = nullptr;
    Menu* mnuAv = nullptr;
    Menu* mnuPr = nullptr;
    Menu* mnuBan = nullptr;
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
    void Image2_Click(Integer Index);

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
    static void ubicarDebajo(const Ubicacion& arriba, Shape& abajo);
    void avisoResolucion();
    void alternarLista(ListBox& lista, Single arriba, Single alto, Single izquierda, Single ancho,
                       std::initializer_list<const char*> filas);

    // The screen in twips, from the primary screen.
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

    void componer();
    void componerMenus();
    void componerPlano();
    void componerFrame1();
    void componerFrame2();
    void componerFrame3();
    void componerFrame5();
    void componerFrame4();
    void componerLaminas();
    void componerListas();

    double left_ = 0, top_ = 0, width_ = 0, height_ = 0; ///< twips

    std::unique_ptr<Generador> azar_;

    // The held cloud tool.
    bool herramientaActiva_ = false;
    Herramienta herramienta_ = Herramienta::Sube;
    Referencias referencias_;
    Integer puntosDeLaHerramienta_ = 0; ///< nPuntos at the press: a new sample ends the tool
    std::chrono::steady_clock::time_point proximoPaso_; ///< when the next step is due
    long pasosHerramienta_ = 0;
    QTimer* relojHerramienta_ = nullptr;
    std::unique_ptr<Calculos> calculos_;
    std::unique_ptr<Tablas> tablas_;
    std::unique_ptr<Pantalla> pantalla_;
    std::unique_ptr<mostrar> mostrar_;
};

} // namespace rectaviva
