// The few points of a large data set that the views mark instead of drawing
// something for every point: the largest residuals and the points that pull
// the line most.
#pragma once

#include "Globales.h"

#include <vector>

namespace rectaviva {

// The residual view marks this many residuals, the influence view at most
// this many rings.
inline constexpr int residuosDestacados = 5;
inline constexpr int anillosDestacados = 10;

// The points in use with the `cuantos` largest |residual|, the largest first
// (equal ones by row).
std::vector<Integer> mayoresResiduos(const Globales& g, int cuantos);
// The points in use whose Cook's distance exceeds 4/n (n the points in use),
// at most `cuantos`, the largest first.
std::vector<Integer> masInfluyentes(const Globales& g, int cuantos);

} // namespace rectaviva
