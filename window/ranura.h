// The place under the plot, which one panel holds at a time: the design's
// analysis-of-variance and prediction panels and the panels of the views.
// Showing one hides the others and ends what each of them had on, here and
// nowhere else; the menu handlers ask the slot.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace rectaviva {

class Frame;

class Ranura {
public:
    // A panel of the slot and what leaving it ends (nothing: an empty one).
    void agregar(Frame& panel, std::function<void()> alDejar);
    // Shows `panel` and hides every other, ending what each had on.
    void mostrar(Frame& panel);
    // The panel shown, or none.
    Frame* visible() const;
    // Gives every panel the top, left edge and width of `modelo`.
    void alinear(const Frame& modelo);

private:
    std::vector<std::pair<Frame*, std::function<void()>>> paneles_;
};

} // namespace rectaviva
