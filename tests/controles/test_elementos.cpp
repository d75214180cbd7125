// Shapes and lines painted by their container in its user scale.
#include "capa_controles.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>

using namespace rectaviva;

namespace {

const QColor fondo(255, 128, 0);

QImage captura(QWidget& w, qreal dpr = 1) {
    QImage img((QSizeF(w.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    w.render(&img);
    return img;
}

// Largest difference of one colour channel between two pictures of one size.
int diferenciaMaxima(const QImage& a, const QImage& b) {
    int d = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            d = std::max({d, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                          std::abs(p.blue() - q.blue())});
        }
    }
    return d;
}

bool contiene(const QImage& img, const QColor& c) {
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, y) == c) {
                return true;
            }
        }
    }
    return false;
}

// A 140 x 140 pixel plot: one pixel per unit, -40..100 both ways, y upwards.
struct Plano {
    Plano() : pic(nullptr, "Picture1") {
        pic.resize(140, 140);
        pic.setBackColor(fondo);
        pic.Scale(-40, 100, 100, -40);
    }
    PictureBox pic;
};

TEST(Shape, CirculoEnSuEsquinaDeUsuario) {
    Plano p;
    Shape& s = *p.pic.agregarShape("Shape1_1");
    s.setForma(Shape::Forma::Circulo);
    s.Move(-1, 1, 10, 10); // point (0, 0): marker corner one unit left and above
    s.setFillColor(RGB(0, 0, 220));
    s.setBorderColor(RGB(0, 0, 220));
    for (qreal dpr : {1.0, 2.0}) {
        const QImage img = captura(p.pic, dpr);
        const qreal k = dpr;
        // Centre of the marker: (4, -4) in plot units = pixel (44, 104).
        EXPECT_EQ(img.pixelColor(int(44 * k), int(104 * k)), QColor(0, 0, 220));
        // Corner of its square lies outside the circle.
        EXPECT_EQ(img.pixelColor(int(39 * k), int(99 * k)), fondo);
    }
    s.setVisible(false);
    EXPECT_FALSE(contiene(captura(p.pic), QColor(0, 0, 220)));
}

struct CasoLinea {
    const char* nombre;
    double x1, y1, x2, y2;
    QPoint pixelEnLaLinea; ///< (-1, -1) when nothing may be drawn
};

