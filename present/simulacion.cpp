// The simulation's drawing. The histogram and the strip have the unit
// square as their scale (y down); every value is mapped onto it here.
#include "simulacion.h"

#include "Grafico.h"
#include "redondeo.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace rectaviva {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The strip spans the true slope ± 5 standard errors of b: an interval at
// 99 % reaches about ± 2.6 of them on each side of b.
constexpr double kAnchoTira = 5;

// Where v lies across [desde, hasta], 0..1.
double fraccion(double v, double desde, double hasta) {
    return (v - desde) / (hasta - desde);
}

QString enQt(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

const char* nombreEstadistica(Estadistica e) {
    switch (e) {
    case Estadistica::Pendiente:
        return "b";
    case Estadistica::Intercepto:
        return "a";
    case Estadistica::Varianza:
        return "s²";
    case Estadistica::T:
        break;
    }
    return "t";
}

double valorPropio(const Globales& g, Estadistica e, double beta1) {
    switch (e) {
    case Estadistica::Pendiente:
        return D(g.pendiente);
    case Estadistica::Intercepto:
        return D(g.intercepto);
    case Estadistica::Varianza:
        return D(g.varError);
    case Estadistica::T:
        break;
    }
    return (D(g.pendiente) - beta1) / D(g.eePendiente);
}

std::string PresentacionSimulacion::numero(double v, Formato f) const {
    return m_.textoEnUnidades(S(v), f);
}

void PresentacionSimulacion::ocultarSimulacion() {
    p_.Line19.setVisible(false);
    for (Line* l : p_.Line20) {
        l->setVisible(false);
    }
    p_.Line21.setVisible(false);
    for (Shape* s : p_.Shape10) {
        s->setVisible(false);
    }
}

void PresentacionSimulacion::mostrarSimulacion(const Simulador& s, Estadistica e, bool animada) {
    if (!s.valida()) {
        ocultarSimulacion();
    } else {
        if (s.modo() == Modo::Modelo) {
            trazarRecta(p_.Line19, g_, S(s.beta0()), S(s.beta1()));
        } else {
            p_.Line19.setVisible(false);
        }
        const std::vector<Simulador::Recta> rectas = s.rectas();
        for (int k = 0; k < Simulador::kLineas; ++k) {
            Line& l = p_.Line20(k);
            if (k < static_cast<int>(rectas.size())) {
                trazarRecta(l, g_, rectas[static_cast<std::size_t>(k)].a,
                            rectas[static_cast<std::size_t>(k)].b);
            } else {
                l.setVisible(false);
            }
        }
        // The animated sample (the model's, a shuffle or a resample): its
        // points hollow, and its line.
        const std::vector<Single>& y = s.ultimaMuestra();
        const std::vector<Single>& x = s.ultimaX();
        const bool ver = animada && !rectas.empty() && !y.empty() && y.size() == x.size();
        if (ver) {
            trazarRecta(p_.Line21, g_, rectas.back().a, rectas.back().b);
        } else {
            p_.Line21.setVisible(false);
        }
        const Shape& modelo = m_.pantalla().Shape1(1);
        for (int k = 1; k <= maxPuntos; ++k) {
            Shape& m = p_.Shape10(k);
            const std::size_t i = static_cast<std::size_t>(k - 1);
            const bool dentro =
                ver && !enNube(g_) && i < y.size() && y[i] >= g_.yMin && y[i] <= g_.yMax;
            if (dentro) {
                // Placed by the markers' own rule, at their size.
                const Esquina c = esquinaMarcador(g_, x[i], y[i]);
                m.Move(c.left, c.top, modelo.Width(), modelo.Height());
            }
            m.setVisible(dentro);
        }
    }
    mostrarHistograma(s, e);
    mostrarIntervalos(s);
    mostrarCuentas(s, e);
}

void PresentacionSimulacion::mostrarHistograma(const Simulador& s, Estadistica e) {
    const Simulador::Teoria t = s.teoria(e);
    const bool hay = s.valida() && s.muestras() > 0;
    const double ancho = (t.hasta - t.desde) / Simulador::kBarras;
    const auto& barras = s.barras(e);
    // The theoretical density at the ends of the curve's segments (the model
    // only), and the bars as densities (count over samples and width), so
    // that their area is the share of samples and the curve lies over them.
    std::array<double, kDensidad + 1> curva;
    double tope = 0;
    for (int k = 0; k <= kDensidad; ++k) {
        const double d = s.valida() && s.modo() == Modo::Modelo
                             ? s.densidad(e, t.desde + (t.hasta - t.desde) * k / kDensidad)
                             : kNaN;
        curva[static_cast<std::size_t>(k)] = d;
        if (std::isfinite(d)) {
            tope = std::max(tope, d);
        }
    }
    const double total = static_cast<double>(std::max<std::int64_t>(s.muestras(), 1));
    for (std::int64_t c : barras) {
        tope = std::max(tope, static_cast<double>(c) / (total * ancho));
    }
    const double escala = s.valida() && tope > 0 ? 0.92 / tope : 0;
    for (int k = 0; k < Simulador::kBarras; ++k) {
        Shape& b = p_.Shape11(k);
        const double alto =
            static_cast<double>(barras[static_cast<std::size_t>(k)]) / (total * ancho) * escala;
        if (hay && alto > 0) {
            b.Move(static_cast<double>(k) / Simulador::kBarras, 1 - alto, 1.0 / Simulador::kBarras,
                   alto);
        }
        b.setVisible(hay && alto > 0);
    }
    for (int k = 0; k < kDensidad; ++k) {
        Line& l = p_.Line22(k);
        const double x0 = static_cast<double>(k) / kDensidad;
        const double x1 = static_cast<double>(k + 1) / kDensidad;
        const double d0 = curva[static_cast<std::size_t>(k)];
        const double d1 = curva[static_cast<std::size_t>(k + 1)];
        const bool ver = std::isfinite(d0) && std::isfinite(d1);
        if (ver) {
            l.setExtremos(x0, 1 - std::min(d0 * escala, 1.0), x1, 1 - std::min(d1 * escala, 1.0));
        }
        l.setVisible(ver);
    }
    marcarPropio(s, e);
    const Formato f = Formato::DosDecimales;
    p_.Label8(tituloHistograma)
        .setCaption(QCoreApplication::translate("simulacion", "Distribución de %1")
                        .arg(s.modo() == Modo::Modelo ? QString::fromUtf8(nombreEstadistica(e))
                                                      : QStringLiteral("b*")));
    p_.Label8(ejeIzquierdo).setCaption(s.valida() ? enQt(numero(t.desde, f)) : QString());
    p_.Label8(ejeCentro).setCaption(s.valida() ? enQt(numero((t.desde + t.hasta) / 2, f))
                                               : QString());
    p_.Label8(ejeDerecho).setCaption(s.valida() ? enQt(numero(t.hasta, f)) : QString());
}

void PresentacionSimulacion::marcarPropio(const Simulador& s, Estadistica e) {
    const Simulador::Teoria t = s.teoria(e);
    const double x = fraccion(valorPropio(g_, e, s.beta1()), t.desde, t.hasta);
    const bool ver = s.valida() && std::isfinite(x) && x >= 0 && x <= 1;
    if (ver) {
        p_.Line23.setExtremos(x, 0.78, x, 1);
    }
    p_.Line23.setVisible(ver);
}

void PresentacionSimulacion::mostrarIntervalos(const Simulador& s) {
    const std::vector<Simulador::Intervalo> iv = s.intervalos();
    const double error = s.valida() ? s.teoria(Estadistica::Pendiente).error : 0;
    const double desde = s.beta1() - kAnchoTira * error;
    const double hasta = s.beta1() + kAnchoTira * error;
    const int n = static_cast<int>(iv.size());
    for (int k = 0; k < Simulador::kIntervalos; ++k) {
        Line& l = p_.Line24(k);
        // The newest at the bottom: row k from the top holds interval n - 50 + k.
        const int i = k - (Simulador::kIntervalos - n);
        const bool ver = s.valida() && s.modo() == Modo::Modelo && i >= 0;
        if (ver) {
            const Simulador::Intervalo& v = iv[static_cast<std::size_t>(i)];
            const double y = (k + 0.5) / Simulador::kIntervalos;
            l.setExtremos(std::clamp(fraccion(D(v.li), desde, hasta), 0.0, 1.0), y,
                          std::clamp(fraccion(D(v.ls), desde, hasta), 0.0, 1.0), y);
            l.setBorderColor(v.cubre ? colorIntervaloCubre : colorIntervaloFalla);
        }
        l.setVisible(ver);
    }
    p_.Line25.setVisible(s.valida() && s.modo() == Modo::Modelo);
}

} // namespace rectaviva
