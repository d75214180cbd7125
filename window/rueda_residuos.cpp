// The lineup's dialog: the question, the twenty plots in one widget painted
// with QPainter directly (so that the twenty paint in a few milliseconds),
// the sentence after the pick and "Cerrar".
#include "rueda_residuos.h"

#include "colores.h"
#include "cuadricula.h"
#include "formatos.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

// The gap between a cell's edge and its plot: the focus frame and the
// picked plot's frame are drawn in it.
constexpr double margen = 7;

// The plots' numbers, in pixels: a tenth of a cell's height, 9 to 14.
int tamanoLetra(int alto) {
    return std::clamp(alto / CuadriculaRueda::filas / 10, 9, 14);
}

} // namespace

CuadriculaRueda::CuadriculaRueda(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("graficosRueda"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(columnas * 110, filas * 80);
    setAccessibleName(QCoreApplication::translate("retos", "Veinte gráficos de residuos"));
    setAccessibleDescription(QCoreApplication::translate(
        "retos", "Las flechas recorren los gráficos; Intro o Espacio elige el que destaca."));
}

void CuadriculaRueda::setRueda(const Rueda* rueda) {
    rueda_ = rueda;
    foco_ = 0;
    elegido_ = propio_ = -1;
    // One scale for all: x over every point, e symmetric about 0 with room
    // for the markers. Points that are not finite are left out.
    double lo = HUGE_VAL, hi = -HUGE_VAL, m = 0;
    const std::size_t n =
        rueda == nullptr ? 0 : std::min<std::size_t>(rueda->graficos.size(), graficosDeRueda);
    for (std::size_t k = 0; k < n; ++k) {
        for (const PuntoResiduo& r : rueda->graficos[k]) {
            if (std::isfinite(r.x) && std::isfinite(r.e)) {
                lo = std::min(lo, r.x);
                hi = std::max(hi, r.x);
                m = std::max(m, std::abs(r.e));
            }
        }
    }
    if (!(lo < hi) || !std::isfinite(hi - lo)) {
        const double centro = lo <= hi ? lo : 0;
        lo = centro - 1;
        hi = centro + 1;
    }
    const double borde = 0.04 * (hi - lo);
    xMin_ = lo - borde;
    xMax_ = hi + borde;
    eMax_ = m > 0 && std::isfinite(m) ? 1.15 * m : 1;
    update();
}

void CuadriculaRueda::enfocar(int k) {
    if (k < 0 || k >= graficosDeRueda) {
        return;
    }
    foco_ = k;
    update();
    decirFoco();
}

void CuadriculaRueda::revelar(int elegido, int propio) {
    elegido_ = elegido;
    propio_ = propio;
    update();
}

QRectF CuadriculaRueda::celda(int k) const {
    const int c = k % columnas, f = k / columnas;
    const int x0 = width() * c / columnas, x1 = width() * (c + 1) / columnas;
    const int y0 = height() * f / filas, y1 = height() * (f + 1) / filas;
    return QRectF(x0, y0, x1 - x0, y1 - y0);
}

QRectF CuadriculaRueda::areaDe(int k) const {
    // The number and "Tu muestra" go on a line above the plot.
    return celda(k).adjusted(margen, margen + tamanoLetra(height()) + 4, -margen, -margen);
}

int CuadriculaRueda::graficoEn(QPointF p) const {
    if (!rect().contains(p.toPoint())) {
        return -1;
    }
    const int c = std::clamp(static_cast<int>(p.x() * columnas / width()), 0, columnas - 1);
    const int f = std::clamp(static_cast<int>(p.y() * filas / height()), 0, filas - 1);
    return f * columnas + c;
}

void CuadriculaRueda::decirFoco() const {
    if (!hablar_) {
        return;
    }
    QString t = QCoreApplication::translate("retos", "Gráfico %1 de %2")
                    .arg(foco_ + 1)
                    .arg(graficosDeRueda);
    if (foco_ == propio_) {
        t = QCoreApplication::translate("retos", "%1: tu muestra").arg(t);
    } else if (foco_ == elegido_) {
        t = QCoreApplication::translate("retos", "%1: tu elección").arg(t);
    }
    hablar_(t);
}

void CuadriculaRueda::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), colorPanelInferior);
    QFont letra = font();
    letra.setPixelSize(tamanoLetra(height()));
    letra.setBold(true);
    p.setFont(letra);
    for (int k = 0; k < graficosDeRueda; ++k) {
        if (e->rect().intersects(celda(k).toAlignedRect())) {
            pintarGrafico(p, k);
        }
    }
}

