// The ten cloud tools through the window (issue 6): one step of each at a
// quick click, each limit reached by holding the button while the event
// loop runs, the pacing, and a new sample ending a held tool. Last, the
// partial repaints of a drag and a held tool leave no stale pixel.
#include "ayudas_acciones.h"

#include <QBackingStore>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <tuple>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

enum class Paso { Nada, Contrae, Expande, Suma, Resta };

struct CasoHerramienta {
    const char* nombre;
    int indice;
    Paso enX, enY;
};

void PrintTo(const CasoHerramienta& c, std::ostream* os) {
    *os << c.nombre;
}

const CasoHerramienta herramientas[] = {
    {"ContraeVertical", 0, Paso::Nada, Paso::Contrae},
    {"ExpandeVertical", 1, Paso::Nada, Paso::Expande},
    {"ContraeHorizontal", 2, Paso::Contrae, Paso::Nada},
    {"ExpandeHorizontal", 3, Paso::Expande, Paso::Nada},
    {"Sube", 4, Paso::Nada, Paso::Suma},
    {"Baja", 5, Paso::Nada, Paso::Resta},
    {"Izquierda", 6, Paso::Resta, Paso::Nada},
    {"Derecha", 7, Paso::Suma, Paso::Nada},
    {"Contrae", 8, Paso::Contrae, Paso::Contrae},
    {"Expande", 9, Paso::Expande, Paso::Expande},
};

const std::vector<Punto> separados{{0, 10},  {30, 40}, {60, 70}, {-15, 10},
                                   {45, 50}, {10, 45}, {70, 95}, {-10, 20}};

// One tool step on a coordinate, with the mean of the last fit.
double pasoEsperado(Paso p, double v, double media, double paso) {
    constexpr double w = 0.004999995;
    switch (p) {
    case Paso::Nada:
        return v;
    case Paso::Contrae:
        return 0.995 * v + w * media;
    case Paso::Expande:
        return 1.005 * v - w * media;
    case Paso::Suma:
        return v + paso;
    case Paso::Resta:
        return v - paso;
    }
    return v;
}

// Whether a marker sits where the placement rule puts it.
bool marcadorEnX(const Form1& f, int k) {
    return f.Shape1(k).Left() == static_cast<float>(static_cast<double>(f.g.xObs(k)) - 1.0);
}
bool marcadorEnY(const Form1& f, int k) {
    return f.Shape1(k).Top() == static_cast<float>(static_cast<double>(f.g.yObs(k)) + 1.0);
}

void clicRapido(Form1& f, int indice) {
    f.Image1_MouseDown(static_cast<Integer>(indice), 1, 0, 10, 10);
    f.Image1_MouseUp(static_cast<Integer>(indice), 1, 0, 10, 10);
}

// Holds the tool until it stops by itself at its limit.
void sostenerHastaElLimite(Form1& f, int indice) {
    f.Image1_MouseDown(static_cast<Integer>(indice), 1, 0, 10, 10);
    const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (f.herramientaActiva() && std::chrono::steady_clock::now() < fin) {
        esperar(5);
    }
    EXPECT_FALSE(f.herramientaActiva()) << "the tool never reached its limit";
    f.Image1_MouseUp(static_cast<Integer>(indice), 1, 0, 10, 10);
}

// Point 1 dragged into the lower left and point 2 into the upper right, so
// that every move and expansion reaches its limit in a few steps.
void muestraAlBorde(Form1& f) {
    muestraConPuntos(f, separados);
    for (auto [k, x, y] : {std::tuple{2, 95.0f, 96.0f}, std::tuple{1, -36.0f, -36.0f}}) {
        presionar(f, 1, esquina(f, k));
        ASSERT_EQ(f.g.puntoSel, k);
        f.Picture1_MouseMove(1, 0, x, y);
        f.Timer1_Timer();
        soltar(f, 1, {x, y});
    }
}

class UnPaso : public ::testing::TestWithParam<CasoHerramienta> {};

