// Which interface a screen reader gets for each control of the window: the
// kinds of window/accesible/, and Qt's own for the rest.
#include "privado.h"

#include <QAccessibleWidget>
#include <QMenu>

namespace rectaviva {

QAccessibleInterface* fabricaAccesible(const QString&, QObject* o) {
    if (auto* m = qobject_cast<QMenu*>(o)) {
        return menuAccesible(m);
    }
    // An action's entry in the first drop-down menu that shows it.
    if (auto* a = qobject_cast<QAction*>(o)) {
        for (QObject* w : a->associatedObjects()) {
            if (auto* m = qobject_cast<QMenu*>(w); m && m->menuAction() != a) {
                return entradaAccesible(a, m);
            }
        }
    }
    if (auto* t = qobject_cast<TextBox*>(o); t && t->isReadOnly()) {
        return cajaAccesible(t);
    }
    if (auto* p = qobject_cast<PictureBox*>(o)) {
        const QString n = p->objectName();
        if (n == QLatin1String("Picture1") || n == QLatin1String("Picture2")) {
            return listaAccesible(p, n == QLatin1String("Picture1"));
        }
        if (p->property("lamina").isValid()) {
            return hojaAccesible(p);
        }
    }
    if (auto* l = qobject_cast<ListBox*>(o); l && l->property("hoja").toBool()) {
        return hojaAccesible(l);
    }
    if (auto* i = qobject_cast<Image*>(o)) {
        return botonAccesible(i);
    }
    if (auto* w = qobject_cast<QWidget*>(o); w && w->objectName() == QLatin1String("Aviso")) {
        return new QAccessibleWidget(w, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace rectaviva
