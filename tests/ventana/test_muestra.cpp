// A sample on screen through the window's own handlers (issue 5): "Generar"
// with scripted and seeded draws, the size entry, the level and prediction
// entries typed through the TextBox key path, the view menu and the sheets.
#include "ayudas_acciones.h"

#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

const QColor azul(0, 0, 220);

std::vector<float> copiaX(const Form1& f) {
    std::vector<float> v;
    for (int k = 1; k <= 50; ++k) {
        v.push_back(f.g.xObs(k));
    }
    return v;
}

// Rows that the point list shows below its heading and rule.
int filasDePuntos(const Form1& f) {
    return static_cast<int>(f.Picture2->renglones().size()) - 2;
}

// ---------------------------------------------------------------------------
// Before the first sample.

TEST(AntesDeLaMuestra, LasEntradasDeVerEstanDeshabilitadas) {
    Form1 f;
    EXPECT_TRUE(f.mnuGene->Enabled());
    EXPECT_TRUE(f.mnuVe->Enabled());
    EXPECT_FALSE(f.mnuAv->Enabled());
    EXPECT_FALSE(f.mnuPr->Enabled());
    EXPECT_FALSE(f.mnuBan->Enabled());
    EXPECT_TRUE(f.mnuExa->Enabled() && !f.mnuExa->Checked());
    // A disabled entry gives no command: nothing is switched on or drawn.
    f.mnuBan->accion()->trigger();
    f.mnuPr->accion()->trigger();
    EXPECT_EQ(f.g.bandasActivas, 0);
    EXPECT_EQ(f.g.prediccionActiva, 0);
    EXPECT_FALSE(f.Frame5->Visible());
    EXPECT_FALSE(f.Picture1->Visible());
    for (int k = 0; k <= 39; ++k) {
        EXPECT_FALSE(f.Line12(k).Visible()) << k;
    }

    generarSembrado(f, 3);
    EXPECT_TRUE(f.mnuAv->Enabled());
    EXPECT_TRUE(f.mnuPr->Enabled());
    EXPECT_TRUE(f.mnuBan->Enabled());
    EXPECT_TRUE(f.Picture1->Visible());
}

// ---------------------------------------------------------------------------
// "Generar".

