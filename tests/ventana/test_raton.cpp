// The mouse on the plot and on the point list through the window's own
// handlers (issue 6): the hit test at its edges, overlapping markers, the
// drag and its clamp, deleting and restoring, the pop-up's placement and
// commands, the list picks, and the guards of Label5_Click.
#include "ayudas_acciones.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

const QColor azul(0, 0, 220);
const QColor gris(180, 180, 180);
const QColor verde(0, 220, 0);
const QColor filaVerde(0, 200, 0);
const QColor negro(0, 0, 0);

// Eight points far enough apart that no two hit boxes meet.
const std::vector<Punto> separados{{0, 10},  {30, 40}, {60, 70}, {-15, 10},
                                   {45, 50}, {10, 45}, {70, 95}, {-10, 20}};

// The colour in which row k of the point list was last printed.
QColor colorDeFila(Form1& f, int k) {
    std::string texto;
    f.g.oMostrar->formato(static_cast<Integer>(k), f.g.xObs(k), f.g.yObs(k), texto);
    const QString buscado = QString::fromStdString(texto);
    for (const PictureBox::Renglon& r : f.Picture2->renglones()) {
        if (r.texto == buscado) {
            return r.color;
        }
    }
    return QColor();
}

void moverYTic(Form1& f, float x, float y) {
    f.Picture1_MouseMove(1, 0, x, y);
    f.Timer1_Timer();
}

// ---------------------------------------------------------------------------
// Hit test.

enum class Resultado { Falla, Acierta };

struct CasoBorde {
    const char* nombre;
    int ladoX;    ///< -1 left edge, +1 right edge, 0 the corner's x
    int ladoY;    ///< -1 lower edge, +1 upper edge, 0 the corner's y
    bool adentro; ///< one float step inside the edge instead of on it
    Resultado esperado;
};

void PrintTo(const CasoBorde& c, std::ostream* os) {
    *os << c.nombre;
}

class BordeDelAcierto : public ::testing::TestWithParam<CasoBorde> {};

