// The sentences a student reads, each as the program shows it after the steps
// that bring it up, in the language of its row: a row names the steps, the
// text that must be there and the text that must not.
#include "accesible/accesible.h"
#include "ayudas_acciones.h"
#include "conjuntos.h"
#include "idioma.h"
#include "paneles_idioma.h"
#include "simulacion.h"

#include <QFile>
#include <QLabel>

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

// Retos

// Traducciones
// The simulation's count after one sample.
QString unaMuestra(Form1& f) {
    generarSembrado(f, 11);
    f.mnuSim->accion()->trigger();
    f.Command1(0).click();
    return f.Label8(cuentaSimulada).Caption() + u'|' + f.Command1(0).accessibleName();
}

// Every label's text, the menu entries' and the first point's value as heard.
QString rotulos(Form1& f) {
    generarSembrado(f, 3);
    QStringList t{f.mnuAmp->accion()->text(), f.asideros().front()->valor(0)};
    for (const QLabel* l : f.findChildren<QLabel*>()) {
        t << l->text();
    }
    return t.join(u'|');
}

// The example sets' entries, after loading the cars.
QString conjuntos(Form1& f) {
    cargarConjunto(f, "Frenado de 50 coches");
    QStringList t;
    for (const auto* m : f.mnuConjunto) {
        t << m->Caption();
    }
    return t.join(u'|');
}

QString lamina1(Form1&) {
    QFile a(rutaDeLamina(1, "txt"));
    return a.open(QIODevice::ReadOnly) ? QString::fromUtf8(a.readAll()) : QString();
}

// Accesibilidad
// Ctrl+Z pressed on the focused button, then what the window says.
QString deshacerEn(Form1& f, QWidget& w, Qt::KeyboardModifiers m = Qt::ControlModifier) {
    w.setFocus();
    QCoreApplication::processEvents();
    QTest::keyClick(&w, Qt::Key_Z, m);
    QCoreApplication::processEvents();
    return f.dicho();
}

// The simulation's panel on a set, with its first instruction.
QString simulacionEn(Form1& f, const char* conjunto) {
    cargarConjunto(f, conjunto);
    f.mnuSim->accion()->trigger();
    return f.Label8(cuentaSimulada).Caption();
}

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

        // Retos

        // Traducciones
        {"Una muestra", "es", unaMuestra, "1 muestra de", "1 muestras"},
        {"One sample", "en", unaMuestra, "1 sample of", "1 samples"},
        {"Uma amostra", "pt_BR", unaMuestra, "1 amostra de", "1 amostras"},
        {"Fit to screen", "en", rotulos, "Fit to screen", "Zoom to the screen"},
        {"Ajustar à tela", "pt_BR", rotulos, "Ajustar à tela", "Ampliar para a tela"},
        {"Nível de confiança", "pt_BR", rotulos, "Nível de confiança", "Coeficiente de confiança"},
        {"Intervalo de confiança", "pt_BR", rotulos, "Intervalo de confiança|", "confiança coef"},
        {"Coordenadas com ;", "pt_BR", rotulos, "; y ", ", y "},
        {"GL", "pt_BR", rotulos, "|GL|", "Graus lib."},
        {"Stopping distances", "en", conjuntos, "Stopping distances of 50 cars", "Braking"},
        {"Brain and body weights", "en", conjuntos, "Brain and body weights of 28",
         "Brain and body of"},
        {"r cercano a 0", "es", lamina1, "relación lineal fuerte", "no hay relación lineal."},
        {"r near 0", "en", lamina1, "no strong linear", "no linear relationship."},
        {"r próximo de 0", "pt_BR", lamina1, "relação linear forte", "não há relação linear."},

        // Accesibilidad
        {"nadaQueDeshacer", "es",
         [](Form1& f) {
             simulacionEn(f, "Anscombe I");
             f.Command1(3).click();
             return deshacerEn(f, f.Command1(3));
         },
         "Nada que deshacer", "1000 muestras"},
        {"deshechoDicho", "en",
         [](Form1& f) {
             generarSembrado(f, 3);
             generarSembrado(f, 4);
             f.mnuSim->accion()->trigger();
             return deshacerEn(f, f.Command1(0));
         },
         "Undone: Generate. Slope ", nullptr},
        {"nadaQueRehacer", "pt_BR",
         [](Form1& f) {
             generarSembrado(f, 3);
             f.mnuSim->accion()->trigger();
             return deshacerEn(f, f.Command1(0), Qt::ControlModifier | Qt::ShiftModifier);
         },
         "Nada para refazer", nullptr},
        {"simulacionSinMuestras", "pt_BR", [](Form1& f) { return simulacionEn(f, "Anscombe I"); },
         "Sem amostras: pressione 1, 10, 100 ou 1000.", nullptr},
        {"anilloGris", "es", [](Form1&) { return textoDeLamina(9); }, "Con anillo gris", nullptr},
        {"anilloGrisEn", "en", [](Form1&) { return textoDeLamina(9); }, "grey ring", nullptr},
        {"anilloGrisPt", "pt_BR", [](Form1&) { return textoDeLamina(9); }, "anel cinza", nullptr},

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
