// The drawing surface: its user scale, its printed rows, its background
// picture and the events in its own units.
#include "PictureBox.h"

#include "Ampliacion.h"
#include "Eventos.h"
#include "Relleno.h"
#include "Svg.h"

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
#include <optional>

namespace rectaviva {

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
    // A vector device (an SVG file) gets the background as drawing, not as
    // the cached raster.
    const QTransform t = p.deviceTransform();
    if ((!rutaDibujo_.isEmpty() || pintorFondo_) && !size().isEmpty() && transformacionEntera(t) &&
        pintaPixeles(p)) {
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

void PictureBox::mousePressEvent(QMouseEvent* e) {
    const Raton r = traducirRaton(*e, escala().desdePixeles(e->position()));
    emit MouseDown(r.Button, r.Shift, r.X, r.Y);
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    const Raton r = traducirRaton(*e, escala().desdePixeles(e->position()));
    emit MouseMove(r.Button, r.Shift, r.X, r.Y);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const Raton r = traducirRaton(*e, escala().desdePixeles(e->position()));
    emit MouseUp(r.Button, r.Shift, r.X, r.Y);
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
