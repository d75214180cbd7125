// Form1's menu "Editar": undo and redo of every change of the sample, one
// step per finished gesture, on Qt's QUndoStack, each said wherever the focus
// is; the copies and the plot's export are in Form1_exportar.cpp.
#include "Form1.h"

#include "Grafico.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoCommand>

#include <algorithm>
#include <utility>

namespace rectaviva {

namespace {

// One finished gesture: the state before and after it. Pushing it runs
// redo, which finds the window already showing the state after.
class CambioDeMuestra : public QUndoCommand {
public:
    CambioDeMuestra(Form1& f, Form1::Instantanea antes, Form1::Instantanea despues,
                    NombreGesto nombre, bool otra)
        : QUndoCommand(nombre.texto()), f_(f), antes_(std::move(antes)),
          despues_(std::move(despues)), nombre_(std::move(nombre)), otra_(otra) {}
    const NombreGesto& nombre() const { return nombre_; }
    void undo() override { f_.restaurar(antes_, otra_); }
    void redo() override {
        if (primera_) {
            primera_ = false;
            return;
        }
        f_.restaurar(despues_, otra_);
    }

private:
    Form1& f_;
    Form1::Instantanea antes_, despues_;
    NombreGesto nombre_;
    bool otra_; ///< a new sample, not a change of the same one
    bool primera_ = true;
};

// The largest number of steps kept: older ones are dropped.
constexpr int pasosGuardados = 100;

// Ctrl+Z and Ctrl+Mayús+Z (or Ctrl+Y) wherever the focus is. An entry with
// nothing to undo is disabled, and so is its shortcut: the key then goes to
// the focused control (a read-only box takes it in silence), and here the
// window says that there is nothing to undo or redo. An editable entry
// keeps the key for its own text.
class TeclasDeshacer : public QObject {
public:
    explicit TeclasDeshacer(Form1& f) : QObject(&f), f_(f) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* w = qobject_cast<QWidget*>(o);
        const auto* entrada = qobject_cast<QLineEdit*>(o);
        if (w == nullptr || w->window() != &f_ || (entrada && !entrada->isReadOnly())) {
            return false;
        }
        const QKeySequence tecla(static_cast<QKeyEvent*>(e)->keyCombination());
        const auto pulsa = [&tecla](const Menu* m) {
            return m->accion()->shortcuts().contains(tecla);
        };
        if (pulsa(f_.mnuDes)) {
            f_.mnuDes_Click();
        } else if (pulsa(f_.mnuReh)) {
            f_.mnuReh_Click();
        } else {
            return false;
        }
        return true;
    }

private:
    Form1& f_;
};

// Step i's name in the language in use; empty beyond the stack.
QString nombreDePaso(const QUndoStack& pila, int i) {
    const auto* c = i >= 0 && i < pila.count()
                        ? dynamic_cast<const CambioDeMuestra*>(pila.command(i))
                        : nullptr;
    return c ? c->nombre().texto() : QString();
}

} // namespace

void Form1::componerMenuEditar() {
    QMenuBar& barra = *menuBar();
    pila_ = new QUndoStack(this);
    pila_->setUndoLimit(pasosGuardados);
    mnuEdi = new Menu(barra, QStringLiteral("mnuEdi"), FUENTE("Form1", "Editar"), true);
    mnuDes = new Menu(*mnuEdi, QStringLiteral("mnuDes"), QString());
    mnuReh = new Menu(*mnuEdi, QStringLiteral("mnuReh"), QString());
    // Both entries name their steps in the language in use, again after a change.
    alCambiarIdioma(mnuDes->accion(), ClaveTexto::Titulo, [this] { rotularDeshacer(); });
    mnuEdi->desplegable()->addSeparator();
    mnuCop = new Menu(*mnuEdi, QStringLiteral("mnuCop"), FUENTE("Form1", "Copiar resultados"));
    mnuCgr = new Menu(*mnuEdi, QStringLiteral("mnuCgr"), FUENTE("Form1", "Copiar gráfico"));
    mnuGgr = new Menu(*mnuEdi, QStringLiteral("mnuGgr"), FUENTE("Form1", "Guardar gráfico…"));
    mnuDes->accion()->setShortcut(QKeySequence::Undo);
    mnuReh->accion()->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    mnuCop->accion()->setShortcut(QKeySequence::Copy);
    for (Menu* m : {mnuDes, mnuReh, mnuCop, mnuCgr, mnuGgr}) {
        m->setEnabled(false);
    }
    connect(pila_, &QUndoStack::undoTextChanged, this, &Form1::rotularDeshacer);
    connect(pila_, &QUndoStack::redoTextChanged, this, &Form1::rotularDeshacer);
    connect(pila_, &QUndoStack::canUndoChanged, mnuDes, &Menu::setEnabled);
    connect(pila_, &QUndoStack::canRedoChanged, mnuReh, &Menu::setEnabled);
    connect(mnuDes, &Menu::Click, this, &Form1::mnuDes_Click);
    connect(mnuReh, &Menu::Click, this, &Form1::mnuReh_Click);
    connect(mnuCop, &Menu::Click, this, &Form1::mnuCop_Click);
    connect(mnuCgr, &Menu::Click, this, &Form1::mnuCgr_Click);
    connect(mnuGgr, &Menu::Click, this, &Form1::mnuGgr_Click);
    qApp->installEventFilter(new TeclasDeshacer(*this));
}

