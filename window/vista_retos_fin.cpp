// How a round of the challenges ends: a sample not drawn by a round, an
// undo past its cloud, another panel of the slot or "Terminar"; leaving
// gives the window back as it was.
#include "vista_retos.h"

#include "Form1.h"
#include "rueda_residuos.h"
#include "vista_mirecta.h"

#include <QUndoStack>

namespace rectaviva {

// A sample not drawn by a round (a new one, a data set) or an undo past the
// round's cloud ends the round where it is, and its panel leaves the slot.
void VistaRetos::nuevaMuestraEmpieza() {
    if (ronda_ && !cargando_ && !volviendo_) {
        terminarAqui();
        cerrarPanel();
    }
}

void VistaRetos::cerrarPanel() {
    c_.Frame10->setVisible(false);
    if (anterior_ != nullptr && anterior_ != c_.Frame10) {
        f_.ranura().mostrar(*anterior_);
    }
}

void VistaRetos::alCambiarPila() {
    if (!ronda_ || cargando_ || volviendo_ || pasoRonda_ == nullptr) {
        return;
    }
    const QUndoStack& pila = f_.pila();
    for (int i = 0; i < pila.count(); ++i) {
        if (pila.command(i) == pasoRonda_ && i >= pila.index()) {
            terminarAqui();
            cerrarPanel();
            return;
        }
    }
    // A move just ended: the target may hold now.
    objetivoLogrado();
}

// Ends the round and its panel's hold on the window without going back.
void VistaRetos::terminarAqui() {
    if (VistaMiRecta* m = miRecta(); m && ronda_->reto == Reto::Recta) {
        m->dejarReto();
    }
    m_->ocultar(Delata::Nada);
    f_.mnuBan->setEnabled(true);
    if (rondaDeResiduos()) {
        // The residuals of a sample not the round's are no longer plotted.
        g_.retoResiduosActivo = 0;
        dibujoResiduos_->ocultarMarcas();
        c_.Picture7->setVisible(false);
        for (OptionButton* o : c_.Option3) {
            o->setVisible(false);
        }
    }
    ronda_.reset();
    antes_.reset();
    enRueda_ = false;
    if (dialogoRueda_) {
        dialogoRueda_->close();
    }
    c_.Command2(ordenComprobar).setEnabled(false);
}

// Leaving the panel: the window as it was before the first round, by taking
// back the rounds' undo steps (or, if they have gone, by the state kept).
void VistaRetos::dejar() {
    if (!ronda_) {
        return;
    }
    const std::optional<Instantanea> antes = std::move(antes_);
    const QUndoCommand* primero = primerPaso_;
    const bool bandas = bandasAntes_;
    f_.Check2->setValue(cuadradosAntes_);
    terminarAqui();
    if (!antes) {
        return;
    }
    volviendo_ = true;
    QUndoStack& pila = f_.pila();
    int indice = -1;
    for (int i = 0; i < pila.count(); ++i) {
        if (pila.command(i) == primero) {
            indice = i;
        }
    }
    if (indice >= 0 && indice < pila.index()) {
        pila.setIndex(indice);
    } else {
        f_.restaurar(*antes);
    }
    volviendo_ = false;
    if (bandas != (g_.bandasActivas == 1)) {
        f_.mnuBan_Click();
    }
}

// "Terminar": the panel that was in the slot before, or none.
void VistaRetos::terminar() {
    c_.Frame10->setVisible(false);
    if (anterior_ != nullptr && anterior_ != c_.Frame10) {
        f_.ranura().mostrar(*anterior_);
    } else {
        dejar();
    }
    hablar(QCoreApplication::translate("retos", "Reto terminado."));
}

} // namespace rectaviva