TEST_P(UnPaso, UnClicMueveTodosLosPuntosUnPaso) {
    const CasoHerramienta& c = GetParam();
    Form1 f;
    muestraConPuntos(f, separados);
    // Deleted points move with the cloud.
    f.g.puntoSel = 3;
    f.Label5_Click(0);
    ASSERT_EQ(f.g.activo(3), 0);
    const int n = f.g.nPuntos;
    std::vector<float> x0, y0, left0, top0;
    for (int k = 1; k <= n; ++k) {
        x0.push_back(f.g.xObs(k));
        y0.push_back(f.g.yObs(k));
        left0.push_back(static_cast<float>(f.Shape1(k).Left()));
        top0.push_back(static_cast<float>(f.Shape1(k).Top()));
    }
    const double mediaX = f.g.mediaX;
    const double mediaY = f.g.mediaY;
    const double dx = 0.02 * f.g.escalaX;
    const double dy = 0.02 * f.g.escalaY;
    const long pasos = f.pasosHerramienta();

    clicRapido(f, c.indice);

    EXPECT_EQ(f.pasosHerramienta(), pasos + 1);
    EXPECT_FALSE(f.herramientaActiva());
    EXPECT_EQ(f.g.arrastrando, 0);
    for (int k = 1; k <= n; ++k) {
        SCOPED_TRACE(k);
        const auto i = static_cast<std::size_t>(k - 1);
        EXPECT_NEAR(f.g.xObs(k), pasoEsperado(c.enX, x0[i], mediaX, dx),
                    1e-4 * (1 + std::abs(x0[i])));
        EXPECT_NEAR(f.g.yObs(k), pasoEsperado(c.enY, y0[i], mediaY, dy),
                    1e-4 * (1 + std::abs(y0[i])));
        if (c.enX == Paso::Nada) {
            EXPECT_EQ(f.g.xObs(k), x0[i]);
            EXPECT_EQ(f.Shape1(k).Left(), left0[i]);
        } else {
            EXPECT_TRUE(marcadorEnX(f, k));
        }
        if (c.enY == Paso::Nada) {
            EXPECT_EQ(f.g.yObs(k), y0[i]);
            EXPECT_EQ(f.Shape1(k).Top(), top0[i]);
        } else {
            EXPECT_TRUE(marcadorEnY(f, k));
        }
        // The list shows the moved point.
        std::string fila;
        f.g.oMostrar->formato(static_cast<Integer>(k), f.g.xObs(k), f.g.yObs(k), fila);
        const auto& r = f.Picture2->renglones();
        EXPECT_TRUE(std::any_of(r.begin(), r.end(), [&](const PictureBox::Renglon& x) {
            return x.texto == QString::fromStdString(fila);
        }));
    }
    // The fit was recomputed from the moved points in use.
    const Sumas s = sumasDesdeCero(f.g);
    const double tol = toleranciaSumas(s);
    EXPECT_NEAR(f.g.sumaX, s.x, tol);
    EXPECT_NEAR(f.g.sumaY, s.y, tol);
    EXPECT_NEAR(f.g.sumaX2, s.x2, tol);
    EXPECT_NEAR(f.g.sumaY2, s.y2, tol);
    EXPECT_NEAR(f.g.sumaXY, s.xy, tol);
    EXPECT_NEAR(f.g.mediaX, s.x / s.n, 1e-4);
    EXPECT_FLOAT_EQ(
        static_cast<float>(f.Line3->Y1()),
        static_cast<float>(f.g.xMin * static_cast<double>(f.g.pendiente) + f.g.intercepto));
}

