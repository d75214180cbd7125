// The challenges (menu "Retos", after "Editar"): scored rounds drawn from
// four-digit codes, played in the slot's panel Frame10. "Adivina la
// correlación" hides everything that gives r away until "Comprobar";
// "Adivina la recta" plays "Mi recta" as a round; "Construye una nube" ends
// by itself when the sample meets its target. Leaving the panel gives the
// window back as it was, sample included; the history of rounds stays while
// the program runs.
#pragma once

#include "capa_controles.h"
#include "instantanea.h"
#include "puntuacion.h"
#include "residuos_reto.h"
#include "retos.h"
#include "vista.h"

#include <QElapsedTimer>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>

class QMenuBar;
class QUndoCommand;

namespace rectaviva {

class DialogoRueda;
class VistaMiRecta;
class VistaRetos;

// A residual round's answer as the panel shows it, in the language in use,
// and its radio's accessible name, which says what it answers.
QString nombreDePatron(Patron p);
QString nombreDeRespuesta(Patron p);

// The entries of the menu "Retos" after the challenges (which come first,
// in the order of retosDelMenu), and the panel's commands.
enum EntradaRetos : Integer { entradaRueda = 4, entradaCodigo, entradaHistorial, entradaGuardar };
enum OrdenRetos : Integer { ordenComprobar, ordenOtraRonda, ordenTerminar, ordenRueda };

struct ControlesRetos {
    Menu* mnuRet = nullptr;
    Matriz<Menu> mnuReto; ///< the challenges by their place in retosDelMenu, then EntradaRetos
    Frame* Frame10 = nullptr;
    Matriz<Label> Label9;
    TextBox* Text8 = nullptr;       ///< the guess of r
    Matriz<CommandButton> Command2; ///< by OrdenRetos
    void Option3_Click(Integer Index);
    CheckBox* Check3 = nullptr; ///< "Cuadrados" of the own line, in a line's round
    // A residual round: its residual plot with markers, the six answers, and
    // the explanation's curve, funnel and rings (on the plot and on Picture7).
    PictureBox* Picture7 = nullptr;
    Matriz<Shape> Shape12{1, maxPuntos};
    Matriz<OptionButton> Option3;
    Matriz<Line> Line26{1, 24};
    Matriz<Line> Line27{0, 1};
    Matriz<Shape> Shape13{0, 1};

    void mnuReto_Click(Integer Index);
    void Command2_Click(Integer Index);
    void Text8_KeyPress(int& KeyAscii);

private:
    friend class VistaRetos;
    VistaRetos* vistaRetos_ = nullptr;
};

class VistaRetos : public Vista {
public:
    using Controles = ControlesRetos;
    static constexpr Lamina laminaDeVista{13, QT_TRANSLATE_NOOP("laminas", "de los retos"), 930};
    static constexpr Lamina laminaSegunda{
        14, QT_TRANSLATE_NOOP("laminas", "de los residuos en los retos"), 930};

    // The panel's labels, Label9(k).
    enum Rotulo {
        titulo,
        codigo,
        pregunta,
        rotuloRespuesta,
        resultado,
        explicacion,
        explicacionResiduos
    };

    explicit VistaRetos(Form1& f);
    ~VistaRetos() override;

    void componerMenu(Menu&) override {}
    void componerBarra(QMenuBar& barra) override;
    void componerPlano(Capa capa) override;
    void componerPanel() override;
    void distribuir() override;
    void trasAjuste() override;
    void cargar(mostrar& m) override;
    void ajustar() override;
    Menu& menu() const override { return *c_.mnuRet; }
    bool pideMuestra() const override { return false; }
    Lamina lamina() const override { return laminaDeVista; }
    void mostrarVista() override;
    void retraducir() override;
    void dejar() override;
    void nuevaMuestraEmpieza() override;
    std::vector<Lamina> laminas() const override { return {laminaDeVista, laminaSegunda}; }
    void nombrarControles() override;
    std::vector<QWidget*> ordenDeTab() override;

    // The commands: a new round of a challenge; a round by its code (false
    // for a code outside 1000..9999); the check of the answer; leaving; the
    // history and its file.
    void jugar(Reto reto);
    bool jugarCodigo(Reto reto, int codigo);
    void comprobar();
    void terminar();
    // A residual round's answer (what a click on Option3(k) does), and the
    // lineup of the sample in use, played in its own dialog.
    void elegirRespuesta(Patron p);
    void abrirRueda();
    void mostrarHistorial();
    bool guardarHistorial(const QString& ruta);
    // The guess's entry: Enter checks, the arrows step by 0.01 and Page
    // Up/Down by 0.1.
    void alPulsarTecla(int& KeyAscii);
    void pasoDeRespuesta(double paso);

