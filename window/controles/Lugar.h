// Where a control or a light item lies in its container: the one geometry
// that widgets and light items share, in the container's units (twips, or
// the user scale of a PictureBox).
#pragma once

#include "EscalaContenedor.h"

class QWidget;

namespace rectaviva {

// A left and top edge and an extent in the container's units. The values set
// are kept exactly and read back unchanged; a negative width or height is
// kept as 0. The owner is told of every setter (and of a new scale), so that
// it places or repaints itself.
class Lugar {
public:
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v) { fijarLugar(v, top_, width_, height_); }
    void setTop(double v) { fijarLugar(left_, v, width_, height_); }
    void setWidth(double v) { fijarLugar(left_, top_, v, height_); }
    void setHeight(double v) { fijarLugar(left_, top_, width_, v); }
    void Move(double left, double top, double width, double height) {
        fijarLugar(left, top, width, height);
    }

    // Re-expresses the place after the container's scale changed, so that it
    // stays where it was on the screen.
    void remapear(const Escala& vieja, const Escala& nueva);

protected:
    Lugar() = default;
    ~Lugar() = default;
    Lugar(const Lugar&) = delete;
    Lugar& operator=(const Lugar&) = delete;

    // After a setter or a new scale; `distinto` is false when a setter gave
    // the values the place already had.
    virtual void lugarCambiado(bool distinto) = 0;

private:
    void fijarLugar(double left, double top, double width, double height);

    double left_ = 0, top_ = 0, width_ = 0, height_ = 0; ///< container units
};

// The placement of a widget in its container: the widget's pixel geometry is
// derived from its place at every setter.
class Ubicacion : public Lugar {
public:
    virtual ~Ubicacion() = default;

    // The control's own visibility flag (a shown control inside a hidden
    // panel is Visible); shown and hidden with QWidget::setVisible.
    bool Visible() const;
    bool Enabled() const;

    // Recomputes the pixel geometry (after the container resized or rescaled).
    void reubicar();

protected:
    explicit Ubicacion(QWidget* w) : widget_(*w) {}
    void lugarCambiado(bool) override { reubicar(); }

private:
    QWidget& widget_;
};

// The scale that a widget's parent gives its children: the parent's own
// scale when it is a container, twips otherwise.
Escala escalaDelPadre(const QWidget& w);

} // namespace rectaviva