INSTANTIATE_TEST_SUITE_P(Todas, UnPaso, ::testing::ValuesIn(herramientas),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Moves and expansions stop as soon as one point would come within the
// margin of an edge; that point keeps its changed coordinate while its
// marker stays one step behind, and the points after it did not move.
class LimiteDeBorde : public ::testing::TestWithParam<CasoHerramienta> {};

TEST_P(LimiteDeBorde, ElPuntoQueLlegaQuedaUnPasoDelanteDeSuMarcador) {
    const CasoHerramienta& c = GetParam();
    Form1 f;
    muestraAlBorde(f);
    const int n = f.g.nPuntos;
    const double mx = 0.06 * f.g.escalaX;
    const double my = 0.06 * f.g.escalaY;
    sostenerHastaElLimite(f, c.indice);

    auto fueraX = [&](int k) {
        const double x = f.g.xObs(k);
        return !(x > f.g.xMin + mx && x < f.g.xMax - mx);
    };
    auto fueraY = [&](int k) {
        const double y = f.g.yObs(k);
        return !(y > f.g.yMin + my && y < f.g.yMax - my);
    };
    int tope = 0; // the first point that reached a margin
    for (int k = 1; k <= n && tope == 0; ++k) {
        if ((c.enX != Paso::Nada && fueraX(k)) || (c.enY != Paso::Nada && fueraY(k))) {
            tope = k;
        }
    }
    ASSERT_NE(tope, 0) << "no point at a margin";
    for (int k = 1; k <= n; ++k) {
        SCOPED_TRACE(k);
        const bool atrasX = k == tope && c.enX != Paso::Nada && fueraX(k);
        const bool atrasY = k == tope && c.enY != Paso::Nada && fueraY(k);
        EXPECT_EQ(marcadorEnX(f, k), !atrasX);
        EXPECT_EQ(marcadorEnY(f, k), !atrasY);
        if (atrasX) {
            // One step behind: the coordinate before the step was inside.
            const double antes = f.Shape1(k).Left() + 1;
            EXPECT_GT(antes, f.g.xMin + mx);
            EXPECT_LT(antes, f.g.xMax - mx);
            EXPECT_NEAR(f.g.xObs(k), pasoEsperado(c.enX, antes, f.g.mediaX, 0.02 * f.g.escalaX),
                        1e-3);
        }
        if (atrasY) {
            const double antes = f.Shape1(k).Top() - 1;
            EXPECT_GT(antes, f.g.yMin + my);
            EXPECT_LT(antes, f.g.yMax - my);
            EXPECT_NEAR(f.g.yObs(k), pasoEsperado(c.enY, antes, f.g.mediaY, 0.02 * f.g.escalaY),
                        1e-3);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MovimientosYExpansiones, LimiteDeBorde,
                         ::testing::Values(herramientas[1], herramientas[3], herramientas[4],
                                           herramientas[5], herramientas[6], herramientas[7],
                                           herramientas[9]),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(LimiteDeBorde, LaDerechaSeDetieneEnElMargen) {
    Form1 f;
    muestraAlBorde(f);
    sostenerHastaElLimite(f, 7);
    const double limite = f.g.xMax - 0.06 * f.g.escalaX; // 99.232 on 1024 x 768
    // Point 2 is the rightmost: it reached the margin, its marker did not.
    EXPECT_GE(f.g.xObs(2), limite);
    EXPECT_LT(f.Shape1(2).Left() + 1, limite);
    EXPECT_NEAR(f.g.xObs(2) - (f.Shape1(2).Left() + 1), 0.02 * f.g.escalaX, 1e-3);
    for (int k = 1; k <= f.g.nPuntos; ++k) {
        EXPECT_LT(f.Shape1(k).Left() + 1, limite) << k;
    }
}

// A contraction stops when the point that had the largest coordinate at the
// press comes within 5 units of the mean; the means stay where they were.
class LimiteDeContraccion : public ::testing::TestWithParam<CasoHerramienta> {};

TEST_P(LimiteDeContraccion, SeDetieneCercaDeLaMedia) {
    const CasoHerramienta& c = GetParam();
    Form1 f;
    // Largest x at point 3, largest y at point 5, both just over 5 from
    // their mean (9.8 and 20.6).
    muestraConPuntos(f, {{6, 10}, {10, 20}, {16, 22}, {5, 25}, {12, 26}});
    const double mediaX0 = f.g.mediaX;
    const double mediaY0 = f.g.mediaY;
    sostenerHastaElLimite(f, c.indice);

    const bool llegoX = f.g.xObs(3) - f.g.mediaX < 5;
    const bool llegoY = f.g.yObs(5) - f.g.mediaY < 5;
    EXPECT_TRUE((c.enX == Paso::Contrae && llegoX) || (c.enY == Paso::Contrae && llegoY));
    EXPECT_NEAR(f.g.mediaX, mediaX0, 0.05);
    EXPECT_NEAR(f.g.mediaY, mediaY0, 0.05);
    // At most one marker per axis left behind, at the point that ended it.
    int atrasX = 0;
    int atrasY = 0;
    for (int k = 1; k <= 5; ++k) {
        atrasX += marcadorEnX(f, k) ? 0 : 1;
        atrasY += marcadorEnY(f, k) ? 0 : 1;
    }
    EXPECT_LE(atrasX, 1);
    EXPECT_LE(atrasY, 1);
    EXPECT_EQ(atrasX + atrasY > 0, true);

    // Pressed again after its limit: only point 1 moves, by one step,
    // without its marker and without a redraw.
    std::vector<float> x0, y0;
    for (int k = 1; k <= 5; ++k) {
        x0.push_back(f.g.xObs(k));
        y0.push_back(f.g.yObs(k));
    }
    const double left1 = f.Shape1(1).Left();
    const double top1 = f.Shape1(1).Top();
    const long pasos = f.pasosHerramienta();
    const Ajuste antes = ajuste(f.g);
    clicRapido(f, c.indice);
    EXPECT_EQ(f.pasosHerramienta(), pasos);
    EXPECT_EQ(ajuste(f.g), antes);
    // The marker does not follow on the axis whose limit was reached (with
    // both axes, the other one's part of the step still places it).
    if (c.enX == Paso::Contrae && llegoX) {
        EXPECT_EQ(f.Shape1(1).Left(), left1);
    }
    if (c.enY == Paso::Contrae && llegoY) {
        EXPECT_EQ(f.Shape1(1).Top(), top1);
    }
    EXPECT_TRUE(f.g.xObs(1) != x0[0] || f.g.yObs(1) != y0[0]);
    for (int k = 2; k <= 5; ++k) {
        EXPECT_EQ(f.g.xObs(k), x0[static_cast<std::size_t>(k - 1)]) << k;
        EXPECT_EQ(f.g.yObs(k), y0[static_cast<std::size_t>(k - 1)]) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Contracciones, LimiteDeContraccion,
                         ::testing::Values(herramientas[0], herramientas[2], herramientas[8]),
                         [](const auto& info) { return std::string(info.param.nombre); });

// A contraction stopped at its limit moved points in its last step without
// a refit; a drag that follows shows the fit of the points the list shows,
// the fit that recomputing everything from them gives.
TEST(LimiteDeContraccion, UnArrastreDespuesAjustaLaNubeListada) {
    Form1 f;
    muestraConPuntos(f, {{6, 10}, {10, 20}, {16, 22}, {5, 25}, {12, 26}});
    sostenerHastaElLimite(f, 0);
    presionar(f, 1, esquina(f, 4));
    ASSERT_EQ(f.g.arrastrando, -1);
    f.Picture1_MouseMove(1, 0, 40, 60);
    f.Timer1_Timer();
    soltar(f, 1, {40, 60});
    const auto leer = [&f] {
        std::vector<std::string> textos;
        for (const TextBox* t : f.findChildren<TextBox*>()) {
            textos.push_back(t->Text().toStdString());
        }
        return std::pair(std::vector<double>{f.g.mediaX, f.g.mediaY, f.g.Sxx, f.g.Syy, f.g.Sxy,
                                             f.g.SCErr, f.g.R2, f.g.intercepto, f.g.pendiente},
                         textos);
    };
    const auto trasArrastre = leer();
    f.g.oCalculos->sumas();
    f.g.oCalculos->Calcula();
    f.g.oCalculos->Anova();
    f.g.oMostrar->Mostrar();
    f.g.oMostrar->mostrarAnova();
    const auto desdeCero = leer();
    for (std::size_t i = 0; i < desdeCero.first.size(); ++i) {
        const double v = desdeCero.first[i];
        EXPECT_NEAR(trasArrastre.first[i], v, 1e-5 * (1 + std::abs(v))) << i;
    }
    EXPECT_EQ(trasArrastre.second, desdeCero.second);
}

// Counts the paints of a widget.
class Pinturas : public QObject {
public:
    int n = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        n += e->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Steps at most every 0.01 s, the plot painted at most once per refresh of
// the screen, and nothing after the release.
TEST(Ritmo, ComoMuchoUnPasoCadaCentesima) {
    Form1 f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    muestraConPuntos(f, {{6, 10}, {10, 20}, {16, 22}, {5, 25}, {12, 26}});
    esperar(20);
    Pinturas pinturas;
    f.Picture1->installEventFilter(&pinturas);
    const long pasos = f.pasosHerramienta();
    const auto inicio = std::chrono::steady_clock::now();
    f.Image1_MouseDown(4, 1, 0, 10, 10);
    esperar(150);
    f.Image1_MouseUp(4, 1, 0, 10, 10);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio)
            .count();
    const long hechos = f.pasosHerramienta() - pasos;
    EXPECT_GE(hechos, 2);
    EXPECT_LE(hechos, static_cast<long>(ms / 10) + 1);
    EXPECT_GE(pinturas.n, 2);
    EXPECT_LE(pinturas.n, static_cast<int>(ms * f.screen()->refreshRate() / 1000) + 1);
    EXPECT_FALSE(f.herramientaActiva());
    const float y = f.g.yObs(1);
    esperar(40);
    EXPECT_EQ(f.g.yObs(1), y) << "the tool went on after the release";
}

// A new sample, by the menu or by the size entry, ends the held tool.
TEST(NuevaMuestra, GenerarTerminaLaHerramienta) {
    Form1 f;
    muestraConPuntos(f, {{6, 10}, {10, 20}, {16, 22}, {5, 25}, {12, 26}});
    f.setGenerador(std::make_unique<Semilla>(3));
    f.Image1_MouseDown(4, 1, 0, 10, 10);
    esperar(30);
    ASSERT_TRUE(f.herramientaActiva());
    f.mnuGene->accion()->trigger();
    EXPECT_FALSE(f.herramientaActiva());
    const long pasos = f.pasosHerramienta();
    std::vector<float> y;
    for (int k = 1; k <= f.g.nPuntos; ++k) {
        y.push_back(f.g.yObs(k));
    }
    esperar(60);
    EXPECT_EQ(f.pasosHerramienta(), pasos);
    for (int k = 1; k <= f.g.nPuntos; ++k) {
        EXPECT_EQ(f.g.yObs(k), y[static_cast<std::size_t>(k - 1)]) << k;
        EXPECT_TRUE(marcadorEnY(f, k)) << k;
    }
    f.Image1_MouseUp(4, 1, 0, 10, 10); // the late release changes nothing
    EXPECT_EQ(f.g.arrastrando, 0);
}

TEST(NuevaMuestra, LaEntradaDeTamanoTerminaLaHerramienta) {
    Form1 f;
    muestraConPuntos(f, {{6, 10}, {10, 20}, {16, 22}, {5, 25}, {12, 26}});
    f.setGenerador(std::make_unique<Semilla>(3));
    f.Image1_MouseDown(5, 1, 0, 10, 10);
    esperar(30);
    ASSERT_TRUE(f.herramientaActiva());
    escribir(f.Text2(10), "7");
    ASSERT_EQ(f.g.nPuntos, 7);
    EXPECT_FALSE(f.herramientaActiva());
    std::vector<float> y;
    for (int k = 1; k <= 7; ++k) {
        y.push_back(f.g.yObs(k));
    }
    esperar(60);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(f.g.yObs(k), y[static_cast<std::size_t>(k - 1)]) << k;
    }
    f.Image1_MouseUp(5, 1, 0, 10, 10);
}

// A point dragged past an edge keeps its marker against that edge (Part
// 4.4); a contraction that starts from there must not carry the marker off
// the plot while the coordinate comes back.
struct CasoFuera {
    const char* nombre;
    float x, y; ///< where point 7 is dragged
    int herramienta;
};

void PrintTo(const CasoFuera& c, std::ostream* os) {
    *os << c.nombre;
}

class ContraerDesdeFuera : public ::testing::TestWithParam<CasoFuera> {};

TEST_P(ContraerDesdeFuera, ElMarcadorNoSaleDelPlano) {
    const CasoFuera& c = GetParam();
    Form1 f;
    muestraConPuntos(f, separados);
    presionar(f, 1, esquina(f, 7));
    ASSERT_EQ(f.g.puntoSel, 7);
    f.Picture1_MouseMove(1, 0, c.x, c.y);
    f.Timer1_Timer();
    soltar(f, 1, {c.x, c.y});
    for (int veces = 0; veces < 3; ++veces) {
        clicRapido(f, c.herramienta);
        const Shape& m = f.Shape1(7);
        EXPECT_GE(m.Left(), f.g.xMin) << veces;
        EXPECT_LE(m.Left() + m.Width(), f.g.xMax + 1e-4) << veces;
        EXPECT_LE(m.Top(), f.g.yMax) << veces;
        EXPECT_GE(m.Top() - m.Height(), f.g.yMin - 1e-4) << veces;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, ContraerDesdeFuera,
                         ::testing::Values(CasoFuera{"Arriba", 70, 130, 0},
                                           CasoFuera{"Abajo", 70, -80, 0},
                                           CasoFuera{"ALaDerecha", 130, 95, 2},
                                           CasoFuera{"ALaIzquierda", -90, 95, 2},
                                           CasoFuera{"EnDiagonal", 140, 140, 8}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The window as the screen shows it: the backing store, where each paint
// redraws only the region that was updated, once the event loop has run the
// paints still pending.
QImage enPantalla(Form1& f) {
    esperar(30);
    QPaintDevice* d = f.backingStore()->paintDevice();
    return d->devType() == QInternal::Image ? static_cast<QImage*>(d)->copy() : QImage();
}

// Which views are on beside the prediction and the bands.
enum class Vistas { Diseno, ResiduosEInfluencia, MiRecta };

// The screens file of this suite adds screens at ratios 2 and 1.25 beside
// the usual one; the window moves to the screen of the ratio under test.
class RepintadoParcial : public ::testing::TestWithParam<std::tuple<double, Vistas>> {};

TEST_P(RepintadoParcial, IgualaAlRepintadoCompleto) {
    const auto [razon, vistas] = GetParam();
    const auto pantallas = QGuiApplication::screens();
    const auto pantalla = std::find_if(pantallas.begin(), pantallas.end(), [r = razon](QScreen* s) {
        return s->devicePixelRatio() == r;
    });
    ASSERT_NE(pantalla, pantallas.end()) << "no screen at ratio " << razon;
    Form1 f;
    f.move((*pantalla)->geometry().topLeft());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_EQ(f.devicePixelRatioF(), razon);
    // A nearly flat cloud: the fitted line, the bands and the marks then
    // cover thin strips, so that a zone cut short leaves visible pixels.
    muestraConPuntos(f, {{0, 32}, {10, 36}, {20, 31}, {30, 35}, {25, 33}, {5, 34}});
    f.mnuPr->accion()->trigger();
    f.mnuBan->accion()->trigger();
    if (vistas == Vistas::ResiduosEInfluencia) {
        // Segments, squares, rings (2 px) and, during the drag, the dashed line.
        f.mnuRes->accion()->trigger();
        f.Check1->setValue(true);
        f.Check1_Click();
        f.mnuInf->accion()->trigger();
    } else if (vistas == Vistas::MiRecta) {
        // The own line's squares, then a handle dragged and the answer shown.
        f.mnuMia->accion()->trigger();
        f.Check2->setValue(true);
        f.Check2_Click();
        const Shape& asa = f.Shape8(1);
        const QPointF centro(asa.Left() + asa.Width() / 2, asa.Top() - asa.Height() / 2);
        presionar(f, 1, centro);
        f.Picture1_MouseMove(1, 0, static_cast<float>(centro.x()), 80.0f);
        esperar(80);
        soltar(f, 1, {centro.x(), 80});
        f.Label7_Click(6);
    }
    // A drag over several ticks of its timer, each painted before the next.
    presionar(f, 1, esquina(f, 2));
    for (const QPointF p : {QPointF(50, 34), QPointF(-30, 35), QPointF(90, 33)}) {
        f.Picture1_MouseMove(1, 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
        esperar(80);
    }
    soltar(f, 1, {90, 33});
    // A held tool, a quick click that changes only some rows, and a smaller
    // sample, whose list loses rows.
    f.Image1_MouseDown(1, 1, 0, 10, 10);
    esperar(80);
    f.Image1_MouseUp(1, 1, 0, 10, 10);
    clicRapido(f, 0);
    escribir(f.Text2(10), "4");
    const QImage parcial = enPantalla(f);
    ASSERT_FALSE(parcial.isNull());
    // update() repaints a widget but not its opaque children: all of them.
    for (QWidget* w : f.findChildren<QWidget*>()) {
        w->update();
    }
    const QImage completa = enPantalla(f);
    int distintos = 0;
    for (int y = 0; y < parcial.height(); ++y) {
        for (int x = 0; x < parcial.width(); ++x) {
            distintos += parcial.pixel(x, y) != completa.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(distintos, 0) << "stale pixels at ratio " << razon;
}

std::string nombreRepintado(const ::testing::TestParamInfo<std::tuple<double, Vistas>>& info) {
    static const char* const vistas[] = {"Diseno", "ResiduosEInfluencia", "MiRecta"};
    return "x" + std::to_string(int(std::get<0>(info.param) * 100)) +
           vistas[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Razones, RepintadoParcial,
                         ::testing::Combine(::testing::Values(1.0, 1.25, 2.0),
                                            ::testing::Values(Vistas::Diseno,
                                                              Vistas::ResiduosEInfluencia,
                                                              Vistas::MiRecta)),
                         nombreRepintado);

} // namespace