// ---------------------------------------------------------------------------
// Gestures.

Form1::Instantanea Form1::instantanea() const {
    Instantanea s;
    s.muestra = tomarEstado(g);
    for (int k = 1; k <= maxPuntos; ++k) {
        s.marcas[static_cast<std::size_t>(k)] = QPointF(Shape1(k).Left(), Shape1(k).Top());
    }
    s.xPredDiseno = xPredDiseno_;
    return s;
}

// "Deshacer «…»" and "Rehacer «…»", the steps' names read in the language in use.
void Form1::rotularDeshacer() {
    const QString atras = nombreDePaso(*pila_, pila_->index() - 1);
    const QString adelante = nombreDePaso(*pila_, pila_->index());
    mnuDes->accion()->setText(atras.isEmpty() ? tr("Deshacer") : tr("Deshacer «%1»").arg(atras));
    mnuReh->accion()->setText(adelante.isEmpty() ? tr("Rehacer")
                                                 : tr("Rehacer «%1»").arg(adelante));
}

void Form1::empezarGesto(NombreGesto nombre) {
    terminarGesto();
    const bool nueva = std::exchange(muestraNueva_, false);
    // Before the first sample there is nothing to go back to.
    if (g.nPuntos < minActivos) {
        return;
    }
    gesto_ = instantanea();
    nombreGesto_ = std::move(nombre);
    gestoDeMuestraNueva_ = nueva;
}

void Form1::terminarGesto() {
    if (!gesto_) {
        return;
    }
    Instantanea antes = std::move(*gesto_);
    gesto_.reset();
    Instantanea despues = instantanea();
    if (despues.muestra == antes.muestra && despues.marcas == antes.marcas) {
        return;
    }
    pila_->push(new CambioDeMuestra(*this, std::move(antes), std::move(despues), *nombreGesto_,
                                    gestoDeMuestraNueva_));
}

void Form1::restaurar(const Instantanea& s, bool otra) {
    // Whatever acts on the sample ends first, without a step of its own.
    gesto_.reset();
    terminarHerramienta();
    Timer1->setEnabled(false);
    g.arrastrando = 0;
    tomado_ = false;
    Frame6->setVisible(false);
    const bool otroRango = s.muestra.xMin != g.xMin || s.muestra.xMax != g.xMax ||
                           s.muestra.yMin != g.yMin || s.muestra.yMax != g.yMax ||
                           s.muestra.datosCargados != g.datosCargados;
    const bool otraMuestra = otra || otroRango || s.muestra.nPuntos != g.nPuntos;
    ponerEstado(g, s.muestra);
    xPredDiseno_ = s.xPredDiseno;
    if (otroRango) {
        rangoCambiado();
        fijarEscala(*Picture1, g.xMin, g.xMax, g.yMin, g.yMax);
    }
    // The markers where they were (a tool's limit may have left one off its
    // point), in the colours of their points.
    ubicarMarcadores();
    for (Integer k = 1; k <= maxPuntos; ++k) {
        const QPointF& m = s.marcas[static_cast<std::size_t>(k)];
        if (Shape1(k).Left() != m.x()) {
            Shape1(k).setLeft(m.x());
        }
        if (Shape1(k).Top() != m.y()) {
            Shape1(k).setTop(m.y());
        }
        if (k <= g.nPuntos) {
            colorearPunto(k, colorNormal(g, k));
        }
    }
    g.listaSinResaltar = 1;
    g.nivelConfEditado = g.nivelPredEditado = g.xPredEditado = g.tamanoEditado = 0;
    g.oMostrar->listarPuntos(g.nPuntos, g.xObs, g.yObs);
    serieGenerar();
    sumasAtrasadas_ = false; // the refresh summed the points afresh
    if (otraMuestra) {
        for (const auto& v : vistas_) {
            v->nuevaMuestra();
        }
    }
    anunciar();
}

// Each step said wherever the focus is: its name, then the summary of the
// fit that restaurar says; or that there is none.
void Form1::mnuDes_Click() {
    terminarGesto();
    if (!pila_->canUndo()) {
        hablar(tr("Nada que deshacer"));
        return;
    }
    hablar(tr("Deshecho: %1").arg(nombreDePaso(*pila_, pila_->index() - 1)));
    pila_->undo();
}

void Form1::mnuReh_Click() {
    terminarGesto();
    if (!pila_->canRedo()) {
        hablar(tr("Nada que rehacer"));
        return;
    }
    hablar(tr("Rehecho: %1").arg(nombreDePaso(*pila_, pila_->index())));
    pila_->redo();
}

} // namespace rectaviva
