// The point list, the markers, the fitted line, the band segments and the
// prediction marks on the real controls, and one look at the drawn plot.
#include "escenario.h"
#include "geometria.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <limits>

namespace rectaviva {
namespace {

constexpr Single nan = std::numeric_limits<Single>::quiet_NaN();

void muestra(Globales& g, int n) {
    g.nPuntos = static_cast<Integer>(n);
    g.nActivos = static_cast<Integer>(n);
    for (int k = 1; k <= n; ++k) {
        g.xObs(k) = static_cast<Single>(-40 + 2 * k);
        g.yObs(k) = static_cast<Single>(100 - 2 * k) + 0.5f;
        g.activo(k) = 1;
    }
}

const PictureBox::Renglon* renglonEn(const PictureBox& pic, double y) {
    const double py = pic.escala().aPixeles({0, y}).y();
    for (const auto& r : pic.renglones()) {
        if (std::abs(r.posicion.y() - py) < 0.5) {
            return &r;
        }
    }
    return nullptr;
}

TEST(Lista, CincuentaFilasVisiblesYEliminadasEnGris) {
    Escenario e;
    muestra(e.g, 50);
    e.g.activo(7) = 0;
    e.g.activo(50) = 0;
    e.presentacion->listarPuntos(e.g.nPuntos, e.g.xObs, e.g.yObs);

    const PictureBox& pic = *e.Picture2;
    ASSERT_EQ(pic.renglones().size(), 52u);
    const auto* encabezado = renglonEn(pic, 1);
    const auto* raya = renglonEn(pic, 2);
    ASSERT_TRUE(encabezado && raya);
    EXPECT_EQ(encabezado->texto, "     k         x(k)         y(k)");
    EXPECT_EQ(raya->texto, "    " + QString(36, '-'));
    EXPECT_EQ(encabezado->color, colorFilaActiva);

    const double margen = pic.escala().aPixeles({2 * 12.8, 0}).x();
    for (int k = 1; k <= 50; ++k) {
        const auto* r = renglonEn(pic, k + 2);
        ASSERT_NE(r, nullptr) << "row of point " << k;
        EXPECT_NEAR(r->posicion.x(), margen, 0.01);
        std::string fila;
        formarFila(static_cast<Integer>(k), e.g.xObs(k), e.g.yObs(k), fila);
        EXPECT_EQ(r->texto.toStdString(), fila);
        const QColor esperado = colorFilaNormal(e.g, static_cast<Integer>(k));
        EXPECT_EQ(r->color, esperado) << "row of point " << k;
    }
    // The last row, glyphs included, lies inside the box.
    const auto* ultima = renglonEn(pic, 52);
    EXPECT_LE(ultima->posicion.y() + QFontMetricsF(ultima->fuente).height(), pic.height());
    EXPECT_EQ(e.g.indice, 51);
    std::string fila50;
    formarFila(50, e.g.xObs(50), e.g.yObs(50), fila50);
    EXPECT_EQ(e.g.lineaLista, fila50);
}

TEST(Lista, SinPuntosYRelistada) {
    Escenario e;
    muestra(e.g, 10);
    e.presentacion->listarPuntos(e.g.nPuntos, e.g.xObs, e.g.yObs);
    const Integer cero = 0;
    e.presentacion->listarPuntos(cero, e.g.xObs, e.g.yObs);
    EXPECT_EQ(e.Picture2->renglones().size(), 2u);
    EXPECT_EQ(e.g.lineaLista, "    " + std::string(36, '-'));
}

TEST(Lista, FilaReimpresaYBorrada) {
    Escenario e;
    muestra(e.g, 5);
    e.presentacion->listarPuntos(e.g.nPuntos, e.g.xObs, e.g.yObs);
    e.g.xObs(3) = 12.5f;
    e.g.yObs(3) = -0.5f;
    e.presentacion->imprimirPunto(3, colorFilaElegida);
    ASSERT_EQ(e.Picture2->renglones().size(), 7u);
    EXPECT_EQ(renglonEn(*e.Picture2, 5)->texto, "      3         12             0");
    EXPECT_EQ(renglonEn(*e.Picture2, 5)->color, colorFilaElegida);
    e.presentacion->imprimirPunto(3, e.Picture2->BackColor());
    EXPECT_EQ(e.Picture2->renglones().size(), 6u);
    EXPECT_EQ(renglonEn(*e.Picture2, 5), nullptr);
}

TEST(Marcadores, UbicadosYOcultosSegunN) {
    Escenario e;
    muestra(e.g, 3);
    e.g.xObs(1) = 0;
    e.g.yObs(1) = 0;
    e.g.xObs(2) = 100;
    e.g.yObs(2) = -40;
    e.Shape1(0).setVisible(true);
    e.Shape1(0).setLeft(7);
    for (int k = 1; k <= 51; ++k) {
        e.Shape1(k).setVisible(true);
    }
    ubicarPuntos(e.Shape1, e.g, e.g.nPuntos, e.g.xObs, e.g.yObs);

    EXPECT_DOUBLE_EQ(e.Shape1(1).Left(), -1);
    EXPECT_DOUBLE_EQ(e.Shape1(1).Top(), 1);
    EXPECT_DOUBLE_EQ(e.Shape1(2).Left(), 99);
    EXPECT_DOUBLE_EQ(e.Shape1(2).Top(), -39);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(e.Shape1(k).Visible());
        EXPECT_EQ(e.Shape1(k).FillColor(), colorPuntoActivo);
        EXPECT_EQ(e.Shape1(k).BorderColor(), colorPuntoActivo);
    }
    for (int k = 4; k <= 50; ++k) {
        EXPECT_FALSE(e.Shape1(k).Visible()) << "Shape1(" << k << ")";
    }
    EXPECT_TRUE(e.Shape1(0).Visible());
    EXPECT_DOUBLE_EQ(e.Shape1(0).Left(), 7);
    EXPECT_TRUE(e.Shape1(51).Visible());
    EXPECT_EQ(e.g.indice, 51);
}

TEST(Recta, OcultaMientrasNoEsFinitaYVuelve) {
    Escenario e;
    trazarRecta(*e.Line3, e.g, 10.0f, 0.5f);
    EXPECT_TRUE(e.Line3->Visible());
    EXPECT_DOUBLE_EQ(e.Line3->X1(), -40);
    EXPECT_DOUBLE_EQ(e.Line3->Y1(), -10);
    EXPECT_DOUBLE_EQ(e.Line3->X2(), 100);
    EXPECT_DOUBLE_EQ(e.Line3->Y2(), 60);
    trazarRecta(*e.Line3, e.g, nan, nan);
    EXPECT_FALSE(e.Line3->Visible());
    trazarRecta(*e.Line3, e.g, 0.0f, 2.0f);
    EXPECT_TRUE(e.Line3->Visible());
    EXPECT_DOUBLE_EQ(e.Line3->Y1(), -80);
    EXPECT_DOUBLE_EQ(e.Line3->Y2(), 200);
    // An ordinate beyond the float range is no drawable end either.
    trazarRecta(*e.Line3, e.g, 0.0f, 1e37f);
    EXPECT_FALSE(e.Line3->Visible());
}

// Ordinates that name their row and column, so a swapped element shows.
void bandasConocidas(Globales& g) {
    for (int k = 0; k <= 20; ++k) {
        g.xBanda(k) = static_cast<Single>(-40 + 7 * k);
        for (int fila = 0; fila <= 3; ++fila) {
            g.banda(fila, k) = static_cast<Single>(10 * fila + k);
        }
    }
    g.xPred = 20;
    for (int fila = 0; fila <= 3; ++fila) {
        g.banda(fila, 21) = static_cast<Single>(5 + 10 * fila);
    }
}

void esperarSegmento(const Line& l, int fila, int k) {
    EXPECT_DOUBLE_EQ(l.X1(), -40 + 7 * k) << l.objectName().toStdString();
    EXPECT_DOUBLE_EQ(l.Y1(), 10 * fila + k) << l.objectName().toStdString();
    EXPECT_DOUBLE_EQ(l.X2(), -40 + 7 * (k + 1)) << l.objectName().toStdString();
    EXPECT_DOUBLE_EQ(l.Y2(), 10 * fila + k + 1) << l.objectName().toStdString();
    EXPECT_TRUE(l.Visible()) << l.objectName().toStdString();
}

TEST(Bandas, OchentaSegmentosEnSuSitio) {
    Escenario e;
    bandasConocidas(e.g);
    e.g.bandasActivas = 1;
    e.presentacion->mostrarBandas();
    for (int k = 0; k <= 19; ++k) {
        esperarSegmento(e.Line12(k), 0, k);
        esperarSegmento(e.Line12(k + 20), 1, k);
        esperarSegmento(e.Line13(k), 2, k);
        esperarSegmento(e.Line13(k + 20), 3, k);
    }
    EXPECT_EQ(e.g.indice, 39);
    for (int k = 40; k <= 41; ++k) {
        EXPECT_FALSE(e.Line12(k).Visible()) << "Line12(" << k << ")";
    }
    for (int k = 40; k <= 50; ++k) {
        EXPECT_FALSE(e.Line13(k).Visible()) << "Line13(" << k << ")";
    }
}

TEST(Bandas, VistaApagadaNoMueveNiMuestraNada) {
    Escenario e;
    bandasConocidas(e.g);
    e.g.bandasActivas = 0;
    for (int k = 0; k <= 39; ++k) {
        e.Line12(k).setExtremos(1, 2, 3, 4);
        e.Line12(k).setVisible(false);
        e.Line13(k).setVisible(false);
    }
    e.presentacion->mostrarBandas();
    for (int k = 0; k <= 39; ++k) {
        EXPECT_DOUBLE_EQ(e.Line12(k).X1(), 1);
        EXPECT_DOUBLE_EQ(e.Line12(k).Y2(), 4);
        EXPECT_FALSE(e.Line12(k).Visible());
        EXPECT_FALSE(e.Line13(k).Visible());
    }
}

TEST(Bandas, ExtremoIndefinidoOcultaYVuelve) {
    Escenario e;
    bandasConocidas(e.g);
    e.g.bandasActivas = 1;
    e.g.banda(1, 5) = nan;
    e.presentacion->mostrarBandas();
    EXPECT_TRUE(e.Line12(23).Visible());
    EXPECT_FALSE(e.Line12(24).Visible());
    EXPECT_FALSE(e.Line12(25).Visible());
    EXPECT_TRUE(e.Line12(26).Visible());
    EXPECT_TRUE(e.Line12(5).Visible());
    e.g.banda(1, 5) = 15;
    e.presentacion->mostrarBandas();
    EXPECT_TRUE(e.Line12(24).Visible());
    EXPECT_TRUE(e.Line12(25).Visible());
}

TEST(Marcas, ColocadasSoloConLaVistaEncendida) {
    Escenario e;
    bandasConocidas(e.g);
    e.Line14(0).setExtremos(1, 2, 3, 4);
    e.Line14(0).setVisible(true);
    e.Line14(1).setVisible(false);
    e.g.prediccionActiva = 0;
    e.presentacion->mostrarGrafPred();
    EXPECT_DOUBLE_EQ(e.Line14(0).X1(), 1);
    EXPECT_TRUE(e.Line14(0).Visible());
    EXPECT_FALSE(e.Line14(1).Visible());

    e.g.prediccionActiva = 1;
    e.presentacion->mostrarGrafPred();
    for (int m = 0; m <= 1; ++m) {
        const Line& l = e.Line14(m);
        EXPECT_TRUE(l.Visible());
        EXPECT_DOUBLE_EQ(l.X1(), 20);
        EXPECT_DOUBLE_EQ(l.X2(), 20);
        EXPECT_DOUBLE_EQ(l.Y1(), 5 + 20 * m);
        EXPECT_DOUBLE_EQ(l.Y2(), 15 + 20 * m);
    }

    e.g.banda(0, 21) = nan;
    e.presentacion->mostrarGrafPred();
    EXPECT_FALSE(e.Line14(0).Visible());
    EXPECT_TRUE(e.Line14(1).Visible());
    e.g.banda(0, 21) = 5;
    e.presentacion->mostrarGrafPred();
    EXPECT_TRUE(e.Line14(0).Visible());
}

class Pixeles : public testing::TestWithParam<double> {};

// The drawn plot at a device pixel ratio: the marker of (20, 30) is filled
// blue, the fitted line y = 10 + 0.5x is red where it passes, and the field
// between them is the plot's back colour.
TEST_P(Pixeles, MarcadorYRectaDondeDeben) {
    const double dpr = GetParam();
    Escenario e;
    muestra(e.g, 1);
    e.g.xObs(1) = 20;
    e.g.yObs(1) = 30;
    ubicarPuntos(e.Shape1, e.g, e.g.nPuntos, e.g.xObs, e.g.yObs);
    trazarRecta(*e.Line3, e.g, 10.0f, 0.5f);

    PictureBox& pic = *e.Picture1;
    QImage img(pic.size() * dpr, QImage::Format_ARGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::black);
    pic.render(&img);

    const Escala esc = pic.escala();
    const auto color = [&](QPointF logico) { return img.pixelColor((logico * dpr).toPoint()); };
    const Shape& m = e.Shape1(1);
    const QPointF centro =
        esc.aPixeles({m.Left(), m.Top()}) +
        QPointF(esc.anchoAPixeles(m.Width()) / 2, esc.altoAPixeles(m.Height()) / 2);
    EXPECT_EQ(color(centro), colorPuntoActivo);

    const QColor enRecta = color(esc.aPixeles({60, 40}));
    EXPECT_GT(enRecta.red(), 200);
    EXPECT_LT(enRecta.green(), 60);
    EXPECT_LT(enRecta.blue(), 60);

    EXPECT_EQ(color(esc.aPixeles({60, 80})), QColor(255, 180, 0));
}

INSTANTIATE_TEST_SUITE_P(Razones, Pixeles, testing::Values(1.0, 2.0));

} // namespace
} // namespace rectaviva

