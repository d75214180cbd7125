// The simulation view's composition: its menu entry, its items on the plot,
// the panel Frame9 with the model's entries, the choices, the buttons, the
// histogram, the strip and the texts, its colours, names and Tab order.
#include "vista_simulacion.h"

#include "Form1.h"
#include "colores.h"
#include "composicion.h"
#include "paneles_idioma.h"

#include <QButtonGroup>
#include <QCoreApplication>

namespace rectaviva {

namespace {

// n hidden segments with square ends (pieces of a curve, or short marks),
// elements 0..n - 1 of m.
void segmentos(Contenedor& c, Matriz<Line>& m, const char* base, int n, const QColor& color,
               int ancho) {
    for (int k = 0; k < n; ++k) {
        Line* l = linea(c, nombre(base, k), 0, 0, 0, 0, color, ancho);
        l->setExtremo(Line::Extremo::Cuadrado);
        l->setVisible(false);
        m.agregar(k, l);
    }
}

} // namespace

void VistaSimulacion::componerMenu(Menu& ver) {
    c_.mnuSim = new Menu(ver, QStringLiteral("mnuSim"), FUENTE("simulacion", "Simulación"));
    QObject::connect(c_.mnuSim, &Menu::Click, &f_, [this] { entrar(); });
}

// Under the markers: the model's line, the simulated lines and the
// animated sample, so that the student's points stay on top.
void VistaSimulacion::componerPlano(Capa capa) {
    if (capa != Capa::BajoMarcadores) {
        return;
    }
    PictureBox& plano = *f_.Picture1;
    for (int k = 0; k < Simulador::kLineas; ++k) {
        Line* l = linea(plano, nombre("Line20", k), 0, 0, 0, 0, colorSimulada, 1);
        l->setVisible(false);
        c_.Line20.agregar(k, l);
    }
    c_.Line21 = linea(plano, QStringLiteral("Line21"), 0, 0, 0, 0, colorMuestraSimulada, 2);
    c_.Line21->setVisible(false);
    for (int k = 1; k <= maxPuntos; ++k) {
        Shape* s = plano.agregarShape(nombre("Shape10", k));
        s->setForma(Shape::Forma::Circulo);
        s->setFillColor(colorHueco);
        s->setBorderColor(colorMuestraSimulada);
        s->setBorderWidth(2);
        s->setVisible(false);
        c_.Shape10.agregar(k, s);
    }
    c_.Line19 = linea(plano, QStringLiteral("Line19"), 0, 0, 0, 0, colorModelo, 2);
    c_.Line19->setBorderStyle(Line::Trazo::Guiones);
    c_.Line19->setVisible(false);
}

// The model's entries, the statistic and the buttons on the left; the
// histogram in the middle with its axis and summary under it; the strip of
// intervals on the right; the counts across the bottom, and under them what
// the table's critical value covers where it is not the level.
void VistaSimulacion::componerPanel() {
    Frame* panel = new Frame(f_.Cliente, QStringLiteral("Frame9"));
    c_.Frame9 = panel;
    panel->Move(3000, 10200, 6975, 3800);
    crearLabelsTraducidos(
        panel, c_.Label8, "Label8", "simulacion",
        {{QT_TRANSLATE_NOOP("simulacion", "Simulación"), 60, 30, 2220, 330, izq, 11.25, true},
         {"β₀", 60, 420, 360, 300, izq, 9, false},
         {"β₁", 60, 780, 360, 300, izq, 9, false},
         {"σ", 60, 1140, 360, 300, izq, 9, false},
         {QT_TRANSLATE_NOOP("simulacion", "Distribución de b"), 2700, 120, 2280, 255, cen, 8.25,
          true},
         {QT_TRANSLATE_NOOP("simulacion", "Intervalos para β₁"), 5040, 120, 1740, 255, izq, 8.25,
          true},
         {"", 2700, 1770, 760, 210, izq, 7.5, false},
         {"", 3460, 1770, 760, 210, cen, 7.5, false},
         {"", 4220, 1770, 760, 210, der, 7.5, false},
         {"", 2700, 1980, 4380, 220, izq, 8.25, false},
         {"", 2700, 2200, 4380, 220, izq, 8.25, false},
         {"", 2700, 2420, 4380, 220, izq, 8.25, false},
         {"", 60, 2660, 7020, 225, izq, 8.25, false},
         {"", 60, 2885, 7020, 225, izq, 8.25, false},
         {"", 60, 3110, 7020, 225, izq, 8.25, false},
         {"", 60, 3335, 7020, 225, izq, 8.25, false},
         {"", 60, 3560, 7020, 225, izq, 8.25, false}});
    crearCajas(panel, c_.Text7, "Text7", 9,
               {{420, 390, 720, 300}, {420, 750, 720, 300}, {420, 1110, 720, 300}});
    const Fuente regla = FUENTE(
        "simulacion",
        "El modelo: y = β₀ + β₁ x + ε, con ε normal de media 0 y desviación σ, en las x de tus "
        "puntos. Entre −100 y 100 para β₀, entre −10 y 10 para β₁, σ mayor que 0 y hasta 50.");
    for (TextBox* t : c_.Text7) {
        traducirAyuda(*t, regla);
        t->setLocked(false);
    }
    // Two groups of choices in one panel: the statistic, and where the
    // samples come from (beside the model's entries).
    auto* estadisticas = new QButtonGroup(panel);
    for (int k = 0; k < 4; ++k) {
        static constexpr const char* nombres[4] = {"b", "a", "s²", "t"};
        auto* o = new OptionButton(panel, nombre("Option1", k), QString::fromUtf8(nombres[k]));
        o->setFont(fuente(9));
        o->Move(60 + 555.0 * k, 1500, 540, 300);
        c_.Option1.agregar(k, o);
        estadisticas->addButton(o);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(o, &OptionButton::Click, &f_, [this, i] { c_.Option1_Click(i); });
    }
    c_.Option1(0).setValue(true);
    auto* modos = new QButtonGroup(panel);
    for (int k = 0; k < 3; ++k) {
        static constexpr const char* nombres[3] = {QT_TRANSLATE_NOOP("simulacion", "Modelo"),
                                                   QT_TRANSLATE_NOOP("simulacion", "Barajar"),
                                                   QT_TRANSLATE_NOOP("simulacion", "Bootstrap")};
        auto* o = new OptionButton(panel, nombre("Option2", k), Fuente{"simulacion", nombres[k]});
        o->setFont(fuente(8.25));
        o->Move(1230, 390 + 360.0 * k, 1410, 300);
        c_.Option2.agregar(k, o);
        modos->addButton(o);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(o, &OptionButton::Click, &f_, [this, i] { c_.Option2_Click(i); });
    }
    c_.Option2(0).setValue(true);
    // The batches' sizes are numbers; the last two captions are words.
    const char* rotulos[6] = {"1",
                              "10",
                              "100",
                              "1000",
                              QT_TRANSLATE_NOOP("simulacion", "Animar"),
                              QT_TRANSLATE_NOOP("simulacion", "Reiniciar")};
    for (int k = 0; k < 6; ++k) {
        auto* b =
            k < 4
                ? new CommandButton(panel, nombre("Command1", k), QString::fromUtf8(rotulos[k]))
                : new CommandButton(panel, nombre("Command1", k), Fuente{"simulacion", rotulos[k]});
        b->setFont(fuente(8.25));
        if (k < 4) {
            b->Move(60 + 555.0 * k, 1860, 525, 345);
        } else {
            b->Move(60 + 1110.0 * (k - 4), 2280, 1080, 345);
        }
        c_.Command1.agregar(k, b);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(b, &CommandButton::Click, &f_, [this, i] { c_.Command1_Click(i); });
    }
    c_.Picture5 = new PictureBox(panel, QStringLiteral("Picture5"));
    c_.Picture5->Move(2700, 390, 2280, 1380);
    for (int k = 0; k < Simulador::kBarras; ++k) {
        Shape* s = c_.Picture5->agregarShape(nombre("Shape11", k));
        s->setFillColor(colorBarraSimulada);
        s->setBorderColor(colorIntervaloCubre);
        s->setVisible(false);
        c_.Shape11.agregar(k, s);
    }
    segmentos(*c_.Picture5, c_.Line22, "Line22", PresentacionSimulacion::kDensidad, colorDensidad,
              2);
    c_.Line23 = linea(*c_.Picture5, QStringLiteral("Line23"), 0, 0, 0, 0, colorRecta, 3);
    c_.Line23->setVisible(false);
    c_.Picture6 = new PictureBox(panel, QStringLiteral("Picture6"));
    c_.Picture6->Move(5040, 390, 2040, 1380);
    segmentos(*c_.Picture6, c_.Line24, "Line24", Simulador::kIntervalos, colorIntervaloCubre, 1);
    c_.Line25 = linea(*c_.Picture6, QStringLiteral("Line25"), 0.5, 0, 0.5, 1, colorModelo, 2);
    c_.Line25->setVisible(false);
    // The sheet of the model, or of the resampling modes, beside the title.
    ayuda(panel, f_.Image2, laminaDeVista.indice, 6840, 0);
    ayuda(panel, f_.Image2, laminaSegunda.indice, 6840, 0)->setVisible(false);
    c_.Timer2 = new Timer(&f_, QStringLiteral("Timer2"));
    c_.Timer2->setInterval(200);
    QObject::connect(c_.Timer2, &Timer::Tick, &f_, [this] { c_.Timer2_Timer(); });
    for (int k = 0; k < 3; ++k) {
        const Integer i = static_cast<Integer>(k);
        QObject::connect(&c_.Text7(k), &TextBox::KeyPress, &f_,
                         [this, i](int& a) { c_.Text7_KeyPress(i, a); });
    }
    // Like every panel of the slot but the prediction's, it turns the
    // prediction view off; leaving it ends the view.
    f_.ranura().agregar(*panel, [this] { dejar(); });
}

void VistaSimulacion::cargar(mostrar& m) {
    pantalla_ = std::make_unique<PantallaSimulacion>(
        PantallaSimulacion{*c_.Line19, c_.Line20, *c_.Line21, c_.Shape10, *c_.Picture5, c_.Shape11,
                           c_.Line22, *c_.Line23, *c_.Picture6, c_.Line24, *c_.Line25, c_.Label8});
    dibujo_ = std::make_unique<PresentacionSimulacion>(g_, m, *pantalla_);
}

void VistaSimulacion::ajustar() {
    colorearPanel(*c_.Frame9, colorPanelInferior);
    for (TextBox* t : c_.Text7) {
        t->setBackColor(colorEntrada);
    }
    for (const Matriz<OptionButton>* grupo : {&c_.Option1, &c_.Option2}) {
        for (OptionButton* o : *grupo) {
            o->setBackColor(colorPanelInferior);
        }
    }
    for (PictureBox* p : {c_.Picture5, c_.Picture6}) {
        p->setBackColor(colorFondoSimulacion);
        p->Scale(0, 0, 1, 1);
    }
    c_.Frame9->setVisible(false);
}

void VistaSimulacion::nombrarControles() {
    static constexpr const char* nombres[3] = {QT_TRANSLATE_NOOP("simulacion", "β₀ del modelo"),
                                               QT_TRANSLATE_NOOP("simulacion", "β₁ del modelo"),
                                               QT_TRANSLATE_NOOP("simulacion", "σ del modelo")};
    for (int k = 0; k < 3; ++k) {
        traducirNombre(c_.Text7(k), Fuente{"simulacion", nombres[k]});
    }
    static constexpr const char* estadisticas[4] = {
        QT_TRANSLATE_NOOP("simulacion", "Histograma de la pendiente b"),
        QT_TRANSLATE_NOOP("simulacion", "Histograma del intercepto a"),
        QT_TRANSLATE_NOOP("simulacion", "Histograma de la varianza del error s²"),
        QT_TRANSLATE_NOOP("simulacion", "Histograma del estadístico t")};
    for (int k = 0; k < 4; ++k) {
        traducirNombre(c_.Option1(k), Fuente{"simulacion", estadisticas[k]});
    }
    for (int k = 0; k < 4; ++k) {
        CommandButton& b = c_.Command1(k);
        const int tanda = static_cast<int>(kTandas[k]);
        alCambiarIdioma(&b, ClaveTexto::Nombre, [&b, tanda] {
            b.setAccessibleName(
                QCoreApplication::translate("simulacion", "Agregar %n muestras", nullptr, tanda));
        });
    }
    static constexpr const char* modos[3] = {
        QT_TRANSLATE_NOOP("simulacion", "Muestras del modelo"),
        QT_TRANSLATE_NOOP("simulacion", "Barajar las y sobre las x"),
        QT_TRANSLATE_NOOP("simulacion", "Remuestrear los puntos con reposición")};
    for (int k = 0; k < 3; ++k) {
        traducirNombre(c_.Option2(k), Fuente{"simulacion", modos[k]});
    }
    traducirNombre(*c_.Picture5, FUENTE("simulacion", "Histograma"));
    traducirNombre(*c_.Picture6, FUENTE("simulacion", "Últimos intervalos para β₁"));
    traducirNombre(*c_.Frame9, FUENTE("simulacion", "Simulación"));
    traducirNombresDeLaminas(f_, *this);
}

std::vector<QWidget*> VistaSimulacion::ordenDeTab() {
    std::vector<QWidget*> v;
    for (TextBox* t : c_.Text7) {
        v.push_back(t);
    }
    for (OptionButton* o : c_.Option2) {
        v.push_back(o);
    }
    for (OptionButton* o : c_.Option1) {
        v.push_back(o);
    }
    for (CommandButton* b : c_.Command1) {
        v.push_back(b);
    }
    return v;
}

} // namespace rectaviva
