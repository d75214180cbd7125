// "Historial" of the challenges: the rounds played in a table, the guesses
// of r against the true r with the line of perfect guesses, the total, the
// best streak and the mean absolute error; and the history saved as CSV.
#include "vista_retos.h"

#include "Form1.h"
#include "colores.h"
#include "dialogo_reto.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

// Guess against truth for the correlation rounds, both axes -1..1, with the
// diagonal where a guess equals the truth.
class GraficoAdivinanzas : public QWidget {
public:
    GraficoAdivinanzas(QWidget* padre, const Historial& h) : QWidget(padre), h_(h) {
        setMinimumSize(240, 240);
        setAccessibleName(QCoreApplication::translate("retos", "Respuesta contra r verdadero"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        const double lado = std::min(width(), height()) - 56.0;
        const QPointF origen(44, 10);
        const auto punto = [&](double x, double y) {
            return origen + QPointF((x + 1) / 2 * lado, (1 - y) / 2 * lado);
        };
        p.setPen(QPen(Qt::gray, 1));
        p.drawRect(QRectF(punto(-1, 1), punto(1, -1)));
        for (const int v : {-1, 0, 1}) {
            const QString t = QString::number(v);
            p.drawText(QRectF(punto(v, -1) + QPointF(-15, 2), QSizeF(30, 14)), Qt::AlignCenter, t);
            p.drawText(QRectF(punto(-1, v) + QPointF(-22, -7), QSizeF(18, 14)),
                       Qt::AlignRight | Qt::AlignVCenter, t);
        }
        p.drawLine(punto(0, -1), punto(0, 1));
        p.drawLine(punto(-1, 0), punto(1, 0));
        p.setPen(QPen(colorRecta, 2));
        p.drawLine(punto(-1, -1), punto(1, 1));
        p.setPen(Qt::black);
        p.drawText(QRectF(origen.x(), origen.y() + lado + 16, lado, 20), Qt::AlignCenter,
                   QCoreApplication::translate("retos", "r verdadero"));
        p.save();
        p.translate(10, origen.y() + lado / 2);
        p.rotate(-90);
        p.drawText(QRectF(-lado / 2, -10, lado, 20), Qt::AlignCenter,
                   QCoreApplication::translate("retos", "tu respuesta"));
        p.restore();
        p.setPen(colorBorde);
        p.setBrush(colorPuntoActivo);
        for (const RondaJugada& r : h_.rondas()) {
            if (r.reto == Reto::Correlacion) {
                p.drawEllipse(punto(r.verdad, r.respuesta), 4, 4);
            }
        }
    }

private:
    const Historial& h_;
};

} // namespace

void VistaRetos::mostrarHistorial() {
    QDialog d(&f_);
    d.setWindowTitle(QCoreApplication::translate("retos", "Historial de retos"));
    auto* capas = new QVBoxLayout(&d);
    const double ema = historial_.errorMedioAbsoluto();
    auto* resumen = new QLabel(
        QCoreApplication::translate(
            "retos", "Rondas: %1; total: %n puntos; mejor racha: %2; error medio absoluto de r: %3",
            nullptr, historial_.total())
            .arg(historial_.rondas().size())
            .arg(historial_.mejorRacha())
            .arg(std::isnan(ema) ? QStringLiteral("—") : numero(ema)),
        &d);
    resumen->setWordWrap(true);
    capas->addWidget(resumen);
    capas->addWidget(new GraficoAdivinanzas(&d, historial_), 1);
    const QStringList columnas{QCoreApplication::translate("retos", "Reto"),
                               QCoreApplication::translate("retos", "Código"),
                               QCoreApplication::translate("retos", "Respuesta"),
                               QCoreApplication::translate("retos", "Verdad"),
                               QCoreApplication::translate("retos", "Error"),
                               QCoreApplication::translate("retos", "Puntos"),
                               QCoreApplication::translate("retos", "Hora")};
    const auto& rondas = historial_.rondas();
    auto* tabla = new QTableWidget(static_cast<int>(rondas.size()), columnas.size(), &d);
    tabla->setAccessibleName(QCoreApplication::translate("retos", "Rondas jugadas"));
    tabla->setHorizontalHeaderLabels(columnas);
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla->verticalHeader()->setVisible(false);
    for (int i = 0; i < static_cast<int>(rondas.size()); ++i) {
        const RondaJugada& r = rondas[static_cast<std::size_t>(i)];
        // A residual round's answer and truth are patterns, by name.
        const bool patrones = r.reto == Reto::Residuos;
        const auto patron = [](double p) { return nombreDePatron(static_cast<Patron>(p)); };
        const QStringList celdas{nombreDeReto(r.reto),
                                 QString::number(r.codigo),
                                 patrones ? patron(r.respuesta) : numero(r.respuesta),
                                 patrones ? patron(r.verdad) : numero(r.verdad),
                                 patrones ? QStringLiteral("—") : numero(r.error),
                                 QString::number(r.puntos),
                                 QString::fromStdString(r.hora)};
        for (int c = 0; c < celdas.size(); ++c) {
            tabla->setItem(i, c, new QTableWidgetItem(celdas[c]));
        }
    }
    // Every column as wide as its widest cell; the dialog as wide as the
    // table, within the screen.
    tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabla->resizeColumnsToContents();
    capas->addWidget(tabla, 1);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Close, &d);
    QPushButton* guardar = botones->addButton(
        QCoreApplication::translate("retos", "Guardar historial…"), QDialogButtonBox::ActionRole);
    guardar->setEnabled(!rondas.empty());
    QObject::connect(guardar, &QPushButton::clicked, &d, [this] { pedirGuardarHistorial(); });
    QObject::connect(botones, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    capas->addWidget(botones);
    int ancho = 2 * tabla->frameWidth() + tabla->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < tabla->columnCount(); ++c) {
        ancho += tabla->horizontalHeader()->sectionSize(c);
    }
    const QRect pantalla = f_.screen()->availableGeometry();
    d.resize(std::clamp(ancho + 40, 660, pantalla.width() - 40),
             std::min(640, pantalla.height() - 60));
    hablar(resumen->text());
    d.exec();
}

void VistaRetos::pedirGuardarHistorial() {
    if (historial_.rondas().empty()) {
        return;
    }
    const QString ruta = pedirRuta_
                             ? pedirRuta_()
                             : QFileDialog::getSaveFileName(
                                   &f_, QCoreApplication::translate("retos", "Guardar historial"),
                                   QStringLiteral("historial.csv"),
                                   QCoreApplication::translate("retos", "Archivos CSV (*.csv)"));
    if (!ruta.isEmpty()) {
        guardarHistorial(ruta);
    }
}

bool VistaRetos::guardarHistorial(const QString& ruta) {
    // As "Guardar datos…" writes a sample.
    if (!f_.escribirArchivo(ruta, historial_.csv())) {
        return false;
    }
    hablar(QCoreApplication::translate("retos", "Historial guardado en «%1».")
               .arg(QFileInfo(ruta).fileName()));
    return true;
}

} // namespace rectaviva
