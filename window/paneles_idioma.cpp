// Panel labels and explanation sheets in the language in use.
#include "paneles_idioma.h"

#include "Form1.h"
#include "idioma.h"

#include <QCoreApplication>
#include <QFile>

namespace rectaviva {

void crearLabelsTraducidos(QWidget* padre, Matriz<Label>& m, const char* base, const char* contexto,
                           std::initializer_list<DisenoLabel> disenos) {
    crearLabels(padre, m, base, disenos);
    int k = 0;
    for (const DisenoLabel& d : disenos) {
        if (*d.texto.texto != '\0') {
            traducirTitulo(m(k),
                           Fuente{d.texto.contexto ? d.texto.contexto : contexto, d.texto.texto});
        }
        ++k;
    }
}

QString rutaDeLamina(int k, const char* extension) {
    const QString idioma = idiomaActual();
    if (idioma != QLatin1String("es")) {
        const QString ruta =
            QStringLiteral(":/laminas/%1/lamina%2.%3").arg(idioma).arg(k).arg(extension);
        if (QFile::exists(ruta)) {
            return ruta;
        }
    }
    return QStringLiteral(":/laminas/lamina%1.%2").arg(k).arg(extension);
}

QString formulasDe(const char* tema) {
    return QCoreApplication::translate("laminas", "Fórmulas %1")
        .arg(QCoreApplication::translate("laminas", tema));
}

QString explicacionDe(const char* tema) {
    return QCoreApplication::translate("laminas", "Explicación %1")
        .arg(QCoreApplication::translate("laminas", tema));
}

void traducirNombresDeLamina(QWidget& icono, QWidget& lamina, const char* tema) {
    alCambiarIdioma(&icono, ClaveTexto::Nombre,
                    [&icono, tema] { icono.setAccessibleName(explicacionDe(tema)); });
    alCambiarIdioma(&lamina, ClaveTexto::Nombre,
                    [&lamina, tema] { lamina.setAccessibleName(formulasDe(tema)); });
}

void traducirNombresDeLaminas(Form1& f, const Vista& v) {
    for (const Lamina& l : v.laminas()) {
        traducirNombresDeLamina(f.Image2(l.indice), f.Picture3(l.indice), l.tema);
    }
}

} // namespace rectaviva
