// The zoom of the whole window, and the fonts that its text is laid out in.
#pragma once

class QFont;
class QWidget;

namespace rectaviva {

// Draws `ventana` and everything in it `factor` times larger than designed:
// twips are converted with that zoom, every font is its design size times
// the factor, and every placed control takes its new pixel geometry. Values
// in container units do not change; what the window places from the
// screen's size, it places again itself.
void ampliar(QWidget& ventana, double factor);

// Keeps QFont::PreferNoShaping in the widget's font, whatever font it is
// given: the Latin text of the window never needs OpenType shaping, and text
// laid out without it costs about half as much. Called at construction and
// at every FontChange.
void sinFormas(QWidget& w);
// The same font laid out without shaping: given so to a control at once, it
// spares the control a second change of font.
QFont sinFormas(QFont f);

} // namespace rectaviva
