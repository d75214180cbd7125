// The text box, and the style that draws its sunken panel once per size.
#include "Controles.h"

#include "Ampliacion.h"
#include "Foco.h"
#include "Relleno.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <map>
#include <tuple>

namespace rectaviva {

namespace {

// The style of the text boxes: the application's, except that a box's
// sunken panel, drawn with rounded antialiased edges at every repaint, is
// drawn once per size, state and palette and copied from there. A box whose
// text changes at each step of a drag then repaints at half the cost.
class EstiloCaja : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p,
                       const QWidget* w) const override {
        const QTransform t = p->deviceTransform();
        if (e != PE_PanelLineEdit || !transformacionEntera(t) || o->rect.width() > 1024 ||
            o->rect.height() > 256) {
            QProxyStyle::drawPrimitive(e, o, p, w);
            return;
        }
        const auto* marco = qstyleoption_cast<const QStyleOptionFrame*>(o);
        const Clave clave{o->rect.width(),
                          o->rect.height(),
                          static_cast<int>(o->state),
                          o->palette.cacheKey(),
                          marco ? marco->lineWidth : -1,
                          t.m11()};
        auto hallado = paneles_.find(clave);
        if (hallado == paneles_.end()) {
            if (paneles_.size() >= 512) {
                paneles_.clear();
            }
            const double razon = t.m11();
            QImage imagen(o->rect.size() * static_cast<int>(razon),
                          QImage::Format_ARGB32_Premultiplied);
            imagen.setDevicePixelRatio(razon);
            imagen.fill(Qt::transparent);
            QPainter q(&imagen);
            q.setRenderHints(p->renderHints());
            q.translate(-o->rect.topLeft());
            QProxyStyle::drawPrimitive(e, o, &q, w);
            q.end();
            hallado = paneles_.emplace(clave, std::move(imagen)).first;
        }
        p->drawImage(o->rect.topLeft(), hallado->second);
    }

private:
    using Clave = std::tuple<int, int, int, qint64, int, double>;
    mutable std::map<Clave, QImage> paneles_;
};

QStyle* estiloCaja() {
    static QPointer<EstiloCaja> estilo;
    if (!estilo) {
        estilo = new EstiloCaja;
        estilo->setParent(qApp);
    }
    return estilo;
}

} // namespace

TextBox::TextBox(QWidget* padre, const QString& nombre, bool bloqueada)
    : QLineEdit(padre), Ubicacion(this), Colores(static_cast<QWidget&>(*this)) {
    setObjectName(nombre);
    // Only an active screen reader can have asked for the interface of a box
    // still being built.
    if (bloqueada) {
        fijarBloqueo(true, QAccessible::isActive());
    }
    setAlignment(Qt::AlignCenter);
    // The boxes are small; the text needs all of their height.
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
    setStyle(estiloCaja());
    aplicarColores();
    sinFormas(*this);
}

// A locked box reached by Tab shows its text as it was, without selecting it.
void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (isReadOnly()) {
        deselect();
    }
}

bool TextBox::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride && isReadOnly() && !hasSelectedText() &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        e->ignore();
        return true;
    }
    return QLineEdit::event(e);
}

void TextBox::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) {
        sinFormas(*this);
    }
    QLineEdit::changeEvent(e);
}

void TextBox::setText(const QString& t) {
    if (t != text()) {
        QLineEdit::setText(t);
    }
}

void TextBox::setLocked(bool l) {
    fijarBloqueo(l, true);
}

// A locked box and an entry have different accessible interfaces: one that
// may have been given out is forgotten when the box changes.
void TextBox::fijarBloqueo(bool l, bool interfazDada) {
    if (l != isReadOnly() && interfazDada) {
        olvidarInterfazAccesible(this);
    }
    setReadOnly(l);
    setFocusPolicy(l ? Qt::ClickFocus : Qt::StrongFocus);
}

void TextBox::setEstrechable(bool e) {
    if (e != estrechable_) {
        estrechable_ = e;
        update();
    }
}

int TextBox::sitioTexto() const {
    QStyleOptionFrame o;
    initStyleOption(&o);
    // Qt's line edit keeps two pixels each side inside its contents.
    return style()->subElementRect(QStyle::SE_LineEditContents, &o, this).width() - 4;
}

void TextBox::paintEvent(QPaintEvent* e) {
    const int ancho = fontMetrics().horizontalAdvance(text());
    const int sitio = sitioTexto();
    // A box being typed into shows its text as typed.
    if (!estrechable_ || (!isReadOnly() && hasFocus()) || ancho <= sitio || sitio <= 0) {
        QLineEdit::paintEvent(e);
        QPainter p(this);
        pintarMarcoFoco(*this, p);
        return;
    }
    // The panel as the line edit draws it, then the text scaled across to
    // its room, centred on the line edit's own baseline.
    QPainter p(this);
    QStyleOptionFrame o;
    initStyleOption(&o);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &o, &p, this);
    const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &o, this);
    const double escala = std::max(kEstrechoMinimo, static_cast<double>(sitio) / ancho);
    p.setPen(palette().color(QPalette::Text));
    p.setFont(font());
    p.translate(r.left() + 2 + (sitio - ancho * escala) / 2, 0);
    p.scale(escala, 1);
    p.drawText(QRectF(0, r.top(), ancho, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text());
    p.resetTransform();
    pintarMarcoFoco(*this, p);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    const int codigo = codigoTecla(*e);
    if (codigo < 0) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    int KeyAscii = codigo;
    emit KeyPress(KeyAscii);
    if (KeyAscii == 0) {
        e->accept();
        return;
    }
    if (KeyAscii != codigo) {
        // The handler replaced the key: the box receives the new character.
        const QString caracter(QChar(static_cast<char16_t>(KeyAscii)));
        const int tecla = KeyAscii == 13  ? Qt::Key_Return
                          : KeyAscii == 8 ? Qt::Key_Backspace
                                          : Qt::Key_unknown;
        QKeyEvent otra(e->type(), tecla, Qt::NoModifier, caracter);
        QLineEdit::keyPressEvent(&otra);
        e->setAccepted(otra.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace rectaviva