namespace rectaviva {
namespace {

// The marker rules on a plot of -40..100 both ways, for a marker of 2 × 2
// plot units: a free placement, the drag's clamp at each edge, and the cloud
// tools' guard for a point off the plot.
struct CasoMarcador {
    const char* nombre;
    Single x, y;                 ///< the point (drag: the mouse)
    Single arrastreL, arrastreT; ///< the dragged marker's corner
    Single pasoL, pasoT;         ///< the corner after a tool's step
};

class ReglaDelMarcador : public ::testing::TestWithParam<CasoMarcador> {};

TEST_P(ReglaDelMarcador, EsquinaArrastreYPaso) {
    const CasoMarcador& c = GetParam();
    Globales g;
    g.xMin = -40, g.xMax = 100, g.yMin = -40, g.yMax = 100;
    const Esquina e = esquinaArrastrada(g, c.x, c.y, 2, 2);
    EXPECT_EQ(e.left, c.arrastreL);
    EXPECT_EQ(e.top, c.arrastreT);
    EXPECT_EQ(izquierdaTrasPaso(g, c.x, 2), c.pasoL);
    EXPECT_EQ(arribaTrasPaso(g, c.y, 2), c.pasoT);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ReglaDelMarcador,
    ::testing::Values(CasoMarcador{"Libre", 0, 0, -1, 1, -1, 1},
                      CasoMarcador{"Fraccion", 12.5f, -0.5f, 11.5f, 0.5f, 11.5f, 0.5f},
                      CasoMarcador{"BordeIzquierdo", -39, 50, -40, 51, -40, 51},
                      CasoMarcador{"FueraIzquierda", -60, 50, -40, 51, -40, 51},
                      CasoMarcador{"FueraDerecha", 130, 50, 98, 51, 98, 51},
                      CasoMarcador{"JustoALaDerecha", 99, 50, 98, 51, 98, 51},
                      CasoMarcador{"FueraArriba", 50, 120, 49, 100, 49, 100},
                      CasoMarcador{"FueraAbajo", 50, -45, 49, -38, 49, -38},
                      CasoMarcador{"BordeInferior", 50, -40, 49, -38, 49, -39}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
} // namespace rectaviva

namespace rectaviva {
namespace {

// A residual beyond ±70 sits at that edge as a triangle; an x off the plot
// keeps its marker at the edge; an undefined residual shows nothing.
TEST(MarcaResiduo, DentroYEnLosBordes) {
    Globales g;
    g.xMin = -40, g.xMax = 100;
    const struct {
        Single x, e, left, top;
        int fuera;
        bool visible;
    } casos[] = {{10, 5, 9, 6, 0, true},
                 {10, 80, 9, 70, 1, true},
                 {10, -200, 9, -68, -1, true},
                 {130, 0, 98, 1, 0, true},
                 {10, std::nanf(""), 0, 0, 0, false}};
    for (const auto& c : casos) {
        const MarcaResiduo m = marcaResiduo(g, c.x, c.e, 2, 2, 70);
        EXPECT_EQ(m.visible, c.visible) << c.e;
        if (c.visible) {
            EXPECT_EQ(m.esquina.left, c.left) << c.x;
            EXPECT_EQ(m.esquina.top, c.top) << c.e;
            EXPECT_EQ(m.fuera, c.fuera) << c.e;
        }
    }
}

} // namespace
} // namespace rectaviva