    const Historial& historial() const { return historial_; }
    const std::optional<RondaReto>& ronda() const { return ronda_; }
    bool comprobada() const { return comprobada_; }
    std::optional<Patron> respuesta() const { return respuesta_; }
    const PresentacionRetoResiduos& dibujoResiduos() const { return *dibujoResiduos_; }
    // Undo steps taken in the round: drags, deletions, restorations.
    int movimientos() const;
    // How a code is asked for and a file named: dialogs by default; a test
    // hands in its own.
    void setPedirCodigo(std::function<std::optional<std::pair<Reto, int>>()> f) {
        pedirCodigo_ = std::move(f);
    }
    void setPedirRuta(std::function<QString()> f) { pedirRuta_ = std::move(f); }
    // Where the lineup's plots go: a draw the student cannot see, by default
    // from std::random_device; a test hands in its own.
    void setAzarRueda(std::function<std::uint64_t()> f) { azarRueda_ = std::move(f); }
    // A residual round waiting on its lineup: its cloud is not loaded yet.
    bool enRueda() const { return enRueda_; }
    DialogoRueda* dialogoRueda() const;

private:
    friend struct ControlesRetos;
    void elegir(Integer Index);
    void empezarRonda(Reto reto, int clave);
    // The round's cloud into the sample, as one undo step, and its question.
    void cargarRonda();
    // The panel out of the slot, for the panel that was there before or none.
    void cerrarPanel();
    // Each greyed entry of "Retos" says why in its tooltip and status tip.
    void razonDeEntrada(Integer k);
    void anotar(double respuesta, double verdad, int puntos);
    void revelado();
    // A cloud to build that meets its target: scored and ended.
    bool objetivoLogrado();
    void terminarAqui();
    void alCambiarPila();
    void pedirGuardarHistorial();
    std::optional<double> leerRespuesta() const;
    // A residual round: its panel's controls; where they go for the round in
    // play; its residual plot and marks; its question and explanation.
    void componerResiduos(Frame& panel);
    void disponerPanel();
    void mostrarResiduos();
    void comprobarResiduos();
    QString textoResiduos() const;
    QString textoPreguntaResiduos() const;
    bool rondaDeResiduos() const { return ronda_ && ronda_->reto == Reto::Residuos; }
    // The panel: everything for a new round or a change of language; the
    // live line of a cloud to build.
    void escribirPanel();
    void escribirEstado();
    QString textoPregunta() const;
    QString textoObjetivo() const;
    QString textoResultado() const;
    QString textoExplicacion() const;
    QString numero(double v, int decimales = 2) const;
    VistaMiRecta* miRecta() const;

    Form1& f_;
    Globales& g_;
    Controles& c_;
    mostrar* m_ = nullptr;
    std::unique_ptr<PantallaRetoResiduos> pantallaResiduos_;
    std::unique_ptr<PresentacionRetoResiduos> dibujoResiduos_;
    std::optional<Patron> respuesta_; ///< a residual round's answer, once chosen
    double rangoResiduos_ = 0;        ///< its residual plot's ±range; 0 until drawn
    std::optional<RondaReto> ronda_;
    Reto ultimoReto_ = Reto::Correlacion; ///< the challenge of "Otra ronda"
    bool comprobada_ = false;
    int puntos_ = 0, bono_ = 0;
    // The window before the first round of a stay, to give back on leaving.
    Frame* anterior_ = nullptr;
    std::optional<Instantanea> antes_;
    bool bandasAntes_ = false, cuadradosAntes_ = false;
    const QUndoCommand* primerPaso_ = nullptr; ///< the step that loaded the first round
    const QUndoCommand* pasoRonda_ = nullptr;  ///< the step that loaded this round
    int indiceRonda_ = 0;                      ///< the undo stack's index after it
    bool cargando_ = false, volviendo_ = false;
    bool enRueda_ = false;
    int numeroRonda_ = 0; ///< counts the rounds begun, so that a late lineup finds its own
    QPointer<DialogoRueda> dialogoRueda_;
    std::function<std::uint64_t()> azarRueda_;
    QElapsedTimer reloj_;
    Historial historial_;
    std::function<std::optional<std::pair<Reto, int>>()> pedirCodigo_;
    std::function<QString()> pedirRuta_;
};

} // namespace rectaviva
