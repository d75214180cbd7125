// Containers: placement of child widgets in container units, painting of the
// background, the printed rows and the light items.
#include "Contenedor.h"

#include "Foco.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <optional>

namespace rectaviva {

// ---- Ubicacion ----

void Ubicacion::setLeft(double v) {
    left_ = v;
    reubicar();
}
void Ubicacion::setTop(double v) {
    top_ = v;
    reubicar();
}
void Ubicacion::setWidth(double v) {
    width_ = std::max(0.0, v);
    reubicar();
}
void Ubicacion::setHeight(double v) {
    height_ = std::max(0.0, v);
    reubicar();
}
void Ubicacion::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0.0, width);
    height_ = std::max(0.0, height);
    reubicar();
}

bool Ubicacion::Visible() const {
    return !widget_.isHidden();
}
bool Ubicacion::Enabled() const {
    return widget_.isEnabled();
}

void Ubicacion::reubicar() {
    const Escala e = escalaDelPadre(widget_);
    const QPointF p = e.aPixeles({left_, top_});
    const double ancho = e.anchoAPixeles(width_);
    const double alto = e.altoAPixeles(height_);
    // Edges are rounded, not sizes, so neighbours that touch in twips touch on screen.
    const double x = e.pixelesPorUnidadX() < 0 ? p.x() - ancho : p.x();
    const int izq = static_cast<int>(std::lround(x));
    const int arr = static_cast<int>(std::lround(p.y()));
    const int der = static_cast<int>(std::lround(x + ancho));
    const int aba = static_cast<int>(std::lround(p.y() + alto));
    widget_.setGeometry(izq, arr, der - izq, aba - arr);
}

void Ubicacion::remapear(const Escala& vieja, const Escala& nueva) {
    const QPointF esquina = nueva.desdePixeles(vieja.aPixeles({left_, top_}));
    left_ = esquina.x();
    top_ = esquina.y();
    width_ = nueva.anchoDesdePixeles(vieja.anchoAPixeles(width_));
    height_ = nueva.altoDesdePixeles(vieja.altoAPixeles(height_));
    reubicar();
}

Escala escalaDelPadre(const QWidget& w) {
    if (const auto* c = qobject_cast<const Contenedor*>(w.parentWidget())) {
        return c->escala();
    }
    return Escala();
}

namespace {

// The property in which a widget keeps its design font while it is zoomed.
const char* const fuenteDiseno = "fuenteDiseno";

// Gives w its design font times the zoom. A widget with a font of its own
// is scaled; one that inherits follows its parent, except a pop-up window
// (a drop-down menu), which inherits nothing and is given one.
void ampliarFuente(QWidget& w, double factor) {
    const QVariant guardada = w.property(fuenteDiseno);
    if (!guardada.isValid()) {
        if (factor == 1.0 || (!w.testAttribute(Qt::WA_SetFont) && !w.isWindow())) {
            return;
        }
        // An inherited font is kept as an empty one, so that it inherits again.
        w.setProperty(fuenteDiseno, w.testAttribute(Qt::WA_SetFont) ? w.font() : QFont());
    }
    const QFont diseno = w.property(fuenteDiseno).value<QFont>();
    if (factor == 1.0) {
        w.setFont(diseno);
        w.setProperty(fuenteDiseno, QVariant());
        return;
    }
    QFont f = diseno.resolveMask() != 0 ? diseno : QApplication::font(&w);
    if (f.pointSizeF() > 0) {
        f.setPointSizeF(f.pointSizeF() * factor);
    } else {
        f.setPixelSize(static_cast<int>(std::lround(f.pixelSize() * factor)));
    }
    w.setFont(f);
}

} // namespace

