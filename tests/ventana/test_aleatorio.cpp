// The long random run of issue 6: thousands of seeded random events played
// through the window's real handlers and controls (presses, drags with their
// timer ticks, right-clicks, pop-up commands, held tools with event-loop
// time, typed entries, menu choices), with the invariants checked after
// every event.
//
// RECTAVIVA_EVENTOS sets the number of events (default 3000) and
// RECTAVIVA_SEMILLA the seed (default 20240917). The sequence of events is
// a function of the seed alone; how many steps a held tool makes in its
// few milliseconds depends on the clock.
#include "ayudas_acciones.h"
#include "escala.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <string>

using namespace rectaviva;
using namespace rectaviva::pruebas;

namespace {

long entornoEntero(const char* nombre, long porDefecto) {
    const char* v = std::getenv(nombre);
    if (!v || !*v) {
        return porDefecto;
    }
    char* fin = nullptr;
    const long n = std::strtol(v, &fin, 10);
    return (fin && *fin == '\0' && n > 0) ? n : porDefecto;
}

class Corrida {
public:
    Corrida(Form1& f, unsigned semilla) : f_(f), rng_(semilla), semilla_(semilla) {
        auto azar = std::make_unique<Semilla>(semilla ^ 0x5bd1e995u);
        azar_ = azar.get();
        f_.setGenerador(std::move(azar));
        QObject::connect(f_.Timer1, &Timer::Tick, [this] { notarPaso(); });
    }

    // Plays one event; returns false once a check has failed.
    bool evento(long i) {
        indice_ = i;
        const long tomadasAntes = azar_->tomadas();
        refresco_ = false;
        incremental_ = false;
        const int eleccion = uniforme(0, 99);
        if (eleccion < 4) {
            describir("Generar");
            f_.mnuGene->accion()->trigger();
        } else if (eleccion < 20) {
            arrastre();
        } else if (eleccion < 25) {
            presionEnCualquierLugar();
        } else if (eleccion < 34) {
            botonDerechoSobreUnPunto();
        } else if (eleccion < 37) {
            presionEnCualquierLugar(uniforme(0, 1) ? 2 : 4);
        } else if (eleccion < 44) {
            ordenDelMenu();
        } else if (eleccion < 46) {
            ordenDirecta();
        } else if (eleccion < 51) {
            eleccionEnLaLista();
        } else if (eleccion < 61) {
            herramientaSostenida();
        } else if (eleccion < 65) {
            herramientaRapida();
        } else if (eleccion < 78) {
            entradaEscrita();
        } else if (eleccion < 82) {
            soloEnter();
        } else if (eleccion < 96) {
            menuVer();
        } else if (eleccion < 99) {
            herramientaYGenerar();
        } else {
            arrastreConTemporizador();
        }
        if (azar_->tomadas() != tomadasAntes) {
            refresco_ = true; // a new cloud: "Generar" or an accepted size
            ++muestras_;
        }
        if (f_.g.nPuntos >= 3) {
            hayMuestra_ = true;
        }
        comprobar();
        return !::testing::Test::HasFailure();
    }

    void informe() const {
        std::printf("[ aleatorio ] %ld events (seed %u): %ld samples drawn, %ld drags, %ld pop-up "
                    "commands, %ld held tools (%ld steps), %ld typed entries, %ld menu choices\n",
                    indice_ + 1, semilla(), muestras_, arrastres_, ordenes_, herramientas_,
                    f_.pasosHerramienta(), entradas_, menus_);
        std::printf("[ aleatorio ] checked after every event: 3 <= nActivos <= nPuntos <= 50 "
                    "(%ld events with a sample), nActivos = points in use, no nan/inf in %ld "
                    "boxes and list rows, markers 1..nPuntos within the plot (%ld marker checks); "
                    "sums = from-scratch sums after %ld refits; every list row read back "
                    "after %ld events\n",
                    conMuestra_, textosRevisados_, marcadoresRevisados_, refrescosRevisados_,
                    filasRevisadas_);
        std::printf("[ aleatorio ] marker corners past the plot's edge by less than the one unit "
                    "of the placement rule (as the tool margins allow): %ld\n",
                    bordeDeDiseno_);
    }

