// The sentences a student reads, each as the program shows it after the steps
// that bring it up, in the language of its row: a row names the steps, the
// text that must be there and the text that must not.
#include "accesible/accesible.h"
#include "ayudas_acciones.h"
#include "conjuntos.h"
#include "idioma.h"
#include "paneles_idioma.h"
#include "rueda_residuos.h"
#include "simulacion.h"
#include "vista_retos.h"
#include "vista_transformar.h"

#include <QFile>
#include <QLabel>
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
// A residual round of that pattern: its lineup's pick (the own plot or the
// next), whose sentence goes to `rueda`, then the pattern answered and the
// explanation returned.
QString rondaDeResiduos(Form1& f, Patron patron, bool acertar = true, QString* rueda = nullptr) {
    VistaRetos& v = vistaDe<VistaRetos>(f);
    int codigo = primerCodigo;
    while (rondaDeCodigo(Reto::Residuos, codigo).patron != patron) {
        ++codigo;
    }
    v.jugarCodigo(Reto::Residuos, codigo);
    f.Command2(ordenRueda).click();
    DialogoRueda* d = v.dialogoRueda();
    d->elegir((d->rueda().propio + (acertar ? 0 : 1)) % graficosDeRueda);
    if (rueda != nullptr) {
        *rueda = d->resultado();
    }
    d->close();
    v.elegirRespuesta(patron);
    v.comprobar();
    return f.Label9(VistaRetos::explicacionResiduos).Caption();
}

QString ruedaDe(Form1& f, bool acertar) {
    QString t;
    rondaDeResiduos(f, Patron::Curvatura, acertar, &t);
    return t;
}

QString lamina14(const char* idioma) {
    QFile a(QStringLiteral(":/laminas/%1lamina14.txt").arg(QString::fromUtf8(idioma)));
    return a.open(QIODevice::ReadOnly) ? QString::fromUtf8(a.readAll()) : QString();
}

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
        {"Retos: paso 1", "es",
         [](Form1& f) {
             vistaDe<VistaRetos>(f).jugarCodigo(Reto::Residuos, 1234);
             return f.Label9(VistaRetos::pregunta).Caption();
         },
         "antes de ver tus datos", nullptr},
        {"Retos: respuesta", "en", [](Form1& f) { return f.Option3(5).accessibleName(); },
         "Answer about the residuals: ", nullptr},
        {"Retos: nada indica", "es", [](Form1& f) { return rondaDeResiduos(f, Patron::Ninguno); },
         "no prueba que sea el modelo correcto", "Se puede usar la recta"},
        {"Retos: curvatura", "en", [](Form1& f) { return rondaDeResiduos(f, Patron::Curvatura); },
         "y = a + b·x²", "term in x²"},
        {"Retos: rueda a ciegas", "es", [](Form1& f) { return ruedaDe(f, true); },
         "no dice qué patrón es", "muestran un patrón"},
        {"Retos: rueda errada", "pt_BR", [](Form1& f) { return ruedaDe(f, false); }, "em vermelho",
         nullptr},
        {"Retos: rueda ya vista", "es",
         [](Form1& f) {
             cargarConjunto(f, "Anscombe II");
             f.mnuReto(entradaRueda).accion()->trigger();
             DialogoRueda* d = vistaDe<VistaRetos>(f).dialogoRueda();
             d->elegir(d->rueda().propio);
             return d->resultado();
         },
         "no fue a ciegas", "1/20"},
        {"Retos: guardar sin rondas", "es",
         [](Form1& f) { return f.mnuReto(entradaGuardar).accion()->toolTip(); },
         "Aún no hay rondas", nullptr},
        {"Retos: lámina 14", "es", [](Form1&) { return lamina14(""); }, "3,5", "unos 3"},
        {"Retos: lámina 14", "en", [](Form1&) { return lamina14("en/"); }, "3.5", "about 3 "},
        {"Retos: lámina 14", "pt_BR", [](Form1&) { return lamina14("pt_BR/"); }, "±2,5 σ",
         "cerca de 3 "},
        {"Retos: lámina 14", "es", [](Form1&) { return lamina14(""); }, "cuatro filas de cinco",
         "saca una muestra"},

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
