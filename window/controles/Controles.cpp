// Labels, text boxes, list boxes, images, timers and menu entries.
#include "Controles.h"

#include "Elementos.h"
#include "Foco.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOptionFrame>
#include <QSvgRenderer>

#include <map>
#include <tuple>

namespace rectaviva {

namespace {

// Greyed text of a disabled control, whatever its own colours.
const QColor grisInactivo(128, 128, 128);

// Gives a field its new value; false when it already held it, so that the
// caller repaints nothing.
template <typename T> bool cambiar(T& campo, const T& valor) {
    if (campo == valor) {
        return false;
    }
    campo = valor;
    return true;
}

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

void colorearPaleta(QWidget& w, QPalette::ColorRole fondo, const QColor& cFondo,
                    QPalette::ColorRole tinta, const QColor& cTinta) {
    QPalette p = w.palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(grupo, fondo, cFondo);
        p.setColor(grupo, tinta, grupo == QPalette::Disabled ? grisInactivo : cTinta);
    }
    w.setPalette(p);
}

} // namespace

// ---- Label ----

Label::Label(QWidget* padre, const QString& nombre)
    : QLabel(padre), Ubicacion(this), fondo_(palette().color(QPalette::Window)),
      tinta_(palette().color(QPalette::WindowText)) {
    setObjectName(nombre);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    // A label takes the presses made on it; they never fall through to the
    // control underneath.
    setAttribute(Qt::WA_NoMousePropagation);
    aplicarColores();
}

void Label::setBackColor(const QColor& c) {
    if (cambiar(fondo_, c)) {
        aplicarColores();
    }
}

void Label::setForeColor(const QColor& c) {
    if (cambiar(tinta_, c)) {
        aplicarColores();
    }
}

void Label::setTransparente(bool t) {
    setAutoFillBackground(!t);
}

void Label::aplicarColores() {
    colorearPaleta(*this, QPalette::Window, fondo_, QPalette::WindowText, tinta_);
}

// A repaint that misses the text (the edge of a neighbour that overlaps the
// label) needs only the background, which Qt has already filled; laying the
// text out, the costly part, is skipped.
void Label::paintEvent(QPaintEvent* e) {
    if (e->region().intersects(zonaTexto())) {
        QLabel::paintEvent(e);
    }
}

QRect Label::zonaTexto() {
    if (text() != textoMedido_ || size() != tamMedido_ || font() != fuenteMedida_ ||
        alignment() != alineacionMedida_) {
        textoMedido_ = text();
        tamMedido_ = size();
        fuenteMedida_ = font();
        alineacionMedida_ = alignment();
        const int banderas = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
        // Two pixels for glyphs that overhang their advance.
        zonaTexto_ = fontMetrics()
                         .boundingRect(contentsRect(), banderas, textoMedido_)
                         .adjusted(-2, -2, 2, 2);
    }
    return zonaTexto_;
}

void Label::mousePressEvent(QMouseEvent* e) {
    presionado_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        presionado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    presionado_ = false;
    QLabel::mouseReleaseEvent(e);
    e->accept();
    if (click) {
        emit Click();
    }
}

// ---- TextBox ----

CheckBox::CheckBox(QWidget* padre, const QString& nombre) : QCheckBox(padre), Ubicacion(this) {
    setObjectName(nombre);
    setAutoFillBackground(true);
    connect(this, &QCheckBox::clicked, this, &CheckBox::Click);
}

void CheckBox::paintEvent(QPaintEvent* e) {
    QCheckBox::paintEvent(e);
    QPainter p(this);
    pintarMarcoFoco(*this, p);
}

void CheckBox::setValue(bool v) {
    const QSignalBlocker bloqueo(this);
    setChecked(v);
}

void CheckBox::setBackColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    setPalette(p);
}

int codigoTecla(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString t = e.text();
    if (t.isEmpty() || t.at(0).unicode() == 127) {
        return -1;
    }
    return t.at(0).unicode();
}

TextBox::TextBox(QWidget* padre, const QString& nombre)
    : QLineEdit(padre), Ubicacion(this), fondo_(palette().color(QPalette::Base)),
      tinta_(palette().color(QPalette::Text)) {
    setObjectName(nombre);
    setAlignment(Qt::AlignCenter);
    // The boxes are small; the text needs all of their height.
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
    setStyle(estiloCaja());
    aplicarColores();
    sinFormas(*this);
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

void TextBox::setBackColor(const QColor& c) {
    if (cambiar(fondo_, c)) {
        aplicarColores();
    }
}

void TextBox::setForeColor(const QColor& c) {
    if (cambiar(tinta_, c)) {
        aplicarColores();
    }
}

void TextBox::setLocked(bool l) {
    setReadOnly(l);
    setFocusPolicy(l ? Qt::ClickFocus : Qt::StrongFocus);
}

void TextBox::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e);
    QPainter p(this);
    pintarMarcoFoco(*this, p);
}

