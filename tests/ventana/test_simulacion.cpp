// The simulation panel's promises, through the window's handlers: what each
// count should come to at the level with either look-up, the t test's exact
// p-value beside the shuffles', the percentile at a new level, and what is
// said after a batch, at the end of an animation and after Ctrl+Z on one of
// its buttons, and the panel's sentences in another language. References
// come from Boost.Math here.
#include "ayudas_acciones.h"
#include "lectura.h"

#include <boost/math/distributions/students_t.hpp>

#include <QApplication>
#include <QTranslator>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

QString txt(const std::string& s) {
    return QString::fromStdString(s);
}

TEST(Simulacion, LoQueSeEsperaALos70ConLaTablaYSinElla) {
    const std::string punto = QString(QLocale::system().decimalPoint()).toStdString();
    for (const bool exactos : {false, true}) {
        setenv("RECTAVIVA_SEMILLA", "5", 1);
        Form1 f;
        unsetenv("RECTAVIVA_SEMILLA");
        escribir(f.Text1(9), "70");
        generarSembrado(f, 11);
        if (exactos) {
            f.mnuExa->accion()->trigger();
        }
        f.mnuSim->accion()->trigger();
        QCoreApplication::processEvents();
        f.Command1(3).click();
        QCoreApplication::processEvents();
        const int gl = f.g.nActivos - 2;
        Single q = 0;
        f.g.oTablas->cuantila(q, 70, static_cast<Byte>(gl), f.g.valoresT, f.g.probT);
        const double cubre =
            1 - 2 * cdf(complement(boost::math::students_t(gl), static_cast<double>(q)));
        const QString esperado =
            txt(formatear(static_cast<Single>(100 * cubre), Formato::UnDecimal, punto));
        EXPECT_TRUE(f.Label8(cubrenSimulados).Caption().endsWith("(esperado " + esperado + " %)"));
        EXPECT_EQ(f.Label8(notaTabla).Caption(),
                  exactos ? QString()
                          : "La tabla interpola: su valor crítico " +
                                txt(formatear(q, Formato::DosDecimales, punto)) + " da un " +
                                esperado + " % en vez de 70 %");
        EXPECT_EQ(esperado == "70" + txt(punto) + "0", exactos);
        // A batch is said as a drop is: the panel's texts.
        EXPECT_TRUE(f.dicho().startsWith("1000 muestras de "));
        EXPECT_EQ(f.dicho(), f.Frame9->accessibleDescription());
    }
}

// "Barajar": the t test's p-value from the t distribution with the table on,
// and the shuffles' never 0; "Bootstrap": a new level moves the percentile
// interval at once; an animation is said when it stops, not at each sample;
// Ctrl+Z on a button of the panel says the summary.
TEST(Simulacion, RemuestreoAnimacionYDeshacer) {
    setenv("RECTAVIVA_SEMILLA", "5", 1);
    Form1 f;
    unsetenv("RECTAVIVA_SEMILLA");
    f.show();
    QApplication::setActiveWindow(&f);
    std::vector<Punto> recta;
    for (int k = 0; k < 10; ++k) {
        recta.push_back({10 * k - 15, 10 * k - 14 + k % 3});
    }
    muestraConPuntos(f, recta);
    const std::string punto = QString(QLocale::system().decimalPoint()).toStdString();
    f.mnuSim->accion()->trigger();
    f.Option2(1).click();
    for (int k = 0; k < 20; ++k) {
        f.Command1(3).click();
    }
    const double p = 2 * cdf(complement(boost::math::students_t(f.g.nActivos - 2),
                                        std::fabs(static_cast<double>(f.g.tPendiente))));
    EXPECT_EQ(f.Label8(prediccionesSimuladas).Caption(),
              "Valor p de la prueba t de la pendiente: " +
                  txt(formatearValorP(static_cast<Single>(p), punto)));
    EXPECT_TRUE(f.Label8(cubrenSimulados)
                    .Caption()
                    .endsWith("barajadas: valor p <0" + txt(punto) + "0001"));

    f.Option2(2).click();
    f.Command1(3).click();
    const QString al95 = f.Label8(cubrenSimulados).Caption();
    escribir(f.Text1(9), "80");
    EXPECT_TRUE(f.Label8(cubrenSimulados).Caption().startsWith("Intervalo percentil al 80 %: "));
    EXPECT_TRUE(f.Label8(prediccionesSimuladas).Caption().startsWith("Intervalo t al 80 %: "));
    EXPECT_NE(f.Label8(cubrenSimulados).Caption().section(':', 1), al95.section(':', 1));

    f.Option2(0).click();
    f.Command1(animar).click();
    QCoreApplication::processEvents();
    const QString antes = f.dicho();
    for (int k = 0; k < 3; ++k) {
        f.Timer2_Timer();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(f.dicho(), antes); // nothing said at each animated sample
    f.Command1(animar).click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.dicho().startsWith("3 muestras de 10 puntos. "));

    f.Command1(1).setFocus();
    QTest::keyClick(&f.Command1(1), Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.g.nivelConf, 95);
    EXPECT_EQ(f.dicho(), "Deshecho: cambiar el nivel de confianza. " + f.anuncio());
}

