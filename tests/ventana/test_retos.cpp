// The challenges through the window: a code gives its cloud; while r is
// guessed nothing on screen or in the accessibility tree gives it away;
// checks score by the rules and go into the history; a cloud to build ends
// by itself; leaving gives the window back exactly as it was.
#include "ayudas_acciones.h"
#include "dialogo_reto.h"
#include "puntuacion.h"
#include "rueda_residuos.h"
#include "vista_retos.h"

#include <QAccessible>
#include <QImage>
#include <QRegularExpression>

#include <set>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

// Everything a screen reader can read: names, values and descriptions of
// the whole accessibility tree.
void textos(QAccessibleInterface* i, QStringList& s, int hondo = 0) {
    if (i == nullptr || hondo > 40) {
        return;
    }
    for (const auto t : {QAccessible::Name, QAccessible::Value, QAccessible::Description}) {
        s << i->text(t);
    }
    for (int k = 0; k < i->childCount(); ++k) {
        textos(i->child(k), s, hondo + 1);
    }
}

int pixelesDeRecta(Form1& f) {
    const QImage im = f.Picture1->grab().toImage();
    int n = 0;
    for (int y = 0; y < im.height(); ++y) {
        for (int x = 0; x < im.width(); ++x) {
            n += im.pixelColor(x, y) == QColor(230, 0, 0);
        }
    }
    return n;
}

TEST(Retos, AdivinaLaCorrelacionSinDelatarla) {
    Form1 f;
    f.show();
    generarSembrado(f, 7);
    const EstadoMuestra antes = tomarEstado(f.g);
    const QImage pantallaAntes = f.grab().toImage();
    VistaRetos& v = vistaDe<VistaRetos>(f);
    ASSERT_TRUE(v.jugarCodigo(Reto::Correlacion, 1234));
    const RondaReto r = rondaDeCodigo(Reto::Correlacion, 1234);
    ASSERT_EQ(f.g.nPuntos, static_cast<Integer>(r.puntos.size()));
    for (Integer k = 1; k <= f.g.nPuntos; ++k) {
        ASSERT_EQ(f.g.xObs(k), r.puntos[static_cast<std::size_t>(k - 1)].x);
        ASSERT_EQ(f.g.yObs(k), r.puntos[static_cast<std::size_t>(k - 1)].y);
    }
    EXPECT_EQ(pixelesDeRecta(f), 0);
    QStringList leido;
    textos(QAccessible::queryAccessibleInterface(&f), leido);
    std::set<QString> oculto;
    for (const QString& p : leido.join(' ').split(QRegularExpression("[\\s;:,()]+"))) {
        oculto.insert(p);
    }
    EXPECT_FALSE(leido.join(' ').contains(QRegularExpression("R² *[0-9]")));
    // What the boxes that give r away show once revealed must not have been
    // readable before.
    escribir(*f.Text8, "0.5");
    ASSERT_TRUE(v.comprobada());
    EXPECT_GT(pixelesDeRecta(f), 100);
    for (const TextBox* t : {&f.Text2(6), &f.Text2(9), &f.Text1(0), &f.Text1(1), &f.Text1(2),
                             &f.Text1(4), &f.Text1(11), &f.Text1(13)}) {
        EXPECT_EQ(oculto.count(t->Text().trimmed()), 0U) << t->objectName().toStdString();
    }
    const RondaJugada& j = v.historial().rondas().back();
    EXPECT_EQ(j.codigo, 1234);
    EXPECT_EQ(j.error, comoSeMuestra(0.5 - comoSeMuestra(f.g.correlacion, 2), 2));
    EXPECT_EQ(j.puntos, puntosCorrelacion(j.error));
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.dicho().contains(QString::number(j.puntos) + " puntos"))
        << f.dicho().toStdString();
    // "Terminar": the sample, the panel and every pixel as before.
    f.Command2(2).click();
    EXPECT_TRUE(tomarEstado(f.g) == antes);
    EXPECT_EQ(f.grab().toImage(), pantallaAntes);
}

TEST(Retos, LaRectaPuntuaYLaNubeTerminaSola) {
    Form1 f;
    f.show();
    VistaRetos& v = vistaDe<VistaRetos>(f);
    // The own line on the least-squares line scores 100.
    ASSERT_TRUE(v.jugarCodigo(Reto::Recta, 4817));
    EXPECT_EQ(f.g.miRectaActiva, 1);
    f.Command2(0).click();
    const RondaJugada recta = v.historial().rondas().back();
    EXPECT_EQ(recta.puntos, puntosRecta(recta.verdad, recta.respuesta));
    EXPECT_GT(recta.respuesta, recta.verdad);
    // A slope to build: each point dragged onto y = 30 + b (x − 30) is one
    // move, and the round ends by itself once the target holds.
    int codigo = 5000;
    while (rondaDeCodigo(Reto::Nube, codigo).objetivo.tipo != TipoObjetivo::Pendiente) {
        ++codigo;
    }
    ASSERT_TRUE(v.jugarCodigo(Reto::Nube, codigo));
    const float b = v.ronda()->objetivo.valor;
    int arrastres = 0;
    for (Integer k = 1; k <= f.g.nPuntos && !v.comprobada(); ++k) {
        const float x = 20.0f + k, y = 30.0f + b * (x - 30.0f);
        presionar(f, 1, esquina(f, k));
        f.Picture1_MouseMove(1, 0, x, y);
        f.Timer1_Timer();
        soltar(f, 1, QPointF(x, y));
        ++arrastres;
    }
    ASSERT_TRUE(v.comprobada());
    const RondaJugada& nube = v.historial().rondas().back();
    EXPECT_EQ(nube.movimientos, arrastres);
    EXPECT_EQ(nube.puntos, puntosNube(arrastres));
    EXPECT_EQ(v.historial().total(), recta.puntos + nube.puntos);
    // The history as the teacher collects it.
    const QString ruta = QDir::temp().filePath("rectaviva-historial-prueba.csv");
    ASSERT_TRUE(v.guardarHistorial(ruta));
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll().toStdString(), v.historial().csv());
    archivo.remove();
    // A code outside 1000..9999 draws nothing.
    EXPECT_FALSE(v.jugarCodigo(Reto::Correlacion, 10000));
    EXPECT_EQ(v.ronda()->codigo, codigo);
}

