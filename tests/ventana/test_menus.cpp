// The menu bar, and "Descripción" and "Acerca de" opened, closed and opened
// again.
#include "Form1.h"

#include <QMenuBar>

#include <gtest/gtest.h>

using namespace rectaviva;

namespace {

TEST(Menus, Leyendas) {
    Form1 f;
    QStringList barra;
    for (QAction* a : f.menuBar()->actions()) {
        barra << a->text();
    }
    EXPECT_EQ(barra, (QStringList{"Generar", "Ver", "Datos", "Editar", "Retos", "Descripción",
                                  "Acerca de", "Salir"}));
    QStringList ver;
    for (QAction* a : f.mnuVe->desplegable()->actions()) {
        ver << a->text();
    }
    EXPECT_EQ(ver, (QStringList{"Análisis de varianza", "Predicción", "Bandas de confianza 95%",
                                "Residuos", "Influencia", "Mi recta", "Simulación", "Transformar…",
                                "Valores p exactos", "Ampliar a la pantalla", "Idioma"}));
    QStringList datos;
    for (QAction* a : f.mnuDat->desplegable()->actions()) {
        datos << a->text();
    }
    EXPECT_EQ(datos, (QStringList{"Conjuntos de ejemplo", "Pegar datos…", "Abrir datos…",
                                  "Guardar datos…"}));
    EXPECT_FALSE(f.mnuGua->Enabled()) << "nothing to save before the first sample";
    QStringList editar;
    for (QAction* a : f.mnuEdi->desplegable()->actions()) {
        if (!a->isSeparator()) {
            editar << a->text() + (a->isEnabled() ? "" : " (off)");
        }
    }
    EXPECT_EQ(editar, (QStringList{"Deshacer (off)", "Rehacer (off)", "Copiar resultados (off)",
                                   "Copiar gráfico (off)", "Guardar gráfico… (off)"}));
}

struct CasoPanel {
    const char* nombre;
    int filas;
    double top, height, left, width; ///< in layout units V, V, U, U
};

class PanelDeTexto : public ::testing::TestWithParam<CasoPanel> {};

TEST_P(PanelDeTexto, AbreCierraYVuelveAAbrir) {
    const CasoPanel& c = GetParam();
    Form1 f;
    const bool desc = std::string(c.nombre) == "Descripcion";
    ListBox& lista = desc ? *f.List6 : *f.List3;
    ListBox& otra = desc ? *f.List3 : *f.List6;
    auto elegir = [&] { desc ? f.mnuDesc->Click() : f.mnuAcer->Click(); };

    EXPECT_FALSE(lista.Visible());
    elegir();
    EXPECT_TRUE(lista.Visible());
    EXPECT_EQ(lista.ListCount(), c.filas);
    EXPECT_FALSE(otra.Visible());
    EXPECT_NEAR(lista.Top(), c.top * f.g.escalaY, 1e-3);
    EXPECT_NEAR(lista.Height(), c.height * f.g.escalaY, 1e-3);
    EXPECT_NEAR(lista.Left(), c.left * f.g.escalaX, 1e-3);
    EXPECT_NEAR(lista.Width(), c.width * f.g.escalaX, 1e-3);
    const QStringList primera = [&] {
        QStringList l;
        for (int i = 0; i < lista.ListCount(); ++i) {
            l << lista.List(i);
        }
        return l;
    }();
    elegir();
    EXPECT_FALSE(lista.Visible());
    elegir();
    EXPECT_TRUE(lista.Visible());
    ASSERT_EQ(lista.ListCount(), c.filas);
    for (int i = 0; i < c.filas; ++i) {
        EXPECT_EQ(lista.List(i), primera[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, PanelDeTexto,
                         ::testing::Values(CasoPanel{"Descripcion", 9, 10, 200, 10, 450},
                                           CasoPanel{"AcercaDe", 6, 10, 140, 550, 400}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(Descripcion, Filas) {
    Form1 f;
    f.mnuDesc_Click();
    ASSERT_EQ(f.List6->ListCount(), 9);
    EXPECT_EQ(f.List6->List(0), "");
    EXPECT_EQ(f.List6->List(1), "  Tutorvia sobre Regresión Lineal Simple.");
    EXPECT_EQ(f.List6->List(5), "  Regresión Lineal Simple. ");
    EXPECT_EQ(f.List6->List(6), "  Mueva los puntos y observe qué pasa ");
    EXPECT_EQ(f.List6->List(8), "  o elimine puntos con el ");
}

TEST(AcercaDe, FilasDeCreditos) {
    Form1 f;
    f.mnuAcer_Click();
    ASSERT_EQ(f.List3->ListCount(), 6);
    EXPECT_EQ(f.List3->List(0), "");
    EXPECT_EQ(f.List3->List(1), "   Recurso didáctico desarrollado por");
    for (int i = 2; i <= 4; ++i) {
        EXPECT_TRUE(f.List3->List(i).startsWith("   ")) << i;
        EXPECT_FALSE(f.List3->List(i).startsWith("    ")) << i;
    }
    EXPECT_TRUE(f.List3->List(2).contains("Rectaviva"));
    EXPECT_EQ(f.List3->List(5), "");
    // Both panels may be open at once.
    f.mnuDesc_Click();
    EXPECT_TRUE(f.List3->Visible());
    EXPECT_TRUE(f.List6->Visible());
}

} // namespace