// Every new sample (a data set, "Generar", its undo) gives the model its
// fit's values, as the entries show them; an entry reads either decimal mark.
TEST(Simulacion, ElModeloSigueALaMuestraNueva) {
    Form1 f;
    generarSembrado(f, 3);
    f.mnuSim->accion()->trigger();
    const VistaSimulacion& v = vistaDe<VistaSimulacion>(f);
    const auto comoSeVe = [&f, &v] {
        for (int k = 0; k < 3; ++k) {
            const double m[3] = {v.simulacion().beta0(), v.simulacion().beta1(),
                                 v.simulacion().sigma()};
            EXPECT_EQ(static_cast<float>(leerNumero(f.Text7(k).Text().toStdString())),
                      static_cast<float>(m[k]))
                << k;
        }
    };
    for (std::size_t i = 0; i < f.mnuConjunto.size(); ++i) {
        f.mnuConjunto[i]->accion()->trigger();
        SCOPED_TRACE(f.Text7(1).Text().toStdString());
        EXPECT_NEAR(v.simulacion().beta1(), f.g.pendiente, 0.005 * std::fabs(f.g.pendiente));
        comoSeVe();
    }
    // Two samples of as many points on the grid: the undo goes back to the first's.
    generarSembrado(f, 4);
    const double antes = v.simulacion().beta1();
    generarSembrado(f, 5);
    EXPECT_NE(v.simulacion().beta1(), antes);
    f.mnuDes->accion()->trigger();
    EXPECT_EQ(v.simulacion().beta1(), antes);
    comoSeVe();
    escribir(f.Text7(2), "0,5");
    EXPECT_EQ(v.simulacion().sigma(), 0.5);
}

// A catalogue that marks every text of the views' contexts: after a change
// of language the panel's sentences, its button, the menu entry and the
// sheet's names are the marked ones, and back in Spanish they are again
// exactly what they were.
class Marcador : public QTranslator {
public:
    QString translate(const char* contexto, const char* texto, const char*, int) const override {
        const QByteArray c(contexto);
        return c == "simulacion" || c == "laminas" ? "<" + QString::fromUtf8(texto) + ">"
                                                   : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(Simulacion, LasFrasesSiguenAlIdioma) {
    setenv("RECTAVIVA_SEMILLA", "5", 1);
    Form1 f;
    unsetenv("RECTAVIVA_SEMILLA");
    generarSembrado(f, 11);
    f.mnuSim->accion()->trigger();
    f.Command1(2).click();
    QCoreApplication::processEvents();
    const auto textos = [&f] {
        return QStringList{f.Label8(cuentaSimulada).Caption(), f.Label8(tituloHistograma).Caption(),
                           f.Command1(animar).text(),          f.mnuSim->accion()->text(),
                           f.Picture3(11).accessibleName(),    f.Image2(12).accessibleName(),
                           f.Frame9->accessibleDescription()};
    };
    const QStringList espanol = textos();
    Marcador marcador;
    QCoreApplication::installTranslator(&marcador);
    QCoreApplication::processEvents();
    const QStringList marcados = textos();
    const QString cuenta = QStringLiteral("<100 muestras de %1 puntos>").arg(f.g.nActivos);
    EXPECT_EQ(marcados[0], cuenta);
    EXPECT_EQ(marcados[1], "<Distribución de b>");
    EXPECT_EQ(marcados[2], "<Animar>");
    EXPECT_EQ(marcados[3], "<Simulación>");
    EXPECT_EQ(marcados[4], "<Fórmulas <de la simulación>>");
    EXPECT_EQ(marcados[5], "<Explicación <del remuestreo>>");
    EXPECT_TRUE(marcados[6].startsWith(cuenta + ". <Media de b: "));
    QCoreApplication::removeTranslator(&marcador);
    QCoreApplication::processEvents();
    EXPECT_EQ(textos(), espanol);
}

} // namespace
