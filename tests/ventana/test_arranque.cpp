// Layout and start-up for the screen the run was given: the layout's
// figures, the resolution warning on either side of 13000 twips, and the
// idle state after start-up.
#include "Form1.h"
#include "estilo_programa.h"
#include "idioma.h"
#include "pantalla_esperada.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace rectaviva;

namespace {

constexpr double tolerancia = 0.01; // twips; the units are single precision

// Positions in twips that the layout must give on one screen.
struct Disposicion {
    int ancho, alto; ///< screen, pixels
    double escalaX, escalaY;
    double picture1Left, picture1Top;
    double picture2Left;
    double frame2Left, frame2Top;
    double frame1Left, frame1Top;
    double frame4Left, frame4Top;
    double frame3Left, frame3Top, frame3Width;
    double laminaWidth, laminaTop;
    double laminaAlLado; ///< left of the sheets that open beside the plot
};

const Disposicion disposiciones[] = {
    {1024, 768, 12.8, 11.52, 128, 115.2, 7441, 9504, 115.2, 9504, 5058.2, 4898, 6937.8, 128, 7250.4,
     7185, 7808, 115.2, 7377},
    // Twice as wide: every gap measured in U doubles, no design width grows.
    {2048, 768, 25.6, 11.52, 256, 115.2, 7697, 9888, 115.2, 9888, 5186.2, 5026, 6937.8, 256, 7250.4,
     7185, 15616, 115.2, 7569},
};

const Disposicion* disposicionDeLaPantalla() {
    const PantallaEsperada p = pantallaEsperada();
    for (const Disposicion& d : disposiciones) {
        if (d.ancho == p.ancho && d.alto == p.alto) {
            return &d;
        }
    }
    return nullptr;
}

TEST(Disposicion, CifrasDelDiseno) {
    const Disposicion* d = disposicionDeLaPantalla();
    if (!d) {
        GTEST_SKIP() << "no layout figures for this screen";
    }
    Form1 f;
    EXPECT_NEAR(f.g.escalaX, d->escalaX, 1e-4);
    EXPECT_NEAR(f.g.escalaY, d->escalaY, 1e-4);
    EXPECT_DOUBLE_EQ(f.Width(), d->ancho * 15.0);
    EXPECT_DOUBLE_EQ(f.Height(), d->alto * 15.0);
    EXPECT_NEAR(f.Picture1->Left(), d->picture1Left, tolerancia);
    EXPECT_NEAR(f.Picture1->Top(), d->picture1Top, tolerancia);
    EXPECT_NEAR(f.Picture2->Left(), d->picture2Left, tolerancia);
    EXPECT_NEAR(f.Picture2->Top(), d->picture1Top, tolerancia);
    EXPECT_NEAR(f.Frame2->Left(), d->frame2Left, tolerancia);
    EXPECT_NEAR(f.Frame2->Top(), d->frame2Top, tolerancia);
    EXPECT_NEAR(f.Frame1->Left(), d->frame1Left, tolerancia);
    EXPECT_NEAR(f.Frame1->Top(), d->frame1Top, tolerancia);
    EXPECT_NEAR(f.Frame4->Left(), d->frame4Left, tolerancia);
    EXPECT_NEAR(f.Frame4->Top(), d->frame4Top, tolerancia);
    for (Frame* inferior : {f.Frame3, f.Frame5}) {
        EXPECT_NEAR(inferior->Left(), d->frame3Left, tolerancia) << inferior->objectName().data();
        EXPECT_NEAR(inferior->Top(), d->frame3Top, tolerancia);
        EXPECT_NEAR(inferior->Width(), d->frame3Width, tolerancia);
    }
    // The plot, the list and the panels keep their composed sizes.
    EXPECT_EQ(f.Picture1->Width(), 7185);
    EXPECT_EQ(f.Picture1->Height(), 6765);
    EXPECT_EQ(f.Picture2->Width(), 1935);
    EXPECT_EQ(f.Frame1->Width(), 5415);
    EXPECT_EQ(f.Frame2->Width(), 5055);

    const double alturas[8] = {785, 665, 480, 835, 835, 745, 840, 840};
    for (int k = 0; k <= 7; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(f.Picture3(k).Width(), d->laminaWidth, tolerancia);
        EXPECT_NEAR(f.Picture3(k).Top(), d->laminaTop, tolerancia);
        EXPECT_NEAR(f.Picture3(k).Height(), alturas[k] * d->escalaY, tolerancia);
        const bool alLado = k == 0 || k == 6 || k == 7;
        EXPECT_NEAR(f.Picture3(k).Left(), alLado ? d->laminaAlLado : d->picture1Left, tolerancia);
    }
    // The window's pixels: the whole screen from its corner.
    EXPECT_EQ(f.geometry().size(), QSize(d->ancho, d->alto));
}

TEST(Disposicion, BarrasBajoSusCajas) {
    Form1 f;
    const std::pair<TextBox*, int> pares[] = {
        {&f.Text1(0), 0},  {&f.Text1(1), 1},  {&f.Text1(2), 10}, {&f.Text1(3), 2},
        {&f.Text1(4), 3},  {&f.Text1(5), 4},  {&f.Text1(7), 5},  {&f.Text1(10), 6},
        {&f.Text1(11), 7}, {&f.Text1(12), 8}, {&f.Text1(13), 9}, {&f.Text1(14), 11},
        {&f.Text3(9), 22}, {&f.Text2(0), 12}, {&f.Text2(5), 17}, {&f.Text2(9), 21}};
    for (const auto& [caja, k] : pares) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(f.Shape2(k).Left(), caja->Left());
        EXPECT_DOUBLE_EQ(f.Shape2(k).Top(), caja->Top() + caja->Height());
    }
}

