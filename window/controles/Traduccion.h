// Texts written in the program's own language (Spanish) and shown in the
// language in use. A text set from a `Fuente` is set again, translated, after
// each change of language; a text set by the program as a plain string is
// the program's to keep up to date.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QAction;
class QObject;
class QWidget;

namespace rectaviva {

// A text as written and the context its translation is kept under.
struct Fuente {
    const char* contexto = nullptr;
    const char* texto = nullptr; ///< UTF-8
    QString traducida() const { return QCoreApplication::translate(contexto, texto); }
};

// Marks a text for lupdate (an alias of QT_TRANSLATE_NOOP, given to it by the
// build) and makes its Fuente.
#define FUENTE(contexto, texto) (::rectaviva::Fuente{contexto, texto})

// Which text of an object a translation sets; each object keeps one of each.
enum class ClaveTexto { Titulo, Ayuda, Nombre, Descripcion, Otro };

// Runs `poner` now and again after each change of language while `o` lives.
// A later call for the same object and key replaces it.
void alCambiarIdioma(QObject* o, ClaveTexto clave, std::function<void()> poner);
// The program sets that text itself from now on.
void olvidarTexto(QObject* o, ClaveTexto clave);
// Sets every text registered above in the language now in use.
void retraducirTextos();

// The usual texts of a widget or a menu entry: tooltip, accessible name and
// description, kept in the language in use.
void traducirAyuda(QWidget& w, Fuente f);
void traducirAyuda(QAction& a, Fuente f);
void traducirNombre(QWidget& w, Fuente f);
void traducirDescripcion(QWidget& w, Fuente f);

// A control's caption or a menu entry's text kept in the language in use
// (set through setText, which the controls' setCaption does not forget).
template <class Control> void traducirTitulo(Control& c, Fuente f) {
    alCambiarIdioma(&c, ClaveTexto::Titulo, [&c, f] { c.setText(f.traducida()); });
}

} // namespace rectaviva
