// The simulation panel's texts: the counts of a batch beside the shares the
// theory expects at the critical values the intervals and the test used
// (and, where the table's interpolated value is not the level's, what it
// covers instead), or in the resampling modes the shuffles' p-value and the
// percentile interval beside what the boxes say of the same sample.
#include "simulacion.h"

#include "Tablas.h"
#include "redondeo.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace rectaviva {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QString enQt(const std::string& s) {
    return QString::fromStdString(s);
}

QString indefinido() {
    return QString::fromUtf8(textoIndefinido.data(),
                             static_cast<qsizetype>(textoIndefinido.size()));
}

// A count for a plural text: Qt takes an int, far beyond what the panel's
// batches can add in a session.
int cuenta(std::int64_t n) {
    return static_cast<int>(std::min<std::int64_t>(n, std::numeric_limits<int>::max()));
}

} // namespace

QString PresentacionSimulacion::porcentaje(double parte) const {
    return std::isfinite(parte) ? enQt(m_.texto(S(100 * parte), Formato::UnDecimal)) : indefinido();
}

QString PresentacionSimulacion::nivel(Single v) const {
    return enQt(m_.texto(v, v == std::round(v) ? Formato::Entero : Formato::UnDecimal));
}

void PresentacionSimulacion::mostrarCuentas(const Simulador& s, Estadistica e) {
    const Simulador::Teoria t = s.teoria(e);
    const Simulador::Resumen& r = s.resumen(e);
    const Formato f = Formato::DosDecimales;
    const auto valor = [&](double v) {
        return std::isfinite(v) ? enQt(numero(v, f)) : indefinido();
    };
    const QString nombre = QString::fromUtf8(nombreEstadistica(e));
    if (!s.valida() || (s.muestras() == 0 && s.sinPendiente() == 0)) {
        p_.Label8(cuentaSimulada)
            .setCaption(!s.valida() ? QCoreApplication::translate(
                                          "simulacion",
                                          "Con todas las x iguales no hay pendiente que simular.")
                                    : QCoreApplication::translate(
                                          "simulacion", "Sin muestras: pulsa 1, 10, 100 o 1000."));
        for (int k = mediaSimulada; k <= notaTabla; ++k) {
            p_.Label8(k).setCaption(QString());
        }
        return;
    }
    if (s.modo() != Modo::Modelo) {
        mostrarRemuestreo(s);
        return;
    }
    p_.Label8(cuentaSimulada)
        .setCaption(QCoreApplication::translate("simulacion", "%n muestras de %1 puntos", nullptr,
                                                cuenta(s.muestras()))
                        .arg(s.n()));
    p_.Label8(mediaSimulada)
        .setCaption(QCoreApplication::translate("simulacion", "Media de %1: %2 (teoría %3)")
                        .arg(nombre, valor(r.n > 0 ? r.media : kNaN), valor(t.media)));
    p_.Label8(desviacionSimulada)
        .setCaption(QCoreApplication::translate("simulacion", "Desv. estándar: %1 (teoría %2)")
                        .arg(valor(r.desviacion()), valor(t.error)));
    // Each count beside the share its interval or test really has at the
    // critical value used, which the table's interpolation may move off
    // the level.
    const std::int64_t m = s.contados();
    const Simulador::Esperado esperado = s.esperado();
    p_.Label8(cubrenSimulados)
        .setCaption(QCoreApplication::translate("simulacion",
                                                "%1 de %n intervalos contienen β₁ (esperado %2 %)",
                                                nullptr, cuenta(m))
                        .arg(s.cubren())
                        .arg(porcentaje(esperado.cubren)));
    p_.Label8(prediccionesSimuladas)
        .setCaption(QCoreApplication::translate(
                        "simulacion",
                        "%1 de %n observaciones nuevas en x = %2 en su intervalo (esperado %3 %)",
                        nullptr, cuenta(m))
                        .arg(s.predicciones())
                        .arg(enQt(numero(D(s.xPred()), Formato::UnDecimal)),
                             porcentaje(esperado.predicciones)));
    p_.Label8(mediasSimuladas)
        .setCaption(QCoreApplication::translate(
                        "simulacion",
                        "%1 de %n intervalos de la respuesta media la contienen (esperado %2 %)",
                        nullptr, cuenta(m))
                        .arg(s.medias())
                        .arg(porcentaje(esperado.medias)));
    const QString parte =
        porcentaje(m > 0 ? static_cast<double>(s.rechazos()) / static_cast<double>(m) : kNaN);
    p_.Label8(rechazosSimulados)
        .setCaption(
            s.beta1() == 0
                ? QCoreApplication::translate(
                      "simulacion", "La prueba rechaza β₁ = 0 en el %1 %: error de tipo I "
                                    "(esperado %2 %)")
                      .arg(parte, porcentaje(esperado.rechazos))
                : QCoreApplication::translate("simulacion",
                                              "La prueba rechaza β₁ = 0 en el %1 %: es su potencia "
                                              "al %2 % (esperada %3 %)")
                      .arg(parte, nivel(S(100 - D(s.nivelConf()))), porcentaje(esperado.rechazos)));
    p_.Label8(notaTabla).setCaption(notaDeLaTabla(s, esperado));
}

