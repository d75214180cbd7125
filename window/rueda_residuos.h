// "Rueda de residuos", the lineup of "¿Qué dicen los residuos?": twenty small
// residual plots on one scale, nineteen from samples where the model holds
// and one from the student's. The student picks the one that stands out, by
// mouse or keys, and the dialog shows and says whether it was theirs: a
// right pick framed in the own plot's green, a wrong one in red.
#pragma once

#include "retos_residuos.h"

#include <QDialog>
#include <QLocale>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;

namespace rectaviva {

// The twenty plots painted by one widget, 5 across and 4 down, numbered 1..20
// in reading order (indices 0..19). Every plot shares the x range of all the
// points and one symmetric range of e, so that none stands out by its scale.
// The arrows move a focus frame among them, Enter or Space picks.
class CuadriculaRueda : public QWidget {
    Q_OBJECT
public:
    static constexpr int columnas = 5, filas = 4;

    explicit CuadriculaRueda(QWidget* padre);

    void setRueda(const Rueda* rueda);
    // The plot that the keys are on, 0..19; moving it says "Gráfico n de 20".
    int enFoco() const { return foco_; }
    void enfocar(int k);
    // What the plots show after the pick: the picked one and the own one
    // framed (-1 for none).
    void revelar(int elegido, int propio);
    // Where plot k (0..19) is drawn, in the widget's pixels.
    QRectF areaDe(int k) const;
    // The plot under a point of the widget, or -1.
    int graficoEn(QPointF p) const;
    void setHablar(std::function<void(const QString&)> f) { hablar_ = std::move(f); }

signals:
    void elegido(int k);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    QRectF celda(int k) const;
    void pintarGrafico(QPainter& p, int k) const;
    void decirFoco() const;

    const Rueda* rueda_ = nullptr;
    double xMin_ = -1, xMax_ = 1, eMax_ = 1;
    int foco_ = 0;
    int elegido_ = -1, propio_ = -1;
    std::function<void(const QString&)> hablar_;
};

class DialogoRueda : public QDialog {
    Q_OBJECT
public:
    // `hablar` is the window's notification path; `puntoDecimal` the decimal
    // mark of the numbers said and shown.
    DialogoRueda(QWidget* padre, Rueda rueda, std::function<void(const QString&)> hablar,
                 QString puntoDecimal = QLocale::system().decimalPoint());

    // A new lineup: nothing picked, the keys on plot 1.
    void setRueda(Rueda rueda);
    // Whether the student picks before having seen the own residuals: only
    // then is a right pick by chance 1 in 20.
    void setACiegas(bool a) { aCiegas_ = a; }
    bool aCiegas() const { return aCiegas_; }
    const Rueda& rueda() const { return rueda_; }
    // The picked plot, 0..19, or -1 before the pick; whether it is the own.
    int elegido() const { return elegido_; }
    bool acertado() const { return elegido_ >= 0 && elegido_ == rueda_.propio; }
    // Picks plot k (0..19) as a click does; once picked, nothing changes.
    void elegir(int k);
    // The sentence shown after the pick (empty before).
    QString resultado() const;
    // The question shown above the plots.
    QString pregunta() const;
    CuadriculaRueda& graficos() const { return *graficos_; }

signals:
    void graficoElegido(int k);

protected:
    // Kept whole on the screen it opens on.
    void showEvent(QShowEvent* e) override;

private:
    Rueda rueda_;
    int elegido_ = -1;
    bool aCiegas_ = false;
    std::function<void(const QString&)> hablar_;
    QString punto_;
    CuadriculaRueda* graficos_ = nullptr;
    QLabel* pregunta_ = nullptr;
    QLabel* resultado_ = nullptr;
};

} // namespace rectaviva
