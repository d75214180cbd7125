// The residual view ("Ver" → "Residuos"): each residual drawn on the plot
// from its marker to the line, its square, a residual plot under the plot
// and the decomposition SCTot = SCReg + SCErr, in the slot's panel Frame7.
#pragma once

#include "capa_controles.h"
#include "residuos.h"
#include "vista.h"

namespace rectaviva {

class VistaResiduos;

struct ControlesResiduos {
    Menu* mnuRes = nullptr;
    Frame* Frame7 = nullptr;            ///< the residual panel, in the place of Frame3 and Frame5
    Matriz<Line> Line15{1, maxPuntos};  ///< residual segments on the plot
    PictureBox* Picture4 = nullptr;     ///< residual plot
    Matriz<Shape> Shape6{1, maxPuntos}; ///< residual markers
    Matriz<Shape> Shape7;               ///< decomposition bar: SCReg, SCErr, frame
    Matriz<Label> Label6;
    Matriz<TextBox> Text5;
    CheckBox* Check1 = nullptr;   ///< "Cuadrados"
    Nube* Nube4 = nullptr;        ///< a cloud's residuals in Picture4
    Rotulos* Rotulos15 = nullptr; ///< a cloud's row numbers of the largest residuals

    // "Cuadrados" ticked or cleared.
    void Check1_Click();

private:
    friend class VistaResiduos;
    VistaResiduos* vistaResiduos_ = nullptr;
};

class VistaResiduos : public Vista {
public:
    using Controles = ControlesResiduos;
    static constexpr Lamina laminaDeVista{8, QT_TRANSLATE_NOOP("laminas", "de los residuos"), 930};

    explicit VistaResiduos(Form1& f);

    void componerMenu(Menu& ver) override;
    void componerPlano(Capa capa) override;
    void componerPanel() override;
    void cargar(mostrar& m) override;
    void ajustar() override;
    void nuevaMuestra() override;
    void distribuir() override;
    Menu& menu() const override { return *c_.mnuRes; }
    Lamina lamina() const override { return laminaDeVista; }
    void trasAjuste() override;
    void mostrarVista() override;
    void dejar() override;
    void puntoColoreado(Integer k) override;
    void nombrarControles() override;
    std::vector<QWidget*> ordenDeTab() override { return {c_.Check1}; }

    void alMarcarCuadrados();

private:
    void entrar();

    Form1& f_;
    Globales& g_;
    Controles& c_;
    std::unique_ptr<PantallaResiduos> pantalla_;
    std::unique_ptr<PresentacionResiduos> dibujo_;
    bool conDatos_ = false; ///< the background shows a data set's axes
};

} // namespace rectaviva