// A critical value covers the level's share when the two agree to the
// tenth of a per cent shown; the exact quantile always does, the table's
// only at its columns.
QString PresentacionSimulacion::notaDeLaTabla(const Simulador& s,
                                              const Simulador::Esperado& esperado) const {
    const std::pair<Single, double> intervalos[] = {{s.criticoConf(), esperado.cubren},
                                                    {s.criticoPred(), esperado.predicciones}};
    const Single niveles[] = {s.nivelConf(), s.nivelPred()};
    for (std::size_t k = 0; k < 2; ++k) {
        const auto [q, cubre] = intervalos[k];
        if (std::isfinite(cubre) && porcentaje(cubre) != porcentaje(D(niveles[k]) / 100)) {
            return QCoreApplication::translate(
                       "simulacion",
                       "La tabla interpola: su valor crítico %1 da un %2 % en vez de %3 %")
                .arg(enQt(m_.texto(q, Formato::DosDecimales)), porcentaje(cubre),
                     nivel(niveles[k]));
        }
    }
    return {};
}

// The resampling modes: what the shuffles or the resamples give beside what
// the boxes say of the same sample: the t test's exact p-value, whatever the
// look-up, and the t interval at the current level, with the percentile
// interval at that level too.
void PresentacionSimulacion::mostrarRemuestreo(const Simulador& s) {
    const Simulador::Resumen& r = s.resumen(Estadistica::Pendiente);
    const Formato f = Formato::DosDecimales;
    const bool barajar = s.modo() == Modo::Barajar;
    const auto valor = [&](double v) {
        return std::isfinite(v) ? enQt(numero(v, f)) : indefinido();
    };
    p_.Label8(cuentaSimulada)
        .setCaption((barajar
                         ? QCoreApplication::translate("simulacion", "%n barajadas de %1 puntos",
                                                       nullptr, cuenta(s.muestras()))
                         : QCoreApplication::translate("simulacion", "%n remuestras de %1 puntos",
                                                       nullptr, cuenta(s.muestras())))
                        .arg(s.n()));
    p_.Label8(mediaSimulada)
        .setCaption(
            QCoreApplication::translate("simulacion", "Media de b*: %1; b de la muestra: %2")
                .arg(valor(r.n > 0 ? r.media : kNaN), valor(s.propia())));
    p_.Label8(desviacionSimulada)
        .setCaption(QCoreApplication::translate("simulacion", "Desv. estándar de b*: %1")
                        .arg(valor(r.desviacion())));
    const Pantalla& cajas = m_.pantalla();
    if (barajar) {
        // (count + 1)/(M + 1) is never 0: below 0.0001 it reads "<0.0001".
        p_.Label8(cubrenSimulados)
            .setCaption(QCoreApplication::translate("simulacion",
                                                    "|b*| ≥ |b| en %1 de %n barajadas: valor p %2",
                                                    nullptr, cuenta(s.muestras()))
                            .arg(s.extremos())
                            .arg(enQt(m_.textoValorP(S(s.valorPAleatorio())))));
        const Integer gl = g_.nActivos - 2;
        p_.Label8(prediccionesSimuladas)
            .setCaption(QCoreApplication::translate("simulacion",
                                                    "Valor p de la prueba t de la pendiente: %1")
                            .arg(enQt(m_.textoValorP(pValorTExacto(g_.tPendiente, gl)))));
        p_.Label8(mediasSimuladas).setCaption(QString());
    } else {
        const QString conf = cajas.Text1(9).Text().trimmed();
        const auto [li, ls] = s.percentil(g_.nivelConf);
        p_.Label8(cubrenSimulados)
            .setCaption(
                QCoreApplication::translate("simulacion", "Intervalo percentil al %1 %: %2 a %3")
                    .arg(conf, valor(li), valor(ls)));
        p_.Label8(prediccionesSimuladas)
            .setCaption(
                QCoreApplication::translate("simulacion", "Intervalo t al %1 %: %2 a %3")
                    .arg(conf, cajas.Text1(7).Text().trimmed(), cajas.Text1(8).Text().trimmed()));
        p_.Label8(mediasSimuladas)
            .setCaption(s.sinPendiente() > 0 ? QCoreApplication::translate(
                                                   "simulacion", "%n remuestras sin pendiente",
                                                   nullptr, cuenta(s.sinPendiente()))
                                             : QString());
    }
    p_.Label8(rechazosSimulados).setCaption(QString());
    p_.Label8(notaTabla).setCaption(QString());
}

QString PresentacionSimulacion::resumen() const {
    QStringList partes;
    for (int k : {cuentaSimulada, mediaSimulada, desviacionSimulada, cubrenSimulados,
                  prediccionesSimuladas, mediasSimuladas, rechazosSimulados, notaTabla}) {
        if (!p_.Label8(k).Caption().isEmpty()) {
            partes << p_.Label8(k).Caption();
        }
    }
    return partes.join(QStringLiteral(". "));
}

} // namespace rectaviva
