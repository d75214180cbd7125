// The drop-down menus as a screen reader finds them: each entry a menu item,
// or a check box where it is checkable, that its press action chooses.
#include "privado.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace rectaviva {

namespace {

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

} // namespace

QAccessibleInterface* menuAccesible(QMenu* m) {
    return new MenuAccesible(m);
}

QAccessibleInterface* entradaAccesible(QAction* a, QMenu* m) {
    return new EntradaAccesible(a, m);
}

} // namespace rectaviva
