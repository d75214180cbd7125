// The register of texts that follow the language: one entry per object and
// key, dropped when the object is destroyed.
#include "Traduccion.h"

#include <QAction>
#include <QHash>
#include <QObject>
#include <QWidget>

#include <array>

namespace rectaviva {

namespace {

constexpr std::size_t kClaves = static_cast<std::size_t>(ClaveTexto::Otro) + 1;
using Ponedores = std::array<std::function<void()>, kClaves>;

QHash<QObject*, Ponedores>& registro() {
    static QHash<QObject*, Ponedores> r;
    return r;
}

} // namespace

void alCambiarIdioma(QObject* o, ClaveTexto clave, std::function<void()> poner) {
    auto& r = registro();
    auto it = r.find(o);
    if (it == r.end()) {
        it = r.insert(o, Ponedores{});
        QObject::connect(o, &QObject::destroyed, [o] { registro().remove(o); });
    }
    poner();
    (*it)[static_cast<std::size_t>(clave)] = std::move(poner);
}

void olvidarTexto(QObject* o, ClaveTexto clave) {
    auto& r = registro();
    if (const auto it = r.find(o); it != r.end()) {
        (*it)[static_cast<std::size_t>(clave)] = nullptr;
    }
}

void retraducirTextos() {
    // A copy: a text set here may register or forget others.
    const auto copia = registro();
    for (const Ponedores& p : copia) {
        for (const auto& poner : p) {
            if (poner) {
                poner();
            }
        }
    }
}

void traducirAyuda(QWidget& w, Fuente f) {
    alCambiarIdioma(&w, ClaveTexto::Ayuda, [&w, f] { w.setToolTip(f.traducida()); });
}

void traducirAyuda(QAction& a, Fuente f) {
    alCambiarIdioma(&a, ClaveTexto::Ayuda, [&a, f] { a.setToolTip(f.traducida()); });
}

void traducirNombre(QWidget& w, Fuente f) {
    alCambiarIdioma(&w, ClaveTexto::Nombre, [&w, f] { w.setAccessibleName(f.traducida()); });
}

void traducirDescripcion(QWidget& w, Fuente f) {
    alCambiarIdioma(&w, ClaveTexto::Descripcion,
                    [&w, f] { w.setAccessibleDescription(f.traducida()); });
}

} // namespace rectaviva
