// User scales and twips: the mapping both ways, placement of widgets in
// container units, and mouse positions delivered in the surface's scale.
#include "capa_controles.h"
#include "pantalla_esperada.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace rectaviva;

namespace {

struct CasoEscala {
    const char* nombre;
    double x1, y1, x2, y2; ///< user corners: upper-left, lower-right
    QSize pixeles;         ///< surface size
    QPointF usuario;
    QPointF pixel; ///< expected logical pixel
};

class EscalaUsuario : public ::testing::TestWithParam<CasoEscala> {};

TEST_P(EscalaUsuario, MapeaEnAmbosSentidos) {
    const CasoEscala& c = GetParam();
    PictureBox pic(nullptr, "Picture1");
    pic.resize(c.pixeles);
    pic.Scale(c.x1, c.y1, c.x2, c.y2);
    const Escala e = pic.escala();
    const QPointF p = e.aPixeles(c.usuario);
    EXPECT_NEAR(p.x(), c.pixel.x(), 1e-9);
    EXPECT_NEAR(p.y(), c.pixel.y(), 1e-9);
    const QPointF u = e.desdePixeles(c.pixel);
    EXPECT_NEAR(u.x(), c.usuario.x(), 1e-9);
    EXPECT_NEAR(u.y(), c.usuario.y(), 1e-9);
}

// The plot's scale: -40..100 across, y upwards from -40 at the bottom to 100.
INSTANTIATE_TEST_SUITE_P(
    Casos, EscalaUsuario,
    ::testing::Values(
        CasoEscala{"esquinaSuperiorIzquierda", -40, 100, 100, -40, {479, 451}, {-40, 100}, {0, 0}},
        CasoEscala{
            "esquinaInferiorDerecha", -40, 100, 100, -40, {479, 451}, {100, -40}, {479, 451}},
        CasoEscala{"centro", -40, 100, 100, -40, {479, 451}, {30, 30}, {239.5, 225.5}},
        CasoEscala{"origen", -40, 100, 100, -40, {140, 280}, {0, 0}, {40, 200}},
        CasoEscala{"fueraDeLaSuperficie", -40, 100, 100, -40, {140, 140}, {-45, 110}, {-5, -10}},
        CasoEscala{"yHaciaAbajo", 0, 0, 52, 52, {104, 104}, {3, 3}, {6, 6}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(EscalaUsuario, AltoDeUsuarioConservaLosTwipsHorizontales) {
    // The point list: 52 rows over its height while x stays in twips.
    PictureBox pic(nullptr, "Picture2");
    pic.resize(129, 520);
    pic.setScaleHeight(52);
    EXPECT_DOUBLE_EQ(pic.ScaleHeight(), 52);
    const QPointF p = pic.escala().aPixeles({twipsPorPixel() * 30, 26});
    EXPECT_NEAR(p.x(), 30, 1e-9);
    EXPECT_NEAR(p.y(), 260, 1e-9);
    EXPECT_NEAR(pic.TextHeight("x"), 52.0 * QFontMetricsF(pic.font()).height() / 520, 1e-9);
}

// Qt lays widgets out in logical pixels (96 per inch; a screen of higher
// DPI gets a device pixel ratio instead), so a twip is 1/15 of a logical
// pixel and the screen's width in twips is its physical width in inches
// times 1440 on any screen.
TEST(Twips, AnchoDeLaPantallaEnTwips) {
    const PantallaEsperada p = pantallaEsperada();
    ASSERT_GT(p.dpi, 0);
    EXPECT_DOUBLE_EQ(twipsPorPixel(), 15.0);
    EXPECT_DOUBLE_EQ(twipsAPixeles(1440), 96.0);
    const QScreen* s = QGuiApplication::primaryScreen();
    EXPECT_NEAR(pixelesATwips(s->geometry().width()), 1440.0 * p.ancho / p.dpi, 1e-6);
    EXPECT_NEAR(pixelesATwips(s->geometry().height()), 1440.0 * p.alto / p.dpi, 15.0);
}

struct CasoUbicacion {
    const char* nombre;
    double left, top, width, height; ///< twips
};

class UbicacionEnTwips : public ::testing::TestWithParam<CasoUbicacion> {};

// A control keeps the twips it was given and sits at their pixel equivalent,
// with rounded edges.
TEST_P(UbicacionEnTwips, GeometriaEnPixeles) {
    const CasoUbicacion& c = GetParam();
    Frame marco(nullptr, "Frame1");
    marco.resize(800, 600);
    auto* caja = new TextBox(&marco, "Text1_0");
    caja->Move(c.left, c.top, c.width, c.height);
    EXPECT_EQ(caja->Left(), c.left);
    EXPECT_EQ(caja->Top(), c.top);
    EXPECT_EQ(caja->Width(), c.width);
    EXPECT_EQ(caja->Height(), c.height);
    const double t = twipsPorPixel();
    const int izq = static_cast<int>(std::lround(c.left / t));
    const int arr = static_cast<int>(std::lround(c.top / t));
    EXPECT_EQ(caja->geometry(),
              QRect(izq, arr, static_cast<int>(std::lround((c.left + c.width) / t)) - izq,
                    static_cast<int>(std::lround((c.top + c.height) / t)) - arr));
}

INSTANTIATE_TEST_SUITE_P(Casos, UbicacionEnTwips,
                         ::testing::Values(CasoUbicacion{"caja", 2160, 720, 855, 405},
                                           CasoUbicacion{"fraccion", 128, 115.2, 7185, 6765},
                                           CasoUbicacion{"origen", 0, 0, 1440, 1440},
                                           CasoUbicacion{"negativo", -300, -150, 600, 300}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(UbicacionEnTwips, CambioDeEscalaNoMueveLosHijos) {
    PictureBox pic(nullptr, "Picture1");
    pic.resize(479, 451);
    auto* icono = new Image(&pic, "Image2_0");
    icono->Move(120, 120, 270, 405);
    const QRect antes = icono->geometry();
    pic.Scale(-40, 100, 100, -40);
    EXPECT_EQ(icono->geometry(), antes);
    EXPECT_NEAR(icono->Left(), -40 + 140.0 * (120 / twipsPorPixel()) / 479, 1e-9);
    EXPECT_NEAR(icono->Top(), 100 - 140.0 * (120 / twipsPorPixel()) / 451, 1e-9);
}

struct CasoRaton {
    const char* nombre;
    Qt::MouseButton boton;
    QPoint pixel;
    int codigo;
};

class RatonEnEscala : public ::testing::TestWithParam<CasoRaton> {};

TEST_P(RatonEnEscala, PresionYLiberacionEnUnidadesDelPlano) {
    const CasoRaton& c = GetParam();
    PictureBox pic(nullptr, "Picture1");
    pic.resize(140, 140);
    pic.Scale(-40, 100, 100, -40);
    std::vector<std::tuple<char, int, float, float>> eventos;
    QObject::connect(&pic, &PictureBox::MouseDown,
                     [&](int b, int, float x, float y) { eventos.emplace_back('D', b, x, y); });
    QObject::connect(&pic, &PictureBox::MouseUp,
                     [&](int b, int, float x, float y) { eventos.emplace_back('U', b, x, y); });
    QTest::mousePress(&pic, c.boton, {}, c.pixel);
    QTest::mouseRelease(&pic, c.boton, {}, c.pixel);
    const float x = static_cast<float>(-40 + c.pixel.x());
    const float y = static_cast<float>(100 - c.pixel.y());
    ASSERT_EQ(eventos.size(), 2u);
    EXPECT_EQ(eventos[0], std::make_tuple('D', c.codigo, x, y));
    EXPECT_EQ(eventos[1], std::make_tuple('U', c.codigo, x, y));
}

INSTANTIATE_TEST_SUITE_P(Casos, RatonEnEscala,
                         ::testing::Values(CasoRaton{"izquierdo", Qt::LeftButton, {40, 100}, 1},
                                           CasoRaton{"derecho", Qt::RightButton, {10, 20}, 2},
                                           CasoRaton{"medio", Qt::MiddleButton, {139, 0}, 4}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(Matriz, IndicesDelDisenoYFueraDeRango) {
    Frame marco(nullptr, "Frame1");
    Matriz<Shape> barras;
    for (int k = 0; k <= 22; ++k) {
        barras.agregar(k, marco.agregarShape(QString("Shape2_%1").arg(k)));
    }
    EXPECT_EQ(barras.Count(), 23);
    EXPECT_EQ(barras(22).objectName(), "Shape2_22");
    EXPECT_THROW(barras(23), std::out_of_range);
    EXPECT_THROW(barras(-1), std::out_of_range);
    Matriz<Shape> desdeUno;
    desdeUno.agregar(1, marco.agregarShape("a"));
    EXPECT_THROW(desdeUno.agregar(3, marco.agregarShape("b")), std::logic_error);
    EXPECT_THROW(desdeUno(0), std::out_of_range);
    // Fixed bounds: elements from several containers, added in any order.
    Matriz<Shape> repartida(0, 2);
    repartida.agregar(2, marco.agregarShape("c"));
    repartida.agregar(0, marco.agregarShape("d"));
    EXPECT_EQ(repartida(2).objectName(), "c");
    EXPECT_THROW(repartida(1), std::out_of_range);
    EXPECT_THROW(repartida.agregar(2, marco.agregarShape("e")), std::logic_error);
    EXPECT_THROW(repartida.agregar(3, marco.agregarShape("f")), std::logic_error);
}

} // namespace
