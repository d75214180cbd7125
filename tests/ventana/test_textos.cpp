// The sentences a student reads, each as the program shows it after the steps
// that bring it up, in the language of its row: a row names the steps, the
// text that must be there and the text that must not.
#include "ayudas_acciones.h"
#include "conjuntos.h"
#include "idioma.h"
#include "vista_transformar.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <functional>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

// Loads the example set of that Spanish name through its menu entry.
void cargarConjunto(Form1& f, const char* nombre) {
    const auto& sets = conjuntosEjemplo();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (std::strcmp(sets[i].nombre.texto, nombre) == 0) {
            f.mnuConjunto[i]->accion()->trigger();
            return;
        }
    }
    throw std::logic_error(std::string("no such set: ") + nombre);
}

// Steps used by the rows below.
// Transformar
// The set loaded and seen through tx and ty in "Transformar".
VistaTransformar& transformado(Form1& f, const char* conjunto, Transformacion tx,
                               Transformacion ty) {
    cargarConjunto(f, conjunto);
    f.mnuTra->accion()->trigger();
    VistaTransformar& v = vistaDe<VistaTransformar>(f);
    v.transformar(tx, ty);
    return v;
}
QString lecturaAnimales(Form1& f) {
    return transformado(f, "Cerebro y cuerpo de 28 animales", Transformacion::Ln,
                        Transformacion::Ln)
        .textoLectura();
}
QString lecturaCenso(Form1& f) {
    return transformado(f, "Población de EE. UU.", Transformacion::Ninguna, Transformacion::Log10)
        .textoLectura();
}
// The names of the data saved, as the axes show them.
QString ejesDelCensoEnLn(Form1& f) {
    transformado(f, "Población de EE. UU.", Transformacion::Ninguna, Transformacion::Ln);
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("d.csv"));
    f.guardarDatos(ruta, Separador::Coma, MarcaDecimal::Punto);
    QFile archivo(ruta);
    archivo.open(QIODevice::ReadOnly);
    return QString::fromUtf8(archivo.readLine());
}
// The census entry's tooltip, which holds its description.
QString descripcionDelCenso(Form1& f) {
    for (Menu* m : f.mnuConjunto) {
        if (m->Caption() == QStringLiteral("Población de EE. UU.")) {
            return m->accion()->toolTip();
        }
    }
    return {};
}
QString nombresDeOpciones(Form1& f) {
    f.mnuTra->accion()->trigger();
    return f.Option4(1).accessibleName() + QLatin1Char('|') + f.Option5(1).accessibleName() +
           QLatin1Char('|') + f.Frame12->accessibleName();
}

// Retos

// Traducciones

// Accesibilidad

struct Caso {
    const char* nombre;
    const char* idioma;                      ///< "es", "en" or "pt_BR"
    std::function<QString(Form1&)> mostrado; ///< the steps, then the text shown
    const char* esta;                        ///< must be in it; nullptr: no check
    const char* noEsta;                      ///< must not be in it; nullptr: no check
};

std::vector<Caso> casos() {
    return {
        // Transformar
        {"la mediana, y sin parte negativa", "es", lecturaAnimales,
         "la curva deja más error que la media sola", "explica el -"},
        {"the median, no negative share", "en", lecturaAnimales,
         "the curve leaves more error than the mean alone", "explains -"},
        {"a mediana, sem parte negativa", "pt_BR", lecturaAnimales, ", mediana de ", "explica -"},
        {"el ritmo fijo del modelo", "es", lecturaCenso, "En el modelo, y crece a un ritmo fijo",
         "Cada aumento"},
        {"el porcentaje sin cortes", "es", lecturaCenso, "\u00a0%", " %"},
        {"the percentage without a space", "en", lecturaCenso, "95.92%", " %"},
        {"el censo no se vuelve recto", "es", descripcionDelCenso, "sigue curvada",
         "se vuelve recta"},
        {"ln( in the axis title", "en", ejesDelCensoEnLn, "ln(Population", "ln Population"},
        {"las opciones con su eje", "es", nombresDeOpciones,
         "x: logaritmo decimal|y: logaritmo decimal|Transformación de x", nullptr},
        {"the choices with their axis", "en", nombresDeOpciones,
         "x: common logarithm|y: common logarithm|Transformation of x", nullptr},

        // Retos

        // Traducciones

        // Accesibilidad

    };
}

TEST(Textos, LosQueSeLeen) {
    for (const Caso& c : casos()) {
        SCOPED_TRACE(c.nombre);
        fijarIdioma(*qApp, QLatin1String(c.idioma));
        Form1 f;
        f.show();
        const QString t = c.mostrado(f);
        if (c.esta != nullptr) {
            EXPECT_TRUE(t.contains(QString::fromUtf8(c.esta))) << t.toStdString();
        }
        if (c.noEsta != nullptr) {
            EXPECT_FALSE(t.contains(QString::fromUtf8(c.noEsta))) << t.toStdString();
        }
    }
    fijarIdioma(*qApp, QStringLiteral("es"));
}

} // namespace
