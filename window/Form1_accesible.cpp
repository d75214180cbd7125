// What a screen reader finds in the window: a Spanish name for every control
// of the design (each view names its own), the tool and help icons as
// buttons that can be pressed, the plot and the point list as lists of the
// points (the plot also of any view's handles), kept up to date from the
// shared state each time they are asked, and the sheets and text panels as
// read-only texts. What the program says after a change goes through the
// object the screen reader is on.
#include "Form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
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
    bool plano() const { return plano_; }
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
        // Point k's row of the list, the full width of it: rows k + 2 to k + 3.
        const double fila = caja.ScaleTop() + i_ + 3;
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

// A tool or help icon: a button whose press action clicks it (a tool makes
// one step, a help icon opens or closes its sheet).
class BotonAccesible : public QAccessibleWidget {
public:
    explicit BotonAccesible(Image* i) : QAccessibleWidget(i, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& accion) override {
        if (accion == pressAction()) {
            static_cast<Image*>(widget())->pulsar();
        } else {
            QAccessibleWidget::doAction(accion);
        }
    }
};

// An explanation sheet or a text panel ("Descripción", "Acerca de") as a
// read-only text: its words in its description, which a screen reader reads
// when the focus comes to it, and through the text interface, line by line.
// A sheet's text is laminas/lamina<k>.txt beside its picture; a panel's, its
// rows that are not blank.
class HojaAccesible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HojaAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::Document) {}

    QString contenido() const {
        if (const auto* l = qobject_cast<const ListBox*>(widget())) {
            QStringList filas;
            for (int i = 0; i < l->ListCount(); ++i) {
                const QString f = l->List(i).simplified();
                if (!f.isEmpty()) {
                    filas << f;
                }
            }
            return filas.join(QLatin1Char('\n'));
        }
        return textoDeLamina(widget()->property("lamina").toInt());
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            return contenido();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    // Read-only: no selection, the caret only where the reader puts it.
    void selection(int, int* inicio, int* fin) const override { *inicio = *fin = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return cursor_; }
    void setCursorPosition(int p) override { cursor_ = std::clamp(p, 0, characterCount()); }
    QString text(int inicio, int fin) const override {
        return contenido().mid(inicio, fin - inicio);
    }
    int characterCount() const override { return static_cast<int>(contenido().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* inicio, int* fin) const override {
        *inicio = 0;
        *fin = characterCount();
        return {};
    }

private:
    int cursor_ = 0;
};

// A read-only result box: a label that takes the focus, read as its name and
// what it shows ("Pendiente b, estimador puntual: 0.42"), the same text.
class CajaAccesible : public QAccessibleWidget {
public:
    explicit CajaAccesible(TextBox* t) : QAccessibleWidget(t, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const QString valor = static_cast<const TextBox*>(widget())->Text().trimmed();
        if (t == QAccessible::Name) {
            const QString nombre = widget()->accessibleName();
            return valor.isEmpty() ? nombre : nombre + QStringLiteral(": ") + valor;
        }
        return t == QAccessible::Value ? valor : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

// An entry of a drop-down menu. Qt 6.4 tells a screen reader only the
// ticked mark of a checkable entry ("Influencia", "Ampliar a la pantalla"),
// so such an entry is given as a check box, ticked or not, and the others
// as menu items (a submenu's with it as child); the press action chooses it.
class EntradaAccesible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    EntradaAccesible(QAction* a, QMenu* m) : accion_(a), menu_(m) {}

    bool isValid() const override { return accion_ && menu_; }
    QObject* object() const override { return accion_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface* child(int i) const override {
        return i == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(accion_->menu())
                                           : nullptr;
    }
    int childCount() const override { return isValid() && accion_->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return childCount() == 1 && c->object() == accion_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return {};
        }
        const QString nombre = accion_->text().remove(QLatin1Char('&'));
        switch (t) {
        case QAccessible::Name:
            return nombre;
        case QAccessible::Description:
            return accion_->toolTip() == nombre ? QString() : accion_->toolTip();
        case QAccessible::Accelerator:
            return accion_->shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || !menu_->isVisible()) {
            return {};
        }
        const QRect r = menu_->actionGeometry(accion_);
        return QRect(menu_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        if (!isValid()) {
            return QAccessible::NoRole;
        }
        return accion_->isSeparator()   ? QAccessible::Separator
               : accion_->isCheckable() ? QAccessible::CheckBox
                                        : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.checkable = accion_->isCheckable();
        s.checked = accion_->isChecked();
        s.disabled = !accion_->isEnabled();
        s.focusable = !accion_->isSeparator();
        s.focused = menu_->isVisible() && menu_->activeAction() == accion_;
        s.invisible = !accion_->isVisible() || !menu_->isVisible();
        s.hasPopup = accion_->menu() != nullptr;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid() || accion_->isSeparator()) {
            return {};
        }
        return {accion_->menu()          ? showMenuAction()
                : accion_->isCheckable() ? toggleAction()
                                         : pressAction()};
    }
    void doAction(const QString& a) override {
        if (!actionNames().contains(a) || !accion_->isEnabled()) {
            return;
        }
        if (accion_->menu()) {
            menu_->setActiveAction(accion_);
            return;
        }
        // As a click on it: the open menus close, then it runs.
        while (QWidget* abierto = QApplication::activePopupWidget()) {
            abierto->close();
        }
        accion_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> accion_;
    QPointer<QMenu> menu_;
};

// A drop-down menu whose entries are its actions, each an EntradaAccesible;
// its parent is the entry that opens it.
class MenuAccesible : public QAccessibleWidget {
public:
    explicit MenuAccesible(QMenu* m) : QAccessibleWidget(m, QAccessible::PopupMenu) {}

    QMenu* menu() const { return static_cast<QMenu*>(widget()); }
    QAccessibleInterface* parent() const override {
        QAction* a = menu()->menuAction();
        for (QObject* o : a->associatedObjects()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w != menu() && (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w))) {
                QAccessibleInterface* dueno = QAccessible::queryAccessibleInterface(w);
                const int i = static_cast<int>(w->actions().indexOf(a));
                if (dueno && i >= 0) {
                    return dueno->child(i);
                }
            }
        }
        return QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? menu()->title().remove(QLatin1Char('&'))
                                      : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(menu()->actions().size()); }
    QAccessibleInterface* child(int i) const override {
        const auto acciones = menu()->actions();
        return i >= 0 && i < acciones.size() ? QAccessible::queryAccessibleInterface(acciones[i])
                                             : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return static_cast<int>(menu()->actions().indexOf(qobject_cast<QAction*>(c->object())));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAction* a = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
        return a ? QAccessible::queryAccessibleInterface(a) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        QAction* a = menu()->activeAction();
        return a ? QAccessible::queryAccessibleInterface(a) : nullptr;
    }
};

QAccessibleInterface* fabricaAccesible(const QString&, QObject* o) {
    if (auto* m = qobject_cast<QMenu*>(o)) {
        return new MenuAccesible(m);
    }
    // An action's entry in the first drop-down menu that shows it.
    if (auto* a = qobject_cast<QAction*>(o)) {
        for (QObject* w : a->associatedObjects()) {
            if (auto* m = qobject_cast<QMenu*>(w); m && m->menuAction() != a) {
                return new EntradaAccesible(a, m);
            }
        }
    }
    if (auto* t = qobject_cast<TextBox*>(o); t && t->isReadOnly()) {
        return new CajaAccesible(t);
    }
    if (auto* p = qobject_cast<PictureBox*>(o)) {
        const QString n = p->objectName();
        if (n == QLatin1String("Picture1") || n == QLatin1String("Picture2")) {
            return new ListaAccesible(p, n == QLatin1String("Picture1"));
        }
        if (p->property("lamina").isValid()) {
            return new HojaAccesible(p);
        }
    }
    if (auto* l = qobject_cast<ListBox*>(o); l && l->property("hoja").toBool()) {
        return new HojaAccesible(l);
    }
    if (auto* i = qobject_cast<Image*>(o)) {
        return new BotonAccesible(i);
    }
    if (auto* w = qobject_cast<QWidget*>(o); w && w->objectName() == QLatin1String("Aviso")) {
        return new QAccessibleWidget(w, QAccessible::Notification);
    }
    return nullptr;
}

// While silenced, nothing reaches the screen reader: a description put in
// and taken back around what is said.
int silencio = 0;
class Silencio {
public:
    Silencio() { ++silencio; }
    ~Silencio() { --silencio; }
    Silencio(const Silencio&) = delete;
    Silencio& operator=(const Silencio&) = delete;
};

bool esDeTexto(QAccessible::Event t) {
    switch (t) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
    case QAccessible::ValueChanged:
        return true;
    default:
        return false;
    }
}

