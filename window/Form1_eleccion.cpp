// Form1's keyboard choice on the plot and the list: the points (and any
// view's handles) chosen in order of x or of the rows, grabbed, moved and
// dropped, deleted and restored. The keys are wired, and the window's other
// keys handled, in Form1_teclado.cpp; the tool row's keys are with the tools.
#include "Form1.h"

#include "Grafico.h"
#include "escala.h"
#include "formatos.h"
#include "redondeo.h"
#include "teclas.h"

#include <QAccessible>

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

using teclas::esAccion;
using teclas::esFlecha;
using teclas::sentido;

constexpr int kShift = 1;

} // namespace

// ---------------------------------------------------------------------------
// Choosing.

void Form1::agregarAsideros(Asideros& a) {
    if (std::find(asideros_.begin(), asideros_.end(), &a) == asideros_.end()) {
        asideros_.push_back(&a);
    }
}

void Form1::quitarAsideros(Asideros& a) {
    if (elegido_.conjunto == &a) {
        olvidarEleccion();
    }
    std::erase(asideros_, &a);
}

bool Form1::eleccionValida() const {
    return elegido_.conjunto != nullptr && elegido_.i >= 0 &&
           elegido_.i < elegido_.conjunto->cantidad();
}

void Form1::elegir(Eleccion e) {
    if (tomado_) {
        return;
    }
    if (eleccionValida()) {
        elegido_.conjunto->resaltar(elegido_.i, false);
    }
    elegido_ = e;
    e.conjunto->resaltar(e.i, true);
    // A screen reader follows the chosen item as the focused child.
    avisarItem(e.conjunto, e.i, QAccessible::Focus);
}

// "Punto 3 tomado", "Asa izquierda de mi recta soltada: y 40", as the item is
// (its title's gender chooses the word).
QString Form1::avisoDeAgarre(bool soltado) const {
    const Asideros& a = *elegido_.conjunto;
    const QString titulo = a.titulo(elegido_.i);
    if (!soltado) {
        return a.femenino() ? tr("%1 tomada").arg(titulo) : tr("%1 tomado").arg(titulo);
    }
    return (a.femenino() ? tr("%1 soltada: %2") : tr("%1 soltado: %2"))
        .arg(titulo, a.valor(elegido_.i));
}

// Drops a grabbed item where it is and shows the choice as usual again.
void Form1::olvidarEleccion() {
    if (eleccionValida()) {
        if (tomado_) {
            elegido_.conjunto->soltar(elegido_.i, false);
        }
        elegido_.conjunto->resaltar(elegido_.i, false);
    }
    if (tomado_) {
        tomado_ = false;
        hablar(tr("cancelado"));
        anunciar();
    }
    elegido_ = Eleccion{};
}

// The next (paso 1) or previous (-1) item in order of x over every set, or
// the first or last with `extremo`; without a choice, the first or the last.
void Form1::elegirEnOrden(int paso, bool extremo) {
    std::vector<Eleccion> todos;
    for (Asideros* a : asideros_) {
        for (int i = 0; i < a->cantidad(); ++i) {
            todos.push_back({a, i});
        }
    }
    if (todos.empty()) {
        return;
    }
    std::stable_sort(todos.begin(), todos.end(), [](const Eleccion& p, const Eleccion& q) {
        return p.conjunto->x(p.i) < q.conjunto->x(q.i);
    });
    const auto actual = std::find_if(todos.begin(), todos.end(), [this](const Eleccion& e) {
        return e.conjunto == elegido_.conjunto && e.i == elegido_.i;
    });
    const int n = static_cast<int>(todos.size());
    int j = paso > 0 ? 0 : n - 1;
    if (!extremo && actual != todos.end()) {
        j = std::clamp(static_cast<int>(actual - todos.begin()) + paso, 0, n - 1);
    }
    elegir(todos[static_cast<std::size_t>(j)]);
}

