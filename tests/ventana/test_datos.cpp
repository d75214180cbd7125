// Real data through the window's handlers: the example sets on a plot of
// their own range, "Generar" back on the design's grid pixel for pixel, a
// pasted, refused, saved and reopened table, and the design's rules kept in
// the data's units (a drag's rounding, the prediction's clamp, the bars).
#include "Grafico.h"
#include "ayudas_acciones.h"
#include "conjuntos.h"
#include "dialogo_datos.h"
#include "escala.h"
#include "formatos.h"
#include "libro_prueba.h"
#include "redondeo.h"
#include "vistas_ajuste_doble.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

QString caja(Form1& f, Cajas a, int i) {
    return cajaDeFila(f, *filaCaja(a, i)).Text();
}

// Every box's text, in table order.
QStringList cajas(Form1& f) {
    QStringList t;
    for (const FilaCaja& fila : filasCajas()) {
        t << cajaDeFila(f, fila).Text();
    }
    return t;
}

// The window with its dialog accepted as it comes and its messages kept.
struct Ventana {
    Form1 f;
    QStringList avisos;
    QString estado; ///< what the dialog said last
    Ventana() {
        f.setAvisar([this](const QString& t) { avisos << t; });
        f.setConfirmarDatos([this](DialogoDatos& d) {
            estado = d.estado();
            return true;
        });
    }
};

TEST(Datos, CadaConjuntoEnSuEscalaYAnscombeIgualEnLosCuatro) {
    Ventana v;
    Form1& f = v.f;
    const auto& conjuntos = conjuntosEjemplo();
    for (std::size_t i = 0; i < conjuntos.size(); ++i) {
        f.mnuConjunto[i]->accion()->trigger();
        if (i == 0) {
            f.mnuRes->accion()->trigger();
            f.mnuInf->accion()->trigger();
        }
        vistasComoElAjusteDoble(f, conjuntos[i]);
        const Globales& g = f.g;
        ASSERT_EQ(g.nPuntos, static_cast<Integer>(conjuntos[i].x.size())) << i;
        // A long set's list shows its first 50 rows.
        EXPECT_EQ(f.Picture2->renglones().size(),
                  std::min<std::size_t>(conjuntos[i].x.size(), mostrar::filasVisibles) + 2)
            << i;
        for (Integer k = 1; k <= g.nPuntos; ++k) {
            EXPECT_TRUE(g.xMin < g.xObs(k) && g.xObs(k) < g.xMax) << i << " point " << k;
            EXPECT_TRUE(g.yMin < g.yObs(k) && g.yObs(k) < g.yMax) << i << " point " << k;
            if (enNube(g)) {
                EXPECT_EQ(f.Nube1->punto(k), QPointF(g.xObs(k), g.yObs(k))) << i;
            } else {
                EXPECT_FLOAT_EQ(f.Shape1(k).Left(), g.xObs(k) - unidadX(g)) << i;
                EXPECT_FLOAT_EQ(f.Shape1(k).Top(), g.yObs(k) + unidadY(g)) << i;
            }
        }
        EXPECT_TRUE(f.mnuGua->Enabled());
        // Past the t table's rows the window says that the distribution is used.
        EXPECT_EQ(f.Label11->isVisibleTo(&f), g.glErr > 50) << i;
        EXPECT_EQ(f.Label11->Caption().contains(QString::number(g.glErr)), g.glErr > 50) << i;
        if (i < 4) {
            EXPECT_EQ(caja(f, Cajas::Text1, 0), "3.00") << conjuntos[i].nombre.texto;
            EXPECT_EQ(caja(f, Cajas::Text1, 1), "0.500") << conjuntos[i].nombre.texto;
            EXPECT_EQ(caja(f, Cajas::Text2, 6), "0.82") << conjuntos[i].nombre.texto;
            EXPECT_EQ(caja(f, Cajas::Text1, 14), "67") << conjuntos[i].nombre.texto;
        }
    }
}

TEST(Datos, GenerarYElTamanoVuelvenALaCuadriculaDelDiseno) {
    for (const bool porTamano : {false, true}) {
        Form1 solo;
        Ventana v;
        generarSembrado(solo, 11);
        generarSembrado(v.f, 11);
        v.f.mnuConjunto[5]->accion()->trigger();
        EXPECT_NE(v.f.Picture1->grab().toImage(), solo.Picture1->grab().toImage());
        // A new random sample from both, by the menu or by the size entry.
        for (Form1* x : {&solo, &v.f}) {
            if (porTamano) {
                x->setGenerador(std::make_unique<Semilla>(12));
                escribir(x->Text2(10), QStringLiteral("20"));
            } else {
                generarSembrado(*x, 12);
            }
        }
        EXPECT_EQ(v.f.g.datosCargados, 0);
        EXPECT_EQ(v.f.g.xMin, -40.0f);
        EXPECT_EQ(v.f.g.yMax, 100.0f);
        EXPECT_EQ(v.f.g.xPred, solo.g.xPred);
        EXPECT_EQ(cajas(v.f), cajas(solo)) << porTamano;
        EXPECT_EQ(v.f.Picture1->grab().toImage(), solo.Picture1->grab().toImage()) << porTamano;
    }
}

