// A pop-up panel over a picture box takes the presses made on it: neither a
// press on its label, enabled or not, nor one on its background reaches the
// picture box underneath, which would pick whatever lies below the pop-up.
#include "controles.h"

#include <QTest>

#include <gtest/gtest.h>

namespace rectaviva {
namespace {

struct Escena {
    QWidget ventana;
    PictureBox* plano = new PictureBox(&ventana, QStringLiteral("Picture1"));
    Frame* emergente = new Frame(plano, QStringLiteral("Frame6"));
    Label* etiqueta = new Label(emergente, QStringLiteral("Label5_0"));
    int presiones = 0;
    int clics = 0;

    Escena() {
        ventana.resize(400, 400);
        // Positions in twips, each in its container's units.
        plano->Move(0, 0, 6000, 6000);
        emergente->Move(1500, 1500, 1800, 900);
        etiqueta->Move(75, 75, 1500, 300);
        QObject::connect(plano, &PictureBox::MouseDown,
                         [this](int, int, float, float) { ++presiones; });
        QObject::connect(etiqueta, &Label::Click, [this] { ++clics; });
        ventana.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }
};

TEST(RatonSobreControles, LaEtiquetaHabilitadaSeQuedaConLaPresion) {
    Escena e;
    QTest::mouseClick(e.etiqueta, Qt::LeftButton, {}, e.etiqueta->rect().center());
    EXPECT_EQ(e.clics, 1);
    EXPECT_EQ(e.presiones, 0);
}

TEST(RatonSobreControles, NiLaEtiquetaDeshabilitadaNiElPanelDejanPasarLaPresion) {
    Escena e;
    e.etiqueta->setEnabled(false);
    QTest::mouseClick(e.etiqueta, Qt::LeftButton, {}, e.etiqueta->rect().center());
    QTest::mouseClick(e.emergente, Qt::RightButton, {},
                      QPoint(e.emergente->width() - 3, e.emergente->height() - 3));
    EXPECT_EQ(e.clics, 0);
    EXPECT_EQ(e.presiones, 0);
    // The surface itself still hears a press made on it.
    QTest::mouseClick(e.plano, Qt::LeftButton, {},
                      QPoint(e.plano->width() - 5, e.plano->height() - 5));
    EXPECT_EQ(e.presiones, 1);
}

} // namespace
} // namespace rectaviva
