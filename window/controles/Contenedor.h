// Surfaces that hold other controls: the plain panel (Frame), the drawing
// surface with a user scale, printed text and mouse events (PictureBox), and
// their common base, which also paints the container's light items. A paint
// draws only the items and rows that meet the region being repainted.
#pragma once

#include "Elementos.h"
#include "Escala.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QSvgRenderer;

namespace rectaviva {

// Placement of a widget in its container's units (twips, or the user scale
// of a PictureBox). The values set are kept exactly and read back unchanged;
// the widget's pixel geometry is derived from them.
class Ubicacion {
public:
    virtual ~Ubicacion() = default;

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);  ///< a negative width is stored as 0
    void setHeight(double v); ///< a negative height is stored as 0
    void Move(double left, double top, double width, double height);

    // The control's own visibility flag (a shown control inside a hidden
    // panel is Visible); shown and hidden with QWidget::setVisible.
    bool Visible() const;
    bool Enabled() const;

    // Recomputes the pixel geometry (after the container resized or rescaled).
    void reubicar();
    // Keeps the widget in place on the screen when the container's scale changes.
    void remapear(const Escala& vieja, const Escala& nueva);

protected:
    explicit Ubicacion(QWidget* w) : widget_(*w) {}
    Ubicacion(const Ubicacion&) = delete;
    Ubicacion& operator=(const Ubicacion&) = delete;

private:
    QWidget& widget_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0; ///< container units
};

// The scale that a widget's parent gives its children: the parent's own
// scale when it is a container, twips otherwise.
Escala escalaDelPadre(const QWidget& w);

// Draws `ventana` and everything in it `factor` times larger than designed:
// twips are converted with that zoom, every font is its design size times
// the factor, and every placed control takes its new pixel geometry. Values
// in container units do not change; what the window places from the
// screen's size, it places again itself.
void ampliar(QWidget& ventana, double factor);

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
    const std::vector<std::unique_ptr<ElementoLigero>>& elementos() const { return elementos_; }
    // Works out again where every item paints, after a change that moves
    // their pixels without a setter (a resize, a new scale, a new zoom).
    void recalcularZonas();
    // Marks a zone of an item (logical pixels) for the next paint. The
    // zones of one paint are painted as the one rectangle around them:
    // Qt clips to one rectangle several times faster than to many, and the
    // items that this adds are cheap to paint.
    void marcarZona(const QRect& zona);

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
    QRect marcada_; ///< the zones marked since the last paint
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

// A drawing surface. Units are twips until a user scale is set; text printed
// at (CurrentX, CurrentY) in ForeColor is kept as rows of data, so printing
// at a place replaces what was printed there and a repaint always shows each
// row's latest text. Mouse events arrive in the surface's own units.
class PictureBox : public Contenedor, public Ubicacion {
    Q_OBJECT
public:
    // Button codes of the mouse events: left 1, right 2, middle 4 (a sum
    // when several are held); shift codes: Shift 1, Ctrl 2, Alt 4.
    enum Boton { Izquierdo = 1, Derecho = 2, Medio = 4 };

    explicit PictureBox(QWidget* padre, const QString& nombre);
    ~PictureBox() override;

    Escala escala() const override;

    // Upper-left corner (x1, y1), lower-right corner (x2, y2).
    void Scale(double x1, double y1, double x2, double y2);
    // Freezes the current mapping as a user scale (a later resize stretches it).
    void ScaleUsuario();
    // A user scale of `h` units over the height; the other values stay.
    void setScaleHeight(double h);
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    QColor ForeColor() const { return tinta_; }
    void setForeColor(const QColor& c) { tinta_ = c; }

    // Prints `texto` with its top-left corner at the current position, in
    // ForeColor and the surface's font, replacing a row printed at the same
    // place. Printing in the background colour removes that row. Afterwards
    // the position moves to the start of the next line. Only a row whose
    // text, colour or font changed is repainted.
    void Print(const QString& texto);
    // Removes all printed text; the position goes to the top-left corner.
    // The removed rows are erased from the screen before the next paint,
    // except those printed again unchanged by then.
    void Cls();
    // Height of a text in the surface's units.
    double TextHeight(const QString& texto) const;

    // A row of printed text, in logical pixels of the surface.
    struct Renglon {
        QPointF posicion; ///< top-left corner of the text
        QString texto;
        QColor color;
        QFont fuente;
        QRect zona; ///< every pixel its glyphs may touch, antialiasing included
    };
    const std::vector<Renglon>& renglones() const { return renglones_; }

    // The background picture: an SVG resource fitted into the surface keeping
    // its proportions (an empty path removes it), and/or a painter called with
    // the surface's rectangle in logical pixels.
    void setPicture(const QString& rutaSvg);
    void setPintorFondo(std::function<void(QPainter&, const QRectF&)> pintor);
    // The tooltip at a place (in the surface's units) while the mouse rests
    // there; an empty text shows none. Without it the surface has no tooltip.
    void setTextoAyuda(std::function<QString(double x, double y)> texto);

signals:
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    // Keys while the surface has the focus (Qt key codes); a handler that
    // uses the key sets KeyCode to 0. A held key repeats KeyDown only.
    void KeyDown(int& KeyCode, int Shift);
    void KeyUp(int& KeyCode, int Shift);
    void GotFocus();
    void LostFocus();

protected:
    bool event(QEvent* e) override;
    void pintarFondo(QPainter& p, const QRegion& region) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void fijarUsuario(double l, double t, double w, double h);
    static QRect zonaRenglon(const QPointF& posicion, double alto);
    void terminarBorrado();
    void pintarDibujo(QPainter& p);
    const QPixmap& imagenFondo(double razon);

    bool usuario_ = false;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1; ///< user scale
    double currentX_ = 0, currentY_ = 0;                                     ///< surface units
    QColor tinta_{0, 0, 0};
    std::vector<Renglon> renglones_;
    // Rows removed by Cls and not yet erased from the screen: a row printed
    // again unchanged before the next paint is taken back without a repaint.
    std::vector<Renglon> borrados_;
    bool borradoPendiente_ = false;
    // The picture's path; it is read at the first paint that shows it, so a
    // sheet that is never opened costs nothing at start-up.
    QString rutaDibujo_;
    std::shared_ptr<QSvgRenderer> dibujo_;
    std::function<void(QPainter&, const QRectF&)> pintorFondo_;
    std::function<QString(double, double)> textoAyuda_;
    // The background colour, picture and painter drawn once for the
    // surface's size and a whole pixel ratio, and reused by later paints.
    QPixmap fondoGuardado_;
    QSize tamGuardado_; ///< logical pixels
    QColor colorGuardado_;
};

// The renderer of an SVG file or resource, read at its first use and shared
// by every control that shows it (the help icons all show one picture).
std::shared_ptr<QSvgRenderer> dibujoSvg(const QString& ruta);

// Keeps QFont::PreferNoShaping in the widget's font, whatever font it is
// given: the Latin text of the window never needs OpenType shaping, and text
// laid out without it costs about half as much. Called at construction and
// at every FontChange.
void sinFormas(QWidget& w);

// Button and modifier codes of a Qt mouse event.
int codigoBoton(Qt::MouseButton b);
int codigoBotones(Qt::MouseButtons b);
int codigoShift(Qt::KeyboardModifiers m);

} // namespace rectaviva