TEST(Datos, PegarRechazarGuardarYVolverAAbrir) {
    Ventana v;
    Form1& f = v.f;
    QApplication::clipboard()->setText(
        "Temperatura\tVentas\r\n12,5\t230,1\r\n14,0\t251,4\r\n\r\n15,2\t\r\n18,1\t301,7\r\n");
    f.mnuPeg_Click();
    ASSERT_EQ(f.g.nPuntos, 3);
    EXPECT_EQ(v.estado, "Se cargarán 3 puntos. Una fila sin número en x o y se deja fuera.");
    EXPECT_EQ(f.g.xObs(1), 12.5f);
    EXPECT_EQ(f.g.yObs(3), 301.7f);
    EXPECT_EQ(f.g.nombreX, "Temperatura");
    // A number the program cannot keep as written is said before loading.
    ASSERT_TRUE(f.pedirDatos("x;y\n3,14159265358979323846;1\n2;2\n3;3\n", "tabla"));
    EXPECT_EQ(v.estado, "Se cargarán 3 puntos. Línea 2, columna 1: «3,14159265358979323846» "
                        "tiene más cifras de las que el programa guarda; se lee como "
                        "3,141592653589793.");

    // Refusals leave the sample as it was.
    f.mnuConjunto[6]->accion()->trigger();
    const std::vector<float> antes(&f.g.xObs(1), &f.g.xObs(1) + 24);
    EXPECT_FALSE(f.pedirDatos("x;y\n1;2\n3;4\n5;12,5a\n", "tabla"));
    EXPECT_EQ(v.estado, "línea 4, columna 2: «12,5a» no es un número");
    EXPECT_FALSE(f.pedirDatos(std::string_view("1\t2\n\0\t4\n", 8), "binario"));
    EXPECT_FALSE(f.abrirArchivo("/no/existe.csv"));
    EXPECT_EQ(v.avisos.size(), 2);
    EXPECT_EQ(std::vector<float>(&f.g.xObs(1), &f.g.xObs(1) + 24), antes);
    EXPECT_EQ(f.g.nPuntos, 24);

    // A dragged point and a deleted one, saved and read back bit for bit.
    presionar(f, 1, esquina(f, 3));
    f.Picture1_MouseMove(1, 0, 1.2345f, 456.7f);
    f.Timer1_Timer();
    soltar(f, 1, QPointF(1.2345, 456.7));
    EXPECT_EQ(f.g.xObs(3), 1.23f) << "to the hundredth: a thousandth of the axis is finer";
    EXPECT_EQ(f.g.yObs(3), 460.0f) << "to tens: a thousandth of 1600 km/s is 1.6";
    f.g.puntoSel = 5;
    f.Label5_Click(0);
    QTemporaryDir dir;
    const QString ruta = dir.filePath("hubble.csv");
    ASSERT_TRUE(f.guardarDatos(ruta, Separador::PuntoYComa, MarcaDecimal::Coma));
    EXPECT_FALSE(f.guardarDatos("/no/existe/x.csv", Separador::Coma, MarcaDecimal::Punto));
    Ventana otra;
    ASSERT_TRUE(otra.f.abrirArchivo(ruta));
    ASSERT_EQ(otra.f.g.nPuntos, f.g.nPuntos);
    for (Integer i = 1; i <= f.g.nPuntos; ++i) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(otra.f.g.xObs(i)),
                  std::bit_cast<std::uint32_t>(f.g.xObs(i)));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(otra.f.g.yObs(i)),
                  std::bit_cast<std::uint32_t>(f.g.yObs(i)));
        EXPECT_EQ(otra.f.g.activo(i), f.g.activo(i)) << i;
    }
    EXPECT_EQ(otra.f.g.activo(5), 0);
    EXPECT_EQ(cajas(otra.f), cajas(f));
}

