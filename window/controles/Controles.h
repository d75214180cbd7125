// The simple controls of the window: Label, TextBox, ListBox, CheckBox,
// Image, Timer and menu entries. Each is a thin layer over a Qt widget that adds the
// placement in container units and the events the window's handlers expect.
#pragma once

#include "Contenedor.h"
#include "Eventos.h"
#include "Foco.h"
#include "Traduccion.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

#include <memory>

class QMenu;
class QMenuBar;
class QSvgRenderer;

namespace rectaviva {

// Gives w's palette the two colours under the two roles in every colour
// group; a disabled control's text is greyed whatever its own colour.
void colorearPaleta(QWidget& w, QPalette::ColorRole fondo, const QColor& cFondo,
                    QPalette::ColorRole tinta, const QColor& cTinta);

// The back and fore colours of a control, kept in its palette under the
// roles it paints them with; a colour set to what it already is changes
// nothing and repaints nothing. The control applies them once it is set up.
template <QPalette::ColorRole RolFondo, QPalette::ColorRole RolTinta> class Colores {
public:
    QColor BackColor() const { return fondo_; }
    QColor ForeColor() const { return tinta_; }
    void setBackColor(const QColor& c) {
        if (c != fondo_) {
            fondo_ = c;
            aplicarColores();
        }
    }
    void setForeColor(const QColor& c) {
        if (c != tinta_) {
            tinta_ = c;
            aplicarColores();
        }
    }

protected:
    explicit Colores(QWidget& w)
        : w_(w), fondo_(w.palette().color(RolFondo)), tinta_(w.palette().color(RolTinta)) {}
    ~Colores() = default;
    void aplicarColores() { colorearPaleta(w_, RolFondo, fondo_, RolTinta, tinta_); }

private:
    QWidget& w_;
    QColor fondo_;
    QColor tinta_;
};

// Static text. Disabled, it is drawn greyed and gives no Click. With a
// transparent back style the container (and its items) show through. Like
// every control here, a caption or colour set to what it already is
// repaints nothing.
class Label : public QLabel,
              public Ubicacion,
              public Colores<QPalette::Window, QPalette::WindowText> {
    Q_OBJECT
public:
    Label(QWidget* padre, const QString& nombre);

    QString Caption() const { return text(); }
    // A caption set by the program no longer follows the language.
    void setCaption(const QString& c) {
        olvidarTexto(this, ClaveTexto::Titulo);
        if (c != text()) {
            setText(c);
        }
    }
    bool transparente() const { return !autoFillBackground(); }
    void setTransparente(bool t);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QRect zonaTexto();
    bool presionado_ = false;
    // Where the text lies, and what it was measured for.
    QRect zonaTexto_;
    QString textoMedido_;
    QSize tamMedido_;
    QFont fuenteMedida_;
    Qt::Alignment alineacionMedida_;
};

// One line of centred text. Every key that produces a character (Enter 13,
// Backspace 8, Escape 27, printable characters by their code) is announced by
// KeyPress before it reaches the text; setting KeyAscii to 0 there drops the
// key, another value replaces it. Change follows every change of the text,
// typed or set by the program; setting the same text again is no change
// and repaints nothing. A read-only box still announces its keys but accepts
// no typing. Its text is laid out without OpenType shaping, whatever font it
// is given: the numbers it shows never need it, and a new value then costs
// about half as much.
class TextBox : public QLineEdit, public Ubicacion, public Colores<QPalette::Base, QPalette::Text> {
    Q_OBJECT
public:
    // Born locked, the box skips the change of accessible interface that
    // locking it afterwards costs.
    TextBox(QWidget* padre, const QString& nombre, bool bloqueada = false);

