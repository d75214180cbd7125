// Checks the pictures compiled into the program (explanation sheets, tool and
// help icons) and the pixels of the painted plot grid.
#include "cuadricula.h"
#include "recursos.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>

namespace {

QString leer(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// ---------------------------------------------------------------- every picture

class Recurso : public ::testing::TestWithParam<const char*> {};

TEST_P(Recurso, ExisteYEsSvgValido) {
    const QString ruta = QString::fromLatin1(GetParam());
    ASSERT_TRUE(QFile::exists(ruta)) << GetParam();
    QSvgRenderer svg(ruta);
    EXPECT_TRUE(svg.isValid()) << GetParam();
    EXPECT_FALSE(svg.viewBoxF().isEmpty()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Todos, Recurso,
    ::testing::Values(":/laminas/lamina0.svg", ":/laminas/lamina1.svg", ":/laminas/lamina2.svg",
                      ":/laminas/lamina3.svg", ":/laminas/lamina4.svg", ":/laminas/lamina5.svg",
                      ":/laminas/lamina6.svg", ":/laminas/lamina7.svg", ":/laminas/lamina8.svg",
                      ":/laminas/lamina9.svg", ":/laminas/lamina10.svg", ":/laminas/lamina11.svg",
                      ":/laminas/lamina12.svg", ":/laminas/lamina13.svg", ":/laminas/lamina14.svg",
                      ":/laminas/lamina15.svg", ":/iconos/herramienta0.svg",
                      ":/iconos/herramienta1.svg", ":/iconos/herramienta2.svg",
                      ":/iconos/herramienta3.svg", ":/iconos/herramienta4.svg",
                      ":/iconos/herramienta5.svg", ":/iconos/herramienta6.svg",
                      ":/iconos/herramienta7.svg", ":/iconos/herramienta8.svg",
                      ":/iconos/herramienta9.svg", ":/iconos/ayuda.svg"));

// ---------------------------------------------------------------- explanation sheets

struct Lamina {
    int k;
    int alto; // height of the picture box, in thousandths of the screen height
    const char* titulo;
};

void PrintTo(const Lamina& l, std::ostream* os) {
    *os << "lamina" << l.k;
}

class LaminaExplicativa : public ::testing::TestWithParam<Lamina> {};

// Each sheet is stretched into a box 610/1200 of the screen wide; on a
// 1024 x 768 screen its proportions must match the box or the text is distorted.
TEST_P(LaminaExplicativa, ProporcionDeSuCajaEn1024x768) {
    const Lamina& l = GetParam();
    QSvgRenderer svg(QStringLiteral(":/laminas/lamina%1.svg").arg(l.k));
    ASSERT_TRUE(svg.isValid());
    const double anchoCaja = 610.0 * 1024.0 / 1200.0;
    const double altoCaja = l.alto * 768.0 / 1000.0;
    const QRectF vista = svg.viewBoxF();
    const double proporcion = vista.width() / vista.height();
    EXPECT_NEAR(proporcion / (anchoCaja / altoCaja), 1.0, 0.03) << "lámina " << l.k;
}

TEST_P(LaminaExplicativa, LlevaSuTitulo) {
    const Lamina& l = GetParam();
    const QString texto = leer(QStringLiteral(":/laminas/lamina%1.svg").arg(l.k));
    const QString esperado = QStringLiteral("<title>%1</title>").arg(QString::fromUtf8(l.titulo));
    EXPECT_TRUE(texto.contains(esperado)) << "lámina " << l.k;
}

// The renderer understands neither embedded HTML nor style sheets: such a
// sheet would show up blank or unstyled. An embedded bitmap would blur when
// the sheet is scaled.
TEST_P(LaminaExplicativa, SoloUsaLoQueDibujaQSvg) {
    const QString texto = leer(QStringLiteral(":/laminas/lamina%1.svg").arg(GetParam().k));
    EXPECT_FALSE(texto.contains(QStringLiteral("foreignObject")));
    EXPECT_FALSE(texto.contains(QStringLiteral("<style")));
    EXPECT_FALSE(texto.contains(QStringLiteral("baseline-shift")));
    EXPECT_FALSE(texto.contains(QStringLiteral("<image")));
}

TEST_P(LaminaExplicativa, SePintaSobreElFondoDeLaCaja) {
    QSvgRenderer svg(QStringLiteral(":/laminas/lamina%1.svg").arg(GetParam().k));
    QImage imagen(520, 600, QImage::Format_RGB32);
    imagen.fill(Qt::black);
    QPainter p(&imagen);
    svg.render(&p, QRectF(0, 0, 520, 600));
    p.end();
    // The corner is background (255,255,192); somewhere there is dark ink.
    EXPECT_EQ(imagen.pixelColor(2, 2), QColor(255, 255, 192));
    int oscuros = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            oscuros += qGray(imagen.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(oscuros, 800);
}

INSTANTIATE_TEST_SUITE_P(
    Todas, LaminaExplicativa,
    ::testing::Values(
        Lamina{0, 785, "Modelo de Regresión Lineal Simple"},
        Lamina{1, 665, "Promedios, varianzas, desviaciones estándar de las variables"},
        Lamina{2, 480, "Sumas de cuadrados y productos centrados"},
        Lamina{3, 835, "Estimadores mínimo cuadráticos de los parámetros"},
        Lamina{4, 835, "Pruebas de hipótesis para los parámetros α y β"},
        Lamina{5, 745, "Varianza estimada del error"}, Lamina{6, 840, "Análisis de varianza"},
        Lamina{7, 840, "Predicción"}, Lamina{8, 930, "Residuos"}, Lamina{9, 930, "Influencia"},
        Lamina{10, 840, "Mi recta"}, Lamina{11, 930, "Simulación"}, Lamina{12, 930, "Remuestreo"},
        Lamina{13, 930, "Retos"}, Lamina{14, 930, "¿Qué dicen los residuos?"},
        Lamina{15, 930, "Transformaciones"}),
    [](const auto& info) { return "lamina" + std::to_string(info.param.k); });

// A translated sheet is opened in the same box as its Spanish original, so it
// keeps that sheet's view box, and it may use only what QSvg draws.
TEST(LaminaTraducida, MismaCajaQueLaOriginalYSoloLoQueDibujaQSvg) {
    for (const char* idioma : {"en", "pt_BR"})
        for (int k = 0; k <= 15; ++k) {
            const QString ruta = QStringLiteral(":/laminas/%1/lamina%2.svg").arg(idioma).arg(k);
            QSvgRenderer traducida(ruta);
            QSvgRenderer original(QStringLiteral(":/laminas/lamina%1.svg").arg(k));
            ASSERT_TRUE(traducida.isValid()) << ruta.toStdString();
            EXPECT_EQ(traducida.viewBoxF(), original.viewBoxF()) << ruta.toStdString();
            const QString texto = leer(ruta);
            EXPECT_TRUE(texto.contains(QStringLiteral("<title>"))) << ruta.toStdString();
            for (const char* ajeno : {"foreignObject", "<style", "baseline-shift", "<image"})
                EXPECT_FALSE(texto.contains(QLatin1String(ajeno))) << ruta.toStdString();
            EXPECT_FALSE(
                leer(QStringLiteral(":/laminas/%1/lamina%2.txt").arg(idioma).arg(k)).isEmpty());
        }
}

// ---------------------------------------------------------------- icons

struct Icono {
    const char* ruta;
    int ancho, alto; // rendered size in pixels
    std::function<bool(QRgb)> esAzul;
};

bool rojo(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool azulVivo(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 80 && qGreen(c) < 80;
}
bool azulOscuro(QRgb c) {
    return qBlue(c) > 90 && qRed(c) < 60 && qGreen(c) < 60;
}

void PrintTo(const Icono& i, std::ostream* os) {
    *os << i.ruta;
}

class IconoDibujado : public ::testing::TestWithParam<Icono> {};

TEST_P(IconoDibujado, TieneRojoYAzul) {
    const Icono& ic = GetParam();
    QSvgRenderer svg{QString::fromLatin1(ic.ruta)};
    ASSERT_TRUE(svg.isValid());
    QImage imagen(ic.ancho, ic.alto, QImage::Format_ARGB32);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    svg.render(&p);
    p.end();
    int nRojo = 0;
    int nAzul = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            nRojo += rojo(imagen.pixel(x, y)) ? 1 : 0;
            nAzul += ic.esAzul(imagen.pixel(x, y)) ? 1 : 0;
        }
    const int total = ic.ancho * ic.alto;
    EXPECT_GT(nRojo, total / 10) << ic.ruta;
    EXPECT_GT(nAzul, total / 20) << ic.ruta;
}

INSTANTIATE_TEST_SUITE_P(Herramientas, IconoDibujado,
                         ::testing::Values(Icono{":/iconos/herramienta0.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta1.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta2.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta3.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta4.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta5.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta6.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta7.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta8.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/herramienta9.svg", 30, 30, azulVivo},
                                           Icono{":/iconos/ayuda.svg", 36, 54, azulOscuro}));

// The direction of a one-triangle tool shows in where its blue mass lies.
TEST(IconoDibujado, LasFlechasApuntanSegunSuHerramienta) {
    struct Caso {
        int k;
        double dx, dy; // expected sign of the offset of the blue centroid
    };
    for (const Caso c : {Caso{4, 0, 1}, Caso{5, 0, -1}, Caso{6, 1, 0}, Caso{7, -1, 0}}) {
        QSvgRenderer svg(QStringLiteral(":/iconos/herramienta%1.svg").arg(c.k));
        QImage imagen(60, 60, QImage::Format_ARGB32);
        imagen.fill(Qt::transparent);
        QPainter p(&imagen);
        svg.render(&p);
        p.end();
        double sx = 0, sy = 0, n = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (azulVivo(imagen.pixel(x, y))) {
                    sx += x;
                    sy += y;
                    ++n;
                }
        ASSERT_GT(n, 0) << c.k;
        // A triangle's centroid lies towards its base, opposite to where it points.
        const double cx = sx / n - 29.5, cy = sy / n - 29.5;
        if (c.dx != 0) {
            EXPECT_GT(cx * c.dx, 1.0) << "herramienta" << c.k;
        }
        if (c.dy != 0) {
            EXPECT_GT(cy * c.dy, 1.0) << "herramienta" << c.k;
        }
    }
}

// ---------------------------------------------------------------- plot grid

constexpr double anchoPlano = 480; // logical pixels
constexpr double altoPlano = 450;

// Device pixel that holds the point (x, y) of the plot's user scale.
QPoint pixel(double x, double y, double dpr) {
    const double px = (x + 40) / 140 * anchoPlano * dpr;
    const double py = (100 - y) / 140 * altoPlano * dpr;
    return {static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py))};
}

QImage cuadricula(double dpr) {
    QImage imagen(static_cast<int>(anchoPlano * dpr), static_cast<int>(altoPlano * dpr),
                  QImage::Format_RGB32);
    imagen.setDevicePixelRatio(dpr);
    imagen.fill(Qt::black);
    QPainter p(&imagen);
    pintarCuadricula(p, QRectF(0, 0, anchoPlano, altoPlano));
    p.end();
    return imagen;
}

struct Punto {
    const char* nombre;
    double x, y; // plot units
    QColor esperado;
};

void PrintTo(const Punto& p, std::ostream* os) {
    *os << p.nombre;
}

class PixelCuadricula : public ::testing::TestWithParam<std::tuple<double, Punto>> {};

TEST_P(PixelCuadricula, TieneElColorDeLoQueHayAhi) {
    const auto& [dpr, punto] = GetParam();
    const QImage imagen = cuadricula(dpr);
    const QPoint d = pixel(punto.x, punto.y, dpr);
    EXPECT_EQ(imagen.pixelColor(d), punto.esperado)
        << punto.nombre << " at device pixel " << d.x() << "," << d.y() << " dpr " << dpr;
}

INSTANTIATE_TEST_SUITE_P(
    Dpr1y2, PixelCuadricula,
    ::testing::Combine(::testing::Values(1.0, 2.0),
                       ::testing::Values(Punto{"eje_x0", 0, 72.5, colorEjeCuadricula},
                                         Punto{"eje_y0", 52.5, 0, colorEjeCuadricula},
                                         Punto{"linea_x50", 50, 72.5, colorLineaCuadricula},
                                         Punto{"linea_y75", 52.5, 75, colorLineaCuadricula},
                                         Punto{"linea_xmenos25", -25, -32.5, colorLineaCuadricula},
                                         Punto{"centro_celda", 52.5, 72.5, colorCampoCuadricula},
                                         Punto{"centro_celda_abajo", -22.5, -27.5,
                                               colorCampoCuadricula})),
    [](const auto& info) {
        return std::string(std::get<1>(info.param).nombre) +
               (std::get<0>(info.param) == 1.0 ? "_dpr1" : "_dpr2");
    });

// Labels at the ends of the axes must be drawn inside the plot, not cut off.
TEST(RotulosCuadricula, LosDeLosExtremosQuedanDentro) {
    for (double dpr : {1.0, 2.0}) {
        const QImage imagen = cuadricula(dpr);
        auto hayTexto = [&](QRectF zona) {
            const QRect r(static_cast<int>(zona.left() * dpr), static_cast<int>(zona.top() * dpr),
                          static_cast<int>(zona.width() * dpr),
                          static_cast<int>(zona.height() * dpr));
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor c = imagen.pixelColor(x, y);
                    if (c.red() < 160 && c.green() < 160 && c.blue() < 160 &&
                        std::abs(c.red() - c.blue()) < 40)
                        return true;
                }
            return false;
        };
        const double ejeX = 40.0 / 140 * anchoPlano;
        const double ejeY = 100.0 / 140 * altoPlano;
        // "100" left of the y axis at the very top, "-40" at the bottom.
        EXPECT_TRUE(hayTexto({ejeX - 40, 0, 38, 14})) << "dpr " << dpr;
        EXPECT_TRUE(hayTexto({ejeX - 40, altoPlano - 14, 38, 14})) << "dpr " << dpr;
        // "-40" under the x axis at the left edge, "100" at the right edge.
        EXPECT_TRUE(hayTexto({0, ejeY + 2, 30, 14})) << "dpr " << dpr;
        EXPECT_TRUE(hayTexto({anchoPlano - 30, ejeY + 2, 30, 14})) << "dpr " << dpr;
    }
}

// Ten-digit labels every 40 px: each one drawn stands apart from the next
// (the runs of ink along the labels' row are no wider than one label).
TEST(RotulosCuadricula, LosAnchosNoSeMontan) {
    QImage imagen(static_cast<int>(anchoPlano), static_cast<int>(altoPlano), QImage::Format_RGB32);
    QPainter p(&imagen);
    pintarCuadriculaDe(p, QRectF(0, 0, anchoPlano, altoPlano), {0, 3e9, 2.5e8, 5e7, 0, {}}, {});
    p.end();
    QFont fuente;
    fuente.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    fuente.setPixelSize(11);
    const double ancho = QFontMetricsF(fuente).horizontalAdvance(QStringLiteral("3000000000"));
    const int fila = static_cast<int>(100.0 / 140 * altoPlano) + 3;
    int corrida = 0, mayor = 0, hueco = 99, corridas = 0;
    for (int x = 0; x < anchoPlano; ++x) {
        bool tinta = false;
        for (int y = fila; y < fila + 12; ++y) {
            tinta = tinta || qGray(imagen.pixel(x, y)) < 150;
        }
        hueco = tinta ? 0 : hueco + 1;
        corridas += tinta && corrida == 0;
        corrida = tinta ? corrida + 1 : hueco >= 3 ? 0 : corrida + 1;
        mayor = std::max(mayor, corrida);
    }
    EXPECT_LE(mayor, ancho + 2);
    EXPECT_GE(corridas, 4);
}

} // namespace

int main(int argc, char** argv) {
    // Headless whatever the environment, also when CTest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    inicializarRecursos();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
