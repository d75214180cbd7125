// What a data set of more than 50 points adds to the window: a scroll bar
// beside the point list and the mouse wheel move the 50 rows shown through
// the whole set, so that the list never holds more than 50 rows; and a line
// under the tests says when the t table's rows run out.
#include "Form1.h"

#include "Grafico.h"
#include "colores.h"
#include "composicion.h"
#include "dato.h"

#include <QEvent>

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

namespace rectaviva {

namespace {

// Keeps the bar just right of the list, over none of its digits, and turns
// the wheel into its steps.
class FiltroLista : public QObject {
public:
    FiltroLista(QWidget* lista, QWidget* vecino, QScrollBar* barra)
        : QObject(lista), lista_(lista), vecino_(vecino), barra_(barra) {}

    // In the gap between the list and the panel right of it.
    void colocar() const {
        const QRect r = lista_->geometry();
        const int ancho =
            std::clamp(vecino_->geometry().left() - r.right() - 1, 4, barra_->sizeHint().width());
        barra_->setGeometry(r.right() + 1, r.top(), ancho, r.height());
        barra_->raise();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize || e->type() == QEvent::Move) {
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
    QWidget* vecino_;
    QScrollBar* barra_;
};

// Calls `colocar` whenever the widget watched moves or changes size.
class Seguir : public QObject {
public:
    Seguir(QObject* padre, std::function<void()> colocar)
        : QObject(padre), colocar_(std::move(colocar)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize || e->type() == QEvent::Move) {
            colocar_();
        }
        return false;
    }

private:
    std::function<void()> colocar_;
};

} // namespace

void Form1::componerBarraLista() {
    barraLista_ = new QScrollBar(Qt::Vertical, Picture2->parentWidget());
    barraLista_->setObjectName(QStringLiteral("barraLista"));
    barraLista_->setVisible(false);
    // The keys walk the points themselves (and scroll the list to each).
    barraLista_->setFocusPolicy(Qt::NoFocus);
    barraLista_->setAccessibleName(tr("Desplazar la lista de puntos"));
    auto* filtro = new FiltroLista(Picture2, Frame2, barraLista_);
    Picture2->installEventFilter(filtro);
    Frame2->installEventFilter(filtro);
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
    if (larga) {
        barraLista_->raise();
    }
}

QString Form1::resumenDeDatos() const {
    double x0 = valorX(g, 1), x1 = x0, y0 = valorY(g, 1), y1 = y0;
    for (Integer k = 2; k <= g.nPuntos; ++k) {
        x0 = std::min(x0, valorX(g, k));
        x1 = std::max(x1, valorX(g, k));
        y0 = std::min(y0, valorY(g, k));
        y1 = std::max(y1, valorY(g, k));
    }
    const mostrar& m = *g.oMostrar;
    const auto t = [&m](double v, bool enX) {
        return QString::fromStdString(m.textoCoordenada(v, enX));
    };
    return tr("%n puntos, x de %1 a %2, y de %3 a %4", nullptr, g.nPuntos)
        .arg(t(x0, true), t(x1, true), t(y0, false), t(y1, false));
}

void Form1::componerAvisoTabla() {
    // Just under the analysis of variance, where the window has nothing.
    Label11 = new Label(Frame3->parentWidget(), QStringLiteral("Label11"));
    Label11->setFont(fuente(7));
    Label11->setTransparente(true);
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label11->setVisible(false);
    auto* filtro = new Seguir(Frame3, [this] {
        const QRect r = Frame3->geometry();
        Label11->setGeometry(r.left(), r.bottom() + 3, r.width(),
                             Label11->fontMetrics().height() + 2);
    });
    Frame3->installEventFilter(filtro);
    alCambiarIdioma(Label11, ClaveTexto::Otro, [this] { avisarTabla(); });
}

void Form1::avisarTabla() {
    // Only the table's interpolation needs saying: the exact values are the
    // distribution's already.
    const bool pasada = existeMuestra() && g.datosCargados == 1 && g.valoresExactos == 0 &&
                        g.glErr > Tablas::filasTabla;
    if (pasada) {
        Label11->setCaption(tr("La tabla llega a %1 grados de libertad; con %2 se usa la "
                               "distribución t.")
                                .arg(Tablas::filasTabla)
                                .arg(g.glErr));
    }
    Label11->setVisible(pasada);
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
