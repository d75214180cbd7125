// What "Transformar" draws: the residual plots of the panel before and after
// the transformation, and the data's own scale over the plot.
#include "vista_transformar.h"

#include "Form1.h"
#include "mensajes.h"
#include "muestra_transformada.h"
#include "plano_transformado.h"
#include "redondeo.h"

namespace rectaviva {

namespace {

// Every point in the data's own units, and whether it is in use.
PuntosOriginales originales(const Globales& g) {
    PuntosOriginales p;
    for (Integer k = 1; k <= g.nPuntos; ++k) {
        p.x.push_back(originalX(g, k));
        p.y.push_back(originalY(g, k));
        p.enUso.push_back(g.activo(k) == 1);
    }
    return p;
}

} // namespace

// The prediction's critical value at its level, from the boxes' look-up, for
// n points in use.
double VistaTransformar::cuantilPrediccion(std::size_t n) const {
    Single t = 0;
    g_.oTablas->cuantila(t, g_.nivelPred, static_cast<Integer>(n - 2), g_.valoresT, g_.probT);
    return D(t);
}

// The residuals of the untransformed fit and of the transformed one, each
// against its own abscissa, with each fit's R².
void VistaTransformar::dibujarResiduos() {
    const auto [x, y] = originalesEnUso(g_);
    for (int k = 0; k < 2; ++k) {
        const Transformacion tx = k == 0 ? Transformacion::Ninguna : transformacionX(g_);
        const Transformacion ty = k == 0 ? Transformacion::Ninguna : transformacionY(g_);
        const AjusteTransformado a = ajustarTransformado(x, y, tx, ty);
        std::vector<double> u, e;
        for (std::size_t i = 0; i < x.size() && a.valido; ++i) {
            u.push_back(rectaviva::transformar(tx, x[i]));
            e.push_back(rectaviva::transformar(ty, y[i]) - (a.a + a.b * u.back()));
        }
        (k == 0 ? c_.Picture8 : c_.Picture9)->setPintorFondo([u, e](QPainter& q, const QRectF& r) {
            pintarResiduosChicos(q, r, u, e);
        });
        // Each R² names its variable: one of y and one of log₁₀(y) do not compare.
        c_.Label10(k == 0 ? antes : despues)
            .setCaption(
                (k == 0
                     ? QCoreApplication::translate("transformar", "Sin transformar, R² de y: %1 %")
                           .arg(cifras(100 * a.R2))
                     : QCoreApplication::translate("transformar", "Transformado, R² de %1: %2 %")
                           .arg(traducir(expresion(ty), QStringLiteral("y")), cifras(100 * a.R2))));
    }
}

void VistaTransformar::dibujarPlano() {
    PlanoOriginal::Contenido c;
    c.puntos = originales(g_);
    const auto [x, y] = originalesEnUso(g_);
    c.tx = transformacionX(g_);
    c.ty = transformacionY(g_);
    c.ajuste = ajustarTransformado(x, y, c.tx, c.ty);
    c.bandas = g_.bandasActivas == 1;
    c.nivel = D(g_.nivelPred);
    if (c.ajuste.valido) {
        c.cuantilT = cuantilPrediccion(x.size());
    }
    c.tituloX = nombreMostrado(g_.nombreX);
    c.tituloY = nombreMostrado(g_.nombreY);
    plano_->setContenido(std::move(c));
}

} // namespace rectaviva
