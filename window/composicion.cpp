// The builders of Form1's composition.
#include "composicion.h"

#include "colores.h"

#include <QFontDatabase>

namespace rectaviva {

QFont fuente(double puntos, bool negrita) {
    static const QString familia = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                       ? QStringLiteral("Verdana")
                                       : QStringLiteral("DejaVu Sans");
    QFont f(familia);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

QString nombre(const char* base, int k) {
    return QLatin1StringView(base) + u'_' + QString::number(k);
}

void crearLabels(QWidget* padre, Matriz<Label>& m, const char* base,
                 std::initializer_list<DisenoLabel> disenos) {
    int k = 0;
    for (const DisenoLabel& d : disenos) {
        auto* l = new Label(padre, nombre(base, k));
        if (d.texto.contexto) {
            traducirTitulo(*l, d.texto);
        } else {
            l->setCaption(QString::fromUtf8(d.texto.texto));
        }
        l->setAlignment(d.alineacion);
        l->setFont(fuente(d.puntos, d.negrita));
        l->Move(d.left, d.top, d.width, d.height);
        m.agregar(k++, l);
    }
}

void crearCajas(QWidget* padre, Matriz<TextBox>& m, const char* base, double puntos,
                std::initializer_list<DisenoCaja> disenos) {
    int k = 0;
    for (const DisenoCaja& d : disenos) {
        auto* t = new TextBox(padre, nombre(base, k), true);
        t->setFont(sinFormas(fuente(puntos)));
        t->Move(d.left, d.top, d.width, d.height);
        m.agregar(k++, t);
    }
}

Line* linea(Contenedor& c, const QString& n, double x1, double y1, double x2, double y2,
            const QColor& color, int ancho) {
    Line* l = c.agregarLine(n);
    l->setExtremos(x1, y1, x2, y2);
    l->setBorderColor(color);
    l->setBorderWidth(ancho);
    return l;
}

void barra(Contenedor& c, Matriz<Shape>& m, int k) {
    Shape* s = c.agregarShape(nombre("Shape2", k));
    s->Move(0, 0, 855, 135);
    s->setFillColor(colorBarra);
    s->setBorderColor(colorBarra);
    m.agregar(k, s);
}

Image* ayuda(QWidget* padre, Matriz<Image>& m, int k, double left, double top) {
    auto* i = new Image(padre, nombre("Image2", k));
    i->setPicture(QStringLiteral(":/iconos/ayuda.svg"));
    i->Move(left, top, 270, 405);
    m.agregar(k, i);
    return i;
}

void colorearPanel(Frame& panel, const QColor& fondo) {
    panel.setBackColor(fondo);
    for (Label* l : panel.findChildren<Label*>(Qt::FindDirectChildrenOnly)) {
        l->setBackColor(fondo);
    }
    for (CheckBox* c : panel.findChildren<CheckBox*>(Qt::FindDirectChildrenOnly)) {
        c->setBackColor(fondo);
    }
    for (TextBox* t : panel.findChildren<TextBox*>(Qt::FindDirectChildrenOnly)) {
        t->setBackColor(colorSalida);
    }
}

} // namespace rectaviva
