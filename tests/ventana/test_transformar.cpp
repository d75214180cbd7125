// "Transformar" through the window: on the sets a transformation
// straightens, the sample's fit is the double fit of the transformed
// numbers, and the data's scale draws the curve through the fitted values
// taken back; the choices that values stop are disabled and say how many;
// undo gives the data back as loaded.
#include "ayudas_acciones.h"
#include "conjuntos.h"
#include "muestra_transformada.h"
#include "plano_transformado.h"
#include "retos.h"
#include "vista_transformar.h"

#include <QImage>

#include <cmath>
#include <cstring>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

long double aplicada(Transformacion t, long double v) {
    switch (t) {
    case Transformacion::Log10:
        return std::log10(v);
    case Transformacion::Ln:
        return std::log(v);
    default:
        return v;
    }
}

TEST(Transformar, LosConjuntosSeEnderezan) {
    struct Caso {
        const char* conjunto;
        Transformacion tx, ty;
    };
    for (const Caso c :
         {Caso{"Población de EE. UU.", Transformacion::Ninguna, Transformacion::Log10},
          {"Planetas de Kepler", Transformacion::Log10, Transformacion::Log10},
          {"Cerebro y cuerpo de 28 animales", Transformacion::Ln, Transformacion::Ln}}) {
        SCOPED_TRACE(c.conjunto);
        Form1 f;
        f.show();
        const auto& sets = conjuntosEjemplo();
        std::size_t i = 0;
        while (i < sets.size() && std::strcmp(sets[i].nombre.texto, c.conjunto) != 0) {
            ++i;
        }
        ASSERT_LT(i, sets.size());
        f.mnuConjunto[i]->accion()->trigger();
        const EstadoMuestra antes = tomarEstado(f.g);
        VistaTransformar& v = vistaDe<VistaTransformar>(f);
        ASSERT_TRUE(v.transformar(c.tx, c.ty));
        // The fit of the transformed published numbers, in long double.
        const ConjuntoEjemplo& s = sets[i];
        const auto n = static_cast<long double>(s.x.size());
        long double mu = 0, mv = 0, suu = 0, suv = 0;
        for (std::size_t k = 0; k < s.x.size(); ++k) {
            mu += aplicada(c.tx, s.x[k]) / n;
            mv += aplicada(c.ty, s.y[k]) / n;
        }
        for (std::size_t k = 0; k < s.x.size(); ++k) {
            const long double du = aplicada(c.tx, s.x[k]) - mu;
            suu += du * du;
            suv += du * (aplicada(c.ty, s.y[k]) - mv);
        }
        const auto b = static_cast<double>(suv / suu), a = static_cast<double>(mv - suv / suu * mu);
        EXPECT_NEAR(f.g.preciso.b, b, 1e-12 * std::fabs(b));
        EXPECT_NEAR(f.g.preciso.a, a, 1e-11 * std::max(1.0, std::fabs(a)));
        if (c.tx == Transformacion::Log10) {
            EXPECT_NEAR(f.g.preciso.b, 1.5, 0.01); // Kepler's third law
        }
        // The data's scale: the curve passes through each fitted value taken back.
        v.escalaDeLosDatos(true);
        auto* plano = f.findChild<PlanoOriginal*>();
        ASSERT_NE(plano, nullptr);
        QImage im(plano->size(), QImage::Format_ARGB32);
        plano->render(&im);
        const PlanoOriginal::Contenido& d = plano->contenido();
        int enLaCurva = 0;
        for (std::size_t k = 0; k < s.x.size(); ++k) {
            const QPointF q = plano->aPixeles(s.x[k], curva(d.ajuste, c.tx, c.ty, s.x[k]));
            bool roja = false;
            for (int dx = -1; dx <= 1 && !roja; ++dx) {
                for (int dy = -1; dy <= 1 && !roja; ++dy) {
                    const QPoint p = q.toPoint() + QPoint(dx, dy);
                    const QColor col = im.rect().contains(p) ? im.pixelColor(p) : QColor();
                    roja = col.red() > 200 && col.green() < 60 && col.blue() < 60;
                }
            }
            enLaCurva += roja || q.y() < 0 || q.y() > im.height();
        }
        EXPECT_EQ(enLaCurva, static_cast<int>(s.x.size()));
        // The copy holds the data as loaded beside the transformed column.
        const QString copia = f.textoResultados(false);
        EXPECT_TRUE(copia.contains(QString::number(s.y[0], 'g', QLocale::FloatingPointShortest) +
                                   QLatin1Char('\t')) &&
                    copia.contains(QStringLiteral("log₁₀(y)\t")) == (c.ty == Transformacion::Log10))
            << copia.right(400).toStdString();
        // One undo step gives the data back exactly as loaded, and the plot.
        f.pila().undo();
        EXPECT_TRUE(tomarEstado(f.g) == antes);
        EXPECT_FALSE(plano->isVisible());
    }
}

