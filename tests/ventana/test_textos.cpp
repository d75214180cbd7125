// The sentences a student reads, each as the program shows it after the steps
// that bring it up, in the language of its row: a row names the steps, the
// text that must be there and the text that must not.
#include "accesible/accesible.h"
#include "ayudas_acciones.h"
#include "conjuntos.h"
#include "idioma.h"
#include "simulacion.h"

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