// Each pattern's round: the six answers, then after "Comprobar" the mark on
// the right place (the ringed point is the one the round made; the curve,
// the funnel and the colours only with their pattern), the score, and the
// explanation said, with the chosen pattern's look after a wrong answer.
TEST(Retos, ResiduosMarcanLoQueLosDelata) {
    Form1 f;
    f.show();
    VistaRetos& v = vistaDe<VistaRetos>(f);
    for (int p = 0; p < numPatrones; ++p) {
        const auto patron = static_cast<Patron>(p);
        int codigo = primerCodigo;
        while (rondaDeCodigo(Reto::Residuos, codigo).patron != patron) {
            ++codigo;
        }
        ASSERT_TRUE(v.jugarCodigo(Reto::Residuos, codigo));
        SCOPED_TRACE(codigo);
        // The lineup first; closing it shows the round.
        f.Command2(ordenRueda).click();
        ASSERT_NE(v.dialogoRueda(), nullptr);
        v.dialogoRueda()->close();
        EXPECT_TRUE(f.Picture7->isVisible());
        EXPECT_TRUE(f.Option3(5).isVisible());
        // The panel's sheet is the residual rounds' own.
        EXPECT_TRUE(f.Image2(VistaRetos::laminaSegunda.indice).isVisible());
        EXPECT_FALSE(f.Image2(VistaRetos::laminaDeVista.indice).isVisible());
        const RondaReto& r = *v.ronda();
        // Right on even patterns, "Dos grupos" or "Nada indica" on odd ones.
        const Patron elegida =
            p % 2 == 0 ? patron : (patron == Patron::Grupos ? Patron::Ninguno : Patron::Grupos);
        // By keys: Down from the first answer to the chosen one (Up goes round
        // to the last), Return checks.
        // Offscreen the window is never active: keys go to the checked answer.
        const auto tecla = [&f](Qt::Key k) {
            OptionButton* o = &f.Option3(0);
            for (OptionButton* b : f.Option3) {
                o = b->Value() ? b : o;
            }
            QTest::keyClick(o, k);
        };
        for (int k = 0; k < static_cast<int>(elegida); ++k) {
            tecla(Qt::Key_Down);
        }
        if (elegida == Patron::Ninguno) {
            tecla(Qt::Key_Up);
            EXPECT_EQ(v.respuesta(), std::optional(Patron::Grupos));
            tecla(Qt::Key_Right);
        }
        ASSERT_EQ(v.respuesta(), std::optional(elegida));
        tecla(Qt::Key_Return);
        ASSERT_TRUE(v.comprobada());
        EXPECT_EQ(v.historial().rondas().back().puntos, elegida == patron ? 100 : 0);
        EXPECT_TRUE(std::isnan(v.historial().rondas().back().error));
        const bool anillo = patron == Patron::Atipico || patron == Patron::Palanca;
        EXPECT_EQ(v.dibujoResiduos().anillado(), anillo ? r.senalado + 1 : 0);
        EXPECT_EQ(f.Shape13(0).Visible(), anillo);
        EXPECT_EQ(f.Line26(12).Visible(), patron == Patron::Curvatura);
        EXPECT_EQ(f.Line27(0).Visible(), patron == Patron::Dispersion);
        std::set<QRgb> colores;
        for (Integer k = 1; k <= f.g.nPuntos; ++k) {
            colores.insert(f.Shape12(k).FillColor().rgb());
        }
        EXPECT_EQ(colores.size(), patron == Patron::Grupos ? 2U : 1U);
        EXPECT_FALSE(f.Command2(ordenRueda).isVisible());
        QCoreApplication::processEvents();
        EXPECT_TRUE(f.dicho().contains(f.Label9(VistaRetos::explicacionResiduos).Caption()));
        EXPECT_EQ(f.Label9(VistaRetos::explicacionResiduos).Caption().count(". "),
                  elegida == patron ? 1 : 2 + (elegida == Patron::Ninguno));
    }
}

// A data set or "Generar" in any round, in either step of a residual one,
// ends it and takes its panel out of the slot.
TEST(Retos, UnaMuestraNuevaTerminaLaRonda) {
    Form1 f;
    f.show();
    VistaRetos& v = vistaDe<VistaRetos>(f);
    for (const RetoDelMenu& r : retosDelMenu) {
        for (int paso = 0; paso < 4; ++paso) {
            SCOPED_TRACE(paso);
            ASSERT_TRUE(v.jugarCodigo(r.reto, 2468));
            if (r.reto == Reto::Residuos && paso >= 2) {
                f.Command2(ordenRueda).click();
                v.dialogoRueda()->close();
            }
            if (paso % 2 == 0) {
                f.mnuConjunto[0]->accion()->trigger();
            } else {
                generarSembrado(f, 3);
            }
            EXPECT_FALSE(v.ronda().has_value());
            EXPECT_FALSE(f.Frame10->isVisible());
            EXPECT_EQ(f.g.retoResiduosActivo, 0);
        }
    }
}

} // namespace
