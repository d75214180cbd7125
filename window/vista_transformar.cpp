// "Transformar": its menu entry, panel, commands and drawing; the sentences
// are in vista_transformar_textos.cpp.
#include "vista_transformar.h"

#include "Form1.h"
#include "cajas.h"
#include "colores.h"
#include "composicion.h"
#include "dialogo_reto.h"
#include "mensajes.h"
#include "muestra_transformada.h"
#include "paneles_idioma.h"
#include "plano_transformado.h"
#include "redondeo.h"
#include "retos.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <array>
#include <cmath>

namespace rectaviva {

namespace {

constexpr std::array<Transformacion, 6> deX{Transformacion::Ninguna, Transformacion::Log10,
                                            Transformacion::Ln,      Transformacion::Raiz,
                                            Transformacion::Inversa, Transformacion::Cuadrado};
constexpr int opcionesDeY = 5; ///< the square is offered for x only

// An axis's choices by keys: Down and Right the next one that values allow,
// Up and Left the one before, around at the ends.
class TeclasOpciones : public QObject {
public:
    TeclasOpciones(QObject* padre, const Matriz<OptionButton>& o) : QObject(padre), o_(o) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) {
            return false;
        }
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla != Qt::Key_Down && tecla != Qt::Key_Up && tecla != Qt::Key_Left &&
            tecla != Qt::Key_Right) {
            return false;
        }
        const int n = static_cast<int>(o_.Count());
        const int paso = tecla == Qt::Key_Down || tecla == Qt::Key_Right ? 1 : -1;
        int k = static_cast<int>(std::find(o_.begin(), o_.end(), objeto) - o_.begin());
        for (int i = 0; i < n; ++i) {
            k = (k + paso + n) % n;
            if (o_(k).isEnabled()) {
                o_(k).setFocus();
                o_(k).click();
                break;
            }
        }
        return true;
    }

private:
    const Matriz<OptionButton>& o_;
};

} // namespace

void ControlesTransformar::Option4_Click(Integer Index) {
    vistaTransformar_->transformar(deX[static_cast<std::size_t>(Index)],
                                   transformacionY(vistaTransformar_->g_));
}

void ControlesTransformar::Option5_Click(Integer Index) {
    vistaTransformar_->transformar(transformacionX(vistaTransformar_->g_),
                                   deX[static_cast<std::size_t>(Index)]);
}

void ControlesTransformar::Check4_Click() {
    vistaTransformar_->escalaDeLosDatos(Check4->Value());
}

VistaTransformar::VistaTransformar(Form1& f) : f_(f), g_(f.g), c_(f) {
    c_.vistaTransformar_ = this;
}

VistaTransformar::~VistaTransformar() = default;

void VistaTransformar::componerMenu(Menu& ver) {
    c_.mnuTra = new Menu(ver, QStringLiteral("mnuTra"), FUENTE("transformar", "Transformar…"));
    QObject::connect(c_.mnuTra, &Menu::Click, &f_, [this] { entrar(); });
}

// The data's own scale covers the plot when asked, above every item of it.
void VistaTransformar::componerPlano(Capa capa) {
    if (capa != Capa::Controles) {
        return;
    }
    plano_ = new PlanoOriginal(f_.Picture1);
    plano_->setVisible(false);
}