void CuadriculaRueda::pintarGrafico(QPainter& p, int k) const {
    const QRectF a = areaDe(k);
    if (a.width() <= 0 || a.height() <= 0) {
        return;
    }
    // The field and the zero line of the program's residual plot.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(a, colorCampoCuadricula);
    const double y0 = a.center().y();
    p.setPen(QPen(colorEjeCuadricula, 1));
    p.drawLine(QPointF(a.left(), y0), QPointF(a.right(), y0));
    // Its markers: filled circles, 6 pixels across on a plot of usual size.
    if (rueda_ != nullptr && k < static_cast<int>(rueda_->graficos.size())) {
        const double escX = a.width() / (xMax_ - xMin_);
        const double escY = a.height() / (2 * eMax_);
        const double radio = std::clamp(std::min(a.width(), a.height()) / 45, 1.5, 3.0);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(colorPuntoActivo);
        for (const PuntoResiduo& r : rueda_->graficos[static_cast<std::size_t>(k)]) {
            if (std::isfinite(r.x) && std::isfinite(r.e)) {
                p.drawEllipse(QPointF(a.left() + (r.x - xMin_) * escX, y0 - r.e * escY), radio,
                              radio);
            }
        }
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colorBorde, 1));
    p.drawRect(a);
    const QRectF c = celda(k);
    const QRectF texto(a.left() + 2, c.top() + margen, a.width() - 4, a.top() - c.top() - margen);
    p.setPen(colorRotulo);
    p.drawText(texto, Qt::AlignLeft | Qt::AlignVCenter, QString::number(k + 1));
    const auto marco = [&p](const QColor& c, const QRectF& r) {
        p.setPen(QPen(c, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(r);
    };
    if (k == propio_) {
        marco(colorMiRecta, a);
        p.setPen(colorMiRecta);
        p.drawText(texto, Qt::AlignRight | Qt::AlignVCenter,
                   QCoreApplication::translate("retos", "Tu muestra"));
    }
    if (k == elegido_) {
        marco(k == propio_ ? colorMiRecta : colorIntervaloFalla, c.adjusted(3.5, 3.5, -3.5, -3.5));
    }
    // The keys' frame, in the program's focus style: white under black dashes.
    if (k == foco_ && hasFocus()) {
        const QRectF r = c.adjusted(1, 1, -1, -1);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(r);
        p.setPen(QPen(Qt::black, 2, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawRect(r);
    }
}

void CuadriculaRueda::keyPressEvent(QKeyEvent* e) {
    const int n = graficosDeRueda;
    switch (e->key()) {
    case Qt::Key_Right:
        enfocar((foco_ + 1) % n);
        break;
    case Qt::Key_Left:
        enfocar((foco_ + n - 1) % n);
        break;
    // Up and Down stay in the column, from the last row to the first.
    case Qt::Key_Down:
        enfocar((foco_ + columnas) % n);
        break;
    case Qt::Key_Up:
        enfocar((foco_ + n - columnas) % n);
        break;
    case Qt::Key_Home:
        enfocar(0);
        break;
    case Qt::Key_End:
        enfocar(n - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit elegido(foco_);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

void CuadriculaRueda::mousePressEvent(QMouseEvent* e) {
    const int k = e->button() == Qt::LeftButton ? graficoEn(e->position()) : -1;
    if (k < 0) {
        QWidget::mousePressEvent(e);
        return;
    }
    foco_ = k;
    update();
    emit elegido(k);
}

void CuadriculaRueda::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
    if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason) {
        decirFoco();
    }
}

DialogoRueda::DialogoRueda(QWidget* padre, Rueda rueda, std::function<void(const QString&)> hablar,
                           QString puntoDecimal)
    : QDialog(padre), hablar_(std::move(hablar)), punto_(std::move(puntoDecimal)) {
    setObjectName(QStringLiteral("DialogoRueda"));
    setWindowTitle(QCoreApplication::translate("retos", "Rueda de residuos"));
    auto* capas = new QVBoxLayout(this);
    pregunta_ =
        new QLabel(QCoreApplication::translate(
                       "retos", "Diecinueve de estos gráficos son de muestras en las que el "
                                "modelo se cumple; uno es de tu muestra. ¿Cuál destaca?"),
                   this);
    pregunta_->setWordWrap(true);
    capas->addWidget(pregunta_);
    graficos_ = new CuadriculaRueda(this);
    graficos_->setHablar(hablar_);
    capas->addWidget(graficos_, 1);
    resultado_ = new QLabel(this);
    resultado_->setWordWrap(true);
    capas->addWidget(resultado_);
    auto* botones = new QDialogButtonBox(this);
    QPushButton* cerrar = botones->addButton(QCoreApplication::translate("retos", "Cerrar"),
                                             QDialogButtonBox::RejectRole);
    // Enter on the plots picks; it never closes the dialog by the way.
    cerrar->setAutoDefault(false);
    QObject::connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    capas->addWidget(botones);
    QObject::connect(graficos_, &CuadriculaRueda::elegido, this, &DialogoRueda::elegir);
    setRueda(std::move(rueda));
    // At most the screen's room, the window's frame included.
    const QScreen* pantalla = padre != nullptr ? padre->screen() : QGuiApplication::primaryScreen();
    const QRect a = pantalla != nullptr ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(900, a.width() - 40), std::min(680, a.height() - 60));
    graficos_->setFocus();
}

void DialogoRueda::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    const QRect a = screen()->availableGeometry();
    const QRect marco = frameGeometry();
    if (!a.contains(marco)) {
        const int x =
            std::clamp(marco.left(), a.left(), std::max(a.left(), a.right() - marco.width()));
        const int y =
            std::clamp(marco.top(), a.top(), std::max(a.top(), a.bottom() - marco.height()));
        move(x, y);
    }
}

void DialogoRueda::setRueda(Rueda rueda) {
    rueda_ = std::move(rueda);
    elegido_ = -1;
    resultado_->clear();
    graficos_->setRueda(&rueda_);
}

void DialogoRueda::elegir(int k) {
    if (elegido_ >= 0 || k < 0 || k >= graficosDeRueda) {
        return;
    }
    elegido_ = k;
    graficos_->revelar(k, rueda_.propio);
    resultado_->setText(resultado());
    if (hablar_) {
        hablar_(resultado_->text());
    }
    emit graficoElegido(k);
}

QString DialogoRueda::resultado() const {
    if (elegido_ < 0) {
        return {};
    }
    if (acertado() && aCiegas_) {
        const std::string azar = formatearDecimales(1.0 / graficosDeRueda, 2, punto_.toStdString());
        return QCoreApplication::translate(
                   "retos",
                   "¡La encontraste sin haber visto tus residuos! Si el modelo se cumpliera, "
                   "acertar por azar tendría probabilidad 1/20 = %1. Es evidencia de que tus "
                   "residuos difieren de los de una muestra en la que el modelo se cumple; no "
                   "dice qué patrón es ni prueba que el modelo sea falso.")
            .arg(QString::fromStdString(azar));
    }
    if (acertado()) {
        return QCoreApplication::translate(
            "retos", "Es tu muestra, pero ya habías visto sus datos: la elección no fue a ciegas "
                     "y no se le puede dar una probabilidad.");
    }
    return QCoreApplication::translate(
               "retos", "Elegiste la n.º %2, en rojo, y tu muestra era la n.º %1, en verde: "
                        "esta vez el ojo no la distinguió de las muestras en las que el modelo "
                        "se cumple.")
        .arg(rueda_.propio + 1)
        .arg(elegido_ + 1);
}

QString DialogoRueda::pregunta() const {
    return pregunta_->text();
}

} // namespace rectaviva
