// "Ampliar a la pantalla" on the run's screen: the factor, the plot's and a panel's
// pixels, and the sample, its settings and all that is open kept through it.
#include "ayudas_acciones.h"
#include "pantalla_esperada.h"

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

TEST(Ampliar, FactorPosicionesYNadaSePierde) {
    const PantallaEsperada p = pantallaEsperada();
    const double s = std::max(1.0, std::min(p.ancho / 1024.0, p.alto / 768.0));
    const double u = p.ancho / 1200.0, v = p.alto / 1000.0; // layout units in pixels
    Form1 f;
    ASSERT_TRUE(f.mnuAmp->Enabled());
    generarSembrado(f, 5);
    escribir(f.Text1(9), "80");
    f.mnuBan->accion()->trigger();
    presionar(f, PictureBox::Derecho, esquina(f, 2)); // the pop-up; row 2 green
    f.Image2_Click(3);
    f.mnuDesc_Click();
    const Ajuste antes = ajuste(f.g);
    const QRect plano = f.Picture1->geometry(), panel = f.Frame1->geometry();
    const double marcador = f.Shape1(2).Left();
    for (const double z : {s, 1.0}) {
        f.mnuAmp->accion()->trigger();
        EXPECT_EQ(ampliacion(), z);
        // The design's arrangement for a screen z times smaller, magnified z times.
        EXPECT_NEAR(f.Picture1->x(), 10 * u, 1);
        EXPECT_NEAR(f.Picture1->width(), 7185 * z / 15, 1);
        EXPECT_NEAR(f.Frame1->x(), 30 * u + 9120 * z / 15, 1);
        EXPECT_NEAR(f.Frame1->y(), 10 * v + 10 * u + 4815 * z / 15, 1);
        EXPECT_EQ(f.Label1(0).font().pointSizeF(), 9.75 * z);
        EXPECT_EQ(ajuste(f.g), antes);
        EXPECT_EQ(f.Shape1(2).Left(), marcador);
        EXPECT_EQ(filaAjena(f), 0);
        EXPECT_EQ(f.Picture2->renglones().back().color, colorFilaElegida); // row 2's
        EXPECT_TRUE(f.Line12(0).Visible() && f.Frame6->Visible() && f.Picture3(3).Visible() &&
                    f.List6->Visible());
    }
    EXPECT_EQ(f.Picture1->geometry(), plano);
    EXPECT_EQ(f.Frame1->geometry(), panel);
}

} // namespace
