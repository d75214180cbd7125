// The simulation view's handlers: entering and leaving it, the model read
// from its entries, the batches and the animation, the choice of statistic
// and of mode, and what is said after them. Its composition is in
// vista_simulacion_panel.cpp.
#include "vista_simulacion.h"

#include "Form1.h"
#include "cajas.h"
#include "lectura.h"
#include "redondeo.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace rectaviva {

namespace {

// The model's ranges, a rule of the panel's own that its tooltip states: on
// the design's grid fixed; on a data set, whatever the data's units give.
struct RangoModelo {
    double minimo, maximo;
};
constexpr RangoModelo kRangos[3] = {{-100, 100}, {-10, 10}, {0.01, 50}};
constexpr double kTopeDatos = 1e15;
constexpr RangoModelo kRangosDatos[3] = {
    {-kTopeDatos, kTopeDatos}, {-kTopeDatos, kTopeDatos}, {1e-6, kTopeDatos}};

// The fit's value inside its range, 0 when the fit leaves it undefined; on
// the design's grid rounded to two decimals (the entry then shows it whole).
double inicial(double v, const RangoModelo& r, bool datos) {
    if (!std::isfinite(v)) {
        v = 0;
    }
    return std::clamp(datos ? v : std::round(v * 100) / 100, r.minimo, r.maximo);
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
    tomarModeloDeMuestra();
}

// The model from the sample's fit: each value as its entry can show it, in
// the language's decimal mark, and the model exactly what the entries show.
void VistaSimulacion::tomarModeloDeMuestra() {
    const bool datos = g_.datosCargados == 1;
    const double valores[3] = {D(g_.intercepto), D(g_.pendiente), std::sqrt(D(g_.varError))};
    double v[3];
    for (int k = 0; k < 3; ++k) {
        traducirAyuda(c_.Text7(k), datos ? kReglaDatos : kRegla);
        v[k] = inicial(valores[k], (datos ? kRangosDatos : kRangos)[k], datos);
        escribirModelo(k, v[k]);
        v[k] = D(leerModelo(k));
    }
    sim_->fijarModelo(v[0], v[1], v[2]);
    empezarDeNuevo();
    dibujar(false);
}

void VistaSimulacion::nuevaMuestra() {
    if (g_.simulacionActiva == 1 && f_.existeMuestra()) {
        tomarModeloDeMuestra();
    }
}

// An entry's value written in the language's decimal mark: on the design's
// grid as typed back, on a data set with the digits its box can show.
void VistaSimulacion::escribirModelo(int k, double v) {
    TextBox& t = c_.Text7(k);
    const std::string punto = m_ != nullptr ? m_->puntoDecimal() : std::string(".");
    std::string texto;
    if (g_.datosCargados == 1) {
        texto = formatearEnCaja(S(v), Formato::DosDecimales, cabeEnCaja(t), punto);
    } else {
        texto = escribirNumero(S(v));
        if (const auto i = texto.find('.'); i != std::string::npos) {
            texto.replace(i, 1, punto);
        }
    }
    t.setText(QString::fromStdString(texto));
}

// An entry's value, read with either decimal mark.
Single VistaSimulacion::leerModelo(int k) const {
    std::string texto = c_.Text7(k).Text().toStdString();
    std::replace(texto.begin(), texto.end(), ',', '.');
    return S(leerNumero(texto));
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
    const RangoModelo* rangos = g_.datosCargados == 1 ? kRangosDatos : kRangos;
    double v[3];
    for (int k = 0; k < 3; ++k) {
        const double leido = D(leerModelo(k));
        // A value too large to read is the range's end of its sign.
        v[k] = std::isnan(leido) ? rangos[k].minimo
                                 : std::clamp(leido, rangos[k].minimo, rangos[k].maximo);
        escribirModelo(k, v[k]);
        v[k] = D(leerModelo(k));
    }
    if (S(v[0]) != S(sim_->beta0()) || S(v[1]) != S(sim_->beta1()) || S(v[2]) != S(sim_->sigma())) {
        sim_->empezar(g_, v[0], v[1], v[2]);
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
