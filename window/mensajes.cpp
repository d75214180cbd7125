// The engine's texts translated, with their values.
#include "mensajes.h"

#include <QCoreApplication>

namespace rectaviva {

namespace {

QString deUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QString traducir(const Plantilla& p) {
    return p.texto == nullptr ? QString() : QCoreApplication::translate(p.contexto, p.texto);
}

QString traducir(const Mensaje& m) {
    const QString t = traducir(m.plantilla);
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const qsizetype k = i + 1 < t.size() ? t[i + 1].unicode() - u'1' : -1;
        if (t[i] == u'%' && k >= 0 && k < 9 && static_cast<std::size_t>(k) < m.valores.size()) {
            r += deUtf8(m.valores[static_cast<std::size_t>(k)]);
            ++i;
        } else {
            r += t[i];
        }
    }
    return r;
}

QString traducir(const Plantilla& p, const QString& valor) {
    return traducir(Mensaje{p, {valor.toStdString()}});
}

QString nombreMostrado(const std::string& nombre) {
    return nombre.empty() ? QString() : QCoreApplication::translate("conjuntos", nombre.c_str());
}

} // namespace rectaviva
