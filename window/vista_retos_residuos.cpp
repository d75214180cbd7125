// "¿Qué dicen los residuos?": the round's residual plot and six answers in
// the panel, the check, and the explanation drawn on the student's own plot
// and written in two sentences (three after a wrong answer).
#include "vista_retos.h"

#include "Calculos.h"
#include "Form1.h"
#include "colores.h"
#include "composicion.h"
#include "cuadricula.h"
#include "escala.h"
#include "redondeo.h"
#include "retos_residuos.h"
#include "rueda_residuos.h"
#include "teclas.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>

namespace rectaviva {

namespace {

// An answer's caption in two lines of about the same width where one line
// of `ancho` pixels would not hold it.
QString enDosRenglones(const QString& t, const QFont& f, int ancho) {
    const QFontMetrics m(f);
    if (m.horizontalAdvance(t) <= ancho) {
        return t;
    }
    int corte = -1, mejor = 0;
    for (int i = t.indexOf(QLatin1Char(' ')); i > 0; i = t.indexOf(QLatin1Char(' '), i + 1)) {
        const int largo =
            std::max(m.horizontalAdvance(t.left(i)), m.horizontalAdvance(t.mid(i + 1)));
        if (corte < 0 || largo < mejor) {
            corte = i;
            mejor = largo;
        }
    }
    return corte < 0 ? t : t.left(corte) + QLatin1Char('\n') + t.mid(corte + 1);
}

// The answers by keys: Down and Right choose the next answer, Up and Left
// the one before, in the order they are said (around at the ends), and Enter
// checks, as on the guess's entry.
class TeclasRespuestas : public QObject {
public:
    TeclasRespuestas(QObject* padre, VistaRetos& v, const Matriz<OptionButton>& o)
        : QObject(padre), v_(v), o_(o) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) {
            return false;
        }
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            v_.comprobar();
            return true;
        }
        if (!teclas::esFlecha(tecla)) {
            return false;
        }
        const auto actual = std::find(o_.begin(), o_.end(), objeto);
        const int k = static_cast<int>(actual - o_.begin());
        const int paso = tecla == Qt::Key_Down || tecla == Qt::Key_Right ? 1 : -1;
        const int siguiente = (k + paso + numPatrones) % numPatrones;
        o_(siguiente).setFocus();
        o_(siguiente).click();
        return true;
    }

private:
    VistaRetos& v_;
    const Matriz<OptionButton>& o_;
};

// A residual round's panel is taller than the others: its residual plot,
// then the answers' grid, three rows of two, each row two lines high.
constexpr double altoPanel = 2775, altoPanelResiduos = 3675;
constexpr double izquierdas[2] = {120, 3540}, anchoRespuesta = 3360;
constexpr double arribaRespuestas = 1590, altoRespuesta = 480;

} // namespace

void ControlesRetos::Option3_Click(Integer Index) {
    vistaRetos_->elegirRespuesta(static_cast<Patron>(Index));
}

// The residual plot under the round's title, across the plot's width like
// the residual view's, then the six answers.
void VistaRetos::componerResiduos(Frame& panel) {
    c_.Picture7 = new PictureBox(&panel, QStringLiteral("Picture7"));
    c_.Picture7->Move(0, 360, 7185, 1200);
    for (int k = 1; k <= maxPuntos; ++k) {
        Shape* s = c_.Picture7->agregarShape(nombre("Shape12", k));
        s->setForma(Shape::Forma::Circulo);
        s->setVisible(false);
        c_.Shape12.agregar(k, s);
    }
    for (int k = 1; k <= c_.Line26.UBound(); ++k) {
        Line* l = linea(*c_.Picture7, nombre("Line26", k), 0, 0, 0, 0, colorMarcaReto, 2);
        l->setExtremo(Line::Extremo::Cuadrado);
        l->setVisible(false);
        c_.Line26.agregar(k, l);
    }
    for (int k = 0; k <= 1; ++k) {
        Line* l = linea(*c_.Picture7, nombre("Line27", k), 0, 0, 0, 0, colorMarcaReto, 2);
        l->setVisible(false);
        c_.Line27.agregar(k, l);
    }
    Shape* anillo = c_.Picture7->agregarShape(QStringLiteral("Shape13_1"));
    anillo->setForma(Shape::Forma::Circulo);
    anillo->setFillColor(colorHueco);
    anillo->setBorderColor(colorMarcaReto);
    anillo->setBorderWidth(2);
    anillo->setVisible(false);
    c_.Shape13.agregar(1, anillo);
    auto* filtro = new TeclasRespuestas(&panel, *this, c_.Option3);
    for (int k = 0; k < numPatrones; ++k) {
        auto* o = new OptionButton(&panel, nombre("Option3", k), QString());
        o->setFont(fuente(8.25));
        o->Move(izquierdas[k / 3], arribaRespuestas + altoRespuesta * (k % 3), anchoRespuesta,
                altoRespuesta);
        o->installEventFilter(filtro);
        c_.Option3.agregar(k, o);
        const Integer i = static_cast<Integer>(k);
        QObject::connect(o, &OptionButton::Click, &f_, [this, i] { c_.Option3_Click(i); });
    }
}

