// The Spanish names a screen reader reads for the design's controls: the
// result boxes by their table, the icons, the sheets by what they explain,
// the plot, the list and the panels; each view names its own.
#include "Form1.h"

#include <array>
#include <utility>

namespace rectaviva {

namespace {

// What each help icon of the design explains, and so what its sheet shows;
// the views name their own.
constexpr std::array<const char*, 8> temas{
    "del gráfico",
    "de los estadísticos de las variables",
    "de los cálculos auxiliares",
    "de la estimación de los parámetros",
    "de la prueba de hipótesis",
    "de la varianza del error y del coeficiente de determinación",
    "del análisis de varianza",
    "de la predicción"};

} // namespace

void Form1::nombrarControles() {
    for (const FilaCaja& f : filasCajas()) {
        cajaDeFila(*this, f).setAccessibleName(QString::fromUtf8(f.nombre));
    }
    for (TextBox* t : {&Text1(9), &Text2(10)}) {
        t->setAccessibleDescription(t->toolTip());
    }
    for (Image* i : Image1) {
        i->setAccessibleName(i->toolTip());
        i->setAccessibleDescription(QStringLiteral("Mantenga pulsada la barra espaciadora"));
    }
    const auto nombrarLamina = [this](int k, const char* tema) {
        const QString t = QString::fromUtf8(tema);
        Image2(k).setAccessibleName(QStringLiteral("Explicación ") + t);
        Picture3(k).setAccessibleName(QStringLiteral("Fórmulas ") + t);
    };
    for (int k = 0; k < static_cast<int>(temas.size()); ++k) {
        nombrarLamina(k, temas[static_cast<std::size_t>(k)]);
    }
    for (const auto& v : vistas_) {
        for (const Lamina& l : v->laminas()) {
            nombrarLamina(l.indice, l.tema);
        }
        v->nombrarControles();
    }
    Picture1->setAccessibleName(QStringLiteral("Gráfico de dispersión"));
    Picture2->setAccessibleName(QStringLiteral("Lista de puntos"));
    const std::array<std::pair<QWidget*, const char*>, 8> paneles{{
        {Frame1, "Estimación de parámetros"},
        {Frame2, "Estadísticos de las variables"},
        {Frame3, "Análisis de varianza"},
        {Frame4, "Herramientas"},
        {Frame5, "Predicción"},
        {Frame6, "Eliminar o recuperar"},
        {List6, "Descripción"},
        {List3, "Acerca de"},
    }};
    for (const auto& [w, n] : paneles) {
        w->setAccessibleName(QString::fromUtf8(n));
    }
}

} // namespace rectaviva
