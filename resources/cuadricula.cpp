// Paints the plot grid. Lines are filled rectangles snapped to whole device
// pixels, so they stay one colour and sharp at any device pixel ratio.
#include "cuadricula.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const EjeCuadricula ejeDelDiseno{};

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

// A grid's field: x from `izquierda` to `derecha` across `destino`, y from
// `arriba` at the top edge to `abajo` at the bottom. It fills the field,
// clipped to it, and draws lines one or more device pixels wide and labels
// over it; the painter is given back as it came.
class Campo {
public:
    Campo(QPainter& p, const QRectF& destino, double izquierda, double derecha, double arriba,
          double abajo)
        : p_(p), d_(destino), izquierda_(izquierda), arriba_(arriba),
          escalaX_(destino.width() / (derecha - izquierda)),
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

    double aX(double x) const { return d_.left() + (x - izquierda_) * escalaX_; }
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
    const double izquierda_;
    const double arriba_;
    const double escalaX_, escalaY_; ///< logical pixels per plot unit
    const double dpr_;
    const int fino_;
};

// A label's text: negative values carry a true minus sign, as in the
// explanation sheets; decimals with the host's decimal point. A value that
// rounds to zero (or is -0) is written without a sign.
QString rotulo(double v, int decimales) {
    QString texto = QString::number(v, 'f', decimales);
    if (std::none_of(texto.cbegin(), texto.cend(),
                     [](QChar c) { return c >= u'1' && c <= u'9'; })) {
        texto.remove(u'-');
    }
    texto.replace(u'-', QChar(0x2212));
    if (decimales > 0) {
        texto.replace(u'.', QLocale::system().decimalPoint());
    }
    return texto;
}

// The values of an axis at multiples of `paso`, from its minimum to its
// maximum; each is a whole multiple, so 0 is exactly 0.
template <class F> void multiplos(const EjeCuadricula& e, double paso, F&& f) {
    const long desde = std::lround(std::ceil(e.minimo / paso - 1e-9));
    const long hasta = std::lround(std::floor(e.maximo / paso + 1e-9));
    for (long k = desde; k <= hasta; ++k) {
        f(static_cast<double>(k) * paso);
    }
}

// Where an axis line crosses the other axis: at 0, or at the edge nearer to
// 0 when the range leaves 0 out.
double cruce(const EjeCuadricula& e) {
    return std::clamp(0.0, e.minimo, e.maximo);
}

} // namespace

void pintarCuadricula(QPainter& p, const QRectF& destino) {
    pintarCuadriculaDe(p, destino, ejeDelDiseno, ejeDelDiseno);
}

