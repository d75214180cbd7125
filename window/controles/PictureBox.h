// The drawing surface: a container with a user scale, printed text kept as
// rows, a background picture drawn once per size, and mouse and key events
// in its own units.
#pragma once

#include "Contenedor.h"
#include "Eventos.h"

#include <QFont>
#include <QPixmap>

#include <functional>
#include <memory>
#include <vector>

class QSvgRenderer;

namespace rectaviva {

// A drawing surface. Units are twips until a user scale is set; text printed
// at (CurrentX, CurrentY) in ForeColor is kept as rows of data, so printing
// at a place replaces what was printed there and a repaint always shows each
// row's latest text. Mouse events arrive in the surface's own units.
class PictureBox : public Contenedor, public Ubicacion {
    Q_OBJECT
public:
    // Button codes of the mouse events: left 1, right 2, middle 4 (a sum
    // when several are held); shift codes: Shift 1, Ctrl 2, Alt 4.
    enum Boton { Izquierdo = boton::izquierdo, Derecho = boton::derecho, Medio = boton::medio };

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

} // namespace rectaviva
