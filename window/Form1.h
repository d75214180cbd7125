// The program's single window: its controls as the window description lists
// them (and, as bases, the controls of each view beyond the design), its
// layout for the screen, its start-up and the menu commands that need no
// sample. Form1 owns the shared state record, the three service objects and
// the views; the handlers of the other actions are added on top of this class.
#pragma once

#include "Calculos.h"
#include "Globales.h"
#include "Pantalla.h"
#include "Tablas.h"
#include "asideros.h"
#include "controles.h"
#include "cuadricula.h"
#include "datos.h"
#include "escala.h"
#include "estado.h"
#include "herramientas.h"
#include "mostrar.h"
#include "muestreo.h"
#include "ranura.h"
#include "vistas.h"

#include <QAccessible>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace rectaviva {

// Where a text panel opens, in layout units (V down, U across).
struct LugarLista {
    Single arriba, alto, izquierda, ancho;
};

// Registers once the accessibility of the plot, the point list, the icons,
// the sheets and text panels, and the filter of what reaches a screen reader.
void instalarAccesibilidad();
// A control's accessible description, changed without telling a screen reader.
void ponerDescripcionCallada(QWidget& w, const QString& d);
// The text equivalent of sheet k, empty when it has none.
QString textoDeLamina(int k);

// The grid's axis for a round axis of the sample, with its title (UTF-8).
EjeCuadricula ejeCuadricula(const EjeRedondo& e, const std::string& titulo);

class Form1 : public QMainWindow, public Vistas::Controles {
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
    Menu* mnuExa = nullptr; ///< checkable: p-values and quantiles of the exact t distribution
    Menu* mnuAmp = nullptr; ///< checkable: the window drawn larger to fill the screen
    Menu* mnuDat = nullptr; ///< "Datos", after "Ver"
    Menu* mnuCon = nullptr; ///< its submenu of example sets
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

    // The slot under the plot and the drawing, for the views.
    Ranura& ranura() { return ranura_; }
    // A sample exists with enough points in use for a fit.
    bool existeMuestra() const;

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

    // The menu "Datos": example set i, a table pasted or opened through the
    // dialog, the sample saved. abrirArchivo serves the command line too;
    // pedirDatos takes a table's bytes through the dialog into the sample.
    void mnuCon_Click(int i);
    void mnuPeg_Click();
    void mnuAbr_Click();
    void mnuGua_Click();
    bool abrirArchivo(const QString& ruta);
    bool pedirDatos(std::string_view bytes, const QString& origen);
    bool guardarDatos(const QString& ruta, Separador s, MarcaDecimal d);
    // A data set as the sample, on a plot of its range, refreshed in full.
    void cargarDatos(const MuestraDatos& d, const QString& gesto = QString());
    // How the dialog is confirmed and a message shown: modal by default; a
    // test hands in its own.
    void setConfirmarDatos(std::function<bool(class DialogoDatos&)> f) {
        confirmarDatos_ = std::move(f);
    }
    void setAvisar(std::function<void(const QString&)> f) { avisar_ = std::move(f); }

    // The menu "Editar". The sample and the settings before or after a
    // gesture, with the markers where they were;
    // restaurar shows one again through the full refresh.
    struct Instantanea {
        EstadoMuestra muestra;
        std::array<QPointF, maxPuntos + 1> marcas{}; ///< markers' corners, plot units
        Single xPredDiseno = 0;
    };
    void mnuDes_Click();
    void mnuReh_Click();
    void mnuCop_Click();
    void mnuCgr_Click();
    void mnuGgr_Click();
    QUndoStack& pila() { return *pila_; }
    void restaurar(const Instantanea& s);
    // Every box shown, panel by panel, then the points: tab-separated text
    // or an HTML table.
    QString textoResultados(bool html) const;
    // The plot drawn at `escala` times its pixels; saved as SVG (vectors) or
    // PNG by the file's extension.
    QImage imagenGrafico(double escala);
    bool guardarGrafico(const QString& ruta, double escala);

