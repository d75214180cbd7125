// The presentation's operations, each in the order its boxes and elements
// are filled.
#include "mostrar.h"

#include "Grafico.h"
#include "geometria.h"

#include <QLocale>

#include <array>
#include <utility>

namespace rectaviva {

namespace {

const std::string textoEncabezado = "     k         x(k)         y(k)";
const std::string textoRaya = "    " + std::string(36, '-');

// Greatest bar width, in layout units across.
constexpr Single unidadesBarraMaxima = 77;

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
    formarFila(ksel, X, Y, stg);
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
    for (g_.indice = 1; g_.indice <= n; ++g_.indice) {
        const Integer k = g_.indice;
        pic.setCurrentY(k + 2);
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

void mostrar::imprimirPunto(const Integer& k, const QColor& c) {
    formato(k, g_.xObs(k), g_.yObs(k), g_.lineaLista);
    PictureBox& pic = p_.Picture2;
    pic.setForeColor(c);
    pic.setCurrentX(2.0 * g_.escalaX);
    pic.setCurrentY(k + 2);
    pic.Print(QString::fromStdString(g_.lineaLista));
}

void mostrar::poner(TextBox& t, const std::string& texto) {
    t.setText(QString::fromStdString(texto));
}

void mostrar::ponerValor(TextBox& t, Single v, Formato f) {
    poner(t, formatear(v, f, punto_));
}

void mostrar::llenarIntervalos() {
    Matriz<TextBox>& T = p_.Text1;
    ponerValor(T(2), g_.varError, Formato::DosDecimales);
    ponerValor(T(3), g_.eeIntercepto, Formato::DosDecimales);
    ponerValor(T(4), g_.eePendiente, Formato::DosDecimales);
    // Limits far from zero drop a decimal so that they fit their narrow
    // boxes; the lower limit of a on its negative side, the others on their
    // positive side. Each box's format depends on its own value only.
    ponerValor(T(5), g_.liIntercepto,
               g_.liIntercepto <= -10 ? Formato::UnDecimal : Formato::DosDecimales);
    ponerValor(T(6), g_.lsIntercepto,
               g_.lsIntercepto > 99 ? Formato::UnDecimal : Formato::DosDecimales);
    ponerValor(T(7), g_.liPendiente,
               g_.liPendiente > 99 ? Formato::UnDecimal : Formato::DosDecimales);
    ponerValor(T(8), g_.lsPendiente,
               g_.lsPendiente > 99 ? Formato::UnDecimal : Formato::DosDecimales);
    ponerValor(T(9), g_.nivelConf, Formato::Entero);
    ponerCoeficientes();
}

void mostrar::ponerCoeficientes() {
    ponerValor(p_.Text1(0), g_.intercepto, Formato::DosDecimales);
    ponerValor(p_.Text1(1), g_.pendiente, Formato::DosDecimales);
}

void mostrar::ponerAjuste() {
    ponerValor(p_.Text1(14), g_.R2, Formato::Entero);
    ponerValor(p_.Text2(6), g_.correlacion, Formato::DosDecimales);
}

void mostrar::ponerRecta() {
    ponerCoeficientes();
    ponerAjuste();
}

void mostrar::Mostrar() {
    llenarIntervalos();
    Matriz<TextBox>& T1 = p_.Text1;
    poner(T1(10), formatearEstadistico(g_.tIntercepto, punto_));
    poner(T1(11), formatearEstadistico(g_.tPendiente, punto_));
    ponerValor(T1(12), g_.pIntercepto, Formato::DosDecimales);
    ponerValor(T1(13), g_.pPendiente, Formato::DosDecimales);
    ponerAjuste();

    Matriz<TextBox>& T2 = p_.Text2;
    ponerValor(T2(0), g_.mediaX, Formato::DosDecimales);
    ponerValor(T2(1), g_.mediaY, Formato::DosDecimales);
    ponerValor(T2(2), g_.varX, Formato::DosDecimales);
    ponerValor(T2(3), g_.varY, Formato::DosDecimales);
    ponerValor(T2(4), g_.desvX, Formato::DosDecimales);
    ponerValor(T2(5), g_.desvY, Formato::DosDecimales);
    ponerValor(T2(7), g_.Sxx, Formato::UnDecimal);
    ponerValor(T2(8), g_.Syy, Formato::UnDecimal);
    ponerValor(T2(9), g_.Sxy, Formato::UnDecimal);
    ponerValor(T2(10), g_.nActivos, Formato::EnteroEspacio);

    ponerValor(p_.Text4(0), g_.nivelPred, Formato::Entero);
    ponerValor(p_.Text4(1), g_.xPred, Formato::UnDecimal);
}

void mostrar::mostrarInt() {
    llenarIntervalos();
}

void mostrar::mostrarAnova() {
    Matriz<TextBox>& T = p_.Text3;
    ponerValor(T(0), g_.SCReg, Formato::UnDecimal);
    ponerValor(T(1), g_.SCErr, Formato::UnDecimal);
    ponerValor(T(2), g_.SCTot, Formato::UnDecimal);
    poner(T(3), std::to_string(g_.glReg));
    poner(T(4), std::to_string(g_.glErr));
    poner(T(5), std::to_string(g_.glTot));
    ponerValor(T(6), g_.CMReg, Formato::UnDecimal);
    ponerValor(T(7), g_.CMErr, Formato::DosDecimales);
    poner(T(8), formatearEstadistico(g_.valorF, punto_));
    ponerValor(T(9), g_.pAnova, Formato::DosDecimales);
}

void mostrar::Barras() {
    const auto anchos = anchosBarras(g_, unidadesBarraMaxima * g_.escalaX);
    p_.Shape2(4).setLeft(p_.Text1(5).Left() + desplazamientoIntervaloA(g_));
    p_.Shape2(5).setLeft(p_.Text1(7).Left() + desplazamientoIntervaloB(g_));
    for (int i = 0; i < numBarras; ++i) {
        p_.Shape2(i).setWidth(anchos[static_cast<std::size_t>(i)]);
    }
}

void mostrar::mostrarPred() {
    Matriz<TextBox>& T = p_.Text4;
    ponerValor(T(2), g_.banda(0, 21), Formato::DosDecimales);
    ponerValor(T(3), g_.banda(1, 21), Formato::DosDecimales);
    ponerValor(T(4), g_.banda(2, 21), Formato::DosDecimales);
    ponerValor(T(5), g_.banda(3, 21), Formato::DosDecimales);
    ponerValor(T(6), g_.yPred, Formato::DosDecimales);
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
