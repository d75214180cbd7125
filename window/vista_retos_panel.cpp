// The challenges' menu and panel Frame10: its controls, its keys, its
// layout for each round and the names a screen reader reads.
#include "vista_retos.h"

#include "Form1.h"
#include "colores.h"
#include "composicion.h"
#include "dialogo_reto.h"
#include "formatos.h"
#include "mostrar.h"
#include "paneles_idioma.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QUndoStack>

#include <cmath>

namespace rectaviva {

namespace {

// The guess's entry: the arrows and Page Up/Down step the guess; the other
// keys go on to the box.
class TeclasRespuesta : public QObject {
public:
    TeclasRespuesta(QObject* padre, VistaRetos& v) : QObject(padre), v_(v) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* k = static_cast<QKeyEvent*>(e);
        const double paso = k->key() == Qt::Key_Up         ? 0.01
                            : k->key() == Qt::Key_Down     ? -0.01
                            : k->key() == Qt::Key_PageUp   ? 0.1
                            : k->key() == Qt::Key_PageDown ? -0.1
                                                           : 0.0;
        if (paso == 0.0) {
            return false;
        }
        v_.pasoDeRespuesta(paso);
        return true;
    }

private:
    VistaRetos& v_;
};

} // namespace

void VistaRetos::componerBarra(QMenuBar& barra) {
    c_.mnuRet = new Menu(barra, QStringLiteral("mnuRet"), FUENTE("retos", "Retos"), true);
    // A greyed entry's tooltip says why.
    c_.mnuRet->desplegable()->setToolTipsVisible(true);
    static constexpr const char* otras[] = {QT_TRANSLATE_NOOP("retos", "Rueda de residuos"),
                                            QT_TRANSLATE_NOOP("retos", "Código de reto…"),
                                            QT_TRANSLATE_NOOP("retos", "Historial"),
                                            QT_TRANSLATE_NOOP("retos", "Guardar historial…")};
    for (int k = 0; k <= entradaGuardar; ++k) {
        if (k == entradaRueda || k == entradaCodigo || k == entradaHistorial) {
            c_.mnuRet->desplegable()->addSeparator();
        }
        const char* texto = k < numRetos ? retosDelMenu[k].nombre : otras[k - entradaRueda];
        auto* m = new Menu(*c_.mnuRet, nombre("mnuReto", k), Fuente{"retos", texto});
        c_.mnuReto.agregar(k, m);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(m, &Menu::Click, &f_, [this, i] { c_.mnuReto_Click(i); });
    }
    // The history's saving, greyed while there is none, says why; the
    // entries a transformation greys say why through "Transformar".
    QObject::connect(c_.mnuReto(entradaGuardar).accion(), &QAction::enabledChanged, &f_,
                     [this] { razonDeEntrada(entradaGuardar); });
    c_.mnuReto(entradaGuardar).setEnabled(false);
    QObject::connect(&f_.pila(), &QUndoStack::indexChanged, &f_, [this] { alCambiarPila(); });
}

void VistaRetos::razonDeEntrada(Integer k) {
    QAction* a = c_.mnuReto(k).accion();
    QString porque;
    if (!a->isEnabled()) {
        porque = QCoreApplication::translate("retos", "Aún no hay rondas en el historial.");
    }
    a->setToolTip(porque);
    a->setStatusTip(porque);
}

