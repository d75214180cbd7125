// The menu choices of the long random run, and its data sets by year.
#include "eventos_aleatorios.h"
#include "vista_retos.h"
#include "vista_transformar.h"

#include <cmath>

namespace rectaviva::pruebas {

void EventosAleatorios::menuVer() {
    switch (uniforme(0, 8)) {
    case 0:
        describir("Analisis de varianza");
        f_.mnuAv->accion()->trigger();
        break;
    case 1:
        describir("Prediccion");
        f_.mnuPr->accion()->trigger();
        break;
    case 2:
        describir("Bandas de confianza 95%");
        f_.mnuBan->accion()->trigger();
        break;
    case 3:
        describir("Valores p exactos");
        f_.mnuExa->accion()->trigger();
        break;
    case 4: {
        // The simulation's panel and one of its commands: a batch, the
        // animation with one tick, a new start, a statistic or a mode.
        const int k = uniforme(0, 12);
        describir("Simulacion, command " + std::to_string(k));
        f_.mnuSim->accion()->trigger();
        if (k < 6) {
            f_.Command1(k).click();
            if (k == animar) {
                f_.Timer2_Timer();
            }
        } else if (k < 10) {
            f_.Option1(k - 6).click();
        } else {
            f_.Option2(k - 10).click();
        }
        break;
    }
    case 5: {
        // A data set: the plot takes its range until the next Generar.
        const int k = uniforme(0, static_cast<int>(f_.mnuConjunto.size()));
        if (k == static_cast<int>(f_.mnuConjunto.size())) {
            datosPorAno();
            break;
        }
        describir("example set " + std::to_string(k));
        f_.mnuConjunto[static_cast<std::size_t>(k)]->accion()->trigger();
        refresco_ = true;
        // Half the time through a transformation, which values may refuse.
        if (uniforme(0, 1) == 1) {
            const auto tx = static_cast<Transformacion>(uniforme(0, 5));
            const auto ty = static_cast<Transformacion>(uniforme(0, 4));
            describir("Transformar " + std::to_string(static_cast<int>(tx)) + " " +
                      std::to_string(static_cast<int>(ty)));
            vistaDe<VistaTransformar>(f_).transformar(tx, ty);
        }
        break;
    }
    case 6: {
        // Back or forward one step: the sample as a gesture found or left it.
        const bool atras = uniforme(0, 2) > 0;
        describir(atras ? "Deshacer" : "Rehacer");
        const int paso = f_.pila().index();
        (atras ? f_.mnuDes : f_.mnuReh)->accion()->trigger();
        refresco_ = f_.pila().index() != paso; // a step taken refits from scratch
        break;
    }
    case 7: {
        // A challenge's round by its code, then a guess (or an answer about
        // the residuals) checked, another round, or the end, which puts the
        // sample back.
        const int reto = uniforme(0, 3), codigo = uniforme(primerCodigo, ultimoCodigo);
        const int k = uniforme(0, 2);
        describir("challenge " + std::to_string(reto) + " " + std::to_string(codigo) +
                  ", command " + std::to_string(k));
        const int paso = f_.pila().index();
        vistaDe<VistaRetos>(f_).jugarCodigo(static_cast<Reto>(reto), codigo);
        escribir(*f_.Text8, QString::number(static_cast<double>(real(-1, 1)), 'f', 2), false);
        f_.Option3(uniforme(0, numPatrones - 1)).click();
        f_.Command2(k).click();
        // A round that loaded its cloud, or the end, refits from scratch; a
        // residual round still at its lineup has left the sample as it was.
        refresco_ = f_.pila().index() != paso || k == ordenTerminar;
        break;
    }
    default: {
        const int k = uniforme(0, 7);
        describir("sheet " + std::to_string(k));
        emit f_.Image2(k).Click();
    }
    }
    ++menus_;
}

void EventosAleatorios::datosPorAno() {
    MuestraDatos d;
    const int n = uniforme(10, 50);
    const double desde = uniforme(1900, 2000), nivel = std::pow(10.0, uniforme(-2, 8));
    for (int k = 0; k < n; ++k) {
        d.x.push_back(desde + k);
        d.y.push_back(std::round(nivel * (1 + 0.02 * k + 0.01 * real(-1, 1)) * 100) / 100);
    }
    d.nombreX = "Año";
    d.decimalesY = 2;
    describir("data by year from " + std::to_string(desde) + ", " + std::to_string(n) + " points");
    f_.cargarDatos(d);
    refresco_ = true;
}

} // namespace rectaviva::pruebas
