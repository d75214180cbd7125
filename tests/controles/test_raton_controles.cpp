// A pop-up panel over a picture box takes the presses made on it: neither a
// press on its label, enabled or not, nor one on its background reaches the
// picture box underneath, which would pick whatever lies below the pop-up.
#include "capa_controles.h"

#include <QApplication>
#include <QLineEdit>
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

// A group of focus is one Tab stop: the arrows go among its shown members
// and stop at the ends, Home and End reach the first and last, and the
// member reached is the stop.
TEST(GrupoDeFoco, LasFlechasVanEntreLosVisibles) {
    QWidget ventana;
    std::vector<QWidget*> m;
    for (int i = 0; i < 4; ++i) {
        m.push_back(new QLineEdit(&ventana));
    }
    GrupoDeFoco grupo(m, Qt::StrongFocus, Qt::ClickFocus, &ventana);
    m[2]->hide();
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    m[0]->setFocus();
    const std::vector<std::pair<Qt::Key, int>> pasos{
        {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 3}, {Qt::Key_Right, 3},
        {Qt::Key_Home, 0}, {Qt::Key_End, 3},   {Qt::Key_Up, 1}};
    for (const auto& [tecla, destino] : pasos) {
        QTest::keyClick(QApplication::focusWidget(), tecla);
        EXPECT_TRUE(m[static_cast<std::size_t>(destino)]->hasFocus()) << destino;
        EXPECT_EQ(grupo.parada(), m[static_cast<std::size_t>(destino)]);
        for (std::size_t j = 0; j < m.size(); ++j) {
            EXPECT_EQ(m[j]->focusPolicy(),
                      static_cast<int>(j) == destino ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
}

} // namespace
} // namespace rectaviva