    unsigned semilla() const { return semilla_; }

    // A run that drew no sample, or checked nothing, proves nothing.
    void cobertura() const {
        EXPECT_GT(muestras_, 0);
        EXPECT_GT(refrescosRevisados_, 0);
        EXPECT_GT(filasRevisadas_, 0);
        EXPECT_GT(marcadoresRevisados_, 0);
    }

private:
    int uniforme(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }
    float real(float a, float b) { return std::uniform_real_distribution<float>(a, b)(rng_); }

    void describir(const std::string& s) {
        registro_.push_back(std::to_string(indice_) + ": " + s);
        if (registro_.size() > 25) {
            registro_.pop_front();
        }
    }

    std::string ultimos() const {
        std::ostringstream o;
        for (const std::string& s : registro_) {
            o << "  " << s << '\n';
        }
        return o.str();
    }

    // A point number to aim at (drawn whether or not a sample exists, so
    // that the sequence of draws does not depend on the state).
    int algunPunto() {
        const int r = uniforme(1, 50);
        return f_.g.nPuntos >= 1 ? 1 + (r - 1) % f_.g.nPuntos : r;
    }

    QPointF cercaDe(int k) {
        const float jx = real(-2.5f, 2.5f);
        const float jy = real(-2.5f, 2.5f);
        const bool exacto = uniforme(0, 2) == 0;
        return esquina(f_, k) + (exacto ? QPointF() : QPointF(jx, jy));
    }

    QPointF cualquierLugar() { return {real(-75, 175), real(-75, 175)}; }

    void arrastre() {
        const int k = algunPunto();
        const QPointF p = cercaDe(k);
        describir("drag point " + std::to_string(k));
        presionar(f_, 1, p);
        const int movidas = uniforme(0, 5);
        QPointF q = p;
        for (int m = 0; m < movidas; ++m) {
            q = uniforme(0, 3) == 0 ? cualquierLugar() : q + QPointF(real(-15, 15), real(-15, 15));
            f_.Picture1_MouseMove(1, 0, static_cast<float>(q.x()), static_cast<float>(q.y()));
            if (uniforme(0, 4) != 0) {
                f_.Timer1_Timer();
                notarPaso();
            }
        }
        soltar(f_, 1, q);
        ++arrastres_;
    }

    void arrastreConTemporizador() {
        const int k = algunPunto();
        const QPointF p = cercaDe(k);
        const QPointF q = cualquierLugar();
        describir("drag point " + std::to_string(k) + " with Timer1's own ticks");
        presionar(f_, 1, p);
        f_.Picture1_MouseMove(1, 0, static_cast<float>(q.x()), static_cast<float>(q.y()));
        esperar(65); // one tick of the 60 ms timer
        soltar(f_, 1, q);
        ++arrastres_;
    }

    // A drag step of a point in use updates the sums for that point: each
    // update may round each sum once more, by up to 2^-24 of its size then.
    void notarPaso() {
        const Globales& g = f_.g;
        if (g.arrastrando == -1 && g.puntoSel >= 1 && g.puntoSel <= g.nPuntos &&
            g.activo(g.puntoSel) == 1) {
            incremental_ = true;
            ++pasosIncrementales_;
            mayorMagnitud_ = std::max(mayorMagnitud_, sumasDesdeCero(g).absolutas);
        }
    }

    void presionEnCualquierLugar(int boton = 1) {
        const QPointF p = cualquierLugar();
        describir("button " + std::to_string(boton) + " press anywhere");
        presionar(f_, boton, p);
        soltar(f_, boton, p);
    }

    void botonDerechoSobreUnPunto() {
        const int k = algunPunto();
        const int boton = uniforme(0, 3) == 0 ? 4 : 2;
        describir("button " + std::to_string(boton) + " on point " + std::to_string(k));
        const QPointF p = cercaDe(k);
        presionar(f_, boton, p);
        soltar(f_, boton, p);
    }

