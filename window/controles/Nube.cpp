// The cloud of many points: one pass over the points, each a copy of a
// marker drawn once per colour, with the raised point painted last.
#include "Nube.h"

#include "Contenedor.h"
#include "EscalaContenedor.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rectaviva {

void Nube::setPuntos(std::vector<QPointF> puntos, std::vector<std::uint8_t> eliminado) {
    eliminado.resize(puntos.size(), 0);
    if (puntos == puntos_ && eliminado == eliminado_) {
        return;
    }
    puntos_ = std::move(puntos);
    eliminado_ = std::move(eliminado);
    if (resaltado_ > cantidad()) {
        resaltado_ = 0;
    }
    repintar();
}

void Nube::moverPunto(int k, QPointF p) {
    if (k >= 1 && k <= cantidad() && puntos_[std::size_t(k - 1)] != p) {
        puntos_[std::size_t(k - 1)] = p;
        repintar();
    }
}

void Nube::setEliminado(int k, bool eliminado) {
    if (k >= 1 && k <= cantidad() && bool(eliminado_[std::size_t(k - 1)]) != eliminado) {
        eliminado_[std::size_t(k - 1)] = eliminado ? 1 : 0;
        repintar();
    }
}

void Nube::setResaltado(int k, const QColor& c) {
    k = k >= 1 && k <= cantidad() ? k : 0;
    if (k != resaltado_ || (k != 0 && c != resaltadoColor_)) {
        resaltado_ = k;
        resaltadoColor_ = c;
        repintar();
    }
}

void Nube::setColores(const QColor& activo, const QColor& eliminado) {
    if (activo != activo_ || eliminado != borrado_) {
        activo_ = activo;
        borrado_ = eliminado;
        repintar();
    }
}

int Nube::diametro(int n) {
    return n <= 500 ? 7 : n <= 5000 ? 5 : 3;
}

int Nube::opacidad(int n) {
    return n <= 500 ? 255 : n <= 5000 ? 150 : 90;
}

int Nube::puntoEn(double x, double y, double dx, double dy) const {
    for (std::size_t i = 0; i < puntos_.size(); ++i) {
        if (std::fabs(puntos_[i].x() - x) < dx && std::fabs(puntos_[i].y() - y) < dy) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

const QImage& Nube::sello(const QColor& c, int d, double razon) const {
    if (razon != selloRazon_) {
        sellos_.clear();
        selloRazon_ = razon;
    }
    const auto clave = std::make_pair(c.rgba(), d);
    if (const auto i = sellos_.find(clave); i != sellos_.end()) {
        return i->second;
    }
    const int lado = static_cast<int>(std::ceil(d * razon));
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(razon);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QRectF(0, 0, d, d));
    p.end();
    return sellos_.emplace(clave, std::move(imagen)).first->second;
}

void Nube::pintar(QPainter& p, const Escala& e) const {
    const int n = cantidad();
    const int d = static_cast<int>(std::lround(diametro(n) * ampliacion()));
    const double razon = p.device() != nullptr ? p.device()->devicePixelRatioF() : 1.0;
    const double r = d / 2.0;
    QColor activo = activo_, borrado = borrado_;
    activo.setAlpha(opacidad(n));
    borrado.setAlpha(opacidad(n));
    const QImage& selloActivo = sello(activo, d, razon);
    const QImage& selloBorrado = sello(borrado, d, razon);
    // Deleted points first, so that the points in use lie over them.
    for (int pasada = 0; pasada < 2; ++pasada) {
        const QImage& s = pasada == 0 ? selloBorrado : selloActivo;
        for (std::size_t i = 0; i < puntos_.size(); ++i) {
            if ((eliminado_[i] != 0) == (pasada == 0) && int(i + 1) != resaltado_) {
                const QPointF c = e.aPixeles(puntos_[i]);
                p.drawImage(QPointF(c.x() - r, c.y() - r), s);
            }
        }
    }
    if (resaltado_ != 0) {
        const int dr = d + 2;
        const QPointF c = e.aPixeles(puntos_[std::size_t(resaltado_ - 1)]);
        p.drawImage(QPointF(c.x() - dr / 2.0, c.y() - dr / 2.0), sello(resaltadoColor_, dr, razon));
    }
}

void Nube::remapear(const Escala& vieja, const Escala& nueva) {
    for (QPointF& q : puntos_) {
        q = nueva.desdePixeles(vieja.aPixeles(q));
    }
}

QRectF Nube::zonaDibujo(const Escala&) const {
    // Any change repaints the plot: the points may lie anywhere on it.
    return puntos_.empty() ? QRectF() : QRectF(contenedor().rect());
}

} // namespace rectaviva
