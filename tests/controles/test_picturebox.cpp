// Printed text leaves no ghost: a print at a place replaces what was printed
// there, a print in the background colour removes it, and clearing removes
// everything, at device pixel ratios 1 and 2.
#include "capa_controles.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace rectaviva;

namespace {

const QColor fondo(192, 64, 0);

QImage captura(QWidget& w, qreal dpr) {
    QImage img((QSizeF(w.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    w.render(&img);
    return img;
}

void preparar(PictureBox& pic) {
    pic.resize(200, 120);
    pic.setBackColor(fondo);
    QFont f("DejaVu Sans");
    f.setPointSizeF(9);
    pic.setFont(f);
    pic.setScaleHeight(52);
}

void imprimir(PictureBox& pic, double y, const QColor& c, const QString& texto) {
    pic.setForeColor(c);
    pic.setCurrentX(2 * 12.8);
    pic.setCurrentY(y);
    pic.Print(texto);
}

int pixelesDeColor(const QImage& img, const QColor& c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += img.pixelColor(x, y) == c ? 1 : 0;
        }
    }
    return n;
}

struct Impresion {
    double y;
    QColor color;
    const char* texto;
};

struct CasoSobreimpresion {
    const char* nombre;
    std::vector<Impresion> impresiones;
    bool borrar;                  ///< Cls at the end
    std::vector<Impresion> final; ///< what a fresh surface must print to look the same
};

class SinFantasmas : public ::testing::TestWithParam<std::tuple<CasoSobreimpresion, qreal>> {};

TEST_P(SinFantasmas, SeVeSoloLoUltimoImpreso) {
    const auto& [c, dpr] = GetParam();
    PictureBox usada(nullptr, "Picture2");
    preparar(usada);
    for (const Impresion& i : c.impresiones) {
        imprimir(usada, i.y, i.color, i.texto);
    }
    if (c.borrar) {
        usada.Cls();
    }
    PictureBox limpia(nullptr, "Picture2");
    preparar(limpia);
    for (const Impresion& i : c.final) {
        imprimir(limpia, i.y, i.color, i.texto);
    }
    EXPECT_EQ(usada.renglones().size(), c.final.size());
    const QImage a = captura(usada, dpr);
    const QImage b = captura(limpia, dpr);
    EXPECT_EQ(a, b);
    // Each surface shows text in each colour that remains, so an empty
    // picture could not pass for a correct one.
    for (const Impresion& i : c.final) {
        EXPECT_GT(pixelesDeColor(b, i.color), 0) << i.texto;
    }
    if (c.final.empty()) {
        EXPECT_EQ(pixelesDeColor(a, fondo), a.width() * a.height());
    }
}

const QColor negro(0, 0, 0);
const QColor verde(0, 200, 0);

INSTANTIATE_TEST_SUITE_P(
    Casos, SinFantasmas,
    ::testing::Combine(
        ::testing::Values(
            CasoSobreimpresion{"otroColor",
                               {{3, negro, "  1   888   888"}, {3, verde, "  1   -11    14"}},
                               false,
                               {{3, verde, "  1   -11    14"}}},
            CasoSobreimpresion{"colorDeFondo",
                               {{3, negro, "  1   888   888"}, {3, fondo, "  1   888   888"}},
                               false,
                               {}},
            CasoSobreimpresion{"borrarYVolver",
                               {{3, negro, "  1   888   888"},
                                {3, fondo, "  1   888   888"},
                                {3, verde, "  1    20    31"}},
                               false,
                               {{3, verde, "  1    20    31"}}},
            CasoSobreimpresion{"otraFilaQueda",
                               {{1, negro, "     k   x(k)   y(k)"},
                                {3, negro, "  1   888   888"},
                                {3, verde, "  1     5     6"}},
                               false,
                               {{1, negro, "     k   x(k)   y(k)"}, {3, verde, "  1     5     6"}}},
            CasoSobreimpresion{"cls",
                               {{1, negro, "     k   x(k)   y(k)"}, {3, verde, "  1     5     6"}},
                               true,
                               {}}),
        ::testing::Values(1.0, 2.0)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nombre) +
               (std::get<1>(info.param) > 1 ? "_dpr2" : "_dpr1");
    });

TEST(Imprimir, AvanzaALaLineaSiguiente) {
    PictureBox pic(nullptr, "Picture2");
    preparar(pic);
    imprimir(pic, 3, negro, "fila");
    EXPECT_DOUBLE_EQ(pic.CurrentX(), 0);
    EXPECT_NEAR(pic.CurrentY(), 3 + pic.TextHeight("fila"), 1e-9);
    pic.Cls();
    EXPECT_DOUBLE_EQ(pic.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(pic.CurrentY(), 0);
}

TEST(Fondo, PintorYColor) {
    PictureBox pic(nullptr, "Picture1");
    pic.resize(50, 40);
    pic.setBackColor(QColor(255, 128, 0));
    EXPECT_EQ(captura(pic, 1).pixelColor(25, 20), QColor(255, 128, 0));
    pic.setPintorFondo([](QPainter& p, const QRectF& r) {
        p.fillRect(QRectF(r.center(), r.bottomRight()), QColor(0, 0, 255));
    });
    const QImage img = captura(pic, 2);
    EXPECT_EQ(img.pixelColor(10, 10), QColor(255, 128, 0));
    EXPECT_EQ(img.pixelColor(90, 70), QColor(0, 0, 255));
}

} // namespace
