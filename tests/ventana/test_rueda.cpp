// "Rueda de residuos": the keys move among the twenty plots and say where they
// are, Enter, Space or a click picks, the sentence says whether the pick was
// the own sample, the own plot is framed only after the pick, and a second
// pick changes nothing.
#include "ayudas_acciones.h"
#include "colores.h"
#include "rueda_residuos.h"
#include "vista_retos.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

// Twenty plots of 30 points: bounded noise, and at place 12 a parabola.
Rueda ruedaDePrueba() {
    Rueda r;
    r.propio = 12;
    for (int k = 0; k < graficosDeRueda; ++k) {
        std::vector<PuntoResiduo> g;
        for (int i = 0; i < 30; ++i) {
            const double x = -30 + 4 * i;
            g.push_back({x, k == r.propio ? (x - 28) * (x - 28) / 40 - 15
                                          : 8 * std::sin(7.3 * i + 1.7 * k)});
        }
        r.graficos.push_back(g);
    }
    return r;
}

QColor pixelDelMarcoPropio(CuadriculaRueda& g) {
    const QImage im = g.grab().toImage();
    const QRectF a = g.areaDe(ruedaDePrueba().propio);
    const double r = im.devicePixelRatio();
    return im.pixelColor(
        QPoint(static_cast<int>(a.left() * r), static_cast<int>(a.center().y() * r)));
}

struct Caso {
    std::vector<Qt::Key> teclas;
    int foco;      ///< the plot the keys end on, 0..19
    Qt::Key elige; ///< the key that picks it; Key_unknown for a click
};
const Caso casos[] = {
    {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down}, 12, Qt::Key_Return},
    {{Qt::Key_Left}, 19, Qt::Key_Space},
    {{Qt::Key_Up}, 15, Qt::Key_Enter},
    {{Qt::Key_End, Qt::Key_Right}, 0, Qt::Key_Return},
    {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}, 1, Qt::Key_unknown},
    {{Qt::Key_Right, Qt::Key_End, Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right,
      Qt::Key_Right},
     12,
     Qt::Key_unknown},
};

TEST(Rueda, TeclasEleccionYRevelado) {
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.foco);
        QStringList dicho;
        DialogoRueda d(
            nullptr, ruedaDePrueba(), [&](const QString& t) { dicho << t; }, QStringLiteral(","));
        d.show();
        CuadriculaRueda& g = d.graficos();
        d.setACiegas(true);
        QSignalSpy elegidos(&d, &DialogoRueda::graficoElegido);
        for (const Qt::Key t : c.teclas) {
            QTest::keyClick(&g, t);
        }
        ASSERT_EQ(g.enFoco(), c.foco);
        EXPECT_EQ(dicho.back().toStdString(),
                  QStringLiteral("Gráfico %1 de 20").arg(c.foco + 1).toStdString());
        EXPECT_EQ(d.elegido(), -1);
        // Nothing tells the own plot before the pick.
        EXPECT_NE(pixelDelMarcoPropio(g), colorMiRecta);
        if (c.elige == Qt::Key_unknown) {
            QTest::mouseClick(&g, Qt::LeftButton, {}, g.areaDe(c.foco).center().toPoint());
        } else {
            QTest::keyClick(&g, c.elige);
        }
        const bool acierto = c.foco == 12;
        ASSERT_EQ(d.elegido(), c.foco);
        EXPECT_EQ(d.acertado(), acierto);
        EXPECT_EQ(elegidos.count(), 1);
        const QString frase = d.resultado();
        EXPECT_EQ(dicho.back().toStdString(), frase.toStdString());
        EXPECT_TRUE(
            acierto ? frase.contains("1/20 = 0,05")
                    : frase.contains(QStringLiteral("n.º %1, en rojo, y tu muestra era la n.º 13")
                                         .arg(c.foco + 1)))
            << frase.toStdString();
        EXPECT_EQ(pixelDelMarcoPropio(g), colorMiRecta);
        // The pick's own frame: the own plot's green when right, red when wrong.
        const QImage im = g.grab().toImage();
        const QRectF a = g.areaDe(c.foco);
        const double z = im.devicePixelRatio();
        EXPECT_EQ(im.pixelColor(QPoint(static_cast<int>((a.left() - 3.5) * z),
                                       static_cast<int>(a.center().y() * z))),
                  acierto ? colorMiRecta : colorIntervaloFalla);
        // A second pick, by call or by key, changes nothing.
        d.elegir((c.foco + 1) % 20);
        QTest::keyClick(&g, Qt::Key_Right);
        QTest::keyClick(&g, Qt::Key_Return);
        EXPECT_EQ(d.elegido(), c.foco);
        EXPECT_EQ(d.resultado().toStdString(), frase.toStdString());
        EXPECT_EQ(elegidos.count(), 1);
    }
}

// In a residual round the lineup comes first, of the round's points before
// they are loaded or plotted; the own plot's place follows the injected draw,
// not the code; only that blind pick is given its 1/20.
TEST(Rueda, AntesDeVerLosResiduosYEnUnLugarAlAzar) {
    Form1 f;
    f.show();
    VistaRetos& v = vistaDe<VistaRetos>(f);
    for (const std::uint64_t semilla : {1ULL, 2ULL, 3ULL, 4ULL}) {
        v.setAzarRueda([semilla] { return semilla; });
        ASSERT_TRUE(v.jugarCodigo(Reto::Residuos, 4817 + static_cast<int>(semilla % 2)));
        const std::vector<PuntoReto> puntos = v.ronda()->puntos;
        EXPECT_FALSE(f.Picture7->isVisible() || f.Option3(0).isVisible());
        const auto cargada = [&] {
            return f.g.nPuntos == static_cast<Integer>(puntos.size()) &&
                   f.g.xObs(1) == puntos[0].x && f.g.yObs(1) == puntos[0].y;
        };
        EXPECT_FALSE(cargada());
        for (const bool aCiegas : {true, false}) { // the round's, then the menu's
            if (aCiegas) {
                f.Command2(ordenRueda).click();
            } else {
                f.mnuReto(entradaRueda).accion()->trigger();
            }
            DialogoRueda* d = v.dialogoRueda();
            ASSERT_EQ(d->aCiegas(), aCiegas);
            d->elegir(d->rueda().propio);
            EXPECT_EQ(d->resultado().contains("1/20"), aCiegas);
            EXPECT_TRUE(!aCiegas || d->rueda().propio == ruedaDeResiduos(puntos, semilla).propio);
            d->close();
            QCoreApplication::processEvents();
        }
        EXPECT_TRUE(f.Picture7->isVisible() && cargada());
    }
}

} // namespace
