// Every check box, choice and checkable menu entry driven by a screen
// reader's action (toggle where the control offers it, else press), one
// after another in one window: its mark changes and the program's state
// follows it, as with the mouse; a second toggle of a box or an entry takes
// both back. Run on a screen that the zoom enlarges, so that "Ampliar a la
// pantalla" shows.
#include "ayudas_acciones.h"

#include <QAccessible>

#include <functional>
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

} // namespace
