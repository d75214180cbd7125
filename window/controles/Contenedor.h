// Surfaces that hold other controls: the plain panel (Frame) and the base of
// every surface, which paints its background and its light items. A paint
// draws only the items that meet the region being repainted.
#pragma once

#include "Elementos.h"
#include "EscalaContenedor.h"
#include "Lugar.h"
#include "Nube.h"
#include "Rotulos.h"

#include <QColor>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <vector>

namespace rectaviva {

// A surface with a background colour that holds widgets and light items.
// Its units are twips unless a subclass gives it another scale.
class Contenedor : public QWidget {
    Q_OBJECT
public:
    explicit Contenedor(QWidget* padre = nullptr);
    ~Contenedor() override;

    virtual Escala escala() const { return Escala(); }

    QColor BackColor() const { return fondo_; }
    void setBackColor(const QColor& c);

    // Creates a light item of this container, drawn after (above) the ones
    // created before it. The container owns it.
    Shape* agregarShape(const QString& nombre);
    Line* agregarLine(const QString& nombre);
    Nube* agregarNube(const QString& nombre);
    Rotulos* agregarRotulos(const QString& nombre);
    const std::vector<std::unique_ptr<ElementoLigero>>& elementos() const { return elementos_; }
    // Works out again where every item paints, after a change that moves
    // their pixels without a setter (a resize, a new scale, a new zoom).
    void recalcularZonas();
    // Marks a zone of an item (logical pixels) for the next paint. The
    // zones of one paint are painted as a few rectangles around them (zones
    // that touch share one): Qt clips to a few rectangles several times
    // faster than to many, the items this adds are cheap to paint, and the
    // child widgets outside them (labels, boxes) are not painted again.
    void marcarZona(const QRect& zona);
    // Paints the background and every light item, without the child widgets,
    // on any device: an image at any ratio, or an SVG file as vectors.
    void pintarEn(QPainter& p);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // Paints the background of `region` (logical pixels), under the light
    // items: the background colour unless a subclass paints more.
    virtual void pintarFondo(QPainter& p, const QRegion& region);
    // Moves items and child widgets so that nothing shifts on the screen.
    void cambiarEscala(const Escala& vieja, const Escala& nueva);

private:
    QColor fondo_;
    std::vector<std::unique_ptr<ElementoLigero>> elementos_;
    // At most this many rectangles are marked between two paints.
    static constexpr std::size_t kZonasPorPintado = 6;
    std::vector<QRect> marcadas_; ///< the zones marked since the last paint
};

// A plain panel in twips. Its caption is kept but never shown.
class Frame : public Contenedor, public Ubicacion {
    Q_OBJECT
public:
    explicit Frame(QWidget* padre, const QString& nombre);
    QString Caption() const { return caption_; }
    void setCaption(const QString& c) { caption_ = c; }

private:
    QString caption_;
};

} // namespace rectaviva
