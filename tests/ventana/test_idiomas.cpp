// The program in each language: the desktop's language picks the catalogue;
// after a switch no control, menu entry or accessible text is left in
// Spanish, every caption that fits its control in Spanish fits it in the
// translation, the menu bar keeps every entry on screen, the sample stays as
// it was, and switching back gives every Spanish text back exactly.
#include "ayudas_acciones.h"
#include "idioma.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QXmlStreamReader>

#include <map>
#include <set>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

// Each text the window shows or gives a screen reader, by where it sits.
std::map<QString, QString> textos(const Form1& f) {
    std::map<QString, QString> r;
    const auto anotar = [&r](const QObject* o, const char* que, const QString& t) {
        if (!t.isEmpty()) {
            r[o->objectName() + u'@' + QString::number(reinterpret_cast<quintptr>(o)) + u'.' +
              QLatin1String(que)] = t;
        }
    };
    for (const QWidget* w : f.findChildren<QWidget*>()) {
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            anotar(w, "texto", l->text());
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            anotar(w, "texto", b->text());
        }
        anotar(w, "ayuda", w->toolTip());
        anotar(w, "nombre", w->accessibleName());
        anotar(w, "descripcion", w->accessibleDescription());
    }
    for (const QAction* a : f.findChildren<QAction*>()) {
        anotar(a, "texto", a->text());
        anotar(a, "ayuda", a->toolTip());
    }
    return r;
}

// The Spanish texts a catalogue translates differently: none may be shown
// once its language is on.
std::set<QString> espanolTraducido(const QString& codigo) {
    QFile ts(QStringLiteral(RECTAVIVA_CATALOGOS "/rectaviva_%1.ts").arg(codigo));
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << ts.fileName().toStdString();
    std::set<QString> r;
    QXmlStreamReader x(&ts);
    QString fuente;
    while (x.readNextStartElement() || !x.atEnd()) {
        if (x.isStartElement() && x.name() == u"source") {
            fuente = x.readElementText();
        } else if (x.isStartElement() && x.name() == u"translation") {
            if (const QString t = x.readElementText(); t != fuente && !fuente.contains(u'%')) {
                r.insert(fuente);
            }
        } else {
            x.readNext();
        }
    }
    return r;
}

// Whether a label's or a button's text fits the control, wrapped as it wraps.
std::map<QString, bool> caben(const Form1& f) {
    std::map<QString, bool> r;
    for (const QLabel* l : f.findChildren<QLabel*>()) {
        if (l->text().isEmpty() || l->width() < 8) {
            continue;
        }
        const QRect caja(0, 0, l->width(), 100000);
        const int banderas = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect usado = l->fontMetrics().boundingRect(caja, banderas, l->text());
        r[l->objectName()] = usado.width() <= l->width() && usado.height() <= l->height();
    }
    for (const QAbstractButton* b : f.findChildren<QAbstractButton*>()) {
        if (!b->text().isEmpty()) {
            r[b->objectName()] = b->sizeHint().width() <= b->width() + 1;
        }
    }
    return r;
}

// The sample's points, and which are in use.
std::vector<float> puntos(const Form1& f) {
    std::vector<float> r;
    for (int k = 1; k <= f.g.nPuntos; ++k) {
        r.insert(r.end(), {f.g.xObs(k), f.g.yObs(k), float(f.g.activo(k))});
    }
    return r;
}

TEST(Idiomas, ElDelEscritorio) {
    const std::pair<const char*, const char*> casos[] = {
        {"es", "es"},       {"es-MX", "es"},    {"en", "en"},    {"en-GB", "en"}, {"en_US", "en"},
        {"pt-BR", "pt_BR"}, {"pt-PT", "pt_BR"}, {"pt", "pt_BR"}, {"fr-FR", ""},   {"C", ""}};
    for (const auto& [escritorio, codigo] : casos) {
        EXPECT_EQ(codigoDeIdioma(QLatin1String(escritorio)), QLatin1String(codigo)) << escritorio;
    }
}

TEST(Idiomas, CadaTextoEnSuIdiomaYEnSuSitio) {
    QAccessible::setActive(true);
    Form1 f;
    f.show();
    generarSembrado(f, 3);
    f.mnuRes->accion()->trigger();
    f.mnuInf->accion()->trigger();
    const std::vector<float> muestra = puntos(f);
    const auto espanol = textos(f);
    const auto cabenEnEspanol = caben(f);
    for (const char* codigo : {"en", "pt_BR"}) {
        SCOPED_TRACE(codigo);
        fijarIdioma(*qApp, QLatin1String(codigo));
        QCoreApplication::processEvents();
        const std::set<QString> fuentes = espanolTraducido(QLatin1String(codigo));
        ASSERT_GT(fuentes.size(), 100u);
        for (const auto& [donde, texto] : textos(f)) {
            EXPECT_FALSE(fuentes.contains(texto))
                << donde.toStdString() << ": " << texto.toStdString();
        }
        for (const auto& [nombre, cabe] : caben(f)) {
            EXPECT_TRUE(cabe || !cabenEnEspanol.at(nombre)) << nombre.toStdString();
        }
        const QMenuBar& barra = *f.menuBar();
        for (QAction* a : barra.actions()) {
            EXPECT_LE(barra.actionGeometry(a).right(), barra.width()) << a->text().toStdString();
        }
        EXPECT_EQ(puntos(f), muestra);
    }
    fijarIdioma(*qApp, QStringLiteral("es"));
    QCoreApplication::processEvents();
    EXPECT_EQ(textos(f), espanol);
}

} // namespace
