#pragma once
// Checks on a top-level window shared by the caption bar, the edge resizer
// and the frameless host.

#include <QWidget>

#include <stdexcept>

namespace caption {

// `owner` itself; anything that is not a window throws std::invalid_argument.
inline QWidget *requireWindow(QWidget *owner)
{
    if (!owner || !owner->isWindow())
        throw std::invalid_argument("Invalid class typecast");
    return owner;
}

inline bool isResizable(const QWidget *window)
{
    return window->minimumSize() != window->maximumSize();
}

}  // namespace caption
