// Paints the plot grid. Lines are filled rectangles snapped to whole device
// pixels, so they stay one colour and sharp at any device pixel ratio.
#include "cuadricula.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double minimo = -40.0; // plot units at the left and bottom edges
constexpr double maximo = 100.0; // plot units at the right and top edges
constexpr double paso = 5.0;     // plot units between grid lines
constexpr double rotulos = 20.0; // plot units between labels

// Left (or top) edge, in logical pixels, of a line `anchoDisp` device pixels
// wide centred as near as possible on `centro`.
double alinear(double centro, double dpr, int anchoDisp) {
    return std::round(centro * dpr - anchoDisp / 2.0) / dpr;
}

// Draws `texto` centred in `caja`, over a patch of field colour just around
// its ink so that the grid lines do not run through the digits.
void rotular(QPainter& p, const QRectF& caja, const QString& texto) {
    const QFontMetricsF medidas(p.font());
    QRectF tinta = medidas.tightBoundingRect(texto);
    const QPointF base(caja.center().x() - medidas.horizontalAdvance(texto) / 2,
                       caja.center().y() + (medidas.ascent() - medidas.descent()) / 2);
    tinta.translate(base);
    p.fillRect(tinta.adjusted(-1, -1, 1, 1), colorCampoCuadricula);
    p.drawText(base, texto);
}

// A grid's field: x from minimo to maximo across `destino`, y from `arriba`
// at the top edge to `abajo` at the bottom. It fills the field, clipped to
// it, and draws lines one or more device pixels wide and labels over it;
// the painter is given back as it came.
class Campo {
public:
    Campo(QPainter& p, const QRectF& destino, double arriba, double abajo)
        : p_(p), d_(destino), arriba_(arriba), escalaX_(destino.width() / (maximo - minimo)),
          escalaY_(destino.height() / (arriba - abajo)),
          dpr_(p.device() != nullptr ? p.device()->devicePixelRatioF() : 1.0),
          fino_(std::max(1, static_cast<int>(std::lround(dpr_)))) {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setClipRect(d_);
        p_.fillRect(d_, colorCampoCuadricula);
    }
    ~Campo() { p_.restore(); }
    Campo(const Campo&) = delete;
    Campo& operator=(const Campo&) = delete;

    double aX(double x) const { return d_.left() + (x - minimo) * escalaX_; }
    double aY(double y) const { return d_.top() + (arriba_ - y) * escalaY_; }
    // One logical pixel, whatever the ratio: the width of the grid lines.
    int fino() const { return fino_; }

    void vertical(double x, int ancho, const QColor& color) {
        p_.fillRect(QRectF(alinear(aX(x), dpr_, ancho), d_.top(), ancho / dpr_, d_.height()),
                    color);
    }
    void horizontal(double y, int ancho, const QColor& color) {
        p_.fillRect(QRectF(d_.left(), alinear(aY(y), dpr_, ancho), d_.width(), ancho / dpr_),
                    color);
    }

    // The labels' font, `pixeles` high, and their colour.
    QFontMetricsF letra(int pixeles) {
        QFont fuente;
        fuente.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
        fuente.setPixelSize(pixeles);
        p_.setFont(fuente);
        p_.setPen(colorTextoCuadricula);
        p_.setRenderHint(QPainter::TextAntialiasing, true);
        return QFontMetricsF(fuente);
    }

private:
    QPainter& p_;
    const QRectF d_;
    const double arriba_;
    const double escalaX_, escalaY_; ///< logical pixels per plot unit
    const double dpr_;
    const int fino_;
};

// A label's text: negative values carry a true minus sign, as in the
// explanation sheets.
QString rotulo(double v) {
    return QString::number(static_cast<int>(v)).replace(u'-', QChar(0x2212));
}

} // namespace

void pintarCuadricula(QPainter& p, const QRectF& destino) {
    if (destino.width() <= 0 || destino.height() <= 0)
        return;
    // -40 is at the bottom, 100 at the top.
    Campo c(p, destino, maximo, minimo);
    // One logical pixel for the grid, two for the axes, whatever the ratio.
    const int fino = c.fino();
    const int grueso = 2 * fino;
    for (double v = minimo; v <= maximo; v += paso) {
        if (v == 0.0)
            continue;
        c.vertical(v, fino, colorLineaCuadricula);
        c.horizontal(v, fino, colorLineaCuadricula);
    }
    c.vertical(0.0, grueso, colorEjeCuadricula);
    c.horizontal(0.0, grueso, colorEjeCuadricula);

    // Labels: about 11 px high on a 450 px plot, never unreadably small.
    const QFontMetricsF medidas =
        c.letra(std::max(9, static_cast<int>(std::lround(destino.height() / 40.0))));
    const double alto = medidas.height();
    const double margen = 3.0; // logical pixels between an axis and its labels
    const double ejeX = c.aX(0.0);
    const double ejeY = c.aY(0.0);

    for (double v = minimo; v <= maximo; v += rotulos) {
        if (v == 0.0)
            continue;
        const QString texto = rotulo(v);
        const double ancho = medidas.horizontalAdvance(texto);
        // Under the x axis, centred on its line but kept inside the plot.
        double izquierda =
            std::clamp(c.aX(v) - ancho / 2, destino.left() + 1, destino.right() - ancho - 1);
        rotular(p, QRectF(izquierda, ejeY + margen, ancho, alto), texto);
        // Left of the y axis, centred on its line but kept inside the plot.
        double arriba =
            std::clamp(c.aY(v) - alto / 2, destino.top() + 1, destino.bottom() - alto - 1);
        rotular(p, QRectF(ejeX - margen - ancho, arriba, ancho, alto), texto);
    }
    // The origin is labelled once, in the corner below and left of it.
    const double anchoCero = medidas.horizontalAdvance(QStringLiteral("0"));
    rotular(p, QRectF(ejeX - margen - anchoCero, ejeY + margen, anchoCero, alto),
            QStringLiteral("0"));
}

void pintarCuadriculaResiduos(QPainter& p, const QRectF& destino) {
    if (destino.width() <= 0 || destino.height() <= 0)
        return;
    // -70 is at the bottom, 70 at the top.
    Campo c(p, destino, residuoMaximo, -residuoMaximo);
    const int fino = c.fino();
    // The same verticals as the plot above, so each residual sits under its point.
    for (double v = minimo; v <= maximo; v += paso) {
        c.vertical(v, fino, v == 0.0 ? colorEjeCuadricula : colorLineaCuadricula);
    }
    for (double v = -residuoMaximo / 2; v <= residuoMaximo / 2; v += residuoMaximo / 2) {
        c.horizontal(v, v == 0.0 ? 2 * fino : fino,
                     v == 0.0 ? colorEjeCuadricula : colorLineaCuadricula);
    }

    // 9 px on the plot's 479 px width, growing with it (the zoomed window).
    const QFontMetricsF medidas =
        c.letra(std::max(9, static_cast<int>(std::lround(destino.width() / 53.0))));
    for (double v = -residuoMaximo / 2; v <= residuoMaximo / 2; v += residuoMaximo / 2) {
        const QString texto = rotulo(v);
        const double ancho = medidas.horizontalAdvance(texto);
        const double arriba = std::clamp(c.aY(v) - medidas.height() / 2, destino.top() + 1,
                                         destino.bottom() - medidas.height() - 1);
        rotular(p, QRectF(c.aX(0.0) - 3.0 - ancho, arriba, ancho, medidas.height()), texto);
    }
}