// The two choices on top, the data's scale, the model, the residual plots
// before and after with their R², and the reading in words (six lines).
void VistaTransformar::componerPanel() {
    Frame* panel = new Frame(f_.Cliente, QStringLiteral("Frame11"));
    c_.Frame11 = panel;
    panel->Move(3000, 10200, 6975, 3675);
    crearLabelsTraducidos(
        panel, c_.Label10, "Label10", "transformar",
        {{QT_TRANSLATE_NOOP("transformar", "Transformar"), 1560, 30, 3855, 330, cen, 11.25, true},
         {"x:", 120, 420, 420, 300, izq, 9, true},
         {"y:", 120, 780, 420, 300, izq, 9, true},
         {"", 120, 1440, 6735, 300, izq, 9, true},
         {"", 120, 2490, 6735, 1170, izq, 8.25, false},
         {"", 120, 1740, 3300, 255, izq, 8.25, false},
         {"", 3555, 1740, 3300, 255, izq, 8.25, false}});
    c_.Label10(lectura).setWordWrap(true);
    static constexpr std::array<const char*, 6> simbolosX{"", "log₁₀ x", "ln x", "√x", "1/x", "x²"};
    static constexpr std::array<const char*, 6> simbolosY{"", "log₁₀ y", "ln y", "√y", "1/y", ""};
    for (int eje = 0; eje < 2; ++eje) {
        // Each axis its own group of choices, in a frame of its own that a
        // screen reader names ("Transformación de x").
        Frame* marco =
            new Frame(panel, eje == 0 ? QStringLiteral("Frame12") : QStringLiteral("Frame13"));
        marco->Move(540, eje == 0 ? 390 : 750, 6360, 330);
        (eje == 0 ? c_.Frame12 : c_.Frame13) = marco;
        auto* grupo = new QButtonGroup(marco);
        Matriz<OptionButton>& m = eje == 0 ? c_.Option4 : c_.Option5;
        auto* teclas = new TeclasOpciones(panel, m);
        const int cuantas = eje == 0 ? static_cast<int>(deX.size()) : opcionesDeY;
        for (int k = 0; k < cuantas; ++k) {
            const char* s = (eje == 0 ? simbolosX : simbolosY)[static_cast<std::size_t>(k)];
            auto* o = k == 0 ? new OptionButton(marco, nombre(eje == 0 ? "Option4" : "Option5", k),
                                                FUENTE("transformar", "ninguna"))
                             : new OptionButton(marco, nombre(eje == 0 ? "Option4" : "Option5", k),
                                                QString::fromUtf8(s));
            o->setFont(fuente(9));
            o->Move(k == 0 ? 0 : 1360 + 1000.0 * (k - 1), 0, k == 0 ? 1300 : 980, 330);
            grupo->addButton(o);
            o->installEventFilter(teclas);
            m.agregar(k, o);
            const Integer i = static_cast<Integer>(k);
            QObject::connect(o, &OptionButton::Click, &f_, [this, eje, i] {
                eje == 0 ? c_.Option4_Click(i) : c_.Option5_Click(i);
            });
        }
    }
    c_.Check4 = new CheckBox(panel, QStringLiteral("Check4"));
    traducirTitulo(*c_.Check4, FUENTE("transformar", "Escala de los datos"));
    c_.Check4->setFont(fuente(9));
    c_.Check4->Move(120, 1110, 3300, 300);
    QObject::connect(c_.Check4, &CheckBox::Click, &f_, [this] { c_.Check4_Click(); });
    for (int k = 0; k < 2; ++k) {
        auto* p =
            new PictureBox(panel, k == 0 ? QStringLiteral("Picture8") : QStringLiteral("Picture9"));
        p->Move(k == 0 ? 120 : 3555, 1995, 3300, 480);
        (k == 0 ? c_.Picture8 : c_.Picture9) = p;
    }
    ayuda(panel, f_.Image2, laminaDeVista.indice, 6840, 0);
    f_.ranura().agregar(*panel, [this] { dejar(); });
}

void VistaTransformar::ajustar() {
    colorearPanel(*c_.Frame11, colorPanelInferior);
    c_.Frame12->setBackColor(colorPanelInferior);
    c_.Frame13->setBackColor(colorPanelInferior);
    for (Matriz<OptionButton>* m : {&c_.Option4, &c_.Option5}) {
        for (OptionButton* o : *m) {
            o->setBackColor(colorPanelInferior);
        }
    }
    c_.Frame11->setVisible(false);
}

// The data's scale covers the plot exactly.
void VistaTransformar::distribuir() {
    plano_->setGeometry(f_.Picture1->rect());
}

// The panel, with the keys on y's choice: the arrows move through them.
void VistaTransformar::entrar() {
    f_.ranura().mostrar(*c_.Frame11);
    escribirPanel();
    c_.Option5(static_cast<int>(g_.transformacionY)).setFocus();
    hablar(c_.Label10(modelo).Caption() + QLatin1Char(' ') + c_.Label10(lectura).Caption());
}

bool VistaTransformar::transformar(Transformacion tx, Transformacion ty) {
    if (tx == transformacionX(g_) && ty == transformacionY(g_)) {
        return true;
    }
    if (!f_.transformarDatos(tx, ty)) {
        escribirPanel();
        hablar(QCoreApplication::translate(
            "transformar", "No se puede: algún valor no lo admite o no hay datos cargados."));
        return false;
    }
    escribirPanel();
    hablar(c_.Label10(modelo).Caption() + QLatin1Char(' ') + c_.Label10(lectura).Caption());
    return true;
}

void VistaTransformar::escalaDeLosDatos(bool si) {
    c_.Check4->setValue(si);
    plano_->setGeometry(f_.Picture1->rect());
    plano_->setVisible(si);
    if (si) {
        dibujarPlano();
        plano_->raise();
    }
    hablar(si ? QCoreApplication::translate("transformar",
                                            "Escala de los datos: los puntos y la curva en sus "
                                            "unidades.")
              : QCoreApplication::translate("transformar", "Escala transformada: la recta."));
}

// What the panel shows, in the new language; a panel never shown stays empty.
void VistaTransformar::retraducir() {
    if (c_.Frame11->isVisible()) {
        escribirPanel();
    }
}

bool VistaTransformar::enEscalaDeLosDatos() const {
    return plano_->isVisible();
}