void ampliar(QWidget& ventana, double factor) {
    fijarAmpliacion(factor);
    // Parents come before their children, so that a child placed in a user
    // scale is placed over its parent's new size.
    QList<QWidget*> widgets = ventana.findChildren<QWidget*>();
    widgets.prepend(&ventana);
    for (QWidget* w : widgets) {
        ampliarFuente(*w, factor);
        if (auto* u = dynamic_cast<Ubicacion*>(w)) {
            u->reubicar();
        }
        // The pens widen with the zoom even where the size stays.
        if (auto* c = qobject_cast<Contenedor*>(w)) {
            c->recalcularZonas();
        }
        w->update();
    }
}

// ---- Contenedor ----

Contenedor::Contenedor(QWidget* padre) : QWidget(padre), fondo_(palette().color(QPalette::Window)) {
    // Everything is painted in paintEvent; no system background underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Contenedor::~Contenedor() = default;

void Contenedor::setBackColor(const QColor& c) {
    if (c != fondo_) {
        fondo_ = c;
        update();
    }
}

Shape* Contenedor::agregarShape(const QString& nombre) {
    auto s = std::make_unique<Shape>(*this, nombre);
    Shape* r = s.get();
    elementos_.push_back(std::move(s));
    r->recalcularZona();
    update(r->zona());
    return r;
}

Line* Contenedor::agregarLine(const QString& nombre) {
    auto l = std::make_unique<Line>(*this, nombre);
    Line* r = l.get();
    elementos_.push_back(std::move(l));
    r->recalcularZona();
    update(r->zona());
    return r;
}

void Contenedor::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    marcada_ = QRect();
    const QRegion& region = e->region();
    pintarFondo(p, region);
    p.setRenderHint(QPainter::Antialiasing);
    const Escala esc = escala();
    const QRect limites = region.boundingRect();
    for (const auto& el : elementos_) {
        // An item outside the repainted region would only be clipped away.
        // Each item sets the pen and brush it uses.
        if (limites.intersects(el->zona()) && region.intersects(el->zona())) {
            el->pintar(p, esc);
        }
    }
    pintarMarcoFoco(*this, p);
}

void Contenedor::pintarFondo(QPainter& p, const QRegion& region) {
    for (const QRect& r : region) {
        rellenar(p, QRectF(r), fondo_);
    }
}

void Contenedor::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The whole surface repaints after a resize; a user scale moves the items.
    recalcularZonas();
    // A user scale stretches with the surface, so the children move with it.
    for (QObject* hijo : children()) {
        if (auto* u = dynamic_cast<Ubicacion*>(hijo)) {
            u->reubicar();
        }
    }
}

void Contenedor::marcarZona(const QRect& zona) {
    if (zona.isEmpty() || marcada_.contains(zona)) {
        return;
    }
    marcada_ |= zona;
    update(marcada_);
}

void Contenedor::recalcularZonas() {
    for (auto& el : elementos_) {
        el->recalcularZona();
    }
}

void Contenedor::cambiarEscala(const Escala& vieja, const Escala& nueva) {
    if (vieja == nueva) {
        return;
    }
    for (auto& el : elementos_) {
        el->remapear(vieja, nueva);
        el->recalcularZona();
    }
    for (QObject* hijo : children()) {
        if (auto* u = dynamic_cast<Ubicacion*>(hijo)) {
            u->remapear(vieja, nueva);
        }
    }
    update();
}

// ---- Frame ----

Frame::Frame(QWidget* padre, const QString& nombre) : Contenedor(padre), Ubicacion(this) {
    setObjectName(nombre);
    caption_ = nombre;
    // A panel is opaque to the mouse: a press on it, or on a disabled label
    // in it, never reaches the surface underneath (a pop-up over the plot
    // must not pick the marker below it).
    setAttribute(Qt::WA_NoMousePropagation);
}

// ---- PictureBox ----

PictureBox::PictureBox(QWidget* padre, const QString& nombre) : Contenedor(padre), Ubicacion(this) {
    setObjectName(nombre);
    setMouseTracking(true);
    sinFormas(*this);
}