    QString Text() const { return text(); }
    void setText(const QString& t);
    bool Locked() const { return isReadOnly(); }
    // A locked box still takes the focus from a click, but Tab passes it by.
    void setLocked(bool l);
    // A box that may narrow draws a text wider than its room squeezed
    // across, down to kEstrechoMinimo of its width, while it is locked or
    // not being typed into; off, it is Qt's own line edit.
    void setEstrechable(bool e);
    static constexpr double kEstrechoMinimo = 0.6;
    // The width in pixels that a text may take inside the box.
    int sitioTexto() const;

signals:
    void KeyPress(int& KeyAscii);
    void Change();

protected:
    // A locked box with nothing selected leaves Ctrl+C to the window's own
    // shortcut (its menu's copy of the results): it has nothing to copy.
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void fijarBloqueo(bool l, bool interfazDada);
    bool estrechable_ = false;
};

// A list of text rows, appended at the end. Used as a text panel: rows are
// not selectable.
class ListBox : public QListWidget,
                public Ubicacion,
                public Colores<QPalette::Base, QPalette::Text> {
    Q_OBJECT
public:
    ListBox(QWidget* padre, const QString& nombre);

    void AddItem(const QString& fila);
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    QString List(int i) const;

protected:
    void focusInEvent(QFocusEvent* e) override;
};

// A button that holds a mark (a box to tick, a choice of a group), with its
// caption to the right and the focus frame: Click (of the subclass) follows
// every change of the mark that the program did not make, however it came
// (the mouse, a key, a screen reader's toggle action, which changes the mark
// without a click); setting the value from the program announces nothing.
template <class Boton> class Marcable : public Boton, public Ubicacion {
public:
    Marcable(QWidget* padre, const QString& nombre) : Boton(padre), Ubicacion(this) {
        this->setObjectName(nombre);
        this->setAutoFillBackground(true);
    }

    bool Value() const { return this->isChecked(); }
    void setValue(bool v) {
        const QSignalBlocker bloqueo(this);
        this->setChecked(v);
    }
    void setBackColor(const QColor& c) {
        QPalette p = this->palette();
        p.setColor(QPalette::Window, c);
        p.setColor(QPalette::Button, c);
        this->setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        Boton::paintEvent(e);
        QPainter p(this);
        pintarMarcoFoco(*this, p);
    }
};

// A box to tick: Click follows each change of its mark.
class CheckBox : public Marcable<QCheckBox> {
    Q_OBJECT
public:
    CheckBox(QWidget* padre, const QString& nombre);

signals:
    void Click();
};

// A button with a caption; Click follows a press by the mouse, Space or Enter.
class CommandButton : public QPushButton, public Ubicacion {
    Q_OBJECT
public:
    CommandButton(QWidget* padre, const QString& nombre, const QString& caption);
    // With a caption that follows the language.
    CommandButton(QWidget* padre, const QString& nombre, Fuente caption);

    QString Caption() const { return text(); }
    void setCaption(const QString& c);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// One of a group of choices in one container: Click follows its choice (a
// press on the choice already made changes nothing and says nothing).
class OptionButton : public Marcable<QRadioButton> {
    Q_OBJECT
public:
    OptionButton(QWidget* padre, const QString& nombre, const QString& caption);
    OptionButton(QWidget* padre, const QString& nombre, Fuente caption);

signals:
    void Click();
};

// A small vector picture stretched over its extent, with a tooltip, a Click
// and press/release events (button codes as PictureBox, X and Y in twips
// from the image's corner).
class Image : public QWidget, public Ubicacion {
    Q_OBJECT
public:
    Image(QWidget* padre, const QString& nombre);
    ~Image() override;

    void setPicture(const QString& rutaSvg);
    bool tieneDibujo() const;
    // A click of the left button in its middle, as a screen reader's press
    // action makes it: MouseDown, MouseUp, Click.
    void pulsar();

signals:
    void Click();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    // Keys and focus as PictureBox has them.
    void KeyDown(int& KeyCode, int Shift);
    void KeyUp(int& KeyCode, int Shift);
    void LostFocus();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    std::shared_ptr<QSvgRenderer> dibujo_;
};

// A periodic tick. Enabling (re)starts the interval; disabling stops it.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* padre, const QString& nombre);

    int Interval() const { return intervalo_; }
    void setInterval(int ms);
    bool Enabled() const { return habilitado_; }
    void setEnabled(bool e);

signals:
    void Tick();

private:
    void actualizar();
    QTimer reloj_;
    int intervalo_ = 0; ///< milliseconds; 0 never ticks
    bool habilitado_ = false;
};

// Drops the accessible interface Qt keeps for `o`, so that the next question
// makes a new one: for a control whose kind of interface has changed.
void olvidarInterfazAccesible(QObject* o);

// An entry of the menu bar or of a drop-down menu. An entry of the bar with
// entries under it opens them; one without them is a command.
class Menu : public QObject {
    Q_OBJECT
public:
    // An entry of the menu bar.
    Menu(QMenuBar& barra, const QString& nombre, const QString& caption, bool desplegable);
    // An entry under a drop-down entry; with `desplegable`, a submenu.
    Menu(Menu& padre, const QString& nombre, const QString& caption, bool desplegable = false);
    // The same with a caption that follows the language.
    Menu(QMenuBar& barra, const QString& nombre, Fuente caption, bool desplegable);
    Menu(Menu& padre, const QString& nombre, Fuente caption, bool desplegable = false);

    QString Caption() const;
    // A caption set by the program no longer follows the language.
    void setCaption(const QString& c);
    bool Enabled() const;
    void setEnabled(bool e);
    bool Visible() const;
    void setVisible(bool v);
    // A checkable entry toggles its check mark each time it is chosen.
    bool Checked() const { return accion_->isChecked(); }
    void setCheckable(bool c);
    QAction* accion() const { return accion_; }
    QMenu* desplegable() const { return menu_; }

signals:
    void Click();

private:
    QAction* accion_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace rectaviva
