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

} // namespace

void pintarCuadricula(QPainter& p, const QRectF& destino) {
    if (destino.width() <= 0 || destino.height() <= 0)
        return;
    p.save();
    const double dpr = p.device() != nullptr ? p.device()->devicePixelRatioF() : 1.0;
    const double escalaX = destino.width() / (maximo - minimo);
    const double escalaY = destino.height() / (maximo - minimo);
    auto aX = [&](double x) { return destino.left() + (x - minimo) * escalaX; };
    // invert the y-axis: -40 is at the bottom
    auto aY = [&](double y) { return destino.top() + (maximo - y) * escalaY; };

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(destino);
    p.fillRect(destino, colorCampoCuadricula);

    // One logical pixel for the grid, two for the axes, whatever the ratio.
    const int fino = std::max(1, static_cast<int>(std::lround(dpr)));
    const int grueso = 2 * fino;
    auto vertical = [&](double x, int ancho, const QColor& color) {
        p.fillRect(QRectF(alinear(aX(x), dpr, ancho), destino.top(), ancho / dpr, destino.height()),
                   color);
    };
    auto horizontal = [&](double y, int ancho, const QColor& color) {
        p.fillRect(QRectF(destino.left(), alinear(aY(y), dpr, ancho), destino.width(), ancho / dpr),
                   color);
    };
    for (double v = minimo; v <= maximo; v += paso) {
        if (v == 0.0)
            continue;
        vertical(v, fino, colorLineaCuadricula);
        horizontal(v, fino, colorLineaCuadricula);
    }
    vertical(0.0, grueso, colorEjeCuadricula);
    horizontal(0.0, grueso, colorEjeCuadricula);

    // Labels: about 11 px high on a 450 px plot, never unreadably small.
    QFont fuente;
    fuente.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    fuente.setPixelSize(std::max(9, static_cast<int>(std::lround(destino.height() / 40.0))));
    p.setFont(fuente);
    p.setPen(colorTextoCuadricula);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF medidas(fuente);
    const double alto = medidas.height();
    const double margen = 3.0; // logical pixels between an axis and its labels
    const double ejeX = aX(0.0);
    const double ejeY = aY(0.0);

    for (double v = minimo; v <= maximo; v += rotulos) {
        if (v == 0.0)
            continue;
        // Negative labels carry a true minus sign, as in the explanation sheets.
        const QString texto = QString::number(static_cast<int>(v)).replace(u'-', QChar(0x2212));
        const double ancho = medidas.horizontalAdvance(texto);
        // Under the x axis, centred on its line but kept inside the plot.
        double izquierda =
            std::clamp(aX(v) - ancho / 2, destino.left() + 1, destino.right() - ancho - 1);
        rotular(p, QRectF(izquierda, ejeY + margen, ancho, alto), texto);
        // Left of the y axis, centred on its line but kept inside the plot.
        double arriba =
            std::clamp(aY(v) - alto / 2, destino.top() + 1, destino.bottom() - alto - 1);
        rotular(p, QRectF(ejeX - margen - ancho, arriba, ancho, alto), texto);
    }
    // The origin is labelled once, in the corner below and left of it.
    const double anchoCero = medidas.horizontalAdvance(QStringLiteral("0"));
    rotular(p, QRectF(ejeX - margen - anchoCero, ejeY + margen, anchoCero, alto),
            QStringLiteral("0"));
    p.restore();
}

void pintarCuadriculaResiduos(QPainter& p, const QRectF& destino) {
    if (destino.width() <= 0 || destino.height() <= 0)
        return;
    p.save();
    const double dpr = p.device() != nullptr ? p.device()->devicePixelRatioF() : 1.0;
    const double escalaX = destino.width() / (maximo - minimo);
    const double escalaY = destino.height() / (2 * residuoMaximo);
    auto aX = [&](double x) { return destino.left() + (x - minimo) * escalaX; };
    // invert the y-axis: -70 is at the bottom
    auto aY = [&](double y) { return destino.top() + (residuoMaximo - y) * escalaY; };

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(destino);
    p.fillRect(destino, colorCampoCuadricula);
    const int fino = std::max(1, static_cast<int>(std::lround(dpr)));
    // The same verticals as the plot above, so each residual sits under its point.
    for (double v = minimo; v <= maximo; v += paso) {
        p.fillRect(QRectF(alinear(aX(v), dpr, fino), destino.top(), fino / dpr, destino.height()),
                   v == 0.0 ? colorEjeCuadricula : colorLineaCuadricula);
    }
    for (double v = -residuoMaximo / 2; v <= residuoMaximo / 2; v += residuoMaximo / 2) {
        const int ancho = v == 0.0 ? 2 * fino : fino;
        p.fillRect(QRectF(destino.left(), alinear(aY(v), dpr, ancho), destino.width(), ancho / dpr),
                   v == 0.0 ? colorEjeCuadricula : colorLineaCuadricula);
    }

    QFont fuente;
    fuente.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    // 9 px on the plot's 479 px width, growing with it (the zoomed window).
    fuente.setPixelSize(std::max(9, static_cast<int>(std::lround(destino.width() / 53.0))));
    p.setFont(fuente);
    p.setPen(colorTextoCuadricula);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF medidas(fuente);
    for (double v = -residuoMaximo / 2; v <= residuoMaximo / 2; v += residuoMaximo / 2) {
        const QString texto = QString::number(static_cast<int>(v)).replace(u'-', QChar(0x2212));
        const double ancho = medidas.horizontalAdvance(texto);
        const double arriba = std::clamp(aY(v) - medidas.height() / 2, destino.top() + 1,
                                         destino.bottom() - medidas.height() - 1);
        rotular(p, QRectF(aX(0.0) - 3.0 - ancho, arriba, ancho, medidas.height()), texto);
    }
    p.restore();
}