// The ring on the plot, over the markers like the influence view's rings.
void VistaRetos::componerPlano(Capa capa) {
    if (capa != Capa::SobreMarcadores) {
        return;
    }
    Shape* anillo = f_.Picture1->agregarShape(QStringLiteral("Shape13_0"));
    anillo->setForma(Shape::Forma::Circulo);
    anillo->setFillColor(colorHueco);
    anillo->setBorderColor(colorMarcaReto);
    anillo->setBorderWidth(2);
    anillo->setVisible(false);
    c_.Shape13.agregar(0, anillo);
}

// The residual plot spans the plot's width, so each residual sits under its point.
void VistaRetos::distribuir() {
    c_.Picture7->setWidth(f_.Picture1->Width());
}

void VistaRetos::trasAjuste() {
    if (rondaDeResiduos()) {
        g_.oCalculos->residuos();
    }
}

// Where the panel's controls go: a residual round has its plot on top, the
// answers under it and the commands at the bottom; once checked, the result
// and the commands in one row and the explanation under them. The other
// rounds keep the panel's first layout.
void VistaRetos::disponerPanel() {
    // Before its lineup a residual round's panel is the others' one: the
    // step's sentence and the commands, the lineup's first.
    const bool residuos = rondaDeResiduos() && !enRueda_;
    c_.Frame10->setHeight(residuos ? altoPanelResiduos : altoPanel);
    c_.Picture7->setVisible(residuos);
    c_.Label9(pregunta).setVisible(!residuos);
    c_.Label9(explicacion).setVisible(!residuos);
    c_.Label9(explicacionResiduos).setVisible(residuos && comprobada_);
    const bool respuestas = residuos && !comprobada_;
    for (int k = 0; k < numPatrones; ++k) {
        OptionButton& o = c_.Option3(k);
        o.setVisible(respuestas);
        // Their captions are measured only when they show.
        if (!respuestas) {
            continue;
        }
        const QString t = nombreDePatron(static_cast<Patron>(k));
        const int indicador = o.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                              o.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        o.setText(enDosRenglones(t, o.font(), o.width() - indicador - 8));
        o.setAccessibleName(nombreDeRespuesta(static_cast<Patron>(k)));
    }
    c_.Command2(ordenComprobar)
        .setVisible(ronda_->reto != Reto::Nube && !enRueda_ && !(residuos && comprobada_));
    c_.Command2(ordenRueda).setVisible(enRueda_);
    // The first step's sentence takes three lines; the others' question two.
    c_.Label9(pregunta).Move(120, 420, 6735, enRueda_ ? 820 : 540);
    if (enRueda_) {
        c_.Command2(ordenRueda).Move(2400, 1300, 1905, 345);
        c_.Command2(ordenOtraRonda).Move(4425, 1300, 1200, 345);
        c_.Command2(ordenTerminar).Move(5745, 1300, 1110, 345);
    } else if (!residuos) {
        for (int k = ordenComprobar; k <= ordenTerminar; ++k) {
            c_.Command2(k).Move(2400 + 1470.0 * k, 1000, 1350, 345);
        }
        c_.Label9(resultado).Move(120, 1440, 6735, 540);
    } else if (!comprobada_) {
        for (int k = 0; k < 3; ++k) {
            c_.Command2(k).Move(120 + 1470.0 * k, arribaRespuestas + 3 * altoRespuesta + 60, 1350,
                                345);
        }
    } else {
        c_.Command2(ordenOtraRonda).Move(120, arribaRespuestas, 1350, 345);
        c_.Command2(ordenTerminar).Move(1590, arribaRespuestas, 1350, 345);
        c_.Label9(resultado).Move(120, arribaRespuestas + 420, 6735, 300);
    }
}

