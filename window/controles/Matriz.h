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
    // An array that grows by appending: the first element fixes the lower bound.
    Matriz() = default;
    // An array with fixed bounds whose elements may be added in any order,
    // for one whose elements live in different containers.
    Matriz(int LBound, int UBound)
        : inferior_(LBound), elementos_(static_cast<std::size_t>(UBound - LBound + 1), nullptr),
          fijos_(true) {}

    // Adds element `indice`. A growing array takes only the next index;
    // indexes are contiguous, as in the window description.
    void agregar(int indice, T* elemento) {
        if (fijos_) {
            if (!contiene(indice) || elementos_[posicion(indice)] != nullptr) {
                throw std::logic_error("control array index " + std::to_string(indice) +
                                       " outside the bounds or already taken");
            }
            elementos_[posicion(indice)] = elemento;
            return;
        }
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
        T* e = elementos_[posicion(i)];
        if (e == nullptr) {
            throw std::out_of_range("control array element " + std::to_string(i) +
                                    " was never created");
        }
        return *e;
    }

    bool contiene(int i) const { return i >= inferior_ && i <= UBound(); }
    int LBound() const { return inferior_; }
    int UBound() const { return inferior_ + Count() - 1; }
    int Count() const { return static_cast<int>(elementos_.size()); }

    auto begin() const { return elementos_.begin(); }
    auto end() const { return elementos_.end(); }

private:
    std::size_t posicion(int i) const { return static_cast<std::size_t>(i - inferior_); }

    int inferior_ = 0;
    std::vector<T*> elementos_;
    bool fijos_ = false;
};

} // namespace rectaviva
