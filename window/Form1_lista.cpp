// The point list of a data set with more points than the list has rows: a
// scroll bar on its right edge and the mouse wheel move the 50 rows shown
// through the whole set, so that the list never holds more than 50 rows.
#include "Form1.h"

#include "Grafico.h"
#include "colores.h"

#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace rectaviva {

namespace {

// Keeps the bar on the list's right edge and turns the wheel into its steps.
class FiltroLista : public QObject {
public:
    FiltroLista(QWidget* lista, QScrollBar* barra) : QObject(lista), lista_(lista), barra_(barra) {}

    void colocar() const {
        const int ancho = barra_->sizeHint().width();
        barra_->setGeometry(lista_->width() - ancho, 0, ancho, lista_->height());
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            colocar();
        } else if (e->type() == QEvent::Wheel && barra_->isVisible()) {
            const int pasos = static_cast<QWheelEvent*>(e)->angleDelta().y() / 40;
            barra_->setValue(barra_->value() - pasos);
            return true;
        }
        return false;
    }

private:
    QWidget* lista_;
    QScrollBar* barra_;
};

} // namespace

void Form1::componerBarraLista() {
    barraLista_ = new QScrollBar(Qt::Vertical, Picture2);
    barraLista_->setObjectName(QStringLiteral("barraLista"));
    barraLista_->setVisible(false);
    barraLista_->setAccessibleName(tr("Desplazar la lista de puntos"));
    auto* filtro = new FiltroLista(Picture2, barraLista_);
    Picture2->installEventFilter(filtro);
    filtro->colocar();
    connect(barraLista_, &QScrollBar::valueChanged, this, [this](int v) {
        if (v == g.oMostrar->primeraFila()) {
            return;
        }
        g.oMostrar->setPrimeraFila(v);
        g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
        if (g.listaSinResaltar == 0 && puntoValido(g.puntoSel)) {
            g.oMostrar->imprimirPunto(g.puntoSel, colorFilaElegida);
        }
    });
}

void Form1::ajustarBarraLista() {
    const bool larga = g.nPuntos > mostrar::filasVisibles;
    if (!larga) {
        g.oMostrar->setPrimeraFila(1);
    }
    const QSignalBlocker bloqueo(barraLista_);
    barraLista_->setRange(1, std::max<int>(1, g.nPuntos - mostrar::filasVisibles + 1));
    barraLista_->setPageStep(mostrar::filasVisibles);
    barraLista_->setValue(g.oMostrar->primeraFila());
    barraLista_->setVisible(larga);
}

void Form1::mostrarFilaDe(Integer k) {
    mostrar& m = *g.oMostrar;
    if (m.enLista(k) || !puntoValido(k)) {
        return;
    }
    // The point's row comes into view at the edge it was past.
    barraLista_->setValue(k < m.primeraFila() ? k : k - mostrar::filasVisibles + 1);
}

} // namespace rectaviva
