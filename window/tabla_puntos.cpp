// The points as copied, with the data's own values beside the transformed ones.
#include "tabla_puntos.h"

#include "dato.h"
#include "mensajes.h"
#include "muestra_transformada.h"

#include <QCoreApplication>

namespace rectaviva {

namespace {

QString texto(const std::string& t) {
    return QString::fromStdString(t);
}

// ", de ln(y) sobre ln(x)", as each result box's name ends while a
// transformation is on.
QString deSobre(const Globales& g) {
    return QCoreApplication::translate("transformar", ", de %1 sobre %2")
        .arg(traducir(expresion(transformacionY(g)), QStringLiteral("y")),
             traducir(expresion(transformacionX(g)), QStringLiteral("x")));
}

// A transformed value as loaded, with 10 significant digits: each one true
// of the transformation of the number as given, more than the sample's
// floats hold (7) or any example set's data (at most 9), so the copy loses
// nothing the fit used, without the 16 or 17 digits of a double's
// shortest text. A moved point keeps its float's own text.
QString transformado(const Globales& g, Integer k, bool enX, const QString& punto) {
    const double dato = enX ? g.xDato(k) : g.yDato(k);
    if (S(dato) != (enX ? g.xObs(k) : g.yObs(k))) {
        return texto(textoValor(g, k, enX, punto.toStdString()));
    }
    return QString::number(dato, 'g', 10).replace(QLatin1Char('.'), punto);
}

} // namespace

std::vector<QStringList> tablaDePuntos(const Globales& g, const QString& punto) {
    const std::string p = punto.toStdString();
    const Transformacion tx = transformacionX(g), ty = transformacionY(g);
    QStringList cabecera{QStringLiteral("k"), QStringLiteral("x"), QStringLiteral("y")};
    if (tx != Transformacion::Ninguna) {
        cabecera << traducir(expresion(tx), QStringLiteral("x"));
    }
    if (ty != Transformacion::Ninguna) {
        cabecera << traducir(expresion(ty), QStringLiteral("y"));
    }
    cabecera << QCoreApplication::translate("Form1", "en uso");
    std::vector<QStringList> filas{cabecera};
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        QStringList f{QString::number(k)};
        if (!hayTransformacion(g)) {
            f << texto(textoValor(g, k, true, p)) << texto(textoValor(g, k, false, p));
        } else {
            f << texto(textoExacto(originalX(g, k), p)) << texto(textoExacto(originalY(g, k), p));
            if (tx != Transformacion::Ninguna) {
                f << transformado(g, k, true, punto);
            }
            if (ty != Transformacion::Ninguna) {
                f << transformado(g, k, false, punto);
            }
        }
        f << (g.activo(k) == 1 ? QStringLiteral("1") : QStringLiteral("0"));
        filas.push_back(f);
    }
    return filas;
}

QString tituloTransformado(const Globales& g) {
    if (!hayTransformacion(g)) {
        return {};
    }
    return QCoreApplication::translate("transformar", "Ajuste de %1 sobre %2")
        .arg(traducir(expresion(transformacionY(g)), QStringLiteral("y")),
             traducir(expresion(transformacionX(g)), QStringLiteral("x")));
}

QString nombreEnCopia(const Globales& g, const QString& nombre) {
    const QString fin = hayTransformacion(g) ? deSobre(g) : QString();
    return !fin.isEmpty() && nombre.endsWith(fin) ? nombre.chopped(fin.size()) : nombre;
}

} // namespace rectaviva
