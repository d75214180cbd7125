// The large data sets' shared set-up, the cloud's floor and the drag ticks.
#include "grande.h"

#include "Nube.h"
#include "escala.h"
#include "interaccion.h"
#include "libro_prueba.h"
#include "pintado.h"
#include "redondeo.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <random>

namespace rectaviva::banco {

namespace {

// The shortest text that reads back as v.
std::string texto(double v) {
    char b[32];
    return std::string(b, std::to_chars(b, b + sizeof b, v).ptr);
}

} // namespace

MuestraDatos datosGrandes(int n) {
    MuestraDatos d;
    std::mt19937 azar(45);
    std::uniform_real_distribution<double> x(0, 100);
    std::normal_distribution<double> ruido(0, 20);
    for (int k = 0; k < n; ++k) {
        const double xv = std::round(x(azar) * 100) / 100;
        d.x.push_back(xv);
        d.y.push_back(std::round((3 + 2 * xv + ruido(azar)) * 100) / 100);
    }
    d.decimalesX = d.decimalesY = 2;
    d.nombre = "grande";
    return d;
}

std::string csvGrande(const MuestraDatos& d) {
    std::string r = "x,y\n";
    for (std::size_t k = 0; k < d.x.size(); ++k) {
        r += texto(d.x[k]) + ',' + texto(d.y[k]) + '\n';
    }
    return r;
}

QByteArray xlsxGrande(const MuestraDatos& d) {
    QByteArray filas =
        R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c></row>)";
    for (std::size_t k = 0; k < d.x.size(); ++k) {
        const std::string r = std::to_string(k + 2);
        filas += ("<row r=\"" + r + "\"><c r=\"A" + r + "\"><v>" + texto(d.x[k]) +
                  "</v></c><c r=\"B" + r + "\"><v>" + texto(d.y[k]) + "</v></c></row>")
                     .c_str();
    }
    return prueba::xlsx({{"Hoja1", filas}}, "<si><t>x</t></si><si><t>y</t></si>");
}

bool mostrarGrande(benchmark::State& estado, Form1& f, int n) {
    f.show();
    QCoreApplication::processEvents();
    f.cargarDatos(datosGrandes(n));
    f.mnuPr->accion()->trigger();
    f.mnuBan->accion()->trigger();
    // The residuals' panel may take the prediction's place beside the plot.
    const bool prediccion = f.g.prediccionActiva == 1;
    verResiduosEInfluencia(f);
    QCoreApplication::processEvents();
    if (f.g.nPuntos != n || !prediccion || f.g.bandasActivas != 1 ||
        f.Nube1->Visible() != (n > maxPuntos)) {
        estado.SkipWithError("no se pudo cargar el conjunto grande con las vistas");
        return false;
    }
    return true;
}

bool tomarEnNube(Form1& f, int k) {
    const QPointF p = f.g.nPuntos > maxPuntos ? f.Nube1->punto(k)
                                              : QPointF(f.Shape1(k).Left(), f.Shape1(k).Top());
    f.Picture1_MouseDown(1, 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
    f.Timer1->setEnabled(false);
    return f.g.arrastrando == -1 && f.g.puntoSel >= 1;
}

PisoNube::PisoNube(QSize tamano, int n, double ampliacion) {
    resize(tamano);
    fondo_ = QPixmap(size() * devicePixelRatioF());
    fondo_.setDevicePixelRatio(devicePixelRatioF());
    fondo_.fill(QColor(255, 214, 120));
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int d = static_cast<int>(std::lround(Nube::diametro(n) * ampliacion));
    radio_ = d / 2.0;
    const int lado = static_cast<int>(std::ceil(d * devicePixelRatioF()));
    sello_ = QImage(lado, lado, QImage::Format_ARGB32_Premultiplied);
    sello_.setDevicePixelRatio(devicePixelRatioF());
    sello_.fill(Qt::transparent);
    QPainter p(&sello_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 220, Nube::opacidad(n)));
    p.drawEllipse(QRectF(0, 0, d, d));
    p.end();
    // The same spread as datosGrandes: a band along a rising line.
    std::mt19937 azar(45);
    std::uniform_real_distribution<double> u(0, 1);
    std::normal_distribution<double> ruido(0, 0.08);
    for (int k = 0; k < n; ++k) {
        const double x = u(azar);
        centros_.emplace_back(x * width(), (0.9 - 0.8 * x + ruido(azar)) * height());
    }
}

void PisoNube::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, fondo_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 0, 0), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 0.9 * height()), QPointF(width(), 0.1 * height()));
    for (const QPointF& c : centros_) {
        p.drawImage(QPointF(c.x() - radio_, c.y() - radio_), sello_);
    }
    pintado = true;
}

double medirPiso(PisoNube& w) {
    w.show();
    QCoreApplication::processEvents();
    std::vector<double> tiempos;
    for (int i = 0; i < 200; ++i) {
        w.pintado = false;
        const auto t0 = std::chrono::steady_clock::now();
        w.update();
        while (!w.pintado) {
            QCoreApplication::processEvents();
        }
        tiempos.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    w.hide();
    std::nth_element(tiempos.begin(), tiempos.begin() + 100, tiempos.end());
    return tiempos[100];
}

void ticksNube(benchmark::State& estado, Form1& f, double pisoUs) {
    Pintado pintado;
    f.installEventFilter(&pintado);
    QCoreApplication::processEvents();
    const double xRaton = (D(f.g.xMin) + D(f.g.xMax)) / 2;
    const double alto = D(f.g.yMax) - D(f.g.yMin);
    int paso = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : estado) {
        f.g.xRaton = S(xRaton);
        f.g.yRaton = S(D(f.g.yMin) + alto * (0.1 + 0.8 * (paso++ % 120) / 120.0));
        pintado.visto = false;
        QTimer::singleShot(0, &f, &Form1::Timer1_Timer);
        while (!pintado.visto) {
            QCoreApplication::processEvents();
        }
    }
    const double porTic =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count() /
        static_cast<double>(estado.iterations());
    estado.counters["piso_us"] = pisoUs;
    estado.counters["veces_el_piso"] = porTic / pisoUs;
    f.removeEventFilter(&pintado);
    f.Picture1_MouseUp(1, 0, f.g.xRaton, f.g.yRaton);
}

void hastaPintado(Form1& f) {
    Pintado pintado;
    f.installEventFilter(&pintado);
    f.update();
    while (!pintado.visto) {
        QCoreApplication::processEvents();
    }
    f.removeEventFilter(&pintado);
}

} // namespace rectaviva::banco
