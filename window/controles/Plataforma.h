// The services of the window system that handlers call directly: letting
// pending events run from inside a handler, and the time of day.
#pragma once

namespace rectaviva {

// Runs the window events that are waiting, then returns.
void DoEvents();

// Seconds since midnight, local time, with the clock's fraction.
float segundosDelDia();

} // namespace rectaviva
