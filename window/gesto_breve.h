// A gesture of one handler call: begun when made, one undo step (if anything
// changed) when it goes, as the handlers of "Generar", a data set, a
// deletion or a challenge's round use it.
#pragma once

#include "Form1.h"

namespace rectaviva {

class GestoBreve {
public:
    GestoBreve(Form1& f, NombreGesto nombre) : f_(f) { f_.empezarGesto(std::move(nombre)); }
    ~GestoBreve() { f_.terminarGesto(); }
    GestoBreve(const GestoBreve&) = delete;
    GestoBreve& operator=(const GestoBreve&) = delete;

private:
    Form1& f_;
};

} // namespace rectaviva