// Passes on what a screen reader needs. A read-only result box is read by
// its name, which holds its text, so the text events of fifty boxes in a
// refresh stay off the bus.
void filtrarAccesibilidad(QAccessibleEvent* e) {
    if (silencio > 0) {
        return;
    }
    if (const auto* t = qobject_cast<const TextBox*>(e->object());
        t && t->isReadOnly() && esDeTexto(e->type())) {
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(filtrarAccesibilidad);
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

QString textoDeLamina(int k) {
    static QHash<int, QString> textos;
    auto it = textos.find(k);
    if (it == textos.end()) {
        QFile f(QStringLiteral(":/laminas/lamina%1.txt").arg(k));
        QString t;
        if (f.open(QIODevice::ReadOnly)) {
            t = QString::fromUtf8(f.readAll()).trimmed();
        }
        it = textos.insert(k, t);
    }
    return *it;
}

// The filter stands between Qt and the screen reader only while one is
// listening; without one, Qt's events cost what they did before.
class ActivacionDelFiltro : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool activa) override {
        QAccessible::installUpdateHandler(activa ? filtrarAccesibilidad : nullptr);
    }
};

void instalarAccesibilidad() {
    static const bool instalada = [] {
        QAccessible::installFactory(fabricaAccesible);
        static ActivacionDelFiltro activacion;
        QAccessible::installActivationObserver(&activacion);
        if (QAccessible::isActive()) {
            activacion.accessibilityActiveChanged(true);
        }
        return true;
    }();
    (void)instalada;
}

void ponerDescripcionCallada(QWidget& w, const QString& d) {
    const Silencio s;
    w.setAccessibleDescription(d);
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

// Said once when the events of this turn are done, so that what a refresh,
// a closing menu or a moving focus tell the screen reader comes first; what
// several steps of one turn say is said in one message.
void Form1::hablar(const QString& texto) {
    if (porDecir_.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            const QString t = porDecir_.join(QStringLiteral(". "));
            porDecir_.clear();
            decir(t);
        });
    }
    porDecir_ << texto;
}

// Says `texto` as a notification: the hidden, empty widget `aviso_` is named
// with it and shown, and Orca speaks a notification that appears wherever
// the focus is. (Qt 6.4 sends a changed name or description with the object
// in place of the text, so Orca cannot speak those.)
void Form1::decir(const QString& texto) {
    dicho_ = texto;
    if (!QAccessible::isActive()) {
        return;
    }
    {
        const Silencio s;
        aviso_->hide();
        aviso_->setAccessibleName(texto);
    }
    aviso_->show();
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