void TextBox::aplicarColores() {
    colorearPaleta(*this, QPalette::Base, fondo_, QPalette::Text, tinta_);
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

// ---- ListBox ----

ListBox::ListBox(QWidget* padre, const QString& nombre)
    : QListWidget(padre), Ubicacion(this), fondo_(palette().color(QPalette::Base)),
      tinta_(palette().color(QPalette::Text)) {
    setObjectName(nombre);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aplicarColores();
}

void ListBox::AddItem(const QString& fila) {
    addItem(fila);
}

QString ListBox::List(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
}

void ListBox::setBackColor(const QColor& c) {
    if (cambiar(fondo_, c)) {
        aplicarColores();
    }
}

void ListBox::setForeColor(const QColor& c) {
    if (cambiar(tinta_, c)) {
        aplicarColores();
    }
}

void ListBox::aplicarColores() {
    colorearPaleta(*this, QPalette::Base, fondo_, QPalette::Text, tinta_);
}

// ---- Image ----

Image::Image(QWidget* padre, const QString& nombre) : QWidget(padre), Ubicacion(this) {
    setObjectName(nombre);
}

Image::~Image() = default;

void Image::setPicture(const QString& rutaSvg) {
    dibujo_ = dibujoSvg(rutaSvg);
    update();
}

bool Image::tieneDibujo() const {
    return dibujo_ && dibujo_->isValid();
}

void Image::paintEvent(QPaintEvent*) {
    if (!tieneDibujo()) {
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    dibujo_->render(&p, QRectF(rect()));
    pintarMarcoFoco(*this, p);
}

void Image::keyPressEvent(QKeyEvent* e) {
    anunciarTecla(*e, false, [this](int& k, int s) { emit KeyDown(k, s); });
}

void Image::keyReleaseEvent(QKeyEvent* e) {
    anunciarTecla(*e, true, [this](int& k, int s) { emit KeyUp(k, s); });
}

void Image::focusInEvent(QFocusEvent*) {
    update();
}

void Image::focusOutEvent(QFocusEvent*) {
    update();
    emit LostFocus();
}

void Image::mousePressEvent(QMouseEvent* e) {
    const QPointF t = e->position() * twipsPorPixel();
    emit MouseDown(codigoBoton(e->button()), codigoShift(e->modifiers()), static_cast<float>(t.x()),
                   static_cast<float>(t.y()));
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF t = e->position() * twipsPorPixel();
    emit MouseUp(codigoBoton(e->button()), codigoShift(e->modifiers()), static_cast<float>(t.x()),
                 static_cast<float>(t.y()));
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        emit Click();
    }
}

// ---- Timer ----

Timer::Timer(QObject* padre, const QString& nombre) : QObject(padre) {
    setObjectName(nombre);
    connect(&reloj_, &QTimer::timeout, this, &Timer::Tick);
}

void Timer::setInterval(int ms) {
    intervalo_ = ms < 0 ? 0 : ms;
    actualizar();
}

void Timer::setEnabled(bool e) {
    habilitado_ = e;
    actualizar();
}

void Timer::actualizar() {
    if (habilitado_ && intervalo_ > 0) {
        reloj_.start(intervalo_);
    } else {
        reloj_.stop();
    }
}

// ---- Menu ----

Menu::Menu(QMenuBar& barra, const QString& nombre, const QString& caption, bool desplegable)
    : QObject(&barra) {
    setObjectName(nombre);
    if (desplegable) {
        menu_ = barra.addMenu(caption);
        accion_ = menu_->menuAction();
    } else {
        accion_ = barra.addAction(caption);
        connect(accion_, &QAction::triggered, this, &Menu::Click);
    }
    accion_->setObjectName(nombre);
}

Menu::Menu(Menu& padre, const QString& nombre, const QString& caption) : QObject(&padre) {
    setObjectName(nombre);
    accion_ = padre.menu_ ? padre.menu_->addAction(caption) : nullptr;
    if (!accion_) {
        // Only a drop-down entry can hold entries; a caller error, not a user one.
        throw std::logic_error("menu entry under a command entry");
    }
    accion_->setObjectName(nombre);
    connect(accion_, &QAction::triggered, this, &Menu::Click);
}

QString Menu::Caption() const {
    return accion_->text();
}
bool Menu::Enabled() const {
    return accion_->isEnabled();
}
void Menu::setEnabled(bool e) {
    accion_->setEnabled(e);
}
bool Menu::Visible() const {
    return accion_->isVisible();
}
void Menu::setVisible(bool v) {
    accion_->setVisible(v);
}

} // namespace rectaviva
