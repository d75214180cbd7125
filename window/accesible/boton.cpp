// The tool and help icons as a screen reader finds them: buttons that can be
// pressed.
#include "privado.h"

#include <QAccessibleWidget>

namespace rectaviva {

namespace {

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

} // namespace

QAccessibleInterface* botonAccesible(Image* i) {
    return new BotonAccesible(i);
}

} // namespace rectaviva
