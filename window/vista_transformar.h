// "Ver" → "Transformar…": a transformation of x and one of y of a data set
// (a logarithm, a root, a reciprocal, a square), in the slot's panel
// Frame11. The transformed numbers are loaded as the sample, one undo step
// each, so every box, view and test is that of the transformed variables;
// the transformation stays when another panel takes the slot, and goes with
// "ninguna" for both, a new sample or an undo. The panel writes the model in
// the data's own terms, compares residuals and R² before and after, takes
// the prediction back to the data's units, and "Escala de los datos" draws
// the data and the fitted curve in their own units over the plot.
#pragma once

#include "capa_controles.h"
#include "transformaciones.h"
#include "vista.h"

namespace rectaviva {

class VistaTransformar;
class PlanoOriginal;

struct ControlesTransformar {
    Menu* mnuTra = nullptr;
    Frame* Frame11 = nullptr;
    Matriz<Label> Label10;          ///< title, "x:", "y:", the model, its reading, two captions
    Frame* Frame12 = nullptr;       ///< x's choices, "Transformación de x"
    Frame* Frame13 = nullptr;       ///< y's choices, "Transformación de y"
    Matriz<OptionButton> Option4;   ///< x: ninguna, log₁₀, ln, √, 1/x, x²
    Matriz<OptionButton> Option5;   ///< y: ninguna, log₁₀, ln, √, 1/y
    CheckBox* Check4 = nullptr;     ///< "Escala de los datos"
    PictureBox* Picture8 = nullptr; ///< residuals of the untransformed fit
    PictureBox* Picture9 = nullptr; ///< residuals of the transformed fit

    void Option4_Click(Integer Index);
    void Option5_Click(Integer Index);
    void Check4_Click();

private:
    friend class VistaTransformar;
    VistaTransformar* vistaTransformar_ = nullptr;
};

class VistaTransformar : public Vista {
public:
    using Controles = ControlesTransformar;
    static constexpr Lamina laminaDeVista{
        15, QT_TRANSLATE_NOOP("laminas", "de las transformaciones"), 930};

    // The panel's labels, Label10(k).
    enum Rotulo { titulo, rotuloX, rotuloY, modelo, lectura, antes, despues };

    explicit VistaTransformar(Form1& f);
    ~VistaTransformar() override;

    void componerMenu(Menu& ver) override;
    void componerPlano(Capa capa) override;
    void componerPanel() override;
    void cargar(mostrar& m) override { m_ = &m; }
    void ajustar() override;
    void distribuir() override;
    Menu& menu() const override { return *c_.mnuTra; }
    Lamina lamina() const override { return laminaDeVista; }
    void mostrarVista() override;
    void retraducir() override;
    void dejar() override;
    void limitarArrastre(Single& x, Single& y) override;
    void soltarEnPlano() override { avisado_ = false; }
    void nombrarControles() override;
    std::vector<QWidget*> ordenDeTab() override;

    // The commands: the data through tx and ty (false, nothing changed, when
    // a value stops either), and the data's own scale over the plot or not.
    bool transformar(Transformacion tx, Transformacion ty);
    void escalaDeLosDatos(bool si);
    bool enEscalaDeLosDatos() const;

    // The panel's reading of the fit, as shown and said.
    QString textoModelo() const;
    QString textoLectura() const;

private:
    friend struct ControlesTransformar;
    void entrar();
    void escribirPanel();
    void habilitarOpciones();
    void ofrecerRetos();
    void dibujarResiduos();
    void dibujarPlano();
    void nombrarCajas();
    QString cifras(double v) const;
    double cuantilPrediccion(std::size_t n) const;

    Form1& f_;
    Globales& g_;
    Controles& c_;
    mostrar* m_ = nullptr;
    PlanoOriginal* plano_ = nullptr;  ///< over Picture1, owned by it
    bool avisado_ = false;            ///< a drag stopped at the edge has been said
    std::pair<Byte, Byte> nombradas_; ///< the transformations the boxes' names say
};

} // namespace rectaviva
