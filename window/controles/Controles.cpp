// Labels, check boxes, list boxes, images, timers and menu entries.
#include "Controles.h"

#include "Foco.h"
#include "Svg.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSvgRenderer>

#include <stdexcept>

namespace rectaviva {

namespace {

// Greyed text of a disabled control, whatever its own colours.
const QColor grisInactivo(128, 128, 128);

} // namespace

void colorearPaleta(QWidget& w, QPalette::ColorRole fondo, const QColor& cFondo,
                    QPalette::ColorRole tinta, const QColor& cTinta) {
    QPalette p = w.palette();
    p.setColor(fondo, cFondo);
    p.setColor(tinta, cTinta);
    p.setColor(QPalette::Disabled, tinta, grisInactivo);
    w.setPalette(p);
}

// ---- Label ----

Label::Label(QWidget* padre, const QString& nombre)
    : QLabel(padre), Ubicacion(this), Colores(static_cast<QWidget&>(*this)) {
    setObjectName(nombre);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    // A label takes the presses made on it; they never fall through to the
    // control underneath.
    setAttribute(Qt::WA_NoMousePropagation);
    aplicarColores();
}

void Label::setTransparente(bool t) {
    setAutoFillBackground(!t);
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

// ---- CheckBox ----

CheckBox::CheckBox(QWidget* padre, const QString& nombre) : Marcable(padre, nombre) {
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

// ---- CommandButton ----

CommandButton::CommandButton(QWidget* padre, const QString& nombre, const QString& caption)
    : QPushButton(caption, padre), Ubicacion(this) {
    setObjectName(nombre);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

CommandButton::CommandButton(QWidget* padre, const QString& nombre, Fuente caption)
    : CommandButton(padre, nombre, QString()) {
    traducirTitulo(*this, caption);
}

void CommandButton::setCaption(const QString& c) {
    olvidarTexto(this, ClaveTexto::Titulo);
    if (c != text()) {
        setText(c);
    }
}

// Enter presses a focused button as Space does.
void CommandButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

// ---- OptionButton ----

OptionButton::OptionButton(QWidget* padre, const QString& nombre, Fuente caption)
    : OptionButton(padre, nombre, QString()) {
    traducirTitulo(*this, caption);
}

OptionButton::OptionButton(QWidget* padre, const QString& nombre, const QString& caption)
    : Marcable(padre, nombre) {
    setText(caption);
    // The choice left behind is told nothing: its group's new choice is.
    connect(this, &QRadioButton::toggled, this, [this](bool elegido) {
        if (elegido) {
            emit Click();
        }
    });
}

// ---- ListBox ----

ListBox::ListBox(QWidget* padre, const QString& nombre)
    : QListWidget(padre), Ubicacion(this), Colores(static_cast<QWidget&>(*this)) {
    setObjectName(nombre);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aplicarColores();
}

// A text panel has no current row, so the focus marks none.
void ListBox::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    selectionModel()->clearCurrentIndex();
}

void ListBox::AddItem(const QString& fila) {
    addItem(fila);
}

QString ListBox::List(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
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
    const Raton r = traducirRaton(*e, e->position() * twipsPorPixel());
    emit MouseDown(r.Button, r.Shift, r.X, r.Y);
}

void Image::mouseReleaseEvent(QMouseEvent* e) {
    const Raton r = traducirRaton(*e, e->position() * twipsPorPixel());
    emit MouseUp(r.Button, r.Shift, r.X, r.Y);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        emit Click();
    }
}

void Image::pulsar() {
    const float x = static_cast<float>(pixelesATwips(width() / 2.0));
    const float y = static_cast<float>(pixelesATwips(height() / 2.0));
    emit MouseDown(boton::izquierdo, 0, x, y);
    emit MouseUp(boton::izquierdo, 0, x, y);
    emit Click();
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

Menu::Menu(Menu& padre, const QString& nombre, const QString& caption, bool desplegable)
    : QObject(&padre) {
    setObjectName(nombre);
    if (!padre.menu_) {
        // Only a drop-down entry can hold entries; a caller error, not a user one.
        throw std::logic_error("menu entry under a command entry");
    }
    if (desplegable) {
        menu_ = padre.menu_->addMenu(caption);
        accion_ = menu_->menuAction();
    } else {
        accion_ = padre.menu_->addAction(caption);
        connect(accion_, &QAction::triggered, this, &Menu::Click);
    }
    accion_->setObjectName(nombre);
}

Menu::Menu(QMenuBar& barra, const QString& nombre, Fuente caption, bool desplegable)
    : Menu(barra, nombre, QString(), desplegable) {
    traducirTitulo(*accion_, caption);
}

Menu::Menu(Menu& padre, const QString& nombre, Fuente caption, bool desplegable)
    : Menu(padre, nombre, QString(), desplegable) {
    traducirTitulo(*accion_, caption);
}

void Menu::setCaption(const QString& c) {
    olvidarTexto(accion_, ClaveTexto::Titulo);
    accion_->setText(c);
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
void olvidarInterfazAccesible(QObject* o) {
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
    }
}

void Menu::setCheckable(bool c) {
    // A checkable entry has an accessible interface of its own.
    if (c != accion_->isCheckable()) {
        olvidarInterfazAccesible(accion_);
    }
    accion_->setCheckable(c);
}

void Menu::setVisible(bool v) {
    accion_->setVisible(v);
}

} // namespace rectaviva