void PictureBox::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) {
        sinFormas(*this);
        // A painter may print labels in the surface's font.
        fondoGuardado_ = QPixmap();
    }
    Contenedor::changeEvent(e);
}

PictureBox::~PictureBox() = default;

Escala PictureBox::escala() const {
    if (!usuario_) {
        return Escala();
    }
    return Escala::usuario(scaleLeft_, scaleTop_, scaleWidth_, scaleHeight_, QSizeF(size()));
}

void PictureBox::fijarUsuario(double l, double t, double w, double h) {
    const Escala vieja = escala();
    usuario_ = true;
    scaleLeft_ = l;
    scaleTop_ = t;
    scaleWidth_ = w;
    scaleHeight_ = h;
    cambiarEscala(vieja, escala());
}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
    fijarUsuario(x1, y1, x2 - x1, y2 - y1);
}

void PictureBox::ScaleUsuario() {
    fijarUsuario(ScaleLeft(), ScaleTop(), ScaleWidth(), ScaleHeight());
}

void PictureBox::setScaleHeight(double h) {
    fijarUsuario(ScaleLeft(), ScaleTop(), ScaleWidth(), h);
}

double PictureBox::ScaleLeft() const {
    return usuario_ ? scaleLeft_ : 0.0;
}
double PictureBox::ScaleTop() const {
    return usuario_ ? scaleTop_ : 0.0;
}
double PictureBox::ScaleWidth() const {
    return usuario_ ? scaleWidth_ : pixelesATwips(width());
}
double PictureBox::ScaleHeight() const {
    return usuario_ ? scaleHeight_ : pixelesATwips(height());
}

namespace {

// Takes out of `filas` the row printed at `posicion`. Two prints meant for
// the same place may differ by rounding only; any row within half a pixel is
// the same row. Where the order of `filas` does not matter, the row trades
// places with the last one first, which saves moving the rest.
std::optional<PictureBox::Renglon> sacarRenglon(std::vector<PictureBox::Renglon>& filas,
                                                const QPointF& posicion, bool enOrden) {
    auto mismo = std::find_if(filas.begin(), filas.end(), [&](const PictureBox::Renglon& r) {
        return std::abs(r.posicion.x() - posicion.x()) < 0.5 &&
               std::abs(r.posicion.y() - posicion.y()) < 0.5;
    });
    if (mismo == filas.end()) {
        return std::nullopt;
    }
    if (!enOrden) {
        std::swap(*mismo, filas.back());
        mismo = filas.end() - 1;
    }
    PictureBox::Renglon r = std::move(*mismo);
    filas.erase(mismo);
    return r;
}

bool mismoRenglon(const PictureBox::Renglon& a, const PictureBox::Renglon& b) {
    return a.posicion == b.posicion && a.texto == b.texto && a.color == b.color &&
           a.fuente == b.fuente;
}

} // namespace

QRect PictureBox::zonaRenglon(const QPointF& posicion, double alto) {
    // From a little left of the row's start to far right, whatever the text's
    // width (measuring it would cost as much as drawing it), and a quarter of
    // a line above and below for accents and descenders; update() cuts it to
    // the surface. Bounded so that a row printed far off cannot overflow an int.
    const QRectF banda(posicion.x() - alto, posicion.y() - alto / 4, 1e6, alto * 1.5);
    return banda.intersected(QRectF(-1e6, -1e6, 2e6, 2e6)).toAlignedRect();
}

