// Order of a text box's notifications: the key first, before the text has
// changed, then the change; a change also when the program sets a different
// text, and none when it sets the same one.
#include "capa_controles.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace rectaviva;

namespace {

// Records each notification with the text the box held at that moment.
struct Registro {
    explicit Registro(TextBox& caja, int reemplazo = -1) {
        QObject::connect(&caja, &TextBox::KeyPress, [this, &caja, reemplazo](int& KeyAscii) {
            eventos.push_back(QString("K%1:%2").arg(KeyAscii).arg(caja.Text()));
            if (reemplazo >= 0) {
                KeyAscii = reemplazo;
            }
        });
        QObject::connect(&caja, &TextBox::Change,
                         [this, &caja] { eventos.push_back("C:" + caja.Text()); });
    }
    QStringList eventos;
};

struct CasoTecla {
    const char* nombre;
    const char* inicial;
    bool bloqueada;
    int tecla;         ///< Qt key
    const char* texto; ///< text of the key event
    int reemplazo;     ///< KeyAscii set by the handler, -1 to leave it
    QStringList esperado;
};

class OrdenDeNotificaciones : public ::testing::TestWithParam<CasoTecla> {};

TEST_P(OrdenDeNotificaciones, TeclaAntesQueCambio) {
    const CasoTecla& c = GetParam();
    TextBox caja(nullptr, "Text2_10");
    caja.setText(c.inicial);
    caja.setLocked(c.bloqueada);
    Registro r(caja, c.reemplazo);
    QKeyEvent pulsada(QEvent::KeyPress, c.tecla, Qt::NoModifier, QString::fromUtf8(c.texto));
    QApplication::sendEvent(&caja, &pulsada);
    EXPECT_EQ(r.eventos, c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, OrdenDeNotificaciones,
    ::testing::Values(
        CasoTecla{"caracter", "1", false, Qt::Key_2, "2", -1, {"K50:1", "C:12"}},
        CasoTecla{"enterNoCambia", "12", false, Qt::Key_Return, "\r", -1, {"K13:12"}},
        CasoTecla{"enterDelTeclado", "12", false, Qt::Key_Enter, "\r", -1, {"K13:12"}},
        CasoTecla{"retroceso", "12", false, Qt::Key_Backspace, "\b", -1, {"K8:12", "C:1"}},
        CasoTecla{"bloqueadaAvisaSinCambiar", "12", true, Qt::Key_3, "3", -1, {"K51:12"}},
        CasoTecla{"descartada", "12", false, Qt::Key_3, "3", 0, {"K51:12"}},
        CasoTecla{"reemplazada", "12", false, Qt::Key_3, "3", '7', {"K51:12", "C:127"}},
        CasoTecla{"flechaSinAviso", "12", false, Qt::Key_Left, "", -1, {}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CambioPorPrograma, SoloSiElTextoEsOtro) {
    TextBox caja(nullptr, "Text1_9");
    caja.setText("95");
    Registro r(caja);
    caja.setText("95");
    caja.setText("90");
    caja.setText("90");
    caja.setText("");
    EXPECT_EQ(r.eventos, (QStringList{"C:90", "C:"}));
}

TEST(Alineacion, CentradaYDeUnaLinea) {
    TextBox caja(nullptr, "Text1_0");
    EXPECT_EQ(caja.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

} // namespace
