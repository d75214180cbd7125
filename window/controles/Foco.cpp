// The focus frame shown to keyboard users only.
#include "Foco.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

namespace rectaviva {

namespace {

bool marcoActivo = false;
bool instalado = false;

void cambiar(bool activo) {
    if (marcoActivo == activo) {
        return;
    }
    marcoActivo = activo;
    if (QWidget* w = QApplication::focusWidget()) {
        w->update();
    }
}

} // namespace

void FocoVisible::instalar() {
    if (instalado || !qApp) {
        return;
    }
    instalado = true;
    qApp->installEventFilter(new FocoVisible(qApp));
}

bool FocoVisible::activo() {
    return marcoActivo;
}

bool FocoVisible::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_F10) {
            cambiar(true);
        }
    } else if (e->type() == QEvent::MouseButtonPress) {
        cambiar(false);
    }
    return QObject::eventFilter(o, e);
}

void pintarMarcoFoco(QWidget& w, QPainter& p) {
    if (!marcoActivo || !w.hasFocus()) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipping(false);
    const QRect r = w.rect().adjusted(1, 1, -1, -1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r);
    p.setPen(QPen(Qt::black, 2, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawRect(r);
    p.restore();
}

} // namespace rectaviva
