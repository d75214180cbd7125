// Fixed-bound arrays whose subscripts run exactly as they are declared,
// for example Arreglo<float, Rango<1, 50>> for (1 To 50) and
// Arreglo<float, Rango<1, 50>, Rango<0, 7>> for (1 To 50, 0 To 7).
// Subscripts are checked in debug and sanitizer builds; an out-of-range
// subscript there stops the program with a message instead of reading
// or writing a neighbouring field.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace rectaviva {

template <int Lo, int Hi> struct Rango {
    static_assert(Lo <= Hi, "an empty range has no use here");
    static constexpr int lo = Lo;
    static constexpr int hi = Hi;
    static constexpr std::size_t tamano = static_cast<std::size_t>(Hi - Lo + 1);
    static constexpr bool contiene(long i) { return i >= Lo && i <= Hi; }
};

[[noreturn]] inline void subindiceFueraDeRango(long i, int lo, int hi) {
    std::fprintf(stderr, "rectaviva: subscript %ld outside %d..%d\n", i, lo, hi);
    std::abort();
}

template <typename R> constexpr std::size_t desplazamiento(long i) {
#ifdef RECTAVIVA_COMPROBAR_LIMITES
    if (!R::contiene(i)) {
        subindiceFueraDeRango(i, R::lo, R::hi);
    }
#endif
    return static_cast<std::size_t>(i - R::lo);
}

template <typename T, typename... Rangos> class Arreglo;

// One dimension.
template <typename T, typename R> class Arreglo<T, R> {
public:
    using Rango1 = R;
    constexpr T& operator()(long i) { return datos_[desplazamiento<R>(i)]; }
    constexpr const T& operator()(long i) const { return datos_[desplazamiento<R>(i)]; }
    bool operator==(const Arreglo&) const = default;

private:
    std::array<T, R::tamano> datos_{};
};

// Two dimensions, stored with the first subscript varying fastest.
template <typename T, typename R1, typename R2> class Arreglo<T, R1, R2> {
public:
    using Rango1 = R1;
    using Rango2 = R2;
    constexpr T& operator()(long i, long j) {
        return datos_[desplazamiento<R1>(i) + R1::tamano * desplazamiento<R2>(j)];
    }
    constexpr const T& operator()(long i, long j) const {
        return datos_[desplazamiento<R1>(i) + R1::tamano * desplazamiento<R2>(j)];
    }
    bool operator==(const Arreglo&) const = default;

private:
    std::array<T, R1::tamano * R2::tamano> datos_{};
};

// One dimension (1 To hi) whose upper bound is set at run time, never below
// Minimo: the sample's arrays hold the design's 50 points, and as many as a
// data set has. Checked like the fixed arrays. The elements lie in blocks of
// 1024 shared between copies until one is written: a copy (an undo step's
// picture of the sample) costs a pointer per block, and a drag that moves one
// point copies one block, not the array.
template <typename T, int Minimo> class ArregloCreciente {
    static constexpr std::size_t kBloque = 1024;
    using Bloque = std::array<T, kBloque>;

public:
    ArregloCreciente() { redimensionar(Minimo); }

    const T& operator()(long i) const {
        const std::size_t d = desplazamiento(i);
        return (*bloques_[d / kBloque])[d % kBloque];
    }
    T& operator()(long i) {
        const std::size_t d = desplazamiento(i);
        std::shared_ptr<Bloque>& b = bloques_[d / kBloque];
        if (b.use_count() > 1) {
            b = std::make_shared<Bloque>(*b);
        }
        return (*b)[d % kBloque];
    }
    bool operator==(const ArregloCreciente& o) const {
        if (n_ != o.n_) {
            return false;
        }
        for (std::size_t k = 0; k < bloques_.size(); ++k) {
            if (bloques_[k] != o.bloques_[k] && *bloques_[k] != *o.bloques_[k]) {
                return false;
            }
        }
        return true;
    }

    long hi() const { return static_cast<long>(n_); }
    // (1 To max(Minimo, n)): the elements kept keep their values, new ones
    // are zero.
    void redimensionar(long n) {
        const std::size_t m = std::size_t(n > Minimo ? n : Minimo);
        const std::size_t bloques = (m + kBloque - 1) / kBloque;
        const std::size_t antes = bloques_.size();
        bloques_.resize(bloques);
        for (std::size_t k = antes; k < bloques; ++k) {
            bloques_[k] = std::make_shared<Bloque>();
        }
        // Past the end stays zero, so that growing again gives zeros.
        if (m < n_ && m % kBloque != 0) {
            std::shared_ptr<Bloque>& b = bloques_.back();
            b = std::make_shared<Bloque>(*b);
            std::fill(b->begin() + long(m % kBloque), b->end(), T{});
        }
        n_ = m;
    }

private:
    std::size_t desplazamiento(long i) const {
#ifdef RECTAVIVA_COMPROBAR_LIMITES
        if (i < 1 || i > hi()) {
            subindiceFueraDeRango(i, 1, static_cast<int>(hi()));
        }
#endif
        return static_cast<std::size_t>(i - 1);
    }
    std::vector<std::shared_ptr<Bloque>> bloques_;
    std::size_t n_ = 0;
};

} // namespace rectaviva
