// The dialog of "Código de reto…": a list of the challenges and a box
// for the code, which takes only 1000 to 9999.
#include "dialogo_reto.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace rectaviva {

int lugarDeReto(Reto r) {
    for (int k = 0; k < numRetos; ++k) {
        if (retosDelMenu[k].reto == r) {
            return k;
        }
    }
    return 0;
}

QString nombreDeReto(Reto r) {
    return QCoreApplication::translate("retos", retosDelMenu[lugarDeReto(r)].nombre);
}

std::optional<std::pair<Reto, int>> pedirReto(QWidget* padre, Reto propuesto) {
    QDialog d(padre);
    d.setWindowTitle(QCoreApplication::translate("retos", "Código de reto"));
    auto* forma = new QFormLayout(&d);
    auto* retos = new QComboBox(&d);
    for (const RetoDelMenu& r : retosDelMenu) {
        retos->addItem(nombreDeReto(r.reto));
    }
    retos->setCurrentIndex(lugarDeReto(propuesto));
    forma->addRow(QCoreApplication::translate("retos", "Reto:"), retos);
    auto* codigo = new QSpinBox(&d);
    codigo->setRange(primerCodigo, ultimoCodigo);
    forma->addRow(QCoreApplication::translate("retos", "Código (1000 a 9999):"), codigo);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QObject::connect(botones, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    forma->addRow(botones);
    codigo->setFocus();
    codigo->selectAll();
    if (d.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::pair{retosDelMenu[std::clamp(retos->currentIndex(), 0, numRetos - 1)].reto,
                     codigo->value()};
}

} // namespace rectaviva
