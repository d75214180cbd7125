// The sentences a student reads, each as the program shows it after the steps
// that bring it up, in the language of its row: a row names the steps, the
// text that must be there and the text that must not.
#include "ayudas_acciones.h"
#include "conjuntos.h"
#include "idioma.h"
#include "rueda_residuos.h"
#include "vista_retos.h"

#include <QFile>

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
VistaRetos& retos(Form1& f) {
    return vistaDe<VistaRetos>(f);
}

// A residual round of that pattern: its lineup picked (the own plot or the
// next) and closed, then `respuesta` checked; the explanation shown.
QString rondaDeResiduos(Form1& f, Patron patron, Patron respuesta, bool acertar = false,
                        QString* rueda = nullptr) {
    VistaRetos& v = retos(f);
    v.setAzarRueda([] { return std::uint64_t{5}; });
    int codigo = primerCodigo;
    while (rondaDeCodigo(Reto::Residuos, codigo).patron != patron) {
        ++codigo;
    }
    v.jugarCodigo(Reto::Residuos, codigo);
    f.Command2(ordenRueda).click();
    DialogoRueda* d = v.dialogoRueda();
    d->elegir(acertar ? d->rueda().propio : (d->rueda().propio + 1) % graficosDeRueda);
    if (rueda != nullptr) {
        *rueda = d->resultado();
    }
    d->close();
    v.elegirRespuesta(respuesta);
    v.comprobar();
    return f.Label9(VistaRetos::explicacionResiduos).Caption();
}

QString lineupBlind(Form1& f) {
    QString t;
    rondaDeResiduos(f, Patron::Curvatura, Patron::Curvatura, true, &t);
    return t;
}

// The lineup of a data set already seen, the own plot picked.
QString ruedaVista(Form1& f) {
    cargarConjunto(f, "Anscombe II");
    retos(f).setAzarRueda([] { return std::uint64_t{5}; });
    f.mnuReto(entradaRueda).accion()->trigger();
    DialogoRueda* d = retos(f).dialogoRueda();
    d->elegir(d->rueda().propio);
    return d->resultado();
}

QString lamina14(const char* idioma) {
    QFile a(QStringLiteral(":/laminas/%1lamina14.txt").arg(QString::fromUtf8(idioma)));
    return a.open(QIODevice::ReadOnly) ? QString::fromUtf8(a.readAll()) : QString();
}

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

        // Retos
        {"Retos: paso 1", "es",
         [](Form1& f) {
             retos(f).jugarCodigo(Reto::Residuos, 1234);
             return f.Label9(VistaRetos::pregunta).Caption();
         },
         "antes de ver tus datos", nullptr},
        {"Retos: nombre de respuesta", "en", [](Form1& f) { return f.Option3(5).accessibleName(); },
         "Answer about the residuals: ", nullptr},
        {"Retos: nada indica", "es",
         [](Form1& f) { return rondaDeResiduos(f, Patron::Ninguno, Patron::Ninguno); },
         "no prueba que sea el modelo correcto", "Se puede usar la recta"},
        {"Retos: nada indica", "pt_BR",
         [](Form1& f) { return rondaDeResiduos(f, Patron::Ninguno, Patron::Ninguno); },
         "não prove que ela seja", nullptr},
        {"Retos: curvatura", "es",
         [](Form1& f) { return rondaDeResiduos(f, Patron::Curvatura, Patron::Curvatura); },
         "y = a + b·x²", "un término en x²"},
        {"Retos: curvatura", "en",
         [](Form1& f) { return rondaDeResiduos(f, Patron::Curvatura, Patron::Curvatura); },
         "y = a + b·x²", "term in x²"},
        {"Retos: rueda a ciegas", "es", lineupBlind, "no dice qué patrón es", "muestran un patrón"},
        {"Retos: rueda a ciegas", "en", lineupBlind, "does not say which pattern", nullptr},
        {"Retos: rueda a ciegas", "pt_BR", lineupBlind, "não diz qual padrão", nullptr},
        {"Retos: rueda ya vista", "es", ruedaVista, "no fue a ciegas", "1/20"},
        {"Retos: rueda errada", "es",
         [](Form1& f) {
             QString t;
             rondaDeResiduos(f, Patron::Grupos, Patron::Grupos, false, &t);
             return t;
         },
         "en rojo", nullptr},
        {"Retos: guardar sin rondas", "es",
         [](Form1& f) { return f.mnuReto(entradaGuardar).accion()->toolTip(); },
         "Aún no hay rondas", nullptr},
        {"Retos: lámina 14", "es", [](Form1&) { return lamina14(""); }, "3,5", "unos 3"},
        {"Retos: lámina 14", "en", [](Form1&) { return lamina14("en/"); }, "3.5", "about 3 "},
        {"Retos: lámina 14", "pt_BR", [](Form1&) { return lamina14("pt_BR/"); }, "3,5",
         "cerca de 3 "},
        {"Retos: lámina 14, rueda", "es", [](Form1&) { return lamina14(""); },
         "cuatro filas de cinco", "dos filas de diez"},
        {"Retos: lámina 14, muestra", "es", [](Form1&) { return lamina14(""); }, "2,5",
         "saca una muestra"},

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
