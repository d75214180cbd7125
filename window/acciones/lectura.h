// Reading a number typed into an entry field, and writing a setting back.
// The reader takes the longest leading part of the text that reads as a
// decimal number with "." as its point, whatever the system's locale;
// blanks are ignored and a text with no number reads as 0. It never throws,
// overflows or loops on any input: a number too large for a double reads as
// an infinity of its sign, which every caller refuses or clamps.
#pragma once

#include <string>
#include <string_view>

namespace rectaviva {

double leerNumero(std::string_view texto);

// The shortest decimal form of v that reads back as the same float, with "."
// as its point and no blanks; a whole number has no point ("65", "80.5").
std::string escribirNumero(float v);

} // namespace rectaviva
