// The program's single window: its controls as the window description lists
// them (a base, Form1_controles.h, as the controls of each view beyond the
// design are), its layout for the screen, its start-up and the menu commands
// that need no sample. Form1 owns the shared state record, the three service
// objects and the views; the handlers of the other actions are added on top
// of this class.
#pragma once

#include "Calculos.h"
#include "Form1_controles.h"
#include "Globales.h"
#include "Pantalla.h"
#include "Tablas.h"
#include "accesible/accesible.h"
#include "asideros.h"
#include "capa_controles.h"
#include "cuadricula.h"
#include "datos.h"
#include "escala.h"
#include "estado.h"
#include "herramienta_sostenida.h"
#include "herramientas.h"
#include "instantanea.h"
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
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace rectaviva {

// The grid's axis for a round axis of the sample, with its title (UTF-8).
EjeCuadricula ejeCuadricula(const EjeRedondo& e, const std::string& titulo);

class Form1 : public QMainWindow,
              public ControlesDeForm1,
              public Vistas::Controles,
              private HerramientaSostenida {
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

    // The slot under the plot and the drawing, for the views.
    Ranura& ranura() { return ranura_; }
    const std::vector<std::unique_ptr<Vista>>& vistas() const { return vistas_; }
    // A challenge's round as a new sample on the design's grid: one undo
    // step named after its code.
    void cargarReto(const std::vector<PuntoReto>& puntos, int codigo);
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
    // The data set through tx and ty ("Transformar"), one undo step; false,
    // nothing changed, when a value stops either.
    bool transformarDatos(Transformacion tx, Transformacion ty);
    // How the dialog is confirmed and a message shown: modal by default; a
    // test hands in its own.
    void setConfirmarDatos(std::function<bool(class DialogoDatos&)> f) {
        confirmarDatos_ = std::move(f);
    }
    void setAvisar(std::function<void(const QString&)> f) { avisar_ = std::move(f); }

    // The menu "Editar". The sample and the settings before or after a
    // gesture (instantanea.h); restaurar shows one again through the full
    // refresh.
    using Instantanea = rectaviva::Instantanea;
    void mnuDes_Click();
    void mnuReh_Click();
    void mnuCop_Click();
    void mnuCgr_Click();
    void mnuGgr_Click();
    QUndoStack& pila() { return *pila_; }
    // `otra`: the step brought a new sample (a data set, "Generar"…), which
    // the views take as new even where it has as many points as the last.
    void restaurar(const Instantanea& s, bool otra = false);
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
    // "Idioma": the language of every text, kept for the next start.
    void mnuIdioma_Click(int i);

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
    // One local file dropped on the window opens as "Abrir datos…" opens it.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void Form_Load();
    void ajustarPantalla();
    void distribuir();
    static void ubicarDebajo(const Ubicacion& arriba, Shape& abajo);
    void avisoResolucion();
    void alternarLista(ListBox& lista, const LugarLista& lugar, std::span<const char* const> filas);
    void llenarLista(ListBox& lista, std::span<const char* const> filas);
    void retraducirListas();
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
    friend class VistaRetos;
    friend class GestoBreve; // gesto_breve.h
    std::unique_ptr<Asideros> crearPuntos();
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
    void resumir();
    // What a screen reader is told: hablar says it once this turn's events
    // are done, decir at once.
    void hablar(const QString& texto);
    void decir(const QString& texto);
    // Item i of set a as the plot's accessible child, and an event of it
    // (its focus, its changed name) told to a screen reader.
    int indiceAccesible(const Asideros* a, int i) const;
    void avisarItem(const Asideros* a, int i, QAccessible::Event tipo);
    QString avisoDeAgarre(bool soltado) const;
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
    // Places the markers of the sample: a shape per point, or the cloud.
    void ubicarMarcadores();
    // The point list's scroll bar, shown for a data set of more than 50
    // points; mostrarFilaDe scrolls the list to point k's row.
    void componerBarraLista();
    void ajustarBarraLista();
    void mostrarFilaDe(Integer k);
    // What a data set of more than 50 points spans, in one sentence: its
    // count and the range of each coordinate, as the list writes them.
    QString resumenDeDatos() const;
    // The line under the tests of a data set past the t table's last row.
    void componerAvisoTabla();
    void avisarTabla();

    void componer();
    void componerMenus();
    void componerMenuDatos();
    void componerMenuEditar();
    void rotularDeshacer();
    void componerMenuIdioma();
    // Every text again in the language now in use: the registered ones, the
    // panels' sentences and what the screen reader reads.
    void retraducir();
    // A gesture that changes the sample begins (its state is kept) and ends
    // (one undo step if anything changed). A new gesture ends an open one.
    Instantanea instantanea() const;
    void empezarGesto(NombreGesto nombre);
    void terminarGesto();
    // A whole file written, or none: a failure is told and leaves an old one.
    bool escribirArchivo(const QString& ruta, const std::string& texto);
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
    std::optional<NombreGesto> nombreGesto_;
    bool muestraNueva_ = false;        ///< a new sample is beginning
    bool gestoDeMuestraNueva_ = false; ///< the gesture begun brings a new sample
};

} // namespace rectaviva
