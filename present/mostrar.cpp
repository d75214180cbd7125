// The presentation's operations: the point list, the boxes of the result
// panels and their bars from the table of boxes, the band and prediction
// graphics, and the pieces the views draw with.
#include "mostrar.h"

#include "Grafico.h"
#include "dato.h"
#include "geometria.h"
#include "redondeo.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <utility>

namespace rectaviva {

namespace {

const std::string textoEncabezado = "     k         x(k)         y(k)";
const std::string textoRaya = "    " + std::string(36, '-');

// Greatest bar width, in layout units across.
constexpr Single unidadesBarraMaxima = 77;

// What a box that gives the fitted line away shows while the line is hidden.
const QString textoOculto = QStringLiteral("?");

// Sets the ends of a hidden or shown element; one that cannot be drawn hides.
void moverSegmento(Line& l, const Segmento& s) {
    l.setExtremos(s.x1, s.y1, s.x2, s.y2);
    if (!s.visible) {
        l.setVisible(false);
    }
}

} // namespace

QColor colorFilaNormal(const Globales& g, Integer k) {
    return g.activo(k) == 1 ? colorFilaActiva : colorEliminado;
}

mostrar::mostrar(Globales& g, Pantalla& p) : mostrar(g, p, QLocale::system().decimalPoint()) {}

mostrar::mostrar(Globales& g, Pantalla& p, const QString& puntoDecimal)
    : g_(g), p_(p), punto_(puntoDecimal.toStdString()) {
    // The spare band elements belong to no segment; they never show.
    for (int k = 40; k <= p_.Line12.UBound(); ++k) {
        p_.Line12(k).setVisible(false);
    }
    for (int k = 40; k <= p_.Line13.UBound(); ++k) {
        p_.Line13(k).setVisible(false);
    }
}

void mostrar::formato(const Integer& ksel, const Single& X, const Single& Y, std::string& stg) {
    if (g_.datosCargados != 1) {
        formarFila(ksel, X, Y, stg);
        return;
    }
    // A data set's coordinates with its decimals, in columns as wide as the
    // plot's range needs and never narrower than the design's, right-aligned
    // (widths in anchoTexto's units).
    const auto ancho = [this](Single a, Single b, int d) {
        return std::max(anchoTexto(formatearDecimales(a, d, punto_)),
                        anchoTexto(formatearDecimales(b, d, punto_)));
    };
    const int textoX = ancho(g_.xMin, g_.xMax, g_.decimalesX);
    const int textoY = ancho(g_.yMin, g_.yMax, g_.decimalesY);
    int anchoX = std::max(13, textoX + 3);
    int anchoY = std::max(15, textoY + 5);
    // The list holds rows of 40 units at every size (the design's take 36,
    // the number of the point 8 of them): long numbers take the spaces
    // between the columns first, down to one, so that no digit is cut.
    const int exceso = 8 + anchoX + anchoY - 40;
    const int deY = std::clamp(exceso, 0, anchoY - (textoY + 1));
    anchoY -= deY;
    anchoX -= std::clamp(exceso - deY, 0, anchoX - (textoX + 1));
    // A point where it was loaded shows the number as read, to the digit.
    const bool enSuSitio =
        ksel >= 1 && ksel <= g_.puntosReservados() && X == g_.xObs(ksel) && Y == g_.yObs(ksel);
    formarFilaDatos(ksel,
                    formatearDecimales(enSuSitio ? valorX(g_, ksel) : D(X), g_.decimalesX, punto_),
                    formatearDecimales(enSuSitio ? valorY(g_, ksel) : D(Y), g_.decimalesY, punto_),
                    anchoX, anchoY, stg);
}

void mostrar::listarPuntos(const Integer& n, const ArregloMuestra<Single>& X,
                           const ArregloMuestra<Single>& Y) {
    PictureBox& pic = p_.Picture2;
    pic.Cls();
    pic.setForeColor(colorFilaActiva);
    g_.lineaLista = textoEncabezado;
    pic.setScaleHeight(filasLista);
    const double margen = 2.0 * g_.escalaX;
    pic.setCurrentX(margen);
    pic.setCurrentY(1);
    pic.Print(QString::fromStdString(g_.lineaLista));
    g_.lineaLista = textoRaya;
    pic.setCurrentX(margen);
    pic.setCurrentY(2);
    pic.Print(QString::fromStdString(g_.lineaLista));
    setPrimeraFila(primeraFila_);
    const Integer ultimo = std::min<Integer>(n, primeraFila_ + filasVisibles - 1);
    for (g_.indice = primeraFila_; g_.indice <= ultimo; ++g_.indice) {
        const Integer k = g_.indice;
        pic.setCurrentY(k - primeraFila_ + 3);
        pic.setCurrentX(margen);
        formato(k, X(k), Y(k), g_.lineaLista);
        if (g_.activo(k) == 1) {
            pic.setForeColor(colorFilaActiva);
        } else if (g_.activo(k) == 0) {
            pic.setForeColor(colorEliminado);
        }
        pic.Print(QString::fromStdString(g_.lineaLista));
    }
}

void mostrar::setPrimeraFila(Integer k) {
    primeraFila_ = std::clamp<Integer>(k, 1, std::max<Integer>(1, g_.nPuntos - filasVisibles + 1));
}

void mostrar::imprimirPunto(const Integer& k, const QColor& c) {
    if (!enLista(k)) {
        return;
    }
    formato(k, g_.xObs(k), g_.yObs(k), g_.lineaLista);
    PictureBox& pic = p_.Picture2;
    pic.setForeColor(c);
    pic.setCurrentX(2.0 * g_.escalaX);
    pic.setCurrentY(k - primeraFila_ + 3);
    pic.Print(QString::fromStdString(g_.lineaLista));
}

std::string mostrar::textoEnUnidades(Single v, Formato f) const {
    return g_.datosCargados == 1 ? formatearEnUnidades(v, f, 7, punto_) : texto(v, f);
}

std::string mostrar::textoCoordenada(double v, bool enX) const {
    if (g_.datosCargados != 1) {
        // Rounded as the list rounds it (halves to even), so that what a
        // screen reader says is what the list shows.
        const auto k = aInteger(v);
        return k ? std::to_string(*k) : std::string(textoIndefinido);
    }
    return formatearDecimales(v, enX ? g_.decimalesX : g_.decimalesY, punto_);
}

void mostrar::ponerEnUnidades(TextBox& t, Single v, Formato f) {
    poner(t, textoEnUnidades(v, f));
}

void mostrar::poner(TextBox& t, const std::string& texto) {
    t.setText(QString::fromStdString(texto));
}

void mostrar::ponerValor(TextBox& t, Single v, Formato f) {
    poner(t, formatear(v, f, punto_));
}

void mostrar::ponerCaja(const FilaCaja& f) {
    TextBox& t = cajaDeFila(p_, f);
    // A data set's value in its units may need its text narrowed to show three
    // digits, and its counts (n, degrees of freedom) to show every digit; the
    // design's grid keeps the line edit's own drawing.
    const bool cuenta = f.formato == Formato::Entero || f.formato == Formato::EnteroEspacio;
    t.setEstrechable(g_.datosCargados == 1 && (enUnidades(f) || cuenta));
    if (oculta(f)) {
        t.setText(textoOculto);
    } else {
        poner(t, textoCaja(f, g_, punto_, cabeEnCaja(t), cabeEnCaja(t, TextBox::kEstrechoMinimo)));
    }
}

void mostrar::llenar(Grupo grupo) {
    for (const FilaCaja& f : filasCajas()) {
        if (f.grupo == grupo) {
            ponerCaja(f);
        }
    }
}

void mostrar::Mostrar() {
    llenar(Grupo::Intervalos);
    llenar(Grupo::Ajuste);
}

void mostrar::mostrarInt() {
    llenar(Grupo::Intervalos);
}

void mostrar::mostrarAnova() {
    llenar(Grupo::Anova);
}

void mostrar::mostrarPred() {
    llenar(Grupo::Prediccion);
}

void mostrar::Barras() {
    // A data set's bars are those of its cloud drawn on the design's grid.
    if (g_.datosCargados == 1 && !imagen_) {
        imagen_ = std::make_unique<ImagenEnDiseno>();
    }
    const Globales& g = g_.datosCargados == 1 ? imagen_->de(g_) : g_;
    const auto anchos = anchosBarras(g, unidadesBarraMaxima * g_.escalaX);
    for (const FilaCaja& f : filasCajas()) {
        if (f.barra.indice < 0) {
            continue;
        }
        Shape& barra = p_.Shape2(f.barra.indice);
        if (f.barra.factorOrigen != 0) {
            barra.setLeft(cajaDeFila(p_, f).Left() + desplazamientoBarra(f, g));
        }
        barra.setWidth(anchos[static_cast<std::size_t>(f.barra.indice)]);
    }
}

void mostrar::trazarRecta() {
    if (oculto_ == Delata::Nada) {
        rectaviva::trazarRecta(p_.Line3, g_, g_.intercepto, g_.pendiente);
    }
}

void mostrar::ocultar(Delata que) {
    if (que == oculto_) {
        return;
    }
    oculto_ = que;
    for (const FilaCaja& f : filasCajas()) {
        if (f.delata != Delata::Nada) {
            ponerCaja(f);
            if (f.barra.indice >= 0) {
                p_.Shape2(f.barra.indice).setVisible(!oculta(f));
            }
        }
    }
    if (que != Delata::Nada) {
        p_.Line3.setVisible(false);
    } else {
        trazarRecta();
    }
}

Segmento mostrar::segmentoDelPunto(Integer k, Single a, Single b) const {
    const Shape& m = p_.Shape1(k);
    return segmentoResiduo(S(m.Left() + m.Width() / 2), S(m.Top() - m.Height() / 2), a, b);
}

void mostrar::ponerCuadrado(Integer k, const Segmento& s, bool ver) {
    if (cuadrados_ == nullptr) {
        return;
    }
    const Escala plano = p_.Picture1.escala();
    const Rectangulo r =
        ver ? cuadradoResiduo(g_, s, plano.pixelesPorUnidadX(), -plano.pixelesPorUnidadY())
            : Rectangulo{};
    Shape& c = (*cuadrados_)(k);
    if (r.visible) {
        c.Move(r.left, r.top, r.width, r.height);
    }
    c.setVisible(r.visible);
}

void mostrar::mostrarGrafPred() {
    if (g_.prediccionActiva != 1) {
        return;
    }
    ponerSegmento(p_.Line14(0), marcaPrediccion(g_, 0));
    ponerSegmento(p_.Line14(1), marcaPrediccion(g_, 2));
}

void mostrar::mostrarBandas() {
    if (g_.bandasActivas != 1) {
        return;
    }
    for (int k = 0; k <= 19; ++k) {
        ponerSegmento(p_.Line13(k), segmentoBanda(g_, 2, k));
        ponerSegmento(p_.Line12(k), segmentoBanda(g_, 0, k));
        g_.indice = static_cast<Integer>(k + 20);
        ponerSegmento(p_.Line13(g_.indice), segmentoBanda(g_, 3, k));
        ponerSegmento(p_.Line12(g_.indice), segmentoBanda(g_, 1, k));
    }
}

void mostrar::verBandas(bool activas) {
    for (int k = 0; k <= 19; ++k) {
        const std::array<std::pair<Line*, Segmento>, 4> segmentos{{
            {&p_.Line13(k), segmentoBanda(g_, 2, k)},
            {&p_.Line12(k), segmentoBanda(g_, 0, k)},
            {&p_.Line13(k + 20), segmentoBanda(g_, 3, k)},
            {&p_.Line12(k + 20), segmentoBanda(g_, 1, k)},
        }};
        for (const auto& [linea, s] : segmentos) {
            if (activas) {
                ponerSegmento(*linea, s);
            } else {
                linea->setVisible(false);
            }
        }
    }
}

void mostrar::moverMarcasPred() {
    moverSegmento(p_.Line14(0), marcaPrediccion(g_, 0));
    moverSegmento(p_.Line14(1), marcaPrediccion(g_, 2));
}

void mostrar::ocultarGrafPred() {
    p_.Line14(0).setVisible(false);
    p_.Line14(1).setVisible(false);
}

} // namespace rectaviva
