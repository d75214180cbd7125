// The points as copied, with the data's own values beside the transformed ones.
#include "tabla_puntos.h"

#include "dato.h"
#include "mensajes.h"
#include "muestra_transformada.h"

#include <QCoreApplication>

namespace rectaviva {

std::vector<QStringList> tablaDePuntos(const Globales& g, const QString& punto) {
    const std::string p = punto.toStdString();
    const auto texto = [](const std::string& t) { return QString::fromStdString(t); };
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
                f << texto(textoValor(g, k, true, p));
            }
            if (ty != Transformacion::Ninguna) {
                f << texto(textoValor(g, k, false, p));
            }
        }
        f << (g.activo(k) == 1 ? QStringLiteral("1") : QStringLiteral("0"));
        filas.push_back(f);
    }
    return filas;
}

} // namespace rectaviva