// Nine-digit counts, more than a float keeps: the list, the copied table,
// the saved file and undo keep them as read; a point moved is where it went.
TEST(Datos, UnCensoConservaSusCifras) {
    Ventana v;
    Form1& f = v.f;
    ASSERT_TRUE(f.pedirDatos("Año;Población\n1840;17069453\n1850;23191876\n1860;31443321\n"
                             "1870;38558371\n",
                             "censo"));
    EXPECT_TRUE(f.Picture2->renglones()[2].texto.endsWith(QStringLiteral(" 17069453")));
    EXPECT_LE(anchoTexto(f.Picture2->renglones()[2].texto.toStdString()), 40) << "the list's room";
    EXPECT_TRUE(f.textoResultados(false).contains(QStringLiteral("1\t1840\t17069453\t1")));
    presionar(f, 1, esquina(f, 4));
    f.Picture1_MouseMove(1, 0, 1866.0f, 35000000.0f);
    f.Timer1_Timer();
    soltar(f, 1, QPointF(1866, 35000000));
    QTemporaryDir dir;
    ASSERT_TRUE(f.guardarDatos(dir.filePath("c.csv"), Separador::PuntoYComa, MarcaDecimal::Coma));
    std::ifstream archivo(dir.filePath("c.csv").toStdString());
    const std::string csv((std::istreambuf_iterator<char>(archivo)), {});
    EXPECT_EQ(csv, "Año;Población;en_uso\n1840;17069453;1\n1850;23191876;1\n1860;31443321;1\n"
                   "1866;35000000;1\n");
    f.mnuDes->accion()->trigger();
    EXPECT_TRUE(f.Picture2->renglones()[5].texto.endsWith(QStringLiteral(" 38558371")));
}

// A catalogue of three texts of the data path.
class Catalogo : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* c, const char* t, const char*, int) const override {
        const std::map<std::pair<std::string, std::string>, QString> textos = {
            {{"conjuntos", "Galaxias de Hubble"}, "Hubble's galaxies"},
            {{"conjuntos", "Distancia (Mpc)"}, "Distance (Mpc)"},
            {{"datos", "línea %1, columna %2: «%3» no es un número"}, "line %1, column %2: %3?"}};
        const auto i = textos.find({c, t});
        return i == textos.end() ? QString() : i->second;
    }
};

// An example set's entry and names and a reader's message follow the
// language, the values put in as they are ("%2" in a field stays).
TEST(Datos, LosTextosDelMotorEnOtroIdioma) {
    Ventana v;
    v.f.mnuConjunto[6]->accion()->trigger();
    Catalogo catalogo;
    QCoreApplication::installTranslator(&catalogo);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(v.f.mnuConjunto[6]->Caption(), "Hubble's galaxies");
    QTemporaryDir dir;
    ASSERT_TRUE(v.f.guardarDatos(dir.filePath("h.csv"), Separador::Coma, MarcaDecimal::Punto));
    std::ifstream archivo(dir.filePath("h.csv").toStdString());
    std::string encabezado;
    std::getline(archivo, encabezado);
    EXPECT_EQ(encabezado, "Distance (Mpc),Velocidad de alejamiento (km/s),en_uso");
    EXPECT_FALSE(v.f.pedirDatos("x;y\n1;2\n3;4\n5;%2a\n", "tabla"));
    EXPECT_EQ(v.estado, "line 4, column 2: %2a?");
    QCoreApplication::removeTranslator(&catalogo);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(v.f.mnuConjunto[6]->Caption(), "Galaxias de Hubble");
}

TEST(Datos, LasBarrasNoDependenDeLasUnidades) {
    const ConjuntoEjemplo& mujeres = conjuntosEjemplo()[7];
    std::vector<float> anchos[2];
    for (const float escala : {1.0f, 10.0f}) {
        Ventana v;
        MuestraDatos d;
        for (std::size_t i = 0; i < mujeres.x.size(); ++i) {
            d.x.push_back(mujeres.x[i] * escala);
            d.y.push_back(mujeres.y[i] * escala);
        }
        v.f.cargarDatos(d);
        for (int b = 0; b <= 22; ++b) {
            anchos[escala == 1.0f ? 0 : 1].push_back(static_cast<float>(v.f.Shape2(b).Width()));
        }
        // The prediction's entry reads the data's units and keeps the
        // design's clamp at the same places of the range.
        escribir(v.f.Text4(1), "1e6");
        EXPECT_EQ(v.f.g.xPred, S(D(v.f.g.xMin) + 175 * D(unidadX(v.f.g))));
    }
    EXPECT_EQ(anchos[0], anchos[1]);
}

} // namespace

