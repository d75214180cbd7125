// Control arrays: elements of one kind that share a name and are reached by
// an index, written as the window description writes them (Text1(9),
// Shape1(k)). The elements are owned elsewhere (widgets by their Qt parent,
// light items by their container); the array only indexes them.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace rectaviva {

template <typename T> class Matriz {
public:
    Matriz() = default;

    // Appends the element with the next index; the first one fixes the lower
    // bound. Indexes are contiguous, as in the window description.
    void agregar(int indice, T* elemento) {
        if (elementos_.empty()) {
            inferior_ = indice;
        } else if (indice != UBound() + 1) {
            throw std::logic_error("control array index " + std::to_string(indice) +
                                   " is not the next one");
        }
        elementos_.push_back(elemento);
    }

    // An index outside the bounds names no control; it is reported instead of
    // reaching a neighbouring element.
    T& operator()(int i) const {
        if (!contiene(i)) {
            throw std::out_of_range("control array index " + std::to_string(i) + " outside " +
                                    std::to_string(LBound()) + ".." + std::to_string(UBound()));
        }
        return *elementos_[static_cast<std::size_t>(i - inferior_)];
    }

    bool contiene(int i) const { return i >= inferior_ && i <= UBound(); }
    int LBound() const { return inferior_; }
    int UBound() const { return inferior_ + Count() - 1; }
    int Count() const { return static_cast<int>(elementos_.size()); }

    auto begin() const { return elementos_.begin(); }
    auto end() const { return elementos_.end(); }

private:
    int inferior_ = 0;
    std::vector<T*> elementos_;
};

} // namespace rectaviva
