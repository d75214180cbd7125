// The plot and the point list as a screen reader finds them: lists whose
// items are the points (the plot's also any view's handles), read from the
// sets each time they are asked, and the events that tell it of one item.
#include "Form1.h"
#include "privado.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <map>
#include <utility>

namespace rectaviva {

namespace {

class ListaAccesible;

// One point or handle of the plot: a list item whose name and value are read
// from its set at each question.
class ItemAccesible : public QAccessibleInterface {
public:
    ItemAccesible(ListaAccesible& lista, Asideros* a, int i) : lista_(lista), a_(a), i_(i) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    Asideros* conjunto() const { return a_; }
    int indice() const { return i_; }

private:
    ListaAccesible& lista_;
    Asideros* a_;
    int i_;
};

// The plot (every set) or the point list (the points only): the items first,
// then the widgets the surface holds (a help icon, the pop-up).
class ListaAccesible : public QAccessibleWidget {
public:
    ListaAccesible(PictureBox* w, bool plano)
        : QAccessibleWidget(w, QAccessible::List), plano_(plano) {}
    ~ListaAccesible() override {
        for (const auto& [clave, id] : ids_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    Form1* ventana() const { return qobject_cast<Form1*>(widget()->window()); }
    PictureBox* caja() const { return static_cast<PictureBox*>(widget()); }
    bool plano() const { return plano_; }
    bool conFoco() const { return widget()->hasFocus(); }

    std::vector<std::pair<Asideros*, int>> items() const {
        std::vector<std::pair<Asideros*, int>> r;
        const Form1* f = ventana();
        if (!f || f->asideros().empty()) {
            return r;
        }
        for (Asideros* a : f->asideros()) {
            // A long data set's points are the 50 rows the list shows, which
            // follow the point chosen: the tree stays small at any size.
            const bool largo = a == f->asideros().front() && a->cantidad() > mostrar::filasVisibles;
            const int desde = largo ? f->g.oMostrar->primeraFila() - 1 : 0;
            const int hasta =
                largo ? std::min(a->cantidad(), desde + mostrar::filasVisibles) : a->cantidad();
            for (int i = desde; i < hasta; ++i) {
                r.emplace_back(a, i);
            }
            if (!plano_) {
                break;
            }
        }
        return r;
    }

    // Whether item i of set a is among the items now.
    bool muestra(const Asideros* a, int i) const {
        const Form1* f = ventana();
        if (!f || f->asideros().empty() || a != f->asideros().front() ||
            a->cantidad() <= mostrar::filasVisibles) {
            return true;
        }
        return f->g.oMostrar->enLista(static_cast<Integer>(i + 1));
    }

    bool contiene(const Asideros* a) const {
        const Form1* f = ventana();
        if (!f) {
            return false;
        }
        const auto& v = f->asideros();
        return std::find(v.begin(), v.end(), a) != v.end() && (plano_ || a == v.front());
    }

    int childCount() const override {
        return static_cast<int>(items().size()) + QAccessibleWidget::childCount();
    }

    QAccessibleInterface* child(int index) const override {
        const auto v = items();
        const int n = static_cast<int>(v.size());
        if (index < 0) {
            return nullptr;
        }
        if (index >= n) {
            return QAccessibleWidget::child(index - n);
        }
        const auto clave = v[static_cast<std::size_t>(index)];
        auto it = ids_.find(clave);
        if (it == ids_.end()) {
            auto* item =
                new ItemAccesible(const_cast<ListaAccesible&>(*this), clave.first, clave.second);
            it = ids_.emplace(clave, QAccessible::registerAccessibleInterface(item)).first;
        }
        return QAccessible::accessibleInterface(it->second);
    }

    int indexOfChild(const QAccessibleInterface* c) const override {
        const auto v = items();
        if (const auto* item = dynamic_cast<const ItemAccesible*>(c)) {
            const auto it =
                std::find(v.begin(), v.end(), std::pair{item->conjunto(), item->indice()});
            return it == v.end() ? -1 : static_cast<int>(it - v.begin());
        }
        const int k = QAccessibleWidget::indexOfChild(c);
        return k < 0 ? k : k + static_cast<int>(v.size());
    }

    QAccessibleInterface* focusChild() const override {
        const Form1* f = ventana();
        if (!f || !widget()->hasFocus() || !f->conjuntoElegido()) {
            return nullptr;
        }
        const auto v = items();
        const auto it =
            std::find(v.begin(), v.end(), std::pair{f->conjuntoElegido(), f->elegido()});
        return it == v.end() ? nullptr : child(static_cast<int>(it - v.begin()));
    }

private:
    bool plano_;
    mutable std::map<std::pair<Asideros*, int>, QAccessible::Id> ids_;
};

bool ItemAccesible::isValid() const {
    return lista_.isValid() && lista_.contiene(a_) && i_ < a_->cantidad() && lista_.muestra(a_, i_);
}

QWindow* ItemAccesible::window() const {
    return lista_.window();
}

QAccessibleInterface* ItemAccesible::parent() const {
    return &lista_;
}

QString ItemAccesible::text(QAccessible::Text t) const {
    if (!isValid()) {
        return {};
    }
    switch (t) {
    case QAccessible::Name:
        return a_->nombre(i_);
    case QAccessible::Value:
        return a_->valor(i_);
    default:
        return {};
    }
}

QRect ItemAccesible::rect() const {
    if (!isValid()) {
        return {};
    }
    const PictureBox& caja = *lista_.caja();
    const Escala e = caja.escala();
    QRectF p;
    if (lista_.plano()) {
        const QRectF z = a_->zona(i_);
        if (z.isEmpty()) {
            return {};
        }
        // Top is the larger y of the extent: the scale's y grows upwards.
        p = QRectF(e.aPixeles(z.topLeft()),
                   e.aPixeles({z.left() + z.width(), z.top() - z.height()}))
                .normalized();
    } else {
        // Point k's row of the list, the full width of it: rows k + 2 to k + 3
        // from the first row shown.
        const Form1* f = lista_.ventana();
        const int primera = f ? f->g.oMostrar->primeraFila() : 1;
        const double fila = caja.ScaleTop() + i_ + 3 - (primera - 1);
        p = QRectF(0, e.aPixeles({0, fila}).y(), caja.width(), e.altoAPixeles(1));
    }
    return QRect(caja.mapToGlobal(p.topLeft().toPoint()), p.size().toSize());
}

QAccessible::State ItemAccesible::state() const {
    QAccessible::State s;
    s.selectable = true;
    s.focusable = true;
    const Form1* f = lista_.ventana();
    if (isValid() && f && f->conjuntoElegido() == a_ && f->elegido() == i_) {
        s.selected = true;
        s.focused = lista_.conFoco();
    }
    return s;
}

} // namespace

QAccessibleInterface* listaAccesible(PictureBox* p, bool plano) {
    return new ListaAccesible(p, plano);
}

int Form1::indiceAccesible(const Asideros* a, int i) const {
    int desde = 0;
    for (const Asideros* b : asideros_) {
        if (b == a) {
            return desde + i;
        }
        desde += b->cantidad();
    }
    return -1;
}

// A point chosen from the list is the list's child, anything else the plot's.
void Form1::avisarItem(const Asideros* a, int i, QAccessible::Event tipo) {
    if (!QAccessible::isActive()) {
        return;
    }
    const bool enLista = a == puntos_.get() && Picture2->hasFocus();
    QAccessibleEvent ev(enLista ? Picture2 : Picture1, tipo);
    ev.setChild(enLista ? i : indiceAccesible(a, i));
    QAccessible::updateAccessibility(&ev);
}

} // namespace rectaviva