// A value ≤ 0 stops a logarithm, a negative one the root, 0 the reciprocal.
TEST(Transformar, LoQueLosValoresImpiden) {
    Form1 f;
    f.show();
    MuestraDatos d;
    d.x = {-2, 0, 1, 4, 9};
    d.y = {3, 1, 4, 1, 5};
    f.cargarDatos(d);
    VistaTransformar& v = vistaDe<VistaTransformar>(f);
    f.mnuTra->accion()->trigger();
    // x² (k = 5) of values of both signs is stopped by none, and not monotone.
    const std::array<int, 6> enX{0, 2, 2, 1, 1, 0};
    for (int k = 0; k < 6; ++k) {
        const QString porque = f.Option4(k).accessibleDescription();
        EXPECT_EQ(f.Option4(k).isEnabled(), enX[static_cast<std::size_t>(k)] == 0 && k != 5) << k;
        EXPECT_EQ(porque.contains(QString::number(enX[static_cast<std::size_t>(k)])),
                  enX[static_cast<std::size_t>(k)] != 0)
            << k;
        EXPECT_EQ(porque.contains(QStringLiteral("negativos y positivos")), k == 5) << k;
        EXPECT_TRUE(f.Option5(std::min(k, 4)).isEnabled()) << k;
    }
    EXPECT_FALSE(v.transformar(Transformacion::Cuadrado, Transformacion::Ninguna));
    d.x = {2, 0, 1, 4, 9};
    f.cargarDatos(d);
    const EstadoMuestra antes = tomarEstado(f.g);
    EXPECT_FALSE(v.transformar(Transformacion::Log10, Transformacion::Ninguna));
    EXPECT_TRUE(tomarEstado(f.g) == antes);
    ASSERT_TRUE(v.transformar(Transformacion::Cuadrado, Transformacion::Raiz));
    EXPECT_EQ(f.g.xObs(1), 4.0f);
    EXPECT_TRUE(f.textoResultados(false).contains(QStringLiteral("\tx²\t√y\t")));
    // No challenge over a transformation, and its greyed entries say why.
    const Menu& codigo = f.mnuReto(entradaCodigo);
    EXPECT_TRUE(!codigo.Enabled() &&
                codigo.accion()->toolTip().contains(QStringLiteral("transformación")));
    EXPECT_TRUE(!f.mnuReto(0).Enabled() && f.mnuReto(entradaRueda).Enabled());
    // Held, "Expande los puntos verticalmente" stops at once where √y of 0
    // would turn negative, and says so.
    d.y = {0, 1, 4, 9, 16};
    f.cargarDatos(d);
    ASSERT_TRUE(v.transformar(Transformacion::Ninguna, Transformacion::Raiz));
    f.Image1_MouseDown(1, 1, 0, 10, 10);
    esperar(50);
    EXPECT_FALSE(f.herramientaActiva());
    f.Image1_MouseUp(1, 1, 0, 10, 10);
    EXPECT_EQ(f.g.yObs(1), 0.0f);
    EXPECT_TRUE(f.dicho().contains(QStringLiteral("La nube se detiene")))
        << f.dicho().toStdString();
    // Back to none: the very numbers loaded, and the challenges offered.
    ASSERT_TRUE(v.transformar(Transformacion::Ninguna, Transformacion::Ninguna));
    EXPECT_TRUE(f.mnuReto(0).Enabled());
    EXPECT_FALSE(f.mnuReto(0).accion()->toolTip().contains(QStringLiteral("transformación")));
    for (Integer k = 1; k <= 5; ++k) {
        EXPECT_EQ(f.g.xDato(k), d.x[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(f.g.yDato(k), d.y[static_cast<std::size_t>(k - 1)]);
    }
    // A drag keeps a reciprocal on its data's side of 0, however far it jumps.
    d.x = {1, 2, 4, 5, 8};
    f.cargarDatos(d);
    ASSERT_TRUE(v.transformar(Transformacion::Inversa, Transformacion::Ninguna));
    Single x = -0.5f, y = 3;
    v.limitarArrastre(x, y);
    EXPECT_GT(x, 0.0f);
}

// On the brains, every pair of choices of x and y: no share below 0 is
// shown, and with y transformed every interval in y's units is the median's.
TEST(Transformar, LosAnimalesSinPartesNegativas) {
    Form1 f;
    f.show();
    const auto& sets = conjuntosEjemplo();
    std::size_t i = 0;
    while (std::strcmp(sets[i].nombre.texto, "Cerebro y cuerpo de 28 animales") != 0) {
        ++i;
    }
    f.mnuConjunto[i]->accion()->trigger();
    VistaTransformar& v = vistaDe<VistaTransformar>(f);
    int negativas = 0;
    for (int k = 1; k < 30; ++k) {
        const auto ty = static_cast<Transformacion>(k % 5);
        ASSERT_TRUE(v.transformar(static_cast<Transformacion>(k / 5), ty));
        const QString t = v.textoLectura();
        EXPECT_FALSE(t.contains(QStringLiteral("el -"))) << t.toStdString();
        EXPECT_EQ(t.contains(QStringLiteral(", mediana de ")), ty != Transformacion::Ninguna);
        EXPECT_EQ(t.contains(QStringLiteral("media de ")), ty == Transformacion::Ninguna);
        negativas += t.contains(QStringLiteral("deja más error que la media sola"));
    }
    EXPECT_GT(negativas, 0); // the words that take the place of a negative share
    // The copy names the transformation once, and the logs with 10 digits.
    ASSERT_TRUE(v.transformar(Transformacion::Ln, Transformacion::Ln));
    const QString copia = f.textoResultados(false);
    EXPECT_EQ(copia.count(QStringLiteral("ln(y) sobre ln(x)")), 1) << copia.toStdString();
    const QString lnY = copia.section(QLatin1Char('\n'), -2, -2).section(QLatin1Char('\t'), 4, 4);
    EXPECT_NEAR(lnY.toDouble(), std::log(sets[i].y.back()), 5e-9);
    EXPECT_LE(lnY.size(), 11) << lnY.toStdString();
}

} // namespace
