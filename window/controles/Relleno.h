// Painting by Qt's fast paths: fills in bands of few rows and on whole
// device pixels where the painter's transform allows it.
#pragma once

class QColor;
class QPainter;
class QRectF;
class QTransform;

namespace rectaviva {

// Whether a painter's transform takes logical pixels to device pixels by a
// whole-number scale and a whole-pixel shift, so that a rectangle of whole
// device pixels can be named exactly in logical pixels.
bool transformacionEntera(const QTransform& t);

// Whether the painter draws on pixels (a widget, an image); a vector device
// (an SVG file) gets drawings, never copies of cached pixels.
bool pintaPixeles(QPainter& p);

// Qt hands a fill of more device rows than this to its worker threads,
// which costs the small pieces of a window far more than it saves.
constexpr int filasPorFranja = 64;

// Fills r (logical pixels) as QPainter::fillRect does with antialiasing, in
// pieces that Qt fills quickly: the device pixels that r covers wholly
// without antialiasing, the partly covered rows and columns around them
// with it, each piece at most filasPorFranja rows high.
void rellenar(QPainter& p, const QRectF& r, const QColor& c);

} // namespace rectaviva
