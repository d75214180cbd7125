// Qt's own catalogue for the program's language, from Qt's translations folder.
#include "idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rectaviva {

QTranslator* instalarTextosDeQt(QCoreApplication& app, const QString& idioma) {
    auto* catalogo = new QTranslator(&app);
    if (!catalogo->load(QLatin1String("qtbase_") + idioma,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete catalogo;
        return nullptr;
    }
    app.installTranslator(catalogo);
    return catalogo;
}

} // namespace rectaviva
