// "Editar" through the window's handlers: every kind of gesture undone back
// to the first state and redone to the last, bit for bit on the boxes, the
// list, the markers and the plot's pixels; the results on the clipboard read
// back; the plot as SVG with one circle per marker.
#include "ayudas_acciones.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

// What the window shows: every box, every row of the list, every marker.
struct Vista {
    QStringList textos;
    std::vector<double> marcas;
    QImage plano;
    bool operator==(const Vista&) const = default;
};

// Names the first difference, for a failure's message.
std::string diferencia(const Vista& a, const Vista& b) {
    for (qsizetype i = 0; i < std::min(a.textos.size(), b.textos.size()); ++i) {
        if (a.textos[i] != b.textos[i]) {
            return (a.textos[i] + " / " + b.textos[i]).toStdString();
        }
    }
    if (a.textos.size() != b.textos.size()) {
        return "rows " + std::to_string(a.textos.size()) + " / " + std::to_string(b.textos.size());
    }
    for (std::size_t i = 0; i < a.marcas.size(); ++i) {
        if (a.marcas[i] != b.marcas[i]) {
            return "marker " + std::to_string(i / 4 + 1) + " field " + std::to_string(i % 4) +
                   ": " + QString::number(a.marcas[i], 'g', 17).toStdString() + " / " +
                   QString::number(b.marcas[i], 'g', 17).toStdString();
        }
    }
    return a.plano == b.plano ? "" : "plot pixels";
}

Vista vista(Form1& f) {
    Vista v;
    for (const TextBox* t : f.findChildren<TextBox*>()) {
        v.textos << t->objectName() + "=" + t->Text();
    }
    // The list's rows by their place: the order in which they were printed
    // is not what the list shows.
    QStringList filas;
    for (const auto& r : f.Picture2->renglones()) {
        filas << QString::number(r.posicion.y(), 'f', 2).rightJustified(9) + r.texto +
                     r.color.name();
    }
    filas.sort();
    v.textos << filas;
    for (int k = 1; k <= 50; ++k) {
        v.marcas.insert(v.marcas.end(),
                        {f.Shape1(k).Left(), f.Shape1(k).Top(), f.Shape1(k).Visible() ? 1.0 : 0.0,
                         double(f.Shape1(k).FillColor().rgb())});
    }
    v.plano = f.Picture1->grab().toImage();
    return v;
}

struct Gesto {
    const char* nombre; ///< what "Deshacer «…»" says
    std::function<void(Form1&)> hacer;
};

TEST(Editar, DeshacerYRehacerCadaGestoBitABit) {
    Form1 f;
    f.show();
    generarSembrado(f, 5);
    const std::vector<Gesto> gestos = {
        {"mover el punto 2",
         [](Form1& f) {
             presionar(f, 1, esquina(f, 2));
             f.Picture1_MouseMove(1, 0, 70.3f, -12.6f);
             f.Timer1_Timer();
             soltar(f, 1, QPointF(70.3, -12.6));
         }},
        {"eliminar el punto 3",
         [](Form1& f) {
             f.g.puntoSel = 3;
             f.Label5_Click(0);
         }},
        {"Contrae los puntos verticalmente",
         [](Form1& f) {
             f.Image1_MouseDown(0, 1, 0, 0, 0);
             esperar(40);
             f.Image1_MouseUp(0, 1, 0, 0, 0);
         }},
        {"cambiar el nivel de confianza", [](Form1& f) { escribir(f.Text1(9), "90"); }},
        {"cargar Anscombe II", [](Form1& f) { f.mnuConjunto[1]->accion()->trigger(); }},
        {"mover el punto 4",
         [](Form1& f) {
             presionar(f, 1, esquina(f, 4));
             f.Picture1_MouseMove(1, 0, 12.5f, 5.5f);
             f.Timer1_Timer();
             soltar(f, 1, QPointF(12.5, 5.5));
         }},
        {"Generar", [](Form1& f) { generarSembrado(f, 9); }},
    };
    std::vector<Vista> estados{vista(f)};
    for (const Gesto& g : gestos) {
        g.hacer(f);
        estados.push_back(vista(f));
        ASSERT_NE(estados.back(), estados[estados.size() - 2]) << g.nombre;
        EXPECT_EQ(f.mnuDes->Caption(), QStringLiteral("Deshacer «%1»").arg(g.nombre));
    }
    for (std::size_t i = gestos.size(); i-- > 0;) {
        f.mnuDes->accion()->trigger();
        EXPECT_EQ(diferencia(vista(f), estados[i]), "") << "undo of " << gestos[i].nombre;
    }
    EXPECT_FALSE(f.mnuDes->Enabled());
    for (std::size_t i = 0; i < gestos.size(); ++i) {
        f.mnuReh->accion()->trigger();
        EXPECT_EQ(diferencia(vista(f), estados[i + 1]), "") << "redo of " << gestos[i].nombre;
    }
    // A new gesture after an undo drops what could be redone; a press that
    // moves nothing is no step.
    f.mnuDes->accion()->trigger();
    gestos[1].hacer(f);
    EXPECT_FALSE(f.mnuReh->Enabled());
    const int pasos = f.pila().count();
    presionar(f, 2, esquina(f, 1));
    presionar(f, 2, esquina(f, 1));
    EXPECT_EQ(f.pila().count(), pasos);
}

