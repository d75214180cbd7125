// The read-only result boxes as a screen reader finds them: each read as its
// name and the value it shows.
#include "privado.h"

#include <QAccessibleWidget>

namespace rectaviva {

namespace {

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

} // namespace

QAccessibleInterface* cajaAccesible(TextBox* t) {
    return new CajaAccesible(t);
}

} // namespace rectaviva
