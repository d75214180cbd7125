// The table of result boxes.
#include "cajas.h"

#include "capa_controles.h"

#include <QFontMetrics>
#include <QtGlobal>

#include <array>
#include <cmath>

namespace rectaviva {

namespace {

template <auto Campo> Single campo(const Globales& g) {
    return static_cast<Single>(g.*Campo);
}

// A limit of the prediction at xPred: 0, 1 one observation; 2, 3 mean response.
template <int Fila> Single enXPred(const Globales& g) {
    return g.banda(Fila, 21);
}

// The widths of the coefficients' intervals, in float like every bar.
Single anchoIntervaloA(const Globales& g) {
    return g.lsIntercepto - g.liIntercepto;
}
Single anchoIntervaloB(const Globales& g) {
    return g.lsPendiente - g.liPendiente;
}

using G = Globales;
constexpr auto T1 = Cajas::Text1;
constexpr auto T2 = Cajas::Text2;
constexpr auto T3 = Cajas::Text3;
constexpr auto T4 = Cajas::Text4;
constexpr auto Ent = Formato::Entero;
constexpr auto Un = Formato::UnDecimal;
constexpr auto Dos = Formato::DosDecimales;
constexpr auto Tres = Formato::TresDecimales;
constexpr auto Fija = Lectura::Fija;
constexpr auto Est = Lectura::Estadistico;
constexpr auto ValP = Lectura::ValorP;
constexpr auto Int = Grupo::Intervalos;
constexpr auto Aju = Grupo::Ajuste;
constexpr auto Ano = Grupo::Anova;
constexpr auto Pre = Grupo::Prediccion;
constexpr auto Nad = Delata::Nada;
constexpr auto Cor = Delata::Correlacion;
constexpr auto Rec = Delata::Recta;

// Each bar's shift and factor put the values a classroom sample usually
// gives within the largest width. A row takes two lines: the box and its
// value, then its name (translated where it is shown, in the context
// "cajas") and its bar.
// The means, Sxx and Sxy give the line away (b = Sxy / Sxx, and it passes
// through the means): hidden with it.
// clang-format off
constexpr std::array<FilaCaja, 43> filas{{
    {T1, 0, campo<&G::intercepto>, Dos, Fija, Int,
     QT_TRANSLATE_NOOP("cajas", "Intercepto a, estimador puntual"), Rec, {0, 45, 12.3f}},
    {T1, 1, campo<&G::pendiente>, Dos, Fija, Int,
     QT_TRANSLATE_NOOP("cajas", "Pendiente b, estimador puntual"), Rec, {1, 3, 225}},
    {T1, 2, campo<&G::varError>, Dos, Fija, Int,
     QT_TRANSLATE_NOOP("cajas", "Varianza del error"), Cor, {10, 0, 0.4f}},
    {T1, 3, campo<&G::eeIntercepto>, Dos, Fija, Int,
     QT_TRANSLATE_NOOP("cajas", "Intercepto a, error estándar"), Cor, {2, 0, 48}},
    {T1, 4, campo<&G::eePendiente>, Dos, Fija, Int,
     QT_TRANSLATE_NOOP("cajas", "Pendiente b, error estándar"), Cor, {3, 0, 700}},
    // Limits far from zero drop a decimal so that they fit their narrow
    // boxes: the lower limit of a on its negative side, the others on their
    // positive side.
    {T1, 5, campo<&G::liIntercepto>, Dos, Lectura::EstrechaBajo, Int,
     QT_TRANSLATE_NOOP("cajas", "Intercepto a, límite inferior del intervalo de confianza"),
     Rec, {4, 0, 4.8f, anchoIntervaloA, 130, 4.8f}},
    {T1, 6, campo<&G::lsIntercepto>, Dos, Lectura::EstrechaSobre, Int,
     QT_TRANSLATE_NOOP("cajas", "Intercepto a, límite superior del intervalo de confianza"),
     Rec, {}},
    {T1, 7, campo<&G::liPendiente>, Dos, Lectura::EstrechaSobre, Int,
     QT_TRANSLATE_NOOP("cajas", "Pendiente b, límite inferior del intervalo de confianza"),
     Rec, {5, 0, 100, anchoIntervaloB, 12, 40}},
    {T1, 8, campo<&G::lsPendiente>, Dos, Lectura::EstrechaSobre, Int,
     QT_TRANSLATE_NOOP("cajas", "Pendiente b, límite superior del intervalo de confianza"),
     Rec, {}},
    {T1, 9, campo<&G::nivelConf>, Ent, Fija, Int,
     QT_TRANSLATE_NOOP("cajas", "Nivel de confianza, en %"), Nad, {}},
    {T1, 10, campo<&G::tIntercepto>, Tres, Est, Aju,
     QT_TRANSLATE_NOOP("cajas", "Intercepto a, estadístico de prueba"), Rec, {6, 0, 300}},
    {T1, 11, campo<&G::tPendiente>, Tres, Est, Aju,
     QT_TRANSLATE_NOOP("cajas", "Pendiente b, estadístico de prueba"), Rec, {7, 0, 300}},
    {T1, 12, campo<&G::pIntercepto>, Dos, ValP, Aju,
     QT_TRANSLATE_NOOP("cajas", "Intercepto a, valor-p"), Cor, {8, 0, 2000}},
    {T1, 13, campo<&G::pPendiente>, Dos, ValP, Aju,
     QT_TRANSLATE_NOOP("cajas", "Pendiente b, valor-p"), Cor, {9, 0, 2000}},
    {T1, 14, campo<&G::R2>, Ent, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Coeficiente de determinación, en %"), Rec, {11, 0, 15}},
    {T2, 0, campo<&G::mediaX>, Dos, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Promedio de X"), Rec, {12, 20, 14.2f}},
    {T2, 1, campo<&G::mediaY>, Dos, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Promedio de Y"), Rec, {13, 40, 10}},
    {T2, 2, campo<&G::varX>, Dos, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Varianza de X"), Nad, {14, 0, 1.2f}},
    {T2, 3, campo<&G::varY>, Dos, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Varianza de Y"), Nad, {15, 0, 0.45f}},
    {T2, 4, campo<&G::desvX>, Dos, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Desviación estándar de X"), Nad, {16, 0, 50}},
    {T2, 5, campo<&G::desvY>, Dos, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Desviación estándar de Y"), Nad, {17, 0, 27}},
    {T2, 6, campo<&G::correlacion>, Dos, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Correlación entre X e Y"), Rec, {18, 1, 675}},
    {T2, 7, campo<&G::Sxx>, Un, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Sxx"), Rec, {19, 0, 0.08f}},
    {T2, 8, campo<&G::Syy>, Un, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Syy"), Nad, {20, 0, 0.08f}},
    {T2, 9, campo<&G::Sxy>, Un, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Sxy"), Rec, {21, 10000, 0.05f}},
    {T2, 10, campo<&G::nActivos>, Formato::EnteroEspacio, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Tamaño muestral"), Nad, {}},
    {T3, 0, campo<&G::SCReg>, Un, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Suma de cuadrados de la regresión"), Cor, {}},
    {T3, 1, campo<&G::SCErr>, Un, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Suma de cuadrados del error"), Cor, {}},
    {T3, 2, campo<&G::SCTot>, Un, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Suma de cuadrados total"), Nad, {}},
    {T3, 3, campo<&G::glReg>, Ent, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Grados de libertad de la regresión"), Nad, {}},
    {T3, 4, campo<&G::glErr>, Ent, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Grados de libertad del error"), Nad, {}},
    {T3, 5, campo<&G::glTot>, Ent, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Grados de libertad total"), Nad, {}},
    {T3, 6, campo<&G::CMReg>, Un, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Cuadrado medio de la regresión"), Cor, {}},
    {T3, 7, campo<&G::CMErr>, Dos, Fija, Ano,
     QT_TRANSLATE_NOOP("cajas", "Cuadrado medio del error"), Cor, {}},
    {T3, 8, campo<&G::valorF>, Tres, Est, Ano,
     QT_TRANSLATE_NOOP("cajas", "Cuociente F"), Cor, {}},
    {T3, 9, campo<&G::pAnova>, Dos, ValP, Ano,
     QT_TRANSLATE_NOOP("cajas", "Valor-p del análisis de varianza"), Cor, {22, 0, 2000}},
    {T4, 0, campo<&G::nivelPred>, Ent, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Nivel de la predicción, en %"), Nad, {}},
    {T4, 1, campo<&G::xPred>, Un, Fija, Aju,
     QT_TRANSLATE_NOOP("cajas", "Predicción en x"), Nad, {}},
    {T4, 2, enXPred<0>, Dos, Fija, Pre,
     QT_TRANSLATE_NOOP("cajas", "Predicción de una observación, límite inferior"), Cor, {}},
    {T4, 3, enXPred<1>, Dos, Fija, Pre,
     QT_TRANSLATE_NOOP("cajas", "Predicción de una observación, límite superior"), Cor, {}},
    {T4, 4, enXPred<2>, Dos, Fija, Pre,
     QT_TRANSLATE_NOOP("cajas", "Respuesta media, límite inferior"), Cor, {}},
    {T4, 5, enXPred<3>, Dos, Fija, Pre,
     QT_TRANSLATE_NOOP("cajas", "Respuesta media, límite superior"), Cor, {}},
    {T4, 6, campo<&G::yPred>, Dos, Fija, Pre,
     QT_TRANSLATE_NOOP("cajas", "Predicción puntual"), Cor, {}},
}};
// clang-format on

} // namespace

std::span<const FilaCaja> filasCajas() {
    return filas;
}

const FilaCaja* filaCaja(Cajas arreglo, int indice) {
    for (const FilaCaja& f : filas) {
        if (f.arreglo == arreglo && f.indice == indice) {
            return &f;
        }
    }
    return nullptr;
}

bool enUnidades(const FilaCaja& f) {
    // The statistics without units (t, F, p, r, R², the levels and counts)
    // read alike on any data; the others carry the data's units.
    const bool sinUnidades = f.lectura == Lectura::Estadistico || f.lectura == Lectura::ValorP ||
                             f.formato == Formato::Entero || f.formato == Formato::EnteroEspacio ||
                             f.valor == campo<&G::correlacion>;
    return !sinUnidades;
}

namespace {

// The other end of an interval whose limit box is f, or nullptr.
const FilaCaja* otroExtremo(const FilaCaja& f) {
    constexpr std::array<std::pair<Cajas, int>, 4> primeros{{{T1, 5}, {T1, 7}, {T4, 2}, {T4, 4}}};
    for (const auto& [arreglo, i] : primeros) {
        if (f.arreglo == arreglo && (f.indice == i || f.indice == i + 1)) {
            return filaCaja(arreglo, f.indice == i ? i + 1 : i);
        }
    }
    return nullptr;
}

} // namespace

Cabe cabeEnCaja(const TextBox& t, double estrecho) {
    const double sitio = t.sitioTexto() / estrecho;
    return [&t, sitio](std::string_view texto) {
        const QString s = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
        return QFontMetrics(t.font()).horizontalAdvance(s) <= sitio;
    };
}

std::string textoCaja(const FilaCaja& f, const Globales& g, std::string_view puntoDecimal,
                      const Cabe& cabe, const Cabe& estrecho) {
    const Single v = f.valor(g);
    if (g.datosCargados == 1 && enUnidades(f) && cabe) {
        // At least three digits, and as many more as tell the two ends of
        // an interval apart, while the box can show them.
        int cifras = 3;
        if (const FilaCaja* otra = otroExtremo(f)) {
            const Single w = otra->valor(g);
            const auto texto = [&](Single x, int c) {
                return formatearEnCaja(x, f.formato, cabe, puntoDecimal, c, estrecho);
            };
            while (cifras < kCifrasFloat && v != w && texto(v, cifras) == texto(w, cifras)) {
                ++cifras;
            }
        }
        return formatearEnCaja(v, f.formato, cabe, puntoDecimal, cifras, estrecho);
    }
    if (g.datosCargados == 1 && enUnidades(f)) {
        // The interval limits' boxes are the narrow ones: five characters
        // ("-10.0" in the design's formats), the others seven.
        const bool estrecha =
            f.lectura == Lectura::EstrechaBajo || f.lectura == Lectura::EstrechaSobre;
        return formatearEnUnidades(v, f.formato, estrecha ? 5 : 7, puntoDecimal);
    }
    switch (f.lectura) {
    case Lectura::Estadistico:
        // A data set's statistic, however large, is a true value (a
        // calibration line's F is in the millions): it keeps to the box's
        // room with three significant digits, scientific beyond. On the
        // design's grid only a near-perfect fit of the tools gets past the
        // guard.
        if (g.datosCargados == 1 && std::isfinite(v)) {
            return formatearEnUnidades(v, f.formato, 7, puntoDecimal);
        }
        return formatearEstadistico(v, puntoDecimal);
    case Lectura::EstrechaBajo:
        return formatear(v, v <= -10 ? Formato::UnDecimal : f.formato, puntoDecimal);
    case Lectura::EstrechaSobre:
        return formatear(v, v > 99 ? Formato::UnDecimal : f.formato, puntoDecimal);
    case Lectura::ValorP:
        if (g.valoresExactos == 1) {
            return formatearValorP(v, puntoDecimal);
        }
        break;
    case Lectura::Fija:
        break;
    }
    return formatear(v, f.formato, puntoDecimal);
}

} // namespace rectaviva
