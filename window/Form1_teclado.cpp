// Form1 from the keyboard: the keys wired to their handlers and the Tab
// order (the tool row and each result panel one stop), F10 to the menus, a
// help icon's key, Escape closing what is open, and the summary of the fit
// that a screen reader speaks after a change and again on Ctrl+R. The points
// chosen and moved by keys are in Form1_eleccion.cpp.
#include "Form1.h"
#include "Grafico.h"

#include "colores.h"
#include "teclas.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>

namespace rectaviva {

namespace {

using teclas::esAccion;

} // namespace

void Form1::conectarTeclado() {
    puntos_ = crearPuntos();
    asideros_.insert(asideros_.begin(), puntos_.get());

    connect(Picture1, &PictureBox::KeyDown, this, &Form1::Picture1_KeyDown);
    connect(Picture2, &PictureBox::KeyDown, this, &Form1::Picture2_KeyDown);
    connect(Picture1, &PictureBox::LostFocus, this, &Form1::Picture_LostFocus);
    connect(Picture2, &PictureBox::LostFocus, this, &Form1::Picture_LostFocus);
    for (int i = Image1.LBound(); i <= Image1.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Image1(i), &Image::KeyDown, this,
                [this, k](int& c, int s) { Image1_KeyDown(k, c, s); });
        connect(&Image1(i), &Image::KeyUp, this,
                [this, k](int& c, int s) { Image1_KeyUp(k, c, s); });
        connect(&Image1(i), &Image::LostFocus, this, &Form1::soltarHerramientaTecla);
    }
    std::vector<QWidget*> herramientas(Image1.begin(), Image1.end());
    new GrupoDeFoco(herramientas, Qt::TabFocus, Qt::NoFocus, this);
    for (int i = Image2.LBound(); i <= Image2.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Image2(i), &Image::KeyDown, this,
                [this, k](int& c, int s) { Image2_KeyDown(k, c, s); });
        Image2(i).setFocusPolicy(Qt::TabFocus);
    }

    // Tab order: the plot, the list, the tool row (one stop), the entries,
    // the result panels (one stop each), the views' controls, the help icons.
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture2->setFocusPolicy(Qt::TabFocus);
    std::vector<QWidget*> orden{Picture1, Picture2};
    for (Image* i : Image1) {
        orden.push_back(i);
    }
    for (TextBox* t : {&Text2(10), &Text1(9), &Text4(0), &Text4(1), &Text4(6)}) {
        orden.push_back(t);
    }
    // Each result panel is one Tab stop; its arrows go box by box, in
    // reading order. The panels come in the order they were made.
    std::vector<std::vector<QWidget*>> paneles;
    std::vector<QWidget*> marcos;
    for (TextBox* t : Cliente->findChildren<TextBox*>()) {
        if (!t->isReadOnly()) {
            continue;
        }
        const auto it = std::find(marcos.begin(), marcos.end(), t->parentWidget());
        if (it == marcos.end()) {
            marcos.push_back(t->parentWidget());
            paneles.push_back({t});
        } else {
            paneles[static_cast<std::size_t>(it - marcos.begin())].push_back(t);
        }
    }
    for (std::vector<QWidget*>& panel : paneles) {
        std::stable_sort(panel.begin(), panel.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair{a->y(), a->x()} < std::pair{b->y(), b->x()};
        });
        new GrupoDeFoco(panel, Qt::StrongFocus, Qt::ClickFocus, this);
        orden.insert(orden.end(), panel.begin(), panel.end());
    }
    for (const auto& v : vistas_) {
        for (QWidget* w : v->ordenDeTab()) {
            orden.push_back(w);
        }
    }
    for (Image* i : Image2) {
        orden.push_back(i);
    }
    for (std::size_t k = 1; k < orden.size(); ++k) {
        setTabOrder(orden[k - 1], orden[k]);
    }

    // F10 puts the menu bar under the keyboard at its first entry.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        QMenuBar* barra = menuBar();
        barra->setFocus(Qt::MenuBarFocusReason);
        barra->setActiveAction(barra->actions().value(0));
    });
    aviso_ = new QWidget(Cliente);
    aviso_->setObjectName(QStringLiteral("Aviso"));
    aviso_->setGeometry(0, 0, 0, 0);
    aviso_->hide();
    auto* resumen = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(resumen, &QShortcut::activated, this, &Form1::leerResumen);
    FocoVisible::instalar();
}

// ---------------------------------------------------------------------------
// The help icons.

void Form1::Image2_KeyDown(Integer Index, int& KeyCode, int) {
    if (esAccion(KeyCode)) {
        KeyCode = 0;
        Image2_Click(Index);
    }
}

// ---------------------------------------------------------------------------
// Escape and the announcements.

bool Form1::cerrarAbiertos() {
    bool alguno = false;
    const auto cerrar = [&alguno](QWidget& w) {
        if (w.isVisibleTo(w.parentWidget())) {
            w.setVisible(false);
            alguno = true;
        }
    };
    for (int k = Picture3.LBound(); k <= Picture3.UBound(); ++k) {
        if (Picture3(k).isVisibleTo(Picture3(k).parentWidget())) {
            ocultarLamina(k);
            alguno = true;
        }
    }
    if (Frame6->Visible()) {
        cerrar(*Frame6);
        if (puntoValido(g.puntoSel)) {
            g.oMostrar->imprimirPunto(g.puntoSel, colorFilaNormal(g, g.puntoSel));
        }
    }
    cerrar(*List6);
    cerrar(*List3);
    return alguno;
}

void Form1::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && cerrarAbiertos()) {
        e->accept();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

// "Pendiente 1,23; R² 67 %; 12 puntos en uso", with the numbers as their
// boxes show them: the plot's description, and said to a screen reader.
void Form1::anunciar() {
    if (existeMuestra()) {
        resumir();
        hablar(anuncio_);
    }
}

// The summary in the language in use, as the plot's description, unsaid.
void Form1::resumir() {
    anuncio_ = tr("Pendiente %1; R² %2 %; %n puntos en uso", nullptr, g.nActivos)
                   .arg(Text1(1).Text().trimmed(), Text1(14).Text().trimmed());
    ponerDescripcionCallada(
        *Picture1, enNube(g) ? resumenDeDatos() + QStringLiteral(". ") + anuncio_ : anuncio_);
}

void Form1::leerResumen() {
    if (existeMuestra()) {
        decir(anuncio_);
    }
}

} // namespace rectaviva