// The warning box: shown below 13000 twips, centred, with its four rows, and
// "Generar" and "Ver" locked; absent from 13000 twips up.
TEST(AvisoResolucion, SegunElAnchoEnTwips) {
    const PantallaEsperada p = pantallaEsperada();
    Form1 f;
    const double ancho = p.ancho * 15.0;
    const double alto = p.alto * 15.0;
    const bool aviso = ancho < 13000;
    EXPECT_EQ(f.List5->Visible(), aviso);
    EXPECT_EQ(f.mnuGene->Enabled(), !aviso);
    EXPECT_EQ(f.mnuVe->Enabled(), !aviso);
    EXPECT_TRUE(f.mnuDesc->Enabled());
    EXPECT_TRUE(f.mnuAcer->Enabled());
    EXPECT_TRUE(f.mnuSali->Enabled());
    if (!aviso) {
        EXPECT_EQ(f.List5->ListCount(), 0);
        return;
    }
    ASSERT_EQ(f.List5->ListCount(), 4);
    EXPECT_EQ(f.List5->List(0), "");
    EXPECT_EQ(f.List5->List(1), "  PARA  UTILIZAR  ESTE  RECURSO  DIDACTICO");
    EXPECT_EQ(f.List5->List(2), "    DEBE  CONFIGURAR  LA  PANTALLA  CON");
    EXPECT_EQ(f.List5->List(3), "      RESOLUCION  1024 X 768  PIXELES");
    EXPECT_DOUBLE_EQ(f.List5->Width(), 8000);
    EXPECT_DOUBLE_EQ(f.List5->Height(), 4000);
    EXPECT_DOUBLE_EQ(f.List5->Left(), (ancho - 8000) / 2);
    EXPECT_DOUBLE_EQ(f.List5->Top(), (alto - 4000) / 2);
    EXPECT_DOUBLE_EQ(f.List5->font().pointSizeF(), 13);
    EXPECT_TRUE(f.List5->font().bold());
}

