// The result panels, the bars and the undefined displays, run on the real
// controls: which box shows which value in which format, what mostrarInt
// leaves alone, and what each kind of degenerate sample shows.
#include "escenario.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>

namespace rectaviva {
namespace {

constexpr Single nan = std::numeric_limits<Single>::quiet_NaN();
constexpr Single inf = std::numeric_limits<Single>::infinity();
const QString raya = QString::fromUtf8("\u2014");

using Panel = Matriz<TextBox> Escenario::*;
using Campo = std::function<Single&(Globales&)>;

// One box of the panels, the value it shows, and a value with its text.
struct Caja {
    const char* nombre;
    Panel panel;
    int indice;
    Campo campo;
    Single valor;
    const char* texto;
};

#define CAMPO(f) [](Globales& g) -> Single& { return g.f; }

// Distinct values in every box, with the text each must show. The interval
// limits exercise the shortened formats on both sides of their thresholds.
const std::vector<Caja> cajas{
    {"intercepto", &Escenario::Text1, 0, CAMPO(intercepto), 1.234f, "1.23"},
    {"pendiente", &Escenario::Text1, 1, CAMPO(pendiente), -0.51f, "-0.51"},
    {"varError", &Escenario::Text1, 2, CAMPO(varError), 12.345f, "12.35"},
    {"eeIntercepto", &Escenario::Text1, 3, CAMPO(eeIntercepto), 2.5f, "2.50"},
    {"eePendiente", &Escenario::Text1, 4, CAMPO(eePendiente), 0.125f, "0.13"},
    {"liIntercepto", &Escenario::Text1, 5, CAMPO(liIntercepto), -10.0f, "-10.0"},
    {"lsIntercepto", &Escenario::Text1, 6, CAMPO(lsIntercepto), 99.004f, "99.0"},
    {"liPendiente", &Escenario::Text1, 7, CAMPO(liPendiente), -150.26f, "-150.26"},
    {"lsPendiente", &Escenario::Text1, 8, CAMPO(lsPendiente), 150.26f, "150.3"},
    {"nivelConf", &Escenario::Text1, 9, CAMPO(nivelConf), 95, "95"},
    {"tIntercepto", &Escenario::Text1, 10, CAMPO(tIntercepto), 100000, "100000.000"},
    {"tPendiente", &Escenario::Text1, 11, CAMPO(tPendiente), -3.14159f, "-3.142"},
    {"pIntercepto", &Escenario::Text1, 12, CAMPO(pIntercepto), 0.004f, "0.00"},
    {"pPendiente", &Escenario::Text1, 13, CAMPO(pPendiente), 0.049f, "0.05"},
    {"R2", &Escenario::Text1, 14, CAMPO(R2), 86.5f, "87"},
    {"mediaX", &Escenario::Text2, 0, CAMPO(mediaX), 20.5f, "20.50"},
    {"mediaY", &Escenario::Text2, 1, CAMPO(mediaY), -3.333f, "-3.33"},
    {"varX", &Escenario::Text2, 2, CAMPO(varX), 400.25f, "400.25"},
    {"varY", &Escenario::Text2, 3, CAMPO(varY), 0.001f, "0.00"},
    {"desvX", &Escenario::Text2, 4, CAMPO(desvX), 20.006f, "20.01"},
    {"desvY", &Escenario::Text2, 5, CAMPO(desvY), 7.777f, "7.78"},
    {"correlacion", &Escenario::Text2, 6, CAMPO(correlacion), -0.95f, "-0.95"},
    {"Sxx", &Escenario::Text2, 7, CAMPO(Sxx), 12345.67f, "12345.7"},
    {"Syy", &Escenario::Text2, 8, CAMPO(Syy), 0.05f, "0.1"},
    {"Sxy", &Escenario::Text2, 9, CAMPO(Sxy), -2.25f, "-2.3"},
    {"nivelPred", &Escenario::Text4, 0, CAMPO(nivelPred), 90, "90"},
    {"xPred", &Escenario::Text4, 1, CAMPO(xPred), 20, "20.0"},
    {"SCReg", &Escenario::Text3, 0, CAMPO(SCReg), 1000.25f, "1000.3"},
    {"SCErr", &Escenario::Text3, 1, CAMPO(SCErr), 10.04f, "10.0"},
    {"SCTot", &Escenario::Text3, 2, CAMPO(SCTot), 1010.29f, "1010.3"},
    {"CMReg", &Escenario::Text3, 6, CAMPO(CMReg), 1000.25f, "1000.3"},
    {"CMErr", &Escenario::Text3, 7, CAMPO(CMErr), 2.008f, "2.01"},
    {"valorF", &Escenario::Text3, 8, CAMPO(valorF), 498.133f, "498.133"},
    {"pAnova", &Escenario::Text3, 9, CAMPO(pAnova), 0.0001f, "0.00"},
    {"obsInferior", &Escenario::Text4, 2, CAMPO(banda(0, 21)), -5.555f, "-5.55"},
    {"obsSuperior", &Escenario::Text4, 3, CAMPO(banda(1, 21)), 45.675f, "45.67"},
    {"mediaInferior", &Escenario::Text4, 4, CAMPO(banda(2, 21)), 10.125f, "10.13"},
    {"mediaSuperior", &Escenario::Text4, 5, CAMPO(banda(3, 21)), 30, "30.00"},
    {"yPred", &Escenario::Text4, 6, CAMPO(yPred), 12.345f, "12.35"},
};

void llenarPaneles(Escenario& e) {
    e.presentacion->Mostrar();
    e.presentacion->mostrarAnova();
    e.presentacion->mostrarPred();
}

TEST(Paneles, CadaCajaMuestraSuValorEnSuFormato) {
    Escenario e;
    for (const Caja& c : cajas) {
        c.campo(e.g) = c.valor;
    }
    e.g.nActivos = 7;
    e.g.glReg = 1;
    e.g.glErr = 5;
    e.g.glTot = 6;
    llenarPaneles(e);
    for (const Caja& c : cajas) {
        EXPECT_EQ((e.*c.panel)(c.indice).Text(), QString::fromUtf8(c.texto)) << c.nombre;
    }
    EXPECT_EQ(e.Text2(10).Text(), "7 ");
    EXPECT_EQ(e.Text3(3).Text(), "1");
    EXPECT_EQ(e.Text3(4).Text(), "5");
    EXPECT_EQ(e.Text3(5).Text(), "6");
}

struct CasoLimite {
    const char* nombre;
    int indice;
    Campo campo;
    Single valor;
    const char* texto;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CasoLimite& c, std::ostream* os) {
    *os << c.nombre;
}

class LimitesIntervalo : public testing::TestWithParam<CasoLimite> {};

// Each limit box drops a decimal on its own side of its own threshold only.
TEST_P(LimitesIntervalo, FormatoSegunSuValor) {
    const auto& c = GetParam();
    Escenario e;
    c.campo(e.g) = c.valor;
    e.presentacion->mostrarInt();
    EXPECT_EQ(e.Text1(c.indice).Text(), c.texto) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LimitesIntervalo,
    testing::Values(CasoLimite{"liAMenosDiez", 5, CAMPO(liIntercepto), -10, "-10.0"},
                    CasoLimite{"liACasiMenosDiez", 5, CAMPO(liIntercepto), -9.996f, "-10.00"},
                    CasoLimite{"liAPositivoGrande", 5, CAMPO(liIntercepto), 150.26f, "150.26"},
                    CasoLimite{"lsANoventaYNueve", 6, CAMPO(lsIntercepto), 99, "99.00"},
                    CasoLimite{"lsASobreNoventaYNueve", 6, CAMPO(lsIntercepto), 99.004f, "99.0"},
                    CasoLimite{"lsANegativoGrande", 6, CAMPO(lsIntercepto), -150.26f, "-150.26"},
                    CasoLimite{"liBNegativoGrande", 7, CAMPO(liPendiente), -150.26f, "-150.26"},
                    CasoLimite{"liBGrande", 7, CAMPO(liPendiente), 150.26f, "150.3"},
                    CasoLimite{"lsBNoventaYNueve", 8, CAMPO(lsPendiente), 99, "99.00"},
                    CasoLimite{"lsBIndefinido", 8, CAMPO(lsPendiente), nan, "\u2014"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Paneles, MostrarIntSoloTocaLasDiezPrimerasCajas) {
    Escenario e;
    for (const Caja& c : cajas) {
        c.campo(e.g) = c.valor;
    }
    const QString marca = "sin tocar";
    for (auto* panel : {&e.Text1, &e.Text2, &e.Text3, &e.Text4}) {
        for (TextBox* t : *panel) {
            t->setText(marca);
        }
    }
    e.presentacion->mostrarInt();
    for (int i = 0; i <= 9; ++i) {
        EXPECT_NE(e.Text1(i).Text(), marca) << "Text1(" << i << ")";
    }
    EXPECT_EQ(e.Text1(5).Text(), "-10.0");
    EXPECT_EQ(e.Text1(9).Text(), "95");
    for (int i = 10; i <= 14; ++i) {
        EXPECT_EQ(e.Text1(i).Text(), marca) << "Text1(" << i << ")";
    }
    for (auto* panel : {&e.Text2, &e.Text3, &e.Text4}) {
        for (TextBox* t : *panel) {
            EXPECT_EQ(t->Text(), marca) << t->objectName().toStdString();
        }
    }
}

TEST(Paneles, PuntoDecimalDelAnfitrion) {
    Escenario e;
    mostrar conComa(e.g, *e.pantalla, QStringLiteral(","));
    e.g.yPred = 12.345f;
    e.g.xPred = -7.5f;
    conComa.Mostrar();
    conComa.mostrarPred();
    EXPECT_EQ(e.Text4(6).Text(), "12,35");
    EXPECT_EQ(e.Text4(1).Text(), "-7,5");
}

TEST(BarrasEnControles, AnchosYBordesDeLosIntervalos) {
    Escenario e;
    e.g.tIntercepto = 100000;
    e.g.tPendiente = -4;
    e.g.liIntercepto = -100;
    e.g.lsIntercepto = -50;
    e.g.liPendiente = -2;
    e.g.lsPendiente = 1;
    const double topAntes = e.Shape2(4).Top();
    const double leftOtra = e.Shape2(6).Left();
    e.presentacion->Barras();
    EXPECT_DOUBLE_EQ(e.Shape2(6).Width(), 77 * 12.8f);
    EXPECT_DOUBLE_EQ(e.Shape2(7).Width(), 0);
    EXPECT_DOUBLE_EQ(e.Shape2(4).Left(), e.Text1(5).Left() + 30 * 4.8f);
    EXPECT_FLOAT_EQ(static_cast<float>(e.Shape2(4).Width()), 50 * 4.8f);
    EXPECT_DOUBLE_EQ(e.Shape2(5).Left(), e.Text1(7).Left() + 400);
    EXPECT_FLOAT_EQ(static_cast<float>(e.Shape2(5).Width()), 300);
    EXPECT_DOUBLE_EQ(e.Shape2(4).Top(), topAntes);
    EXPECT_DOUBLE_EQ(e.Shape2(6).Left(), leftOtra);

    // A lower limit left of the scale's origin puts the bar at the box's edge.
    e.g.liIntercepto = -400;
    e.presentacion->Barras();
    EXPECT_DOUBLE_EQ(e.Shape2(4).Left(), e.Text1(5).Left());
}

// The state the engine leaves for each kind of degenerate sample.
struct Degenerado {
    const char* nombre;
    std::function<void(Globales&)> preparar;
    bool rectaVisible;
    bool bandasVisibles;
    std::vector<int> barrasVacias;
    std::vector<int> barrasLlenas;
};

void PrintTo(const Degenerado& c, std::ostream* os) {
    *os << c.nombre;
}

void comun(Globales& g, Single pendiente, Single intercepto) {
    g.nActivos = 3;
    g.nivelConf = 95;
    g.nivelPred = 95;
    g.xPred = 20;
    g.glReg = 1;
    g.glErr = 1;
    g.glTot = 2;
    g.prediccionActiva = 1;
    g.bandasActivas = 1;
    for (int k = 0; k <= 20; ++k) {
        g.xBanda(k) = static_cast<Single>(-40 + 7 * k);
        const Single y = pendiente * g.xBanda(k) + intercepto;
        for (int fila = 0; fila <= 3; ++fila) {
            g.banda(fila, k) = y;
        }
    }
    for (int fila = 0; fila <= 3; ++fila) {
        g.banda(fila, 21) = pendiente * g.xPred + intercepto;
    }
    g.yPred = pendiente * g.xPred + intercepto;
}

// Points (20, 10), (20, 20), (20, 30): no slope exists.
void todosXIguales(Globales& g) {
    comun(g, nan, nan);
    g.mediaX = 20, g.mediaY = 20, g.Sxx = 0, g.Syy = 200, g.Sxy = 0;
    g.varX = 0, g.varY = 100, g.desvX = 0, g.desvY = 10;
    g.correlacion = g.pendiente = g.intercepto = nan;
    g.SCReg = g.SCErr = g.varError = g.eeIntercepto = g.eePendiente = nan;
    g.tIntercepto = g.pIntercepto = g.tPendiente = g.pPendiente = g.R2 = nan;
    g.liIntercepto = g.lsIntercepto = g.liPendiente = g.lsPendiente = nan;
    g.SCTot = 200, g.CMReg = nan, g.CMErr = nan, g.valorF = nan, g.pAnova = nan;
}

// Points (0, 30), (10, 30), (20, 30): a flat fit without error.
void todosYIguales(Globales& g) {
    comun(g, 0, 30);
    g.mediaX = 10, g.mediaY = 30, g.Sxx = 200, g.Syy = 0, g.Sxy = 0;
    g.varX = 100, g.varY = 0, g.desvX = 10, g.desvY = 0;
    g.correlacion = nan, g.pendiente = 0, g.intercepto = 30;
    g.SCReg = 0, g.SCErr = 0, g.varError = 0, g.eeIntercepto = 0, g.eePendiente = 0;
    g.tIntercepto = 100000, g.pIntercepto = 0, g.tPendiente = nan, g.pPendiente = nan;
    g.R2 = nan;
    g.liIntercepto = g.lsIntercepto = 30, g.liPendiente = g.lsPendiente = 0;
    g.SCTot = 0, g.CMReg = 0, g.CMErr = 0, g.valorF = nan, g.pAnova = nan;
}

// Points on y = 10 ± x: a perfect oblique fit.
void colineal(Globales& g, Single signo) {
    comun(g, signo, 10);
    g.mediaX = 10, g.mediaY = 10 + signo * 10, g.Sxx = 200, g.Syy = 200, g.Sxy = signo * 200;
    g.varX = 100, g.varY = 100, g.desvX = 10, g.desvY = 10;
    g.correlacion = signo, g.pendiente = signo, g.intercepto = 10;
    g.SCReg = 200, g.SCErr = 0, g.varError = 0, g.eeIntercepto = 0, g.eePendiente = 0;
    g.tIntercepto = 100000, g.pIntercepto = 0, g.tPendiente = signo * inf, g.pPendiente = 0;
    g.R2 = 100;
    g.liIntercepto = g.lsIntercepto = 10, g.liPendiente = g.lsPendiente = signo;
    g.SCTot = 200, g.CMReg = 200, g.CMErr = 0, g.valorF = inf, g.pAnova = 0;
}

void casiColineal(Globales& g) {
    colineal(g, 1);
    g.tIntercepto = -2.5e6f, g.tPendiente = 3e7f, g.valorF = 9e14f;
}

class Degenerados : public testing::TestWithParam<Degenerado> {};

TEST_P(Degenerados, IndefinidoSinDibujoNiBarra) {
    const auto& c = GetParam();
    Escenario e;
    c.preparar(e.g);
    for (int k = 0; k <= 39; ++k) {
        e.Line12(k).setVisible(true);
        e.Line13(k).setVisible(true);
    }
    llenarPaneles(e);
    e.presentacion->Barras();
    trazarRecta(*e.Line3, e.g, e.g.intercepto, e.g.pendiente);
    e.presentacion->mostrarBandas();
    e.presentacion->mostrarGrafPred();

    for (const Caja& caja : cajas) {
        const Single v = caja.campo(e.g);
        const QString texto = (e.*caja.panel)(caja.indice).Text();
        if (std::isnan(v)) {
            EXPECT_EQ(texto, raya) << c.nombre << ": " << caja.nombre;
        } else if (std::fabs(v) > guarda) {
            EXPECT_EQ(texto, v > 0 ? "100000.000" : "-100000.000")
                << c.nombre << ": " << caja.nombre;
        } else {
            EXPECT_NE(texto, raya) << c.nombre << ": " << caja.nombre;
        }
    }
    for (int i : c.barrasVacias) {
        EXPECT_EQ(e.Shape2(i).Width(), 0) << c.nombre << ": Shape2(" << i << ")";
    }
    for (int i : c.barrasLlenas) {
        EXPECT_FLOAT_EQ(static_cast<float>(e.Shape2(i).Width()), 77 * 12.8f)
            << c.nombre << ": Shape2(" << i << ")";
    }
    EXPECT_EQ(e.Line3->Visible(), c.rectaVisible) << c.nombre;
    for (int k = 0; k <= 39; ++k) {
        EXPECT_EQ(e.Line12(k).Visible(), c.bandasVisibles) << c.nombre << ": Line12(" << k << ")";
        EXPECT_EQ(e.Line13(k).Visible(), c.bandasVisibles) << c.nombre << ": Line13(" << k << ")";
    }
    EXPECT_EQ(e.Line14(0).Visible(), c.bandasVisibles) << c.nombre;
    EXPECT_EQ(e.Line14(1).Visible(), c.bandasVisibles) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Degenerados,
    testing::Values(
        Degenerado{"todosXIguales",
                   todosXIguales,
                   false,
                   false,
                   {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 22},
                   {}},
        Degenerado{"todosYIguales", todosYIguales, true, true, {7, 9, 11, 18, 22}, {6}},
        Degenerado{
            "colinealCreciente", [](Globales& g) { colineal(g, 1); }, true, true, {}, {6, 7}},
        Degenerado{
            "colinealDecreciente", [](Globales& g) { colineal(g, -1); }, true, true, {7}, {6}},
        // A collinear cloud a rounding off its line: finite statistics beyond any box.
        Degenerado{"casiColineal", casiColineal, true, true, {6}, {7}}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
} // namespace rectaviva
