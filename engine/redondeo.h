// Rounding shared by every part: to the nearest whole number with a half
// going to the even neighbour (12.5 gives 12, 13.5 gives 14), and the safe
// conversion of a real to a 16-bit integer, which refuses NaN, infinities
// and values outside -32768..32767 instead of invoking undefined behaviour.
#pragma once

#include "Globales.h"

#include <cmath>
#include <optional>

namespace rectaviva {

// Every expression widens its stored floats to double and rounds its result
// to float when it is stored: D and S make both steps visible.
inline double D(float v) {
    return static_cast<double>(v);
}
inline float S(double v) {
    return static_cast<float>(v);
}

// Half to even, keeping the float type. Relies on the default rounding mode
// (round to nearest, ties to even), which the program never changes.
inline float redondearPar(float v) {
    return std::nearbyint(v);
}
inline double redondearPar(double v) {
    return std::nearbyint(v);
}

// The 16-bit integer nearest to v, halves to even; nothing when v is not a
// number, infinite, or rounds outside the 16-bit range.
inline std::optional<Integer> aInteger(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<Integer>(r);
}

} // namespace rectaviva
