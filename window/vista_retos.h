// The challenges (menu "Retos", after "Editar"): scored rounds drawn from
// four-digit codes, played in the slot's panel Frame10. "Adivina la
// correlación" hides everything that gives r away until "Comprobar";
// "Adivina la recta" plays "Mi recta" as a round; "Construye una nube" ends
// by itself when the sample meets its target. Leaving the panel gives the
// window back as it was, sample included; the history of rounds stays while
// the program runs.
#pragma once

#include "controles.h"
#include "instantanea.h"
#include "puntuacion.h"
#include "retos.h"
#include "vista.h"

#include <QElapsedTimer>

#include <functional>
#include <optional>

class QMenuBar;
class QUndoCommand;

namespace rectaviva {

class VistaMiRecta;
class VistaRetos;

struct ControlesRetos {
    Menu* mnuRet = nullptr;
    Matriz<Menu> mnuReto; ///< 0..2 the challenges, 3 the code, 4 the history, 5 saving it
    Frame* Frame10 = nullptr;
    Matriz<Label> Label9;
    TextBox* Text8 = nullptr;       ///< the guess of r
    Matriz<CommandButton> Command2; ///< 0 "Comprobar", 1 "Otra ronda", 2 "Terminar"
    CheckBox* Check3 = nullptr;     ///< "Cuadrados" of the own line, in a line's round

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

    // The panel's labels, Label9(k).
    enum Rotulo { titulo, codigo, pregunta, rotuloRespuesta, resultado, explicacion };

    explicit VistaRetos(Form1& f);
    ~VistaRetos() override;

    void componerMenu(Menu&) override {}
    void componerBarra(QMenuBar& barra) override;
    void componerPanel() override;
    void cargar(mostrar& m) override;
    void ajustar() override;
    Menu& menu() const override { return *c_.mnuRet; }
    bool pideMuestra() const override { return false; }
    Lamina lamina() const override { return laminaDeVista; }
    void mostrarVista() override;
    void retraducir() override;
    void dejar() override;
    void nuevaMuestraEmpieza() override;
    void nombrarControles() override;
    std::vector<QWidget*> ordenDeTab() override;

    // The commands: a new round of a challenge; a round by its code (false
    // for a code outside 1000..9999); the check of the answer; leaving; the
    // history and its file.
    void jugar(Reto reto);
    bool jugarCodigo(Reto reto, int codigo);
    void comprobar();
    void terminar();
    void mostrarHistorial();
    bool guardarHistorial(const QString& ruta);
    // The guess's entry: Enter checks, the arrows step by 0.01 and Page
    // Up/Down by 0.1.
    void alPulsarTecla(int& KeyAscii);
    void pasoDeRespuesta(double paso);

    const Historial& historial() const { return historial_; }
    const std::optional<RondaReto>& ronda() const { return ronda_; }
    bool comprobada() const { return comprobada_; }
    // Undo steps taken in the round: drags, deletions, restorations.
    int movimientos() const;
    // How a code is asked for and a file named: dialogs by default; a test
    // hands in its own.
    void setPedirCodigo(std::function<std::optional<std::pair<Reto, int>>()> f) {
        pedirCodigo_ = std::move(f);
    }
    void setPedirRuta(std::function<QString()> f) { pedirRuta_ = std::move(f); }

private:
    friend struct ControlesRetos;
    void elegir(Integer Index);
    void empezarRonda(Reto reto, int clave);
    void anotar(double respuesta, double verdad, int puntos);
    void revelado();
    // A cloud to build that meets its target: scored and ended.
    bool objetivoLogrado();
    void terminarAqui();
    void alCambiarPila();
    void pedirGuardarHistorial();
    std::optional<double> leerRespuesta() const;
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
    QElapsedTimer reloj_;
    Historial historial_;
    std::function<std::optional<std::pair<Reto, int>>()> pedirCodigo_;
    std::function<QString()> pedirRuta_;
};

} // namespace rectaviva