void pintarCuadriculaDe(QPainter& p, const QRectF& destino, const EjeCuadricula& ex,
                        const EjeCuadricula& ey) {
    if (destino.width() <= 0 || destino.height() <= 0)
        return;
    // y grows upwards: its minimum is at the bottom, its maximum at the top.
    Campo c(p, destino, ex.minimo, ex.maximo, ey.maximo, ey.minimo);
    // One logical pixel for the grid, two for the axes, whatever the ratio.
    const int fino = c.fino();
    const int grueso = 2 * fino;
    const double x0 = cruce(ex);
    const double y0 = cruce(ey);
    multiplos(ex, ex.lineas, [&](double v) {
        if (v != x0)
            c.vertical(v, fino, colorLineaCuadricula);
    });
    multiplos(ey, ey.lineas, [&](double v) {
        if (v != y0)
            c.horizontal(v, fino, colorLineaCuadricula);
    });
    c.vertical(x0, grueso, colorEjeCuadricula);
    c.horizontal(y0, grueso, colorEjeCuadricula);

    // Labels: about 11 px high on a 450 px plot, never unreadably small.
    const QFontMetricsF medidas =
        c.letra(std::max(9, static_cast<int>(std::lround(destino.height() / 40.0))));
    const double alto = medidas.height();
    const double margen = 3.0; // logical pixels between an axis and its labels
    const double ejeX = c.aX(x0);
    const double ejeY = c.aY(y0);
    // The origin, when it is in sight, is labelled once in its corner; axes
    // along the bottom and left edges would label their shared corner twice,
    // so it is left to neither.
    const bool origen = x0 == 0.0 && y0 == 0.0;
    const bool ejeYAlBorde = x0 == ex.minimo && x0 != 0.0;
    const bool ejeXAlBorde = y0 == ey.minimo && y0 != 0.0;
    // Under the x axis and left of the y axis, each kept inside the plot.
    const double arribaX = std::min(ejeY + margen, destino.bottom() - alto - 1);
    // A label that would run into the one before it is left out: values of
    // many digits, or the last one held inside the plot, keep a gap.
    double finAnterior = -INFINITY;
    multiplos(ex, ex.paso, [&](double v) {
        if ((origen && v == 0.0) || (ejeXAlBorde && ejeYAlBorde && v <= ex.minimo))
            return;
        const QString texto = rotulo(v, ex.decimales);
        const double ancho = medidas.horizontalAdvance(texto);
        const double izquierda =
            std::clamp(c.aX(v) - ancho / 2, destino.left() + 1, destino.right() - ancho - 1);
        if (izquierda < finAnterior + alto / 3)
            return;
        finAnterior = izquierda + ancho;
        rotular(p, QRectF(izquierda, arribaX, ancho, alto), texto);
    });
    // The plot's top-left corner holds its help icon: an axis along the left
    // edge leaves its top label out.
    multiplos(ey, ey.paso, [&](double v) {
        if ((origen && v == 0.0) || (ejeYAlBorde && v >= ey.maximo) ||
            (ejeXAlBorde && ejeYAlBorde && v <= ey.minimo))
            return;
        const QString texto = rotulo(v, ey.decimales);
        const double ancho = medidas.horizontalAdvance(texto);
        const double arriba =
            std::clamp(c.aY(v) - alto / 2, destino.top() + 1, destino.bottom() - alto - 1);
        rotular(p, QRectF(std::max(ejeX - margen - ancho, destino.left() + 1), arriba, ancho, alto),
                texto);
    });
    if (origen) {
        const double anchoCero = medidas.horizontalAdvance(QStringLiteral("0"));
        rotular(p, QRectF(ejeX - margen - anchoCero, ejeY + margen, anchoCero, alto),
                QStringLiteral("0"));
    }
    // The axes' titles: x at the right end above its axis, y at the top
    // right of its axis.
    // An x axis along the bottom edge has its labels above it: the title
    // goes above them.
    if (!ex.titulo.isEmpty()) {
        const double ancho = medidas.horizontalAdvance(ex.titulo);
        const double sobre = arribaX < ejeY ? arribaX - 1 : ejeY - margen;
        const double arriba = std::max(sobre - alto, destino.top() + 1);
        rotular(p, QRectF(destino.right() - ancho - 4, arriba, ancho, alto), ex.titulo);
    }
    // Clear of the help icon in the corner.
    if (!ey.titulo.isEmpty()) {
        const double ancho = medidas.horizontalAdvance(ey.titulo);
        const double izquierda =
            std::min(std::max(ejeX + margen + 2, destino.left() + 0.08 * destino.width()),
                     destino.right() - ancho - 1);
        rotular(p, QRectF(izquierda, destino.top() + 2, ancho, alto), ey.titulo);
    }
}

void pintarCuadriculaResiduos(QPainter& p, const QRectF& destino) {
    pintarCuadriculaResiduosDe(p, destino, ejeDelDiseno, residuoMaximo, 0);
}

void pintarCuadriculaResiduosDe(QPainter& p, const QRectF& destino, const EjeCuadricula& ex,
                                double maximo, int decimales) {
    if (destino.width() <= 0 || destino.height() <= 0)
        return;
    // -maximo is at the bottom, maximo at the top.
    Campo c(p, destino, ex.minimo, ex.maximo, maximo, -maximo);
    const int fino = c.fino();
    // The same verticals as the plot above, so each residual sits under its point.
    const double x0 = cruce(ex);
    multiplos(ex, ex.lineas, [&](double v) {
        c.vertical(v, fino, v == x0 ? colorEjeCuadricula : colorLineaCuadricula);
    });
    if (x0 != 0.0)
        c.vertical(x0, fino, colorEjeCuadricula);
    for (int i = -1; i <= 1; ++i) {
        c.horizontal(i * maximo / 2, i == 0 ? 2 * fino : fino,
                     i == 0 ? colorEjeCuadricula : colorLineaCuadricula);
    }

    // 9 px on the plot's 479 px width, growing with it (the zoomed window).
    const QFontMetricsF medidas =
        c.letra(std::max(9, static_cast<int>(std::lround(destino.width() / 53.0))));
    for (int i = -1; i <= 1; ++i) {
        const double v = i * maximo / 2;
        const QString texto = rotulo(v, decimales);
        const double ancho = medidas.horizontalAdvance(texto);
        const double arriba = std::clamp(c.aY(v) - medidas.height() / 2, destino.top() + 1,
                                         destino.bottom() - medidas.height() - 1);
        rotular(p,
                QRectF(std::max(c.aX(x0) - 3.0 - ancho, destino.left() + 1), arriba, ancho,
                       medidas.height()),
                texto);
    }
}