TEST(Generar, UsaLasExtraccionesEnSuOrden) {
    Form1 f;
    // A previous sample with a deleted point: the new sample forgets it.
    generarSembrado(f, 11);
    presionar(f, 2, esquina(f, 1));
    ASSERT_TRUE(f.Frame6->Visible());
    f.Label5_Click(0);
    ASSERT_EQ(f.g.activo(1), 0);

    // Size draw 0 gives 10 points; then the line (m = 1, a = 0.5, s = 37)
    // and ten points, two of them too high and halved.
    const std::vector<Punto> pts{{0, 10},  {10, 20}, {-20, -10}, {75, 110}, {73, 107},
                                 {40, 41}, {5, 42},  {-3, 30},   {60, 90},  {22, 23}};
    std::vector<float> d{0.0f};
    for (float v : extraccionesPara(pts)) {
        d.push_back(v);
    }
    auto guion = std::make_unique<Guion>(d);
    Guion* azar = guion.get();
    f.setGenerador(std::move(guion));
    f.mnuGene->accion()->trigger();

    EXPECT_EQ(azar->quedan(), 0u);
    EXPECT_EQ(azar->deMas(), 0);
    ASSERT_EQ(f.g.nPuntos, 10);
    EXPECT_EQ(f.g.nActivos, 10);
    const std::array<float, 10> yEsperada{10, 20, -10, 55, 53.5f, 41, 42, 30, 90, 23};
    for (int k = 1; k <= 10; ++k) {
        const float x = static_cast<float>(pts[static_cast<std::size_t>(k - 1)].x);
        const float y = yEsperada[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(f.g.xObs(k), x) << k;
        EXPECT_EQ(f.g.yObs(k), y) << k;
        EXPECT_EQ(f.g.activo(k), 1) << k;
        // Marker placement rule: corner at (x - 1, y + 1).
        EXPECT_EQ(f.Shape1(k).Left(), x - 1.0f) << k;
        EXPECT_EQ(f.Shape1(k).Top(), y + 1.0f) << k;
        EXPECT_TRUE(f.Shape1(k).Visible()) << k;
        EXPECT_EQ(f.Shape1(k).FillColor(), azul) << k;
        EXPECT_EQ(f.Shape1(k).BorderColor(), azul) << k;
    }
    for (int k = 11; k <= 50; ++k) {
        EXPECT_FALSE(f.Shape1(k).Visible()) << k;
    }
    EXPECT_EQ(filasDePuntos(f), 10);
    EXPECT_EQ(f.Text2(10).Text(), "10 ");
}

// Whether a y that is not whole came from halving a whole value that lay
// outside [-35, 95]: its double, quadruple or octuple is whole, and every
// value before the last halving lay outside the interval.
bool vieneDeMitades(float y) {
    for (int veces = 1; veces <= 3; ++veces) {
        const double original = std::ldexp(static_cast<double>(y), veces);
        if (original != std::nearbyint(original)) {
            continue;
        }
        for (int j = 0; j < veces; ++j) {
            const double antes = std::ldexp(original, -j);
            if (antes >= -35 && antes <= 95) {
                return false;
            }
        }
        return true;
    }
    return false;
}

TEST(Generar, MuchasMuestras) {
    Form1 f;
    f.setGenerador(std::make_unique<Semilla>(20240917));
    std::map<int, int> tamanos;
    int mitades = 0;
    constexpr int veces = 600;
    for (int m = 0; m < veces; ++m) {
        f.mnuGene->accion()->trigger();
        const int n = f.g.nPuntos;
        ASSERT_GE(n, 10);
        ASSERT_LE(n, 24);
        ASSERT_EQ(f.g.nActivos, n);
        ++tamanos[n];
        for (int k = 1; k <= n; ++k) {
            const float x = f.g.xObs(k);
            const float y = f.g.yObs(k);
            ASSERT_EQ(x, std::nearbyint(x)) << "sample " << m << " point " << k;
            ASSERT_GE(x, -20.0f);
            ASSERT_LE(x, 75.0f);
            ASSERT_GE(y, -35.0f);
            ASSERT_LE(y, 95.0f);
            if (y != std::nearbyint(y)) {
                ASSERT_TRUE(vieneDeMitades(y)) << y;
                ++mitades;
            }
            ASSERT_EQ(f.g.activo(k), 1);
            ASSERT_EQ(f.Shape1(k).Left(), x - 1.0f);
            ASSERT_EQ(f.Shape1(k).Top(), y + 1.0f);
            ASSERT_TRUE(f.Shape1(k).Visible());
        }
        for (int k = n + 1; k <= 50; ++k) {
            ASSERT_FALSE(f.Shape1(k).Visible());
        }
    }
    // Every size turns up; the two ends, half as likely, together about as
    // often as one size between them.
    EXPECT_EQ(tamanos.size(), 15u);
    double enMedio = 0;
    for (int n = 11; n <= 23; ++n) {
        enMedio += tamanos[n];
    }
    enMedio /= 13;
    EXPECT_LT(tamanos[10] + tamanos[24], 1.5 * enMedio);
    EXPECT_GT(tamanos[10] + tamanos[24], 0.5 * enMedio);
    EXPECT_GT(mitades, 0) << "no halved value in " << veces << " samples";
}

// ---------------------------------------------------------------------------
// The size entry Text2(10).

struct CasoTamano {
    const char* nombre;
    std::string texto;
    int esperado; ///< the size drawn, or 0 when the entry is refused
};

void PrintTo(const CasoTamano& c, std::ostream* os) {
    *os << c.nombre;
}

class EntradaTamano : public ::testing::TestWithParam<CasoTamano> {};

TEST_P(EntradaTamano, LeeRedondeaYAcota) {
    const CasoTamano& c = GetParam();
    Form1 f;
    generarSembrado(f, 5);
    const int antes = f.g.nPuntos;
    const std::vector<float> x0 = copiaX(f);
    auto semilla = std::make_unique<Semilla>(99);
    Semilla* azar = semilla.get();
    f.setGenerador(std::move(semilla));

    escribir(f.Text2(10), QString::fromStdString(c.texto));

    if (c.esperado == 0) {
        EXPECT_EQ(azar->tomadas(), 0) << "a refused size drew points";
        EXPECT_EQ(f.g.nPuntos, antes);
        EXPECT_EQ(f.g.nActivos, antes);
        EXPECT_EQ(copiaX(f), x0);
        EXPECT_EQ(f.Text2(10).Text(), QString::number(antes));
        return;
    }
    EXPECT_EQ(f.g.nPuntos, c.esperado);
    EXPECT_EQ(f.g.nActivos, c.esperado);
    EXPECT_EQ(azar->tomadas(), 3 + 2 * c.esperado);
    EXPECT_EQ(f.Text2(10).Text(), QString::number(c.esperado));
    for (int k = 1; k <= 50; ++k) {
        EXPECT_EQ(f.Shape1(k).Visible(), k <= c.esperado) << k;
    }
    EXPECT_EQ(filasDePuntos(f), c.esperado);
    EXPECT_EQ(f.g.tamanoEditado, 1) << "writing the size back counts as a change";
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EntradaTamano,
    ::testing::Values(CasoTamano{"Cincuenta", "50", 50}, CasoTamano{"CincuentaYUno", "51", 0},
                      CasoTamano{"Tres", "3", 3}, CasoTamano{"Dos", "2", 0},
                      CasoTamano{"DosYMedio", "2.5", 0}, CasoTamano{"TresYMedio", "3.5", 4},
                      CasoTamano{"CincuentaYMedio", "50.5", 50}, CasoTamano{"SoloLetras", "abc", 0},
                      CasoTamano{"CifrasYLetras", "12abc", 12}, CasoTamano{"Blancos", " 1 7 ", 17},
                      CasoTamano{"Negativo", "-5", 0}, CasoTamano{"Vacio", "", 0},
                      CasoTamano{"Exponente", "1e1", 10}, CasoTamano{"VueltaDe16Bits", "65539", 0},
                      CasoTamano{"Mas32767", "32771", 0},
                      CasoTamano{"CifrasEnormes", std::string(80, '9'), 0},
                      CasoTamano{"LetraYCifra", "x5", 0}, CasoTamano{"DosPuntos", "4.5.6", 4}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(EntradaTamano, EnterSinEditarNoHaceNada) {
    Form1 f;
    generarSembrado(f, 5);
    const std::vector<float> x0 = copiaX(f);
    auto semilla = std::make_unique<Semilla>(1);
    Semilla* azar = semilla.get();
    f.setGenerador(std::move(semilla));
    // "Generar" leaves the entry unedited.
    enter(f.Text2(10));
    enter(f.Text2(10));
    EXPECT_EQ(azar->tomadas(), 0);
    EXPECT_EQ(copiaX(f), x0);
}

// Writing the size back ("12" over the panel's "12 ") is itself a change
// (the written-back size counts as a change): a second Enter draws another cloud of the same size,
// and one after a refused entry draws a cloud of the size the box shows again.
TEST(EntradaTamano, ElTextoReescritoCuentaComoCambio) {
    Form1 f;
    generarSembrado(f, 5);
    auto semilla = std::make_unique<Semilla>(1);
    Semilla* azar = semilla.get();
    f.setGenerador(std::move(semilla));

    escribir(f.Text2(10), "12");
    ASSERT_EQ(f.g.nPuntos, 12);
    const long tras1 = azar->tomadas();
    enter(f.Text2(10));
    EXPECT_EQ(f.g.nPuntos, 12);
    EXPECT_EQ(azar->tomadas(), 2 * tras1) << "a second cloud of 12";

    escribir(f.Text2(10), "99");
    EXPECT_EQ(f.g.nPuntos, 12);
    EXPECT_EQ(f.Text2(10).Text(), "12");
    const long tras3 = azar->tomadas();
    enter(f.Text2(10));
    EXPECT_EQ(azar->tomadas(), tras3 + 3 + 2 * 12);
}

TEST(EntradaTamano, TrasEliminarUnEnterDaElTamanoReducido) {
    Form1 f;
    generarSembrado(f, 5);
    const int n = f.g.nPuntos;
    presionar(f, 2, esquina(f, 1));
    f.Label5_Click(0);
    ASSERT_EQ(f.g.nActivos, n - 1);
    EXPECT_EQ(f.Text2(10).Text(), QString::number(n - 1) + " ");
    enter(f.Text2(10));
    EXPECT_EQ(f.g.nPuntos, n - 1);
    EXPECT_EQ(f.g.nActivos, n - 1);
}

// ---------------------------------------------------------------------------
// The confidence level Text1(9).

struct CasoNivel {
    const char* nombre;
    std::string texto;
    float nivel;      ///< the level used
    const char* caja; ///< what the box shows afterwards
};

void PrintTo(const CasoNivel& c, std::ostream* os) {
    *os << c.nombre;
}

class EntradaNivelConf : public ::testing::TestWithParam<CasoNivel> {};

TEST_P(EntradaNivelConf, AcotaYMuestraEntero) {
    const CasoNivel& c = GetParam();
    Form1 f;
    generarSembrado(f, 8);
    const float ancho95 = f.g.lsPendiente - f.g.liPendiente;
    f.Frame6->setVisible(true);

    escribir(f.Text1(9), QString::fromStdString(c.texto));

    EXPECT_EQ(f.g.nivelConf, c.nivel);
    EXPECT_EQ(f.Text1(9).Text(), c.caja);
    EXPECT_FALSE(f.Frame6->Visible());
    EXPECT_EQ(f.g.nivelConfEditado, 0);
    // The intervals were recomputed at the new level: narrower below 95.
    const float ancho = f.g.lsPendiente - f.g.liPendiente;
    if (c.nivel < 95) {
        EXPECT_LT(ancho, ancho95);
    } else {
        EXPECT_GT(ancho, ancho95);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EntradaNivelConf,
    ::testing::Values(CasoNivel{"BajoElMinimo", "64.9", 65, "65"},
                      CasoNivel{"SobreElMaximo", "99.5", 99, "99"},
                      CasoNivel{"MedioSeUsaTalCual", "80.5", 80.5f, "81"},
                      CasoNivel{"Vacio", "", 65, "65"}, CasoNivel{"Letras", "abc", 65, "65"},
                      CasoNivel{"Minimo", "65", 65, "65"}, CasoNivel{"Maximo", "99", 99, "99"},
                      CasoNivel{"Negativo", "-80", 65, "65"},
                      CasoNivel{"Exponente", "1e9", 99, "99"},
                      CasoNivel{"CifrasEnormes", std::string(400, '9'), 99, "99"},
                      CasoNivel{"CuartoDecimal", "70.25", 70.25f, "70"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(EntradaNivelConf, SegundoEnterSinEscribirNoHaceNada) {
    Form1 f;
    generarSembrado(f, 8);
    // Right after "Generar" the entry is unedited.
    f.g.nivelConf = 70; // a probe: an Enter that acted would read the box's 95
    f.Frame6->setVisible(true);
    enter(f.Text1(9));
    EXPECT_EQ(f.g.nivelConf, 70.0f);
    EXPECT_TRUE(f.Frame6->Visible());

    escribir(f.Text1(9), "80");
    ASSERT_EQ(f.g.nivelConf, 80.0f);
    f.g.nivelConf = 70;
    f.Frame6->setVisible(true);
    const float li = f.g.liPendiente;
    enter(f.Text1(9));
    EXPECT_EQ(f.g.nivelConf, 70.0f);
    EXPECT_TRUE(f.Frame6->Visible());
    EXPECT_EQ(f.g.liPendiente, li);
}

// ---------------------------------------------------------------------------
// The prediction entries Text4(0) (level) and Text4(1) (x).

struct CasoPrediccion {
    const char* nombre;
    int caja;
    std::string texto;
    float nivelPred, xPred;
    const char* muestra; ///< what the edited box shows afterwards
};

void PrintTo(const CasoPrediccion& c, std::ostream* os) {
    *os << c.nombre;
}

class EntradaPrediccion : public ::testing::TestWithParam<CasoPrediccion> {};

TEST_P(EntradaPrediccion, AcotaYRecalcula) {
    const CasoPrediccion& c = GetParam();
    Form1 f;
    generarSembrado(f, 4);
    f.mnuPr->accion()->trigger();
    ASSERT_EQ(f.g.prediccionActiva, 1);

    escribir(f.Text4(c.caja), QString::fromStdString(c.texto));

    EXPECT_EQ(f.g.nivelPred, c.nivelPred);
    EXPECT_EQ(f.g.xPred, c.xPred);
    EXPECT_EQ(f.Text4(c.caja).Text(), c.muestra);
    EXPECT_EQ(f.g.nivelPredEditado, 0);
    EXPECT_EQ(f.g.xPredEditado, 0);
    // The prediction at the new point, its marks placed there.
    EXPECT_NEAR(f.g.yPred, f.g.intercepto + f.g.pendiente * c.xPred,
                1e-4 * (1 + std::abs(f.g.yPred)));
    EXPECT_EQ(f.Line14(0).X1(), c.xPred);
    EXPECT_EQ(f.Line14(0).Y1(), f.g.banda(0, 21));
    EXPECT_EQ(f.Line14(0).Y2(), f.g.banda(1, 21));
    EXPECT_EQ(f.Line14(1).Y1(), f.g.banda(2, 21));
    EXPECT_EQ(f.Line14(1).Y2(), f.g.banda(3, 21));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EntradaPrediccion,
    ::testing::Values(CasoPrediccion{"XBajoElMinimo", 1, "-36", 95, -35, "-35"},
                      CasoPrediccion{"XSobreElMaximo", 1, "140", 95, 135, "135"},
                      CasoPrediccion{"XMinimo", 1, "-35", 95, -35, "-35"},
                      CasoPrediccion{"XMaximo", 1, "135", 95, 135, "135"},
                      CasoPrediccion{"XLetras", 1, "abc", 95, 0, "0"},
                      CasoPrediccion{"XDecimal", 1, "12.25", 95, 12.25f, "12.25"},
                      CasoPrediccion{"XEnorme", 1, std::string(60, '9'), 95, 135, "135"},
                      CasoPrediccion{"NivelBajo", 0, "64", 65, 20, "65"},
                      CasoPrediccion{"NivelAlto", 0, "100", 99, 20, "99"},
                      CasoPrediccion{"NivelLetras", 0, "abc", 65, 20, "65"},
                      CasoPrediccion{"NivelMedio", 0, "80.5", 80.5f, 20, "80.5"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(EntradaPrediccion, SoloXNoTocaElNivelNiCierraElMenu) {
    Form1 f;
    generarSembrado(f, 4);
    presionar(f, 2, esquina(f, 1));
    ASSERT_TRUE(f.Frame6->Visible());
    // The level box changed by the program: its flag is set, but the first
    // key typed into Text4 clears it again.
    f.Text4(0).setText("70");
    escribir(f.Text4(1), "30");
    EXPECT_EQ(f.g.xPred, 30.0f);
    EXPECT_EQ(f.g.nivelPred, 95.0f);
    EXPECT_EQ(f.Text4(0).Text(), "95");
    EXPECT_TRUE(f.Frame6->Visible());
}

TEST(EntradaPrediccion, EnterSinEditarRecalculaYReescribe) {
    Form1 f;
    generarSembrado(f, 4);
    f.mnuPr->accion()->trigger();
    enter(f.Text4(0)); // clears the flags that the panels' writes set
    f.Text4(2).setText("sonda");
    f.g.yPred = -999;
    f.Text4(1).setText("20.0");
    f.g.xPredEditado = 0; // the probe above is not an edit
    f.g.nivelPredEditado = 0;
    enter(f.Text4(0));
    EXPECT_NE(f.g.yPred, -999.0f);
    EXPECT_NE(f.Text4(2).Text(), "sonda");
    EXPECT_EQ(f.Text4(1).Text(), "20");
    EXPECT_EQ(f.Text4(0).Text(), "95");
    EXPECT_EQ(f.g.xPred, 20.0f);
}

TEST(EntradaPrediccion, UnaTeclaLlevaLasMarcasALaUltimaPrediccion) {
    Form1 f;
    generarSembrado(f, 4);
    f.mnuPr->accion()->trigger();
    f.Line14(0).setExtremos(0, 0, 0, 0);
    QTest::keyClick(&f.Text4(1), Qt::Key_5);
    EXPECT_EQ(f.Line14(0).X1(), f.g.xPred);
    EXPECT_EQ(f.Line14(0).Y1(), f.g.banda(0, 21));
    EXPECT_EQ(f.Line14(0).Y2(), f.g.banda(1, 21));
    EXPECT_EQ(f.g.xPred, 20.0f) << "nothing applied before Enter";
}

// ---------------------------------------------------------------------------
// The view menu.

TEST(Ver, BandasDosVecesMuestraYLuegoOcultaSinCalcular) {
    Form1 f;
    generarSembrado(f, 21);
    f.mnuBan->accion()->trigger();
    ASSERT_EQ(f.g.bandasActivas, 1);
    for (int k = 0; k <= 39; ++k) {
        EXPECT_TRUE(f.Line12(k).Visible()) << k;
        EXPECT_TRUE(f.Line13(k).Visible()) << k;
    }
    for (int j = 0; j <= 20; ++j) {
        EXPECT_TRUE(std::isfinite(f.g.banda(0, j)));
        EXPECT_LT(f.g.banda(0, j), f.g.banda(2, j));
        EXPECT_LT(f.g.banda(3, j), f.g.banda(1, j));
    }
    const Ajuste con95 = ajuste(f.g);
    const double y1 = f.Line12(7).Y1();

    // A probe: were the second choice to compute, the bands would change.
    f.g.nivelPred = 70;
    f.mnuBan->accion()->trigger();
    EXPECT_EQ(f.g.bandasActivas, 0);
    for (int k = 0; k <= 39; ++k) {
        EXPECT_FALSE(f.Line12(k).Visible()) << k;
        EXPECT_FALSE(f.Line13(k).Visible()) << k;
    }
    EXPECT_EQ(ajuste(f.g), con95);
    EXPECT_EQ(f.Line12(7).Y1(), y1);

    // The probe works: the third choice computes at 70 %.
    f.mnuBan->accion()->trigger();
    EXPECT_NE(ajuste(f.g), con95);
}

TEST(Ver, PrediccionLuegoAnovaDejaDeRecalcularLaPrediccion) {
    Form1 f;
    generarSembrado(f, 21);
    f.mnuPr->accion()->trigger();
    EXPECT_TRUE(f.Frame5->Visible());
    EXPECT_FALSE(f.Frame3->Visible());
    EXPECT_TRUE(f.Line14(0).Visible());
    EXPECT_TRUE(f.Line14(1).Visible());
    EXPECT_NEAR(f.g.yPred, f.g.intercepto + 20 * f.g.pendiente, 1e-3);

    f.mnuAv->accion()->trigger();
    EXPECT_TRUE(f.Frame3->Visible());
    EXPECT_FALSE(f.Frame5->Visible());
    EXPECT_FALSE(f.Line14(0).Visible());
    EXPECT_FALSE(f.Line14(1).Visible());
    EXPECT_EQ(f.g.prediccionActiva, 0);

    const float yPred = f.g.yPred;
    const float limite = f.g.banda(0, 21);
    const float pendiente = f.g.pendiente;
    presionar(f, 2, esquina(f, 1));
    f.Label5_Click(0);
    ASSERT_NE(f.g.pendiente, pendiente) << "the fit changed";
    EXPECT_EQ(f.g.yPred, yPred);
    EXPECT_EQ(f.g.banda(0, 21), limite);
    escribir(f.Text4(1), "50");
    EXPECT_EQ(f.g.yPred, yPred);
    EXPECT_FALSE(f.Line14(0).Visible());
    EXPECT_FALSE(f.Line14(1).Visible());
}

// ---------------------------------------------------------------------------
// "Mi recta": guess, show the answer, try again, leave.

// What leaving the mode must give back: every box's text and the window's pixels.
std::pair<std::map<std::string, std::string>, QImage> vista(Form1& f) {
    std::map<std::string, std::string> textos;
    for (const TextBox* t : f.findChildren<TextBox*>()) {
        textos[t->objectName().toStdString()] = t->Text().toStdString();
    }
    return {textos, f.Cliente->grab().toImage()};
}

TEST(MiRecta, AdivinarMostrarProbarYSalirDejaTodoComoAntes) {
    Form1 f;
    f.mnuMia->accion()->trigger();
    EXPECT_FALSE(f.Frame8->Visible()) << "disabled before the first sample";
    generarSembrado(f, 11);
    f.mnuPr->accion()->trigger();
    f.mnuAv->accion()->trigger();
    const auto antes = vista(f);

    f.mnuMia->accion()->trigger();
    EXPECT_TRUE(f.Frame8->Visible());
    EXPECT_FALSE(f.Frame3->Visible());
    EXPECT_FALSE(f.Line3->Visible());
    // The estimates, their intervals (centred on them) and t statistics (their
    // signs and sizes), R² and r would give the line away; the standard
    // errors and p-values do not. The boxes stay hidden whatever fills them.
    f.g.nivelConfEditado = 1;
    enter(f.Text1(9));
    for (int k : {0, 1, 5, 6, 7, 8, 10, 11, 14}) {
        EXPECT_EQ(f.Text1(k).Text(), "?") << k;
    }
    for (int k : {0, 1, 6, 7, 9}) { // the means, r, Sxx and Sxy
        EXPECT_EQ(f.Text2(k).Text(), "?") << k;
    }
    for (int k : {2, 3, 4, 9, 12, 13}) {
        EXPECT_EQ(f.Text1(k).Text().toStdString(), antes.first.at("Text1_" + std::to_string(k)));
    }
    const std::set<int> barrasOcultas{0, 1, 4, 5, 6, 7, 11, 12, 13, 18, 19, 21};
    for (int k = 0; k <= 22; ++k) {
        EXPECT_EQ(f.Shape2(k).Visible(), barrasOcultas.count(k) == 0) << k;
    }
    // Horizontal through the mean of y: its sum of squares is Syy.
    EXPECT_EQ(f.g.yAsa(0), f.g.mediaY);
    EXPECT_NEAR(f.g.scMiRecta, f.g.Syy, 1e-4 * f.g.Syy);

    // A press on a marker still takes the point, not a handle.
    presionar(f, 1, esquina(f, 1));
    EXPECT_EQ(f.g.asaTomada, 0);
    EXPECT_EQ(f.g.arrastrando, -1);
    soltar(f, 1, esquina(f, 1));

    // The right handle dragged above the plot stops at its top.
    const Shape& asa = f.Shape8(1);
    const QPointF centro(asa.Left() + asa.Width() / 2, asa.Top() - asa.Height() / 2);
    presionar(f, 1, centro);
    ASSERT_EQ(f.g.asaTomada, 2);
    f.Picture1_MouseMove(1, 0, 80, 200);
    f.Timer1_Timer();
    soltar(f, 1, centro);
    EXPECT_EQ(f.g.yAsa(1), f.g.yMax);
    EXPECT_EQ(f.g.yAsa(0), f.g.mediaY);
    EXPECT_NEAR(f.Line16->Y2() - f.Line16->Y1(), f.g.bMiRecta * 140, 1e-3);
    EXPECT_GT(f.g.scMiRecta, f.g.SCErr);
    EXPECT_FALSE(f.Line3->Visible());

    emit f.Label7(mostrarMinimos).Click();
    EXPECT_TRUE(f.Line3->Visible());
    EXPECT_EQ(f.Text1(0).Text().toStdString(), antes.first.at("Text1_0"));
    EXPECT_EQ(f.Line17->BorderStyle(), Line::Trazo::Guiones);
    const double x = 100.0 * (static_cast<double>(f.g.scMiRecta) / f.g.SCErr - 1.0);
    const std::string punto = QString(QLocale::system().decimalPoint()).toStdString();
    EXPECT_EQ(f.Label7(comparacionMiRecta).Caption().toStdString(),
              "Tu recta deja un " + formatear(static_cast<float>(x), Formato::UnDecimal, punto) +
                  " % más de error que la de mínimos cuadrados.");

    emit f.Label7(probarOtraVez).Click();
    EXPECT_FALSE(f.Line3->Visible());
    EXPECT_FALSE(f.Line17->Visible());
    EXPECT_EQ(f.Text1(1).Text(), "?");
    EXPECT_EQ(f.g.yAsa(1), f.g.mediaY) << "a new guess starts level again";

    f.mnuAv->accion()->trigger();
    const auto despues = vista(f);
    EXPECT_EQ(despues.first, antes.first);
    EXPECT_TRUE(despues.second == antes.second) << "the window differs after leaving";
}

// "Valores p exactos" on a sample with the prediction and the bands at a
// level between the table's columns: the p-values read four decimals, the
// intervals, the bands and the prediction move; off again, every box and
// every pixel is as the table gave them.
TEST(Ver, ValoresExactosYVueltaALaTabla) {
    Form1 f;
    escribir(f.Text1(9), "93");
    escribir(f.Text4(0), "93");
    generarSembrado(f, 11);
    f.mnuPr->accion()->trigger();
    f.mnuBan->accion()->trigger();
    const auto antes = vista(f);
    const float li = f.g.liPendiente, banda = f.g.banda(0, 0), prediccion = f.g.banda(0, 21);
    f.mnuExa->accion()->trigger();
    const std::string punto = QString(QLocale::system().decimalPoint()).toStdString();
    EXPECT_EQ(f.Text1(13).Text().toStdString(), formatearValorP(f.g.pPendiente, punto));
    EXPECT_EQ(f.Text3(9).Text().toStdString(), formatearValorP(f.g.pAnova, punto));
    EXPECT_TRUE(f.g.liPendiente != li && f.g.banda(0, 0) != banda &&
                f.g.banda(0, 21) != prediccion);
    f.mnuExa->accion()->trigger();
    const auto despues = vista(f);
    EXPECT_EQ(despues.first, antes.first);
    EXPECT_TRUE(despues.second == antes.second) << "the window differs with the table again";
}

// "Simulación" under a fixed seed: the model from the fit, a thousand
// samples with their lines, histogram and strip (the misses red), the
// entries clamped, Enter on a button, the animation's hollow sample, a new
// x starting again; leaving gives the window back pixel for pixel.
TEST(Ver, SimulacionMilMuestrasYSalida) {
    setenv("RECTAVIVA_SEMILLA", "5", 1);
    Form1 f;
    unsetenv("RECTAVIVA_SEMILLA");
    generarSembrado(f, 11);
    f.mnuAv->accion()->trigger();
    auto sinModelo = [](std::pair<std::map<std::string, std::string>, QImage> v) {
        std::erase_if(v.first, [](const auto& c) { return c.first.starts_with("Text7"); });
        return v;
    };
    const auto antes = sinModelo(vista(f));
    f.mnuSim->accion()->trigger();
    ASSERT_TRUE(f.Frame9->Visible() && !f.Frame3->Visible());
    EXPECT_NEAR(f.Text7(1).Text().toDouble(), f.g.pendiente, 0.005);
    f.Command1(3).click();
    const QString n = QString::number(f.g.nActivos);
    EXPECT_EQ(f.Label8(cuentaSimulada).Caption(), "1000 muestras de " + n + " puntos");
    int rojas = 0, barras = 0;
    for (Line* l : f.Line24) {
        ASSERT_TRUE(l->Visible());
        rojas += l->BorderColor() == colorIntervaloFalla;
    }
    for (Shape* s : f.Shape11) {
        barras += s->Visible();
    }
    const int cubren = f.Label8(cubrenSimulados).Caption().section(' ', 0, 0).toInt();
    EXPECT_NEAR(cubren, 950, 25);
    EXPECT_LT(rojas, 10);
    EXPECT_GT(barras, 15);
    EXPECT_TRUE(f.Line19->Visible() && f.Line20(19).Visible() && !f.Line21->Visible());
    const QImage histograma = f.Picture5->grab().toImage();
    int pintadas = 0;
    for (int y = 0; y < histograma.height(); ++y) {
        for (int x = 0; x < histograma.width(); ++x) {
            pintadas += histograma.pixelColor(x, y) == colorBarraSimulada;
        }
    }
    EXPECT_GT(pintadas, 500) << "the bars as painted";

    escribir(f.Text7(1), "500");
    EXPECT_EQ(f.Text7(1).Text(), "10");
    EXPECT_TRUE(f.Label8(cuentaSimulada).Caption().startsWith("Sin muestras"));
    QTest::keyClick(&f.Command1(0), Qt::Key_Return);
    EXPECT_EQ(f.Label8(cuentaSimulada).Caption(), "1 muestra de " + n + " puntos");
    f.Option1(3).click();
    EXPECT_EQ(f.Label8(tituloHistograma).Caption(), "Distribución de t");

    f.Command1(animar).click();
    EXPECT_EQ(f.Command1(animar).Caption(), "Parar");
    f.Timer2_Timer();
    EXPECT_TRUE(f.Line21->Visible());
    f.Command1(animar).click();
    EXPECT_FALSE(f.Line21->Visible() || f.Shape10(1).Visible());

    f.Command1(2).click();
    // The resampling modes: the shuffles' p-value beside the t test's, the
    // bootstrap's interval beside the t interval; then back to the model.
    f.Option2(1).click();
    f.Command1(3).click();
    EXPECT_TRUE(f.Label8(cubrenSimulados).Caption().contains("valor p"));
    EXPECT_TRUE(f.Picture6->isHidden() && !f.Text7(0).isEnabled());
    f.Option2(2).click();
    f.Command1(2).click();
    EXPECT_TRUE(f.Label8(cubrenSimulados).Caption().startsWith("Intervalo percentil al 95 %"));
    f.Option2(0).click();
    f.mnuAv->accion()->trigger();
    const auto despues = sinModelo(vista(f));
    EXPECT_EQ(despues.first, antes.first);
    EXPECT_TRUE(despues.second == antes.second) << "the window differs after leaving";

    // Back in, the model is the fit again; a point moved across gives new
    // x, the same model, nothing drawn.
    f.mnuSim->accion()->trigger();
    const QString b1 = f.Text7(1).Text();
    EXPECT_NE(b1, "10");
    f.Command1(2).click();
    presionar(f, 1, esquina(f, 1));
    f.Picture1_MouseMove(1, 0, f.g.xObs(1) + 7, f.g.yObs(1));
    f.Timer1_Timer();
    soltar(f, 1, esquina(f, 1));
    EXPECT_TRUE(f.Label8(cuentaSimulada).Caption().startsWith("Sin muestras"));
    EXPECT_EQ(f.Text7(1).Text(), b1);
    // All x equal: no slope to simulate, and no button to press.
    muestraConPuntos(f, {{10, 12}, {10, 20}, {10, 30}});
    EXPECT_EQ(f.Label8(cuentaSimulada).Caption(),
              "Con todas las x iguales no hay pendiente que simular.");
    EXPECT_FALSE(f.Command1(3).isEnabled() || f.Line19->Visible());
}

struct CasoDegenerado {
    const char* nombre;
    std::vector<Punto> puntos;
    const char* frase;
    double pendienteSD; ///< slope of the line of standard deviations; NaN: vertical
};

class MiRectaDegenerada : public ::testing::TestWithParam<CasoDegenerado> {};

TEST_P(MiRectaDegenerada, LaFraseYLaRectaDeDesviaciones) {
    const CasoDegenerado& c = GetParam();
    Form1 f;
    muestraConPuntos(f, c.puntos);
    f.mnuMia->accion()->trigger();
    emit f.Label7(mostrarMinimos).Click();
    EXPECT_EQ(f.Label7(comparacionMiRecta).Caption().toStdString(), c.frase);
    ASSERT_TRUE(f.Line17->Visible());
    const Line& sd = *f.Line17;
    if (std::isnan(c.pendienteSD)) {
        EXPECT_EQ(sd.X1(), sd.X2());
    } else {
        EXPECT_NEAR((sd.Y2() - sd.Y1()) / (sd.X2() - sd.X1()), c.pendienteSD, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MiRectaDegenerada,
    ::testing::Values(
        CasoDegenerado{"XIguales",
                       {{10, 12}, {10, 20}, {10, 30}},
                       "Con todas las x iguales no existe la recta de mínimos cuadrados.",
                       std::numeric_limits<double>::quiet_NaN()},
        CasoDegenerado{"YIgualesYLaRectaInicialEsLaExacta",
                       {{-10, 20}, {0, 20}, {10, 20}},
                       "Los puntos están sobre una recta y tu recta es esa misma.",
                       0},
        CasoDegenerado{"SobreUnaRectaQueNoEsLaMia",
                       {{0, 10}, {10, 20}, {20, 30}},
                       "Los puntos están sobre una recta y tu recta no es esa: la de mínimos "
                       "cuadrados no deja error.",
                       1}),
    [](const auto& info) { return std::string(info.param.nombre); });

// ---------------------------------------------------------------------------
// The explanation sheets.

// The residual view: each point in use gets a segment from its marker's
// centre to the line and, with "Cuadrados", a square of equal sides on the
// screen; a deleted point shows only in the residual plot, hollow. Another
// panel ends the view and leaves the plot exactly as it was.
TEST(Ver, ResiduosEntranYSalenSinRastro) {
    Form1 f;
    muestraConPuntos(f, {{0, 0}, {40, 60}, {80, 20}, {20, 50}});
    f.g.puntoSel = 4;
    f.Label5_Click(0);
    f.mnuAv->accion()->trigger();
    const QImage antes = f.Picture1->grab().toImage();
    f.mnuRes->accion()->trigger();
    EXPECT_TRUE(f.Frame7->Visible() && !f.Frame3->Visible() && !f.Frame5->Visible());
    f.Check1->click();
    const Escala esc = f.Picture1->escala();
    for (int k = 1; k <= 3; ++k) {
        const Line& l = f.Line15(k);
        const Shape& m = f.Shape1(k);
        ASSERT_TRUE(l.Visible()) << k;
        EXPECT_EQ(l.X1(), static_cast<float>(m.Left() + m.Width() / 2));
        EXPECT_EQ(l.Y1(), static_cast<float>(m.Top() - m.Height() / 2));
        EXPECT_EQ(l.Y2(), static_cast<float>(double(f.g.intercepto) + f.g.pendiente * l.X1()));
        const Shape& c = f.Shape5(k);
        EXPECT_NEAR(esc.anchoAPixeles(c.Width()), std::abs(esc.altoAPixeles(c.Height())), 0.01)
            << k;
    }
    EXPECT_FALSE(f.Line15(4).Visible() || f.Shape5(4).Visible());
    EXPECT_TRUE(f.Shape6(4).Visible());
    EXPECT_EQ(f.Shape6(4).FillColor().alpha(), 0);
    EXPECT_EQ(f.Text5(5).Text(), f.Text3(1).Text()); // the squares add up to SCErr
    EXPECT_NE(f.Picture1->grab().toImage(), antes);
    f.mnuAv->accion()->trigger();
    EXPECT_FALSE(f.Frame7->Visible());
    EXPECT_EQ(f.Picture1->grab().toImage(), antes);
}

// The influence view: the far point's ring is red (D = 29.6), its tooltip
// reads its values, a left press on it shows the fit without it dashed, and
// turning the view off leaves the plot as it was.
TEST(Ver, InfluenciaAnillosLineaSinElPuntoYAyuda) {
    Form1 f;
    muestraConPuntos(f, {{0, 10}, {5, 14}, {10, 12}, {15, 18}, {20, 16}, {95, 20}, {50, 90}});
    f.g.puntoSel = 7;
    f.Label5_Click(0);
    const QImage antes = f.Picture1->grab().toImage();
    f.mnuInf->accion()->trigger();
    EXPECT_EQ(f.Shape9(6).BorderColor(), colorAnilloFuerte);
    EXPECT_GT(f.Shape9(6).Width(), f.Shape9(1).Width());
    EXPECT_FALSE(f.Shape9(7).Visible());
    EXPECT_EQ(f.textoInfluencia(6).toStdString(),
              "Punto 6: x = 95, y = 20, residuo = -0.70, residuo estandarizado = -1.43, "
              "apalancamiento = 0.967, distancia de Cook = 29.627");
    presionar(f, 1, esquina(f, 6));
    ASSERT_TRUE(f.Line18->Visible());
    EXPECT_NEAR(f.Line18->Y1(), 10.8 + 0.32 * -40, 1e-4);
    EXPECT_NEAR(f.Line18->Y2(), 10.8 + 0.32 * 100, 1e-4);
    soltar(f, 1, esquina(f, 6));
    EXPECT_FALSE(f.Line18->Visible());
    f.mnuInf->accion()->trigger();
    EXPECT_EQ(f.Picture1->grab().toImage(), antes);
}

struct CasoLaminas {
    const char* nombre;
    std::vector<int> clics;
    int visible; ///< the one sheet showing at the end, -1 for none
};

void PrintTo(const CasoLaminas& c, std::ostream* os) {
    *os << c.nombre;
}

class Laminas : public ::testing::TestWithParam<CasoLaminas> {};

TEST_P(Laminas, ComoMuchoUnaALaVez) {
    const CasoLaminas& c = GetParam();
    Form1 f;
    generarSembrado(f, 2);
    for (int k : c.clics) {
        emit f.Image2(k).Click();
        int visibles = 0;
        for (int j = 0; j <= 7; ++j) {
            visibles += f.Picture3(j).Visible() ? 1 : 0;
        }
        EXPECT_LE(visibles, 1);
    }
    for (int j = 0; j <= 7; ++j) {
        EXPECT_EQ(f.Picture3(j).Visible(), j == c.visible) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, Laminas,
                         ::testing::Values(CasoLaminas{"UnClic", {3}, 3},
                                           CasoLaminas{"SegundoClicLaCierra", {3, 3}, -1},
                                           CasoLaminas{"OtraLaReemplaza", {5, 3}, 3},
                                           CasoLaminas{"CerradaYOtra", {5, 5, 0}, 0},
                                           CasoLaminas{"RecorreTodas", {0, 1, 2, 3, 4, 5, 6, 7}, 7},
                                           CasoLaminas{"IdaYVuelta", {0, 7, 0}, 0},
                                           CasoLaminas{"TresVeces", {6, 6, 6}, 6}),
                         [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
