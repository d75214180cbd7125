// The simulation view's handlers: entering and leaving it, the model read
// from its entries, the batches and the animation, the choice of statistic
// and of mode, and what is said after them. Its composition is in
// vista_simulacion_panel.cpp.
#include "vista_simulacion.h"

#include "Form1.h"
#include "lectura.h"
#include "redondeo.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace rectaviva {

namespace {

// The model's ranges, a rule of the panel's own: the tooltip states it.
struct Rango {
    double minimo, maximo;
};
constexpr Rango kRangos[3] = {{-100, 100}, {-10, 10}, {0.01, 50}};

// The fit's value rounded to two decimals, inside its range; 0 when the fit
// leaves it undefined.
double inicial(double v, const Rango& r) {
    if (!std::isfinite(v)) {
        v = 0;
    }
    return std::clamp(std::round(v * 100) / 100, r.minimo, r.maximo);
}

// The seed of the simulation: RECTAVIVA_SEMILLA when set (the tests fix it
// so), else the clock.
std::uint64_t semilla() {
    if (const char* s = std::getenv("RECTAVIVA_SEMILLA"); s != nullptr && *s != '\0') {
        return std::strtoull(s, nullptr, 10);
    }
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

void ControlesSimulacion::Command1_Click(Integer Index) {
    vistaSimulacion_->alPulsar(Index);
}

void ControlesSimulacion::Option1_Click(Integer Index) {
    vistaSimulacion_->alElegir(Index);
}

void ControlesSimulacion::Option2_Click(Integer Index) {
    vistaSimulacion_->alModo(Index);
}

void ControlesSimulacion::Text7_KeyPress(Integer, int& KeyAscii) {
    if (KeyAscii == 13) {
        vistaSimulacion_->alEntrar();
    }
}

void ControlesSimulacion::Timer2_Timer() {
    vistaSimulacion_->alTic();
}

VistaSimulacion::VistaSimulacion(Form1& f)
    : f_(f), g_(f.g), c_(f), sim_(std::make_unique<Simulador>(semilla())) {
    c_.vistaSimulacion_ = this;
}

VistaSimulacion::~VistaSimulacion() = default;

void VistaSimulacion::entrar() {
    f_.ranura().mostrar(*c_.Frame9);
    if (g_.simulacionActiva == 1) {
        return;
    }
    g_.simulacionActiva = 1;
    const double valores[3] = {D(g_.intercepto), D(g_.pendiente), std::sqrt(D(g_.varError))};
    for (int k = 0; k < 3; ++k) {
        const double v = inicial(valores[k], kRangos[k]);
        c_.Text7(k).setText(QString::fromStdString(escribirNumero(S(v))));
    }
    sim_->fijarModelo(inicial(valores[0], kRangos[0]), inicial(valores[1], kRangos[1]),
                      inicial(valores[2], kRangos[2]));
    empezarDeNuevo();
    dibujar(false);
}

void VistaSimulacion::empezarDeNuevo() {
    const bool modelo = modo_ == Modo::Modelo;
    if (modelo) {
        sim_->empezar(g_, sim_->beta0(), sim_->beta1(), sim_->sigma());
    } else {
        sim_->empezarRemuestreo(g_, modo_);
        estadistica_ = Estadistica::Pendiente;
        c_.Option1(0).setValue(true);
    }
    // What only the model has: its entries, the other statistics, the strip
    // of intervals and its sheet.
    for (TextBox* t : c_.Text7) {
        t->setEnabled(modelo);
    }
    for (OptionButton* o : c_.Option1) {
        o->setEnabled(modelo);
    }
    c_.Picture6->setVisible(modelo);
    c_.Label8(5).setVisible(modelo);
    f_.Image2(laminaDeVista.indice).setVisible(modelo);
    f_.Image2(laminaSegunda.indice).setVisible(!modelo);
}

void VistaSimulacion::dejar() {
    if (g_.simulacionActiva == 1) {
        g_.simulacionActiva = 0;
        animando(false);
        dibujo_->ocultarSimulacion();
    }
}

void VistaSimulacion::leerModelo() {
    double v[3];
    for (int k = 0; k < 3; ++k) {
        v[k] = std::clamp(static_cast<double>(S(leerNumero(c_.Text7(k).Text().toStdString()))),
                          kRangos[k].minimo, kRangos[k].maximo);
        c_.Text7(k).setText(QString::fromStdString(escribirNumero(S(v[k]))));
    }
    if (S(v[0]) != S(sim_->beta0()) || S(v[1]) != S(sim_->beta1()) || S(v[2]) != S(sim_->sigma())) {
        sim_->empezar(g_, D(S(v[0])), D(S(v[1])), D(S(v[2])));
    }
}

// A change of what the samples come from (new x for the model, any change
// of the points for the resampling modes) starts again with the same model.
void VistaSimulacion::trasAjuste() {
    if (g_.simulacionActiva != 1) {
        return;
    }
    if (!sim_->vigente(g_)) {
        empezarDeNuevo();
        redibujar_ = true;
    }
}

void VistaSimulacion::mostrarVista() {
    if (g_.simulacionActiva != 1) {
        return;
    }
    if (redibujar_) {
        redibujar_ = false;
        dibujar(c_.Timer2->Enabled());
        return;
    }
    dibujo_->marcarPropio(*sim_, estadistica_);
    // What the resampling modes set beside their result (the t test, the t
    // interval and the percentile's level) follows a new level or look-up.
    if (modo_ != Modo::Modelo) {
        dibujo_->mostrarCuentas(*sim_, estadistica_);
    }
}

// The panel's sentences are made as they are drawn: drawn again, they are
// in the new language, and so is what the panel says to a screen reader.
void VistaSimulacion::retraducir() {
    if (g_.simulacionActiva != 1) {
        return;
    }
    dibujar(c_.Timer2->Enabled());
    if (sim_->muestras() > 0) {
        ponerDescripcionCallada(*c_.Frame9, dibujo_->resumen());
    }
}

void VistaSimulacion::dibujar(bool animada) {
    if (g_.simulacionActiva != 1) {
        return;
    }
    dibujo_->mostrarSimulacion(*sim_, estadistica_, animada);
    for (CommandButton* b : c_.Command1) {
        b->setEnabled(sim_->valida());
    }
}

void VistaSimulacion::agregar(std::int64_t m, bool animada) {
    if (g_.simulacionActiva != 1 || !f_.existeMuestra()) {
        return;
    }
    sim_->agregar(g_, m);
    dibujar(animada);
    // The panel's texts, said as a drop is; an animation's one sample a
    // tick is said once, when it stops.
    const QString resumen = dibujo_->resumen();
    ponerDescripcionCallada(*c_.Frame9, resumen);
    if (!animada) {
        hablar(resumen);
    }
}

void VistaSimulacion::animando(bool si) {
    const bool termina = !si && c_.Timer2->Enabled();
    c_.Timer2->setEnabled(si);
    traducirTitulo(c_.Command1(animar),
                   si ? FUENTE("simulacion", "Parar") : FUENTE("simulacion", "Animar"));
    if (!si && g_.simulacionActiva == 1) {
        dibujar(false);
        if (termina && sim_->muestras() > 0) {
            hablar(dibujo_->resumen());
        }
    }
}

void VistaSimulacion::alPulsar(Integer Index) {
    if (g_.simulacionActiva != 1) {
        return;
    }
    if (Index >= 0 && Index < 4) {
        agregar(kTandas[Index], false);
    } else if (Index == animar) {
        animando(!c_.Timer2->Enabled());
    } else if (Index == reiniciarSimulacion) {
        sim_->reiniciar();
        dibujar(c_.Timer2->Enabled());
    }
}

void VistaSimulacion::alTic() {
    agregar(1, true);
}

void VistaSimulacion::alElegir(Integer Index) {
    estadistica_ = static_cast<Estadistica>(std::clamp<int>(Index, 0, kEstadisticas - 1));
    dibujar(c_.Timer2->Enabled());
}

void VistaSimulacion::alModo(Integer Index) {
    modo_ = static_cast<Modo>(std::clamp<int>(Index, 0, 2));
    if (g_.simulacionActiva == 1) {
        empezarDeNuevo();
        dibujar(c_.Timer2->Enabled());
    }
}

void VistaSimulacion::alEntrar() {
    if (g_.simulacionActiva != 1 || modo_ != Modo::Modelo) {
        return;
    }
    leerModelo();
    dibujar(c_.Timer2->Enabled());
}

} // namespace rectaviva
