// Every sentence the challenges' panel writes and a screen reader hears, in
// the language in use: the questions, the targets, the results and what
// each round teaches.
#include "vista_retos.h"

#include "dialogo_reto.h"
#include "formatos.h"
#include "mostrar.h"

#include <QStringList>

#include <cmath>

namespace rectaviva {

namespace {

// The six answers, in the order of Patron.
constexpr const char* respuestas[numPatrones] = {
    QT_TRANSLATE_NOOP("retos", "Nada indica que el modelo falle"),
    QT_TRANSLATE_NOOP("retos", "Curvatura: la relación no es una recta"),
    QT_TRANSLATE_NOOP("retos", "La dispersión crece (o decrece) con x"),
    QT_TRANSLATE_NOOP("retos", "Un valor atípico en y"),
    QT_TRANSLATE_NOOP("retos", "Un punto de mucha palanca que tira de la recta"),
    QT_TRANSLATE_NOOP("retos", "Dos grupos distintos")};

// What each pattern is, on the student's plot, and what one does about it.
constexpr const char* queEs[numPatrones] = {
    QT_TRANSLATE_NOOP("retos", "Los residuos forman una banda horizontal de ancho parejo, sin "
                               "forma: una recta con dispersión constante describe los datos."),
    QT_TRANSLATE_NOOP("retos", "Los residuos siguen un arco, la curva marcada: la relación no "
                               "es una recta."),
    QT_TRANSLATE_NOOP("retos", "Los residuos se abren (o se cierran) a lo largo de x, entre las "
                               "dos rectas marcadas: la varianza no es constante."),
    QT_TRANSLATE_NOOP("retos", "Un residuo queda muy lejos de los demás, el del punto marcado: un "
                               "valor atípico en y, con x cerca del centro."),
    QT_TRANSLATE_NOOP("retos", "El punto marcado está lejos en x y tira de la recta hacia sí: su "
                               "residuo puede ser pequeño, pero inclina los de los demás."),
    QT_TRANSLATE_NOOP("retos", "Los residuos forman dos nubes, en dos colores: los puntos vienen "
                               "de dos grupos distintos.")};
constexpr const char* queHacer[numPatrones] = {
    QT_TRANSLATE_NOOP("retos", "Nada en los residuos muestra que la recta falle, aunque eso no "
                               "prueba que sea el modelo correcto."),
    QT_TRANSLATE_NOOP("retos", "Se transforma una variable en «Transformar…»: logaritmo, raíz, "
                               "inversa o x², con la que se ajusta y = a + b·x² en lugar de la "
                               "recta."),
    QT_TRANSLATE_NOOP("retos", "Se transforma y (logaritmo, raíz) o se usan mínimos cuadrados "
                               "ponderados: los errores estándar, los intervalos y las pruebas "
                               "suponen varianza constante."),
    QT_TRANSLATE_NOOP("retos", "Se revisa ese dato (¿un error al copiarlo? ¿otra población?) y se "
                               "informa el ajuste con y sin él; no se borra solo porque estorba."),
    QT_TRANSLATE_NOOP("retos", "Se revisa ese punto, se ajusta con y sin él, y no se extrapola más "
                               "allá de los datos."),
    QT_TRANSLATE_NOOP("retos", "Se ajusta un modelo por grupo, o se agrega al modelo una variable "
                               "que indique el grupo.")};
// What the chosen pattern would have looked like, after a wrong answer.
constexpr const char* comoSeVeria[numPatrones] = {
    QT_TRANSLATE_NOOP("retos", "Sin patrón se vería una banda horizontal pareja alrededor de 0."),
    QT_TRANSLATE_NOOP("retos", "Una curvatura se vería como un arco: residuos positivos en los "
                               "extremos y negativos en medio, o al revés."),
    QT_TRANSLATE_NOOP("retos", "Una dispersión que cambia se vería como un embudo: residuos cada "
                               "vez más abiertos, o más juntos, a lo largo de x."),
    QT_TRANSLATE_NOOP("retos", "Un valor atípico se vería como un residuo solo, muy arriba o muy "
                               "abajo de la banda de los demás."),
    QT_TRANSLATE_NOOP("retos", "Un punto de mucha palanca se vería solo, lejos en x, con los demás "
                               "residuos inclinados por él."),
    QT_TRANSLATE_NOOP("retos", "Dos grupos se verían como dos nubes de residuos separadas, cada "
                               "una con su nivel o su tendencia.")};

QString traducido(const char* t) {
    return QCoreApplication::translate("retos", t);
}

} // namespace

QString nombreDePatron(Patron p) {
    return traducido(respuestas[static_cast<int>(p)]);
}

QString nombreDeRespuesta(Patron p) {
    return QCoreApplication::translate("retos", "Respuesta sobre los residuos: %1")
        .arg(nombreDePatron(p));
}

QString VistaRetos::numero(double v, int decimales) const {
    return QString::fromStdString(formatearDecimales(v, decimales, m_->puntoDecimal()));
}

QString VistaRetos::textoObjetivo() const {
    const Objetivo& o = ronda_->objetivo;
    switch (o.tipo) {
    case TipoObjetivo::Correlacion:
        return QCoreApplication::translate("retos", "r = %1 (± %2)")
            .arg(numero(o.valor), numero(o.tolerancia));
    case TipoObjetivo::Pendiente:
        return QCoreApplication::translate("retos", "pendiente %1 (± %2) con R² al menos %3 %")
            .arg(numero(o.valor), numero(o.tolerancia), numero(o.minimoR2, 0));
    case TipoObjetivo::Plana:
        return QCoreApplication::translate(
                   "retos",
                   "r cerca de 0 (|r| ≤ %1) con una recta que sí describe los puntos (s ≤ %2)")
            .arg(numero(o.tolerancia), numero(o.valor, 0));
    }
    return {};
}

QString VistaRetos::textoPregunta() const {
    switch (ronda_->reto) {
    case Reto::Correlacion:
        return QCoreApplication::translate(
            "retos",
            "¿Cuánto vale r en esta nube de %n puntos? Lo que delata r está oculto hasta "
            "Comprobar.",
            nullptr, static_cast<int>(ronda_->puntos.size()));
    case Reto::Recta:
        return QCoreApplication::translate(
            "retos", "Lleva tu recta, por sus asas, adonde creas que va la de mínimos cuadrados, y "
                     "pulsa Comprobar.");
    case Reto::Nube:
        return QCoreApplication::translate("retos",
                                           "Mueve, elimina y recupera puntos hasta lograr %1.")
            .arg(textoObjetivo());
    case Reto::Residuos:
        return textoPreguntaResiduos();
    }
    return {};
}

QString VistaRetos::textoResultado() const {
    const RondaJugada& j = historial_.rondas().back();
    switch (j.reto) {
    case Reto::Correlacion: {
        QString t = QCoreApplication::translate(
                        "retos", "r = %1. Tu respuesta: %2; error %3: %n puntos.", nullptr, puntos_)
                        .arg(numero(j.verdad), numero(j.respuesta), numero(j.error));
        if (bono_ > 0) {
            t += QLatin1Char(' ') + QCoreApplication::translate("retos", "Racha de %1: +%2.")
                                        .arg(historial_.rachaActual())
                                        .arg(bono_);
        }
        return t;
    }
    case Reto::Recta:
        return QCoreApplication::translate(
                   "retos", "SCErr de mínimos cuadrados %1; la de tu recta %2: %n puntos.", nullptr,
                   puntos_)
            .arg(numero(j.verdad, 1), numero(j.respuesta, 1));
    case Reto::Residuos:
        return j.puntos > 0
                   ? QCoreApplication::translate("retos", "¡Correcto! %n puntos.", nullptr, puntos_)
                   : QCoreApplication::translate("retos", "Incorrecto: %n puntos.", nullptr,
                                                 puntos_);
    case Reto::Nube:
        return QCoreApplication::translate("retos",
                                           "Objetivo logrado con %n movimientos: %1 puntos.",
                                           nullptr, j.movimientos)
            .arg(puntos_);
    }
    return {};
}

QString VistaRetos::textoExplicacion() const {
    if (ronda_->reto == Reto::Recta) {
        return QCoreApplication::translate(
            "retos",
            "La recta de mínimos cuadrados deja la menor suma de cuadrados posible: ninguna "
            "otra recta, tampoco la tuya, deja menos.");
    }
    if (ronda_->reto == Reto::Nube || ronda_->reto == Reto::Residuos) {
        return {};
    }
    switch (ronda_->engano) {
    case Engano::Ninguno:
        return {};
    case Engano::Curva:
        return QCoreApplication::translate(
            "retos",
            "Los puntos siguen una curva: la relación es fuerte, pero r solo mide cuánto se "
            "parecen a una recta.");
    case Engano::Atipico:
        return QCoreApplication::translate(
            "retos", "Un punto lejos de los demás pesa mucho en r: puede crear una correlación que "
                     "la nube no tiene, o romper la que tiene.");
    case Engano::Grupos:
        return QCoreApplication::translate(
            "retos", "Son dos grupos separados: r mide sobre todo la distancia entre ellos, no una "
                     "tendencia dentro de cada uno.");
    }
    return {};
}

QString VistaRetos::textoPreguntaResiduos() const {
    if (enRueda_) {
        return QCoreApplication::translate(
            "retos", "Paso 1 de 2, antes de ver tus datos: en la «Rueda de residuos», uno de los "
                     "veinte gráficos es el de tu muestra, en un lugar al azar. ¿Cuál destaca? "
                     "Al cerrarla verás tu nube.");
    }
    QStringList t;
    for (int k = 0; k < numPatrones; ++k) {
        t << nombreDePatron(static_cast<Patron>(k));
    }
    return QCoreApplication::translate(
               "retos", "¿Qué dicen los residuos de estos %n puntos? Las respuestas: %1.", nullptr,
               static_cast<int>(ronda_->puntos.size()))
        .arg(t.join(QStringLiteral("; ")));
}

// What the pattern is and what one does about it; after a wrong answer, also
// what the chosen pattern would have looked like.
QString VistaRetos::textoResiduos() const {
    const auto verdad = static_cast<std::size_t>(ronda_->patron);
    QString t = traducido(queEs[verdad]) + QLatin1Char(' ') + traducido(queHacer[verdad]);
    if (respuesta_ && *respuesta_ != ronda_->patron) {
        t += QLatin1Char(' ') + traducido(comoSeVeria[static_cast<std::size_t>(*respuesta_)]);
        if (*respuesta_ == Patron::Ninguno) {
            t += QLatin1Char(' ') + QCoreApplication::translate(
                                        "retos", "La «Rueda de residuos» pone a prueba al ojo.");
        }
    }
    return t;
}
} // namespace rectaviva
