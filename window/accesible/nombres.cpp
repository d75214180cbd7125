// The names a screen reader reads for the design's controls, in the language
// in use: the result boxes by their table, the icons, the sheets by what they
// explain, the plot, the list and the panels; each view names its own.
#include "Form1.h"

#include <array>
#include <utility>

namespace rectaviva {

namespace {

// What each help icon of the design explains, and so what its sheet shows;
// the views name their own.
constexpr std::array<const char*, 8> temas{
    QT_TRANSLATE_NOOP("accesible", "del gráfico"),
    QT_TRANSLATE_NOOP("accesible", "de los estadísticos de las variables"),
    QT_TRANSLATE_NOOP("accesible", "de los cálculos auxiliares"),
    QT_TRANSLATE_NOOP("accesible", "de la estimación de los parámetros"),
    QT_TRANSLATE_NOOP("accesible", "de la prueba de hipótesis"),
    QT_TRANSLATE_NOOP("accesible", "de la varianza del error y del coeficiente de determinación"),
    QT_TRANSLATE_NOOP("accesible", "del análisis de varianza"),
    QT_TRANSLATE_NOOP("accesible", "de la predicción")};

// A name made of a theme: set now and again after each change of language.
void nombrarConTema(QWidget& w, const char* plantilla, const char* tema, bool traducido) {
    alCambiarIdioma(&w, ClaveTexto::Nombre, [&w, plantilla, tema, traducido] {
        const QString t =
            traducido ? QCoreApplication::translate("accesible", tema) : QString::fromUtf8(tema);
        w.setAccessibleName(QCoreApplication::translate("accesible", plantilla).arg(t));
    });
}

} // namespace

void Form1::nombrarControles() {
    for (const FilaCaja& f : filasCajas()) {
        traducirNombre(cajaDeFila(*this, f), Fuente{"cajas", f.nombre});
    }
    // A tooltip's text is set again before the description and the name
    // that repeat it (an object's texts follow in that order).
    for (TextBox* t : {&Text1(9), &Text2(10)}) {
        alCambiarIdioma(t, ClaveTexto::Descripcion,
                        [t] { t->setAccessibleDescription(t->toolTip()); });
    }
    for (Image* i : Image1) {
        alCambiarIdioma(i, ClaveTexto::Nombre, [i] { i->setAccessibleName(i->toolTip()); });
        traducirDescripcion(*i, FUENTE("accesible", "Mantenga pulsada la barra espaciadora"));
    }
    const auto nombrarLamina = [this](int k, const char* tema, bool traducido) {
        nombrarConTema(Image2(k), QT_TRANSLATE_NOOP("accesible", "Explicación %1"), tema,
                       traducido);
        nombrarConTema(Picture3(k), QT_TRANSLATE_NOOP("accesible", "Fórmulas %1"), tema, traducido);
    };
    for (int k = 0; k < static_cast<int>(temas.size()); ++k) {
        nombrarLamina(k, temas[static_cast<std::size_t>(k)], true);
    }
    for (const auto& v : vistas_) {
        for (const Lamina& l : v->laminas()) {
            nombrarLamina(l.indice, l.tema, false);
        }
        v->nombrarControles();
    }
    traducirNombre(*Picture1, FUENTE("accesible", "Gráfico de dispersión"));
    traducirNombre(*Picture2, FUENTE("accesible", "Lista de puntos"));
    const std::array<std::pair<QWidget*, Fuente>, 8> paneles{{
        {Frame1, FUENTE("accesible", "Estimación de parámetros")},
        {Frame2, FUENTE("accesible", "Estadísticos de las variables")},
        {Frame3, FUENTE("accesible", "Análisis de varianza")},
        {Frame4, FUENTE("accesible", "Herramientas")},
        {Frame5, FUENTE("accesible", "Predicción")},
        {Frame6, FUENTE("accesible", "Eliminar o recuperar")},
        {List6, FUENTE("accesible", "Descripción")},
        {List3, FUENTE("accesible", "Acerca de")},
    }};
    for (const auto& [w, n] : paneles) {
        traducirNombre(*w, n);
    }
}

} // namespace rectaviva