    // What a person can do: click a command of the pop-up that is enabled.
    void ordenDelMenu() {
        const int i = uniforme(0, 1);
        describir(std::string("pop-up ") + (i == 0 ? "Eliminar" : "Recuperar"));
        if (f_.Frame6->Visible() && f_.Label5(i).Enabled()) {
            notarOrden();
            emit f_.Label5(i).Click();
            ++ordenes_;
        }
    }

    // The handler itself, whatever the pop-up showed.
    void ordenDirecta() {
        const int i = uniforme(0, 1);
        describir("Label5_Click(" + std::to_string(i) + ") directly, puntoSel " +
                  std::to_string(f_.g.puntoSel));
        notarOrden();
        f_.Label5_Click(static_cast<Integer>(i));
        ++ordenes_;
    }

    void notarOrden() {
        // Label5_Click runs its series whenever the picked point exists.
        refresco_ = f_.g.nPuntos >= 3 && f_.g.puntoSel >= 1 && f_.g.puntoSel <= f_.g.nPuntos;
    }

    void eleccionEnLaLista() {
        const float y = uniforme(0, 5) == 0 ? real(-10, 70) : real(0, 56);
        describir("list press at row " + std::to_string(y));
        f_.Picture2_MouseDown(uniforme(0, 1) ? 1 : 2, 0, 500, y);
        f_.Picture2_MouseUp(1, 0, 500, y);
    }

    void herramientaSostenida() {
        const int t = uniforme(0, 9);
        const int ms = uniforme(0, 12);
        describir("tool " + std::to_string(t) + " held " + std::to_string(ms) + " ms");
        f_.Image1_MouseDown(static_cast<Integer>(t), 1, 0, 10, 10);
        esperar(ms);
        // Still working at the release: its last step ended in the full
        // cloud-tool series, sums included.
        const bool activa = f_.herramientaActiva();
        f_.Image1_MouseUp(static_cast<Integer>(t), 1, 0, 10, 10);
        refresco_ = activa;
        ++herramientas_;
    }

    void herramientaRapida() {
        const int t = uniforme(0, 9);
        describir("tool " + std::to_string(t) + " quick click");
        f_.Image1_MouseDown(static_cast<Integer>(t), 1, 0, 10, 10);
        const bool activa = f_.herramientaActiva();
        f_.Image1_MouseUp(static_cast<Integer>(t), 1, 0, 10, 10);
        refresco_ = activa;
        ++herramientas_;
    }

    void herramientaYGenerar() {
        const int t = uniforme(0, 9);
        describir("tool " + std::to_string(t) + " held, then Generar, then the release");
        f_.Image1_MouseDown(static_cast<Integer>(t), 1, 0, 10, 10);
        esperar(uniforme(0, 15));
        f_.mnuGene->accion()->trigger();
        if (f_.herramientaActiva()) {
            ADD_FAILURE() << "event " << indice_ << ": Generar left the tool working";
        }
        esperar(uniforme(0, 15));
        f_.Image1_MouseUp(static_cast<Integer>(t), 1, 0, 10, 10);
        ++herramientas_;
    }

    TextBox& algunaEntrada() {
        const int k = uniforme(0, 6);
        switch (k) {
        case 0:
            return f_.Text2(10);
        case 1:
            return f_.Text1(9);
        case 2:
            return f_.Text4(0);
        case 3:
            return f_.Text4(1);
        default:
            return f_.Text7(k - 4); // the simulation's model
        }
    }

    QString textoAlAzar() {
        static const QString letras =
            QStringLiteral("0123456789012345678901234567890..--+eE  ax,ñ");
        QString t;
        switch (uniforme(0, 9)) {
        case 0: // a long run of digits
            t = QString(uniforme(20, 60), QLatin1Char('9'));
            break;
        case 1:
        case 2:
        case 3: // a plain number of the entries' sizes
            t = QString::number(uniforme(-50, 150));
            break;
        default:
            for (int n = uniforme(0, 8); n > 0; --n) {
                t += letras.at(uniforme(0, static_cast<int>(letras.size()) - 1));
            }
        }
        return t;
    }