TEST(Editar, ResultadosYGraficoFuera) {
    Form1 f;
    f.show();
    f.mnuConjunto[6]->accion()->trigger();
    f.mnuCop_Click();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime->hasText() && mime->hasHtml());
    const QStringList lineas = mime->text().split('\n', Qt::SkipEmptyParts);
    for (const FilaCaja& fila : filasCajas()) {
        const TextBox& t = cajaDeFila(f, fila);
        if (t.isVisibleTo(&f)) {
            EXPECT_TRUE(lineas.contains(t.accessibleName() + "\t" + t.Text().trimmed()))
                << fila.nombre;
        }
    }
    // The points read back to the same floats.
    const qsizetype k0 = lineas.indexOf("k\tx\ty\ten uso");
    ASSERT_GE(k0, 0);
    for (Integer k = 1; k <= f.g.nPuntos; ++k) {
        const QStringList c = lineas[k0 + k].split('\t');
        ASSERT_EQ(c.size(), 4);
        EXPECT_EQ(c[1].toFloat(), f.g.xObs(k));
        EXPECT_EQ(c[2].toFloat(), f.g.yObs(k));
    }

    QTemporaryDir dir;
    const QString svg = dir.filePath("grafico.svg");
    ASSERT_TRUE(f.guardarGrafico(svg, 1));
    QFile archivo(svg);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&archivo);
    // Circles in the markers' blue (the line's round ends are red ones).
    int circulos = 0, imagenes = 0;
    QString relleno;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (xml.name() == u"g") {
                relleno = xml.attributes().value("fill").toString();
            }
            circulos += xml.name() == u"circle" && relleno == "#0000dc";
            imagenes += xml.name() == u"image";
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(circulos, f.g.nPuntos) << "one circle per marker";
    EXPECT_EQ(imagenes, 0) << "the grid drawn as vectors, not as a picture";
    ASSERT_TRUE(f.guardarGrafico(dir.filePath("g.png"), 2));
    EXPECT_EQ(QImage(dir.filePath("g.png")).size(), f.Picture1->size() * 2);
    QStringList avisos;
    f.setAvisar([&](const QString& t) { avisos << t; });
    EXPECT_FALSE(f.guardarGrafico("/no/existe/g.png", 1));
    EXPECT_EQ(avisos, QStringList{"No se pudo guardar «g.png»."});
}

// A catalogue that marks every text asked of it: a text the window made
// without asking, or did not make again after the change, shows unmarked.
class Marcador : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* texto, const char*, int) const override {
        return QStringLiteral("[%1]").arg(QString::fromUtf8(texto));
    }
};

TEST(Editar, LosTextosSiguenAlIdiomaYVuelven) {
    Form1 f;
    generarSembrado(f, 9);
    escribir(f.Text1(9), "90");
    f.mnuDesc->Click();
    const auto textos = [&] {
        return QStringList{f.mnuGene->Caption(),
                           f.mnuDes->Caption(),
                           f.Label1(1).Caption(),
                           f.Text2(10).toolTip(),
                           f.Text2(10).accessibleDescription(),
                           f.Picture1->accessibleName(),
                           f.Picture1->accessibleDescription(),
                           f.Image2(0).accessibleName(),
                           f.List6->List(1)};
    };
    const QStringList antes = textos();
    Marcador marcador;
    QCoreApplication::installTranslator(&marcador);
    QCoreApplication::processEvents();
    const QStringList despues = textos();
    for (qsizetype i = 0; i < antes.size(); ++i) {
        EXPECT_NE(antes[i], despues[i]) << antes[i].toStdString();
        EXPECT_TRUE(despues[i].startsWith('[')) << despues[i].toStdString();
    }
    EXPECT_EQ(despues[1], QStringLiteral("[Deshacer «%1»]").arg("[cambiar el nivel de confianza]"));
    QCoreApplication::removeTranslator(&marcador);
    QCoreApplication::processEvents();
    EXPECT_EQ(textos(), antes);
}

} // namespace
