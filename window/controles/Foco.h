// Keyboard focus for the painted controls: a focus frame that only keyboard
// users see.
#pragma once

#include <QObject>

#include <vector>

class QPainter;
class QWidget;

namespace rectaviva {

// The frame is shown from a Tab or Shift+Tab until the next mouse press, so a
// widget that receives focus while the mouse is in use draws nothing new.
// Installed once per application; without it no frame is ever drawn.
class FocoVisible : public QObject {
    Q_OBJECT
public:
    static void instalar();
    static bool activo();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    using QObject::QObject;
};

// Widgets that share one Tab stop: Tab comes to the one last visited (the
// first at the start), and the arrows, Home and End move the focus among the
// shown ones, stopping at the ends. The stop has the focus policy `parada`
// (one with Tab), the others `resto`.
class GrupoDeFoco : public QObject {
    Q_OBJECT
public:
    GrupoDeFoco(std::vector<QWidget*> miembros, Qt::FocusPolicy parada, Qt::FocusPolicy resto,
                QObject* padre);

    const std::vector<QWidget*>& miembros() const { return miembros_; }
    QWidget* parada() const { return parada_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void hacerParada(QWidget* w);
    int indice(const QObject* o) const;
    // The first shown member from `desde` on in the direction `paso`, or -1.
    int mostrado(int desde, int paso) const;

    std::vector<QWidget*> miembros_;
    Qt::FocusPolicy politicaParada_, resto_;
    QWidget* parada_ = nullptr;
};

// Draws the focus frame on `w` when it has the focus and the frame is shown:
// a 2-pixel white line under black dashes, visible on any background.
void pintarMarcoFoco(QWidget& w, QPainter& p);

} // namespace rectaviva
