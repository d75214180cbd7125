// Light items: shapes and lines that belong to a container and are painted by
// it, not native widgets. Their geometry is kept in the container's units;
// a setter that changes the item marks the item's old and new places in the
// container, so moving dozens of them at each drag step costs one paint of
// the part that changed.
#pragma once

#include "Lugar.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <Qt>

#include <tuple>
#include <utility>

class QPainter;

namespace rectaviva {

class Contenedor;
class Escala;

// A colour written as the window description writes it.
inline QColor RGB(int r, int g, int b) {
    return QColor(r, g, b);
}

class ElementoLigero {
public:
    virtual ~ElementoLigero() = default;
    ElementoLigero(const ElementoLigero&) = delete;
    ElementoLigero& operator=(const ElementoLigero&) = delete;

    const QString& objectName() const { return nombre_; }
    bool Visible() const { return visible_; }
    void setVisible(bool v);

    // Paints the item in logical pixels of its container, with the pen and
    // brush it sets itself.
    virtual void pintar(QPainter& p, const Escala& e) const = 0;
    // Re-expresses the geometry after the container's scale changed, so the
    // item stays where it was on the screen.
    virtual void remapear(const Escala& vieja, const Escala& nueva) = 0;

    // The logical pixels of the container that painting the item may touch,
    // pen and antialiasing included, cut to the container; empty when the
    // item is hidden or paints nothing. Kept from the last change.
    const QRect& zona() const { return zona_; }
    // Works the zone out again; the container calls it when its size or
    // scale changed, which moves the item's pixels without a setter.
    void recalcularZona();

protected:
    ElementoLigero(Contenedor& c, QString nombre) : contenedor_(c), nombre_(std::move(nombre)) {}

    // Logical pixels added around an item's geometry. Antialiasing touches
    // only pixels that the geometry crosses, which the outward rounding to
    // whole pixels keeps; the margin covers Qt's rounding of a logical
    // rectangle to device pixels at a fractional ratio (1.25, 1.5), up to
    // half a device pixel.
    static constexpr double margenSuavizado = 1.0;

    // Where the item paints, before the visibility and the container's edges.
    virtual QRectF zonaDibujo(const Escala& e) const = 0;
    const Contenedor& contenedor() const { return contenedor_; }

    // Gives the fields (a std::tie) their new values and repaints the item's
    // old and new zones; values equal to the current ones repaint nothing.
    template <typename Campos, typename Valores> void fijar(Campos campos, const Valores& valores) {
        if (campos == valores) {
            return;
        }
        campos = valores;
        repintar();
    }
    template <typename T> void fijar(T& campo, const T& valor) {
        fijar(std::tie(campo), std::tuple<T>(valor));
    }

    // Works the zone out again and marks the old and new zones for repainting.
    void repintar();

private:
    Contenedor& contenedor_;
    QString nombre_;
    bool visible_ = true;
    QRect zona_; ///< logical pixels of the container
};

// A filled rectangle, circle or triangle (pointing up or down, its base on
// the extent's bottom or top edge). Left/Top are its top-left corner and
// Width/Height its extent, in the container's units; with a scale whose y
// grows upwards, Top is the larger y of the item.
class Shape : public ElementoLigero, public Lugar {
public:
    enum class Forma { Rectangulo, Circulo, TrianguloArriba, TrianguloAbajo };

    Shape(Contenedor& c, QString nombre) : ElementoLigero(c, std::move(nombre)) {}

    Forma forma() const { return forma_; }
    void setForma(Forma f);
    QColor FillColor() const { return fill_; }
    QColor BorderColor() const { return borde_; }
    void setFillColor(const QColor& c);
    void setBorderColor(const QColor& c);
    int BorderWidth() const { return ancho_; }
    void setBorderWidth(int pixeles); ///< logical pixels, at least 1

    void pintar(QPainter& p, const Escala& e) const override;
    void remapear(const Escala& vieja, const Escala& nueva) override;

protected:
    QRectF zonaDibujo(const Escala& e) const override;
    void lugarCambiado(bool distinto) override;

private:
    // The item's extent in logical pixels; false when it cannot be placed.
    bool rectangulo(const Escala& e, QRectF& r) const;
    // Where the border is stroked: the extent shrunk by half the border.
    QRectF interior(const QRectF& r) const;
    // The border's outer edge: the extent itself, or more when the extent is
    // narrower or lower than the border, which is then drawn past its edges.
    QRectF exterior(const QRectF& r) const;
    void dibujar(QPainter& p, const QRectF& r) const;
    // Draws a circle or triangle from a copy painted at the same place
    // within a device pixel; false where the painter's transform is not a
    // whole-pixel one or the item is too large for a copy to pay.
    bool pintarCopia(QPainter& p, const QRectF& r) const;

    int ancho_ = 1; ///< border, logical pixels
    Forma forma_ = Forma::Rectangulo;
    QColor fill_{0, 0, 0};
    QColor borde_{0, 0, 0};
};

// A straight segment from (X1, Y1) to (X2, Y2) in the container's units.
// BorderWidth is in logical pixels times the window's zoom and does not
// follow the container's scale. Parts outside the container are cut off; a
// segment with an end that is not a finite number is not drawn at all.
// BorderStyle draws it solid or dashed.
class Line : public ElementoLigero {
public:
    enum class Trazo { Continuo, Guiones };
    // The ends of a solid line: round, or square for the segments of a
    // curve drawn end to end, whose joints then cost a quarter as much.
    enum class Extremo { Redondo, Cuadrado };

    Line(Contenedor& c, QString nombre) : ElementoLigero(c, std::move(nombre)) {}

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setX1(double v);
    void setY1(double v);
    void setX2(double v);
    void setY2(double v);
    void setExtremos(double x1, double y1, double x2, double y2);

    QColor BorderColor() const { return color_; }
    void setBorderColor(const QColor& c);
    int BorderWidth() const { return ancho_; }
    void setBorderWidth(int pixeles);
    Trazo BorderStyle() const { return trazo_; }
    void setBorderStyle(Trazo t);
    Extremo extremo() const { return extremo_; }
    void setExtremo(Extremo x);

    void pintar(QPainter& p, const Escala& e) const override;
    void remapear(const Escala& vieja, const Escala& nueva) override;

protected:
    QRectF zonaDibujo(const Escala& e) const override;

private:
    // The drawn part of the segment in logical pixels, cut to the container;
    // false when nothing of it is drawn.
    bool tramo(const Escala& e, QPointF& a, QPointF& b) const;

    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0; ///< container units
    QColor color_{0, 0, 0};
    int ancho_ = 1; ///< logical pixels
    Trazo trazo_ = Trazo::Continuo;
    Extremo extremo_ = Extremo::Redondo;
};

} // namespace rectaviva
