// What a screen reader finds in the window: a Spanish name for every control
// of the design (each view names its own), the tool and help icons as
// buttons, and the plot and the point list as lists of the points (the plot
// also of any view's handles), kept up to date from the shared state each
// time they are asked.
#include "Form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWindow>

#include <array>
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
    bool conFoco() const { return widget()->hasFocus(); }

    std::vector<std::pair<Asideros*, int>> items() const {
        std::vector<std::pair<Asideros*, int>> r;
        const Form1* f = ventana();
        if (!f || f->asideros().empty()) {
            return r;
        }
        for (Asideros* a : f->asideros()) {
            for (int i = 0; i < a->cantidad(); ++i) {
                r.emplace_back(a, i);
            }
            if (!plano_) {
                break;
            }
        }
        return r;
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
    return lista_.isValid() && lista_.contiene(a_) && i_ < a_->cantidad();
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
    const QRectF z = a_->zona(i_);
    if (z.isEmpty()) {
        return {};
    }
    // Top is the larger y of the extent: the scale's y grows upwards.
    const Escala e = lista_.caja()->escala();
    const QRectF p =
        QRectF(e.aPixeles(z.topLeft()), e.aPixeles({z.left() + z.width(), z.top() - z.height()}))
            .normalized();
    return QRect(lista_.caja()->mapToGlobal(p.topLeft().toPoint()), p.size().toSize());
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

QAccessibleInterface* fabricaAccesible(const QString&, QObject* o) {
    if (auto* p = qobject_cast<PictureBox*>(o)) {
        const QString n = p->objectName();
        if (n == QLatin1String("Picture1") || n == QLatin1String("Picture2")) {
            return new ListaAccesible(p, n == QLatin1String("Picture1"));
        }
    }
    if (auto* i = qobject_cast<Image*>(o)) {
        return new QAccessibleWidget(i, QAccessible::Button);
    }
    return nullptr;
}

// What each help icon of the design explains, and so what its sheet shows;
// the views name their own.
constexpr std::array<const char*, 8> temas{
    "del gráfico",
    "de los estadísticos de las variables",
    "de los cálculos auxiliares",
    "de la estimación de los parámetros",
    "de la prueba de hipótesis",
    "de la varianza del error y del coeficiente de determinación",
    "del análisis de varianza",
    "de la predicción"};

} // namespace

void instalarAccesibilidad() {
    static const bool instalada = [] {
        QAccessible::installFactory(fabricaAccesible);
        return true;
    }();
    (void)instalada;
}

void Form1::nombrarControles() {
    for (const FilaCaja& f : filasCajas()) {
        cajaDeFila(*this, f).setAccessibleName(QString::fromUtf8(f.nombre));
    }
    for (TextBox* t : {&Text1(9), &Text2(10)}) {
        t->setAccessibleDescription(t->toolTip());
    }
    for (Image* i : Image1) {
        i->setAccessibleName(i->toolTip());
        i->setAccessibleDescription(QStringLiteral("Mantenga pulsada la barra espaciadora"));
    }
    const auto nombrarLamina = [this](int k, const char* tema) {
        const QString t = QString::fromUtf8(tema);
        Image2(k).setAccessibleName(QStringLiteral("Explicación ") + t);
        Picture3(k).setAccessibleName(QStringLiteral("Fórmulas ") + t);
    };
    for (int k = 0; k < static_cast<int>(temas.size()); ++k) {
        nombrarLamina(k, temas[static_cast<std::size_t>(k)]);
    }
    for (const auto& v : vistas_) {
        for (const Lamina& l : v->laminas()) {
            nombrarLamina(l.indice, l.tema);
        }
        v->nombrarControles();
    }
    Picture1->setAccessibleName(QStringLiteral("Gráfico de dispersión"));
    Picture2->setAccessibleName(QStringLiteral("Lista de puntos"));
    const std::array<std::pair<QWidget*, const char*>, 8> paneles{{
        {Frame1, "Estimación de parámetros"},
        {Frame2, "Estadísticos de las variables"},
        {Frame3, "Análisis de varianza"},
        {Frame4, "Herramientas"},
        {Frame5, "Predicción"},
        {Frame6, "Eliminar o recuperar"},
        {List6, "Descripción"},
        {List3, "Acerca de"},
    }};
    for (const auto& [w, n] : paneles) {
        w->setAccessibleName(QString::fromUtf8(n));
    }
}

} // namespace rectaviva