    // The view menu and the explanation sheets.
    void mnuAv_Click();
    void mnuPr_Click();
    void mnuBan_Click();
    // "Valores p exactos": the tests, intervals, F test, bands and prediction
    // from the exact t distribution while checked, from the table while not.
    void mnuExa_Click();
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

    // The keyboard: choosing, grabbing, moving, deleting and restoring points
    // on the plot and in the list, holding a tool, opening a sheet. Each
    // handler sets KeyCode to 0 for a key it uses.
    void Picture1_KeyDown(int& KeyCode, int Shift);
    void Picture2_KeyDown(int& KeyCode, int Shift);
    void Picture_LostFocus();
    void Image1_KeyDown(Integer Index, int& KeyCode, int Shift);
    void Image1_KeyUp(Integer Index, int& KeyCode, int Shift);
    void Image2_KeyDown(Integer Index, int& KeyCode, int Shift);
    // Escape: closes the open sheet, the pop-up and the text panels; false
    // when none was open.
    bool cerrarAbiertos();

    // A view's handles join the points for the keyboard and the screen
    // reader while the view is on; the set must outlive its registration.
    void agregarAsideros(Asideros& a);
    void quitarAsideros(Asideros& a);
    // Every set, the points first.
    const std::vector<Asideros*>& asideros() const { return asideros_; }
    // The chosen item (nullptr when none) and whether it is grabbed.
    Asideros* conjuntoElegido() const { return elegido_.conjunto; }
    int elegido() const { return elegido_.i; }
    bool tomado() const { return tomado_; }
    // The summary last announced to a screen reader, and the last thing said
    // to it.
    const QString& anuncio() const { return anuncio_; }
    const QString& dicho() const { return dicho_; }
    // Says the summary again (Ctrl+R).
    void leerResumen();

