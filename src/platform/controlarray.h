#pragma once

#include <QtGlobal>
#include <array>

namespace platform {

// Controls that share a name and are told apart by an index from 1 to N.
template <class Control, int N> class ControlArray {
public:
    Control *&operator[](int index)
    {
        Q_ASSERT(index >= 1 && index <= N);
        return items_[std::size_t(index - 1)];
    }
    Control *operator[](int index) const
    {
        Q_ASSERT(index >= 1 && index <= N);
        return items_[std::size_t(index - 1)];
    }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::array<Control *, N> items_{};
};

} // namespace platform