    void entradaEscrita() {
        TextBox& caja = algunaEntrada();
        const QString t = textoAlAzar();
        const bool conEnter = uniforme(0, 6) != 0;
        describir("type \"" + t.toStdString() + "\" into " + caja.objectName().toStdString() +
                  (conEnter ? " + Enter" : ""));
        escribir(caja, t, conEnter);
        ++entradas_;
    }

    void soloEnter() {
        TextBox& caja = algunaEntrada();
        describir("Enter in " + caja.objectName().toStdString());
        enter(caja);
        ++entradas_;
    }

    void menuVer() {
        switch (uniforme(0, 7)) {
        case 0:
            describir("Analisis de varianza");
            f_.mnuAv->accion()->trigger();
            break;
        case 1:
            describir("Prediccion");
            f_.mnuPr->accion()->trigger();
            break;
        case 2:
            describir("Bandas de confianza 95%");
            f_.mnuBan->accion()->trigger();
            break;
        case 3:
            describir("Valores p exactos");
            f_.mnuExa->accion()->trigger();
            break;
        case 4: {
            // The simulation's panel and one of its commands: a batch, the
            // animation with one tick, a new start, a statistic or a mode.
            const int k = uniforme(0, 12);
            describir("Simulacion, command " + std::to_string(k));
            f_.mnuSim->accion()->trigger();
            if (k < 6) {
                f_.Command1(k).click();
                if (k == animar) {
                    f_.Timer2_Timer();
                }
            } else if (k < 10) {
                f_.Option1(k - 6).click();
            } else {
                f_.Option2(k - 10).click();
            }
            break;
        }
        case 5: {
            // A data set: the plot takes its range until the next Generar.
            const int k = uniforme(0, static_cast<int>(f_.mnuConjunto.size()) - 1);
            describir("example set " + std::to_string(k));
            f_.mnuConjunto[static_cast<std::size_t>(k)]->accion()->trigger();
            refresco_ = true;
            break;
        }
        case 6: {
            // Back or forward one step: the sample as a gesture found or left it.
            const bool atras = uniforme(0, 2) > 0;
            describir(atras ? "Deshacer" : "Rehacer");
            const int paso = f_.pila().index();
            (atras ? f_.mnuDes : f_.mnuReh)->accion()->trigger();
            refresco_ = f_.pila().index() != paso; // a step taken refits from scratch
            break;
        }
        default: {
            const int k = uniforme(0, 7);
            describir("sheet " + std::to_string(k));
            emit f_.Image2(k).Click();
        }
        }
        ++menus_;
    }

    void falla(const std::string& que) {
        ADD_FAILURE() << "after event " << indice_ << " (seed " << semilla_ << "): " << que
                      << "\nlast events:\n"
                      << ultimos() << "again with RECTAVIVA_SEMILLA=" << semilla_
                      << " RECTAVIVA_EVENTOS=" << indice_ + 1;
    }

