// The program's language: its catalogues, the desktop's choice and the
// user's, kept in the settings.
#include "idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace rectaviva {

namespace {

constexpr Idioma kIdiomas[] = {
    {"es", "Español"}, {"en", "English"}, {"pt_BR", "Português (Brasil)"}};

const char* const kClave = "idioma";

struct Instalados {
    QString codigo = QStringLiteral("es");
    QTranslator* programa = nullptr;
    QTranslator* qt = nullptr;
};

Instalados& instalados() {
    static Instalados i;
    return i;
}

bool conocido(const QString& codigo) {
    for (const Idioma& i : kIdiomas) {
        if (codigo == QLatin1String(i.codigo)) {
            return true;
        }
    }
    return false;
}

void quitar(QCoreApplication& app, QTranslator*& t) {
    if (t) {
        app.removeTranslator(t);
        delete t;
        t = nullptr;
    }
}

} // namespace

QString codigoDeIdioma(const QString& idiomaDelEscritorio) {
    const QString base = idiomaDelEscritorio.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (base == u"pt") {
        return QStringLiteral("pt_BR");
    }
    return conocido(base) ? base : QString();
}

std::span<const Idioma> idiomas() {
    return kIdiomas;
}

QString idiomaInicial() {
    const QString elegido = QSettings().value(QLatin1String(kClave)).toString();
    if (conocido(elegido)) {
        return elegido;
    }
    for (const QString& l : QLocale().uiLanguages()) {
        if (const QString c = codigoDeIdioma(l); !c.isEmpty()) {
            return c;
        }
    }
    return QStringLiteral("es");
}

void fijarIdioma(QCoreApplication& app, const QString& codigo) {
    Instalados& i = instalados();
    i.codigo = conocido(codigo) ? codigo : QStringLiteral("es");
    quitar(app, i.programa);
    quitar(app, i.qt);
    // Spanish, the texts' own language, has a catalogue of its plurals only.
    auto* t = new QTranslator(&app);
    if (t->load(QStringLiteral(":/i18n/rectaviva_") + i.codigo)) {
        app.installTranslator(t);
        i.programa = t;
    } else {
        delete t;
    }
    i.qt = instalarTextosDeQt(app, i.codigo);
}

QString idiomaActual() {
    return instalados().codigo;
}

void recordarIdioma(const QString& codigo) {
    QSettings().setValue(QLatin1String(kClave), codigo);
}

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