TEST(Arranque, EstadoInicialSinMuestra) {
    Form1 f;
    EXPECT_EQ(f.windowTitle(), "Form1");
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.Picture1, f.Picture2, f.Frame1, f.Frame2, f.Frame3,
                                         f.Frame4, f.Frame5, f.Frame6, f.List3, f.List6}) {
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    }
    for (PictureBox* p : f.Picture3) {
        EXPECT_TRUE(p->isHidden()) << p->objectName().toStdString();
    }
    for (Shape* s : f.Shape1) {
        EXPECT_FALSE(s->Visible()) << s->objectName().toStdString();
        EXPECT_EQ(s->FillColor(), QColor(0, 0, 220));
        EXPECT_EQ(s->BorderColor(), QColor(0, 0, 220));
    }
    for (int k = 0; k <= 50; ++k) {
        EXPECT_FALSE(f.Line13(k).Visible()) << k;
    }
    for (Line* l : f.Line12) {
        EXPECT_FALSE(l->Visible()) << l->objectName().toStdString();
    }
    EXPECT_FALSE(f.Line14(0).Visible());
    EXPECT_FALSE(f.Line14(1).Visible());
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.Timer1->Interval(), 60);
    EXPECT_FALSE(f.Label5(1).Enabled());
    EXPECT_TRUE(f.Label5(0).Enabled());

    EXPECT_EQ(f.g.xMin, -40);
    EXPECT_EQ(f.g.xMax, 100);
    EXPECT_EQ(f.g.yMin, -40);
    EXPECT_EQ(f.g.yMax, 100);
    EXPECT_EQ(f.g.nivelConf, 95.0f);
    EXPECT_EQ(f.g.nivelPred, 95.0f);
    EXPECT_EQ(f.g.xPred, 20.0f);
    EXPECT_EQ(f.g.prediccionActiva, 0);
    EXPECT_EQ(f.g.listaSinResaltar, 1);
    EXPECT_NE(f.g.oCalculos, nullptr);
    EXPECT_NE(f.g.oTablas, nullptr);
    EXPECT_NE(f.g.oMostrar, nullptr);
    // The band abscissae follow the plot range set by the layout.
    EXPECT_EQ(f.g.xBanda(0), -40.0f);
    EXPECT_EQ(f.g.xBanda(20), 100.0f);
    // The t table is filled: one degree of freedom, the last column.
    EXPECT_GT(f.g.valoresT(1, 7), 1.0f);
}

TEST(Arranque, ColoresDeLosPaneles) {
    Form1 f;
    EXPECT_EQ(f.Picture1->BackColor(), QColor(255, 180, 0));
    EXPECT_EQ(f.Frame1->BackColor(), QColor(200, 100, 0));
    EXPECT_EQ(f.Frame2->BackColor(), QColor(180, 120, 0));
    EXPECT_EQ(f.Frame3->BackColor(), QColor(220, 150, 0));
    EXPECT_EQ(f.Frame5->BackColor(), QColor(220, 150, 0));
    EXPECT_EQ(f.Line3->BorderColor(), QColor(230, 0, 0));
    EXPECT_EQ(f.Label1(4).BackColor(), f.Frame1->BackColor());
    EXPECT_EQ(f.Label3(9).BackColor(), f.Frame2->BackColor());
    EXPECT_EQ(f.Label2(0).BackColor(), f.Frame3->BackColor());
    EXPECT_EQ(f.Label4(6).BackColor(), f.Frame5->BackColor());
    const QColor rosa(255, 120, 120), oliva(200, 200, 0);
    for (TextBox* t : {&f.Text1(9), &f.Text2(10), &f.Text4(0), &f.Text4(1)}) {
        EXPECT_EQ(t->BackColor(), rosa) << t->objectName().toStdString();
    }
    for (TextBox* t : {&f.Text1(0), &f.Text1(14), &f.Text2(9), &f.Text3(9), &f.Text4(6)}) {
        EXPECT_EQ(t->BackColor(), oliva) << t->objectName().toStdString();
    }
}

} // namespace

// The program's style hands the menu bar's overflow arrow over unread; drawn
// or measured, it is the arrow of the style it wraps.
TEST(Arranque, FlechaDelMenuComoLaDelEstilo) {
    EstiloPrograma estilo(QApplication::style()->name());
    const auto flecha = QStyle::SP_ToolBarHorizontalExtensionButton;
    const QIcon diferida = estilo.standardIcon(flecha, nullptr, nullptr);
    const QIcon propia = estilo.baseStyle()->standardIcon(flecha);
    EXPECT_FALSE(diferida.isNull());
    for (int lado : {12, 16, 24, 32}) {
        EXPECT_EQ(diferida.actualSize(QSize(lado, lado)), propia.actualSize(QSize(lado, lado)));
        EXPECT_EQ(diferida.pixmap(lado).toImage(), propia.pixmap(lado).toImage()) << lado;
    }
}

// Qt's own texts come from Qt's catalogue for the language; a language
// without one installs nothing and leaves them as Qt ships them.
TEST(Arranque, TextosDeQtEnCastellano) {
    QTranslator* catalogo = instalarTextosDeQt(*qApp, "es");
    ASSERT_NE(catalogo, nullptr) << "falta qtbase_es.qm (qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "Aceptar");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    QCoreApplication::removeTranslator(catalogo);
    delete catalogo;
    EXPECT_EQ(instalarTextosDeQt(*qApp, "xx"), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "OK");
}
