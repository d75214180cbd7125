// Shared pieces of the window-level action tests: generators that script or
// seed the draws, typing into an entry through the TextBox's key path, a
// sample placed at chosen points through the real size entry, a bitwise
// snapshot of the fit, and the sums recomputed from scratch in double.
#pragma once

#include "Form1.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

namespace rectaviva::pruebas {

// Hands out the draws a test chooses, in order, and counts the ones taken
// beyond the script (each then reads 0).
class Guion : public Generador {
public:
    explicit Guion(std::vector<float> d) : draws_(d.begin(), d.end()) {}
    float Rnd() override {
        ++tomadas_;
        if (draws_.empty()) {
            ++deMas_;
            return 0.0f;
        }
        const float v = draws_.front();
        draws_.pop_front();
        return v;
    }
    std::size_t quedan() const { return draws_.size(); }
    long tomadas() const { return tomadas_; }
    long deMas() const { return deMas_; }

private:
    std::deque<float> draws_;
    long tomadas_ = 0;
    long deMas_ = 0;
};

// The program's reproducible generator, counting its draws.
class Semilla : public GeneradorSemilla {
public:
    explicit Semilla(unsigned s) : GeneradorSemilla(s) {}
    float Rnd() override {
        ++tomadas_;
        return GeneradorSemilla::Rnd();
    }
    long tomadas() const { return tomadas_; }

private:
    long tomadas_ = 0;
};

struct Punto {
    int x, y;
};

// The window's one view of type V.
template <class V> V& vistaDe(Form1& f) {
    if (V* v = buscarVista<V>(f.vistas())) {
        return *v;
    }
    throw std::logic_error("the window has no such view");
}

// The draws that make generarPuntos produce exactly `pts`: slope
// draw 0.5 gives m = 1, r = 0 gives a = 0.5, spread draw 0.5 gives s = 37;
// then per point an x draw and a noise draw. Each point needs
// x in -20..75 and y - x in 1..37.
inline std::vector<float> extraccionesPara(const std::vector<Punto>& pts) {
    std::vector<float> d{0.5f, 0.0f, 0.5f};
    for (const Punto& p : pts) {
        d.push_back(static_cast<float>((p.x + 20) / 95.0));
        d.push_back(static_cast<float>((p.y - p.x - 0.5) / 37.0));
    }
    return d;
}

// Types `texto` into the entry the way a person does: select everything,
// Backspace, the characters one by one (each announced by KeyPress before it
// changes the text), then Enter when asked.
inline void escribir(TextBox& caja, const QString& texto, bool enter = true) {
    caja.selectAll();
    QTest::keyClick(&caja, Qt::Key_Backspace);
    for (const QChar c : texto) {
        if (c.unicode() >= 32 && c.unicode() < 127) {
            QTest::keyClick(&caja, static_cast<char>(c.unicode()));
        } else {
            // A character with no key of its own: its text alone.
            QTest::sendKeyEvent(QTest::Press, &caja, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, &caja, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    if (enter) {
        QTest::keyClick(&caja, Qt::Key_Return);
    }
}

inline void enter(TextBox& caja) {
    QTest::keyClick(&caja, Qt::Key_Return);
}

// A first sample from a seeded generator, through the menu command.
inline void generarSembrado(Form1& f, unsigned semilla) {
    f.setGenerador(std::make_unique<Semilla>(semilla));
    f.mnuGene->accion()->trigger();
}

// A sample whose points are exactly `pts`, drawn by the real size entry from
// scripted draws (a seeded "Generar" first when there is no sample yet).
inline void muestraConPuntos(Form1& f, const std::vector<Punto>& pts) {
    if (f.g.nPuntos < 3) {
        generarSembrado(f, 7);
    }
    f.setGenerador(std::make_unique<Guion>(extraccionesPara(pts)));
    escribir(f.Text2(10), QString::number(pts.size()));
    ASSERT_EQ(f.g.nPuntos, static_cast<int>(pts.size()));
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        ASSERT_EQ(f.g.xObs(k), static_cast<float>(pts[i].x)) << "point " << k;
        ASSERT_EQ(f.g.yObs(k), static_cast<float>(pts[i].y)) << "point " << k;
    }
}

// The top-left corner of a marker, where a press hits it squarely.
inline QPointF esquina(Form1& f, int k) {
    return {f.Shape1(k).Left(), f.Shape1(k).Top()};
}

inline void presionar(Form1& f, int boton, QPointF p) {
    f.Picture1_MouseDown(boton, 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
}

inline void soltar(Form1& f, int boton, QPointF p) {
    f.Picture1_MouseUp(boton, 0, static_cast<float>(p.x()), static_cast<float>(p.y()));
}

// Every statistic the engine leaves behind, compared bit for bit.
struct Ajuste {
    std::vector<std::uint32_t> bits;
    bool operator==(const Ajuste&) const = default;
};

inline Ajuste ajuste(const Globales& g) {
    const float campos[] = {
        g.sumaX,       g.sumaY,      g.sumaX2,       g.sumaY2,       g.sumaXY,       g.mediaX,
        g.mediaY,      g.Sxx,        g.Syy,          g.Sxy,          g.varX,         g.varY,
        g.desvX,       g.desvY,      g.correlacion,  g.intercepto,   g.pendiente,    g.SCReg,
        g.SCErr,       g.varError,   g.eeIntercepto, g.eePendiente,  g.tIntercepto,  g.tPendiente,
        g.pIntercepto, g.pPendiente, g.R2,           g.liIntercepto, g.lsIntercepto, g.liPendiente,
        g.lsPendiente, g.SCTot,      g.CMReg,        g.CMErr,        g.valorF,       g.pAnova,
        g.yPred};
    Ajuste a;
    for (float v : campos) {
        a.bits.push_back(std::bit_cast<std::uint32_t>(v));
    }
    for (int i = 0; i <= 3; ++i) {
        for (int j = 0; j <= 21; ++j) {
            a.bits.push_back(std::bit_cast<std::uint32_t>(g.banda(i, j)));
        }
    }
    a.bits.push_back(static_cast<std::uint32_t>(g.nActivos));
    return a;
}

// The five sums over the points in use, recomputed in double.
struct Sumas {
    double x = 0, y = 0, x2 = 0, y2 = 0, xy = 0;
    double absolutas = 0; ///< sum of every term's magnitude, for the tolerance
    int n = 0;
};

inline Sumas sumasDesdeCero(const Globales& g) {
    Sumas s;
    for (int k = 1; k <= g.nPuntos; ++k) {
        if (g.activo(k) != 1) {
            continue;
        }
        const double x = g.xObs(k);
        const double y = g.yObs(k);
        s.x += x;
        s.y += y;
        s.x2 += x * x;
        s.y2 += y * y;
        s.xy += x * y;
        s.absolutas += std::abs(x) + std::abs(y) + x * x + y * y + std::abs(x * y);
        ++s.n;
    }
    return s;
}

// The float sums differ from the double ones by at most one rounding of each
// partial sum: n roundings of relative size 2^-24 of at most the sum of the
// magnitudes.
inline double toleranciaSumas(const Sumas& s) {
    return (s.n + 1) * 0x1p-24 * s.absolutas + 1e-6;
}

inline int contarActivos(const Globales& g) {
    int n = 0;
    for (int k = 1; k <= g.nPuntos; ++k) {
        n += g.activo(k) == 1 ? 1 : 0;
    }
    return n;
}

// The first point 1..nPuntos whose list row does not read its own number and
// current coordinates, or 0 when every row does.
inline int filaAjena(Form1& f) {
    const Escala e = f.Picture2->escala();
    // A long data set's list shows 50 rows from its first one.
    const int primera = f.g.oMostrar->primeraFila();
    for (int k = primera; k <= f.g.nPuntos && f.g.oMostrar->enLista(k); ++k) {
        std::string esperada;
        // The row as the list builds it for the sample: a data set's has its decimals.
        f.g.oMostrar->formato(static_cast<Integer>(k), f.g.xObs(k), f.g.yObs(k), esperada);
        const auto& filas = f.Picture2->renglones();
        const bool bien = std::any_of(filas.begin(), filas.end(), [&](const auto& r) {
            return std::lround(e.desdePixeles(r.posicion).y()) == k - primera + 3 &&
                   r.texto.toStdString() == esperada;
        });
        if (!bien) {
            return k;
        }
    }
    return 0;
}

// Lets the event loop run for a while (the held tools step in it).
inline void esperar(int ms) {
    QTest::qWait(ms);
}

} // namespace rectaviva::pruebas