class LineaEnElPlano : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaEnElPlano, SeDibujaRecortadaONoSeDibuja) {
    const CasoLinea& c = GetParam();
    Plano p;
    Line& l = *p.pic.agregarLine("Line3");
    l.setBorderColor(RGB(255, 0, 0));
    l.setBorderWidth(3);
    l.setExtremos(c.x1, c.y1, c.x2, c.y2);
    const QImage img = captura(p.pic);
    if (c.pixelEnLaLinea.x() < 0) {
        EXPECT_FALSE(contiene(img, QColor(255, 0, 0)));
    } else {
        EXPECT_EQ(img.pixelColor(c.pixelEnLaLinea), QColor(255, 0, 0));
    }
}

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Casos, LineaEnElPlano,
    ::testing::Values(
        // Intercept 10, slope 0.5: from (-40, -10) to (100, 60); at x = 30, y = 25.
        CasoLinea{"recta", -40, -10, 100, 60, {70, 75}},
        // Slope 2: (100, 200) lies far above the plot; x = 0 still at y = 0.
        CasoLinea{"saleDelPlano", -40, -80, 100, 200, {40, 100}},
        CasoLinea{"extremoEnorme", 0, -40, 0, 1e30, {40, 50}},
        CasoLinea{"sinPendienteFinita", -40, nan, 100, nan, {-1, -1}},
        CasoLinea{"infinita", -40, -inf, 100, inf, {-1, -1}},
        CasoLinea{"todaFuera", -40, 200, 100, 300, {-1, -1}}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Circles, rectangles and long lines are painted by faster means than Qt's
// plain drawing of the same figure (copies, fills in pieces, flat ends with
// discs); at ratios 1 and 2 they must cover the same pixels, differing by
// antialiasing only. Plot units are pixels: x + 40 across, 100 - y down.
struct CasoDibujo {
    const char* nombre;
    std::function<void(PictureBox&)> poner;
    std::function<void(QPainter&)> plano; ///< Qt's plain drawing, logical pixels
    int tolerancia; ///< a copy placed to an eighth of a pixel, ends blended twice
};

void PrintTo(const CasoDibujo& c, std::ostream* os) {
    *os << c.nombre;
}

class DibujoRapido : public ::testing::TestWithParam<CasoDibujo> {};

TEST_P(DibujoRapido, CubreLoQueElDibujoDeQt) {
    Plano p;
    GetParam().poner(p.pic);
    for (qreal dpr : {1.0, 2.0}) {
        QImage ref((QSizeF(p.pic.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        ref.setDevicePixelRatio(dpr);
        ref.fill(fondo);
        QPainter q(&ref);
        q.setRenderHint(QPainter::Antialiasing);
        GetParam().plano(q);
        q.end();
        EXPECT_LE(diferenciaMaxima(captura(p.pic, dpr), ref), GetParam().tolerancia)
            << "ratio " << dpr;
    }
}

Shape& figura(PictureBox& pic, Shape::Forma f, double l, double t, double w, double h,
              const QColor& relleno, int borde) {
    Shape& s = *pic.agregarShape("s");
    s.setForma(f);
    s.Move(l, t, w, h);
    s.setFillColor(relleno);
    s.setBorderColor(RGB(0, 0, 220));
    s.setBorderWidth(borde);
    return s;
}

void recta(PictureBox& pic, double x1, double y1, double x2, double y2, int ancho) {
    Line& l = *pic.agregarLine("l");
    l.setExtremos(x1, y1, x2, y2);
    l.setBorderColor(RGB(255, 0, 0));
    l.setBorderWidth(ancho);
}

void plana(QPainter& q, const QColor& relleno, int borde) {
    q.setPen(QPen(QColor(0, 0, 220), borde));
    q.setBrush(relleno);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DibujoRapido,
    ::testing::Values(
        CasoDibujo{"marcador",
                   [](PictureBox& pic) {
                       figura(pic, Shape::Forma::Circulo, 10.3, 50.6, 9.2, 9.2, RGB(0, 0, 220), 1);
                   },
                   [](QPainter& q) {
                       plana(q, QColor(0, 0, 220), 1);
                       q.drawEllipse(QRectF(50.8, 49.9, 8.2, 8.2));
                   },
                   32},
        CasoDibujo{"anillo",
                   [](PictureBox& pic) {
                       figura(pic, Shape::Forma::Circulo, -20.45, 20.3, 21, 21, QColor(0, 0, 0, 0),
                              2);
                   },
                   [](QPainter& q) {
                       plana(q, QColor(0, 0, 0, 0), 2);
                       q.drawEllipse(QRectF(20.55, 80.7, 19, 19));
                   },
                   32},
        CasoDibujo{
            "barra",
            [](PictureBox& pic) {
                figura(pic, Shape::Forma::Rectangulo, -30.4, 80.7, 60.3, 9.5, RGB(0, 0, 220), 1);
            },
            [](QPainter& q) { q.fillRect(QRectF(9.6, 19.3, 60.3, 9.5), QColor(0, 0, 220)); }, 2},
        CasoDibujo{"barraVacia",
                   [](PictureBox& pic) {
                       figura(pic, Shape::Forma::Rectangulo, 5.6, 30.2, 0, 9.5, RGB(0, 0, 220), 1);
                   },
                   // The border of an extent narrower than itself is drawn whole.
                   [](QPainter& q) {
                       q.fillRect(QRectF(QPointF(44.6, 69.8), QPointF(46.6, 79.3)),
                                  QColor(0, 0, 220));
                   },
                   2},
        CasoDibujo{"rectaDeBordeABorde", [](PictureBox& pic) { recta(pic, -40, -10, 100, 60, 3); },
                   [](QPainter& q) {
                       q.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
                       q.drawLine(QPointF(0, 110), QPointF(140, 40));
                   },
                   24},
        CasoDibujo{"rectaLarga", [](PictureBox& pic) { recta(pic, -35.5, 90, 95.2, -30, 2); },
                   [](QPainter& q) {
                       q.setPen(QPen(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
                       q.drawLine(QPointF(4.5, 10), QPointF(135.2, 130));
                   },
                   24}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Elementos, CambioDeEscalaLosDejaEnSuSitio) {
    PictureBox pic(nullptr, "Picture1");
    pic.resize(479, 451);
    pic.setBackColor(fondo);
    Shape& s = *pic.agregarShape("Shape1_0");
    s.Move(1500, 1500, 135, 135);
    s.setFillColor(RGB(0, 0, 220));
    Line& l = *pic.agregarLine("Line13_42");
    l.setExtremos(300, 300, 3000, 1200);
    const QImage antes = captura(pic);
    pic.Scale(-40, 100, 100, -40);
    // Equal up to the antialiasing of ends that moved by a rounding error.
    const QImage despues = captura(pic);
    ASSERT_EQ(despues.size(), antes.size());
    EXPECT_LE(diferenciaMaxima(despues, antes), 8);
    EXPECT_NEAR(s.Width(), 140.0 * (135 / twipsPorPixel()) / 479, 1e-9);
    EXPECT_NEAR(l.Y2(), 100 - 140.0 * (1200 / twipsPorPixel()) / 451, 1e-9);
}

TEST(Elementos, SeDibujanEnOrdenDeCreacion) {
    Plano p;
    Shape& abajo = *p.pic.agregarShape("a");
    Shape& arriba = *p.pic.agregarShape("b");
    abajo.Move(0, 20, 20, 20);
    arriba.Move(10, 20, 20, 20);
    abajo.setFillColor(RGB(0, 0, 255));
    arriba.setFillColor(RGB(0, 255, 0));
    const QImage img = captura(p.pic);
    EXPECT_EQ(img.pixelColor(55, 90), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(45, 90), QColor(0, 0, 255));
}

} // namespace
