// Entry point of the Qt test suites: a QApplication on Qt's offscreen
// platform with the screen described by tests/pantallas/<name>.json, where
// <name> comes from RECTAVIVA_PANTALLA (1024x768 when unset, as when the
// suite is listed at build time).
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QTranslator>

#include <gtest/gtest.h>

#include "pantalla_esperada.h"

namespace {
PantallaEsperada esperada;
}

PantallaEsperada pantallaEsperada() {
    return esperada;
}

int main(int argc, char** argv) {
    QByteArray nombre = qgetenv("RECTAVIVA_PANTALLA");
    if (nombre.isEmpty()) {
        nombre = "1024x768";
    }
    const QString archivo = QStringLiteral(RECTAVIVA_PANTALLAS "/") + nombre + ".json";
    QFile f(archivo);
    if (f.open(QIODevice::ReadOnly)) {
        const QJsonObject s =
            QJsonDocument::fromJson(f.readAll()).object()["screens"].toArray().at(0).toObject();
        esperada = {s["width"].toInt(), s["height"].toInt(), s["logicalDpi"].toInt(96)};
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + archivo.toLocal8Bit());
    QApplication app(argc, argv);
    // The program's Spanish plurals, as the program installs them at start,
    // where the suite links the window's catalogues.
    QTranslator plurales;
    if (plurales.load(QStringLiteral(":/i18n/rectaviva_es"))) {
        QApplication::installTranslator(&plurales);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Every other test trusts that the platform gave the screen asked for; a
// platform that ignored the file would make them test another screen. Qt
// turns a DPI above 96 into a device pixel ratio over 96-DPI logical pixels.
TEST(Pantalla, EsLaConfigurada) {
    const PantallaEsperada p = pantallaEsperada();
    ASSERT_GT(p.ancho, 0) << "no readable screen file for RECTAVIVA_PANTALLA";
    const QScreen* s = QGuiApplication::primaryScreen();
    ASSERT_NE(s, nullptr);
    const double dpr = p.dpi / 96.0;
    EXPECT_DOUBLE_EQ(s->devicePixelRatio(), dpr);
    EXPECT_DOUBLE_EQ(s->logicalDotsPerInch(), 96.0);
    EXPECT_EQ(s->geometry().width(), static_cast<int>(p.ancho / dpr));
    EXPECT_NEAR(s->geometry().height(), p.alto / dpr, 1.0);
}
