// The fixed-bound arrays: subscripts run as declared, every pair of a
// two-dimensional array has its own cell, and a subscript outside the bounds
// stops a checked build instead of touching a neighbouring field.
#include "arreglo.h"

#include <gtest/gtest.h>

#include <set>

namespace rectaviva {
namespace {

TEST(Arreglo, CadaParDeSubindicesTieneSuCelda) {
    Arreglo<int, Rango<0, 3>, Rango<0, 21>> banda;
    for (int c = 0; c <= 21; ++c) {
        for (int f = 0; f <= 3; ++f) {
            banda(f, c) = 100 * f + c;
        }
    }
    std::set<const int*> celdas;
    for (int c = 0; c <= 21; ++c) {
        for (int f = 0; f <= 3; ++f) {
            EXPECT_EQ(banda(f, c), 100 * f + c);
            celdas.insert(&banda(f, c));
        }
    }
    EXPECT_EQ(celdas.size(), 4u * 22u);
    // The first subscript varies fastest.
    EXPECT_EQ(&banda(1, 0) - &banda(0, 0), 1);
    EXPECT_EQ(&banda(0, 1) - &banda(0, 0), 4);
}

TEST(Arreglo, LimitesInferioresDistintosDeCero) {
    Arreglo<float, Rango<1, 50>> x;
    x(1) = 1.5f;
    x(50) = 50.5f;
    EXPECT_EQ(x(1), 1.5f);
    EXPECT_EQ(x(50), 50.5f);
    EXPECT_EQ(&x(50) - &x(1), 49);
}

// A copy shares the blocks until one side writes: each keeps its own values,
// equal copies compare equal, and an array shrunk and grown again reads 0
// past its old end, as a fresh one does.
TEST(Arreglo, CrecienteCopiaAlEscribir) {
    ArregloCreciente<double, 50> a;
    EXPECT_EQ(a.hi(), 50);
    a.redimensionar(100000);
    a(1) = 1;
    a(100000) = 2;
    ArregloCreciente<double, 50> b = a;
    EXPECT_TRUE(b == a);
    b(1) = 3;
    b(5000) = 4;
    EXPECT_EQ(a(1), 1);
    EXPECT_EQ(a(5000), 0);
    EXPECT_EQ(b(100000), 2);
    EXPECT_FALSE(b == a);
    b(1) = 1;
    b(5000) = 0;
    EXPECT_TRUE(b == a);
    a.redimensionar(1500);
    a.redimensionar(100000);
    EXPECT_EQ(a.hi(), 100000);
    EXPECT_EQ(a(100000), 0);
    EXPECT_EQ(b(100000), 2);
    a.redimensionar(3);
    EXPECT_EQ(a.hi(), 50);
}

#ifdef RECTAVIVA_COMPROBAR_LIMITES
TEST(ArregloDeathTest, SubindiceFueraDeRangoDetiene) {
    Arreglo<float, Rango<1, 50>> x;
    Arreglo<float, Rango<1, 50>, Rango<0, 7>> t;
    EXPECT_DEATH(x(0) = 1.0f, "subscript 0 outside 1..50");
    EXPECT_DEATH(x(51) = 1.0f, "subscript 51 outside 1..50");
    EXPECT_DEATH(t(10, 8) = 1.0f, "subscript 8 outside 0..7");
}
#else
TEST(ArregloDeathTest, SubindiceFueraDeRangoDetiene) {
    GTEST_SKIP() << "subscripts are checked only in debug and sanitizer builds";
}
#endif

} // namespace
} // namespace rectaviva
