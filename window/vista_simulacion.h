// The simulation ("Ver" → "Simulación"): samples that a chosen model gives
// at the x of the student's points, their fitted lines on the plot, the
// sampling distribution of a statistic against its theory and the share of
// intervals that contain the truth, in the slot's panel Frame9.
#pragma once

#include "capa_controles.h"
#include "simulacion.h"
#include "vista.h"

namespace rectaviva {

class VistaSimulacion;

struct ControlesSimulacion {
    Menu* mnuSim = nullptr;
    Frame* Frame9 = nullptr;        ///< the simulation's panel, in the slot
    Line* Line19 = nullptr;         ///< the model's line on the plot, dashed
    Matriz<Line> Line20;            ///< the last fitted lines on the plot
    Line* Line21 = nullptr;         ///< the animated sample's line
    Matriz<Shape> Shape10;          ///< the animated sample's points, hollow
    PictureBox* Picture5 = nullptr; ///< the histogram
    Matriz<Shape> Shape11;          ///< its bars
    Matriz<Line> Line22;            ///< its density curve
    Line* Line23 = nullptr;         ///< the student's own value on its axis
    PictureBox* Picture6 = nullptr; ///< the strip of intervals
    Matriz<Line> Line24;            ///< the intervals
    Line* Line25 = nullptr;         ///< the true slope across the strip
    Matriz<Label> Label8;
    Matriz<TextBox> Text7;          ///< β₀, β₁, σ
    Matriz<OptionButton> Option1;   ///< b, a, s², t
    Matriz<OptionButton> Option2;   ///< where the samples come from: Modelo, Barajar, Bootstrap
    Matriz<CommandButton> Command1; ///< 1, 10, 100, 1000, Animar/Parar, Reiniciar
    Timer* Timer2 = nullptr;        ///< "Animar": one sample every 0.2 s

    void Command1_Click(Integer Index);
    void Option1_Click(Integer Index);
    void Option2_Click(Integer Index);
    void Text7_KeyPress(Integer Index, int& KeyAscii);
    void Timer2_Timer();

private:
    friend class VistaSimulacion;
    VistaSimulacion* vistaSimulacion_ = nullptr;
};

// The buttons of the panel, by index.
enum BotonSimulacion : int { animar = 4, reiniciarSimulacion = 5 };

class VistaSimulacion : public Vista {
public:
    using Controles = ControlesSimulacion;
    static constexpr Lamina laminaDeVista{11, QT_TRANSLATE_NOOP("laminas", "de la simulación"),
                                          930};
    static constexpr Lamina laminaSegunda{12, QT_TRANSLATE_NOOP("laminas", "del remuestreo"), 930};
    // How many samples each of the first four buttons adds.
    static constexpr std::int64_t kTandas[4] = {1, 10, 100, 1000};

    explicit VistaSimulacion(Form1& f);
    ~VistaSimulacion() override;

    void componerMenu(Menu& ver) override;
    void componerPlano(Capa capa) override;
    void componerPanel() override;
    void cargar(mostrar& m) override;
    void ajustar() override;
    Menu& menu() const override { return *c_.mnuSim; }
    Lamina lamina() const override { return laminaDeVista; }
    std::vector<Lamina> laminas() const override { return {laminaDeVista, laminaSegunda}; }
    void trasAjuste() override;
    void nuevaMuestra() override;
    void mostrarVista() override;
    void retraducir() override;
    void dejar() override;
    void nombrarControles() override;
    std::vector<QWidget*> ordenDeTab() override;

    void alPulsar(Integer Index);
    void alElegir(Integer Index);
    void alModo(Integer Index);
    void alEntrar();
    void alTic();
    const Simulador& simulacion() const { return *sim_; }

private:
    void entrar();
    void tomarModeloDeMuestra();
    // The model from the boxes, clamped and written back; a new model
    // starts the accumulation again.
    void leerModelo();
    void escribirModelo(int k, double v);
    Single leerModelo(int k) const;
    void agregar(std::int64_t m, bool animada);
    void dibujar(bool animada);
    void animando(bool si);
    // Starts again from the same source: the model, or the student's points.
    void empezarDeNuevo();

    // The rule of the model's ranges, on the design's grid and on a data set.
    static const Fuente kRegla, kReglaDatos;

    Form1& f_;
    Globales& g_;
    mostrar* m_ = nullptr;
    Controles& c_;
    std::unique_ptr<Simulador> sim_;
    Estadistica estadistica_ = Estadistica::Pendiente;
    Modo modo_ = Modo::Modelo;
    bool redibujar_ = false; ///< the x changed: what was drawn is gone
    std::unique_ptr<PantallaSimulacion> pantalla_;
    std::unique_ptr<PresentacionSimulacion> dibujo_;
};

} // namespace rectaviva