    // True while a cloud tool is held and working; steps it has made.
    bool herramientaActiva() const { return herramientaActiva_; }
    long pasosHerramienta() const { return pasosHerramienta_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
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
    void generarMuestra();
    void generarPuntos(const Integer& n);
    void mostrarPaneles();
    void moverPunto(Integer& idx, Integer& arrastre, Single& X, Single& Y, Single& Xold,
                    Single& Yold);
    void verLamina(Integer k);
    // Hides sheet k; from inside it, the focus goes back to its help icon.
    void ocultarLamina(int k);
    void serieAjusteYTablas();
    void serieGenerar();
    void ajusteDeLaNube();
    void mostrarLaNube();
    void mostrarResultados();
    void serieTamano();
    void serieEliminar();
    void serieValoresExactos();
    void serieHerramienta();
    // The display of the tools' last step, if it has not been shown.
    void mostrarNubePendiente();
    void pedirPintado();
    void serieArrastre(const Integer& idx, const Single& Xold, const Single& Yold);

private:
    friend class PuntosDelPlano;
    std::unique_ptr<Asideros> crearPuntos();
    struct Eleccion {
        Asideros* conjunto = nullptr;
        int i = -1;
    };
    void conectarEventos();
    void conectarTeclado();
    void nombrarControles();
    void refrescarPuntoMovido(Integer idx, const Single& Xold, const Single& Yold);
    bool eleccionValida() const;
    void elegir(Eleccion e);
    void olvidarEleccion();
    void elegirEnOrden(int paso, bool extremo);
    void eliminarElegido(Integer Index);
    void soltarHerramientaTecla();
    void anunciar();
    // What a screen reader is told: hablar says it once this turn's events
    // are done, decir at once.
    void hablar(const QString& texto);
    void decir(const QString& texto);
    // Item i of set a as the plot's accessible child, and an event of it
    // (its focus, its changed name) told to a screen reader.
    int indiceAccesible(const Asideros* a, int i) const;
    void avisarItem(const Asideros* a, int i, QAccessible::Event tipo);
    QString avisoDeAgarre(const char* masculino, const char* femenino, bool conValor) const;
    void nuevaMuestraEmpieza();
    void terminarHerramienta();
    void pasoDeHerramienta();
    // Before a grab: the sums again over the listed points when a tool's
    // limit left them behind, so that an update for one moved point (a drag,
    // a key move) or a reading of them (a line's sum of squares) starts
    // from the sample the list shows.
    void ponerSumasAlDia();
    bool puntoValido(Integer k) const;
    // The views at the two points of each series that refits: right after
    // the fit, and last.
    void vistasTrasAjuste();
    void mostrarVistas();
    // The view holding something of its own on the plot, or none.
    Vista* vistaQueSostiene() const;
    // Colours point k's marker; the views follow.
    void colorearPunto(Integer k, const QColor& c);

    void componer();
    void componerMenus();
    void componerMenuDatos();
    void componerMenuEditar();
    // A gesture that changes the sample begins (its state is kept) and ends
    // (one undo step if anything changed). A new gesture ends an open one.
    Instantanea instantanea() const;
    void empezarGesto(const QString& nombre);
    void terminarGesto();
    // A gesture of one handler call: begun here, ended when it goes.
    class GestoBreve {
    public:
        GestoBreve(Form1& f, const QString& nombre) : f_(f) { f_.empezarGesto(nombre); }
        ~GestoBreve() { f_.terminarGesto(); }
        GestoBreve(const GestoBreve&) = delete;
        GestoBreve& operator=(const GestoBreve&) = delete;

    private:
        Form1& f_;
    };
    // The shown part of a new sample, generated or loaded: markers, list,
    // panels, the full refresh, the views and the menus.
    void mostrarMuestraNueva();
    // After a change of the plot's range: the band abscissae, the grid and
    // the prediction's entry.
    void rangoCambiado();
    // Before a random sample: the design's grid again if a data set was on.
    void volverAlDisenoSiHaceFalta();
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
    bool sumasAtrasadas_ = false; ///< a tool stopped at its limit after moving points
    bool nubePorMostrar_ = false; ///< a tool's step refitted and waits for the next paint
    // The places that a tool's steps gave the markers since the last paint,
    // by point (0..50); a point not moved has none.
    class MarcadoresPendientes : public ColocarMarcador {
    public:
        void x(Integer k, float v) override;
        void y(Integer k, float v) override;
        // Places the markers and forgets the places.
        void colocar(Matriz<Shape>& marcadores, const Globales& g);

    private:
        std::array<std::optional<float>, maxPuntos + 1> x_, y_;
    };
    MarcadoresPendientes marcadores_;
    QTimer* relojHerramienta_ = nullptr;
    // While a tool is held the window paints at most once per refresh of
    // its screen: the steps keep their pace, the frames that the screen
    // could not show are not painted.
    std::chrono::steady_clock::time_point ultimoPintado_;
    QTimer* relojPintado_ = nullptr;
    std::unique_ptr<Calculos> calculos_;
    std::unique_ptr<Tablas> tablas_;
    std::unique_ptr<Pantalla> pantalla_;
    std::unique_ptr<mostrar> mostrar_;
    Ranura ranura_;
    std::vector<std::unique_ptr<Vista>> vistas_; ///< in the order they draw

    // The keyboard's choice on the plot and the list, and the held tool.
    std::unique_ptr<Asideros> puntos_;
    std::vector<Asideros*> asideros_;
    Eleccion elegido_;
    bool tomado_ = false;
    Integer herramientaTecla_ = -1; ///< the tool whose Space is held, or -1
    QString anuncio_;
    QString dicho_;
    QWidget* aviso_ = nullptr; ///< says what decir gives it, as a notification
    QStringList porDecir_;

    // Real data: the prediction's abscissa on the design's grid to return
    // to, and how the dialog and messages show.
    Single xPredDiseno_ = 0;
    std::function<bool(class DialogoDatos&)> confirmarDatos_;
    std::function<void(const QString&)> avisar_;

    // Undo: the steps, and the gesture under way.
    QUndoStack* pila_ = nullptr;
    std::optional<Instantanea> gesto_;
    QString nombreGesto_;
};

} // namespace rectaviva
