// The events of the long random run, drawn from a seed: presses, drags with
// their timer ticks, right-clicks, pop-up commands, held tools with
// event-loop time, typed entries, menu choices, data sets, each played
// through the window's real handlers and controls. What an event leaves to
// check (a refit from scratch, a drag step) is noted for the checks.
#pragma once

#include "ayudas_acciones.h"
#include "escala.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <sstream>
#include <string>

namespace rectaviva::pruebas {

class EventosAleatorios {
public:
    EventosAleatorios(Form1& f, unsigned semilla) : f_(f), rng_(semilla), semilla_(semilla) {
        auto azar = std::make_unique<Semilla>(semilla ^ 0x5bd1e995u);
        azar_ = azar.get();
        f_.setGenerador(std::move(azar));
        QObject::connect(f_.Timer1, &Timer::Tick, [this] { notarPaso(); });
    }

    // Plays event i of the seeded sequence: what it leaves to check is noted
    // in refresco_, incremental_ and hayMuestra_.
    void jugar(long i) {
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
    }

    unsigned semilla() const { return semilla_; }

protected:
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

    // A choice of the menus: a view, the simulation and one of its commands,
    // a data set, undo or redo, a sheet.
    void menuVer();
    // A data set of values by year, drawn at random: the sample in its own
    // units, far from 0, where every refit must still be exact.
    void datosPorAno();

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
};

} // namespace rectaviva::pruebas