void Form1::Picture1_KeyDown(int& KeyCode, int Shift) {
    if (!existeMuestra()) {
        return;
    }
    if (tomado_ && (g.arrastrando != -1 || !eleccionValida())) {
        tomado_ = false; // the mouse or a new sample ended the grab
    }
    const int k = KeyCode;
    if (tomado_) {
        const Single paso = (Shift & kShift) != 0 ? 5.0f : 1.0f;
        if (esFlecha(k)) {
            const bool enX = k == Qt::Key_Left || k == Qt::Key_Right;
            // A unit of the design's grid, and never less than what a drag
            // rounds to, so that every press moves the point.
            const Single unidad = enX ? unidadX(g) : unidadY(g);
            const Single minimo =
                S(std::pow(10.0, -static_cast<double>(enX ? g.redondeoX : g.redondeoY)));
            const Single d = paso * std::max(unidad, minimo) * static_cast<Single>(sentido(k));
            elegido_.conjunto->mover(elegido_.i, enX ? d : 0.0f, enX ? 0.0f : d);
            // The item's name holds its new place, and a screen reader says it.
            avisarItem(elegido_.conjunto, elegido_.i, QAccessible::NameChanged);
            hablar(elegido_.conjunto->valor(elegido_.i));
        } else if (esAccion(k) || k == Qt::Key_Escape) {
            tomado_ = false;
            const bool devolver = k == Qt::Key_Escape;
            elegido_.conjunto->soltar(elegido_.i, devolver);
            hablar(devolver ? tr("cancelado") : avisoDeAgarre(true));
            anunciar();
        } else if (k != Qt::Key_Home && k != Qt::Key_End) {
            return;
        }
        KeyCode = 0;
        return;
    }
    if (esFlecha(k) || k == Qt::Key_Home || k == Qt::Key_End) {
        const bool extremo = k == Qt::Key_Home || k == Qt::Key_End || !eleccionValida();
        elegirEnOrden(k == Qt::Key_Home ? 1 : k == Qt::Key_End ? -1 : sentido(k), extremo);
    } else if (esAccion(k) && eleccionValida()) {
        tomado_ = true;
        ponerSumasAlDia();
        elegido_.conjunto->tomar(elegido_.i);
        hablar(avisoDeAgarre(false));
    } else if (k == Qt::Key_Delete || k == Qt::Key_Insert) {
        eliminarElegido(k == Qt::Key_Delete ? 0 : 1);
    } else {
        return;
    }
    KeyCode = 0;
}

// The list chooses in the order of its rows, point by point.
void Form1::Picture2_KeyDown(int& KeyCode, int) {
    if (!existeMuestra()) {
        return;
    }
    const int k = KeyCode;
    const int n = puntos_->cantidad();
    if (esFlecha(k) || k == Qt::Key_Home || k == Qt::Key_End) {
        // The rows run down: Down and Right go to the next point.
        const bool adelante = k == Qt::Key_Down || k == Qt::Key_Right || k == Qt::Key_Home;
        int j = adelante ? 0 : n - 1;
        if (esFlecha(k) && elegido_.conjunto == puntos_.get() && eleccionValida()) {
            j = std::clamp(elegido_.i + (adelante ? 1 : -1), 0, n - 1);
        }
        elegir({puntos_.get(), j});
    } else if (k == Qt::Key_Delete || k == Qt::Key_Insert) {
        eliminarElegido(k == Qt::Key_Delete ? 0 : 1);
    } else {
        return;
    }
    KeyCode = 0;
}

void Form1::Picture_LostFocus() {
    olvidarEleccion();
}

// Delete and Insert act as the pop-up's two commands on the chosen point.
void Form1::eliminarElegido(Integer Index) {
    if (elegido_.conjunto != puntos_.get() || !eleccionValida()) {
        return;
    }
    const int i = elegido_.i;
    g.puntoSel = static_cast<Integer>(i + 1);
    Label5_Click(Index);
    puntos_->resaltar(i, true);
}

} // namespace rectaviva
