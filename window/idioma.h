// The program's language: the languages it speaks, the one it starts in (the
// user's last choice, else the desktop's) and the change of language, which
// installs the program's catalogue and Qt's own for message boxes, file
// dialogs, the undo stack's texts and the context menus of entries.
#pragma once

#include <QString>

#include <span>

class QCoreApplication;
class QTranslator;

namespace rectaviva {

// A language by its catalogue's code and its own name, as the menu lists it.
struct Idioma {
    const char* codigo;
    const char* nombre; ///< UTF-8, never translated
};

// Spanish first: the program's texts are written in it and need no catalogue.
std::span<const Idioma> idiomas();

// The program's code for a desktop language such as "pt-BR", "en-GB" or
// "es" (any Portuguese is Brazil's); empty for one it does not speak.
QString codigoDeIdioma(const QString& idiomaDelEscritorio);

// The language to start in: the one chosen last (kept in the settings), else
// the first of the desktop's languages (QLocale::uiLanguages, which LANGUAGE
// sets) that the program speaks, else Spanish.
QString idiomaInicial();

// Makes `codigo` the language in use: the previous catalogues are removed and
// those of `codigo` installed, which sends every window a LanguageChange. An
// unknown code is Spanish. A missing catalogue of Qt's is not an error: its
// dialogs then stay as Qt ships them.
void fijarIdioma(QCoreApplication& app, const QString& codigo);
// The language in use ("es" before any change).
QString idiomaActual();
// Keeps `codigo` as the language to start in next time.
void recordarIdioma(const QString& codigo);

// Installs on `app` Qt's own catalogue for `idioma` (for instance "es"),
// read from Qt's translations folder, and returns it; nullptr when it is
// missing.
QTranslator* instalarTextosDeQt(QCoreApplication& app, const QString& idioma);

} // namespace rectaviva