void PictureBox::Print(const QString& texto) {
    const Escala e = escala();
    const QPointF posicion = e.aPixeles({currentX_, currentY_});
    const double alto = QFontMetricsF(font()).height();
    std::optional<Renglon> antes = sacarRenglon(renglones_, posicion, true);
    if (!antes) {
        antes = sacarRenglon(borrados_, posicion, false);
    }
    // Text in the background colour is invisible: it only erases.
    if (tinta_ != BackColor()) {
        Renglon nuevo{posicion, texto, tinta_, font(), zonaRenglon(posicion, alto)};
        if (antes && mismoRenglon(*antes, nuevo)) {
            antes.reset();
        } else {
            update(nuevo.zona);
        }
        renglones_.push_back(std::move(nuevo));
    }
    if (antes) {
        update(antes->zona);
    }
    const QPointF siguiente = e.desdePixeles(posicion + QPointF(0, alto));
    currentX_ = ScaleLeft();
    currentY_ = siguiente.y();
}

void PictureBox::Cls() {
    borrados_.insert(borrados_.end(), std::make_move_iterator(renglones_.begin()),
                     std::make_move_iterator(renglones_.end()));
    renglones_.clear();
    currentX_ = ScaleLeft();
    currentY_ = ScaleTop();
    // Queued ahead of the repaint, which Qt posts at a lower priority.
    if (!borrados_.empty() && !borradoPendiente_) {
        borradoPendiente_ = true;
        QMetaObject::invokeMethod(this, &PictureBox::terminarBorrado, Qt::QueuedConnection);
    }
}

void PictureBox::terminarBorrado() {
    borradoPendiente_ = false;
    for (const Renglon& r : borrados_) {
        update(r.zona);
    }
    borrados_.clear();
}

double PictureBox::TextHeight(const QString& texto) const {
    const QFontMetricsF m(font());
    const int lineas = std::max<qsizetype>(1, texto.count(QLatin1Char('\n')) + 1);
    return escala().altoDesdePixeles(m.height() * lineas);
}

void PictureBox::setPicture(const QString& rutaSvg) {
    rutaDibujo_ = rutaSvg;
    dibujo_.reset();
    fondoGuardado_ = QPixmap();
    update();
}

void PictureBox::setTextoAyuda(std::function<QString(double, double)> texto) {
    textoAyuda_ = std::move(texto);
}

bool PictureBox::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && textoAyuda_) {
        const auto* ayuda = static_cast<QHelpEvent*>(e);
        const QPointF u = escala().desdePixeles(QPointF(ayuda->pos()));
        const QString texto = textoAyuda_(u.x(), u.y());
        if (texto.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(ayuda->globalPos(), texto, this);
        }
        return true;
    }
    return Contenedor::event(e);
}

void PictureBox::setPintorFondo(std::function<void(QPainter&, const QRectF&)> pintor) {
    pintorFondo_ = std::move(pintor);
    fondoGuardado_ = QPixmap();
    update();
}

void PictureBox::pintarDibujo(QPainter& p) {
    const QRectF area(rect());
    if (!rutaDibujo_.isEmpty() && !dibujo_) {
        dibujo_ = dibujoSvg(rutaDibujo_);
    }
    if (dibujo_ && dibujo_->isValid()) {
        // Fitted to the surface, aligned at its top.
        QSizeF tam = dibujo_->defaultSize();
        tam.scale(area.size(), Qt::KeepAspectRatio);
        dibujo_->render(&p, QRectF(QPointF((area.width() - tam.width()) / 2, 0), tam));
    }
    if (pintorFondo_) {
        p.save();
        pintorFondo_(p, area);
        p.restore();
    }
}

const QPixmap& PictureBox::imagenFondo(double razon) {
    if (fondoGuardado_.isNull() || fondoGuardado_.devicePixelRatio() != razon ||
        tamGuardado_ != size() || colorGuardado_ != BackColor()) {
        fondoGuardado_ = QPixmap((QSizeF(size()) * razon).toSize());
        fondoGuardado_.setDevicePixelRatio(razon);
        fondoGuardado_.fill(BackColor());
        tamGuardado_ = size();
        colorGuardado_ = BackColor();
        QPainter p(&fondoGuardado_);
        pintarDibujo(p);
    }
    return fondoGuardado_;
}

