// The measurements of the larger example sets, kept apart from the table of
// sets: a few hundred numbers each, built once on first use.
#pragma once

#include <vector>

namespace rectaviva {

// Bill length and depth (mm) of the 342 penguins of Palmer Station with both.
const std::vector<double>& pinguinosLargoPico();
const std::vector<double>& pinguinosAltoPico();
// Duration of 272 eruptions of Old Faithful and the wait to the next (min).
const std::vector<double>& geiserDuracion();
const std::vector<double>& geiserEspera();

} // namespace rectaviva
