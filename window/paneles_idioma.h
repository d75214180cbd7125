// What the panels and the explanation sheets need to follow the language:
// panel labels whose captions are set again translated after each change,
// a sheet's picture and words in the language in use (the Spanish where the
// language has none) and the name a screen reader gives a sheet.
#pragma once

#include "capa_controles.h"
#include "composicion.h"

#include <QString>

#include <initializer_list>

namespace rectaviva {

class Form1;
class Vista;

// crearLabels, each caption that is not empty kept in the language in use,
// translated in `contexto` (write each with QT_TRANSLATE_NOOP in that
// context, so that lupdate finds it).
void crearLabelsTraducidos(QWidget* padre, Matriz<Label>& m, const char* base, const char* contexto,
                           std::initializer_list<DisenoLabel> disenos);

// ":/laminas/<language>/lamina<k>.<extension>" when the language in use has
// that file, else the Spanish ":/laminas/lamina<k>.<extension>".
QString rutaDeLamina(int k, const char* extension);

// "Fórmulas " + tema and "Explicación " + tema, the names of a sheet and of
// its help icon, in the language in use (tema written with
// QT_TRANSLATE_NOOP in the context "laminas").
QString formulasDe(const char* tema);
QString explicacionDe(const char* tema);
// Those names given to the icon and the sheet, kept in the language in use.
void traducirNombresDeLamina(QWidget& icono, QWidget& lamina, const char* tema);
// The same for each sheet of view v (each view calls it as it names its
// controls, after the window has named the sheets in Spanish).
void traducirNombresDeLaminas(Form1& f, const Vista& v);

} // namespace rectaviva
