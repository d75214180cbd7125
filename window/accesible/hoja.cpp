// The explanation sheets and the text panels as a screen reader finds them:
// read-only texts, a sheet's words read from the file beside its picture.
#include "accesible.h"
#include "paneles_idioma.h"
#include "privado.h"

#include <QAccessibleWidget>
#include <QFile>
#include <QHash>

#include <algorithm>

namespace rectaviva {

namespace {

// An explanation sheet or a text panel ("Descripción", "Acerca de") as a
// read-only text: its words in its description, which a screen reader reads
// when the focus comes to it, and through the text interface, line by line.
// A sheet's text is lamina<k>.txt beside its picture, in the language in
// use where it has its own; a panel's, its rows that are not blank.
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

} // namespace

QAccessibleInterface* hojaAccesible(QWidget* w) {
    return new HojaAccesible(w);
}

QString textoDeLamina(int k) {
    // Kept by file: each language's words are read once.
    static QHash<QString, QString> textos;
    const QString ruta = rutaDeLamina(k, "txt");
    auto it = textos.find(ruta);
    if (it == textos.end()) {
        QFile f(ruta);
        QString t;
        if (f.open(QIODevice::ReadOnly)) {
            t = QString::fromUtf8(f.readAll()).trimmed();
        }
        it = textos.insert(ruta, t);
    }
    return *it;
}

} // namespace rectaviva
