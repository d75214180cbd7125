// The challenges' menu and panel Frame10, and every sentence the panel writes
// and a screen reader hears, in the language in use.
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
    static constexpr const char* entradas[6] = {nombresDeRetos[0],
                                                nombresDeRetos[1],
                                                nombresDeRetos[2],
                                                QT_TRANSLATE_NOOP("retos", "Código de reto…"),
                                                QT_TRANSLATE_NOOP("retos", "Historial"),
                                                QT_TRANSLATE_NOOP("retos", "Guardar historial…")};
    for (int k = 0; k < 6; ++k) {
        if (k == 3 || k == 4) {
            c_.mnuRet->desplegable()->addSeparator();
        }
        auto* m = new Menu(*c_.mnuRet, nombre("mnuReto", k), Fuente{"retos", entradas[k]});
        c_.mnuReto.agregar(k, m);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(m, &Menu::Click, &f_, [this, i] { c_.mnuReto_Click(i); });
    }
    c_.mnuReto(5).setEnabled(false);
    QObject::connect(&f_.pila(), &QUndoStack::indexChanged, &f_, [this] { alCambiarPila(); });
}

// The title and the round's code on top, the question, the guess with the
// three commands, then the result and what it teaches.
void VistaRetos::componerPanel() {
    Frame* panel = new Frame(f_.Cliente, QStringLiteral("Frame10"));
    c_.Frame10 = panel;
    panel->Move(3000, 10200, 6975, 2775);
    crearLabels(panel, c_.Label9, "Label9",
                {{"", 1800, 30, 3375, 330, cen, 11.25, true},
                 {"", 120, 60, 1680, 300, izq, 9, true},
                 {"", 120, 420, 6735, 540, izq, 9, false},
                 {FUENTE("retos", "Tu r:"), 120, 1050, 1200, 300, der, 9, false},
                 {"", 120, 1440, 6735, 540, izq, 9, true},
                 {"", 120, 1980, 6735, 760, izq, 9, false}});
    for (int k : {pregunta, resultado, explicacion}) {
        c_.Label9(k).setWordWrap(true);
    }
    c_.Text8 = new TextBox(panel, QStringLiteral("Text8"));
    c_.Text8->setFont(fuente(9));
    c_.Text8->Move(1380, 1020, 855, 300);
    c_.Text8->installEventFilter(new TeclasRespuesta(c_.Text8, *this));
    QObject::connect(c_.Text8, &TextBox::KeyPress, &f_,
                     [this](int& KeyAscii) { c_.Text8_KeyPress(KeyAscii); });
    static constexpr const char* ordenes[3] = {QT_TRANSLATE_NOOP("retos", "Comprobar"),
                                               QT_TRANSLATE_NOOP("retos", "Otra ronda"),
                                               QT_TRANSLATE_NOOP("retos", "Terminar")};
    for (int k = 0; k < 3; ++k) {
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
    c_.Check3->setFont(fuente(9));
    c_.Check3->Move(120, 1020, 1575, 300);
    QObject::connect(c_.Check3, &CheckBox::Click, &f_, [this] {
        f_.Check2->setValue(c_.Check3->Value());
        f_.Check2_Click();
    });
    ayuda(panel, f_.Image2, laminaDeVista.indice, 6840, 0);
    f_.ranura().agregar(*panel, [this] { dejar(); });
}

void VistaRetos::cargar(mostrar& m) {
    m_ = &m;
}

void VistaRetos::ajustar() {
    colorearPanel(*c_.Frame10, colorPanelInferior);
    c_.Text8->setBackColor(colorEntrada);
    c_.Frame10->setVisible(false);
}

void VistaRetos::alPulsarTecla(int& KeyAscii) {
    if (KeyAscii == 13) {
        KeyAscii = 0;
        comprobar();
    }
}

QString VistaRetos::numero(double v, int decimales) const {
    return QString::fromStdString(formatearDecimales(v, decimales, m_->puntoDecimal()));
}

QString VistaRetos::textoObjetivo() const {
    const Objetivo& o = ronda_->objetivo;
    switch (o.tipo) {
    case TipoObjetivo::Correlacion:
        return QCoreApplication::translate("retos", "r = %1 (± %2)")
            .arg(numero(o.valor), numero(o.tolerancia));
    case TipoObjetivo::Pendiente:
        return QCoreApplication::translate("retos", "pendiente %1 (± %2) con R² al menos %3 %")
            .arg(numero(o.valor), numero(o.tolerancia), numero(o.minimoR2, 0));
    case TipoObjetivo::Plana:
        return QCoreApplication::translate(
                   "retos",
                   "r cerca de 0 (|r| ≤ %1) con una recta que sí describe los puntos (s ≤ %2)")
            .arg(numero(o.tolerancia), numero(o.valor, 0));
    }
    return {};
}

QString VistaRetos::textoPregunta() const {
    switch (ronda_->reto) {
    case Reto::Correlacion:
        return QCoreApplication::translate(
                   "retos",
                   "¿Cuánto vale r en esta nube de %1 puntos? Lo que delata r está oculto hasta "
                   "Comprobar.")
            .arg(ronda_->puntos.size());
    case Reto::Recta:
        return QCoreApplication::translate(
            "retos", "Lleva tu recta, por sus asas, adonde creas que va la de mínimos cuadrados, y "
                     "pulsa Comprobar.");
    case Reto::Nube:
        return QCoreApplication::translate("retos",
                                           "Mueve, elimina y recupera puntos hasta lograr %1.")
            .arg(textoObjetivo());
    }
    return {};
}

QString VistaRetos::textoResultado() const {
    const RondaJugada& j = historial_.rondas().back();
    switch (j.reto) {
    case Reto::Correlacion: {
        QString t =
            QCoreApplication::translate("retos", "r = %1. Tu respuesta: %2; error %3: %4 puntos.")
                .arg(numero(j.verdad), numero(j.respuesta), numero(j.error))
                .arg(puntos_);
        if (bono_ > 0) {
            t += QLatin1Char(' ') + QCoreApplication::translate("retos", "Racha de %1: +%2.")
                                        .arg(historial_.rachaActual())
                                        .arg(bono_);
        }
        return t;
    }
    case Reto::Recta:
        return QCoreApplication::translate(
                   "retos", "SCErr de mínimos cuadrados %1; la de tu recta %2: %3 puntos.")
            .arg(numero(j.verdad, 1), numero(j.respuesta, 1))
            .arg(puntos_);
    case Reto::Nube:
        return j.movimientos == 1
                   ? QCoreApplication::translate("retos",
                                                 "Objetivo logrado con un movimiento: %1 puntos.")
                         .arg(puntos_)
                   : QCoreApplication::translate("retos",
                                                 "Objetivo logrado con %1 movimientos: %2 puntos.")
                         .arg(j.movimientos)
                         .arg(puntos_);
    }
    return {};
}

QString VistaRetos::textoExplicacion() const {
    if (ronda_->reto == Reto::Recta) {
        return QCoreApplication::translate(
            "retos",
            "La recta de mínimos cuadrados deja la menor suma de cuadrados posible: ninguna "
            "otra recta, tampoco la tuya, deja menos.");
    }
    if (ronda_->reto == Reto::Nube) {
        return {};
    }
    switch (ronda_->engano) {
    case Engano::Ninguno:
        return {};
    case Engano::Curva:
        return QCoreApplication::translate(
            "retos",
            "Los puntos siguen una curva: la relación es fuerte, pero r solo mide cuánto se "
            "parecen a una recta.");
    case Engano::Atipico:
        return QCoreApplication::translate(
            "retos", "Un punto lejos de los demás pesa mucho en r: puede crear una correlación que "
                     "la nube no tiene, o romper la que tiene.");
    case Engano::Grupos:
        return QCoreApplication::translate(
            "retos", "Son dos grupos separados: r mide sobre todo la distancia entre ellos, no una "
                     "tendencia dentro de cada uno.");
    }
    return {};
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
    c_.Command2(0).setVisible(ronda_->reto != Reto::Nube);
    c_.Command2(0).setEnabled(!comprobada_);
    c_.Label9(resultado).setCaption(comprobada_ ? textoResultado() : QString());
    c_.Label9(explicacion).setCaption(comprobada_ ? textoExplicacion() : QString());
    escribirEstado();
}

void VistaRetos::retraducir() {
    escribirPanel();
}

void VistaRetos::nombrarControles() {
    traducirNombre(*c_.Text8, FUENTE("retos", "Tu respuesta: r"));
    traducirNombre(*c_.Frame10, FUENTE("retos", "Retos"));
    traducirNombresDeLaminas(f_, *this);
}

std::vector<QWidget*> VistaRetos::ordenDeTab() {
    return {c_.Text8, c_.Check3, &c_.Command2(0), &c_.Command2(1), &c_.Command2(2)};
}

} // namespace rectaviva