TEST_P(BordeDelAcierto, ElBordeNoAcierta) {
    const CasoBorde& c = GetParam();
    Form1 f;
    muestraConPuntos(f, separados);
    // The box as the handler computes it, in single precision.
    const float L = static_cast<float>(f.Shape1(2).Left());
    const float T = static_cast<float>(f.Shape1(2).Top());
    const float dx = static_cast<float>(0.15 * f.g.escalaX);
    const float dy = static_cast<float>(0.15 * f.g.escalaY);
    float X = L;
    float Y = T;
    if (c.ladoX != 0) {
        X = c.ladoX < 0 ? L - dx : L + dx;
        if (c.adentro) {
            X = std::nextafter(X, L);
        }
    }
    if (c.ladoY != 0) {
        Y = c.ladoY < 0 ? T - dy : T + dy;
        if (c.adentro) {
            Y = std::nextafter(Y, T);
        }
    }
    f.g.puntoSel = 0;
    f.Picture1_MouseDown(1, 0, X, Y);
    if (c.esperado == Resultado::Falla) {
        EXPECT_EQ(f.g.puntoSel, 0);
        EXPECT_EQ(f.g.arrastrando, 0);
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_EQ(f.g.listaSinResaltar, 1);
        EXPECT_EQ(f.Shape1(2).FillColor(), azul);
    } else {
        EXPECT_EQ(f.g.puntoSel, 2);
        EXPECT_EQ(f.g.arrastrando, -1);
        EXPECT_TRUE(f.Timer1->Enabled());
        EXPECT_EQ(f.g.listaSinResaltar, 0);
        EXPECT_EQ(f.Shape1(2).FillColor(), verde);
        EXPECT_EQ(colorDeFila(f, 2), filaVerde);
    }
    f.Picture1_MouseUp(1, 0, X, Y);
    EXPECT_EQ(f.Shape1(2).FillColor(), azul);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.g.arrastrando, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, BordeDelAcierto,
    ::testing::Values(CasoBorde{"BordeIzquierdo", -1, 0, false, Resultado::Falla},
                      CasoBorde{"DentroDelIzquierdo", -1, 0, true, Resultado::Acierta},
                      CasoBorde{"BordeDerecho", 1, 0, false, Resultado::Falla},
                      CasoBorde{"DentroDelDerecho", 1, 0, true, Resultado::Acierta},
                      CasoBorde{"BordeInferior", 0, -1, false, Resultado::Falla},
                      CasoBorde{"DentroDelInferior", 0, -1, true, Resultado::Acierta},
                      CasoBorde{"BordeSuperior", 0, 1, false, Resultado::Falla},
                      CasoBorde{"DentroDelSuperior", 0, 1, true, Resultado::Acierta},
                      CasoBorde{"Esquina", 0, 0, false, Resultado::Acierta},
                      CasoBorde{"DiagonalEnElBorde", 1, 1, false, Resultado::Falla},
                      CasoBorde{"DiagonalAdentro", 1, -1, true, Resultado::Acierta}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoSolape {
    const char* nombre;
    std::vector<Punto> pts;
    int boton;
};

void PrintTo(const CasoSolape& c, std::ostream* os) {
    *os << c.nombre;
}

class Solape : public ::testing::TestWithParam<CasoSolape> {};

TEST_P(Solape, GanaElNumeroMenor) {
    const CasoSolape& c = GetParam();
    Form1 f;
    muestraConPuntos(f, c.pts);
    // Midway between the corners of the two markers that overlap (the
    // last two points): inside both hit boxes.
    const int a = static_cast<int>(c.pts.size()) - 1;
    const int b = a + 1;
    const QPointF p = (esquina(f, a) + esquina(f, b)) / 2;
    presionar(f, c.boton, p);
    EXPECT_EQ(f.g.puntoSel, a);
    if (c.boton == 2) {
        EXPECT_TRUE(f.Frame6->Visible());
    } else {
        EXPECT_EQ(f.Shape1(a).FillColor(), verde);
        EXPECT_EQ(f.Shape1(b).FillColor(), azul);
    }
    soltar(f, c.boton, p);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Solape,
    ::testing::Values(CasoSolape{"MenorALaIzquierda", {{0, 10}, {30, 40}, {10, 20}, {11, 21}}, 1},
                      CasoSolape{"MenorALaDerecha", {{0, 10}, {30, 40}, {11, 21}, {10, 20}}, 1},
                      CasoSolape{"MismoLugar", {{0, 10}, {30, 40}, {20, 30}, {20, 30}}, 1},
                      CasoSolape{"BotonDerecho", {{0, 10}, {30, 40}, {11, 21}, {10, 20}}, 2}),
    [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------
// Dragging.

enum class Borde { Libre, Minimo, Maximo };

struct CasoArrastre {
    const char* nombre;
    float ratonX, ratonY;       ///< where the mouse goes, plot units
    float guardadoX, guardadoY; ///< the coordinates stored
    Borde bordeX, bordeY;       ///< whether the marker rests against an edge
};

void PrintTo(const CasoArrastre& c, std::ostream* os) {
    *os << c.nombre;
}

class Arrastre : public ::testing::TestWithParam<CasoArrastre> {};

TEST_P(Arrastre, ElMarcadorQuedaDentroYLaCoordenadaSigueAlRaton) {
    const CasoArrastre& c = GetParam();
    Form1 f;
    muestraConPuntos(f, separados);
    const float x0 = f.g.xObs(2);
    const float y0 = f.g.yObs(2);
    presionar(f, 1, esquina(f, 2));
    ASSERT_EQ(f.g.puntoSel, 2);
    moverYTic(f, c.ratonX, c.ratonY);

    EXPECT_EQ(f.g.xObs(2), c.guardadoX);
    EXPECT_EQ(f.g.yObs(2), c.guardadoY);
    EXPECT_EQ(f.g.xAnterior, x0);
    EXPECT_EQ(f.g.yAnterior, y0);
    const Shape& m = f.Shape1(2);
    switch (c.bordeX) {
    case Borde::Libre:
        EXPECT_FLOAT_EQ(static_cast<float>(m.Left()), c.ratonX - 1);
        break;
    case Borde::Minimo:
        EXPECT_FLOAT_EQ(static_cast<float>(m.Left()), f.g.xMin);
        break;
    case Borde::Maximo:
        EXPECT_FLOAT_EQ(static_cast<float>(m.Left()), f.g.xMax - static_cast<float>(m.Width()));
        break;
    }
    switch (c.bordeY) {
    case Borde::Libre:
        EXPECT_FLOAT_EQ(static_cast<float>(m.Top()), c.ratonY + 1);
        break;
    case Borde::Minimo:
        EXPECT_FLOAT_EQ(static_cast<float>(m.Top()), f.g.yMin + static_cast<float>(m.Height()));
        break;
    case Borde::Maximo:
        EXPECT_FLOAT_EQ(static_cast<float>(m.Top()), f.g.yMax);
        break;
    }
    EXPECT_GE(m.Left(), f.g.xMin);
    EXPECT_LE(m.Left() + m.Width(), f.g.xMax + 1e-4);
    EXPECT_LE(m.Top(), f.g.yMax);
    EXPECT_GE(m.Top() - m.Height(), f.g.yMin - 1e-4);
    // The fit follows: whole coordinates keep the incremental sums exact.
    const Sumas s = sumasDesdeCero(f.g);
    EXPECT_EQ(f.g.sumaX, static_cast<float>(s.x));
    EXPECT_EQ(f.g.sumaXY, static_cast<float>(s.xy));
    EXPECT_EQ(colorDeFila(f, 2), filaVerde);

    soltar(f, 1, {c.ratonX, c.ratonY});
    EXPECT_EQ(m.FillColor(), azul);
    EXPECT_EQ(colorDeFila(f, 2), negro);
    EXPECT_FALSE(f.Timer1->Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Arrastre,
    ::testing::Values(
        CasoArrastre{"Dentro", 50, 20, 50, 20, Borde::Libre, Borde::Libre},
        CasoArrastre{"PasadoLaDerecha", 120, 50, 120, 50, Borde::Maximo, Borde::Libre},
        CasoArrastre{"PasadoLaIzquierda", -60, 50, -60, 50, Borde::Minimo, Borde::Libre},
        CasoArrastre{"PasadoArriba", 30, 130, 30, 130, Borde::Libre, Borde::Maximo},
        CasoArrastre{"PasadoAbajo", 30, -70, 30, -70, Borde::Libre, Borde::Minimo},
        CasoArrastre{"PasadoLaEsquina", 150.4f, -90.6f, 150, -91, Borde::Maximo, Borde::Minimo},
        CasoArrastre{"MitadesAPar", 12.5f, 13.5f, 12, 14, Borde::Libre, Borde::Libre},
        CasoArrastre{"MitadesAParAlReves", 13.5f, 12.5f, 14, 12, Borde::Libre, Borde::Libre},
        CasoArrastre{"MitadesNegativas", -12.5f, -13.5f, -12, -14, Borde::Libre, Borde::Libre},
        CasoArrastre{"MitadEnElBordeDerecho", 112.5f, 0.5f, 112, 0, Borde::Maximo, Borde::Libre}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Arrastre, ElTemporizadorMueveElPunto) {
    Form1 f;
    muestraConPuntos(f, separados);
    presionar(f, 1, esquina(f, 2));
    ASSERT_TRUE(f.Timer1->Enabled());
    EXPECT_EQ(f.Timer1->Interval(), 60);
    f.Picture1_MouseMove(1, 0, 55.2f, -20.7f);
    esperar(200);
    EXPECT_EQ(f.g.xObs(2), 55.0f);
    EXPECT_EQ(f.g.yObs(2), -21.0f);
    soltar(f, 1, {55.2, -20.7});
    EXPECT_FALSE(f.Timer1->Enabled());
}

TEST(Arrastre, SinMoverElPuntoVaAlLugarDeLaPresion) {
    Form1 f;
    muestraConPuntos(f, separados);
    const QPointF p = esquina(f, 2) + QPointF(0.7, -0.4);
    presionar(f, 1, p);
    ASSERT_EQ(f.g.puntoSel, 2);
    f.Timer1_Timer();
    EXPECT_EQ(f.g.xObs(2), std::nearbyint(static_cast<float>(p.x())));
    EXPECT_EQ(f.g.yObs(2), std::nearbyint(static_cast<float>(p.y())));
    soltar(f, 1, p);
}

TEST(Arrastre, UnPuntoEliminadoNoCambiaElAjuste) {
    Form1 f;
    muestraConPuntos(f, separados);
    presionar(f, 2, esquina(f, 2));
    f.Label5_Click(0);
    ASSERT_EQ(f.g.activo(2), 0);
    const Ajuste antes = ajuste(f.g);

    presionar(f, 1, esquina(f, 2));
    ASSERT_EQ(f.g.puntoSel, 2);
    EXPECT_EQ(f.Shape1(2).FillColor(), verde);
    moverYTic(f, 50, 50);
    moverYTic(f, 80, -30);
    EXPECT_EQ(f.g.xObs(2), 80.0f);
    EXPECT_EQ(f.g.yObs(2), -30.0f);
    EXPECT_EQ(ajuste(f.g), antes);
    soltar(f, 1, {80, -30});
    EXPECT_EQ(f.Shape1(2).FillColor(), gris);
    EXPECT_EQ(colorDeFila(f, 2), gris);
    EXPECT_EQ(ajuste(f.g), antes);
}

// ---------------------------------------------------------------------------
// Deleting and restoring.

TEST(Eliminar, HastaTresNoQuedaOrdenParaUnPuntoEnUso) {
    Form1 f;
    muestraConPuntos(f, {{0, 10}, {30, 40}, {60, 70}, {-15, 10}, {45, 50}});
    for (int k : {1, 2}) {
        presionar(f, 2, esquina(f, k));
        ASSERT_TRUE(f.Frame6->Visible());
        EXPECT_TRUE(f.Label5(0).Enabled());
        EXPECT_FALSE(f.Label5(1).Enabled());
        f.Label5_Click(0);
        EXPECT_FALSE(f.Frame6->Visible());
    }
    ASSERT_EQ(f.g.nActivos, 3);
    for (int k : {3, 4, 5}) {
        presionar(f, 2, esquina(f, k));
        ASSERT_TRUE(f.Frame6->Visible()) << k;
        EXPECT_FALSE(f.Label5(0).Enabled()) << k;
        EXPECT_FALSE(f.Label5(1).Enabled()) << k;
        // A second non-left press closes it and reprints the row in black.
        presionar(f, 2, esquina(f, k));
        EXPECT_FALSE(f.Frame6->Visible()) << k;
        EXPECT_EQ(colorDeFila(f, k), negro) << k;
    }
    presionar(f, 2, esquina(f, 1));
    EXPECT_FALSE(f.Label5(0).Enabled());
    EXPECT_TRUE(f.Label5(1).Enabled());
    presionar(f, 2, esquina(f, 1));
    EXPECT_EQ(colorDeFila(f, 1), gris);

    // A refused deletion changes nothing that counts.
    f.g.puntoSel = 3;
    const Ajuste antes = ajuste(f.g);
    f.Label5_Click(0);
    EXPECT_EQ(f.g.nActivos, 3);
    EXPECT_EQ(f.g.activo(3), 1);
    EXPECT_EQ(ajuste(f.g), antes);
}

TEST(Eliminar, YRecuperarDevuelveExactamenteElAjuste) {
    Form1 f;
    generarSembrado(f, 31);
    const int n = f.g.nPuntos;
    for (int k = 1; k <= n; ++k) {
        SCOPED_TRACE(k);
        const Ajuste antes = ajuste(f.g);
        f.g.puntoSel = static_cast<Integer>(k);
        f.Label5_Click(0);
        ASSERT_EQ(f.g.activo(k), 0);
        EXPECT_EQ(f.Shape1(k).FillColor(), gris);
        EXPECT_EQ(colorDeFila(f, k), gris);
        EXPECT_NE(ajuste(f.g), antes);
        f.Label5_Click(1);
        ASSERT_EQ(f.g.activo(k), 1);
        EXPECT_EQ(f.Shape1(k).FillColor(), azul);
        EXPECT_EQ(colorDeFila(f, k), negro);
        EXPECT_EQ(ajuste(f.g), antes);
    }
}

// ---------------------------------------------------------------------------
// The pop-up's place.

struct CasoEmergente {
    const char* nombre;
    Punto destino;  ///< where point 2 is dragged before the right press
    bool arriba;    ///< placed above the spot (near the bottom edge)
    bool izquierda; ///< placed left of the spot (near the right edge)
};

void PrintTo(const CasoEmergente& c, std::ostream* os) {
    *os << c.nombre;
}

class Emergente : public ::testing::TestWithParam<CasoEmergente> {};

TEST_P(Emergente, NoSeSaleDelPlano) {
    const CasoEmergente& c = GetParam();
    Form1 f;
    muestraConPuntos(f, separados);
    presionar(f, 1, esquina(f, 2));
    moverYTic(f, static_cast<float>(c.destino.x), static_cast<float>(c.destino.y));
    soltar(f, 1, esquina(f, 2));

    const QPointF p = esquina(f, 2);
    const float X = static_cast<float>(p.x());
    const float Y = static_cast<float>(p.y());
    presionar(f, 2, p);
    ASSERT_EQ(f.g.puntoSel, 2);
    ASSERT_TRUE(f.Frame6->Visible());
    const float H = static_cast<float>(f.Frame6->Height());
    const float W = static_cast<float>(f.Frame6->Width());
    EXPECT_FLOAT_EQ(static_cast<float>(f.Frame6->Top()), c.arriba ? Y + H : Y + 5);
    EXPECT_FLOAT_EQ(static_cast<float>(f.Frame6->Left()), c.izquierda ? X - W : X + 5);
    // The whole frame inside the plot.
    EXPECT_GE(f.Frame6->Top() - f.Frame6->Height(), f.g.yMin - 1e-3);
    EXPECT_LE(f.Frame6->Left() + f.Frame6->Width(), f.g.xMax + 1e-3);
    EXPECT_TRUE(f.Label5(0).Enabled());
    EXPECT_FALSE(f.Label5(1).Enabled());
}

INSTANTIATE_TEST_SUITE_P(Casos, Emergente,
                         ::testing::Values(CasoEmergente{"EnMedio", {30, 40}, false, false},
                                           CasoEmergente{"CercaDelFondo", {30, -37}, true, false},
                                           CasoEmergente{"CercaDeLaDerecha", {90, 40}, false, true},
                                           CasoEmergente{"EnLaEsquina", {95, -38}, true, true},
                                           CasoEmergente{
                                               "ArribaALaIzquierda", {-35, 95}, false, false}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(Emergente, SinPuntoElegidoNoAparece) {
    Form1 f;
    muestraConPuntos(f, separados);
    f.g.puntoSel = 0;
    for (int boton : {2, 4, 3}) {
        presionar(f, boton, {-39, 99});
        EXPECT_FALSE(f.Frame6->Visible()) << boton;
        soltar(f, boton, {-39, 99});
    }
    soltar(f, 1, {-39, 99});
    presionar(f, 2, {-39, 99});
    EXPECT_FALSE(f.Frame6->Visible());
}

TEST(Emergente, UnaPresionFallidaLoMuestraDondeEstaba) {
    Form1 f;
    muestraConPuntos(f, separados);
    presionar(f, 2, esquina(f, 3));
    ASSERT_TRUE(f.Frame6->Visible());
    const double top = f.Frame6->Top();
    const double left = f.Frame6->Left();
    presionar(f, 2, {-39, 99}); // misses: closes it
    EXPECT_FALSE(f.Frame6->Visible());
    soltar(f, 1, {-39, 99});
    presionar(f, 2, {-39, 99}); // misses: opens it where it was
    EXPECT_TRUE(f.Frame6->Visible());
    EXPECT_EQ(f.Frame6->Top(), top);
    EXPECT_EQ(f.Frame6->Left(), left);
    EXPECT_EQ(f.g.puntoSel, 3);
}

// The pop-up's hiding reprints the picked point's own row, even when a list
// press picked that point after the pop-up opened.
TEST(Emergente, AlCerrarseReimprimeLaFilaDeSuPunto) {
    Form1 f;
    muestraConPuntos(f, separados);
    presionar(f, 2, esquina(f, 5));
    ASSERT_TRUE(f.Frame6->Visible());
    f.Picture2_MouseDown(1, 0, 500, 3);
    f.Picture2_MouseUp(1, 0, 500, 3);
    presionar(f, 2, {-39, 99});
    EXPECT_FALSE(f.Frame6->Visible());
    EXPECT_EQ(filaAjena(f), 0);
}

// ---------------------------------------------------------------------------
// Picks on the point list.

struct CasoLista {
    const char* nombre;
    double y;  ///< press position in the list's rows (point k's row at k + 2)
    int punto; ///< the point picked, 0 for none
};

void PrintTo(const CasoLista& c, std::ostream* os) {
    *os << c.nombre;
}

class Lista : public ::testing::TestWithParam<CasoLista> {};

TEST_P(Lista, EligeSoloUnaFilaDePunto) {
    const CasoLista& c = GetParam();
    Form1 f;
    muestraConPuntos(f, separados); // eight points: rows 3 to 10
    f.g.puntoSel = 0;
    f.Picture2_MouseDown(1, 0, 500, static_cast<float>(c.y));
    EXPECT_EQ(f.g.puntoSel, c.punto);
    EXPECT_EQ(f.g.listaSinResaltar, c.punto == 0 ? 1 : 0);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(f.Shape1(k).FillColor(), k == c.punto ? verde : azul) << k;
    }
    f.Picture2_MouseUp(1, 0, 500, static_cast<float>(c.y));
    EXPECT_EQ(f.g.listaSinResaltar, 1);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(f.Shape1(k).FillColor(), azul) << k;
    }
    EXPECT_EQ(f.Picture2->renglones().size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Lista,
    ::testing::Values(CasoLista{"Encabezado", 1.0, 0}, CasoLista{"Raya", 2.0, 0},
                      CasoLista{"SobreElEncabezado", 0.2, 0}, CasoLista{"BajoLaRaya", 2.4, 0},
                      CasoLista{"Negativo", -5, 0}, CasoLista{"BajoLaUltima", 10.6, 0},
                      CasoLista{"MuyAbajo", 53.9, 0}, CasoLista{"Enorme", 1e9, 0},
                      CasoLista{"Primera", 3.0, 1}, CasoLista{"MitadSuperior", 5.4, 3},
                      CasoLista{"MitadInferior", 5.6, 4}, CasoLista{"MitadJustaPar", 6.5, 4},
                      CasoLista{"MitadJustaImpar", 5.5, 4}, CasoLista{"Ultima", 10.4, 8}),
    [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------
// Label5_Click, whatever the pop-up showed.

struct CasoOrden {
    const char* nombre;
    int puntoSel;
    int indice;       ///< 0 Eliminar, 1 Recuperar
    int borradoAntes; ///< a point deleted before the command, 0 for none
    int nActivos;     ///< expected afterwards
    int cambiado;     ///< the point whose state changes, 0 for none
};

void PrintTo(const CasoOrden& c, std::ostream* os) {
    *os << c.nombre;
}

class OrdenDelMenu : public ::testing::TestWithParam<CasoOrden> {};

TEST_P(OrdenDelMenu, NuncaFueraDeLaMuestraNiDosVeces) {
    const CasoOrden& c = GetParam();
    Form1 f;
    muestraConPuntos(f, {{0, 10}, {30, 40}, {60, 70}, {-15, 10}, {45, 50}});
    if (c.borradoAntes != 0) {
        f.g.puntoSel = static_cast<Integer>(c.borradoAntes);
        f.Label5_Click(0);
        ASSERT_EQ(f.g.activo(c.borradoAntes), 0);
    }
    std::array<int, 51> antes{};
    for (int k = 1; k <= 50; ++k) {
        antes[static_cast<std::size_t>(k)] = f.g.activo(k);
    }
    f.Frame6->setVisible(true);
    f.g.puntoSel = static_cast<Integer>(c.puntoSel);
    f.Label5_Click(static_cast<Integer>(c.indice));
    EXPECT_FALSE(f.Frame6->Visible());
    EXPECT_EQ(f.g.nActivos, c.nActivos);
    EXPECT_EQ(f.g.nActivos, contarActivos(f.g));
    for (int k = 1; k <= 50; ++k) {
        if (k != c.cambiado) {
            EXPECT_EQ(f.g.activo(k), antes[static_cast<std::size_t>(k)]) << k;
        } else {
            EXPECT_NE(f.g.activo(k), antes[static_cast<std::size_t>(k)]) << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, OrdenDelMenu,
                         ::testing::Values(CasoOrden{"EliminarSinPunto", 0, 0, 0, 5, 0},
                                           CasoOrden{"RecuperarSinPunto", 0, 1, 0, 5, 0},
                                           CasoOrden{"EliminarNegativo", -1, 0, 0, 5, 0},
                                           CasoOrden{"RecuperarTrasElUltimo", 6, 1, 0, 5, 0},
                                           CasoOrden{"EliminarTrasElUltimo", 6, 0, 0, 5, 0},
                                           CasoOrden{"RecuperarFueraDelArreglo", 51, 1, 0, 5, 0},
                                           CasoOrden{"Recuperar32767", 32767, 1, 0, 5, 0},
                                           CasoOrden{"EliminarMenos32768", -32768, 0, 0, 5, 0},
                                           CasoOrden{"RecuperarUnoEnUso", 2, 1, 0, 5, 0},
                                           CasoOrden{"EliminarUnoEliminado", 2, 0, 2, 4, 0},
                                           CasoOrden{"RecuperarUnoEliminado", 2, 1, 2, 5, 2},
                                           CasoOrden{"EliminarUnoEnUso", 3, 0, 0, 4, 3},
                                           CasoOrden{"IndiceRaro", 3, 7, 2, 4, 0}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(OrdenDelMenu, NuncaMenosDeTres) {
    Form1 f;
    muestraConPuntos(f, {{0, 10}, {30, 40}, {60, 70}, {-15, 10}});
    for (int k = 1; k <= 4; ++k) {
        f.g.puntoSel = static_cast<Integer>(k);
        f.Label5_Click(0);
        EXPECT_GE(f.g.nActivos, 3);
        EXPECT_EQ(f.g.nActivos, contarActivos(f.g));
    }
    EXPECT_EQ(f.g.nActivos, 3);
}

// What a screen reader is told after each key on the plot, once the turn's
// events are done: the grab, the new place, the drop or the cancel with the
// summary. By x the points run 4, 8, 1, ...; with "Mi recta" its left
// handle comes first. %1 is the item's y as the list shows it.
TEST(Lector, LoQueSeDiceAlTomarMoverYSoltar) {
    struct Caso {
        std::vector<Qt::Key> teclas;
        bool miRecta;
        const char* dicho;
        bool conResumen;
    };
    const std::vector<Caso> casos{
        {{Qt::Key_Home, Qt::Key_Space}, false, "Punto 4 tomado", false},
        {{Qt::Key_Home, Qt::Key_Space, Qt::Key_Up}, false, "x -15, y 11", false},
        {{Qt::Key_Home, Qt::Key_Space, Qt::Key_Up, Qt::Key_Return},
         false,
         "Punto 4 soltado: x -15, y 11. ",
         true},
        {{Qt::Key_Home, Qt::Key_Space, Qt::Key_Up, Qt::Key_Escape}, false, "cancelado. ", true},
        {{Qt::Key_Home, Qt::Key_Space, Qt::Key_Up}, true, "y %1", false},
        {{Qt::Key_Home, Qt::Key_Space, Qt::Key_Space},
         true,
         "Asa izquierda de mi recta soltada: y %1. ",
         true},
    };
    for (const Caso& c : casos) {
        Form1 f;
        muestraConPuntos(f, separados);
        if (c.miRecta) {
            f.mnuMia->accion()->trigger();
        }
        for (Qt::Key t : c.teclas) {
            QTest::keyClick(f.Picture1, t);
            QCoreApplication::processEvents();
        }
        QString esperado = QString::fromUtf8(c.dicho);
        if (esperado.contains("%1")) {
            esperado = esperado.arg(
                QString::fromStdString(f.g.oMostrar->textoCoordenada(f.g.yAsa(0), false)));
        }
        EXPECT_EQ(f.dicho(), esperado + (c.conResumen ? f.anuncio() : QString())) << c.dicho;
    }
}

// A box reads as its name and what it shows, a sheet as its text, and the
// icons' press action clicks them (the tree and the rest: end to end).
TEST(Lector, CajasLaminasEIconos) {
    Form1 f;
    muestraConPuntos(f, separados);
    QAccessible::setActive(true);
    const auto de = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
    EXPECT_EQ(de(&f.Text1(1))->text(QAccessible::Name),
              f.Text1(1).accessibleName() + ": " + f.Text1(1).Text().trimmed());
    for (int k = f.Picture3.LBound(); k <= f.Picture3.UBound(); ++k) {
        EXPECT_GT(textoDeLamina(k).size(), 200) << k;
        EXPECT_EQ(de(&f.Picture3(k))->text(QAccessible::Description), textoDeLamina(k)) << k;
    }
    de(&f.Image2(3))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(f.Picture3(3).Visible());
    const long pasos = f.pasosHerramienta();
    de(&f.Image1(4))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f.pasosHerramienta(), pasos + 1);
    QAccessible::setActive(false);
}

} // namespace

// ---------------------------------------------------------------------------
// The keyboard against the mouse: each row plays keys through the controls'
// key events and the same action by mouse on a window with the same sample;
// both end with the same points, the same fit to the bit, the same boxes and
// the same tool steps. The plot's accessible children are read at the end.

struct Tecla {
    QWidget* (*donde)(Form1&);
    int tecla;
    Qt::KeyboardModifiers mod = Qt::NoModifier;
};
QWidget* plano(Form1& f) {
    return f.Picture1;
}
QWidget* lista(Form1& f) {
    return f.Picture2;
}
QWidget* sube(Form1& f) {
    return &f.Image1(4);
}

struct CasoTeclado {
    const char* nombre;
    std::vector<Tecla> teclas;
    void (*raton)(Form1&);
};
void PrintTo(const CasoTeclado& c, std::ostream* os) {
    *os << c.nombre;
}

// A drag of point k through the given stops, one timer tick at each.
void arrastrar(Form1& f, int k, std::initializer_list<QPointF> paradas) {
    presionar(f, 1, esquina(f, k));
    for (QPointF p : paradas) {
        moverYTic(f, static_cast<float>(p.x()), static_cast<float>(p.y()));
    }
    soltar(f, 1, esquina(f, k));
}
void orden(Form1& f, int k, Integer indice) {
    presionar(f, 2, esquina(f, k));
    f.Label5_Click(indice);
}

class Teclado : public ::testing::TestWithParam<CasoTeclado> {};

TEST_P(Teclado, IgualQueConElRaton) {
    Form1 a, b;
    muestraConPuntos(a, separados);
    muestraConPuntos(b, separados);
    for (const Tecla& t : GetParam().teclas) {
        if (t.tecla == -Qt::Key_Space) { // a held Space: one auto-repeat, then the release
            QKeyEvent repite(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
            QApplication::sendEvent(t.donde(a), &repite);
            QTest::keyRelease(t.donde(a), Qt::Key_Space);
        } else {
            QTest::keyPress(t.donde(a), static_cast<Qt::Key>(t.tecla), t.mod);
            if (t.tecla != Qt::Key_Space || t.donde != sube) {
                QTest::keyRelease(t.donde(a), static_cast<Qt::Key>(t.tecla), t.mod);
            }
        }
    }
    GetParam().raton(b);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(a.g.xObs(k), b.g.xObs(k)) << k;
        EXPECT_EQ(a.g.yObs(k), b.g.yObs(k)) << k;
        EXPECT_EQ(a.g.activo(k), b.g.activo(k)) << k;
    }
    EXPECT_EQ(ajuste(a.g), ajuste(b.g));
    EXPECT_EQ(a.pasosHerramienta(), b.pasosHerramienta());
    for (Matriz<TextBox>* m : {&a.Text1, &a.Text2, &a.Text3}) {
        Matriz<TextBox>& mb = m == &a.Text1 ? b.Text1 : m == &a.Text2 ? b.Text2 : b.Text3;
        for (int i = m->LBound(); i <= m->UBound(); ++i) {
            EXPECT_EQ((*m)(i).Text(), mb(i).Text()) << (*m)(i).objectName().toStdString();
        }
    }
    EXPECT_FALSE(a.tomado());
    QAccessible::setActive(true);
    QAccessibleInterface* p = QAccessible::queryAccessibleInterface(a.Picture1);
    ASSERT_EQ(p->role(), QAccessible::List);
    EXPECT_EQ(p->text(QAccessible::Description), a.anuncio());
    EXPECT_EQ(a.anuncio(), QStringLiteral("Pendiente %1; R² %2 %; %3 puntos en uso")
                               .arg(b.Text1(1).Text(), b.Text1(14).Text())
                               .arg(contarActivos(b.g)));
    for (int k = 1; k <= 8; ++k) {
        QAccessibleInterface* c = p->child(k - 1);
        // What is said is what the list shows: the row's x and y.
        std::string fila;
        formarFila(static_cast<Integer>(k), b.g.xObs(k), b.g.yObs(k), fila);
        const QStringList campos = QString::fromStdString(fila).split(' ', Qt::SkipEmptyParts);
        const QString xy = QStringLiteral("x %1, y %2").arg(campos[1], campos[2]);
        EXPECT_EQ(c->role(), QAccessible::ListItem);
        EXPECT_EQ(c->text(QAccessible::Value), xy);
        EXPECT_EQ(c->text(QAccessible::Name),
                  QStringLiteral("Punto %1 de 8: %2, %3")
                      .arg(k)
                      .arg(xy, b.g.activo(k) == 1 ? "en uso" : "eliminado"));
    }
    // A half goes to the even neighbour, in the list and in what is said.
    EXPECT_EQ(b.g.oMostrar->textoCoordenada(92.5f, false), "92");
    EXPECT_EQ(b.g.oMostrar->textoCoordenada(-12.5f, true), "-12");
}

// The handles of "Mi recta" join the keyboard's choice in order of x: the left
// one (x = -20) comes first; the arrows raise it a unit a step, Escape puts it
// back, and the sum of squares follows.
TEST(Teclado, LasAsasDeMiRecta) {
    Form1 f;
    muestraConPuntos(f, separados);
    f.mnuMia->accion()->trigger();
    const Single y0 = f.g.yAsa(0);
    for (int t : {Qt::Key_Home, Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}) {
        QTest::keyClick(f.Picture1, static_cast<Qt::Key>(t));
    }
    EXPECT_EQ(f.g.yAsa(0), y0 + 2);
    const Single sc = f.g.scMiRecta;
    for (int t : {Qt::Key_Space, Qt::Key_Up, Qt::Key_Escape}) {
        QTest::keyClick(f.Picture1, static_cast<Qt::Key>(t));
    }
    EXPECT_EQ(f.g.yAsa(0), y0 + 2);
    EXPECT_EQ(f.g.scMiRecta, sc);
    f.mnuAv->accion()->trigger();
    EXPECT_EQ(f.asideros().size(), 1u);
}

// Closing the window while a control wired to it has the keyboard focus:
// the destruction moves the focus, and the control's signal must not reach
// the window being destroyed (the sanitizer tree stops at such a call).
TEST(Teclado, CerrarConElFocoEnUnControl) {
    for (const char* nombre : {"Picture1", "Picture2", "Image1_0"}) {
        auto f = std::make_unique<Form1>();
        generarSembrado(*f, 3);
        f->show();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
        QWidget* w = f->findChild<QWidget*>(QString::fromLatin1(nombre));
        ASSERT_NE(w, nullptr) << nombre;
        w->setFocus();
        ASSERT_TRUE(w->hasFocus()) << nombre;
        f.reset();
    }
}

// By x the points run 4, 8, 1, 6, 2, 5, 3, 7.
INSTANTIATE_TEST_SUITE_P(
    Casos, Teclado,
    ::testing::Values(CasoTeclado{"mover",
                                  {{plano, Qt::Key_Home},
                                   {plano, Qt::Key_Right},
                                   {plano, Qt::Key_Space},
                                   {plano, Qt::Key_Right},
                                   {plano, Qt::Key_Right, Qt::ShiftModifier},
                                   {plano, Qt::Key_Up},
                                   {plano, Qt::Key_Return}},
                                  [](Form1& f) {
                                      arrastrar(f, 8, {{-9, 20}, {-4, 20}, {-4, 21}});
                                  }},
                      CasoTeclado{"cancelar",
                                  {{plano, Qt::Key_End},
                                   {plano, Qt::Key_Enter},
                                   {plano, Qt::Key_Down},
                                   {plano, Qt::Key_Left},
                                   {plano, Qt::Key_Escape}},
                                  [](Form1& f) {
                                      arrastrar(f, 7, {{70, 94}, {69, 94}, {70, 95}});
                                  }},
                      CasoTeclado{"eliminarHastaTresYRecuperar",
                                  {{plano, Qt::Key_Home},
                                   {plano, Qt::Key_Delete},
                                   {plano, Qt::Key_Right},
                                   {plano, Qt::Key_Delete},
                                   {plano, Qt::Key_Right},
                                   {plano, Qt::Key_Delete},
                                   {plano, Qt::Key_Right},
                                   {plano, Qt::Key_Delete},
                                   {plano, Qt::Key_Right},
                                   {plano, Qt::Key_Delete},
                                   {plano, Qt::Key_Right},
                                   {plano, Qt::Key_Delete},
                                   {plano, Qt::Key_Left},
                                   {plano, Qt::Key_Insert}},
                                  [](Form1& f) {
                                      for (int k : {4, 8, 1, 6, 2, 5}) {
                                          orden(f, k, 0);
                                      }
                                      orden(f, 2, 1);
                                  }},
                      CasoTeclado{
                          "lista",
                          {{lista, Qt::Key_End}, {lista, Qt::Key_Up}, {lista, Qt::Key_Delete}},
                          [](Form1& f) { orden(f, 7, 0); }},
                      CasoTeclado{"herramienta",
                                  {{sube, Qt::Key_Left},
                                   {sube, Qt::Key_Right},
                                   {sube, Qt::Key_Space},
                                   {sube, -Qt::Key_Space}},
                                  [](Form1& f) {
                                      f.Image1_MouseDown(4, 1, 0, 0, 0);
                                      f.Image1_MouseUp(4, 1, 0, 0, 0);
                                  }}));
