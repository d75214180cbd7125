// Form1's menu "Editar": undo and redo of every change of the sample, one
// step per finished gesture, on Qt's QUndoStack; the results copied as text
// and as a table; the plot copied as an image or saved as PNG or SVG.
#include "Form1.h"

#include "Grafico.h"
#include "dato.h"
#include "tabla_puntos.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>
#include <QUndoCommand>

#include <algorithm>
#include <map>
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
    ubicarPuntos(Shape1, g, g.nPuntos, g.xObs, g.yObs);
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

// ---------------------------------------------------------------------------
// The results and the plot, out.

QString Form1::textoResultados(bool html) const {
    const QString punto = QLocale::system().decimalPoint();
    QString texto;
    const auto fila = [&](const QStringList& campos, bool cabecera = false) {
        if (html) {
            const QString celda = cabecera ? QStringLiteral("th") : QStringLiteral("td");
            texto += QStringLiteral("<tr>");
            for (const QString& c : campos) {
                texto += QStringLiteral("<%1>%2</%1>").arg(celda, c.toHtmlEscaped());
            }
            texto += QStringLiteral("</tr>\n");
        } else {
            texto += campos.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    };
    if (html) {
        texto += QStringLiteral("<table>\n");
    }
    // A transformation named once, which the boxes' names then leave out.
    if (const QString t = tituloTransformado(g); !t.isEmpty()) {
        fila({t}, true);
    }
    // Panel by panel, each box in reading order: top to bottom, left to right.
    std::map<const QWidget*, std::vector<const TextBox*>> paneles;
    std::vector<const QWidget*> orden;
    for (const TextBox* t : findChildren<TextBox*>()) {
        const QWidget* panel = t->parentWidget();
        if (!t->isVisibleTo(this) || t->accessibleName().isEmpty() || panel == nullptr) {
            continue;
        }
        if (paneles[panel].empty()) {
            orden.push_back(panel);
        }
        paneles[panel].push_back(t);
    }
    const auto arriba = [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    };
    // The panels beside the plot first, top to bottom, then those under it.
    const auto lugar = [this](const QWidget* w) {
        const QPoint p = w->mapTo(this, QPoint());
        return std::pair(p.x() < width() / 2, p.y());
    };
    std::sort(orden.begin(), orden.end(),
              [&](const QWidget* a, const QWidget* b) { return lugar(a) < lugar(b); });
    for (const QWidget* panel : orden) {
        auto& cajas = paneles[panel];
        std::sort(cajas.begin(), cajas.end(), arriba);
        const QString titulo = panel->accessibleName();
        fila({titulo.isEmpty() ? panel->objectName() : titulo}, true);
        for (const TextBox* t : cajas) {
            fila({nombreEnCopia(g, t->accessibleName()), t->Text().trimmed()});
        }
    }
    fila({tr("Puntos")}, true);
    const std::vector<QStringList> puntos = tablaDePuntos(g, punto);
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        fila(puntos[i], i == 0);
    }
    if (html) {
        texto += QStringLiteral("</table>\n");
    }
    return texto;
}

void Form1::mnuCop_Click() {
    if (!existeMuestra()) {
        return;
    }
    auto* mime = new QMimeData;
    mime->setText(textoResultados(false));
    mime->setHtml(textoResultados(true));
    QGuiApplication::clipboard()->setMimeData(mime);
}

QImage Form1::imagenGrafico(double escala) {
    const QSize tam = Picture1->size();
    QImage imagen((QSizeF(tam) * escala).toSize(), QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(escala);
    QPainter p(&imagen);
    Picture1->pintarEn(p);
    return imagen;
}

void Form1::mnuCgr_Click() {
    if (existeMuestra()) {
        QGuiApplication::clipboard()->setImage(imagenGrafico(2.0));
    }
}

bool Form1::guardarGrafico(const QString& ruta, double escala) {
    bool bien = false;
    if (ruta.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        // Drawn as vectors: the grid, the markers and the lines stay sharp.
        QSvgGenerator svg;
        svg.setFileName(ruta);
        svg.setSize(Picture1->size());
        svg.setViewBox(QRect(QPoint(), Picture1->size()));
        svg.setTitle(QStringLiteral("Rectaviva"));
        QPainter p;
        if (p.begin(&svg)) {
            Picture1->pintarEn(p);
            bien = p.end();
        }
        bien = bien && QFileInfo(ruta).size() > 0;
    } else {
        bien = imagenGrafico(escala).save(ruta, "PNG");
    }
    if (!bien) {
        avisar_(tr("No se pudo guardar «%1».").arg(QFileInfo(ruta).fileName()));
    }
    return bien;
}

void Form1::mnuGgr_Click() {
    if (!existeMuestra()) {
        return;
    }
    const QStringList filtros{tr("Imagen PNG (*.png)"), tr("Imagen PNG al doble de tamaño (*.png)"),
                              tr("Imagen PNG al cuádruple de tamaño (*.png)"),
                              tr("Dibujo SVG, nítido a cualquier tamaño (*.svg)")};
    QString filtro = filtros.front();
    const QString propuesto =
        QStringLiteral("rectaviva-%1.png").arg(QDate::currentDate().toString(Qt::ISODate));
    QString ruta = QFileDialog::getSaveFileName(this, tr("Guardar gráfico"), propuesto,
                                                filtros.join(QStringLiteral(";;")), &filtro);
    if (ruta.isEmpty()) {
        return;
    }
    const qsizetype i = std::max<qsizetype>(0, filtros.indexOf(filtro));
    const QString extension = i == 3 ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!ruta.endsWith(extension, Qt::CaseInsensitive)) {
        ruta = QFileInfo(ruta).path() + QLatin1Char('/') + QFileInfo(ruta).completeBaseName() +
               extension;
    }
    guardarGrafico(ruta, i == 1 ? 2.0 : i == 2 ? 4.0 : 1.0);
}

} // namespace rectaviva
