// The challenges' rounds: drawing one from its code into the sample, hiding
// what gives the answer away, checking and scoring it (their end is in
// vista_retos_fin.cpp).
#include "vista_retos.h"

#include "Form1.h"
#include "dialogo_reto.h"
#include "rueda_residuos.h"
#include "vista_mirecta.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QUndoStack>

#include <cmath>
#include <random>

namespace rectaviva {

void ControlesRetos::mnuReto_Click(Integer Index) {
    vistaRetos_->elegir(Index);
}

void ControlesRetos::Command2_Click(Integer Index) {
    switch (Index) {
    case ordenComprobar:
        vistaRetos_->comprobar();
        break;
    case ordenOtraRonda:
        vistaRetos_->jugar(vistaRetos_->ultimoReto_);
        break;
    case ordenTerminar:
        vistaRetos_->terminar();
        break;
    case ordenRueda:
        vistaRetos_->abrirRueda();
        break;
    default:
        break;
    }
}

void ControlesRetos::Text8_KeyPress(int& KeyAscii) {
    vistaRetos_->alPulsarTecla(KeyAscii);
}

VistaRetos::VistaRetos(Form1& f) : f_(f), g_(f.g), c_(f) {
    c_.vistaRetos_ = this;
    pedirCodigo_ = [this] { return pedirReto(&f_, ronda_ ? ronda_->reto : Reto::Correlacion); };
    azarRueda_ = [] {
        std::random_device azar;
        return (static_cast<std::uint64_t>(azar()) << 32U) | azar();
    };
}

VistaRetos::~VistaRetos() = default;

void VistaRetos::elegir(Integer Index) {
    if (Index >= 0 && Index < numRetos) {
        jugar(retosDelMenu[Index].reto);
        return;
    }
    switch (Index) {
    case entradaRueda:
        abrirRueda();
        break;
    case entradaCodigo:
        if (const auto pedido = pedirCodigo_()) {
            jugarCodigo(pedido->first, pedido->second);
        }
        break;
    case entradaHistorial:
        mostrarHistorial();
        break;
    case entradaGuardar:
        pedirGuardarHistorial();
        break;
    default:
        break;
    }
}

void VistaRetos::jugar(Reto reto) {
    empezarRonda(reto, codigoAlAzar(QRandomGenerator::global()->generateDouble()));
}

bool VistaRetos::jugarCodigo(Reto reto, int codigo) {
    if (!codigoValido(codigo)) {
        return false;
    }
    empezarRonda(reto, codigo);
    return true;
}

VistaMiRecta* VistaRetos::miRecta() const {
    return buscarVista<VistaMiRecta>(f_.vistas());
}

// The first round of a stay keeps the window as it was, to give it back on
// leaving; each round is one undo step that loads its cloud. A residual
// round loads it only after its lineup, so that the pick is made blind.
void VistaRetos::empezarRonda(Reto reto, int clave) {
    if (!ronda_) {
        anterior_ = f_.ranura().visible();
        antes_ = f_.existeMuestra() ? std::optional(f_.instantanea()) : std::nullopt;
        primerPaso_ = nullptr;
        bandasAntes_ = g_.bandasActivas == 1;
        cuadradosAntes_ = f_.Check2->Value();
    }
    f_.ranura().mostrar(*c_.Frame10);
    if (VistaMiRecta* m = miRecta(); m && ronda_ && ronda_->reto == Reto::Recta) {
        m->dejarReto();
    }
    ronda_ = rondaDeCodigo(reto, clave);
    ultimoReto_ = reto;
    comprobada_ = false;
    if (respuesta_) {
        // No answer is chosen at a round's start.
        OptionButton& o = c_.Option3(static_cast<int>(*respuesta_));
        o.setAutoExclusive(false);
        o.setValue(false);
        o.setAutoExclusive(true);
        respuesta_.reset();
    }
    rangoResiduos_ = 0;
    if (g_.retoResiduosActivo == 1) {
        dibujoResiduos_->ocultarMarcas();
    }
    g_.retoResiduosActivo = 0;
    ++numeroRonda_;
    puntos_ = bono_ = 0;
    c_.Text8->setText(QString());
    // The answer hidden before the cloud shows, so that not even the summary
    // said with it gives it away.
    switch (ronda_->reto) {
    case Reto::Correlacion:
        m_->ocultar(Delata::Correlacion);
        break;
    case Reto::Recta:
        m_->ocultar(Delata::Nada);
        if (VistaMiRecta* m = miRecta()) {
            m->jugarReto();
        }
        break;
    case Reto::Nube:
    case Reto::Residuos:
        m_->ocultar(Delata::Nada);
        break;
    }
    // The bands give the line away while the answer is hidden.
    const bool conBandas = ronda_->reto == Reto::Nube || ronda_->reto == Reto::Residuos;
    if (g_.bandasActivas == 1 && !conBandas) {
        f_.mnuBan_Click();
    }
    f_.mnuBan->setEnabled(conBandas);
    enRueda_ = reto == Reto::Residuos;
    if (enRueda_) {
        escribirPanel();
        c_.Command2(ordenRueda).setFocus();
        hablar(c_.Label9(codigo).Caption() + QStringLiteral(". ") + textoPregunta());
        return;
    }
    cargarRonda();
}

void VistaRetos::cargarRonda() {
    g_.retoResiduosActivo = ronda_->reto == Reto::Residuos ? 1 : 0;
    const int clave = ronda_->codigo;
    QUndoStack& pila = f_.pila();
    const int indiceAntes = pila.index();
    cargando_ = true;
    f_.cargarReto(ronda_->puntos, clave);
    cargando_ = false;
    pasoRonda_ = pila.index() > indiceAntes ? pila.command(pila.index() - 1) : nullptr;
    if (primerPaso_ == nullptr) {
        primerPaso_ = pasoRonda_;
    }
    indiceRonda_ = pila.index();
    reloj_.start();
    escribirPanel();
    if (ronda_->reto == Reto::Correlacion) {
        c_.Text8->setFocus();
    } else if (ronda_->reto == Reto::Residuos) {
        mostrarResiduos();
        c_.Option3(0).setFocus();
    }
    hablar(c_.Label9(codigo).Caption() + QStringLiteral(". ") + textoPregunta());
}

int VistaRetos::movimientos() const {
    return std::max(0, f_.pila().index() - indiceRonda_);
}

void VistaRetos::comprobar() {
    if (!ronda_ || comprobada_ || enRueda_ || ronda_->reto == Reto::Nube || !f_.existeMuestra()) {
        return;
    }
    if (ronda_->reto == Reto::Residuos) {
        comprobarResiduos();
        return;
    }
    // Scored on the values as the panel writes them.
    if (ronda_->reto == Reto::Correlacion) {
        const std::optional<double> r = leerRespuesta();
        if (!r) {
            hablar(QCoreApplication::translate(
                "retos", "Escribe un valor de r entre -1 y 1 y pulsa Comprobar."));
            c_.Text8->setFocus();
            return;
        }
        const double propia = comoSeMuestra(*r, decimalesDeR);
        const double verdad = comoSeMuestra(g_.correlacion, decimalesDeR);
        anotar(propia, verdad, puntosCorrelacion(propia - verdad));
        m_->ocultar(Delata::Nada);
    } else {
        VistaMiRecta* m = miRecta();
        const double propia = comoSeMuestra(g_.scMiRecta, decimalesDeSC);
        const double minimos = comoSeMuestra(g_.SCErr, decimalesDeSC);
        anotar(propia, minimos, puntosRecta(minimos, propia));
        if (m) {
            m->revelarReto();
        }
    }
    revelado();
}

// After the answer: the bands' entry back, the result written and said.
void VistaRetos::revelado() {
    comprobada_ = true;
    f_.mnuBan->setEnabled(true);
    escribirPanel();
    const QString explicado =
        c_.Label9(rondaDeResiduos() ? explicacionResiduos : explicacion).Caption();
    hablar(explicado.isEmpty() ? c_.Label9(resultado).Caption()
                               : c_.Label9(resultado).Caption() + QLatin1Char(' ') + explicado);
}

void VistaRetos::anotar(double respuesta, double verdad, int puntos) {
    RondaJugada j;
    j.reto = ronda_->reto;
    j.codigo = ronda_->codigo;
    j.respuesta = respuesta;
    j.verdad = verdad;
    // A residual round's answer is right or wrong, with no size of error.
    j.error = ronda_->reto == Reto::Residuos      ? std::nan("")
              : ronda_->reto == Reto::Correlacion ? comoSeMuestra(respuesta - verdad, decimalesDeR)
                                                  : respuesta - verdad;
    j.movimientos = ronda_->reto == Reto::Nube ? movimientos() : 0;
    j.puntos = puntos;
    j.hora =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    j.segundos = std::round(reloj_.elapsed() / 100.0) / 10.0;
    puntos_ = puntos;
    const int total = historial_.agregar(std::move(j));
    bono_ = total - puntos;
    c_.mnuReto(entradaGuardar).setEnabled(true);
}

// After every fit: a cloud to build ends by itself once it meets its target,
// when the move that met it is over (a drag held there has not ended yet).
void VistaRetos::mostrarVista() {
    if (!ronda_ || cargando_) {
        return;
    }
    mostrarResiduos();
    if (!f_.gesto_ && objetivoLogrado()) {
        return;
    }
    escribirEstado();
}

bool VistaRetos::objetivoLogrado() {
    if (ronda_->reto != Reto::Nube || comprobada_ || !f_.existeMuestra() ||
        !objetivoCumplido(ronda_->objetivo, g_)) {
        return false;
    }
    // The value reached against the target's: the slope, or r (whose target
    // is 0 for a flat line that fits).
    const Objetivo& o = ronda_->objetivo;
    const double logrado = o.tipo == TipoObjetivo::Pendiente ? g_.pendiente : g_.correlacion;
    anotar(logrado, o.tipo == TipoObjetivo::Plana ? 0.0 : o.valor, puntosNube(movimientos()));
    revelado();
    return true;
}

} // namespace rectaviva