void VistaTransformar::mostrarVista() {
    // An undo or a new sample may have changed the transformation.
    if (nombradas_ != std::pair{g_.transformacionX, g_.transformacionY}) {
        nombrarCajas();
        ofrecerRetos();
        // Without a transformation there is no other scale to show.
        if (!hayTransformacion(g_)) {
            c_.Check4->setValue(false);
            plano_->setVisible(false);
        }
    }
    if (plano_->isVisible()) {
        dibujarPlano();
    }
    if (c_.Frame11->isVisible()) {
        escribirPanel();
    }
}

// The challenges draw samples of their own: they are not offered over a
// transformation (the lineup, of the sample in use, is), and their greyed
// entries say why.
void VistaTransformar::ofrecerRetos() {
    std::vector<int> propias;
    for (const RetoDelMenu& r : retosDelMenu) {
        propias.push_back(lugarDeReto(r.reto));
    }
    propias.push_back(entradaCodigo);
    const bool si = !hayTransformacion(g_);
    for (const int e : propias) {
        Menu& m = f_.mnuReto(e);
        m.setEnabled(si);
        QAction* a = m.accion();
        alCambiarIdioma(a, ClaveTexto::Ayuda, [a, si] {
            const QString porque =
                si ? QString()
                   : QCoreApplication::translate(
                         "transformar", "No se ofrece mientras haya una transformación: «Ver» → "
                                        "«Transformar…», «ninguna» en x y en y.");
            a->setToolTip(porque);
            a->setStatusTip(porque);
        });
    }
}

// Another panel in the slot: the transformation stays (its residuals, its
// influence), the data's scale goes.
void VistaTransformar::dejar() {
    c_.Check4->setValue(false);
    plano_->setVisible(false);
}

// A drag on the transformed scale stops where the transformation's inverse
// ends: no negative root or square, no reciprocal of 0, and a reciprocal
// stays on the side of 0 of the data's values (`lado`, the sign of the first
// point's, which all share), or 1/x would no longer keep their order.
void VistaTransformar::limitarArrastre(Single& x, Single& y) {
    const auto limitar = [](Transformacion t, Single& v, Integer decimales, Single lado) {
        const Single paso = S(std::pow(10.0, -static_cast<double>(decimales)));
        if (t == Transformacion::Inversa && v * lado < paso) {
            v = lado * paso;
            return true;
        }
        if (sePuedeDeshacer(t, v, decimales)) {
            return false;
        }
        v = t != Transformacion::Inversa ? 0 : v < 0 ? -paso : paso;
        return true;
    };
    const bool enX = limitar(transformacionX(g_), x, g_.redondeoX, std::copysign(1.0f, g_.xObs(1)));
    const bool enY = limitar(transformacionY(g_), y, g_.redondeoY, std::copysign(1.0f, g_.yObs(1)));
    if ((enX || enY) && !avisado_) {
        avisado_ = true;
        hablar(QCoreApplication::translate(
            "transformar", "El punto se detiene en el borde: más allá la transformación no se "
                           "puede deshacer."));
    }
}

// Each choice a value stops is disabled, and says how many values stop it;
// so is one that is not monotone over the values, and says so.
void VistaTransformar::habilitarOpciones() {
    const bool datos = g_.datosCargados == 1;
    for (int eje = 0; eje < 2; ++eje) {
        Matriz<OptionButton>& m = eje == 0 ? c_.Option4 : c_.Option5;
        const Transformacion actual = eje == 0 ? transformacionX(g_) : transformacionY(g_);
        for (int k = 0; k <= m.UBound(); ++k) {
            const Transformacion t = deX[static_cast<std::size_t>(k)];
            const int impiden = !datos ? 0 : eje == 0 ? impidenX(g_, t) : impidenY(g_, t);
            const bool monotona = !datos || (eje == 0 ? monotonaEnX(g_, t) : monotonaEnY(g_, t));
            OptionButton& o = m(k);
            o.setValue(t == actual);
            o.setEnabled(datos && impiden == 0 && monotona);
            const QString porque =
                !datos ? QCoreApplication::translate("transformar",
                                                     "Solo con datos: «Datos» carga un conjunto.")
                : impiden != 0
                    ? QCoreApplication::translate("transformar", "Valores que no la admiten: %1.")
                          .arg(impiden)
                : !monotona
                    ? QCoreApplication::translate(
                          "transformar", "Hay valores negativos y positivos: así no es "
                                         "monótona, y la curva devuelta no tendría sentido.")
                    : QString();
            // Set only when it changes: each change is an event for a screen reader.
            if (o.accessibleDescription() != porque) {
                o.setToolTip(porque);
                o.setAccessibleDescription(porque);
            }
        }
    }
}

void VistaTransformar::escribirPanel() {
    habilitarOpciones();
    c_.Check4->setEnabled(hayTransformacion(g_));
    c_.Label10(modelo).setCaption(textoModelo());
    c_.Label10(lectura).setCaption(textoLectura());
    dibujarResiduos();
}

} // namespace rectaviva
