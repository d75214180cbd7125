// A view beyond the design: what it computes after each fit, what it shows
// and how it hides, its items on the plot, its panel under the plot, its
// keyboard handles, its accessible names and its explanation sheet. The
// window keeps its views in one list (vistas.h), in the order they draw, and
// calls each at the points below; a view that is off does nothing there.
//
// A view is one class with its controls beside it: `Controles`, a struct of
// the controls it adds to the window, named as the window's own, which the
// window carries as a base, so that `Form1::Frame7` is a control like
// `Form1::Frame3`.
#pragma once

#include "Globales.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

class QMenuBar;
class QWidget;

namespace rectaviva {

class Form1;
class Menu;
class mostrar;

// The layers of the plot a view may add to: light items under the markers
// (a marker is never covered) or over them, and widgets on the plot (after
// its help icon, under the delete/restore pop-up).
enum class Capa { BajoMarcadores, SobreMarcadores, Controles };

// A view's explanation sheet: Picture3(indice) with its help icon
// Image2(indice), the picture laminas/lamina<indice>.svg (or the language's
// own), opened beside the plot `alto` layout units high; a screen reader
// calls it "Fórmulas " + tema, in the language in use (formulasDe).
struct Lamina {
    int indice;
    const char* tema; ///< UTF-8, written with QT_TRANSLATE_NOOP("laminas", …)
    double alto;      ///< layout units down
};

class Vista {
public:
    virtual ~Vista() = default;

    // --- Composition, in the order the window builds itself.
    // Its entry in "Ver", after the design's entries; or a menu of its own
    // in the menu bar, after "Editar".
    virtual void componerMenu(Menu& ver) = 0;
    virtual void componerBarra(QMenuBar&) {}
    // Its items or widgets in one layer of the plot.
    virtual void componerPlano(Capa) {}
    // Its panel under the plot, which it hands to the window's slot.
    virtual void componerPanel() {}
    // Once the presentation exists: the view's own drawing.
    virtual void cargar(mostrar& m) = 0;
    // The layout: colours and scales once, places after every new size.
    virtual void ajustar() {}
    virtual void distribuir() {}

    // Its menu entry, usable once a sample exists, and its sheet (with a
    // second one, those it opens).
    virtual Menu& menu() const = 0;
    // Whether that entry waits for a sample (a challenge draws its own).
    virtual bool pideMuestra() const { return true; }
    virtual Lamina lamina() const = 0;
    virtual std::vector<Lamina> laminas() const { return {lamina()}; }

    // --- The series that refit: right after each fit, and with the rest.
    virtual void trasAjuste() {}
    virtual void mostrarVista() {}
    // After a change of language, whether or not a sample exists: what the
    // view shows in words and mostrarVista does not write again.
    virtual void retraducir() {}
    // Ends the view: everything it added hidden, the window as though it
    // had never been on.
    virtual void dejar() {}

    // --- The sample and the mouse.
    // A new sample ends what acted on the old one; then it is shown.
    virtual void nuevaMuestraEmpieza() {}
    virtual void nuevaMuestra() {}
    // Point k's marker changed colour (picked or back to normal).
    virtual void puntoColoreado(Integer) {}
    // Point k held with the left button; 0 at the release.
    virtual void puntoTomado(Integer) {}
    // A left press on the plot that picks no point: true when the view takes
    // something of its own there, which then moves at each tick of the drag
    // timer until the release.
    virtual bool tomarEnPlano(Single, Single) { return false; }
    virtual bool sostiene() const { return false; }
    virtual void pasoDeArrastre() {}
    virtual void soltarEnPlano() {}
    // A point dragged to (x, y), plot units: the view may hold it back.
    virtual void limitarArrastre(Single&, Single&) {}

    // --- Keyboard and screen reader.
    virtual void nombrarControles() {}
    // Its widgets in the Tab order, after the entries.
    virtual std::vector<QWidget*> ordenDeTab() { return {}; }

    // How it tells a screen reader what its own commands did: through the
    // window's notification path, as the window tells a drop.
    void setHablar(std::function<void(const QString&)> hablar) { hablar_ = std::move(hablar); }

protected:
    void hablar(const QString& texto) const {
        if (hablar_) {
            hablar_(texto);
        }
    }

private:
    std::function<void(const QString&)> hablar_;
};

// The list of views: the window carries their controls as its own and
// creates one of each, in this order.
// The view of type V among the window's, or nullptr.
template <class V> V* buscarVista(const std::vector<std::unique_ptr<Vista>>& vistas) {
    for (const auto& v : vistas) {
        if (auto* w = dynamic_cast<V*>(v.get())) {
            return w;
        }
    }
    return nullptr;
}

template <class... V> struct ListaDeVistas {
    struct Controles : V::Controles... {};
    // The highest sheet index among the design's (0..7) and the views'
    // (a view with a second sheet has it as laminaSegunda).
    template <class W> static constexpr int ultimaDe() {
        if constexpr (requires { W::laminaSegunda; }) {
            return std::max(W::laminaDeVista.indice, W::laminaSegunda.indice);
        } else {
            return W::laminaDeVista.indice;
        }
    }
    static constexpr int ultimaLamina = std::max({7, ultimaDe<V>()...});
    static std::vector<std::unique_ptr<Vista>> crear(Form1& f) {
        std::vector<std::unique_ptr<Vista>> v;
        (v.push_back(std::make_unique<V>(f)), ...);
        return v;
    }
};

} // namespace rectaviva