// The title and the round's code on top, the question, the guess with the
// three commands, then the result and what it teaches.
void VistaRetos::componerPanel() {
    Frame* panel = new Frame(f_.Cliente, QStringLiteral("Frame10"));
    c_.Frame10 = panel;
    panel->Move(3000, 10200, 6975, 2775);
    crearLabels(panel, c_.Label9, "Label9",
                {{"", 1560, 30, 3855, 330, cen, 11.25, true},
                 {"", 120, 60, 1680, 300, izq, 9, true},
                 {"", 120, 420, 6735, 540, izq, 9, false},
                 {FUENTE("retos", "Tu r:"), 120, 1050, 1200, 300, der, 9, false},
                 {"", 120, 1440, 6735, 540, izq, 9, true},
                 {"", 120, 1980, 6735, 760, izq, 9, false},
                 {"", 120, 2340, 6735, 1290, izq, 8.25, false}});
    for (int k : {pregunta, resultado, explicacion, explicacionResiduos}) {
        c_.Label9(k).setWordWrap(true);
    }
    c_.Text8 = new TextBox(panel, QStringLiteral("Text8"));
    c_.Text8->setFont(fuente(9));
    c_.Text8->Move(1380, 1020, 855, 300);
    c_.Text8->installEventFilter(new TeclasRespuesta(c_.Text8, *this));
    QObject::connect(c_.Text8, &TextBox::KeyPress, &f_,
                     [this](int& KeyAscii) { c_.Text8_KeyPress(KeyAscii); });
    static constexpr const char* ordenes[] = {
        QT_TRANSLATE_NOOP("retos", "Comprobar"), QT_TRANSLATE_NOOP("retos", "Otra ronda"),
        QT_TRANSLATE_NOOP("retos", "Terminar"), QT_TRANSLATE_NOOP("retos", "Rueda de residuos")};
    for (int k = ordenComprobar; k <= ordenRueda; ++k) {
        auto* b = new CommandButton(panel, nombre("Command2", k), Fuente{"retos", ordenes[k]});
        b->setFont(fuente(9));
        b->Move(2400 + 1470.0 * k, 1000, 1350, 345);
        c_.Command2.agregar(k, b);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(b, &CommandButton::Click, &f_, [this, i] { c_.Command2_Click(i); });
    }
    // In a line's round, the own line's squares as "Mi recta" draws them.
    c_.Check3 = new CheckBox(panel, QStringLiteral("Check3"));
    traducirTitulo(*c_.Check3, FUENTE("mirecta", "Cuadrados"));
    traducirNombre(*c_.Check3, FUENTE("retos", "Cuadrados de tu recta en el reto"));
    c_.Check3->setFont(fuente(9));
    c_.Check3->Move(120, 1020, 1575, 300);
    QObject::connect(c_.Check3, &CheckBox::Click, &f_, [this] {
        f_.Check2->setValue(c_.Check3->Value());
        f_.Check2_Click();
    });
    componerResiduos(*panel);
    ayuda(panel, f_.Image2, laminaDeVista.indice, 6840, 0);
    ayuda(panel, f_.Image2, laminaSegunda.indice, 6840, 0)->setVisible(false);
    f_.ranura().agregar(*panel, [this] { dejar(); });
}

void VistaRetos::cargar(mostrar& m) {
    m_ = &m;
    pantallaResiduos_ = std::make_unique<PantallaRetoResiduos>(
        PantallaRetoResiduos{*c_.Picture7, c_.Shape12, c_.Line26, c_.Line27, c_.Shape13});
    dibujoResiduos_ = std::make_unique<PresentacionRetoResiduos>(g_, m, *pantallaResiduos_);
}

void VistaRetos::ajustar() {
    colorearPanel(*c_.Frame10, colorPanelInferior);
    c_.Text8->setBackColor(colorEntrada);
    for (OptionButton* o : c_.Option3) {
        o->setBackColor(colorPanelInferior);
    }
    c_.Frame10->setVisible(false);
}

void VistaRetos::alPulsarTecla(int& KeyAscii) {
    if (KeyAscii == 13) {
        KeyAscii = 0;
        comprobar();
    }
}

