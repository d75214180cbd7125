// The data dialog's choice of rows, laid out as three lines that read as
// sentences: "Todas las filas", "Una muestra al azar de [k] filas, código
// [c]", "Las filas de la [a] a la [b]".
#include "dialogo_datos_filas.h"

#include "retos.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>

#include <algorithm>

namespace rectaviva {

namespace {

QSpinBox* entrada(QWidget* padre, const char* nombre, const QString& accesible) {
    auto* s = new QSpinBox(padre);
    s->setObjectName(QString::fromLatin1(nombre));
    s->setAccessibleName(accesible);
    s->setRange(1, 1);
    s->setKeyboardTracking(true);
    return s;
}

} // namespace

EleccionDeFilas::EleccionDeFilas(QWidget* padre) : QWidget(padre) {
    todas = new QRadioButton(tr("Todas las filas"), this);
    todas->setObjectName(QStringLiteral("optTodas"));
    muestra = new QRadioButton(tr("Una muestra al azar de"), this);
    muestra->setObjectName(QStringLiteral("optMuestra"));
    k = entrada(this, "spnFilasMuestra", tr("Filas de la muestra"));
    codigo = entrada(this, "spnCodigoMuestra", tr("Código de la muestra"));
    codigo->setRange(primerCodigo, ultimoCodigo);
    // A fresh code each time, as a challenge's; the same code draws the same rows.
    codigo->setValue(codigoAlAzar(QRandomGenerator::global()->generateDouble()));
    rango = new QRadioButton(tr("Las filas de la"), this);
    rango->setObjectName(QStringLiteral("optRango"));
    desde = entrada(this, "spnDesde", tr("Primera fila"));
    hasta = entrada(this, "spnHasta", tr("Última fila"));
    todas->setChecked(true);
    auto* grupo = new QButtonGroup(this);
    for (QRadioButton* r : {todas, muestra, rango}) {
        grupo->addButton(r);
    }

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(0, 0, 0, 0);
    const auto linea = [&](int fila, QRadioButton* r, QSpinBox* a, const QString& entre,
                           QSpinBox* b) {
        auto* h = new QHBoxLayout;
        h->addWidget(r);
        h->addWidget(a);
        auto* medio = new QLabel(entre, this);
        medio->setBuddy(b);
        h->addWidget(medio);
        h->addWidget(b);
        h->addStretch(1);
        rejilla->addLayout(h, fila, 0);
    };
    rejilla->addWidget(todas, 0, 0);
    linea(1, muestra, k, tr("filas, código"), codigo);
    linea(2, rango, desde, tr("a la"), hasta);
    setTabOrder(todas, muestra);
    setTabOrder(muestra, k);
    setTabOrder(k, codigo);
    setTabOrder(codigo, rango);
    setTabOrder(rango, desde);
    setTabOrder(desde, hasta);

    connect(grupo, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool puesto) {
        if (puesto) {
            habilitar();
            emit cambiada();
        }
    });
    // The editor's own text too, so that an entry emptied is seen.
    for (QSpinBox* s : {k, codigo, desde, hasta}) {
        connect(s, &QSpinBox::textChanged, this, &EleccionDeFilas::cambiada);
        connect(s->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, [this, s] {
            if (!s->hasAcceptableInput()) {
                emit cambiada();
            }
        });
    }
    habilitar();
}

void EleccionDeFilas::ponerTamano(int puntos, int filas) {
    const QSignalBlocker bk(k), bd(desde), bh(hasta);
    const bool nuevo = k->maximum() == 1;
    k->setRange(int{minActivos}, std::max(int{minActivos}, puntos));
    desde->setRange(1, std::max(1, filas));
    hasta->setRange(1, std::max(1, filas));
    if (nuevo) {
        // A first sample of 100 rows, or of all of them when there are fewer.
        k->setValue(std::min(100, puntos));
        hasta->setValue(filas);
    }
}

bool EleccionDeFilas::eleccion(EleccionFilas& e, Mensaje& mensaje) const {
    e = {};
    e.modo = muestra->isChecked() ? ModoFilas::Muestra
             : rango->isChecked() ? ModoFilas::Rango
                                  : ModoFilas::Todas;
    const auto escrita = [](const QSpinBox* s) { return s->hasAcceptableInput(); };
    if ((e.modo == ModoFilas::Muestra && !(escrita(k) && escrita(codigo))) ||
        (e.modo == ModoFilas::Rango && !(escrita(desde) && escrita(hasta)))) {
        mensaje = {MENSAJE("datos", "Escriba un número en cada casilla de las filas."), {}};
        return false;
    }
    e.k = k->value();
    e.codigo = static_cast<std::uint32_t>(codigo->value());
    e.desde = desde->value();
    e.hasta = hasta->value();
    return true;
}

QWidget* EleccionDeFilas::primero() const {
    return todas;
}

QWidget* EleccionDeFilas::ultimo() const {
    return hasta;
}

void EleccionDeFilas::habilitar() {
    k->setEnabled(muestra->isChecked());
    codigo->setEnabled(muestra->isChecked());
    desde->setEnabled(rango->isChecked());
    hasta->setEnabled(rango->isChecked());
}

} // namespace rectaviva
