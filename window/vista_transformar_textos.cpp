// What the panel of "Transformar" writes and says: the model in the data's
// own terms, its reading in words, R² before and after on the scale where
// they compare, and the prediction taken back to the data's units; and the
// names a screen reader reads.
#include "vista_transformar.h"

#include "Form1.h"
#include "cajas.h"
#include "formatos.h"
#include "mensajes.h"
#include "mostrar.h"
#include "muestra_transformada.h"
#include "paneles_idioma.h"
#include "redondeo.h"

#include <QAccessibleWidget>

#include <cmath>

namespace rectaviva {

namespace {

// "10⁶" for a power of ten.
QString potenciaDeDiez(int e) {
    static const QString sup = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString t = QStringLiteral("10");
    if (e < 0) {
        t += QChar(0x207B);
    }
    for (const QChar c : QString::number(std::abs(e))) {
        t += sup[c.digitValue()];
    }
    return t;
}

} // namespace

// Four significant digits in the language's decimal mark; a power of ten
// beyond a million or below a thousandth; "—" for what is undefined.
QString VistaTransformar::cifras(double v) const {
    if (!std::isfinite(v)) {
        return QStringLiteral("—");
    }
    const std::string punto = m_ != nullptr ? m_->puntoDecimal() : std::string(".");
    if (v == 0) {
        return QStringLiteral("0");
    }
    const int e = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    if (e >= 6 || e < -3) {
        const double mantisa = v / std::pow(10.0, e);
        return QString::fromStdString(formatearDecimales(mantisa, 3, punto)) +
               QString::fromUtf8("·") + potenciaDeDiez(e);
    }
    return QString::fromStdString(formatearDecimales(v, std::max(0, 3 - e), punto));
}

QString VistaTransformar::textoModelo() const {
    if (g_.datosCargados != 1) {
        return QCoreApplication::translate("transformar",
                                           "«Datos» carga un conjunto para transformarlo.");
    }
    if (!hayTransformacion(g_)) {
        return QCoreApplication::translate("transformar",
                                           "Elige una transformación de x, de y o de las dos.");
    }
    const auto [x, y] = originalesEnUso(g_);
    const Transformacion tx = transformacionX(g_), ty = transformacionY(g_);
    const ModeloOriginal m = modeloOriginal(ajustarTransformado(x, y, tx, ty), tx, ty);
    if (!m.valido) {
        return QCoreApplication::translate("transformar",
                                           "Sin recta: hacen falta tres puntos con x distintas.");
    }
    const QString fx = traducir(expresion(tx), QStringLiteral("x"));
    const QString fy = traducir(expresion(ty), QStringLiteral("y"));
    switch (m.forma) {
    case FormaModelo::Exponencial: {
        // A constant far from 1 reads better at the first x: y = A₀·B^(x − x₀).
        const double x0 = *std::min_element(x.begin(), x.end());
        if (std::fabs(std::log10(std::fabs(m.A))) > 5 && x0 != 0) {
            return QStringLiteral("y = %1 · %2^(x − %3)")
                .arg(cifras(m.A * std::pow(m.B, x0)), cifras(m.B), cifras(x0));
        }
        return QStringLiteral("y = %1 · %2^x").arg(cifras(m.A), cifras(m.B));
    }
    case FormaModelo::Potencia:
        return QStringLiteral("y = %1 · x^%2").arg(cifras(m.A), cifras(m.B));
    case FormaModelo::Logaritmica:
        return QStringLiteral("y = %1 + %2 · %3").arg(cifras(m.A), cifras(m.B), fx);
    case FormaModelo::Recta:
    case FormaModelo::General:
        break;
    }
    return QStringLiteral("%1 = %2 + %3 · %4").arg(fy, cifras(m.a), cifras(m.b), fx);
}

QString VistaTransformar::textoLectura() const {
    if (g_.datosCargados != 1 || !hayTransformacion(g_)) {
        return {};
    }
    const auto [x, y] = originalesEnUso(g_);
    const Transformacion tx = transformacionX(g_), ty = transformacionY(g_);
    const AjusteTransformado a = ajustarTransformado(x, y, tx, ty);
    const ModeloOriginal m = modeloOriginal(a, tx, ty);
    if (!m.valido) {
        return {};
    }
    // x and y stand for the axes' variables, whose names the plot shows.
    QString t;
    switch (m.forma) {
    case FormaModelo::Exponencial:
        // The model's rate is one for every x; the data's own need not be.
        t = (m.porcentaje >= 0
                 ? QCoreApplication::translate(
                       "transformar",
                       "En el modelo, y crece a un ritmo fijo: se multiplica por %1 (un "
                       "%2 % más) con cada aumento de 1 en x; el de los "
                       "datos puede variar.")
                 : QCoreApplication::translate(
                       "transformar",
                       "En el modelo, y decrece a un ritmo fijo: se multiplica por %1 (un "
                       "%2 % menos) con cada aumento de 1 en x; el de los "
                       "datos puede variar."))
                .arg(cifras(m.B), cifras(std::fabs(m.porcentaje)));
        break;
    case FormaModelo::Potencia:
        t = QCoreApplication::translate(
                "transformar", "Un 1 % más de x va con cerca de un %1 % más de y (la elasticidad).")
                .arg(cifras(m.B));
        break;
    case FormaModelo::Logaritmica:
        t = QCoreApplication::translate("transformar",
                                        "Cada vez que x se multiplica por %1, y cambia en %2.")
                .arg(tx == Transformacion::Ln ? QStringLiteral("e") : QStringLiteral("10"),
                     cifras(m.B));
        break;
    case FormaModelo::Recta:
    case FormaModelo::General:
        t = QCoreApplication::translate("transformar",
                                        "La curva lleva esa recta a las unidades de los datos.");
        break;
    }
    // R² of y compares with R² of y; that of f(y) is of another variance, and
    // is not put beside one of y. A curve worse than ȳ is said in words.
    const double r2Antes =
        ajustarTransformado(x, y, Transformacion::Ninguna, Transformacion::Ninguna).R2;
    if (ty == Transformacion::Ninguna) {
        t += QLatin1Char(' ') +
             QCoreApplication::translate("transformar",
                                         "R²: %1 % sin transformar y %2 % con x transformada; "
                                         "los dos son partes de la varianza de y y se comparan.")
                 .arg(cifras(100 * r2Antes), cifras(100 * a.R2));
    } else {
        const QString fy = traducir(expresion(ty), QStringLiteral("y"));
        const double r2y = r2EnEscalaOriginal(x, y, tx, ty, a);
        t += QLatin1Char(' ') +
             (r2y < 0 ? QCoreApplication::translate(
                            "transformar",
                            "R² de %1: %2 %, de su varianza, no de la de y; en unidades de y, "
                            "la curva deja más error que la media sola, y la recta sin transformar "
                            "explica el %3 %.")
                            .arg(fy, cifras(100 * a.R2), cifras(100 * r2Antes))
                      : QCoreApplication::translate(
                            "transformar",
                            "R² de %1: %2 %, de su varianza, no de la de y; en unidades de y, "
                            "la curva explica el %3 % y la recta sin transformar, el %4 %.")
                            .arg(fy, cifras(100 * a.R2), cifras(100 * r2y), cifras(100 * r2Antes)));
    }
    // The prediction at xPred, taken back: with y transformed, the point and
    // the interval of the mean response are of the median of y.
    const PrediccionOriginal p = predecirOriginal(a, tx, ty, destransformar(tx, D(g_.xPred)),
                                                  D(g_.nivelPred), cuantilPrediccion(x.size()));
    t += QLatin1Char(' ') +
         (p.mediana ? QCoreApplication::translate("transformar",
                                                  "En x = %1: mediana de y = %2; al %3 %, "
                                                  "mediana de %4 a %5, una observación de %6 a %7.")
                    : QCoreApplication::translate("transformar",
                                                  "En x = %1: y = %2; al %3 %, media de %4 a %5, "
                                                  "una observación de %6 a %7."))
             .arg(cifras(p.xPred), cifras(p.y), QString::number(p.nivel), cifras(p.liMedia),
                  cifras(p.lsMedia), cifras(p.liIndividual), cifras(p.lsIndividual));
    return t;
}

// While a transformation is on, each result box's name says of which
// variables it is: "Pendiente b, de log₁₀ y sobre x".
void VistaTransformar::nombrarCajas() {
    nombradas_ = {g_.transformacionX, g_.transformacionY};
    for (const FilaCaja& fila : filasCajas()) {
        auto& caja = cajaDeFila(f_, fila);
        alCambiarIdioma(&caja, ClaveTexto::Nombre, [this, &caja, n = fila.nombre] {
            QString t = QCoreApplication::translate("cajas", n);
            if (hayTransformacion(g_)) {
                t += QCoreApplication::translate("transformar", ", de %1 sobre %2")
                         .arg(traducir(expresion(transformacionY(g_)), QStringLiteral("y")),
                              traducir(expresion(transformacionX(g_)), QStringLiteral("x")));
            }
            caja.setAccessibleName(t);
        });
    }
}

namespace {

// The frames of x's and of y's choices are groups to a screen reader, which
// says a group's name as the focus enters it.
QAccessibleInterface* grupoAccesible(const QString&, QObject* o) {
    auto* marco = qobject_cast<Frame*>(o);
    if (marco != nullptr && (marco->objectName() == QLatin1String("Frame12") ||
                             marco->objectName() == QLatin1String("Frame13"))) {
        return new QAccessibleWidget(marco, QAccessible::Grouping);
    }
    return nullptr;
}

} // namespace

// Each choice named with its axis, "x: logaritmo decimal", so that it stands
// alone; the two groups "Transformación de x" and "Transformación de y".
void VistaTransformar::nombrarControles() {
    nombrarCajas();
    traducirNombre(*c_.Frame11, FUENTE("transformar", "Transformar"));
    QAccessible::installFactory(grupoAccesible);
    traducirNombre(*c_.Frame12, FUENTE("transformar", "Transformación de x"));
    traducirNombre(*c_.Frame13, FUENTE("transformar", "Transformación de y"));
    static constexpr std::array<const char*, 6> nombres{
        QT_TRANSLATE_NOOP("transformar", "ninguna"),
        QT_TRANSLATE_NOOP("transformar", "logaritmo decimal"),
        QT_TRANSLATE_NOOP("transformar", "logaritmo natural"),
        QT_TRANSLATE_NOOP("transformar", "raíz cuadrada"),
        QT_TRANSLATE_NOOP("transformar", "inversa"),
        QT_TRANSLATE_NOOP("transformar", "cuadrado")};
    for (int eje = 0; eje < 2; ++eje) {
        Matriz<OptionButton>& m = eje == 0 ? c_.Option4 : c_.Option5;
        for (int k = 0; k <= m.UBound(); ++k) {
            OptionButton* o = &m(k);
            alCambiarIdioma(o, ClaveTexto::Nombre,
                            [o, eje, n = nombres[static_cast<std::size_t>(k)]] {
                                o->setAccessibleName(
                                    QCoreApplication::translate("transformar", "%1: %2")
                                        .arg(eje == 0 ? QStringLiteral("x") : QStringLiteral("y"),
                                             QCoreApplication::translate("transformar", n)));
                            });
        }
    }
    traducirNombre(*c_.Picture8, FUENTE("transformar", "Residuos sin transformar"));
    traducirNombre(*c_.Picture9, FUENTE("transformar", "Residuos transformados"));
    traducirNombresDeLaminas(f_, *this);
}

std::vector<QWidget*> VistaTransformar::ordenDeTab() {
    std::vector<QWidget*> orden;
    for (Matriz<OptionButton>* m : {&c_.Option4, &c_.Option5}) {
        for (OptionButton* o : *m) {
            orden.push_back(o);
        }
    }
    orden.push_back(c_.Check4);
    return orden;
}

} // namespace rectaviva
