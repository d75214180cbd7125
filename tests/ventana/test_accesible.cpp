// Every check box, choice and checkable menu entry driven by a screen
// reader's action (toggle where the control offers it, else press), one
// after another in one window: its mark changes and the program's state
// follows it, as with the mouse; a second toggle of a box or an entry takes
// both back. Run on a screen that the zoom enlarges, so that "Ampliar a la
// pantalla" shows.
#include "ayudas_acciones.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>

#include <functional>
#include <map>
#include <set>
#include <tuple>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

bool marcado(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->state().checked;
}

void actuar(QObject* o) {
    QAccessibleActionInterface* a = QAccessible::queryAccessibleInterface(o)->actionInterface();
    const QString alternar = QAccessibleActionInterface::toggleAction();
    const bool presion = !a->actionNames().contains(alternar);
    a->doAction(presion ? QAccessibleActionInterface::pressAction() : alternar);
    QTest::qWait(presion ? 300 : 0); // a pressed button clicks a moment later
}

TEST(Accesible, CadaMarcaSigueASuAccion) {
    QAccessible::setActive(true);
    Form1 f;
    generarSembrado(f, 3);
    // What the simulation's panel counts after one more batch; its title.
    const auto cuentan = [&f](const char* que) {
        f.Command1(2).click();
        return f.Label8(cuentaSimulada).Caption().contains(que);
    };
    const auto de = [&f](const char* e) { return f.Label8(tituloHistograma).Caption() == e; };
    const std::vector<std::tuple<QObject*, Menu*, std::function<bool()>>> casos{
        {f.mnuInf->accion(), nullptr, [&] { return f.g.influenciaActiva == 1; }},
        {f.mnuExa->accion(), nullptr, [&] { return f.g.valoresExactos == 1; }},
        {f.mnuAmp->accion(), nullptr, [] { return ampliacion() > 1; }},
        {f.Check1, f.mnuRes, [&] { return f.Shape5(1).Visible(); }},
        {f.Check2, f.mnuMia, [&] { return f.Shape5(1).Visible(); }},
        {&f.Option2(1), f.mnuSim, [&] { return cuentan("barajadas"); }},
        {&f.Option2(2), nullptr, [&] { return cuentan("remuestras"); }},
        {&f.Option2(0), nullptr, [&] { return cuentan(" muestras de"); }},
        {&f.Option1(1), nullptr, [&] { return de("Distribución de a"); }},
        {&f.Option1(3), nullptr, [&] { return de("Distribución de t"); }},
        {&f.Option1(0), nullptr, [&] { return de("Distribución de b"); }},
    };
    for (const auto& [o, vista, estado] : casos) {
        SCOPED_TRACE(o->objectName().toStdString());
        if (vista) {
            vista->accion()->trigger();
        }
        EXPECT_FALSE(marcado(o) || estado());
        actuar(o);
        EXPECT_TRUE(marcado(o) && estado());
        if (!qobject_cast<QRadioButton*>(o)) {
            actuar(o);
            EXPECT_FALSE(marcado(o) || estado());
        }
    }
}

// The window after a sample, then with each view on in turn (each kind of
// round for "Retos", a data set for "Transformar…"): at each step, `ver` is
// given the window's visible buttons.
void cadaPaso(Form1& f, const std::function<void(QAbstractButton&)>& ver) {
    const auto mirar = [&] {
        for (QAbstractButton* b : f.findChildren<QAbstractButton*>()) {
            if (b->isVisibleTo(&f) && b->isEnabled()) {
                ver(*b);
            }
        }
    };
    generarSembrado(f, 3);
    mirar();
    for (Menu* m : {f.mnuRes, f.mnuInf, f.mnuMia, f.mnuSim}) {
        m->accion()->trigger();
        mirar();
    }
    for (int k = 0; k < 4; ++k) {
        f.mnuReto(k).accion()->trigger();
        mirar();
    }
    f.mnuConjunto.back()->accion()->trigger();
    f.mnuTra->accion()->trigger();
    mirar();
}

// Ctrl+Z and Ctrl+Mayús+Z with the focus on each button, each heard through
// the notification path: with nothing to undo (the entries' shortcuts then
// disabled, so the key goes to the button) that there is nothing; and, on
// the first, one step undone and redone, with its name and the summary.
TEST(Accesible, DeshacerSeOyeDesdeCadaBoton) {
    QAccessible::setActive(true);
    Form1 f;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    const auto tecla = [&f](QAbstractButton& b, Qt::KeyboardModifiers m) {
        b.setFocus();
        QCoreApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, m);
        QCoreApplication::processEvents();
        return f.dicho();
    };
    const Qt::KeyboardModifiers atras = Qt::ControlModifier,
                                adelante = Qt::ControlModifier | Qt::ShiftModifier;
    int botones = 0;
    cadaPaso(f, [&](QAbstractButton& b) {
        if (!(b.focusPolicy() & Qt::TabFocus)) {
            return;
        }
        SCOPED_TRACE(b.objectName().toStdString());
        if (botones++ == 0) {
            generarSembrado(f, 5);
            const QString deshecho = tecla(b, atras);
            EXPECT_EQ(deshecho, "Deshecho: Generar. " + f.anuncio());
            const QString rehecho = tecla(b, adelante);
            EXPECT_EQ(rehecho, "Rehecho: Generar. " + f.anuncio());
        }
        f.pila().clear();
        EXPECT_EQ(tecla(b, atras), "Nada que deshacer");
        EXPECT_EQ(tecla(b, adelante), "Nada que rehacer");
    });
    EXPECT_GT(botones, 20);
}

// Every choice, check box and entry of the window, with each view on: a
// name of its own, not empty, that no other control of the window has.
TEST(Accesible, CadaOpcionTieneNombrePropio) {
    Form1 f;
    std::map<QString, std::set<QString>> porNombre;
    const auto nombrar = [&porNombre](QWidget& w) {
        porNombre[QAccessible::queryAccessibleInterface(&w)->text(QAccessible::Name)].insert(
            w.objectName());
    };
    cadaPaso(f, [&](QAbstractButton& b) {
        if (qobject_cast<QRadioButton*>(&b) || qobject_cast<QCheckBox*>(&b)) {
            nombrar(b);
        }
        for (TextBox* t : f.findChildren<TextBox*>()) {
            if (t->isVisibleTo(&f) && !t->isReadOnly()) {
                nombrar(*t);
            }
        }
    });
    for (const auto& [nombre, objetos] : porNombre) {
        SCOPED_TRACE(nombre.toStdString());
        EXPECT_FALSE(nombre.trimmed().isEmpty())
            << QStringList(objetos.begin(), objetos.end()).join(' ').toStdString();
        EXPECT_EQ(objetos.size(), 1u)
            << QStringList(objetos.begin(), objetos.end()).join(' ').toStdString();
    }
}

} // namespace
