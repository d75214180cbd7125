// The influence view ("Ver" → "Influencia", a toggle): rings around the
// points in use by Cook's distance, the dashed fit without the point held
// with the left button, and the plot's tooltip with each point's values.
#pragma once

#include "capa_controles.h"
#include "influencia.h"
#include "vista.h"

namespace rectaviva {

class VistaInfluencia;

struct ControlesInfluencia {
    Menu* mnuInf = nullptr;             ///< checkable
    Matriz<Shape> Shape9{1, maxPuntos}; ///< influence rings
    Line* Line18 = nullptr;             ///< the fit without the dragged point, dashed
    Rotulos* Rotulos9 = nullptr;        ///< a cloud's row numbers of the ringed points

    // "Punto k: x = …, y = …, residuo = …, …", the tooltip of point k.
    QString textoInfluencia(Integer k) const;

private:
    friend class VistaInfluencia;
    VistaInfluencia* vistaInfluencia_ = nullptr;
};

class VistaInfluencia : public Vista {
public:
    using Controles = ControlesInfluencia;
    static constexpr Lamina laminaDeVista{9, QT_TRANSLATE_NOOP("laminas", "de la influencia"), 930};

    explicit VistaInfluencia(Form1& f);

    void componerMenu(Menu& ver) override;
    void componerPlano(Capa capa) override;
    void cargar(mostrar& m) override;
    Menu& menu() const override { return *c_.mnuInf; }
    Lamina lamina() const override { return laminaDeVista; }
    void trasAjuste() override;
    void mostrarVista() override;
    void dejar() override;
    void nuevaMuestraEmpieza() override { tomado_ = 0; }
    void puntoTomado(Integer k) override;
    void nombrarControles() override;

    QString texto(Integer k) const { return dibujo_->textoInfluencia(k); }

private:
    void alternar();

    Form1& f_;
    Globales& g_;
    Controles& c_;
    Integer tomado_ = 0; ///< the point held with the left button, 0 for none
    std::unique_ptr<PantallaInfluencia> pantalla_;
    std::unique_ptr<PresentacionInfluencia> dibujo_;
};

} // namespace rectaviva