TEST(Datos, UnLibroSoltadoAbreSuHojaDeNumerosYOtraHojaSeLeeAlElegirla) {
    QTemporaryDir dir;
    QFile archivo(dir.filePath("clase.xlsx"));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    const auto texto = [](const char* t) {
        return QByteArray("<c t=\"inlineStr\"><is><t>") + t + "</t></is></c>";
    };
    archivo.write(prueba::xlsx(
        {{"Portada", "<row>" + texto("Encuesta") + "</row>"},
         {"Datos", "<row>" + texto("Horas") + texto("Nota") +
                       "</row><row><c><v>0.1</v></c><c>"
                       "<v>5</v></c></row><row><c><v>2</v></c><c><v>6.5</v></c></row><row><c><v>3"
                       "</v></c><c><v>8</v></c></row>"}}));
    archivo.close();
    Ventana v;
    QStringList visto;
    std::vector<double> x;
    v.f.setConfirmarDatos([&](DialogoDatos& d) {
        auto* hoja = d.findChild<QComboBox*>("cmbHoja");
        visto << hoja->currentText() << d.estado();
        x = d.muestra().x;
        hoja->setCurrentIndex(0);
        visto << d.estado();
        hoja->setCurrentIndex(1);
        return true;
    });
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(archivo.fileName())});
    QDragEnterEvent entra(QPoint(9, 9), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v.f, &entra);
    EXPECT_TRUE(v.f.acceptDrops() && entra.isAccepted());
    QDropEvent suelta(QPointF(9, 9), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v.f, &suelta);
    QCoreApplication::processEvents();
    ASSERT_EQ(visto.size(), 3);
    EXPECT_EQ(visto[0], "Datos");
    EXPECT_EQ(visto[1], "Se cargarán 3 puntos.");
    EXPECT_NE(visto[2], visto[1]);
    EXPECT_EQ(x, (std::vector<double>{0.1, 2, 3}));
    EXPECT_EQ(v.f.g.nPuntos, 3);
    EXPECT_EQ(v.f.g.nombreY, "Nota");
    // Two files, or text, are not a file to open.
    QMimeData otro;
    otro.setUrls({QUrl::fromLocalFile(archivo.fileName()), QUrl::fromLocalFile(dir.path())});
    QDragEnterEvent dos(QPoint(9, 9), Qt::CopyAction, &otro, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v.f, &dos);
    EXPECT_FALSE(dos.isAccepted());
}

// The dialog's rows: all by default with a preview of 200; a sample from a
// code gives the same rows in a second dialog; a bad range or an empty entry
// disables "Cargar" and says why; a file deleted while the dialog is open loads.
TEST(Datos, LasFilasDelDialogoYUnArchivoQueDesaparece) {
    std::string texto = "x;y\n";
    for (int k = 1; k <= 1000; ++k) {
        texto += std::to_string(k) + ";" + std::to_string(k % 13) + "\n";
    }
    DialogoDatos d(nullptr, texto, QStringLiteral("t"));
    const auto* cargar = d.findChild<QPushButton*>(QStringLiteral("cmdCargar"));
    EXPECT_EQ(d.muestra().x.size(), 1000u);
    EXPECT_EQ(d.findChild<QTableWidget*>(QStringLiteral("tblVista"))->rowCount(), 200);
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblMas"))->text(),
              "La vista muestra los 200 primeros puntos; se cargarán 800 más.");
    d.findChild<QRadioButton*>(QStringLiteral("optMuestra"))->setChecked(true);
    d.findChild<QSpinBox*>(QStringLiteral("spnCodigoMuestra"))->setValue(4321);
    EXPECT_EQ(d.estado(), "Se cargarán 100 puntos.");
    DialogoDatos otro(nullptr, texto, QStringLiteral("t"));
    otro.findChild<QRadioButton*>(QStringLiteral("optMuestra"))->setChecked(true);
    otro.findChild<QSpinBox*>(QStringLiteral("spnCodigoMuestra"))->setValue(4321);
    EXPECT_EQ(otro.muestra().x, d.muestra().x);
    d.findChild<QRadioButton*>(QStringLiteral("optRango"))->setChecked(true);
    d.findChild<QSpinBox*>(QStringLiteral("spnDesde"))->setValue(20);
    d.findChild<QSpinBox*>(QStringLiteral("spnHasta"))->setValue(10);
    EXPECT_FALSE(cargar->isEnabled());
    EXPECT_EQ(d.estado(), "La última fila va antes de la primera.");
    d.findChild<QSpinBox*>(QStringLiteral("spnHasta"))->setValue(5000);
    EXPECT_EQ(d.muestra().x.front(), 20);
    EXPECT_EQ(d.estado(), "Se cargarán 981 puntos.");
    d.findChild<QSpinBox*>(QStringLiteral("spnDesde"))->findChild<QLineEdit*>()->clear();
    EXPECT_FALSE(cargar->isEnabled()) << d.estado().toStdString();

    QTemporaryDir dir;
    const QString ruta = dir.filePath("se-va.csv");
    std::ofstream(ruta.toStdString()) << "x;y\n1;2\n2;3\n4;4\n";
    Ventana v;
    v.f.setConfirmarDatos([&](DialogoDatos&) { return QFile::remove(ruta); });
    ASSERT_TRUE(v.f.abrirArchivo(ruta));
    EXPECT_EQ(v.f.g.nPuntos, 3);
    EXPECT_FALSE(QFile::exists(ruta));
}
