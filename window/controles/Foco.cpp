// The focus frame shown to keyboard users only.
#include "Foco.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

#include <algorithm>

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

GrupoDeFoco::GrupoDeFoco(std::vector<QWidget*> miembros, Qt::FocusPolicy parada,
                         Qt::FocusPolicy resto, QObject* padre)
    : QObject(padre), miembros_(std::move(miembros)), politicaParada_(parada), resto_(resto) {
    for (QWidget* w : miembros_) {
        w->installEventFilter(this);
    }
    if (!miembros_.empty()) {
        hacerParada(miembros_.front());
    }
}

int GrupoDeFoco::indice(const QObject* o) const {
    const auto it = std::find(miembros_.begin(), miembros_.end(), o);
    return it == miembros_.end() ? -1 : static_cast<int>(it - miembros_.begin());
}

void GrupoDeFoco::hacerParada(QWidget* w) {
    parada_ = w;
    for (QWidget* m : miembros_) {
        m->setFocusPolicy(m == w ? politicaParada_ : resto_);
    }
}

int GrupoDeFoco::mostrado(int desde, int paso) const {
    const int n = static_cast<int>(miembros_.size());
    for (int j = desde; j >= 0 && j < n; j += paso) {
        if (miembros_[static_cast<std::size_t>(j)]->isVisible()) {
            return j;
        }
    }
    return -1;
}

bool GrupoDeFoco::eventFilter(QObject* o, QEvent* e) {
    const int i = indice(o);
    if (i < 0) {
        return QObject::eventFilter(o, e);
    }
    switch (e->type()) {
    case QEvent::FocusIn:
        hacerParada(miembros_[static_cast<std::size_t>(i)]);
        break;
    case QEvent::Hide:
        // A hidden stop hands Tab to a shown member, if any is.
        if (o == parada_) {
            for (QWidget* m : miembros_) {
                if (m != o && m->isVisible()) {
                    hacerParada(m);
                    break;
                }
            }
        }
        break;
    case QEvent::KeyPress: {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
            break;
        }
        // The nearest shown member in the direction of the key; none: stay.
        const int n = static_cast<int>(miembros_.size());
        int j = -1;
        switch (k->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            j = mostrado(i - 1, -1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            j = mostrado(i + 1, 1);
            break;
        case Qt::Key_Home:
            j = mostrado(0, 1);
            break;
        case Qt::Key_End:
            j = mostrado(n - 1, -1);
            break;
        default:
            return QObject::eventFilter(o, e);
        }
        if (j >= 0) {
            QWidget* m = miembros_[static_cast<std::size_t>(j)];
            hacerParada(m);
            m->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    default:
        break;
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