    void comprobar() {
        const Globales& g = f_.g;
        if (hayMuestra_) {
            ++conMuestra_;
            if (!(3 <= g.nActivos && g.nActivos <= g.nPuntos && g.nPuntos <= 50)) {
                falla("nActivos " + std::to_string(g.nActivos) + ", nPuntos " +
                      std::to_string(g.nPuntos));
                return;
            }
            if (g.nActivos != contarActivos(g)) {
                falla("nActivos " + std::to_string(g.nActivos) + " but " +
                      std::to_string(contarActivos(g)) + " points in use");
                return;
            }
            for (int k = 1; k <= g.nPuntos; ++k) {
                if (g.activo(k) > 1) {
                    falla("activo(" + std::to_string(k) + ") = " + std::to_string(g.activo(k)));
                    return;
                }
            }
        }
        if (refresco_) {
            pasosIncrementales_ = 0;
            mayorMagnitud_ = 0;
        }
        // After every event that refits, incrementally or from scratch.
        if (hayMuestra_ && (refresco_ || incremental_)) {
            ++refrescosRevisados_;
            const Sumas s = sumasDesdeCero(g);
            mayorMagnitud_ = std::max(mayorMagnitud_, s.absolutas);
            const double tol = toleranciaSumas(s) + pasosIncrementales_ * 0x1p-24 * mayorMagnitud_;
            const double pares[5][2] = {{g.sumaX, s.x},
                                        {g.sumaY, s.y},
                                        {g.sumaX2, s.x2},
                                        {g.sumaY2, s.y2},
                                        {g.sumaXY, s.xy}};
            for (int j = 0; j < 5; ++j) {
                if (!(std::abs(pares[j][0] - pares[j][1]) <= tol)) {
                    falla("sum " + std::to_string(j) + " is " + std::to_string(pares[j][0]) +
                          ", from scratch " + std::to_string(pares[j][1]));
                    return;
                }
            }
        }
        for (const TextBox* t : f_.findChildren<TextBox*>()) {
            ++textosRevisados_;
            const QString s = t->Text().toLower();
            if (s.contains(QLatin1String("nan")) || s.contains(QLatin1String("inf"))) {
                falla(t->objectName().toStdString() + " shows \"" + t->Text().toStdString() + "\"");
                return;
            }
        }
        for (const PictureBox::Renglon& r : f_.Picture2->renglones()) {
            ++textosRevisados_;
            const QString s = r.texto.toLower();
            if (s.contains(QLatin1String("nan")) || s.contains(QLatin1String("inf"))) {
                falla("a list row shows \"" + r.texto.toStdString() + "\"");
                return;
            }
        }
        if (!hayMuestra_) {
            return;
        }
        ++filasRevisadas_;
        if (const int k = filaAjena(f_); k != 0) {
            falla("the list row of point " + std::to_string(k) + " does not read that point");
            return;
        }
        for (int k = 1; k <= 50; ++k) {
            const Shape& m = f_.Shape1(k);
            if (!m.Visible()) {
                continue;
            }
            ++marcadoresRevisados_;
            if (k > g.nPuntos) {
                falla("marker " + std::to_string(k) + " shown beyond nPuntos");
                return;
            }
            // The corner sits one unit of the design's grid left of and above
            // a point of the plot: that is the most it may pass an edge.
            const double L = m.Left();
            const double T = m.Top();
            const double ux = unidadX(g);
            const double uy = unidadY(g);
            if (!(L >= g.xMin - ux && L <= g.xMax && T >= g.yMin && T <= g.yMax + uy)) {
                falla("marker " + std::to_string(k) + " at (" + std::to_string(L) + ", " +
                      std::to_string(T) + ") lies off the plot; point (" +
                      std::to_string(g.xObs(k)) + ", " + std::to_string(g.yObs(k)) + ")");
                return;
            }
            if (L < g.xMin || T > g.yMax) {
                ++bordeDeDiseno_;
            }
        }
    }

    Form1& f_;
    std::mt19937 rng_;
    unsigned semilla_ = 0;
    Semilla* azar_ = nullptr;
    long indice_ = 0;
    bool refresco_ = false;
    bool incremental_ = false;    ///< a drag step refitted from the sums updated for one point
    long pasosIncrementales_ = 0; ///< such steps since the last refit from scratch
    double mayorMagnitud_ = 0;    ///< the largest size of the sums' terms since then
    bool hayMuestra_ = false;
    std::deque<std::string> registro_;
    long muestras_ = 0, arrastres_ = 0, ordenes_ = 0, herramientas_ = 0, entradas_ = 0, menus_ = 0;
    long conMuestra_ = 0, textosRevisados_ = 0, marcadoresRevisados_ = 0, refrescosRevisados_ = 0,
         bordeDeDiseno_ = 0, filasRevisadas_ = 0;
};

TEST(Aleatorio, MilesDeEventosSinRomperNada) {
    const long eventos = entornoEntero("RECTAVIVA_EVENTOS", 3000);
    const auto semilla = static_cast<unsigned>(entornoEntero("RECTAVIVA_SEMILLA", 20240917));
    Form1 f;
    f.show();
    Corrida c(f, semilla);
    const auto inicio = std::chrono::steady_clock::now();
    long i = 0;
    for (; i < eventos; ++i) {
        if (!c.evento(i)) {
            break;
        }
    }
    c.informe();
    std::printf("[ aleatorio ] %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
    EXPECT_EQ(i, eventos);
    c.cobertura();
}

} // namespace
