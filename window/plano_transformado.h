// What "Transformar" draws itself: the data and the fitted curve in the
// data's own units over the plot (PlanoOriginal), and a small residual plot
// of one fit for the panel. Both paint from numbers handed in, in double.
#pragma once

#include "escala.h"
#include "transformaciones.h"

#include <QString>
#include <QWidget>

class QPainter;

#include <vector>

namespace rectaviva {

// The points of a data set in its own units, the points in use marked.
struct PuntosOriginales {
    std::vector<double> x, y;
    std::vector<bool> enUso;
};

// Over the whole plot: a grid in the data's units, the bands (when asked)
// and the fitted curve y = f⁻¹(a + b g(x)) taken back, and the points. The
// points cannot be dragged here: the plot under it is the one that moves.
class PlanoOriginal : public QWidget {
    Q_OBJECT
public:
    explicit PlanoOriginal(QWidget* padre);

    struct Contenido {
        PuntosOriginales puntos;
        AjusteTransformado ajuste;
        Transformacion tx = Transformacion::Ninguna, ty = Transformacion::Ninguna;
        bool bandas = false;
        double nivel = 95, cuantilT = 0; ///< the bands' level and t quantile
        QString tituloX, tituloY;
    };
    void setContenido(Contenido c);
    const Contenido& contenido() const { return c_; }
    // Where a point of the data's units is drawn, in the widget's pixels.
    QPointF aPixeles(double x, double y) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Contenido c_;
    EjeRedondo ex_, ey_;                       ///< the grid's axes
    double x0_ = 0, x1_ = 1, y0_ = 0, y1_ = 1; ///< their ranges
};

// A small residual plot in `r`: the residuals e of one fit against its
// abscissae u, on a symmetric range, with the zero line.
void pintarResiduosChicos(QPainter& p, const QRectF& r, const std::vector<double>& u,
                          const std::vector<double>& e);

} // namespace rectaviva
