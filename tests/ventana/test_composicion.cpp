// The window's composition: the control arrays and their bounds, which boxes
// accept typing, and the texts the window shows.
#include "Form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <set>

using namespace rectaviva;

namespace {

struct CasoMatriz {
    const char* nombre;
    int LBound, UBound;
};

class Matrices : public ::testing::TestWithParam<CasoMatriz> {};

// Bounds read through the window's own arrays.
std::pair<int, int> limites(Form1& f, const std::string& n) {
    auto par = [](const auto& m) { return std::make_pair(m.LBound(), m.UBound()); };
    if (n == "Shape1")
        return par(f.Shape1);
    if (n == "Shape2")
        return par(f.Shape2);
    if (n == "Line8")
        return par(f.Line8);
    if (n == "Line12")
        return par(f.Line12);
    if (n == "Line13")
        return par(f.Line13);
    if (n == "Line14")
        return par(f.Line14);
    if (n == "Picture3")
        return par(f.Picture3);
    if (n == "Image1")
        return par(f.Image1);
    if (n == "Image2")
        return par(f.Image2);
    if (n == "Text1")
        return par(f.Text1);
    if (n == "Text2")
        return par(f.Text2);
    if (n == "Text3")
        return par(f.Text3);
    if (n == "Text4")
        return par(f.Text4);
    if (n == "Label1")
        return par(f.Label1);
    if (n == "Label2")
        return par(f.Label2);
    if (n == "Label3")
        return par(f.Label3);
    if (n == "Label4")
        return par(f.Label4);
    if (n == "Label5")
        return par(f.Label5);
    if (n == "Label7")
        return par(f.Label7);
    if (n == "Text6")
        return par(f.Text6);
    if (n == "Shape8")
        return par(f.Shape8);
    return {1, 0};
}

TEST_P(Matrices, LimitesDelDiseno) {
    const CasoMatriz& c = GetParam();
    Form1 f;
    EXPECT_EQ(limites(f, c.nombre), std::make_pair(c.LBound, c.UBound));
}

INSTANTIATE_TEST_SUITE_P(Casos, Matrices,
                         ::testing::Values(CasoMatriz{"Shape1", 0, 51}, CasoMatriz{"Shape2", 0, 22},
                                           CasoMatriz{"Line8", 0, 6}, CasoMatriz{"Line12", 0, 41},
                                           CasoMatriz{"Line13", 0, 50}, CasoMatriz{"Line14", 0, 1},
                                           CasoMatriz{"Picture3", 0, 15},
                                           CasoMatriz{"Image1", 0, 9}, CasoMatriz{"Image2", 0, 15},
                                           CasoMatriz{"Text1", 0, 14}, CasoMatriz{"Text2", 0, 10},
                                           CasoMatriz{"Text3", 0, 9}, CasoMatriz{"Text4", 0, 6},
                                           CasoMatriz{"Label1", 0, 13}, CasoMatriz{"Label2", 0, 9},
                                           CasoMatriz{"Label3", 0, 9}, CasoMatriz{"Label4", 0, 6},
                                           CasoMatriz{"Label5", 0, 1}, CasoMatriz{"Label7", 0, 7},
                                           CasoMatriz{"Text6", 0, 1}, CasoMatriz{"Shape8", 0, 1}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Every element is a distinct control found by its name, e.g. "Text1_9".
TEST(Matrices, ElementosConNombre) {
    Form1 f;
    for (int k = 0; k <= 14; ++k) {
        EXPECT_EQ(f.findChild<TextBox*>(QString("Text1_%1").arg(k)), &f.Text1(k));
    }
    for (int k = 0; k <= 13; ++k) {
        EXPECT_EQ(f.findChild<Image*>(QString("Image2_%1").arg(k)), &f.Image2(k));
        EXPECT_TRUE(f.Image2(k).tieneDibujo()) << k;
    }
    for (int k = 0; k <= 9; ++k) {
        EXPECT_TRUE(f.Image1(k).tieneDibujo()) << k;
    }
    EXPECT_EQ(f.findChildren<TextBox*>().size(), 15 + 11 + 10 + 7 + 6 + 2 + 3 + 1);
}

// Typing a character into every box: only the five entry boxes change.
TEST(Cajas, SoloLasEntradasAceptanEscritura) {
    Form1 f;
    const std::set<QString> editables{"Text1_9", "Text2_10", "Text4_0", "Text4_1", "Text4_6",
                                      "Text7_0", "Text7_1",  "Text7_2", "Text8"};
    for (TextBox* t : f.findChildren<TextBox*>()) {
        const QString n = t->objectName();
        t->setText("5");
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7");
        QApplication::sendEvent(t, &tecla);
        const bool cambio = t->Text() != "5";
        EXPECT_EQ(cambio, editables.count(n) == 1) << n.toStdString();
        EXPECT_EQ(t->Locked(), editables.count(n) == 0) << n.toStdString();
        EXPECT_EQ(t->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
}

TEST(Textos, NingunTituloDeMarcoALaVista) {
    Form1 f;
    f.mnuDesc_Click();
    f.mnuAcer_Click();
    for (QLabel* l : f.findChildren<QLabel*>()) {
        EXPECT_FALSE(l->text().startsWith("Frame")) << l->objectName().toStdString();
    }
    for (ListBox* l : f.findChildren<ListBox*>()) {
        for (int i = 0; i < l->ListCount(); ++i) {
            EXPECT_FALSE(l->List(i).contains("Frame"));
        }
    }
    for (QAction* a : f.menuBar()->actions()) {
        EXPECT_FALSE(a->text().contains("Frame"));
    }
}

struct CasoTexto {
    const char* control;
    const char* texto;
    double puntos;
    bool negrita;
};

class TextosDeEtiquetas : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(TextosDeEtiquetas, TextoYFuente) {
    const CasoTexto& c = GetParam();
    Form1 f;
    const Label* l = f.findChild<Label*>(c.control);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Caption(), QString::fromUtf8(c.texto));
    EXPECT_DOUBLE_EQ(l->font().pointSizeF(), c.puntos);
    EXPECT_EQ(l->font().bold(), c.negrita);
    EXPECT_TRUE(l->font().family() == "Verdana" || l->font().family() == "DejaVu Sans");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TextosDeEtiquetas,
    ::testing::Values(CasoTexto{"Label1_0", "Etimación de parámetros", 9.75, true},
                      CasoTexto{"Label1_8", "Prueba hipótesis :", 9, false},
                      CasoTexto{"Label2_0", "Analisis de varianza", 11.25, true},
                      CasoTexto{"Label3_0", "Estadísticos de las variables ", 9.75, true},
                      CasoTexto{"Label3_1", "X                   Y", 9.75, true},
                      CasoTexto{"Label3_7", "Sxx                       Syy   ", 9.75, false},
                      CasoTexto{"Label3_8", " Sxy  ", 9.75, false},
                      CasoTexto{"Label4_0", "Predicción ", 11.25, true},
                      CasoTexto{"Label4_3", "Predicción en   x =", 9.75, false},
                      CasoTexto{"Label5_1", "Recuperar", 9, false}),
    [](const auto& info) { return std::string(info.param.control); });

TEST(Textos, AyudasEmergentes) {
    Form1 f;
    EXPECT_EQ(f.Text1(9).toolTip(), "entre 65 y 99");
    EXPECT_EQ(f.Text2(10).toolTip(), "Mínimo 3 y máximo 50");
    EXPECT_EQ(f.Image1(0).toolTip(), "Contrae los puntos verticalmente");
    EXPECT_EQ(f.Image1(7).toolTip(), "Mueve los puntos a la derecha");
    EXPECT_EQ(f.Image1(9).toolTip(), "Expande los puntos");
}

} // namespace
