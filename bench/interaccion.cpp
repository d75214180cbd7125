// The interaction benchmarks' shared set-up, the repaint floor and the drag
// ticks.
#include "interaccion.h"

#include "escala.h"
#include "redondeo.h"

#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <deque>
#include <memory>
#include <vector>

namespace rectaviva::banco {

namespace {

// Hands out chosen draws in order, then a fixed 0.5.
class Guion : public Generador {
public:
    explicit Guion(std::vector<float> d) : draws_(d.begin(), d.end()) {}
    float Rnd() override {
        if (draws_.empty()) {
            return 0.5f;
        }
        const float v = draws_.front();
        draws_.pop_front();
        return v;
    }

private:
    std::deque<float> draws_;
};

// Draws that make the size entry produce 50 points spread evenly over x in
// -20..75 along y = x + 19: slope 1, intercept 0.5, spread 37, and a noise
// draw per point that adds 18.5. The cloud is tall (y from -1 to 94), so
// the vertical contraction runs about 450 steps before its limit.
std::vector<float> extraccionesNube() {
    std::vector<float> d{0.5f, 0.0f, 0.5f};
    for (int k = 0; k < 50; ++k) {
        const int x = -20 + (95 * k) / 49;
        d.push_back(static_cast<float>((x + 20) / 95.0));
        d.push_back(static_cast<float>(18.5 / 37.0));
    }
    return d;
}

} // namespace

bool prepararNube(Form1& f, bool vistas) {
    if (f.g.nPuntos < 3) {
        f.setGenerador(std::make_unique<Guion>(std::vector<float>{}));
        f.mnuGene->accion()->trigger();
    }
    f.setGenerador(std::make_unique<Guion>(extraccionesNube()));
    f.Text2(10).setText(QStringLiteral("50"));
    int enter = 13;
    f.Text2_KeyPress(10, enter);
    if (vistas) {
        f.mnuPr->accion()->trigger();
        f.mnuBan->accion()->trigger();
    }
    QCoreApplication::processEvents();
    return f.g.nPuntos == 50 && f.g.prediccionActiva == 1 && f.g.bandasActivas == 1;
}

void esperar(int ms) {
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    bucle.exec();
}

// The residual view with its squares and the influence view on as well.
void verResiduosEInfluencia(Form1& f) {
    f.mnuRes->accion()->trigger();
    f.Check1->setValue(true);
    f.Check1_Click();
    f.mnuInf->accion()->trigger();
}

// The window shown with the cloud of 50 points, prediction and bands on;
// false (and the benchmark skipped) when it could not be prepared.
bool mostrarConNube(benchmark::State& estado, Form1& f) {
    f.show();
    QCoreApplication::processEvents();
    if (!prepararNube(f, true)) {
        estado.SkipWithError("no se pudo preparar la nube de 50 puntos con las dos vistas");
        return false;
    }
    return true;
}

// CPU seconds that this thread has spent.
double cpuDelHilo() {
    rusage r{};
    getrusage(RUSAGE_THREAD, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
}

Piso::Piso() {
    resize(479, 451);
    fondo_ = QPixmap(size() * devicePixelRatioF());
    fondo_.setDevicePixelRatio(devicePixelRatioF());
    fondo_.fill(QColor(255, 214, 120));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Piso::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, fondo_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 0, 0), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 400), QPointF(479, 40));
    for (int banda = 0; banda < 4; ++banda) {
        p.setPen(QPen(banda < 2 ? QColor(0, 192, 192) : QColor(255, 0, 255), 2, Qt::SolidLine,
                      Qt::SquareCap));
        for (int k = 0; k < 20; ++k) {
            const double x = k * 479.0 / 20;
            const double y = 380 - 0.75 * x + (banda - 1.5) * (12 + std::abs(k - 10));
            p.drawLine(QPointF(x, y), QPointF(x + 479.0 / 20, y - 18));
        }
    }
    for (int k = 0; k < 50; ++k) {
        const QPointF c(10 + 9.2 * k, 420 - 7.5 * k);
        p.setPen(QPen(QColor(0, 0, 220), 1));
        p.setBrush(QColor(0, 0, 220));
        p.drawEllipse(c, 4.5, 4.5);
        p.setPen(QPen(QColor(70, 70, 70), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 8, 8);
    }
    pintado = true;
}

double piso() {
    static const double us = [] {
        Piso w;
        w.show();
        QCoreApplication::processEvents();
        std::vector<double> tiempos;
        for (int i = 0; i < 300; ++i) {
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
        std::nth_element(tiempos.begin(), tiempos.begin() + 150, tiempos.end());
        return tiempos[150];
    }();
    return us;
}

bool tomarPunto(Form1& f) {
    f.Picture1_MouseDown(1, 0, static_cast<float>(f.Shape1(25).Left()),
                         static_cast<float>(f.Shape1(25).Top()));
    f.Timer1->setEnabled(false);
    return f.g.arrastrando == -1 && f.g.puntoSel == 25;
}

bool empezarArrastre(Form1& f) {
    return prepararNube(f, true) && tomarPunto(f);
}

void ticks(benchmark::State& estado, Form1& f, float x, bool pintar) {
    Pintado pintado;
    f.installEventFilter(&pintado);
    QCoreApplication::processEvents();
    const double us = piso();
    int paso = 0;
    const auto t0 = std::chrono::steady_clock::now();
    // The positions are in units of the design's grid from its lower edge,
    // so that a data set's range is swept alike.
    const Single xRaton = S(D(f.g.xMin) + (D(x) + 40) * D(unidadX(f.g)));
    for (auto _ : estado) {
        f.g.xRaton = xRaton;
        f.g.yRaton = S(D(f.g.yMin) + (10 + paso++ % 120) * D(unidadY(f.g)));
        if (pintar) {
            pintado.visto = false;
            QTimer::singleShot(0, &f, &Form1::Timer1_Timer);
            while (!pintado.visto) {
                QCoreApplication::processEvents();
            }
        } else {
            f.Timer1_Timer();
        }
    }
    const double porTic =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count() /
        static_cast<double>(estado.iterations());
    estado.counters["veces_el_piso"] = porTic / us;
    f.removeEventFilter(&pintado);
    f.Picture1_MouseUp(1, 0, f.g.xRaton, f.g.yRaton);
    estado.SetLabel(pintar ? "objetivo: ≤ 1 ms" : "");
}

void arrastreConVistas(benchmark::State& estado, bool (*ver)(Form1&)) {
    Form1 f;
    f.show();
    QCoreApplication::processEvents();
    if (!prepararNube(f, true) || !ver(f)) {
        estado.SkipWithError("no se pudo preparar la nube con las vistas");
        return;
    }
    if (!tomarPunto(f)) {
        estado.SkipWithError("no se pudo tomar el punto 25");
        return;
    }
    ticks(estado, f, 30.0f, true);
}

} // namespace rectaviva::banco
