// "Ver" → "Idioma": the languages the program speaks, each by its own name,
// and the change of every text when one is chosen. The sample, the views,
// the panels, the undo steps and the settings stay as they are; what they
// show is shown again in the new language.
#include "Form1.h"
#include "idioma.h"

#include <QActionGroup>
#include <QApplication>

namespace rectaviva {

void Form1::componerMenuIdioma() {
    mnuIdi = new Menu(*mnuVe, QStringLiteral("mnuIdi"), FUENTE("Form1", "Idioma"), true);
    auto* grupo = new QActionGroup(mnuIdi);
    const QString actual = idiomaActual();
    int i = 0;
    for (const Idioma& idioma : idiomas()) {
        auto* m = new Menu(*mnuIdi, QStringLiteral("mnuIdioma_%1").arg(i),
                           QString::fromUtf8(idioma.nombre));
        m->setCheckable(true);
        m->accion()->setActionGroup(grupo);
        m->accion()->setChecked(actual == QLatin1String(idioma.codigo));
        connect(m, &Menu::Click, this, [this, i] { mnuIdioma_Click(i); });
        mnuIdioma.push_back(m);
        ++i;
    }
}

void Form1::mnuIdioma_Click(int i) {
    const QString codigo = QLatin1String(idiomas()[static_cast<std::size_t>(i)].codigo);
    mnuIdioma[static_cast<std::size_t>(i)]->accion()->setChecked(true);
    if (codigo == idiomaActual()) {
        return;
    }
    fijarIdioma(*QCoreApplication::instance(), codigo);
    recordarIdioma(codigo);
}

void Form1::retraducir() {
    retraducirTextos();
    for (const auto& v : vistas_) {
        v->retraducir();
    }
    retraducirListas();
    if (!existeMuestra()) {
        return;
    }
    // The panels' sentences are written from the results the views keep.
    for (const auto& v : vistas_) {
        v->mostrarVista();
    }
    // What a screen reader reads of the plot, in the new words, unsaid.
    resumir();
}

} // namespace rectaviva