// A cloud to build: where the fit stands now, and the moves so far.
void VistaRetos::escribirEstado() {
    if (!ronda_ || ronda_->reto != Reto::Nube || comprobada_ || !f_.existeMuestra()) {
        return;
    }
    QString t;
    switch (ronda_->objetivo.tipo) {
    case TipoObjetivo::Correlacion:
        t = QCoreApplication::translate("retos", "Ahora r = %1.").arg(numero(g_.correlacion));
        break;
    case TipoObjetivo::Pendiente:
        t = QCoreApplication::translate("retos", "Ahora pendiente %1 con R² %2 %.")
                .arg(numero(g_.pendiente), numero(g_.R2, 0));
        break;
    case TipoObjetivo::Plana:
        t = QCoreApplication::translate("retos", "Ahora r = %1 y s = %2.")
                .arg(numero(g_.correlacion), numero(std::sqrt(g_.varError)));
        break;
    }
    c_.Label9(resultado).setCaption(
        t + QLatin1Char(' ') +
        QCoreApplication::translate("retos", "Movimientos: %1.").arg(movimientos()));
}

void VistaRetos::escribirPanel() {
    if (!ronda_) {
        return;
    }
    c_.Label9(titulo).setCaption(nombreDeReto(ronda_->reto));
    c_.Label9(codigo).setCaption(
        QCoreApplication::translate("retos", "Reto %1").arg(ronda_->codigo));
    c_.Label9(pregunta).setCaption(textoPregunta());
    const bool adivinaR = ronda_->reto == Reto::Correlacion;
    c_.Label9(rotuloRespuesta).setVisible(adivinaR);
    c_.Text8->setVisible(adivinaR);
    c_.Check3->setVisible(ronda_->reto == Reto::Recta);
    c_.Check3->setValue(f_.Check2->Value());
    c_.Text8->setLocked(comprobada_);
    c_.Command2(0).setEnabled(!comprobada_);
    c_.Label9(resultado).setCaption(comprobada_ ? textoResultado() : QString());
    c_.Label9(explicacion).setCaption(comprobada_ ? textoExplicacion() : QString());
    c_.Label9(explicacionResiduos)
        .setCaption(comprobada_ && rondaDeResiduos() ? textoResiduos() : QString());
    disponerPanel();
    f_.Image2(laminaDeVista.indice).setVisible(!rondaDeResiduos());
    f_.Image2(laminaSegunda.indice).setVisible(rondaDeResiduos());
    escribirEstado();
}

void VistaRetos::retraducir() {
    escribirPanel();
    razonDeEntrada(entradaGuardar);
    for (int k = 0; k < numPatrones; ++k) {
        c_.Option3(k).setAccessibleName(nombreDeRespuesta(static_cast<Patron>(k)));
    }
}

void VistaRetos::nombrarControles() {
    traducirNombre(*c_.Text8, FUENTE("retos", "Tu respuesta: r"));
    traducirNombre(*c_.Frame10, FUENTE("retos", "Retos"));
    traducirNombre(*c_.Picture7, FUENTE("residuos", "Gráfico de residuos"));
    // The answers are named before their first round, each on its own.
    for (int k = 0; k < numPatrones; ++k) {
        c_.Option3(k).setAccessibleName(nombreDeRespuesta(static_cast<Patron>(k)));
    }
    traducirNombresDeLaminas(f_, *this);
}

std::vector<QWidget*> VistaRetos::ordenDeTab() {
    std::vector<QWidget*> orden{c_.Text8, c_.Check3};
    for (OptionButton* o : c_.Option3) {
        orden.push_back(o);
    }
    for (CommandButton* b : c_.Command2) {
        orden.push_back(b);
    }
    return orden;
}

std::optional<double> VistaRetos::leerRespuesta() const {
    QString t = c_.Text8->Text().trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    t.replace(QChar(0x2212), QLatin1Char('-'));
    bool ok = false;
    const double r = t.toDouble(&ok);
    if (!ok || !std::isfinite(r) || r < -1.0 || r > 1.0) {
        return std::nullopt;
    }
    return r;
}

// The entry takes the arrows (0.01) and Page Up/Down (0.1), within -1..1.
void VistaRetos::pasoDeRespuesta(double paso) {
    const double r = std::clamp(leerRespuesta().value_or(0.0) + paso, -1.0, 1.0);
    c_.Text8->setText(numero(std::round(r * 100.0) / 100.0));
    hablar(c_.Text8->Text());
}

} // namespace rectaviva
