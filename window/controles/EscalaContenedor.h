// Units of the control layer. Positions and sizes of controls are given in
// twips (1/1440 inch) or in a container's user scale; Escala maps either to
// the logical (device-independent) pixels that Qt lays widgets out in.
#pragma once

#include <QPointF>
#include <QSizeF>

namespace rectaviva {

// Twips per logical pixel of the primary screen: 1440 / logical DPI, so 15 at
// 96 DPI, divided by the zoom. Falls back to 15 when no screen is known yet.
double twipsPorPixel();

// The zoom of the whole window: every twip, point and pen is drawn this many
// times larger than at its design size (1 = as designed). `ampliar` sets it
// and redraws a window at it; fijarAmpliacion only sets it.
double ampliacion();
void fijarAmpliacion(double factor);

// Twips <-> logical pixels with twipsPorPixel().
double twipsAPixeles(double twips);
double pixelesATwips(double pixeles);

// The coordinate system of a drawing surface: the user coordinate of the
// surface's top-left pixel and the size of one unit in logical pixels along
// each axis. A negative vertical factor means y grows upwards.
class Escala {
public:
    // Twips with the origin at the top-left corner.
    Escala();

    // A user scale whose top-left corner is (izquierda, arriba) and which is
    // `ancho` units wide and `alto` units high over a surface of `pixeles`
    // logical pixels. A negative `alto` makes y grow upwards. A zero extent
    // or an empty surface is replaced by one unit per pixel on that axis,
    // because such a scale could map nothing back.
    static Escala usuario(double izquierda, double arriba, double ancho, double alto,
                          QSizeF pixeles);

    QPointF aPixeles(QPointF usuario) const;
    QPointF desdePixeles(QPointF pixeles) const;

    // Lengths, always positive: a width or height in units <-> pixels.
    double anchoAPixeles(double unidades) const;
    double altoAPixeles(double unidades) const;
    double anchoDesdePixeles(double pixeles) const;
    double altoDesdePixeles(double pixeles) const;

    double izquierda() const { return x0_; }
    double arriba() const { return y0_; }
    double pixelesPorUnidadX() const { return sx_; } ///< sign gives the axis direction
    double pixelesPorUnidadY() const { return sy_; } ///< negative when y grows upwards

    bool operator==(const Escala&) const = default;

private:
    double x0_ = 0; ///< user x at pixel column 0
    double y0_ = 0; ///< user y at pixel row 0
    double sx_ = 1; ///< logical pixels per user unit across
    double sy_ = 1; ///< logical pixels per user unit down
};

} // namespace rectaviva
