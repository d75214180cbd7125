// "Mi recta" ("Ver" → "Mi recta"): the student drags the two handles of a
// line of their own, guesses the least-squares line while its numbers are
// hidden, then compares both, in the slot's panel Frame8.
#pragma once

#include "asideros.h"
#include "capa_controles.h"
#include "mirecta.h"
#include "vista.h"

namespace rectaviva {

class VistaMiRecta;

struct ControlesMiRecta {
    Menu* mnuMia = nullptr;
    Frame* Frame8 = nullptr; ///< the panel of the student's own line, in the slot
    Line* Line16 = nullptr;  ///< the student's own line
    Line* Line17 = nullptr;  ///< the line of standard deviations, dashed
    Matriz<Shape> Shape8;    ///< the own line's handles, 0 left and 1 right
    Matriz<Label> Label7;
    Matriz<TextBox> Text6;
    CheckBox* Check2 = nullptr; ///< "Cuadrados" of the own line

    void Check2_Click();
    // The commands of the panel: the least-squares line shown
    // (mostrarMinimos), a new guess (probarOtraVez).
    void Label7_Click(Integer Index);

private:
    friend class VistaMiRecta;
    VistaMiRecta* vistaMiRecta_ = nullptr;
};

class VistaMiRecta : public Vista {
public:
    using Controles = ControlesMiRecta;
    static constexpr Lamina laminaDeVista{10, QT_TRANSLATE_NOOP("laminas", "de mi recta"), 840};

    explicit VistaMiRecta(Form1& f);
    ~VistaMiRecta() override;

    void componerMenu(Menu& ver) override;
    void componerPlano(Capa capa) override;
    void componerPanel() override;
    void cargar(mostrar& m) override;
    void ajustar() override;
    Menu& menu() const override { return *c_.mnuMia; }
    Lamina lamina() const override { return laminaDeVista; }
    void trasAjuste() override;
    void mostrarVista() override;
    void dejar() override;
    void nuevaMuestraEmpieza() override { g_.asaTomada = 0; }
    void nuevaMuestra() override { empezar(); }
    bool tomarEnPlano(Single x, Single y) override;
    bool sostiene() const override { return g_.asaTomada != 0; }
    void pasoDeArrastre() override;
    void soltarEnPlano() override { g_.asaTomada = 0; }
    void nombrarControles() override;

    // "Adivina la recta" plays the own line as a round, without this panel:
    // the handles with the answer hidden, then the answer shown, then done.
    void jugarReto();
    void revelarReto();
    void dejarReto() { dejar(); }

    void alMarcarCuadrados();
    void alElegir(Integer Index);
    // The own line after its handles moved: its fit, its sum, its display.
    void serie();

private:
    void entrar();
    // The own line drawn, and the bands hidden while the answer is.
    void dibujar();
    void bandasSegunRespuesta();
    // A new guess: the own line horizontal through the mean of y, the answer hidden.
    void empezar();

    Form1& f_;
    Globales& g_;
    Controles& c_;
    std::unique_ptr<Asideros> asas_; ///< the handles, for the keyboard
    std::unique_ptr<PantallaMiRecta> pantalla_;
    std::unique_ptr<PresentacionMiRecta> dibujo_;
};

} // namespace rectaviva