void PictureBox::pintarFondo(QPainter& p, const QRegion& region) {
    if (borradoPendiente_) {
        // A repaint forced before the queued erase: erase the rows now.
        terminarBorrado();
    }
    // At a whole ratio the copy gives the very pixels that painting gives; at
    // a fractional one the surface may begin between two device pixels, so
    // it is painted afresh.
    const QTransform t = p.deviceTransform();
    if ((!rutaDibujo_.isEmpty() || pintorFondo_) && !size().isEmpty() && transformacionEntera(t)) {
        // Each rectangle of the region in bands of few rows: Qt copies them
        // without its worker threads, and clips each to one rectangle.
        const double razon = t.m11();
        const QPixmap& fondo = imagenFondo(razon);
        const int alto = std::max(1, static_cast<int>(filasPorFranja / razon));
        for (const QRect& r : region) {
            for (int y = r.top(); y <= r.bottom(); y += alto) {
                const QRect franja(r.left(), y, r.width(), std::min(alto, r.bottom() + 1 - y));
                p.drawPixmap(
                    QRectF(franja), fondo,
                    QRectF(QPointF(franja.topLeft()) * razon, QSizeF(franja.size()) * razon));
            }
        }
    } else {
        Contenedor::pintarFondo(p, region);
        pintarDibujo(p);
    }
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Renglon& r : renglones_) {
        if (region.intersects(r.zona)) {
            p.setFont(r.fuente);
            p.setPen(r.color);
            p.drawText(r.posicion + QPointF(0, QFontMetricsF(r.fuente).ascent()), r.texto);
        }
    }
    p.restore();
}

std::shared_ptr<QSvgRenderer> dibujoSvg(const QString& ruta) {
    static std::map<QString, std::weak_ptr<QSvgRenderer>> leidos;
    std::shared_ptr<QSvgRenderer> r = leidos[ruta].lock();
    if (!r) {
        r = std::make_shared<QSvgRenderer>(ruta);
        leidos[ruta] = r;
    }
    return r;
}

void sinFormas(QWidget& w) {
    if (!(w.font().styleStrategy() & QFont::PreferNoShaping)) {
        QFont f = w.font();
        f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::PreferNoShaping));
        w.setFont(f);
    }
}

int codigoBoton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return PictureBox::Izquierdo;
    case Qt::RightButton:
        return PictureBox::Derecho;
    case Qt::MiddleButton:
        return PictureBox::Medio;
    default:
        return 0;
    }
}

int codigoBotones(Qt::MouseButtons b) {
    return (b.testFlag(Qt::LeftButton) ? 1 : 0) | (b.testFlag(Qt::RightButton) ? 2 : 0) |
           (b.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int codigoShift(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    const QPointF u = escala().desdePixeles(e->position());
    emit MouseDown(codigoBoton(e->button()), codigoShift(e->modifiers()), static_cast<float>(u.x()),
                   static_cast<float>(u.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    const QPointF u = escala().desdePixeles(e->position());
    emit MouseMove(codigoBotones(e->buttons()), codigoShift(e->modifiers()),
                   static_cast<float>(u.x()), static_cast<float>(u.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF u = escala().desdePixeles(e->position());
    emit MouseUp(codigoBoton(e->button()), codigoShift(e->modifiers()), static_cast<float>(u.x()),
                 static_cast<float>(u.y()));
}

void PictureBox::keyPressEvent(QKeyEvent* e) {
    anunciarTecla(*e, false, [this](int& k, int s) { emit KeyDown(k, s); });
}

void PictureBox::keyReleaseEvent(QKeyEvent* e) {
    anunciarTecla(*e, true, [this](int& k, int s) { emit KeyUp(k, s); });
}

void PictureBox::focusInEvent(QFocusEvent*) {
    update();
    emit GotFocus();
}

void PictureBox::focusOutEvent(QFocusEvent*) {
    update();
    emit LostFocus();
}

} // namespace rectaviva