void VistaRetos::elegirRespuesta(Patron p) {
    if (!rondaDeResiduos() || comprobada_ || enRueda_) {
        return;
    }
    respuesta_ = p;
    c_.Option3(static_cast<int>(p)).setValue(true);
}

// The residual plot, and after the answer what gave the pattern away.
void VistaRetos::mostrarResiduos() {
    if (!rondaDeResiduos() || enRueda_ || !f_.existeMuestra()) {
        return;
    }
    // The range in y is the round's own, set by its first residuals so that
    // their pattern fills the plot: a multiple of 10 from 10 to 140, the
    // labels at its half.
    if (rangoResiduos_ == 0) {
        double mayor = 0;
        for (Integer k = 1; k <= g_.nPuntos; ++k) {
            if (g_.activo(k) == 1 && std::isfinite(g_.residuo(k))) {
                mayor = std::max(mayor, std::fabs(D(g_.residuo(k))));
            }
        }
        rangoResiduos_ = std::clamp(10 * std::ceil(1.2 * mayor / 10), 10.0, 140.0);
        c_.Picture7->setPintorFondo([m = rangoResiduos_](QPainter& p, const QRectF& r) {
            pintarCuadriculaResiduosDe(p, r, EjeCuadricula{}, m, 0);
        });
    }
    c_.Picture7->Scale(g_.xMin, rangoResiduos_, g_.xMax, -rangoResiduos_);
    dibujoResiduos_->dibujar(comprobada_, ronda_->patron, ronda_->grupo, rangoResiduos_);
}

void VistaRetos::comprobarResiduos() {
    if (!respuesta_) {
        hablar(QCoreApplication::translate("retos",
                                           "Elige una de las seis respuestas y pulsa Comprobar."));
        c_.Option3(0).setFocus();
        return;
    }
    const Patron verdad = ronda_->patron;
    anotar(static_cast<double>(*respuesta_), static_cast<double>(verdad),
           puntosResiduos(*respuesta_, verdad));
    revelado();
    mostrarResiduos();
}

DialogoRueda* VistaRetos::dialogoRueda() const {
    return dialogoRueda_;
}

// The lineup in a window-modal dialog. In a residual round's first step it
// is of the round's points, not yet shown, and the pick is blind; closing it
// loads the round. Otherwise it is of the points in use, already seen.
// Where the own plot goes comes from azarRueda_, never from the code.
void VistaRetos::abrirRueda() {
    if (dialogoRueda_ && dialogoRueda_->isVisible()) {
        return;
    }
    const bool aCiegas = rondaDeResiduos() && enRueda_;
    const std::vector<PuntoReto> puntos = aCiegas ? ronda_->puntos : dibujoResiduos_->puntosEnUso();
    if (!aCiegas && (!f_.existeMuestra() || puntos.size() < 3)) {
        hablar(QCoreApplication::translate(
            "retos", "La «Rueda de residuos» necesita una muestra con al menos 3 puntos en uso."));
        return;
    }
    auto* d = new DialogoRueda(
        &f_, ruedaDeResiduos(puntos, azarRueda_()), [this](const QString& t) { hablar(t); },
        QString::fromStdString(m_->puntoDecimal()));
    d->setACiegas(aCiegas);
    d->setAttribute(Qt::WA_DeleteOnClose);
    dialogoRueda_ = d;
    if (aCiegas) {
        QObject::connect(d, &QDialog::finished, &f_, [this, n = numeroRonda_] {
            if (ronda_ && enRueda_ && n == numeroRonda_) {
                enRueda_ = false;
                // The window takes the keys back, so that a screen reader
                // follows the focus into the round's answers.
                f_.activateWindow();
                cargarRonda();
            }
        });
    }
    d->open();
    hablar(QCoreApplication::translate("retos", "Rueda de residuos") + QStringLiteral(". ") +
           d->pregunta());
}

} // namespace rectaviva
